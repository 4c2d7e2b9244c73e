// quit_requested against SDL's real event queue, in a real window (run under
// Xvfb by CTest).
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>

#include "shell/display.h"

namespace {

SDL_Event key(Uint8 type, SDLKey sym, SDLMod mod = KMOD_NONE)
{
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = type;
    e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    return e;
}

SDL_Event quit_event()
{
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = SDL_QUIT;
    return e;
}

class Events : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(init_display(), 0) << SDL_GetError(); }
    static void TearDownTestSuite() { shutdown_display(); }
    void SetUp() override
    {
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
        }
    }
    static void push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 0); }
    static int pending()
    {
        SDL_PumpEvents();
        SDL_Event buf[64];
        return SDL_PeepEvents(buf, 64, SDL_PEEKEVENT, SDL_ALLEVENTS);
    }
};

TEST_F(Events, QuitKeysEndTheShow)
{
    const SDL_Event quitting[] = {key(SDL_KEYDOWN, SDLK_m), key(SDL_KEYDOWN, SDLK_COMMA),
                                  key(SDL_KEYDOWN, SDLK_m, KMOD_LSHIFT)};
    for (const SDL_Event &e : quitting) {
        push(e);
        EXPECT_EQ(quit_requested(), 1);
        EXPECT_EQ(quit_requested(), 0);
    }
}

TEST_F(Events, EverythingElseIsConsumedAndIgnored)
{
    push(key(SDL_KEYUP, SDLK_m));
    push(key(SDL_KEYUP, SDLK_COMMA));
    push(key(SDL_KEYDOWN, SDLK_q));
    push(key(SDL_KEYDOWN, SDLK_ESCAPE));
    push(quit_event());  // window close, Quit menu, SIGINT and SIGTERM all arrive as this
    EXPECT_EQ(quit_requested(), 0);
    EXPECT_EQ(pending(), 0);
}

TEST_F(Events, EventsBehindTheQuitKeyStayQueued)
{
    push(key(SDL_KEYDOWN, SDLK_a));
    push(key(SDL_KEYDOWN, SDLK_m));
    push(key(SDL_KEYDOWN, SDLK_b));
    push(quit_event());
    EXPECT_EQ(quit_requested(), 1);
    EXPECT_EQ(pending(), 2);
    SDL_Event e;
    ASSERT_EQ(SDL_PollEvent(&e), 1);
    EXPECT_EQ(e.type, SDL_KEYDOWN);
    EXPECT_EQ(e.key.keysym.sym, SDLK_b);
}

TEST_F(Events, PaletteShowsByteModFour)
{
    SDL_Surface *screen = SDL_GetVideoSurface();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->w, 160);
    EXPECT_EQ(screen->h, 128);
    EXPECT_EQ(screen->format->BitsPerPixel, 8);
    EXPECT_EQ(screen->pitch, 160);
    const SDL_Palette *pal = screen->format->palette;
    ASSERT_NE(pal, nullptr);
    ASSERT_EQ(pal->ncolors, 256);
    const int grey[4] = {255, 192, 128, 0};
    for (int n = 0; n < 256; n++) {
        EXPECT_EQ(pal->colors[n].r, grey[n % 4]) << n;
        EXPECT_EQ(pal->colors[n].g, grey[n % 4]) << n;
        EXPECT_EQ(pal->colors[n].b, grey[n % 4]) << n;
    }
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);

    Frame f;
    for (int i = 0; i < FRAME_SIZE; i++)
        f.pixels[i] = static_cast<uint8_t>(i * 7);
    present_frame(&f);
    EXPECT_EQ(std::memcmp(screen->pixels, f.pixels, FRAME_SIZE), 0);
}

}  // namespace
