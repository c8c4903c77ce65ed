// A shell command sent by DDE execute on the "system" topic, such as [open("C:\a.qnl")].
#pragma once

#include <string>
#include <vector>

struct CDdeCommand {
    std::string m_strVerb;                // "open", "print", "printto", lower case
    std::vector<std::string> m_arguments; // unquoted
};

// Parses one or more bracketed commands; false when the text is not of that form.
bool ParseDdeCommands(const std::string& text, std::vector<CDdeCommand>& commands);
