// mikmod_probe MODULE OUT.wav: loads MODULE with libmikmod, prints what the
// library makes of it, and renders the whole song with libmikmod's own disk
// writer (44100 Hz, 16-bit stereo) until the player says the song is over.
#include <mikmod.h>

#include <cstdio>
#include <string>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mikmod_probe MODULE OUT.wav\n");
        return 2;
    }
    MikMod_RegisterDriver(&drv_wav);
    MikMod_RegisterAllLoaders();
    md_mode |= DMODE_SOFT_MUSIC | DMODE_16BITS | DMODE_STEREO;
    md_mixfreq = 44100;
    md_device = static_cast<UWORD>(MikMod_DriverFromAlias("wav"));
    const std::string params = std::string("file=") + argv[2];
    if (MikMod_Init(params.c_str())) {
        std::fprintf(stderr, "init: %s\n", MikMod_strerror(MikMod_errno));
        return 1;
    }
    MODULE *m = Player_Load(argv[1], 64, 0);
    if (!m) {
        std::fprintf(stderr, "load: %s\n", MikMod_strerror(MikMod_errno));
        MikMod_Exit();
        return 1;
    }
    std::printf("type=%s\nchannels=%d\npositions=%d\n", m->modtype, m->numchn, m->numpos);
    Player_Start(m);
    while (Player_Active())
        MikMod_Update();
    Player_Stop();
    Player_Free(m);
    MikMod_Exit();
    return 0;
}
