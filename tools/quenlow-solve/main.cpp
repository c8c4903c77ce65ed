// quenlow-solve: decides whether a deal or a saved game can still be won, and how.
#include "BatchRunner.h"
#include "CommandLine.h"
#include "PositionText.h"
#include "RegistryInput.h"
#include "SeedDeal.h"
#include "SolveOutput.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#ifdef _WIN32
#include <io.h>
#define QUENLOW_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define QUENLOW_ISATTY(fd) isatty(fd)
#endif

namespace {
int BadInput(const std::string& message) {
    std::cerr << "quenlow-solve: " << message << "\n";
    return 2;
}

bool ReadBytes(const std::string& file, std::vector<std::uint8_t>& bytes) {
    if (file == "-") {
        std::cin >> std::noskipws;
        bytes.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return !std::cin.bad();
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// The table to solve, from a seed, a text position or a saved game.
bool LoadPosition(const CCommandLine& line, CPosition& position, std::string& error) {
    bool bKings = line.m_nKings == 1;
    if (line.m_input == InputKind::Seed) {
        position = MakeSeedPosition(line.m_nSeed, bKings);
        return true;
    }
    std::vector<std::uint8_t> bytes;
    if (!ReadBytes(line.m_strFile, bytes)) {
        error = "cannot read " + line.m_strFile;
        return false;
    }
    if (line.m_input == InputKind::Position) {
        position.m_bKingsAllowed = bKings;
        return ParsePositionText(std::string(bytes.begin(), bytes.end()), position, error);
    }
    CRegistryGame game;
    if (!ReadRegistryGame(bytes, game, error)) return false;
    position = game.m_position;
    position.m_bKingsAllowed = line.m_nKings >= 0 ? bKings : game.m_bKingsAllowed;
    return true;
}

int SolveOne(const CCommandLine& line) {
    CPosition position;
    std::string error;
    if (!LoadPosition(line, position, error)) return BadInput(error);
    CSolver solver(line.m_nMaxBytes ? line.m_nMaxBytes : CTranspositionTable::DefaultMaxBytes());
    CSolveReport report = solver.Solve(position, line.m_limits);
    std::cout << (line.m_bJson ? FormatReportJson(report, position.m_bKingsAllowed)
                               : FormatReportText(report));
    return ExitCodeOf(report.m_result);
}

void DrawProgress(std::size_t nDone, std::size_t nTotal) {
    const int kWidth = 40;
    int nFilled = nTotal ? static_cast<int>(kWidth * nDone / nTotal) : kWidth;
    std::fprintf(stderr, "\r[%s%s] %zu/%zu", std::string(nFilled, '#').c_str(),
                 std::string(kWidth - nFilled, ' ').c_str(), nDone, nTotal);
    if (nDone == nTotal) std::fprintf(stderr, "\n");
    std::fflush(stderr);
}

int SolveBatch(const CCommandLine& line) {
    CBatchOptions options;
    options.m_nFrom = line.m_nFrom;
    options.m_nTo = line.m_nTo;
    options.m_bKingsAllowed = line.m_nKings == 1;
    options.m_nThreads = line.m_nThreads;
    options.m_limits = line.m_limits;
    if (!line.m_bHaveMaxSeconds) options.m_limits.m_dMaxSeconds = 10;
    options.m_nMaxBytes =
        line.m_nMaxBytes ? line.m_nMaxBytes : CTranspositionTable::DefaultMaxBytes();
    bool bTerminal = QUENLOW_ISATTY(2) != 0;
    std::size_t nShown = ~std::size_t(0);
    std::vector<CDealOutcome> outcomes =
        RunBatch(options, [&](std::size_t nDone, std::size_t nTotal) {
            if (bTerminal && nDone != nShown) DrawProgress(nDone, nTotal);
            nShown = nDone;
        });
    CBatchSummary summary = Summarise(outcomes);
    if (!line.m_strCsv.empty()) {
        std::ofstream csv(line.m_strCsv, std::ios::binary);
        csv << FormatCsv(outcomes);
        if (!csv) return BadInput("cannot write " + line.m_strCsv);
    }
    std::cout << FormatSummary(summary, options);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    CCommandLine line;
    std::string error;
    if (!ParseCommandLine(argc, argv, line, error)) {
        std::cerr << "quenlow-solve: " << error << "\n" << kUsage;
        return 2;
    }
    if (line.m_bHelp) {
        std::cout << kUsage;
        return 0;
    }
    return line.m_input == InputKind::Batch ? SolveBatch(line) : SolveOne(line);
}
