// flip_ceiling SECONDS: the frame rate of a loop that only sleeps 1 ms and
// presents an unchanging frame in the show's window: the ceiling that the
// scenes' drawing cost is measured against.
#include <sys/time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "shell/display.h"

int main(int argc, char *argv[])
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    if (init_display() != 0)
        return 1;
    static Frame frame;
    timeval start, now;
    gettimeofday(&start, nullptr);
    long frames = 0;
    double elapsed = 0;
    do {
        usleep(1000);
        present_frame(&frame);
        quit_requested();
        frames++;
        gettimeofday(&now, nullptr);
        elapsed = (now.tv_sec - start.tv_sec) + (now.tv_usec - start.tv_usec) / 1e6;
    } while (elapsed < seconds);
    shutdown_display();
    std::printf("%ld frames in %.2f s: %.1f fps\n", frames, elapsed, frames / elapsed);
    return 0;
}
