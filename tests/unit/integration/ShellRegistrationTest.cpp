#include "ShellRegistration.h"

#include <gtest/gtest.h>

namespace {
std::string Find(const std::vector<CRegistryText>& entries, const std::string& key) {
    for (const CRegistryText& e : entries)
        if (e.m_strKey == key && e.m_strValue.empty())
            return e.m_strData;
    return "<missing>";
}
} // namespace

TEST(ShellRegistrationTest, TheDocumentTypeWithItsIconAndCommands) {
    auto entries = DocumentTypeEntries("C:\\PROGRA~1\\HALVANE\\QUENLOW.EXE", true);
    EXPECT_EQ(Find(entries, "Quenlow.Document"), "QuenlowDocument");
    EXPECT_EQ(Find(entries, "Quenlow.Document\\DefaultIcon"), "C:\\PROGRA~1\\HALVANE\\QUENLOW.EXE,1");
    EXPECT_EQ(Find(entries, "Quenlow.Document\\shell\\open\\command"),
              "C:\\PROGRA~1\\HALVANE\\QUENLOW.EXE \"%1\"");
    EXPECT_EQ(Find(entries, "Quenlow.Document\\shell\\print\\command"),
              "C:\\PROGRA~1\\HALVANE\\QUENLOW.EXE /p \"%1\"");
    EXPECT_EQ(Find(entries, "Quenlow.Document\\shell\\printto\\command"),
              "C:\\PROGRA~1\\HALVANE\\QUENLOW.EXE /pt \"%1\" \"%2\" \"%3\" \"%4\"");
    EXPECT_EQ(Find(DocumentTypeEntries("Q.EXE", false), "Quenlow.Document\\DefaultIcon"), "Q.EXE,0");
}

TEST(ShellRegistrationTest, TheExtensionIsClaimedOnlyWhenFreeOrOurs) {
    auto entries = ExtensionEntries();
    EXPECT_EQ(Find(entries, ".QNL"), "Quenlow.Document");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].m_strKey, ".QNL\\ShellNew");
    EXPECT_EQ(entries[1].m_strValue, "NullFile");
    EXPECT_EQ(entries[1].m_strData, "");
    EXPECT_TRUE(ExtensionIsOurs(""));
    EXPECT_TRUE(ExtensionIsOurs("Quenlow.Document"));
    EXPECT_FALSE(ExtensionIsOurs("OtherApp.File"));
}

TEST(ShellRegistrationTest, UnregisteringDeletesEveryKeyItWroteDeepestFirst) {
    auto keys = DocumentTypeKeys();
    for (const CRegistryText& e : DocumentTypeEntries("Q.EXE", true)) {
        auto it = std::find(keys.begin(), keys.end(), e.m_strKey);
        ASSERT_NE(it, keys.end()) << e.m_strKey;
        for (auto later = it + 1; later != keys.end(); ++later)
            EXPECT_NE(later->rfind(e.m_strKey + "\\", 0), 0u) << *later << " after its parent";
    }
    EXPECT_EQ(keys.back(), "Quenlow.Document");
}
