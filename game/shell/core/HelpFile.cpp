#include "HelpFile.h"

#include <sstream>

namespace {
std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r");
    size_t e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
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
        std::istringstream contexts(title.substr(open + 1, title.size() - open - 2));
        for (std::string context; contexts >> context;)
            topic.m_contexts.push_back(context);
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
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || Trim(line) != kHeader) return false;
    bool bInParagraph = false;
    while (std::getline(in, line)) {
        std::string trimmed = Trim(line);
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
