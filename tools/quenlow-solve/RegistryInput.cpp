#include "RegistryInput.h"

#include "SavedRecords.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {
// The UTF-16LE text of a .reg export, narrowed: any character outside ASCII becomes '?'.
std::string Narrow(const std::vector<std::uint8_t>& bytes, bool bWide) {
    std::string text;
    if (!bWide) return std::string(bytes.begin(), bytes.end());
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        unsigned c = bytes[i] | bytes[i + 1] << 8;
        text += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return text;
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The logical lines of a .reg file: a line ending in a backslash continues on the next.
std::vector<std::string> LogicalLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    size_t i = 0;
    while (i <= text.size()) {
        size_t j = text.find('\n', i);
        std::string line = text.substr(i, j == std::string::npos ? std::string::npos : j - i);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        size_t k = current.empty() ? 0 : line.find_first_not_of(" \t");
        line = k == std::string::npos ? std::string() : line.substr(k);
        bool bContinues = !line.empty() && line.back() == '\\';
        current += bContinues ? line.substr(0, line.size() - 1) : line;
        if (!bContinues) {
            lines.push_back(current);
            current.clear();
        }
        if (j == std::string::npos) break;
        i = j + 1;
    }
    return lines;
}

// The bytes of a value line '"name"=hex:01,02,...' or '=hex(3):...'.
bool ValueBytes(const std::string& line, const std::string& name, std::vector<std::uint8_t>& out,
                bool& bFound, std::string& error) {
    std::string head = "\"" + name + "\"=";
    if (Lower(line.substr(0, head.size())) != head) return true;
    bFound = true;
    std::string data = Lower(line.substr(head.size()));
    size_t nColon = data.find(':');
    if (data.compare(0, 3, "hex") != 0 || nColon == std::string::npos) {
        error = "the \"" + name + "\" value is not written in hex";
        return false;
    }
    out.clear();
    std::string rest = data.substr(nColon + 1);
    size_t i = 0;
    while (i < rest.size()) {
        size_t j = rest.find(',', i);
        std::string byte = rest.substr(i, j == std::string::npos ? std::string::npos : j - i);
        char* pEnd = nullptr;
        unsigned long v = std::strtoul(byte.c_str(), &pEnd, 16);
        if (byte.empty() || byte.size() > 2 || *pEnd != '\0' || v > 255) {
            error = "the \"" + name + "\" value holds a bad byte '";
            error += byte + "'";
            return false;
        }
        out.push_back(static_cast<std::uint8_t>(v));
        if (j == std::string::npos) break;
        i = j + 1;
    }
    return true;
}

bool ParseRegFile(const std::string& text, std::vector<std::uint8_t>& record, CRegistryGame& game,
                  std::string& error) {
    bool bGame = false;
    bool bExpert = false;
    std::vector<std::uint8_t> expert;
    for (const std::string& line : LogicalLines(text)) {
        if (!ValueBytes(line, "game", record, bGame, error) ||
            !ValueBytes(line, "expert", expert, bExpert, error))
            return false;
    }
    if (!bGame) {
        error = "the export holds no \"game\" value";
        return false;
    }
    if (bExpert && expert.size() == 4) {
        game.m_bHasKingsOption = true;
        game.m_bKingsAllowed = DecodeInt(expert.data()) != 0;
    }
    return true;
}
} // namespace

namespace {
bool SlotsToFans(const CSavedGameRecord& record, CPosition& position, std::string& error) {
    for (int f = 0; f < kSolverFans; ++f) {
        for (int s = 0; s < kSolverSlots; ++s) {
            int nSuit = record.m_nSavedSuit[SlotIndex(f, s)];
            int nRank = record.m_nSavedRank[SlotIndex(f, s)];
            std::string where =
                "slot " + std::to_string(s + 1) + " of fan " + std::to_string(f + 1);
            if (nSuit == -1 && nRank == -1) continue;
            if (nSuit < 0 || nSuit > 3 || nRank < 1 || nRank > 13) {
                error = where + " holds suit " + std::to_string(nSuit) + ", rank " +
                        std::to_string(nRank) + ": no such card";
                return false;
            }
            if (static_cast<int>(position.m_fan[f].size()) != s) {
                error = where + " holds a card above an empty place";
                return false;
            }
            position.m_fan[f].push_back(CardId(nSuit, nRank));
        }
    }
    return true;
}

bool PairsToFoundations(const CSavedGameRecord& record, CPosition& position, std::string& error) {
    for (int i = 0; i < kFoundationCount; ++i) {
        int nSuit = record.m_nSavedFoundation[i][0];
        int nRank = record.m_nSavedFoundation[i][1];
        if (nSuit == -1 && nRank == -1) continue;
        if (nSuit != kSavedFoundationSuits[i] || nRank < 1 || nRank > 13) {
            error = std::string("the ") + SuitName(kSavedFoundationSuits[i]) +
                    " foundation holds suit " + std::to_string(nSuit) + ", rank " +
                    std::to_string(nRank);
            return false;
        }
        position.m_nHome[nSuit] = nRank;
    }
    return true;
}

bool RecordToPosition(const CSavedGameRecord& record, CRegistryGame& game, std::string& error) {
    if (record.m_bSavedGame == 0) {
        error = "the record holds no saved game";
        return false;
    }
    CPosition position;
    if (!SlotsToFans(record, position, error) || !PairsToFoundations(record, position, error))
        return false;
    error = CheckPosition(position);
    if (error.empty() && !record.IsConsistent()) error = "the table is not one the game can hold";
    if (!error.empty()) return false;
    game.m_position = position;
    game.m_bInProgress = record.m_bSavedInProgress != 0;
    return true;
}

bool StartsWith(const std::string& text, const char* pPrefix) {
    size_t i = text.find_first_not_of(" \t\r\n");
    return i != std::string::npos && text.compare(i, std::strlen(pPrefix), pPrefix) == 0;
}
} // namespace

bool ReadRegistryGame(const std::vector<std::uint8_t>& bytes, CRegistryGame& game,
                      std::string& error) {
    bool bWide = bytes.size() >= 2 && bytes[0] == 0xff && bytes[1] == 0xfe;
    std::string text = Narrow(bytes, bWide);
    std::vector<std::uint8_t> record = bytes;
    CRegistryGame result;
    if (bWide || StartsWith(text, "REGEDIT4") || StartsWith(text, "Windows Registry Editor")) {
        if (!ParseRegFile(text, record, result, error)) {
            error = "malformed record: " + error;
            return false;
        }
    }
    if (record.size() != CSavedGameRecord::kSize) {
        error = "malformed record: " + std::to_string(record.size()) + " bytes, not " +
                std::to_string(CSavedGameRecord::kSize);
        return false;
    }
    CSavedGameRecord saved;
    saved.Decode(record.data());
    if (!RecordToPosition(saved, result, error)) {
        error = "malformed record: " + error;
        return false;
    }
    game = result;
    return true;
}
