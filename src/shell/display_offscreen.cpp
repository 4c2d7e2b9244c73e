// A display without a screen: present_frame keeps a copy of the frame.
#include <cstring>

#include "shell/display.h"
#include "shell/offscreen.h"

namespace {

Frame last_frame;
int64_t present_count;
int quit_pending;

}  // namespace

int init_display()
{
    return 0;
}

void present_frame(const Frame *frame)
{
    std::memcpy(last_frame.pixels, frame->pixels, FRAME_SIZE);
    present_count++;
}

int quit_requested()
{
    int q = quit_pending;
    quit_pending = 0;
    return q;
}

void shutdown_display() {}

const Frame *offscreen_last_frame()
{
    return &last_frame;
}

int64_t offscreen_present_count()
{
    return present_count;
}

void offscreen_request_quit()
{
    quit_pending = 1;
}
