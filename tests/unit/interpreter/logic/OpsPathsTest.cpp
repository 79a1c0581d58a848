#include "interpreter/logic/OpsPaths.h"
#include "interpreter/logic/OpsEntry.h"

#include <gtest/gtest.h>

namespace qv::logic {
namespace {

TEST(OpsPaths, FolderComponentsAreTheFoldersBelowTheDriveRoot) {
    EXPECT_EQ(FolderComponents("c:\\data\\reports\\"),
              (std::vector<std::string>{"\\data", "\\reports"}));
    EXPECT_EQ(FolderComponents("c:\\data\\report.doc"), (std::vector<std::string>{"\\data"}));
    EXPECT_TRUE(FolderComponents("c:\\report.doc").empty());
    EXPECT_TRUE(FolderComponents("c:").empty());
}

TEST(OpsPaths, ShortenPathDropsLeadingFoldersUntilItFits) {
    struct Case {
        const char* path;
        int width;
        const char* expected;
    };
    const Case cases[] = {
        {"c:\\program files\\tools\\app\\bin\\tool.exe", 30, "\\...\\tools\\app\\bin\\tool.exe"},
        {"c:\\windows\\temp\\abcdefghijklmnop.txt", 30, "\\...\\temp\\abcdefghijklmnop.txt"},
        // 25 characters stay as they are; a path as long as the width does not.
        {"c:\\windows\\temp\\file2.txt", 30, "c:\\windows\\temp\\file2.txt"},
        {"c:\\windows\\temp\\file1.txt", 25, "\\...\\temp\\file1.txt"},
        // Each further mark allows ten more characters.
        {"c:\\aaaaaaaaaaaaaaaaaaaa\\bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb\\x.txt", 30,
         "\\...\\...\\x.txt"},
        {"c:\\a\\b.txt", 0, "\\...\\b.txt"},
        // A name at the root keeps its drive; a name too long to fit still shows.
        {"c:\\abcdefghijklmnopqrstuvwxyz1234", 30, "c:\\abcdefghijklmnopqrstuvwxyz1234"},
        {"nofolders", 3, "nofolders"},
        {"c:\\dir\\abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz.txt", 30,
         "\\...\\abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz.txt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortenPath(c.path, c.width), c.expected) << c.path << " / " << c.width;
}

TEST(OpsPaths, FileNameAndFolderSplitAtTheLastSeparator) {
    EXPECT_EQ(ExtractFileName("c:\\docs\\report.doc"), "report.doc");
    EXPECT_EQ(ExtractFilePath("c:\\docs\\report.doc"), "c:\\docs\\");
    EXPECT_EQ(ExtractFileName("c:report.doc"), "report.doc");
    EXPECT_EQ(ExtractFilePath("report.doc"), "");
    EXPECT_EQ(WithTrailingBackslash("c:\\x"), "c:\\x\\");
    EXPECT_EQ(WithTrailingBackslash("c:\\x\\"), "c:\\x\\");
    EXPECT_EQ(WithTrailingBackslash(""), "");
}

TEST(OpsEntry, EntryHasTheReportLayout) {
    EXPECT_EQ(FormatErrorEntry(RenameFailedMessage, {"C:\\S\\common.qvc", 5, "RENAME a>b"}),
              "Rename Failed (203) In Script File : C:\\S\\common.qvc\r\n\t Line : 5 "
              "'RENAME a>b'\r\n");
}

} // namespace
} // namespace qv::logic
