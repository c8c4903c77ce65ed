#include "HelpFile.h"

#include <algorithm>

namespace {
std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r");
    size_t e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

// The words of the text, between runs of blanks.
std::vector<std::string> Words(const std::string& text) {
    const char* szBlanks = " \t\n\v\f\r";
    std::vector<std::string> words;
    size_t b = text.find_first_not_of(szBlanks);
    while (b != std::string::npos) {
        size_t e = text.find_first_of(szBlanks, b);
        words.push_back(text.substr(b, e == std::string::npos ? std::string::npos : e - b));
        b = text.find_first_not_of(szBlanks, e);
    }
    return words;
}

// The text's lines without their line feeds; a line feed at the very end starts no line.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t b = 0; b < text.size();) {
        size_t e = std::min(text.find('\n', b), text.size());
        lines.push_back(text.substr(b, e - b));
        b = e + 1;
    }
    return lines;
}
} // namespace

// "== key: Title [context context]"
bool CHelpFile::ParseTopicLine(const std::string& line) {
    std::string rest = Trim(line.substr(2));
    size_t colon = rest.find(':');
    if (colon == std::string::npos || colon == 0) return false;
    CHelpTopic topic;
    topic.m_strKey = Trim(rest.substr(0, colon));
    std::string title = Trim(rest.substr(colon + 1));
    size_t open = title.rfind('[');
    if (open != std::string::npos && title.back() == ']') {
        topic.m_contexts = Words(title.substr(open + 1, title.size() - open - 2));
        title = Trim(title.substr(0, open));
    }
    if (title.empty() || FindTopic(topic.m_strKey) != nullptr) return false;
    topic.m_strTitle = title;
    m_topics.push_back(topic);
    return true;
}

bool CHelpFile::Parse(const std::string& text) {
    m_topics.clear();
    if (text.size() > kMaxSize) return false;
    std::vector<std::string> lines = Lines(text);
    if (lines.empty() || Trim(lines.front()) != kHeader) return false;
    bool bInParagraph = false;
    for (size_t i = 1; i < lines.size(); ++i) {
        std::string trimmed = Trim(lines[i]);
        if (!trimmed.empty() && trimmed[0] == ';') continue;
        if (trimmed.compare(0, 2, "==") == 0) {
            if (!ParseTopicLine(trimmed)) {
                m_topics.clear();
                return false;
            }
            bInParagraph = false;
            continue;
        }
        if (m_topics.empty() || trimmed.empty()) {
            bInParagraph = false;
            continue;
        }
        std::vector<std::string>& paragraphs = m_topics.back().m_paragraphs;
        // A list item starts a paragraph of its own.
        if (bInParagraph && trimmed.compare(0, 2, "- ") != 0)
            paragraphs.back() += " " + trimmed;
        else
            paragraphs.push_back(trimmed);
        bInParagraph = true;
    }
    return !m_topics.empty();
}

const CHelpTopic* CHelpFile::FindTopic(const std::string& key) const {
    for (const CHelpTopic& topic : m_topics)
        if (topic.m_strKey == key) return &topic;
    return nullptr;
}

const CHelpTopic* CHelpFile::FindByContext(const std::string& context) const {
    for (const CHelpTopic& topic : m_topics)
        for (const std::string& c : topic.m_contexts)
            if (c == context) return &topic;
    return m_topics.empty() ? nullptr : &m_topics.front();
}

std::string FormatTopicText(const CHelpTopic& topic) {
    std::string text = topic.m_strTitle;
    for (const std::string& paragraph : topic.m_paragraphs)
        text += (paragraph.compare(0, 2, "- ") == 0 ? "\r\n" : "\r\n\r\n") + paragraph;
    return text;
}
