// The nine scenes. Each is an init step, run once at start-up before the
// display opens, and a draw step that renders one frame for a scene-local
// time in milliseconds and hands it to present_frame exactly once.
#pragma once
#include <cstdint>

void plasma_init();
void plasma_draw(int32_t local_ms);

void flower_tunnel_init();
void flower_tunnel_draw(int32_t local_ms);

void bars_init();
void bars_draw(int32_t local_ms);

void rotozoom_init();
void rotozoom_draw(int32_t local_ms);

void trails_init();
void trails_draw(int32_t local_ms);

void twister_init();
void twister_draw(int32_t local_ms);

void dots_init();
void dots_draw(int32_t local_ms);

void halfres_tunnel_init();
void halfres_tunnel_draw(int32_t local_ms);

void credits_init();
void credits_draw(int32_t local_ms);
