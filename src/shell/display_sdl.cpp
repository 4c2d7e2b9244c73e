// The show's window: 160 x 128 x 8 bits on SDL 1.2, a palette of four greys
// repeated 64 times so that byte v shows grey v mod 4.
#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "shell/display.h"

namespace {

SDL_Surface *screen;

const SDL_Color GREY_LEVELS[4] = {
    {255, 255, 255, 0},
    {192, 192, 192, 0},
    {128, 128, 128, 0},
    {0, 0, 0, 0},
};

}  // namespace

int init_display()
{
    SDL_Init(SDL_INIT_VIDEO);
    screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, 8, 0);
    if (!screen) {
        SDL_Quit();
        std::printf("Could not set 160x128x8 video mode: %s\n", SDL_GetError());
        return 1;
    }

    SDL_Color palette[256];
    for (int n = 0; n < 256; n += 4)
        for (int k = 0; k < 4; k++)
            palette[n + k] = GREY_LEVELS[k];
    SDL_SetColors(screen, palette, 0, 256);
    SDL_ShowCursor(SDL_DISABLE);
    return 0;
}

void present_frame(const Frame *frame)
{
    // The surface's pitch is 160 for this width and depth, so the frame goes
    // over in one piece.
    SDL_LockSurface(screen);
    std::memcpy(screen->pixels, frame->pixels, FRAME_SIZE);
    SDL_UnlockSurface(screen);
    SDL_Flip(screen);
}

int quit_requested()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_KEYDOWN &&
            (event.key.keysym.sym == SDLK_m || event.key.keysym.sym == SDLK_COMMA))
            return 1;
    }
    return 0;
}

void shutdown_display()
{
    SDL_Quit();
}
