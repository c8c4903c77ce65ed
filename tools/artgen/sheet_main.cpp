// artsheet: writes the contact sheet of the generated art as a PNG file, or with --check
// tells whether the file on disk is what the art gives now.
#include "ContactSheet.h"

#include "ByteBuffer.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    const bool bCheck = argc == 4 && std::string(argv[3]) == "--check";
    if (argc != 3 && !bCheck) {
        std::fprintf(stderr, "usage: artsheet <art folder> <png file> [--check]\n");
        return 2;
    }
    try {
        std::vector<std::uint8_t> png = MakeContactSheet(argv[1]);
        if (!bCheck) {
            WriteFileBytes(argv[2], png);
            return 0;
        }
        std::ifstream in(argv[2], std::ios::binary);
        std::vector<std::uint8_t> onDisk((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        if (onDisk != png) {
            std::fprintf(stderr, "%s is out of date: build the contact_sheet target\n", argv[2]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artsheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
