// artgen: draws the game's pictures, cursors, icons and sounds and the setup program's
// pictures, and writes them as files into one folder for the resource compiler.
#include "ArtSet.h"

#include <cstdio>
#include <exception>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: artgen <output folder> <stamp file>\n");
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        WriteArtSet(argv[1]);
        std::FILE* stamp = std::fopen(argv[2], "w");
        if (stamp == nullptr || std::fclose(stamp) != 0) {
            std::fprintf(stderr, "artgen: cannot write %s\n", argv[2]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
