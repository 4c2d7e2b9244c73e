// compose: writes the show's soundtrack, a 4-channel ProTracker "M.K."
// module whose 8-bit samples it synthesises itself.
//
//   compose OUT.mod            the whole song: 21 patterns, 161.28 s
//   compose --patterns N OUT   only the first N orders (a short song for tests)
//
// Speed 6 at 125 BPM: a row is 120 ms, a pattern 7.68 s, two patterns to
// each 15.34 s scene. Channels: 0 drums, 1 bass, 2 lead, 3 arpeggiated chords
// (and the birds' chirps in the second half of the dot scene). The output is
// the same bytes on every run: the noise comes from a fixed-seed generator.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tools/atomic_file.h"

namespace {

constexpr int ROWS = 64;
constexpr int CHANNELS = 4;
constexpr int ORDERS = 21;
constexpr double SAMPLE_RATE = 8363.0;  // playback rate of a sample at C-3
constexpr double PI = 3.14159265358979323846;

// ---------------------------------------------------------------- samples

enum SampleId { KICK = 1, SNARE, HAT, BASS, LEAD, ARP, CHIRP, OPEN_HAT, COUNT_PLUS_ONE };

struct Sample {
    const char *name;
    std::vector<int8_t> data;
    int volume;      // 0..64
    int loop_start;  // in bytes; loop_length 0 = one-shot
    int loop_length;
};

uint32_t noise_state = 0x1234567u;

double noise()
{
    noise_state = noise_state * 1664525u + 1013904223u;
    return static_cast<double>(noise_state >> 8) / 8388608.0 - 1.0;
}

int8_t to_s8(double v)
{
    v = std::fmax(-1.0, std::fmin(1.0, v));
    return static_cast<int8_t>(std::lround(v * 127.0));
}

std::vector<int8_t> render(int length, double (*f)(double t, int i))
{
    std::vector<int8_t> out(length);
    for (int i = 0; i < length; i++)
        out[i] = to_s8(f(i / SAMPLE_RATE, i));
    return out;
}

// One-shots: the envelope is baked in.
double kick(double t, int)
{
    // Pitch falls from 155 Hz to 45 Hz; the phase is its integral.
    const double phase = 2 * PI * (45.0 * t + 110.0 / 28.0 * (1 - std::exp(-t * 28.0)));
    const double click = t < 0.004 ? 0.5 * (1 - t / 0.004) : 0;
    return (std::sin(phase) * std::exp(-t * 9.0) + click) * 0.98;
}

double snare(double t, int)
{
    const double body = std::sin(2 * PI * 185.0 * t) * std::exp(-t * 30.0);
    const double rattle = noise() * std::exp(-t * 17.0);
    return 0.55 * body + 0.6 * rattle;
}

double last_noise;

double hat(double t, int)
{
    const double n = noise();
    const double high = n - last_noise;  // a crude high-pass
    last_noise = n;
    return 0.6 * high * std::exp(-t * 70.0);
}

double open_hat(double t, int)
{
    const double n = noise();
    const double high = n - last_noise;
    last_noise = n;
    return 0.45 * high * std::exp(-t * 14.0);
}

double chirp(double t, int)
{
    // A bird's call: a quick rising whistle that trills and fades.
    const double f0 = 900.0, f1 = 2600.0, d = 0.11;
    const double k = std::fmin(t, d) / d;
    const double phase = 2 * PI * (f0 * t + (f1 - f0) * t * k / 2);
    const double trill = 1.0 + 0.25 * std::sin(2 * PI * 38.0 * t);
    const double env = std::sin(PI * std::fmin(t / 0.14, 1.0));
    return 0.9 * std::sin(phase * trill) * env;
}

// Looped single-cycle voices, a few cycles long.
std::vector<int8_t> cycles(int period, int count, double (*wave)(double phase))
{
    std::vector<int8_t> out(period * count);
    for (int i = 0; i < period * count; i++)
        out[i] = to_s8(wave(static_cast<double>(i % period) / period));
    return out;
}

double bass_wave(double p)
{
    // Saw with a rounded top: full but not buzzy.
    const double saw = 1.0 - 2.0 * p;
    return 0.75 * saw + 0.35 * std::sin(2 * PI * p);
}

double lead_wave(double p)
{
    // 25% pulse softened by its fundamental.
    const double pulse = p < 0.25 ? 0.8 : -0.3;
    return 0.7 * pulse + 0.35 * std::sin(2 * PI * p);
}

double arp_wave(double p)
{
    // Triangle with a touch of octave.
    const double tri = p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
    return 0.8 * tri + 0.2 * std::sin(4 * PI * p);
}

std::vector<Sample> make_samples()
{
    std::vector<Sample> s(COUNT_PLUS_ONE);
    s[KICK] = {"kick", render(2400, kick), 64, 0, 0};
    s[SNARE] = {"snare", render(2000, snare), 52, 0, 0};
    last_noise = 0;
    s[HAT] = {"closed hat", render(500, hat), 34, 0, 0};
    s[OPEN_HAT] = {"open hat", render(2200, open_hat), 30, 0, 0};
    s[BASS] = {"bass", cycles(64, 8, bass_wave), 50, 0, 64 * 8};
    s[LEAD] = {"lead", cycles(16, 32, lead_wave), 36, 0, 16 * 32};
    s[ARP] = {"chords", cycles(32, 16, arp_wave), 26, 0, 32 * 16};
    s[CHIRP] = {"bird", render(1300, chirp), 40, 0, 0};
    return s;
}

// ---------------------------------------------------------------- notes

// ProTracker periods, C-1 .. B-3.
const int PERIODS[36] = {
    856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
    428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
    214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113,
};

// "C-1" .. "B-3", "C#2": note index 0..35, or -1.
int note_index(const std::string &name)
{
    static const char *names[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    std::string letters = name.substr(0, name.size() - 1);
    if (!letters.empty() && letters.back() == '-')
        letters.pop_back();
    const int octave = name.back() - '1';
    for (int n = 0; n < 12; n++)
        if (letters == names[n] && octave >= 0 && octave <= 2)
            return octave * 12 + n;
    std::fprintf(stderr, "compose: bad note '%s'\n", name.c_str());
    std::exit(1);
}

struct Cell {
    int sample = 0, period = 0, effect = 0, param = 0;
};

struct Pattern {
    Cell cells[ROWS][CHANNELS];
};

void note(Pattern &p, int row, int ch, int idx, int sample, int effect = 0, int param = 0)
{
    Cell &c = p.cells[row][ch];
    c.sample = sample;
    c.period = PERIODS[idx];
    c.effect = effect;
    c.param = param;
}

void effect(Pattern &p, int row, int ch, int fx, int param)
{
    p.cells[row][ch].effect = fx;
    p.cells[row][ch].param = param;
}

// ---------------------------------------------------------------- parts

// Drum lines, one character a row, repeated over the pattern:
// K kick, S snare, h closed hat, o open hat, g ghost snare, . rest.
void drums(Pattern &p, const char *line)
{
    const int n = static_cast<int>(std::strlen(line));
    for (int r = 0; r < ROWS; r++) {
        switch (line[r % n]) {
        case 'K': note(p, r, 0, note_index("C-3"), KICK); break;
        case 'S': note(p, r, 0, note_index("C-3"), SNARE); break;
        case 'g': note(p, r, 0, note_index("C-3"), SNARE, 0xC, 18); break;
        case 'h': note(p, r, 0, note_index("C-3"), HAT); break;
        case 'o': note(p, r, 0, note_index("C-3"), OPEN_HAT); break;
        default: break;
        }
    }
}

struct Chord {
    const char *root;  // bass note, octave 1
    int arp;           // 0xy arpeggio: minor 0x37, major 0x47
    const char *arp_base;
};

const Chord Am = {"A-1", 0x37, "A-2"}, F = {"F-1", 0x47, "F-2"}, C = {"C-2", 0x47, "C-3"},
            G = {"G-1", 0x47, "G-2"}, Dm = {"D-2", 0x37, "D-2"}, Em = {"E-1", 0x37, "E-2"},
            E = {"E-1", 0x47, "E-2"};

// Bass lines over four chords of 16 rows: one character a row, relative to
// the chord's root: R root, O octave up, F fifth, . hold, - cut.
void bass(Pattern &p, const Chord *chords, const char *line)
{
    for (int r = 0; r < ROWS; r++) {
        const Chord &ch = chords[r / 16];
        const int root = note_index(ch.root);
        switch (line[r % 16]) {
        case 'R': note(p, r, 1, root, BASS); break;
        case 'O': note(p, r, 1, root + 12, BASS); break;
        case 'F': note(p, r, 1, root + 7, BASS); break;
        case '-': effect(p, r, 1, 0xC, 0); break;
        default: break;
        }
    }
}

// Arpeggiated chords, retriggered every `every` rows; the arpeggio effect
// runs on every row of the chord.
void arps(Pattern &p, const Chord *chords, int every)
{
    for (int r = 0; r < ROWS; r += every) {
        const Chord &ch = chords[r / 16];
        note(p, r, 3, note_index(ch.arp_base), ARP);
        for (int k = r; k < r + every && k < ROWS; k++)
            effect(p, k, 3, 0x0, ch.arp);
    }
}

// A melody line: whitespace-separated tokens, one a row; a note name, "."
// to hold, "-" to cut, "~" to hold with vibrato.
void melody(Pattern &p, int ch, int sample, const char *text)
{
    int r = 0;
    const char *s = text;
    while (*s && r < ROWS) {
        while (*s == ' ' || *s == '\n')
            s++;
        if (!*s)
            break;
        std::string tok;
        while (*s && *s != ' ' && *s != '\n')
            tok += *s++;
        if (tok == "-")
            effect(p, r, ch, 0xC, 0);
        else if (tok == "~")
            effect(p, r, ch, 0x4, 0x34);
        else if (tok != ".")
            note(p, r, ch, note_index(tok), sample);
        r++;
    }
}

// Volume slide down on a channel for the rows given (the fade of the
// outro); it takes the place of any arpeggio there.
void fade(Pattern &p, int ch, int from, int to, int speed)
{
    for (int r = from; r < to; r++)
        if (p.cells[r][ch].effect == 0)
            effect(p, r, ch, 0xA, speed);
}

// ---------------------------------------------------------------- the song

const char *THEME_A1 =
    "E-3 . . . D-3 . C-3 . D-3 . E-3 . . . A-2 . "
    "C-3 . . . . . A-2 . C-3 . D-3 . C-3 . A-2 . "
    "G-2 . . . C-3 . E-3 . G-3 . . . E-3 . D-3 . "
    "D-3 . . . ~ . B-2 . G-2 . . . B-2 . D-3 . ";
const char *THEME_A2 =
    "E-3 . . . D-3 . C-3 . D-3 . E-3 . G-3 . E-3 . "
    "F-3 . . . E-3 . C-3 . A-2 . . . C-3 . D-3 . "
    "E-3 . . . ~ . C-3 . G-2 . C-3 . E-3 . G-3 . "
    "A-3 . . . G-3 . ~ . D-3 . . . B-2 . - . ";
const char *THEME_B1 =
    "A-2 . C-3 . F-3 . ~ . E-3 . C-3 . A-2 . - . "
    "B-2 . D-3 . G-3 . ~ . F-3 . D-3 . B-2 . - . "
    "G-2 . B-2 . E-3 . ~ . D-3 . B-2 . G-2 . B-2 . "
    "C-3 . . . A-2 . . . E-3 . ~ . . . - . ";
const char *THEME_B2 =
    "C-3 . F-3 . A-3 . ~ . G-3 . F-3 . C-3 . - . "
    "D-3 . G-3 . B-3 . ~ . A-3 . G-3 . D-3 . - . "
    "B-2 . E-3 . G-3 . ~ . F#3 . E-3 . B-2 . G-2 . "
    "A-2 . C-3 . E-3 . A-3 . ~ . . . . . - . ";
const char *THEME_C =
    "F-3 . . . ~ . . . E-3 . . . D-3 . . . "
    "E-3 . . . ~ . . . C-3 . . . A-2 . . . "
    "A-2 . C-3 . F-3 . . . E-3 . D-3 . C-3 . . . "
    "B-2 . . . G#2 . . . E-2 . ~ . . . - . ";
const char *RIFF_D =
    "A-2 . A-3 . E-3 . A-2 . G-3 . E-3 . C-3 . D-3 . "
    "F-2 . F-3 . C-3 . F-2 . E-3 . C-3 . A-2 . C-3 . "
    "C-3 . C-3 . G-2 . C-3 . E-3 . G-3 . E-3 . D-3 . "
    "G-2 . G-3 . D-3 . G-2 . B-2 . D-3 . F-3 . D-3 . ";
const char *OUTRO =
    "E-3 . . . . . . . D-3 . . . C-3 . . . "
    "C-3 . . . . . . . A-2 . . . . . . . "
    "G-2 . . . . . C-3 . E-3 . . . . . . . "
    "A-2 . . . . . . . ~ . . . . . . . ";

// The birds' beak rhythm of the dot scene: 64 steps over 32 rows, two a
// row. A row whose first step opens the beaks starts a chirp.
const uint8_t BEAK_PATTERN[64] = {
#include "data/beak_pattern.inc"
};

void chirps(Pattern &p)
{
    static const char *pitches[4] = {"C-3", "E-3", "D-3", "G-3"};
    int call = 0;
    for (int r = 0; r < ROWS; r++) {
        const int step = (r % 32) * 2;
        const bool open = BEAK_PATTERN[step] || BEAK_PATTERN[step + 1];
        const bool was_open = r % 32 > 0 && (BEAK_PATTERN[step - 2] || BEAK_PATTERN[step - 1]);
        if (open && (!was_open || r % 4 == 0))
            note(p, r, 3, note_index(pitches[call++ % 4]), CHIRP);
        else if (!open && was_open)
            effect(p, r, 3, 0xC, 0);
    }
}

std::vector<Pattern> make_patterns()
{
    std::vector<Pattern> pats(ORDERS);
    const Chord prog1[4] = {Am, F, C, G};
    const Chord prog2[4] = {F, G, Em, Am};
    const Chord prog3[4] = {Dm, Am, F, E};
    const Chord outro[4] = {Am, F, C, Am};

    // Scene 1, plasma: the chords alone, then hats and a first kick.
    arps(pats[0], prog1, 16);
    bass(pats[0], prog1, "R...............");
    arps(pats[1], prog1, 8);
    bass(pats[1], prog1, "R.......R...F...");
    drums(pats[1], "K...h...K...h.hh");
    effect(pats[0], 0, 0, 0xF, 6);  // speed 6 ...
    effect(pats[0], 1, 0, 0xF, 125);  // ... at 125 BPM

    // Scene 2, flower tunnel: the groove and the main theme.
    for (int k : {2, 3}) {
        drums(pats[k], "K.h.S.h.K.hKS.ho");
        bass(pats[k], prog1, "R.R-O.R-R.F-O.R-");
        arps(pats[k], prog1, 4);
    }
    melody(pats[2], 2, LEAD, THEME_A1);
    melody(pats[3], 2, LEAD, THEME_A2);

    // Scene 3, bars: a new progression and theme.
    for (int k : {4, 5}) {
        drums(pats[k], "K.hhS.hgK.hKS.hh");
        bass(pats[k], prog2, "R-RO-RF-R-RO-FO-");
        arps(pats[k], prog2, 8);
    }
    melody(pats[4], 2, LEAD, THEME_B1);
    melody(pats[5], 2, LEAD, THEME_B2);

    // Scene 4, rotozoomer: a riff doubled by fast chords, broken beat.
    for (int k : {6, 7}) {
        drums(pats[k], "K..hS.K.h.K.S.hoK.hhS..KK.h.S.hS");
        bass(pats[k], prog1, "R.OR.OR.R.OR.FO.");
        arps(pats[k], prog1, 2);
    }
    melody(pats[6], 2, LEAD, RIFF_D);
    melody(pats[7], 2, LEAD, THEME_A2);

    // Scene 5, trails and greetings: the theme returns, twice.
    for (int k : {8, 9, 10, 11}) {
        drums(pats[k], k % 2 ? "K.h.S.h.K.hKS.ho" : "K.hhS.h.K.hKS.hh");
        bass(pats[k], prog1, k < 10 ? "R.R-O.R-R.F-O.R-" : "ROROFORORORFOFRO");
        arps(pats[k], prog1, k < 10 ? 4 : 2);
    }
    melody(pats[8], 2, LEAD, THEME_A1);
    melody(pats[9], 2, LEAD, THEME_A2);
    melody(pats[10], 2, LEAD, THEME_B2);
    melody(pats[11], 2, LEAD, THEME_A2);

    // Scene 6, twister: half time, a darker progression.
    for (int k : {12, 13}) {
        drums(pats[k], "K.h.h.h.S.h.h.hoK.h.K.h.S.h.h.hh");
        bass(pats[k], prog3, "R.......F...O...");
        arps(pats[k], prog3, 8);
        melody(pats[k], 2, LEAD, THEME_C);
    }

    // Scene 7, dots: a calm first half; in the second the birds sing.
    for (int k : {14, 15, 16, 17}) {
        drums(pats[k], k < 16 ? "K.......h.......K.......h...h..." : "K...h...S...h...K...h.K.S...h.hh");
        bass(pats[k], prog1, "R...R...F...O...");
    }
    arps(pats[14], prog1, 16);
    arps(pats[15], prog1, 8);
    melody(pats[15], 2, LEAD, OUTRO);
    melody(pats[16], 2, LEAD, THEME_A1);
    melody(pats[17], 2, LEAD, THEME_A2);
    chirps(pats[16]);
    chirps(pats[17]);

    // Scene 8, half-resolution tunnel: everything at once.
    for (int k : {18, 19}) {
        drums(pats[k], "K.hKS.hhK.hKS.hoK.hKS.hhK.KKS.SS");
        bass(pats[k], prog2, "ROROFORORORFOFRO");
        arps(pats[k], prog2, 2);
    }
    melody(pats[18], 2, LEAD, THEME_B1);
    melody(pats[19], 2, LEAD, THEME_B2);

    // Credits: the chords and the theme's first phrase, fading out.
    drums(pats[20], "K.......h.......");
    bass(pats[20], outro, "R.......R.......");
    arps(pats[20], outro, 8);
    melody(pats[20], 2, LEAD, OUTRO);
    for (int ch = 0; ch < CHANNELS; ch++)
        fade(pats[20], ch, 40, 64, 0x02);
    for (int r = 56; r < ROWS; r++)
        pats[20].cells[r][0] = Cell{};
    return pats;
}

// ---------------------------------------------------------------- writing

void put16(std::vector<uint8_t> &out, int v)
{
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v & 255));
}

