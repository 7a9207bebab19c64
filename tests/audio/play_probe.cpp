// Plays one sound through the real player and waits: play_probe chime|FILE MS
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "hosts/audio/sdl_player.h"
#include "res/chime.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: play_probe chime|FILE MS\n");
        return 2;
    }
    audio::SdlPlayer player;
    const std::string what = argv[1];
    const bool ok = what == "chime" ? player.PlayWave(res::ChimeWave()) : player.PlayFile(what);
    std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[2])));
    std::printf("%s\n", ok ? "played" : "failed");
    return ok ? 0 : 1;
}
