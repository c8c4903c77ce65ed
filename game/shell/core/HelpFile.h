// The help file: topics with a key, a title, the contexts that open them (command ids and
// places such as "table") and paragraphs of text.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct CHelpTopic {
    std::string m_strKey;
    std::string m_strTitle;
    std::vector<std::string> m_contexts;
    std::vector<std::string> m_paragraphs;
};

class CHelpFile {
public:
    // False when the text is no help file: no header line, or no topic.
    bool Parse(const std::string& text);
    const std::vector<CHelpTopic>& GetTopics() const { return m_topics; }
    const CHelpTopic* FindTopic(const std::string& key) const;
    // The topic listing the context; the first topic (the contents) when none does.
    const CHelpTopic* FindByContext(const std::string& context) const;

    static constexpr const char* kHeader = "QUENLOW HELP 1";
    // A help file larger than this is no help file of ours.
    static constexpr std::size_t kMaxSize = 1 << 20;

private:
    bool ParseTopicLine(const std::string& line);

    std::vector<CHelpTopic> m_topics;
};

// A topic as the viewer shows it: the title, then the paragraphs, separated by empty lines
// (list items by a line end only), with Windows line ends.
std::string FormatTopicText(const CHelpTopic& topic);
