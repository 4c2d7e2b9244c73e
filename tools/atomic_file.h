// Writing a file so that it appears whole or not at all: write(FILE *) fills
// PATH.part, which is renamed to PATH only once everything reached the disk.
// On failure the part is removed, errno says why, and the result is false.
#pragma once
#include <cerrno>
#include <cstdio>
#include <string>

template <typename Writer>
bool write_file_atomically(const std::string &path, Writer write)
{
    const std::string part = path + ".part";
    FILE *f = std::fopen(part.c_str(), "wb");
    if (!f)
        return false;
    bool ok = write(f) && std::fflush(f) == 0;
    int error = ok ? 0 : errno;
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(part.c_str(), path.c_str()) == 0)
        return true;
    if (ok)
        error = errno;
    std::remove(part.c_str());
    errno = error ? error : EIO;
    return false;
}
