// quenlow-deal --seed N [--json | --position]: prints the deal the game makes when its clock
// reads N.
#include "DealPrinter.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {
int Usage() {
    std::cerr << "usage: quenlow-deal --seed N [--json | --position]\n"
                 "  N: the shuffle's seed, 0 to 4294967295 (the clock in seconds)\n"
                 "  --position: only the layout after the King fix-up, as quenlow-solve reads it\n";
    return 2;
}

bool ParseSeed(const char* text, std::uint32_t& nSeed) {
    if (text == nullptr || *text == '\0' || *text == '-' || *text == '+') return false;
    errno = 0;
    char* pEnd = nullptr;
    unsigned long long n = std::strtoull(text, &pEnd, 10);
    if (errno != 0 || *pEnd != '\0' || n > 0xffffffffull) return false;
    nSeed = static_cast<std::uint32_t>(n);
    return true;
}
} // namespace

int main(int argc, char** argv) {
    bool bJson = false;
    bool bPosition = false;
    bool bHaveSeed = false;
    std::uint32_t nSeed = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            bJson = true;
        } else if (std::strcmp(argv[i], "--position") == 0) {
            bPosition = true;
        } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc && !bHaveSeed) {
            if (!ParseSeed(argv[++i], nSeed)) return Usage();
            bHaveSeed = true;
        } else {
            return Usage();
        }
    }
    if (!bHaveSeed || (bJson && bPosition)) return Usage();
    CDealReport report = MakeDealReport(nSeed);
    if (bPosition)
        std::cout << FormatPosition(report);
    else
        std::cout << (bJson ? FormatJson(report) : FormatText(report));
    return 0;
}
