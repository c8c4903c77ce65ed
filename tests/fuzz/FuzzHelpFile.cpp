// Any bytes as the help file: a file that parses has topics with keys and titles, every
// context finds a topic, and every topic can be shown.
#include "HelpFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    std::string text = std::string(CHelpFile::kHeader) + "\n";
    text.append(reinterpret_cast<const char*>(pData), nSize);
    CHelpFile help;
    if (!help.Parse(text)) {
        if (!help.GetTopics().empty()) std::abort();
        return 0;
    }
    for (const CHelpTopic& topic : help.GetTopics()) {
        if (topic.m_strKey.empty() || topic.m_strTitle.empty()) std::abort();
        if (help.FindTopic(topic.m_strKey) != &topic) std::abort();
        for (const std::string& context : topic.m_contexts)
            if (help.FindByContext(context) == nullptr) std::abort();
        if (FormatTopicText(topic).compare(0, topic.m_strTitle.size(), topic.m_strTitle) != 0)
            std::abort();
    }
    if (help.FindByContext("no such context") != &help.GetTopics().front()) std::abort();
    return 0;
}
