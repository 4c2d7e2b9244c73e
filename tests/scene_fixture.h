// Shared by the scene tests: runs the init steps once and reads back the
// frame a draw step presented through the offscreen display.
#pragma once
#include <gtest/gtest.h>

#include <cstring>

#include "gfx/frame.h"
#include "shell/offscreen.h"
#include "shell/timeline.h"

class SceneTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static bool done = false;
        if (!done)
            run_scene_inits();
        done = true;
    }

    // Calls draw(t) and returns a copy of what it presented.
    static Frame render(void (*draw)(int32_t), int32_t t)
    {
        const int64_t before = offscreen_present_count();
        draw(t);
        EXPECT_EQ(offscreen_present_count(), before + 1) << "a draw step presents exactly once";
        Frame f;
        std::memcpy(&f, offscreen_last_frame(), FRAME_SIZE);
        return f;
    }

    static uint8_t at(const Frame &f, int x, int y) { return f.pixels[y * SCREEN_WIDTH + x]; }
};
