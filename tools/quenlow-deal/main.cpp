// quenlow-deal --seed N [--json | --position | --records]: prints the deal the game makes when
// its clock reads N; --unshuffled --records, the records of a deal from the unshuffled deck.
#include "DealPrinter.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {
int Usage() {
    std::cerr
        << "usage: quenlow-deal --seed N [--json | --position | --records]\n"
           "       quenlow-deal --unshuffled --records\n"
           "  N: the shuffle's seed, 0 to 4294967295 (the clock in seconds)\n"
           "  --position: only the layout after the King fix-up, as quenlow-solve reads it\n"
           "  --records: the \"initial\" and \"game\" values the game stores for the deal\n"
           "  --unshuffled: the deck in its order before any shuffle, suit-major, Ace to King\n";
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
    bool bRecords = false;
    bool bUnshuffled = false;
    bool bHaveSeed = false;
    std::uint32_t nSeed = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            bJson = true;
        } else if (std::strcmp(argv[i], "--position") == 0) {
            bPosition = true;
        } else if (std::strcmp(argv[i], "--records") == 0) {
            bRecords = true;
        } else if (std::strcmp(argv[i], "--unshuffled") == 0) {
            bUnshuffled = true;
        } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc && !bHaveSeed) {
            if (!ParseSeed(argv[++i], nSeed)) return Usage();
            bHaveSeed = true;
        } else {
            return Usage();
        }
    }
    if (bHaveSeed == bUnshuffled || bJson + bPosition + bRecords > 1) return Usage();
    if (bUnshuffled && !bRecords) return Usage();
    if (bRecords) {
        std::cout << FormatRecords(bUnshuffled ? DealFromDeck(CanonicalDeck())
                                               : DealFromSeed(nSeed));
        return 0;
    }
    CDealReport report = MakeDealReport(nSeed);
    if (bPosition)
        std::cout << FormatPosition(report);
    else
        std::cout << (bJson ? FormatJson(report) : FormatText(report));
    return 0;
}
