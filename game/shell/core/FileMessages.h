// The framework's file messages: which string reports a document file that could not be opened
// or written, and the text with the file's name put in.
#pragma once

#include <string>

// The message for the system's error code nError (0 when there is none, as for an empty name);
// bSaving tells a failed save from a failed open.
int FileMessageId(unsigned nError, bool bSaving);
// The message text with every "%1" replaced by the argument.
std::string FormatMessageText(const std::string& text, const std::string& arg);
