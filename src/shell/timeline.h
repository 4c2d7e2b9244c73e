// The show's fixed timeline and its clock.
//
// Nine rows in show order; a row's stretch runs from start_ms to last_ms
// inclusive, and the last row has no end. elapsed_ms picks the first row whose
// last_ms it does not exceed (signed comparison, so negative times pick row
// 0), and that row's draw step gets local_ms = elapsed_ms - start_ms.
#pragma once
#include <cstdint>

struct TimelineRow {
    void (*draw)(int32_t local_ms);
    int32_t start_ms;
    int32_t last_ms;  // inclusive; unused for the last row
};

constexpr int TIMELINE_ROWS = 9;
extern const TimelineRow Timeline[TIMELINE_ROWS];

// The end of the credits text: the show's last visible change (153400 + 7670).
constexpr int32_t SHOW_END_MS = 161070;

// Index of the row that holds elapsed_ms.
int timeline_row(int32_t elapsed_ms);

// Calls the draw step of the row that holds elapsed_ms.
void timeline_draw(int32_t elapsed_ms);

// Runs the nine init steps in start-up order (not show order).
void run_scene_inits();

// Milliseconds between two clock readings given as their differences in
// whole seconds and in microseconds: dsec * 1000 + dusec / 1000, all in
// signed 32 bits with the division truncating, so a negative microsecond
// difference rounds the result up. The seconds product wraps after about
// 24.8 days, as a 32-bit count does.
int32_t elapsed_ms_from(int64_t dsec, int64_t dusec);
