#include "interpreter/logic/OpsCopy.h"
#include "interpreter/logic/OpsFileLines.h"

#include "language/Text.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>

namespace qv::logic {
namespace {

struct FakeFile {
    std::int64_t time = 100;
    std::string version;
    bool readOnly = false;
};

// Paths compare without case and without a trailing "\"; folders list their entries in the
// order they were made, as a disk enumerates them.
class FakeDisk : public CopyFileSystem {
  public:
    std::map<std::string, FakeFile> files;
    std::set<std::string> folders = {"c:", "d:", "\\\\srv\\share"};
    std::vector<std::string> order;
    std::vector<std::pair<std::string, std::string>> copies;
    std::vector<std::string> created;

    static std::string Key(std::string_view path) {
        std::string key = LowerCase(path);
        if (!key.empty() && key.back() == '\\')
            key.pop_back();
        return key;
    }
    static std::string Parent(const std::string& key) {
        const std::size_t at = key.rfind('\\');
        return at == std::string::npos ? std::string() : key.substr(0, at);
    }

    void AddFolder(const std::string& path) {
        const std::string key = Key(path);
        if (folders.count(key))
            return;
        AddFolder(Parent(key));
        folders.insert(key);
        order.push_back(key);
    }
    void AddFile(const std::string& path, FakeFile file = {}) {
        const std::string key = Key(path);
        AddFolder(Parent(key));
        if (!files.count(key))
            order.push_back(key);
        files[key] = file;
    }
    FakeFile& File(const std::string& path) { return files.at(Key(path)); }

    bool IsFolder(const std::string& path) override { return folders.count(Key(path)) > 0; }
    bool Exists(const std::string& path) override {
        return files.count(Key(path)) > 0 || IsFolder(path);
    }
    std::optional<std::int64_t> LastWriteTime(const std::string& path) override {
        const auto found = files.find(Key(path));
        if (found == files.end())
            return std::nullopt;
        return found->second.time;
    }
    std::string FileVersionText(const std::string& path) override {
        const auto found = files.find(Key(path));
        return found == files.end() ? std::string() : found->second.version;
    }
    void ClearReadOnly(const std::string& path) override {
        if (auto found = files.find(Key(path)); found != files.end())
            found->second.readOnly = false;
    }
    std::vector<FolderEntry> ListFolder(const std::string& folder) override {
        std::vector<FolderEntry> entries;
        const std::string key = Key(folder);
        for (const std::string& item : order)
            if (Parent(item) == key)
                entries.push_back({item.substr(key.size() + 1), folders.count(item) > 0});
        return entries;
    }
    void CreateFolder(const std::string& path) override {
        const std::string key = Key(path);
        if (folders.count(Parent(key)) && !folders.count(key)) {
            folders.insert(key);
            order.push_back(key);
            created.push_back(key);
        }
    }
    std::uint32_t CopyOneFile(const std::string& source, const std::string& target) override {
        const auto found = files.find(Key(source));
        if (found == files.end())
            return 2;
        if (!folders.count(Parent(Key(target))))
            return 3;
        if (auto existing = files.find(Key(target));
            existing != files.end() && existing->second.readOnly)
            return 5;
        FakeFile copy = found->second;
        AddFile(target, copy);
        copies.emplace_back(Key(source), Key(target));
        return 0;
    }
};

class FakeView : public CopyView {
  public:
    std::vector<std::string> statuses;
    std::vector<bool> layouts;
    std::vector<ReplaceQuestion> questions;
    std::deque<ReplaceAnswer> answers;
    int filesAllowed = 1000; // ContinueWithNextFile answers no after this many files

