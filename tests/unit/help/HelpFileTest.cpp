#include "HelpFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {
std::string ReadShippedHelp() {
    std::ifstream in(QUENLOW_HELP_FILE, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every command id the game and the framework define ("#define ID_NAME number"), read from
// the resource headers themselves, so a new command counts without being listed here; the
// status bar's indicators are panes, not commands.
std::vector<int> CommandIds() {
    std::vector<int> ids;
    for (const char* pszHeader : {QUENLOW_RESOURCE_H, QUENLOW_FRAMEWORK_IDS_H}) {
        std::ifstream in(pszHeader);
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream words(line);
            std::string define, name;
            int id = 0;
            if (words >> define >> name >> id && define == "#define" && name.rfind("ID_", 0) == 0 &&
                name.rfind("ID_INDICATOR_", 0) != 0)
                ids.push_back(id);
        }
    }
    return ids;
}
} // namespace

TEST(HelpFileTest, ParsesTopicsContextsAndParagraphs) {
    CHelpFile help;
    ASSERT_TRUE(
        help.Parse("QUENLOW HELP 1\r\n; comment\r\n== a: First [1 table]\r\none\r\ntwo\r\n\r\n"
                   "- item\r\n- item two\r\n== b: Second\r\ntext\r\n"));
    ASSERT_EQ(help.GetTopics().size(), 2u);
    const CHelpTopic& a = help.GetTopics()[0];
    EXPECT_EQ(a.m_strTitle, "First");
    EXPECT_EQ(a.m_contexts, (std::vector<std::string>{"1", "table"}));
    EXPECT_EQ(a.m_paragraphs, (std::vector<std::string>{"one two", "- item", "- item two"}));
    EXPECT_EQ(help.FindByContext("table"), &a);
    EXPECT_EQ(help.FindByContext("nothing"), &a) << "unknown contexts open the first topic";
    EXPECT_EQ(help.FindTopic("b")->m_paragraphs, std::vector<std::string>{"text"});
}

TEST(HelpFileTest, RejectsWhatIsNoHelpFile) {
    CHelpFile help;
    EXPECT_FALSE(help.Parse(""));
    EXPECT_FALSE(help.Parse("MZ\x90\0 binary"));
    EXPECT_FALSE(help.Parse("QUENLOW HELP 1\ntext before any topic\n"));
    EXPECT_FALSE(help.Parse("QUENLOW HELP 1\n== : no key\n"));
    EXPECT_FALSE(help.Parse("QUENLOW HELP 1\n== a: One\n== a: Twice\n"));
    EXPECT_TRUE(help.GetTopics().empty());
}

TEST(HelpFileTest, TheShippedHelpCoversEveryCommandAndPlace) {
    CHelpFile help;
    ASSERT_TRUE(help.Parse(ReadShippedHelp()));
    EXPECT_EQ(help.GetTopics().front().m_strKey, "contents");
    const std::vector<int> commands = CommandIds();
    ASSERT_GE(commands.size(), 19u) << "the command ids are read from the resource headers";
    for (int id : commands) {
        bool bListed = false;
        for (const CHelpTopic& topic : help.GetTopics())
            for (const std::string& c : topic.m_contexts)
                bListed = bListed || c == std::to_string(id);
        EXPECT_TRUE(bListed) << "no topic for command " << id;
    }
    for (const char* place : {"table", "toolbar", "statusbar"})
        EXPECT_NE(help.FindByContext(place), &help.GetTopics().front()) << place;
    EXPECT_EQ(help.FindByContext("57643")->m_strKey, "undo");
    // The contents lists every other topic by its title.
    const std::vector<std::string>& items = help.GetTopics().front().m_paragraphs;
    for (std::size_t i = 1; i < help.GetTopics().size(); ++i) {
        std::string item = "- " + help.GetTopics()[i].m_strTitle + ":";
        EXPECT_TRUE(std::any_of(items.begin(), items.end(), [&](const std::string& p) {
            return p.rfind(item, 0) == 0;
        })) << help.GetTopics()[i].m_strTitle;
    }
}

TEST(HelpFileTest, TheViewerShowsTitleParagraphsAndListItems) {
    CHelpFile help;
    ASSERT_TRUE(
        help.Parse("QUENLOW HELP 1\n== a: Moving\nA card may go:\n- up\n- down\n\nDone.\n"));
    EXPECT_EQ("Moving\r\n\r\nA card may go:\r\n- up\r\n- down\r\n\r\nDone.",
              FormatTopicText(help.GetTopics().front()));
}

TEST(HelpFileTest, AnOversizedFileIsNoHelpFile) {
    std::string text = "QUENLOW HELP 1\n== a: A\n";
    text += std::string(CHelpFile::kMaxSize, 'x');
    CHelpFile help;
    EXPECT_FALSE(help.Parse(text));
    EXPECT_TRUE(help.GetTopics().empty());
}
