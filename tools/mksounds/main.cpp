// velmora-mksounds OUTPUT_FOLDER: writes every sound of the game as OUTPUT_FOLDER/suoni/NAME.wav.

#include "SoundSynth.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora-mksounds OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "suoni";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "velmora-mksounds: cannot make %s: %s\n", folder.c_str(), error.message().c_str());
        return 1;
    }
    int written = 0;
    for (const std::string& name : sounds::names()) {
        const std::filesystem::path file = folder / (name + ".wav");
        if (!sounds::writeWav(file.string(), sounds::make(name))) {
            std::fprintf(stderr, "velmora-mksounds: cannot write %s\n", file.c_str());
            return 1;
        }
        ++written;
    }
    std::printf("velmora-mksounds: %d sounds\n", written);
    return 0;
}
