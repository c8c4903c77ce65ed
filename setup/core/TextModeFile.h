// Reads a file line by line as a text-mode stream on Windows does, the same on every platform:
// CR LF or LF ends a line (and reads as LF), a lone CR is an ordinary character, a Ctrl+Z byte
// ends the file, and a line longer than the reader's room comes in pieces.
#pragma once

#include "SetupSystem.h"

#include <string>

constexpr std::size_t kMaxLinePiece = 4095;

class CTextModeFile {
public:
    explicit CTextModeFile(ISetupFile& file) : m_pFile(&file) {}

    bool Rewind();
    // The next piece of a line: up to 4,095 characters, ending with "\n" when the line end fits.
    // False at the end of the file or after a failed read.
    bool ReadLine(std::string& strLine);
    bool Failed() const { return m_bFailed; }

private:
    int NextRawByte(); // -1 at the end
    int NextChar();    // after the line-end and Ctrl+Z rules; -1 at the end

    ISetupFile* m_pFile;
    unsigned char m_buffer[4096] = {};
    long m_nLength = 0;
    long m_nPosition = 0;
    int m_nPending = -1; // a byte read ahead after a CR
    bool m_bEnd = false;
    bool m_bFailed = false;
};
