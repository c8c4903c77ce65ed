#include "PositionText.h"

#include "CardValues.h"

#include <cstring>
#include <sstream>
#include <vector>

namespace {
const char kFoundationLetters[] = "CDSH"; // the order the foundations line lists them in
const int kFoundationSuits[4] = {kClubs, kDiamonds, kSpades, kHearts};

std::string Quote(const std::string& s) {
    return "'" + s + "'";
}

std::vector<std::string> Tokens(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string token; in >> token;)
        out.push_back(token);
    return out;
}

bool ParseFan(const std::vector<std::string>& tokens, std::vector<int>& fan, std::string& error) {
    if (tokens.size() == 1 && tokens[0] == "-") return true;
    if (tokens.empty()) {
        error = "an empty fan is written '-'";
        return false;
    }
    if (tokens.size() > 3) {
        error = "a fan holds at most three cards";
        return false;
    }
    for (const std::string& code : tokens) {
        int nSuit = 0;
        int nRank = 0;
        if (!ParseCardCode(code, nSuit, nRank)) {
            error = "unknown card " + Quote(code);
            return false;
        }
        fan.push_back(CardId(nSuit, nRank));
    }
    return true;
}

bool ParseFoundations(const std::vector<std::string>& tokens, int (&home)[4], std::string& error) {
    bool bSeen[4] = {};
    if (tokens.size() != 5 || tokens[0] != "foundations") {
        error = "expected 'foundations C:<top> D:<top> S:<top> H:<top>'";
        return false;
    }
    for (size_t i = 1; i < tokens.size(); ++i) {
        const std::string& t = tokens[i];
        const char* pLetter =
            t.size() >= 3 && t[1] == ':' ? std::strchr(kFoundationLetters, t[0]) : nullptr;
        if (pLetter == nullptr || t[0] == '\0' || bSeen[pLetter - kFoundationLetters]) {
            error = "bad foundation " + Quote(t);
            return false;
        }
        int nIndex = static_cast<int>(pLetter - kFoundationLetters);
        bSeen[nIndex] = true;
        std::string rank = t.substr(2);
        int nSuit = 0;
        int nRank = 0;
        if (rank == "-") {
            nRank = 0;
        } else if (rank.size() != 1 || !ParseCardCode(rank + "C", nSuit, nRank)) {
            error = "unknown rank " + Quote(rank) + " on a foundation";
            return false;
        }
        home[kFoundationSuits[nIndex]] = nRank;
    }
    return true;
}
} // namespace

bool ParsePositionText(const std::string& text, CPosition& position, std::string& error) {
    CPosition parsed;
    std::istringstream in(text);
    int nLine = 0;
    int nFans = 0;
    bool bDone = false;
    for (std::string line; std::getline(in, line);) {
        ++nLine;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> tokens = Tokens(line);
        if (tokens.empty() || tokens[0][0] == '#') continue;
        std::string lineError;
        if (bDone) {
            lineError = "nothing may follow the foundations line";
        } else if (nFans < kSolverFans) {
            if (!tokens.empty() && tokens[0] == "foundations")
                lineError = "only " + std::to_string(nFans) + " fans before the foundations";
            else
                ParseFan(tokens, parsed.m_fan[nFans++], lineError);
        } else {
            bDone = ParseFoundations(tokens, parsed.m_nHome, lineError);
        }
        if (!lineError.empty()) {
            error = "line " + std::to_string(nLine) + ": " + lineError;
            return false;
        }
    }
    if (!bDone) {
        error = nFans < kSolverFans ? "only " + std::to_string(nFans) + " fans, not 18"
                                    : "the foundations line is missing";
        return false;
    }
    error = CheckPosition(parsed);
    if (!error.empty()) return false;
    parsed.m_bKingsAllowed = position.m_bKingsAllowed;
    position = parsed;
    return true;
}

std::string FormatPositionText(const CPosition& position) {
    std::string out;
    for (const std::vector<int>& fan : position.m_fan) {
        if (fan.empty()) out += "-";
        for (size_t i = 0; i < fan.size(); ++i)
            out += (i ? " " : "") + CardCode(CardSuit(fan[i]), CardRank(fan[i]));
        out += "\n";
    }
    out += "foundations";
    for (int i = 0; i < 4; ++i) {
        int nRank = position.m_nHome[kFoundationSuits[i]];
        std::string rank = nRank == 0 ? "-" : CardCode(kClubs, nRank).substr(0, 1);
        out += std::string(" ") + kFoundationLetters[i] + ":" + rank;
    }
    return out + "\n";
}