void put_text(std::vector<uint8_t> &out, const char *s, size_t n)
{
    for (size_t i = 0; i < n; i++)
        out.push_back(i < std::strlen(s) ? static_cast<uint8_t>(s[i]) : 0);
}

std::vector<uint8_t> build_module(int orders)
{
    const std::vector<Sample> samples = make_samples();
    const std::vector<Pattern> pats = make_patterns();
    std::vector<uint8_t> out;
    put_text(out, "quillmoss", 20);
    for (int i = 1; i <= 31; i++) {
        static const Sample none = {"", {}, 0, 0, 0};
        const Sample &s = i < COUNT_PLUS_ONE ? samples[i] : none;
        put_text(out, s.name, 22);
        put16(out, static_cast<int>(s.data.size() / 2));
        out.push_back(0);  // finetune
        out.push_back(static_cast<uint8_t>(s.volume));
        put16(out, s.loop_start / 2);
        put16(out, s.loop_length ? s.loop_length / 2 : 1);
    }
    out.push_back(static_cast<uint8_t>(orders));
    out.push_back(127);  // no restart: the song ends after its last order
    for (int i = 0; i < 128; i++)
        out.push_back(static_cast<uint8_t>(i < orders ? i : 0));
    put_text(out, "M.K.", 4);
    for (int k = 0; k < orders; k++)
        for (int r = 0; r < ROWS; r++)
            for (int ch = 0; ch < CHANNELS; ch++) {
                const Cell &c = pats[k].cells[r][ch];
                out.push_back(static_cast<uint8_t>((c.sample & 0xF0) | (c.period >> 8)));
                out.push_back(static_cast<uint8_t>(c.period & 0xFF));
                out.push_back(static_cast<uint8_t>(((c.sample & 0x0F) << 4) | c.effect));
                out.push_back(static_cast<uint8_t>(c.param));
            }
    for (int i = 1; i < COUNT_PLUS_ONE; i++) {
        const std::vector<int8_t> &d = samples[i].data;
        for (size_t k = 0; k < d.size() / 2 * 2; k++)
            out.push_back(static_cast<uint8_t>(k < 2 && samples[i].loop_length == 0 ? 0 : d[k]));
    }
    return out;
}

}  // namespace

int main(int argc, char *argv[])
{
    int orders = ORDERS;
    const char *path = nullptr;
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--patterns") == 0 && i + 1 < argc) {
            orders = std::atoi(argv[++i]);
            if (orders < 1 || orders > ORDERS) {
                std::fprintf(stderr, "compose: --patterns takes 1..%d\n", ORDERS);
                return 2;
            }
        } else if (!path && argv[i][0] != '-') {
            path = argv[i];
        } else {
            std::fprintf(stderr, "usage: compose [--patterns N] OUT.mod\n");
            return 2;
        }
    }
    if (!path) {
        std::fprintf(stderr, "usage: compose [--patterns N] OUT.mod\n");
        return 2;
    }

    const std::vector<uint8_t> mod = build_module(orders);
    if (!write_file_atomically(path, [&](FILE *f) { return std::fwrite(mod.data(), 1, mod.size(), f) == mod.size(); })) {
        std::perror(path);
        return 1;
    }
    return 0;
}
