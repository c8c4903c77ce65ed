#include "FileMessages.h"
#include "FileNames.h"
#include "resource.h"

#include <gtest/gtest.h>

TEST(FileMessagesTest, EachSystemErrorFindsItsMessage) {
    EXPECT_EQ(IDS_FILE_NOT_FOUND, FileMessageId(2, false));
    EXPECT_EQ(IDS_FILE_BAD_PATH, FileMessageId(2, true)) << "saving creates a missing file";
    EXPECT_EQ(IDS_FILE_BAD_PATH, FileMessageId(3, false));
    EXPECT_EQ(IDS_FILE_TOO_MANY_OPEN, FileMessageId(4, true));
    for (unsigned nError : {5u, 19u, 32u, 33u})
        EXPECT_EQ(IDS_FILE_ACCESS_DENIED, FileMessageId(nError, false)) << nError;
    EXPECT_EQ(IDS_FILE_INVALID, FileMessageId(267, false)) << "a folder";
    EXPECT_EQ(IDS_INVALID_FILENAME, FileMessageId(123, true));
    EXPECT_EQ(IDS_INVALID_FILENAME, FileMessageId(0, false)) << "an empty name";
    EXPECT_EQ(IDS_FAILED_TO_OPEN_DOC, FileMessageId(1117, false));
    EXPECT_EQ(IDS_FAILED_TO_SAVE_DOC, FileMessageId(112, true)) << "a full disk";
    for (int nID : {IDS_FILE_NOT_FOUND, IDS_FILE_INVALID, IDS_INVALID_FILENAME,
                    IDS_FAILED_TO_OPEN_DOC, IDS_FAILED_TO_SAVE_DOC}) {
        EXPECT_GE(nID, 61696);
        EXPECT_LE(nID, 61734);
    }
}

TEST(FileMessagesTest, TheFileNameGoesInEveryPlaceholder) {
    EXPECT_EQ("C:\\a.qnl was not found.", FormatMessageText("%1 was not found.", "C:\\a.qnl"));
    EXPECT_EQ("x and x", FormatMessageText("%1 and %1", "x"));
    EXPECT_EQ("100% %2 %", FormatMessageText("100% %2 %", "x"));
    EXPECT_EQ("%1", FormatMessageText("%1", "%1")) << "the name is not scanned again";
}

TEST(FileNamesTest, ExtensionsAndNames) {
    EXPECT_EQ("C:\\Games\\QUENLOW.HLP", ChangeFileExtension("C:\\Games\\QUENLOW.EXE", ".HLP"));
    EXPECT_EQ("C:\\v1.0\\QUENLOW.INI", ChangeFileExtension("C:\\v1.0\\QUENLOW", ".INI"))
        << "a dot in a folder is no extension";
    EXPECT_EQ("a.b.HLP", ChangeFileExtension("a.b.c", ".HLP"));
    EXPECT_EQ("QUENLOW.EXE", FileNameOf("C:\\Games\\QUENLOW.EXE"));
    EXPECT_EQ("x.qnl", FileNameOf("C:x.qnl"));
    EXPECT_EQ("name", FileNameOf("name"));
}
