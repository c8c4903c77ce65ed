// Reading a compiled resource file (.res): its entries and the layouts of dialogs, menus,
// accelerators, string tables and the version record.
#pragma once

#include "ArtFiles.h"

#include <map>
#include <string>
#include <vector>

struct CResource {
    std::string typeName; // empty when the type is a number
    int nType = 0;
    int nName = 0; // every resource of the game has a numeric name
    unsigned nLanguage = 0;
    CBytes data;
};

std::vector<CResource> ReadResFile(const std::string& path);
const CResource* FindResource(const std::vector<CResource>& all, int nType, int nName);
const CResource* FindResource(const std::vector<CResource>& all, const std::string& type,
                              int nName);

struct CDialogItem {
    std::uint32_t style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    int nClass = 0; // 0x80 button, 0x82 static...
    std::string text;
    int nTextOrdinal = -1; // a resource id given as the text (pictures, icons)
};

struct CDialogTemplate {
    std::uint32_t style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    int nPointSize = 0;
    std::string font;
    std::vector<CDialogItem> items;
};
bool ParseDialog(const CBytes& data, CDialogTemplate* pDialog);

// Menu items as "Popup/Item" paths with their command ids; separators as "Popup/-" with id 0.
std::vector<std::pair<std::string, int>> ParseMenu(const CBytes& data);

// A string of the string tables by its id; empty when absent.
std::string LoadString(const std::vector<CResource>& all, int nId);

// The version record's strings by key ("FileDescription"...), and its fixed part.
struct CVersionInfo {
    std::uint32_t fileVersionMs = 0, fileVersionLs = 0, productVersionMs = 0, productVersionLs = 0,
                  fileOs = 0, fileType = 0;
    std::string block; // the language and code page of the string block, e.g. "040904B0"
    std::map<std::string, std::string> strings;
    std::uint32_t translation = 0;
};
bool ParseVersion(const CBytes& data, CVersionInfo* pInfo);

// Narrow text from UTF-16 that holds only ASCII; advances the offset past the terminator.
std::string ReadWideString(const CBytes& b, size_t* pAt);
