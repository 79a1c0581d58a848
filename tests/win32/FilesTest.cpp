#include "TestSupport.h"
#include "interpreter/win32/services/Win32Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace qv::win32 {
namespace {

using testing::ScratchFolder;
using testing::WriteText;

void MakeFolder(const std::string& path) {
    ::CreateDirectoryA(path.c_str(), nullptr);
}

DWORD Attributes(const std::string& path) {
    return ::GetFileAttributesA(path.c_str());
}

void SetWriteTime(const std::string& path, int year) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = 4;
    time.wDay = 26;
    time.wHour = 9;
    time.wMinute = 50;
    time.wSecond = 40;
    FILETIME stamp{};
    ::SystemTimeToFileTime(&time, &stamp);
    HANDLE file = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ::SetFileTime(file, nullptr, nullptr, &stamp);
    ::CloseHandle(file);
}

class Win32FilesTest : public ::testing::Test {
  protected:
    ScratchFolder scratch;
    Win32Files files;
};

TEST_F(Win32FilesTest, FolderWalkListsOwnFilesFirstThenSubfoldersInCaseFreeOrder) {
    WriteText(scratch / "top.txt", "t");
    WriteText(scratch / "hidden.txt", "h");
    ::SetFileAttributesA((scratch / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    for (const char* folder : {"Zeta", "alpha", "Beta", "alpha\\inner", "empty"})
        MakeFolder(scratch / folder);
    WriteText(scratch / "Zeta\\z.txt", "z");
    WriteText(scratch / "alpha\\a.txt", "a");
    WriteText(scratch / "alpha\\inner\\deep.txt", "d");
    WriteText(scratch / "Beta\\b.txt", "b");

    const std::vector<std::string> tree = logic::ListFolderTree(scratch.Path(), files);
    ASSERT_EQ(tree.size(), 6u);
    // The folder's own files come first, in the system's enumeration order.
    std::vector<std::string> own(tree.begin(), tree.begin() + 2);
    std::sort(own.begin(), own.end());
    EXPECT_EQ(own, (std::vector<std::string>{"hidden.txt", "top.txt"}));
    // A folder found inside alpha sorts right after it, before Beta.
    EXPECT_EQ(std::vector<std::string>(tree.begin() + 2, tree.end()),
              (std::vector<std::string>{"alpha\\a.txt", "alpha\\inner\\deep.txt", "Beta\\b.txt",
                                        "Zeta\\z.txt"}));
}

TEST_F(Win32FilesTest, ListFolderTellsFoldersFromFilesAndMatchesMasks) {
    MakeFolder(scratch / "sub");
    WriteText(scratch / "one.bmp", "");
    WriteText(scratch / "two.BMP", "");
    WriteText(scratch / "three.txt", "");
    std::vector<logic::FolderEntry> all = files.ListFolder(scratch.Path());
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(std::count_if(all.begin(), all.end(), [](auto& e) { return e.isFolder; }), 1);

    std::vector<std::string> bitmaps;
    for (const logic::FolderEntry& entry : files.ListMatching(scratch.Path(), "*.bmp"))
        bitmaps.push_back(entry.name);
    std::sort(bitmaps.begin(), bitmaps.end());
    EXPECT_EQ(bitmaps, (std::vector<std::string>{"one.bmp", "two.BMP"}));
    EXPECT_TRUE(files.ListFolder(scratch / "missing\\").empty());
}

TEST_F(Win32FilesTest, TellsFoldersAndExistingPathsAndKeepsTheCurrentFolder) {
    WriteText(scratch / "f.txt", "x");
    char before[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, before);

    EXPECT_TRUE(files.IsFolder(scratch.Path()));
    EXPECT_TRUE(files.IsFolder(scratch.Path().substr(0, scratch.Path().size() - 1)));
    EXPECT_FALSE(files.IsFolder(scratch / "f.txt"));
    EXPECT_FALSE(files.IsFolder(scratch / "missing"));
    EXPECT_FALSE(files.IsFolder(""));

    char after[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(before, after);

    EXPECT_TRUE(files.Exists(scratch / "f.txt"));
    EXPECT_TRUE(files.Exists(scratch.Path()));
    // A pattern is neither a folder nor a file, so a copy from it fails and is reported.
    EXPECT_FALSE(files.Exists(scratch / "*.txt"));
    EXPECT_FALSE(files.LastWriteTime(scratch / "missing.txt"));
}

TEST_F(Win32FilesTest, CopyKeepsAttributesAndWriteTimeAndReportsSystemCodes) {
    const std::string source = scratch / "source.txt";
    const std::string target = scratch / "target.txt";
    WriteText(source, "new contents");
    SetWriteTime(source, 1997);
    ::SetFileAttributesA(source.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);

    ASSERT_EQ(files.CopyOneFile(source, target), 0u);
    EXPECT_TRUE(Attributes(target) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(files.LastWriteTime(target), files.LastWriteTime(source));

    // Windows refuses to overwrite a read-only target until /ORO's attribute reset; Wine's
    // copy overwrites it all the same.
    if (!testing::OnWine()) {
        EXPECT_EQ(files.CopyOneFile(source, target),
                  static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
    }
    files.ClearReadOnly(target);
    EXPECT_FALSE(Attributes(target) & FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(Attributes(target) & FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_EQ(files.CopyOneFile(source, target), 0u);

    EXPECT_EQ(files.CopyOneFile(scratch / "missing.txt", scratch / "x.txt"),
              static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(files.CopyOneFile(source, scratch / "no\\such\\x.txt"),
              static_cast<std::uint32_t>(ERROR_PATH_NOT_FOUND));
    files.ClearReadOnly(scratch / "missing.txt");
}

TEST_F(Win32FilesTest, LaterWriteTimesCompareGreater) {
    WriteText(scratch / "old.txt", "o");
    WriteText(scratch / "new.txt", "n");
    SetWriteTime(scratch / "old.txt", 1997);
    SetWriteTime(scratch / "new.txt", 2024);
    EXPECT_LT(*files.LastWriteTime(scratch / "old.txt"), *files.LastWriteTime(scratch / "new.txt"));
}

TEST_F(Win32FilesTest, ForceFolderPathCreatesEveryMissingLevel) {
    const std::string deep = scratch / "one\\two\\three\\";
    EXPECT_TRUE(logic::ForceFolderPath(deep, files));
    EXPECT_TRUE(files.IsFolder(deep));
    // A level that is a file cannot be entered: the walk stops there.
    WriteText(scratch / "blocker", "");
    EXPECT_FALSE(logic::ForceFolderPath(scratch / "blocker\\below\\", files));
}

TEST_F(Win32FilesTest, ReadsTheFileVersionTextOfTheFirstTranslation) {
    const std::string sample = testing::ProgramFolder() + QV_VERSIONED_SAMPLE;
    ASSERT_TRUE(files.Exists(sample)) << sample;
    EXPECT_EQ(files.FileVersionText(sample), "3.1.4.15");
    WriteText(scratch / "plain.txt", "no resource");
    EXPECT_EQ(files.FileVersionText(scratch / "plain.txt"), "");
    EXPECT_EQ(files.FileVersionText(scratch / "missing.exe"), "");
}

TEST_F(Win32FilesTest, RenamesAndMovesFiles) {
    const std::string a = scratch / "a.txt";
    WriteText(a, "a");
    MakeFolder(scratch / "moved");
    EXPECT_TRUE(files.MoveOrRename(a, scratch / "moved\\b.txt"));
    EXPECT_FALSE(files.Exists(a));
    WriteText(scratch / "c.txt", "c");
    // The new name must not exist yet.
    EXPECT_FALSE(files.MoveOrRename(scratch / "c.txt", scratch / "moved\\b.txt"));
    EXPECT_TRUE(files.Exists(scratch / "c.txt"));
}

// What the shell is asked: whole paths only (a relative one would not go to the Recycle Bin),
// none that matches nothing, no question and no error dialog, owned by the progress window.
TEST_F(Win32FilesTest, RecycleDeleteAsksTheShellForWholePathsWithoutAnyDialog) {
    SHFILEOPSTRUCTA seen{};
    std::string from;
    int calls = 0;
    int answer = 0;
    files.FO1.SetShellCall([&](SHFILEOPSTRUCTA& operation) {
        ++calls;
        seen = operation;
        const char* p = operation.pFrom;
        while (*p != '\0')
            p += std::strlen(p) + 1;
        from.assign(operation.pFrom, p + 1);
        return answer;
    });
    Win32Files owned([] { return reinterpret_cast<HWND>(0x1234); });
    owned.FO1.SetShellCall([&](SHFILEOPSTRUCTA& operation) {
        seen = operation;
        return 0;
    });

    WriteText(scratch / "rel.txt", "r");
    WriteText(scratch / "a.tmp", "a");
    WriteText(scratch / "b.tmp", "b");
    const std::string before = testing::CurrentFolder();
    ASSERT_TRUE(::SetCurrentDirectoryA(scratch.Path().c_str()));
    const std::uint32_t result =
        files.RecycleDelete(std::string("rel.txt\0missing.txt\0", 20) + scratch / "*.tmp" + '\0');
    ::SetCurrentDirectoryA(before.c_str());
    EXPECT_EQ(result, 0u);
    ASSERT_EQ(calls, 1);
    EXPECT_EQ(seen.wFunc, static_cast<UINT>(FO_DELETE));
    EXPECT_EQ(seen.fFlags, FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOERRORUI);
    EXPECT_EQ(from, (scratch / "rel.txt") + '\0' + (scratch / "*.tmp") + '\0' + '\0');

    // Nothing that matches: nothing to ask, and no failure.
    EXPECT_EQ(files.RecycleDelete(std::string("missing.txt\0\0", 13)), 0u);
    EXPECT_EQ(files.RecycleDelete(std::string("\0\0", 2)), 0u);
    EXPECT_EQ(calls, 1);

    // The shell's refusal is the result.
    answer = ERROR_ACCESS_DENIED;
    EXPECT_EQ(files.RecycleDelete((scratch / "a.tmp") + '\0' + '\0'),
              static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));

    EXPECT_EQ(owned.RecycleDelete((scratch / "b.tmp") + '\0' + '\0'), 0u);
    EXPECT_EQ(seen.hwnd, reinterpret_cast<HWND>(0x1234));
}

// The progress window as a copy sees it, answering every replace question alike.
class AnsweringView : public logic::CopyView {
  public:
    explicit AnsweringView(logic::ReplaceAnswer answer) : answer_(answer) {}
    void ShowStatus(const std::string&) override {}
    void SetCopyLayout(bool) override {}
    void ProcessMessages() override {}
    bool ContinueWithNextFile() override { return true; }
    logic::ReplaceAnswer AskReplace(const logic::ReplaceQuestion& question) override {
        questions.push_back(question.sourceName);
        return answer_;
    }
    std::vector<std::string> questions;

  private:
    logic::ReplaceAnswer answer_;
};

TEST_F(Win32FilesTest, FolderCopyRecreatesTheTreeAndAsksBeforeReplacing) {
    MakeFolder(scratch / "src");
    MakeFolder(scratch / "src\\sub");
    WriteText(scratch / "src\\a.txt", "new a");
    WriteText(scratch / "src\\sub\\b.txt", "new b");
    MakeFolder(scratch / "dst");
    MakeFolder(scratch / "dst\\src");
    WriteText(scratch / "dst\\src\\a.txt", "old a");
    ::SetFileAttributesA((scratch / "dst\\src\\a.txt").c_str(), FILE_ATTRIBUTE_READONLY);

    const std::string line =
        "COPY " + (scratch / "src") + ">" + (scratch / "dst") + " /DNO /CIE /ORO";
    AnsweringView view(logic::ReplaceAnswer::Yes);
    const logic::CopyOutcome outcome =
        logic::RunCopy(logic::ParseCopyLine(line), files, view, {"COMMON.QVC", 3, line});
    EXPECT_TRUE(outcome.report.empty()) << outcome.report;
    // The existing target was offered, kept by /DNO, and lost its read-only bit to /ORO.
    EXPECT_EQ(view.questions, std::vector<std::string>{"a.txt"});
    EXPECT_FALSE(Attributes(scratch / "dst\\src\\a.txt") & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(outcome.copied, 1);
    EXPECT_TRUE(files.Exists(scratch / "dst\\src\\sub\\b.txt"));
    WIN32_FILE_ATTRIBUTE_DATA kept{};
    ::GetFileAttributesExA((scratch / "dst\\src\\a.txt").c_str(), GetFileExInfoStandard, &kept);
    EXPECT_EQ(kept.nFileSizeLow, 5u);
}

TEST(TFileOperation, TurnsSemicolonListsIntoTheShellsForm) {
    EXPECT_EQ(ShellList("a;b"), std::string("a\0b\0\0", 5));
    EXPECT_EQ(ShellList(""), std::string("\0\0", 2));

    TFileOperation operation;
    operation.Operation = TFileOp::foMove;
    operation.Flags = fofSilent | fofNoConfirmMkDir;
    operation.FilesFrom = "x";
    operation.FilesTo = "y";
    UINT code = 0;
    FILEOP_FLAGS flags = 0;
    operation.SetShellCall([&](SHFILEOPSTRUCTA& op) {
        code = op.wFunc;
        flags = op.fFlags;
        op.fAnyOperationsAborted = TRUE;
        return 2;
    });
    EXPECT_FALSE(operation.SetActive(false));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(operation.SetActive(true));
    EXPECT_EQ(code, static_cast<UINT>(FO_MOVE));
    EXPECT_EQ(flags, 0x204);
    EXPECT_TRUE(operation.OperationAborted);
}

} // namespace
} // namespace qv::win32
