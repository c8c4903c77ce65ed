#include "ShellRegistration.h"
#include "ShellTestSupport.h"

#include <gtest/gtest.h>

namespace {
const CDocumentType kType{"Quenlow.Document", "QuenlowDocument", ".QNL"};

std::string Find(const std::vector<CRegistryText>& entries, const std::string& key) {
    for (const CRegistryText& e : entries)
        if (e.m_strKey == key && e.m_strValue.empty()) return e.m_strData;
    return "<missing>";
}
} // namespace

TEST(ShellRegistrationTest, TheDocumentTypeWithItsIconAndCommands) {
    auto entries = DocumentTypeEntries(kType, "C:\\PROGRA~1\\HALVANE\\QUENLOW.EXE", true);
    EXPECT_EQ(Find(entries, "Quenlow.Document"), "QuenlowDocument");
    EXPECT_EQ(Find(entries, "Quenlow.Document\\DefaultIcon"),
              "C:\\PROGRA~1\\HALVANE\\QUENLOW.EXE,1");
    EXPECT_EQ(Find(entries, "Quenlow.Document\\shell\\open\\command"),
              "C:\\PROGRA~1\\HALVANE\\QUENLOW.EXE \"%1\"");
    EXPECT_EQ(Find(entries, "Quenlow.Document\\shell\\print\\command"),
              "C:\\PROGRA~1\\HALVANE\\QUENLOW.EXE /p \"%1\"");
    EXPECT_EQ(Find(entries, "Quenlow.Document\\shell\\printto\\command"),
              "C:\\PROGRA~1\\HALVANE\\QUENLOW.EXE /pt \"%1\" \"%2\" \"%3\" \"%4\"");
    EXPECT_EQ(Find(DocumentTypeEntries(kType, "Q.EXE", false), "Quenlow.Document\\DefaultIcon"),
              "Q.EXE,0");
}

TEST(ShellRegistrationTest, TheExtensionIsClaimedOnlyWhenFreeOrOurs) {
    auto entries = ExtensionEntries(kType);
    EXPECT_EQ(Find(entries, ".QNL"), "Quenlow.Document");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].m_strKey, ".QNL\\ShellNew");
    EXPECT_EQ(entries[1].m_strValue, "NullFile");
    EXPECT_EQ(entries[1].m_strData, "");
    EXPECT_TRUE(ExtensionIsOurs(kType, ""));
    EXPECT_TRUE(ExtensionIsOurs(kType, "Quenlow.Document"));
    EXPECT_FALSE(ExtensionIsOurs(kType, "OtherApp.File"));
}

TEST(ShellRegistrationTest, UnregisteringDeletesEveryKeyItWroteDeepestFirst) {
    auto keys = DocumentTypeKeys(kType);
    for (const CRegistryText& e : DocumentTypeEntries(kType, "Q.EXE", true)) {
        auto it = std::find(keys.begin(), keys.end(), e.m_strKey);
        ASSERT_NE(it, keys.end()) << e.m_strKey;
        for (auto later = it + 1; later != keys.end(); ++later)
            EXPECT_NE(later->rfind(e.m_strKey + "\\", 0), 0u) << *later << " after its parent";
    }
    EXPECT_EQ(keys.back(), "Quenlow.Document");
}

TEST(ShellRegistrationTest, AProgramPathWithBlanksIsQuotedInTheCommands) {
    auto entries = DocumentTypeEntries(kType, "C:\\Program Files\\QUENLOW.EXE", true);
    EXPECT_EQ(Find(entries, "Quenlow.Document\\shell\\open\\command"),
              "\"C:\\Program Files\\QUENLOW.EXE\" \"%1\"");
    EXPECT_EQ(Find(entries, "Quenlow.Document\\shell\\printto\\command"),
              "\"C:\\Program Files\\QUENLOW.EXE\" /pt \"%1\" \"%2\" \"%3\" \"%4\"");
    EXPECT_EQ(Find(entries, "Quenlow.Document\\DefaultIcon"), "C:\\Program Files\\QUENLOW.EXE,1");
}

TEST(ShellRegistrationTest, RegisteringWritesEveryEntryAndClaimsAFreeExtension) {
    CMemoryClassesRoot root;
    root.SetText(".QNL", "", ""); // a key that names no type
    EXPECT_TRUE(RegisterShellFileTypes(root, kType, "C:\\Q.EXE", false));
    for (const CRegistryText& e : DocumentTypeEntries(kType, "C:\\Q.EXE", false))
        EXPECT_EQ(e.m_strData, root.m_keys[e.m_strKey][e.m_strValue]) << e.m_strKey;
    EXPECT_EQ("Quenlow.Document", root.Default(".QNL"));
    EXPECT_EQ("", root.m_keys[".QNL\\ShellNew"].at("NullFile"));
    // A second start writes the same again.
    EXPECT_TRUE(RegisterShellFileTypes(root, kType, "C:\\Q.EXE", true));
    EXPECT_EQ("C:\\Q.EXE,1", root.Default("Quenlow.Document\\DefaultIcon"));

    EXPECT_TRUE(UnregisterShellFileTypes(root, kType));
    EXPECT_TRUE(root.m_keys.empty());
    EXPECT_TRUE(UnregisterShellFileTypes(root, kType)) << "nothing left to remove is all removed";
}

TEST(ShellRegistrationTest, AnExtensionOfAnotherTypeIsLeftAlone) {
    CMemoryClassesRoot root;
    root.SetText(".QNL", "", "Other.Type");
    root.SetText(".QNL\\ShellNew", "FileName", "other.tpl");
    EXPECT_TRUE(RegisterShellFileTypes(root, kType, "C:\\Q.EXE", true));
    EXPECT_EQ("Other.Type", root.Default(".QNL"));
    EXPECT_EQ(0u, root.m_keys[".QNL\\ShellNew"].count("NullFile"));
    EXPECT_TRUE(UnregisterShellFileTypes(root, kType));
    EXPECT_EQ("Other.Type", root.Default(".QNL"));
    EXPECT_EQ("other.tpl", root.m_keys[".QNL\\ShellNew"]["FileName"]);
    EXPECT_EQ("<absent>", root.Default("Quenlow.Document"));
}

TEST(ShellRegistrationTest, WhatCannotBeWrittenOrRemovedIsReported) {
    CMemoryClassesRoot root;
    root.m_locked.insert("Quenlow.Document\\shell\\print\\command");
    EXPECT_FALSE(RegisterShellFileTypes(root, kType, "C:\\Q.EXE", true));
    EXPECT_EQ("C:\\Q.EXE \"%1\"", root.Default("Quenlow.Document\\shell\\open\\command"))
        << "the rest is still written";

    CMemoryClassesRoot other;
    EXPECT_TRUE(RegisterShellFileTypes(other, kType, "C:\\Q.EXE", true));
    other.SetText(".QNL\\OpenWithList", "", "x"); // not ours, under our extension
    EXPECT_FALSE(UnregisterShellFileTypes(other, kType));
    EXPECT_EQ("<absent>", other.Default("Quenlow.Document"));

    // A document string without the type's names: nothing is written or deleted.
    CMemoryClassesRoot untouched;
    untouched.SetText("keep", "", "x");
    EXPECT_FALSE(RegisterShellFileTypes(untouched, CDocumentType{}, "C:\\Q.EXE", true));
    EXPECT_FALSE(UnregisterShellFileTypes(untouched, CDocumentType{}));
    EXPECT_EQ(1u, untouched.m_keys.size());
}
