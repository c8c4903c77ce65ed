// What the shell integration needs of the system beyond the game's platform services: document
// files, the file dialogs, message boxes, the program's strings and its profile.
#pragma once

#include <string>

class IShellServices {
public:
    virtual ~IShellServices() = default;

    // Document files. Results are 0 on success, otherwise the system's error code.
    virtual std::string FullPath(const std::string& path) = 0;
    // Opens the file for reading, and closes it again: nothing is read.
    virtual unsigned CheckReadable(const std::string& path) = 0;
    // Creates the file, or empties it.
    virtual unsigned WriteEmptyFile(const std::string& path) = 0;
    virtual bool IsReadOnly(const std::string& path) = 0;

    // The Open (bOpen) or Save As dialog titled strTitle, filtering on the document type
    // (strFilterName, e.g. "Quenlow Files (*.QNL)", and strFilterExt, ".QNL") and then on all
    // files; path proposes a name and receives the chosen one. False when cancelled.
    virtual bool PromptFileName(bool bOpen, const std::string& strTitle,
                                const std::string& strFilterName, const std::string& strFilterExt,
                                std::string& path) = 0;

    // A message box with the application's title and an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // A string of the program's string table; empty when there is none.
    virtual std::string LoadString(int nID) = 0;

    // The program's profile; an absent entry reads as empty, and writing the empty text
    // removes the entry.
    virtual std::string ReadProfileText(const std::string& section, const std::string& key) = 0;
    virtual void WriteProfileText(const std::string& section, const std::string& key,
                                  const std::string& value) = 0;
};
