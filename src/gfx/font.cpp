#include "gfx/font.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// blank, '!', '\'', 'a'..'z', in that order.
const Glyph font_glyphs[] = {
#include "data/font_glyphs.inc"
};

constexpr int BLANK = 0, BANG = 1, QUOTE = 2, LETTER_A = 3;

struct GlyphMap {
    const Glyph *entries[128];
};

constexpr GlyphMap build_glyph_map()
{
    GlyphMap m{};
    for (int c = 0; c < 128; c++) {
        int g = BLANK;
        if (c == '!')
            g = BANG;
        else if (c == '\'')
            g = QUOTE;
        else if (c >= 'A' && c <= 'Z')
            g = LETTER_A + (c - 'A');
        else if (c >= 'a' && c <= 'z')
            g = LETTER_A + (c - 'a');
        m.entries[c] = &font_glyphs[g];
    }
    return m;
}

constexpr GlyphMap glyph_table = build_glyph_map();

int32_t glyph_width(const Glyph *g)
{
    return static_cast<int32_t>(std::strlen(g->rows[0]));
}

void *zeroed_or_die(size_t count)
{
    // calloc(0) may return null legitimately; ask for at least one byte.
    void *p = std::calloc(count ? count : 1, 1);
    if (!p) {
        std::fprintf(stderr, "Out of memory building a text bitmap (%zu bytes)\n", count);
        std::exit(1);
    }
    return p;
}

}  // namespace

const Glyph *const glyph_map[128] = {
#define G(n) glyph_table.entries[n]
#define G8(n) G(n), G(n + 1), G(n + 2), G(n + 3), G(n + 4), G(n + 5), G(n + 6), G(n + 7)
    G8(0), G8(8), G8(16), G8(24), G8(32), G8(40), G8(48), G8(56),
    G8(64), G8(72), G8(80), G8(88), G8(96), G8(104), G8(112), G8(120),
#undef G8
#undef G
};

const Glyph *glyph_for(unsigned char c)
{
    return c < 128 ? glyph_map[c] : &font_glyphs[BLANK];
}

int32_t text_width(const char *line)
{
    int32_t w = 0;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(line); *p; p++)
        w += glyph_width(glyph_for(*p));
    return w;
}

Bitmap *make_text_bitmap(const char *const *lines)
{
    int32_t count = 0, width = 0;
    for (; lines[count]; count++) {
        int32_t w = text_width(lines[count]);
        if (w > width)
            width = w;
    }
    const int32_t height = GLYPH_HEIGHT * count;
    const size_t size = static_cast<size_t>(width) * static_cast<size_t>(height);

    Bitmap *bitmap = static_cast<Bitmap *>(zeroed_or_die(sizeof(Bitmap)));
    uint8_t *pixels = static_cast<uint8_t *>(zeroed_or_die(size));
    uint8_t *mask = static_cast<uint8_t *>(zeroed_or_die(size));
    std::memset(mask, 255, size);

    for (int32_t n = 0; n < count; n++) {
        const unsigned char *line = reinterpret_cast<const unsigned char *>(lines[n]);
        int32_t x = (width - text_width(lines[n])) / 2;
        for (; *line; line++) {
            const Glyph *g = glyph_for(*line);
            const int32_t gw = glyph_width(g);
            for (int32_t r = 0; r < GLYPH_HEIGHT; r++) {
                const size_t row = static_cast<size_t>(GLYPH_HEIGHT * n + r) * width + x;
                for (int32_t k = 0; k < gw; k++) {
                    uint8_t value;
                    switch (g->rows[r][k]) {
                    case 'O': value = 0; break;
                    case 'o': value = 1; break;
                    case 'X': value = 2; break;
                    case ' ': value = 3; break;
                    default: continue;  // transparent: leave pixel 0, mask 255
                    }
                    mask[row + k] = 0;
                    pixels[row + k] = value;
                }
            }
            x += gw;
        }
    }

    bitmap->pixels = pixels;
    bitmap->mask = mask;
    bitmap->width = width;
    bitmap->height = height;
    return bitmap;
}

void free_text_bitmap(Bitmap *bitmap)
{
    if (!bitmap)
        return;
    std::free(const_cast<uint8_t *>(bitmap->pixels));
    std::free(const_cast<uint8_t *>(bitmap->mask));
    std::free(bitmap);
}
