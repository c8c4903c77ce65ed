// What the parts of the fake system share: the fault plan and a journal of what was done.
#pragma once

#include "FaultPlan.h"

#include <string>
#include <vector>

struct CFakeContext {
    CFaultPlan m_faults;
    // One line per change or shown window, in order: "mkdir C:\x", "write C:\x\a", "link ...".
    std::vector<std::string> m_journal;
    // Paths of 260 characters or more that reached the system; each call failed.
    std::vector<std::string> m_longPaths;

    void Note(const std::string& strLine) { m_journal.push_back(strLine); }
};
