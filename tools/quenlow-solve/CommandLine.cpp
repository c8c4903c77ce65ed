#include "CommandLine.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

const char* const kUsage =
    "usage: quenlow-solve --seed N [--kings] [options]\n"
    "       quenlow-solve --position FILE [--kings] [options]\n"
    "       quenlow-solve --registry FILE [--kings | --no-kings] [options]\n"
    "       quenlow-solve --batch FROM TO [--kings] [--threads N] [--csv FILE] [options]\n"
    "options: --json, --max-states N, --max-seconds S, --cpu-time, --max-memory MB, --one-try\n"
    "  --seed N          the deal the game makes when its clock reads N, after the King fix-up\n"
    "  --position FILE   a table in text (as quenlow-deal --position writes it); - reads stdin\n"
    "  --registry FILE   the game's 472-byte \"game\" value, raw or in a .reg export\n"
    "  --kings           Kings may fill empty fans (a .reg export's \"expert\" value decides\n"
    "                    unless --kings or --no-kings is given)\n"
    "  --batch FROM TO   decide every seed from FROM to TO (at most 10 s a deal unless told)\n"
    "  --cpu-time        the seconds are the processor time spent on the deal, which other\n"
    "                    work on a busy machine does not take away\n"
    "  --one-try         one depth-first search to its end, never started again in another\n"
    "                    order: all the memory goes to its tables (for the hardest deals)\n"
    "exit codes: 0 winnable, 1 not winnable, 3 undecided, 2 bad input\n";

namespace {
bool ParseUnsigned(const char* text, unsigned long long nMax, unsigned long long& n) {
    if (text == nullptr || *text < '0' || *text > '9') return false;
    errno = 0;
    char* pEnd = nullptr;
    n = std::strtoull(text, &pEnd, 10);
    return errno == 0 && *pEnd == '\0' && n <= nMax;
}

bool ParseSeconds(const char* text, double& d) {
    if (text == nullptr || *text == '\0') return false;
    char* pEnd = nullptr;
    d = std::strtod(text, &pEnd);
    return *pEnd == '\0' && d > 0 && d < 1e9;
}

bool SetInput(CCommandLine& line, InputKind kind, std::string& error) {
    if (line.m_input != InputKind::None) {
        error = "give one of --seed, --position, --registry and --batch";
        return false;
    }
    line.m_input = kind;
    return true;
}
enum class Parsed { NotMine, Ok, Bad };

// --seed, --position, --registry and --batch, with their values.
Parsed ParseInput(int argc, const char* const* argv, int& i, CCommandLine& line,
                  std::string& error) {
    const unsigned long long kMaxSeed = 0xffffffffull;
    std::string arg = argv[i];
    const char* pNext = i + 1 < argc ? argv[i + 1] : nullptr;
    unsigned long long n = 0;
    unsigned long long m = 0;
    bool bOk = true;
    if (arg == "--seed") {
        bOk = SetInput(line, InputKind::Seed, error) && ParseUnsigned(pNext, kMaxSeed, n);
        line.m_nSeed = static_cast<std::uint32_t>(n);
        i += 1;
    } else if (arg == "--position" || arg == "--registry") {
        InputKind kind = arg == "--position" ? InputKind::Position : InputKind::Registry;
        bOk = SetInput(line, kind, error) && pNext != nullptr;
        line.m_strFile = pNext ? pNext : "";
        i += 1;
    } else if (arg == "--batch") {
        bOk = SetInput(line, InputKind::Batch, error) && ParseUnsigned(pNext, kMaxSeed, n) &&
              i + 2 < argc && ParseUnsigned(argv[i + 2], kMaxSeed, m) && n <= m &&
              m - n < 100000000ull;
        line.m_nFrom = static_cast<std::uint32_t>(n);
        line.m_nTo = static_cast<std::uint32_t>(m);
        i += 2;
    } else {
        return Parsed::NotMine;
    }
    return bOk ? Parsed::Ok : Parsed::Bad;
}

// The limits, --threads and --csv, with their values.
Parsed ParseSetting(int argc, const char* const* argv, int& i, CCommandLine& line) {
    std::string arg = argv[i];
    const char* pNext = i + 1 < argc ? argv[i + 1] : nullptr;
    unsigned long long n = 0;
    bool bOk = true;
    if (arg == "--max-states") {
        bOk = ParseUnsigned(pNext, ~0ull, n) && n > 0;
        line.m_limits.m_nMaxStates = n;
    } else if (arg == "--max-seconds") {
        bOk = ParseSeconds(pNext, line.m_limits.m_dMaxSeconds);
        line.m_bHaveMaxSeconds = true;
    } else if (arg == "--max-memory") {
        bOk = ParseUnsigned(pNext, 1ull << 20, n) && n >= 1;
        line.m_nMaxBytes = static_cast<std::size_t>(n) << 20;
        bOk = bOk && (line.m_nMaxBytes >> 20) == n;
    } else if (arg == "--threads") {
        bOk = ParseUnsigned(pNext, 64, n) && n >= 1;
        line.m_nThreads = static_cast<int>(n);
    } else if (arg == "--csv") {
        bOk = pNext != nullptr;
        line.m_strCsv = pNext ? pNext : "";
    } else {
        return Parsed::NotMine;
    }
    i += 1;
    return bOk ? Parsed::Ok : Parsed::Bad;
}
} // namespace

bool ParseCommandLine(int argc, const char* const* argv, CCommandLine& line, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        Parsed parsed = Parsed::Ok;
        if (arg == "--help" || arg == "-h")
            line.m_bHelp = true;
        else if (arg == "--kings" || arg == "--no-kings")
            line.m_nKings = arg == "--kings" ? 1 : 0;
        else if (arg == "--json")
            line.m_bJson = true;
        else if (arg == "--cpu-time")
            line.m_limits.m_bCpuTime = true;
        else if (arg == "--one-try")
            line.m_limits.m_nFirstBudget = 0;
        else if ((parsed = ParseInput(argc, argv, i, line, error)) == Parsed::NotMine)
            parsed = ParseSetting(argc, argv, i, line);
        if (parsed == Parsed::NotMine) {
            error = "unknown argument '" + arg + "'";
            return false;
        }
        if (parsed == Parsed::Bad) {
            if (error.empty()) error = "bad or missing value for " + arg;
            return false;
        }
    }
    if (line.m_bHelp) return true;
    if (line.m_input == InputKind::None) {
        error = "nothing to solve: give --seed, --position, --registry or --batch";
        return false;
    }
    if (line.m_input != InputKind::Batch && (line.m_nThreads != 1 || !line.m_strCsv.empty())) {
        error = "--threads and --csv go with --batch";
        return false;
    }
    return true;
}
