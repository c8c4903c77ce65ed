#include "DdeCommand.h"

#include <cctype>

namespace {
void SkipBlanks(const std::string& s, size_t& i) {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
        ++i;
}

// One argument: a quoted text (a doubled quote inside stands for one) or a bare word.
bool ParseArgument(const std::string& s, size_t& i, std::string& arg) {
    SkipBlanks(s, i);
    arg.clear();
    if (i < s.size() && s[i] == '"') {
        for (++i; i < s.size(); ++i) {
            if (s[i] == '"') {
                if (i + 1 < s.size() && s[i + 1] == '"') {
                    arg += '"';
                    ++i;
                    continue;
                }
                ++i;
                SkipBlanks(s, i);
                return true;
            }
            arg += s[i];
        }
        return false;
    }
    while (i < s.size() && s[i] != ',' && s[i] != ')')
        arg += s[i++];
    while (!arg.empty() && std::isspace(static_cast<unsigned char>(arg.back())))
        arg.pop_back();
    return true;
}

bool ParseOne(const std::string& s, size_t& i, CDdeCommand& cmd) {
    ++i; // '['
    SkipBlanks(s, i);
    while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i])))
        cmd.m_strVerb += static_cast<char>(std::tolower(static_cast<unsigned char>(s[i++])));
    SkipBlanks(s, i);
    if (cmd.m_strVerb.empty()) return false;
    if (i < s.size() && s[i] == '(') {
        ++i;
        SkipBlanks(s, i);
        if (i < s.size() && s[i] == ')') {
            ++i;
        } else {
            for (;;) {
                std::string arg;
                if (!ParseArgument(s, i, arg)) return false;
                cmd.m_arguments.push_back(arg);
                if (i < s.size() && s[i] == ',') {
                    ++i;
                    continue;
                }
                if (i < s.size() && s[i] == ')') {
                    ++i;
                    break;
                }
                return false;
            }
        }
        SkipBlanks(s, i);
    }
    if (i >= s.size() || s[i] != ']') return false;
    ++i;
    return true;
}
} // namespace

bool ParseDdeCommands(const std::string& text, std::vector<CDdeCommand>& commands) {
    commands.clear();
    size_t i = 0;
    SkipBlanks(text, i);
    while (i < text.size()) {
        if (text[i] != '[') return false;
        CDdeCommand cmd;
        if (!ParseOne(text, i, cmd)) return false;
        commands.push_back(cmd);
        SkipBlanks(text, i);
    }
    return !commands.empty();
}