    void ShowStatus(const std::string& text) override { statuses.push_back(text); }
    void SetCopyLayout(bool copying) override { layouts.push_back(copying); }
    void ProcessMessages() override {}
    bool ContinueWithNextFile() override { return filesAllowed-- > 0; }
    ReplaceAnswer AskReplace(const ReplaceQuestion& question) override {
        questions.push_back(question);
        if (answers.empty())
            return ReplaceAnswer::Yes;
        const ReplaceAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

const EntrySource Entry{"C:\\SCRIPTS\\common.qvc", 4, "COPY c:\\a>d:\\x"};

class OpsCopy : public ::testing::Test {
  protected:
    FakeDisk disk;
    FakeView view;

    CopyOutcome Copy(const std::string& line, const EntrySource& entry = Entry) {
        return RunCopy(ParseCopyLine(line), disk, view, entry);
    }
    std::vector<std::string> Targets() const {
        std::vector<std::string> targets;
        for (const auto& copy : disk.copies)
            targets.push_back(copy.second);
        return targets;
    }
};

TEST(OpsCopyParse, SwitchesAreUpperCaseAndLeaveTheDestination) {
    struct Case {
        const char* line;
        const char* source;
        const char* destination;
        CopyOptions options;
    };
    const Case cases[] = {
        {"COPY c:\\data\\report.doc>d:\\backup\\ /ON /CIE",
         "c:\\data\\report.doc",
         "d:\\backup\\",
         {true, true, false, true, false, false}},
        {"COPY  c:\\a\\b > d:\\x /DNO /DNCS /ORO",
         "c:\\a\\b",
         "d:\\x",
         {false, false, true, false, true, true}},
        {"COPY c:\\a>d:\\x /on /Dno", "c:\\a", "d:\\x /on /Dno", {}},
        // A switch anywhere in the line counts; only the destination's copy is cut away.
        {"COPY c:\\x/ON>d:\\y", "c:\\x/ON", "d:\\y", {true, true, false, false, false, false}},
        // At the destination's first position it is not removed.
        {"COPY c:\\a>/DNO", "c:\\a", "/DNO", {false, false, true, false, false, false}},
        {"COPY c:\\a>d:\\b /ORO /ON", "c:\\a", "d:\\b", {true, true, false, false, false, true}},
        {"COPY c:\\a>", "c:\\a", "", {}},
        {"COPY >d:\\b", "", "d:\\b", {}},
    };
    for (const Case& c : cases) {
        const CopyLine line = ParseCopyLine(c.line);
        EXPECT_TRUE(line.hasSeparator) << c.line;
        EXPECT_EQ(line.source, c.source) << c.line;
        EXPECT_EQ(line.destination, c.destination) << c.line;
        const CopyOptions& o = line.options;
        const CopyOptions& e = c.options;
        EXPECT_EQ(std::tie(o.onlyNewer, o.versionTest, o.doNotOverwrite, o.confirmIfExists,
                           o.noSubfolders, o.overwriteReadOnly),
                  std::tie(e.onlyNewer, e.versionTest, e.doNotOverwrite, e.confirmIfExists,
                           e.noSubfolders, e.overwriteReadOnly))
            << c.line;
    }
    const CopyLine none = ParseCopyLine("COPY c:\\a d:\\b");
    EXPECT_FALSE(none.hasSeparator);
    EXPECT_EQ(none.source, "");
    EXPECT_EQ(none.destination, "");
}

TEST_F(OpsCopy, FolderOrContentsModeAndSingleFileTargets) {
    struct Case {
        const char* line;
        const char* target;
    };
    const Case cases[] = {
        {"COPY c:\\a\\b>d:\\x", "d:\\x\\b\\f.txt"},
        {"COPY c:\\a\\b>d:\\x\\", "d:\\x\\b\\f.txt"},
        {"COPY c:\\a\\b\\>d:\\x", "d:\\x\\f.txt"},
        {"COPY c:\\a\\b\\f.txt>d:\\dir\\", "d:\\dir\\f.txt"},
        {"COPY c:\\a\\b\\f.txt>d:\\new.txt", "d:\\new.txt"},
    };
    for (const Case& c : cases) {
        FakeDisk fresh;
        fresh.AddFile("c:\\a\\b\\f.txt");
        FakeView freshView;
        const CopyOutcome outcome = RunCopy(ParseCopyLine(c.line), fresh, freshView, Entry);
        ASSERT_EQ(fresh.copies.size(), 1u) << c.line;
        EXPECT_EQ(fresh.copies[0].second, c.target) << c.line;
        EXPECT_TRUE(outcome.report.empty()) << c.line;
        EXPECT_EQ(freshView.layouts, (std::vector<bool>{true, false})) << c.line;
    }
}

TEST_F(OpsCopy, MissingDestinationFoldersAreCreatedLevelByLevel) {
    disk.AddFile("c:\\src\\sub\\deep\\f.txt");
    Copy("COPY c:\\src>d:\\new\\place");
    EXPECT_EQ(disk.created, (std::vector<std::string>{
                                "d:\\new", "d:\\new\\place", "d:\\new\\place\\src",
                                "d:\\new\\place\\src\\sub", "d:\\new\\place\\src\\sub\\deep"}));
    EXPECT_EQ(Targets(), (std::vector<std::string>{"d:\\new\\place\\src\\sub\\deep\\f.txt"}));
}

TEST_F(OpsCopy, FolderTreeListsTopFilesThenSubFoldersInCaselessOrder) {
    disk.AddFolder("c:\\t");
    disk.AddFolder("c:\\t\\Zeta");
    disk.AddFile("c:\\t\\top2.txt");
    disk.AddFile("c:\\t\\Zeta\\z.txt");
    disk.AddFile("c:\\t\\beta\\inner\\i.txt");
    disk.AddFile("c:\\t\\Alpha\\a.txt");
    disk.AddFile("c:\\t\\beta\\b.txt");
    disk.AddFile("c:\\t\\top1.txt");
    EXPECT_EQ(ListFolderTree("c:\\t", disk),
              (std::vector<std::string>{"top2.txt", "top1.txt", "alpha\\a.txt", "beta\\b.txt",
                                        "beta\\inner\\i.txt", "zeta\\z.txt"}));
}

TEST_F(OpsCopy, NoSubfoldersCopiesOnlyTheTopFolderFiles) {
    disk.AddFile("c:\\t\\one.txt");
    disk.AddFile("c:\\t\\sub\\two.txt");
    const CopyOutcome outcome = Copy("COPY c:\\t\\>d:\\x /DNCS");
    EXPECT_EQ(Targets(), (std::vector<std::string>{"d:\\x\\one.txt"}));
    EXPECT_EQ(outcome.skipped, 1);
    EXPECT_EQ(view.statuses.back(), "Skiping File : \r\nc:\\t\\sub\\two.txt");
}

// One existing target, copied as a single file; the answers feed the replace dialog.
struct DecisionCase {
    const char* switches;
    std::int64_t sourceTime;
    const char* sourceVersion;
    const char* targetVersion;
    std::vector<ReplaceAnswer> answers;
    bool copied;
    int questions;
};

TEST_F(OpsCopy, SingleFileDecisions) {
    using A = ReplaceAnswer;
    const DecisionCase cases[] = {
        {"", 200, "", "", {}, true, 0},
        {"/ON", 200, "", "", {}, false, 0}, // newer but no version: never over an existing file
        {"/ON", 200, "2.0", "1.0", {}, true, 0},
        {"/ON", 50, "2.0", "1.0", {}, false, 0},
        {"/ON", 200, "1.10", "1.9", {}, true, 0}, // field by field, as numbers
        {"/ON", 200, "10.0.0.0", "9.5.0.0", {}, true, 0},
        {"/ON", 200, "9.5.0.0", "10.0.0.0", {}, false, 0},
        {"/ON", 200, "2.0", "", {}, true, 0}, // a target without a version is older
        {"/DNO", 200, "", "", {}, false, 0},
        {"/CIE", 200, "", "", {A::Yes}, true, 1},
        {"/CIE", 200, "", "", {A::No}, false, 1},
        {"/CIE", 200, "", "", {A::NoToAll}, false, 1},
        {"/DNO /CIE", 200, "", "", {A::Yes}, false, 1},
        {"/DNO /CIE", 200, "", "", {A::YesToAll}, true, 1},
        {"/ON /CIE", 50, "", "", {}, false, 0}, // already skipped: not asked
        {"/ON /CIE", 200, "2", "1", {A::No}, false, 1},
    };
    for (const DecisionCase& c : cases) {
        FakeDisk fresh;
        fresh.AddFile("c:\\s\\f.dll", {c.sourceTime, c.sourceVersion});
        fresh.AddFile("d:\\t\\f.dll", {100, c.targetVersion});
        FakeView freshView;
        freshView.answers.assign(c.answers.begin(), c.answers.end());
        const std::string line = std::string("COPY c:\\s\\f.dll>d:\\t\\ ") + c.switches;
        const CopyOutcome outcome = RunCopy(ParseCopyLine(line), fresh, freshView, Entry);
        EXPECT_EQ(outcome.copied == 1, c.copied) << line;
        EXPECT_EQ(static_cast<int>(freshView.questions.size()), c.questions) << line;
        if (!freshView.questions.empty()) {
            EXPECT_EQ(freshView.questions[0].sourceName, "f.dll");
            EXPECT_EQ(freshView.questions[0].targetFolder, "d:\\t\\");
            EXPECT_EQ(freshView.statuses[1], "Copying File : \rc:\\s\\f.dll\rTo : \rd:\\t\\f.dll");
        }
    }
}

TEST(VersionIsNewer, ComparesVersionFieldsAsNumbers) {
    const struct {
        const char* source;
        const char* target;
        bool newer;
    } cases[] = {
        {"10.0.0.0", "9.5.0.0", true},
        {"1.10", "1.9", true},
        {"1.9", "1.10", false},
        {"2.0", "2.0.0.0", false},
        {"2.0.0.1", "2.0", true},
        {"1, 2, 0, 3", "1.2.0.2", true},
        {"01.5", "1.5", false},
        {"", "1.0", false},
        {"1.0", "", true},
        {"", "", false},
        {"1.0 beta", "1.0 alpha", true}, // not numbers: bytes
        {"99999999999999999999.1", "99999999999999999999.0", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VersionIsNewer(c.source, c.target), c.newer) << c.source << " / " << c.target;
}

TEST_F(OpsCopy, OnlyNewerCopiesToAMissingTargetAndComparesDatesAloneInFolders) {
    disk.AddFile("c:\\s\\new.txt", {200, ""});
    disk.AddFile("d:\\t\\s\\new.txt", {100, ""});
    disk.AddFile("c:\\s\\old.txt", {50, ""});
    disk.AddFile("d:\\t\\s\\old.txt", {100, ""});
    disk.AddFile("c:\\s\\fresh.txt", {10, ""});
    Copy("COPY c:\\s>d:\\t /ON");
    EXPECT_EQ(Targets(), (std::vector<std::string>{"d:\\t\\s\\new.txt", "d:\\t\\s\\fresh.txt"}));
}

TEST_F(OpsCopy, OnlyNewerWithAMissingSourceTriesTheCopyAndReportsIt) {
    disk.AddFile("d:\\t\\gone.txt");
    const CopyOutcome outcome = Copy("COPY c:\\s\\gone.txt>d:\\t\\ /ON /CIE");
    EXPECT_TRUE(view.questions.empty());
    EXPECT_EQ(outcome.failed, 1);
    EXPECT_EQ(outcome.report, "Copy Failed (202) In Script File : C:\\SCRIPTS\\common.qvc\r\n"
                              "Line : 4 'COPY c:\\a>d:\\x'\r\n"
                              "2 - c:\\s\\gone.txt to d:\\t\\gone.txt\r\n");
}

TEST_F(OpsCopy, ToAllAnswersHoldForTheRestOfTheFolder) {
    using A = ReplaceAnswer;
    struct Case {
        const char* switches;
        std::vector<ReplaceAnswer> answers;
        std::vector<std::string> copied;
        int questions;
    };
    const Case cases[] = {
        // Yes to All copies this file only: do-not-overwrite stays on, without more questions.
        {"/DNO /CIE", {A::YesToAll}, {"d:\\t\\1.txt", "d:\\t\\new.txt"}, 1},
        {"/DNO /CIE", {A::NoToAll}, {"d:\\t\\new.txt"}, 1},
        {"/CIE", {A::NoToAll}, {"d:\\t\\new.txt"}, 1},
        {"/CIE",
         {A::YesToAll},
         {"d:\\t\\1.txt", "d:\\t\\2.txt", "d:\\t\\3.txt", "d:\\t\\new.txt"},
         1},
        {"/CIE", {A::No, A::Yes, A::No}, {"d:\\t\\2.txt", "d:\\t\\new.txt"}, 3},
        {"/CIE", {A::Yes, A::Cancel}, {"d:\\t\\1.txt"}, 2},
    };
    for (const Case& c : cases) {
        FakeDisk fresh;
        for (const char* name : {"1.txt", "2.txt", "3.txt"}) {
            fresh.AddFile(std::string("c:\\s\\") + name);
            fresh.AddFile(std::string("d:\\t\\") + name);
        }
        fresh.AddFile("c:\\s\\new.txt");
        FakeView freshView;
        freshView.answers.assign(c.answers.begin(), c.answers.end());
        const std::string line = std::string("COPY c:\\s\\>d:\\t ") + c.switches;
        const CopyOutcome outcome = RunCopy(ParseCopyLine(line), fresh, freshView, Entry);
        std::vector<std::string> copied;
        for (const auto& copy : fresh.copies)
            copied.push_back(copy.second);
        EXPECT_EQ(copied, c.copied) << line;
        EXPECT_EQ(static_cast<int>(freshView.questions.size()), c.questions) << line;
        EXPECT_EQ(outcome.cancelled, c.answers.back() == A::Cancel) << line;
        EXPECT_EQ(freshView.layouts, (std::vector<bool>{true, false})) << line;
    }
}

TEST_F(OpsCopy, ConfirmWithNoSubfoldersStillAsksButSkips) {
    disk.AddFile("c:\\s\\sub\\f.txt");
    disk.AddFile("d:\\t\\sub\\f.txt");
    view.answers = {ReplaceAnswer::YesToAll};
    Copy("COPY c:\\s\\>d:\\t /CIE /DNCS");
    ASSERT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(view.questions[0].sourceName, "sub\\f.txt");
    EXPECT_EQ(view.questions[0].sourceFolder, "c:\\s\\");
    EXPECT_TRUE(disk.copies.empty());
}

TEST_F(OpsCopy, OverwriteReadOnlyClearsTheAttributeEvenWhenSkipping) {
    disk.AddFile("c:\\s\\f.txt");
    disk.AddFile("d:\\t\\f.txt", {100, "", true});
    Copy("COPY c:\\s\\f.txt>d:\\t\\ /ORO /DNO");
    EXPECT_TRUE(disk.copies.empty());
    EXPECT_FALSE(disk.File("d:\\t\\f.txt").readOnly);

    // Without "/ORO" the read-only target makes the copy fail.
    disk.File("d:\\t\\f.txt").readOnly = true;
    EXPECT_EQ(Copy("COPY c:\\s\\f.txt>d:\\t\\").failed, 1);
}

TEST_F(OpsCopy, NextStopsTheFolderCopyBetweenFiles) {
    for (const char* name : {"1.txt", "2.txt", "3.txt"})
        disk.AddFile(std::string("c:\\s\\") + name);
    view.filesAllowed = 1;
    const CopyOutcome outcome = Copy("COPY c:\\s\\>d:\\t");
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(Targets(), (std::vector<std::string>{"d:\\t\\1.txt"}));
    EXPECT_EQ(view.layouts, (std::vector<bool>{true, false}));
}

TEST_F(OpsCopy, FolderFailuresShareOneHeader) {
    disk.AddFile("c:\\s\\1.txt");
    disk.AddFile("c:\\s\\2.txt");
    disk.AddFile("c:\\s\\3.txt");
    disk.AddFile("d:\\t\\1.txt", {100, "", true});
    disk.AddFile("d:\\t\\3.txt", {100, "", true});
    const CopyOutcome outcome =
        Copy("COPY c:\\s\\>d:\\t", {"C:\\common.qvc", 7, "COPY c:\\s\\>d:\\t"});
    EXPECT_EQ(outcome.failed, 2);
    EXPECT_EQ(outcome.copied, 1);
    EXPECT_EQ(outcome.report, "Copy Failed (202) In Script File : C:\\common.qvc\r\n"
                              " Line : 7 - COPY c:\\s\\>d:\\t\r\n"
                              " '5 - c:\\s\\1.txt > d:\\t\\1.txt'\r\n"
                              " '5 - c:\\s\\3.txt > d:\\t\\3.txt'\r\n");
}

TEST_F(OpsCopy, WildcardSourceIsASingleFileThatFails) {
    disk.AddFile("c:\\data\\a.txt");
    const CopyOutcome outcome = Copy("COPY c:\\data\\*.txt>d:\\x\\");
    EXPECT_EQ(outcome.failed, 1);
    EXPECT_TRUE(StartsWith(outcome.report, "Copy Failed (202) In Script File : "));
}

TEST_F(OpsCopy, StatusTextsShowWhatIsCopied) {
    disk.AddFile("c:\\program files\\vendor\\application\\data\\settings.ini");
    Copy("COPY c:\\program files\\vendor\\application\\data\\settings.ini>d:\\backup\\");
    ASSERT_EQ(view.statuses.size(), 2u);
    EXPECT_EQ(view.statuses[0], "Copying File : \r\nc:\\program files\\vendor\\application\\data\\"
                                "settings.ini\r\nTo : \r\nd:\\backup\\settings.ini");
    EXPECT_EQ(view.statuses[1], "Copying File : \r\n\\...\\...\\application\\data\\settings.ini\r\n"
                                "To : \rd:\\backup\\settings.ini");
}

TEST_F(OpsCopy, ForceFolderPathWalksDriveAndNetworkPaths) {
    struct Case {
        const char* folder;
        const char* root;
        std::vector<std::string> levels;
    };
    const Case cases[] = {
        {"d:\\x\\y", "d:\\", {"d:\\x", "d:\\x\\y"}},
        {"d:\\x\\y\\", "d:\\", {"d:\\x", "d:\\x\\y"}},
        {"\\\\srv\\share\\a\\b", "\\\\srv\\share\\", {"\\\\srv\\share\\a", "\\\\srv\\share\\a\\b"}},
        {"\\\\srv\\share", "\\\\srv\\share\\", {}},
        {"\\\\srv", "\\\\srv\\", {}},
        {"rel\\dir", "", {"rel", "rel\\dir"}},
    };
    for (const Case& c : cases) {
        const FolderWalk walk = FolderPathLevels(c.folder);
        EXPECT_EQ(walk.root, c.root) << c.folder;
        EXPECT_EQ(walk.levels, c.levels) << c.folder;
    }
    EXPECT_TRUE(ForceFolderPath("\\\\srv\\share\\a\\b", disk));
    EXPECT_TRUE(disk.IsFolder("\\\\srv\\share\\a\\b"));
    // A drive that cannot be entered ends the walk at once.
    EXPECT_FALSE(ForceFolderPath("q:\\x", disk));
    EXPECT_TRUE(disk.created.size() == 2u);
}

TEST(OpsFileLines, RenameCutsAtTheFirstSeparatorWithoutTrimming) {
    const RenameLine plain = ParseRenameLine("RENAME c:\\temp\\a.txt>c:\\temp\\b.txt");
    EXPECT_TRUE(plain.hasSeparator);
    EXPECT_EQ(plain.oldName, "c:\\temp\\a.txt");
    EXPECT_EQ(plain.newName, "c:\\temp\\b.txt");
    const RenameLine spaced = ParseRenameLine("RENAME a.txt > b>c");
    EXPECT_EQ(spaced.oldName, "a.txt ");
    EXPECT_EQ(spaced.newName, " b>c");
    EXPECT_FALSE(ParseRenameLine("RENAME a.txt b.txt").hasSeparator);
    EXPECT_EQ(RenameFailedEntry({"C:\\x.qvc", 3, "RENAME a>b"}),
              "Rename Failed (203) In Script File : C:\\x.qvc\r\n\t Line : 3 'RENAME a>b'\r\n");
}

TEST(OpsFileLines, DeletePathsBecomeTheShellList) {
    const std::string paths = ParseDelLine("DEL  c:\\temp\\*.tmp;c:\\temp\\old.log ");
    EXPECT_EQ(paths, "c:\\temp\\*.tmp;c:\\temp\\old.log");
    EXPECT_EQ(DeletingStatusText(paths), "Deleting : \r\nc:\\temp\\*.tmp;c:\\temp\\old.log");
    EXPECT_EQ(ShellPathList(paths), std::string("c:\\temp\\*.tmp\0c:\\temp\\old.log\0\0", 31));
    EXPECT_EQ(SplitPathList("a; ;b;"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(ParseDelLine("DEL"), "");
}

} // namespace
} // namespace qv::logic
