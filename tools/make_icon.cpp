// make_icon OUT.png: the desktop icon, the show's shaded ball at 64 x 64.
#include <cstdio>

#include "data/ball_image.h"
#include "image_io.h"

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUT.png\n");
        return 2;
    }
    if (!write_png_image(argv[1], ball_texture, 16, 16, 4)) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
