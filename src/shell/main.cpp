// Quillmoss: nine procedural effects on a fixed timeline, with music.
//
// Start-up: loading line, the scene init steps, the window, the music; then
// one loop: sleep 1 ms, read the clock, draw the current scene, poll the
// quit keys, feed the music. The show ends when the song ends or on "m" / ",".
#include <sys/time.h>
#include <unistd.h>

#include <cstdio>

#include "shell/display.h"
#include "shell/music.h"
#include "shell/timeline.h"

int main(int argc, char *argv[])
{
    (void)argc;
    (void)argv;

    std::printf("*** Loading... ***\n");
    std::fflush(stdout);
    run_scene_inits();

    if (init_display() != 0) {
        // No screen surface exists, so no frame can be shown: stop here and
        // let the caller see the failure.
        return 1;
    }

    MusicState music;
    music_setup(&music);
    music_start(&music);

    timeval start_time;
    gettimeofday(&start_time, nullptr);
    int running = 1;

    while (running) {
        usleep(1000);
        timeval now;
        gettimeofday(&now, nullptr);
        const int32_t elapsed_ms =
            elapsed_ms_from(static_cast<int64_t>(now.tv_sec) - start_time.tv_sec,
                            static_cast<int64_t>(now.tv_usec) - start_time.tv_usec);
        timeline_draw(elapsed_ms);
        if (quit_requested())
            running = 0;
        // Also in the pass that saw a quit key.
        running = running & music_update(&music);
    }

    shutdown_display();
    music_shutdown(&music);
    return 0;
}
