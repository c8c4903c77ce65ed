// The command line of quenlow-solve.
#pragma once

#include "SolverSearch.h"

#include <cstddef>
#include <cstdint>
#include <string>

enum class InputKind { None, Seed, Position, Registry, Batch };

struct CCommandLine {
    InputKind m_input = InputKind::None;
    std::uint32_t m_nSeed = 0;
    std::uint32_t m_nFrom = 0; // batch range, both ends included
    std::uint32_t m_nTo = 0;
    std::string m_strFile; // --position or --registry; "-" is the standard input
    int m_nKings = -1;     // 1 --kings, 0 --no-kings, -1 unsaid
    bool m_bJson = false;
    CSolveLimits m_limits;
    bool m_bHaveMaxSeconds = false;
    std::size_t m_nMaxBytes = 0; // 0: the platform's default
    int m_nThreads = 1;
    std::string m_strCsv;
    bool m_bHelp = false;
};

// False with a message for anything it does not understand.
bool ParseCommandLine(int argc, const char* const* argv, CCommandLine& line, std::string& error);

extern const char* const kUsage;
