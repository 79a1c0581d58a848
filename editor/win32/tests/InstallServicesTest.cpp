#include "editor/win32/InstallServices.h"

#include "common/win32/Com.h"
#include "editor/core/FileTypes.h"
#include "editor/core/ImportLog.h"
#include "editor/core/Restore.h"
#include "tests/win32/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qv::win32 {
namespace {

using editor::RegistryKey;
using editor::RegistryRoot;
using editor::RegistryText;
using editor::RegistryView;
using testing::ScratchFolder;

constexpr const char* TestKeyPath = "Software\\Trevanta\\QvInstallTest";

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

class InstallRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        for (const RegistryView view : {RegistryView::Native, RegistryView::Wow32}) {
            registry_.DeleteTree(Key(RegistryRoot::LocalMachine, view));
            registry_.DeleteTree(Key(RegistryRoot::CurrentUser, view));
        }
    }
    static RegistryKey Key(RegistryRoot root, RegistryView view = RegistryView::Native,
                           const std::string& below = "") {
        return {root, std::string(TestKeyPath) + below, view};
    }

    InstallRegistry registry_;
};

// The machine's keys differ between the views: what one writes, the other does not see, and the
// 32-bit view's key is the 64-bit view's WOW6432Node.
TEST_F(InstallRegistryTest, MachineKeysAreSeparateInTheTwoViews) {
    const RegistryKey native = Key(RegistryRoot::LocalMachine, RegistryView::Native, "\\Run");
    const RegistryKey wow = Key(RegistryRoot::LocalMachine, RegistryView::Wow32, "\\Run");
    ASSERT_TRUE(registry_.WriteText(wow, "Tray", {"c:\\tools\\tray.exe", false}).ok);
    ASSERT_TRUE(registry_.WriteText(native, "Mail", {"mail.exe", false}).ok);

    EXPECT_EQ(registry_.ReadText(wow, "Tray"), (RegistryText{"c:\\tools\\tray.exe", false}));
    EXPECT_FALSE(registry_.ReadText(native, "Tray"));
    EXPECT_FALSE(registry_.ReadText(wow, "Mail"));
    EXPECT_EQ(registry_.ValueNames(wow), std::vector<std::string>{"Tray"});
    EXPECT_EQ(registry_.ValueNames(native), std::vector<std::string>{"Mail"});
    const RegistryKey redirected{RegistryRoot::LocalMachine,
                                 "Software\\WOW6432Node\\Trevanta\\QvInstallTest\\Run",
                                 RegistryView::Native};
    EXPECT_EQ(registry_.ReadText(redirected, "Tray"), (RegistryText{"c:\\tools\\tray.exe", false}));

    ASSERT_TRUE(registry_.DeleteTree(Key(RegistryRoot::LocalMachine, RegistryView::Wow32)).ok);
    EXPECT_TRUE(registry_.ValueNames(wow).empty());
    EXPECT_EQ(registry_.ReadText(native, "Mail"), (RegistryText{"mail.exe", false}));
}

TEST_F(InstallRegistryTest, ValuesKeepTheirTypes) {
    const RegistryKey key = Key(RegistryRoot::CurrentUser);
    ASSERT_TRUE(registry_.WriteText(key, "Plain", {"%windir%\\notepad.exe", false}).ok);
    ASSERT_TRUE(registry_.WriteText(key, "Expand", {"%windir%\\notepad.exe", true}).ok);
    ASSERT_TRUE(registry_.WriteText(key, "", {"default", false}).ok);
    ASSERT_TRUE(registry_.WriteInteger(key, "Win98", 1).ok);

    EXPECT_EQ(registry_.ReadText(key, "Plain"), (RegistryText{"%windir%\\notepad.exe", false}));
    EXPECT_EQ(registry_.ReadText(key, "Expand"), (RegistryText{"%windir%\\notepad.exe", true}));
    EXPECT_EQ(registry_.ReadText(key, ""), (RegistryText{"default", false}));
    EXPECT_EQ(registry_.ReadInteger(key, "Win98"), 1u);
    // A value of another type reads as absent, as does one that is not there.
    EXPECT_FALSE(registry_.ReadInteger(key, "Plain"));
    EXPECT_FALSE(registry_.ReadText(key, "Win98"));
    EXPECT_FALSE(registry_.ReadText(key, "Missing"));
    EXPECT_FALSE(
        registry_.ReadText(Key(RegistryRoot::CurrentUser, RegistryView::Native, "\\No"), "Plain"));

    const std::vector<std::string> names = registry_.ValueNames(key);
    EXPECT_EQ(names.size(), 4u);
    EXPECT_TRUE(Contains(names, ""));
    EXPECT_TRUE(Contains(names, "Expand"));
}

TEST_F(InstallRegistryTest, DeletingWhatIsNotThereSucceeds) {
    const RegistryKey key = Key(RegistryRoot::CurrentUser, RegistryView::Native, "\\Gone");
    EXPECT_TRUE(registry_.DeleteValue(key, "Nothing").ok);
    EXPECT_TRUE(registry_.DeleteTree(key).ok);
    EXPECT_TRUE(registry_.DeleteKeyIfEmpty(key).ok);
    ASSERT_TRUE(registry_.WriteText(key, "Here", {"x", false}).ok);
    EXPECT_TRUE(registry_.DeleteValue(key, "Nothing").ok);
    EXPECT_TRUE(registry_.DeleteValue(key, "Here").ok);
    EXPECT_FALSE(registry_.ReadText(key, "Here"));
}

TEST_F(InstallRegistryTest, KeyIfEmptyGoesOnlyWhenEmpty) {
    const RegistryKey parent = Key(RegistryRoot::CurrentUser);
    const RegistryKey child = Key(RegistryRoot::CurrentUser, RegistryView::Native, "\\Child");
    ASSERT_TRUE(registry_.WriteText(child, "v", {"x", false}).ok);
    EXPECT_TRUE(registry_.DeleteKeyIfEmpty(parent).ok);
    EXPECT_TRUE(registry_.DeleteKeyIfEmpty(child).ok);
    EXPECT_EQ(registry_.SubKeyNames(parent), std::vector<std::string>{"Child"});

    ASSERT_TRUE(registry_.DeleteValue(child, "v").ok);
    EXPECT_TRUE(registry_.DeleteKeyIfEmpty(child).ok);
    EXPECT_TRUE(registry_.SubKeyNames(parent).empty());
}

TEST_F(InstallRegistryTest, ShellFoldersComeWithATrailingBackslash) {
    const RegistryKey folders{RegistryRoot::CurrentUser, std::string(editor::ShellFoldersKeyPath)};
    ASSERT_TRUE(registry_.WriteText(folders, "QvTest Startup", {"C:\\qv\\Start Menu", false}).ok);
    ASSERT_TRUE(registry_.WriteText(folders, "QvTest Empty", {"", false}).ok);
    EXPECT_EQ(editor::ShellFolder(registry_, "QvTest Startup"), "C:\\qv\\Start Menu\\");
    EXPECT_FALSE(editor::ShellFolder(registry_, "QvTest Empty"));
    EXPECT_FALSE(editor::ShellFolder(registry_, "QvTest Missing"));
    registry_.DeleteValue(folders, "QvTest Startup");
    registry_.DeleteValue(folders, "QvTest Empty");
    // The prefix's own Startup folder is there, as the import wizard reads it.
    EXPECT_TRUE(editor::ShellFolder(registry_, "Startup"));
}

TEST(InstallFileSystemTest, ListsOnlyOrdinaryFiles) {
    ScratchFolder scratch;
    InstallFileSystem files;
    testing::WriteText(scratch / "Mail.lnk", "x");
    testing::WriteText(scratch / "hidden.lnk", "x");
    testing::WriteText(scratch / "system.lnk", "x");
    ::SetFileAttributesA((scratch / "hidden.lnk").c_str(), FILE_ATTRIBUTE_HIDDEN);
    ::SetFileAttributesA((scratch / "system.lnk").c_str(), FILE_ATTRIBUTE_SYSTEM);
    ::CreateDirectoryA((scratch / "Folder").c_str(), nullptr);

    EXPECT_EQ(files.ListFiles(scratch.Path()), std::vector<std::string>{"Mail.lnk"});
    EXPECT_TRUE(files.ListFiles(scratch / "Missing\\").empty());
    ::SetFileAttributesA((scratch / "hidden.lnk").c_str(), FILE_ATTRIBUTE_NORMAL);
    ::SetFileAttributesA((scratch / "system.lnk").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(InstallFileSystemTest, FoldersAreMadeAndRemoved) {
    ScratchFolder scratch;
    InstallFileSystem files;
    const std::string deep = scratch / "a\\b\\c";
    ASSERT_TRUE(files.CreateFolder(deep + "\\").ok);
    EXPECT_TRUE(files.PathExists(deep));
    EXPECT_TRUE(files.CreateFolder(deep).ok);
    testing::WriteText(deep + "\\file.txt", "x");
    EXPECT_FALSE(files.CreateFolder(deep + "\\file.txt").ok);

    EXPECT_TRUE(files.RemoveFolderIfEmpty(deep).ok);
    EXPECT_TRUE(files.FileExists(deep + "\\file.txt"));
    EXPECT_TRUE(files.RemoveFolderIfEmpty(scratch / "missing").ok);

    ::SetFileAttributesA((deep + "\\file.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(files.RemoveTree(scratch / "a").ok);
    EXPECT_FALSE(files.PathExists(scratch / "a"));
    EXPECT_TRUE(files.RemoveTree(scratch / "a").ok);
}

// A linked folder inside a removed tree goes as a link; what it points to stays.
TEST(InstallFileSystemTest, RemovingATreeLeavesWhatItsLinksPointTo) {
    ScratchFolder scratch;
    InstallFileSystem files;
    ASSERT_TRUE(files.CreateFolder(scratch / "elsewhere").ok);
    testing::WriteText(scratch / "elsewhere\\keep.txt", "x");
    ASSERT_TRUE(files.CreateFolder(scratch / "tree").ok);
    if (::CreateSymbolicLinkA((scratch / "tree\\link").c_str(), (scratch / "elsewhere").c_str(),
                              SYMBOLIC_LINK_FLAG_DIRECTORY) == FALSE) {
        GTEST_SKIP() << "no folder links here";
    }
    EXPECT_TRUE(files.RemoveTree(scratch / "tree").ok);
    EXPECT_FALSE(files.PathExists(scratch / "tree"));
    EXPECT_TRUE(files.FileExists(scratch / "elsewhere\\keep.txt"));
}

TEST(InstallFileSystemTest, CopyReplacesMoveDoesNot) {
    ScratchFolder scratch;
    InstallFileSystem files;
    testing::WriteText(scratch / "new.txt", "new");
    testing::WriteText(scratch / "old.txt", "old");
    ASSERT_TRUE(files.CopyFile(scratch / "new.txt", scratch / "old.txt").ok);
    std::string bytes;
    ASSERT_TRUE(files.ReadWhole(scratch / "old.txt", bytes).ok);
    EXPECT_EQ(bytes, "new");

    testing::WriteText(scratch / "other.txt", "other");
    const FileResult refused = files.MoveFile(scratch / "other.txt", scratch / "old.txt");
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.error.find("other.txt"), std::string::npos);
    EXPECT_TRUE(files.FileExists(scratch / "other.txt"));
    EXPECT_TRUE(files.MoveFile(scratch / "other.txt", scratch / "moved.txt").ok);
    EXPECT_FALSE(files.FileExists(scratch / "other.txt"));
    EXPECT_FALSE(files.CopyFile(scratch / "missing.txt", scratch / "x.txt").ok);
}

TEST(InstallFileSystemTest, NotedRemovalIsCarriedOutByTheHelper) {
    ScratchFolder scratch;
    InstallFileSystem files;
    testing::WriteText(scratch / "left 100%.exe", "x");
    ASSERT_TRUE(files.RemoveAfterExit(scratch / "left 100%.exe").ok);
    // Noted only; nothing goes while the program runs.
    EXPECT_TRUE(files.FileExists(scratch / "left 100%.exe"));
    ASSERT_TRUE(files.StartPendingRemovals());
    EXPECT_TRUE(files.PendingRemovals().empty());
    EXPECT_TRUE(
        testing::PumpUntil([&] { return !files.FileExists(scratch / "left 100%.exe"); }, 20000));
}

TEST(InstallSystemNamesTest, NamesOfTheRunningProgram) {
    InstallSystemNames system;
    const std::string path = system.ProgramPath();
    EXPECT_EQ(path.substr(path.size() - 4), ".exe");
    EXPECT_EQ(system.ProgramFolder(), path.substr(0, path.rfind('\\') + 1));
    const std::string windows = system.WindowsFolder();
    ASSERT_FALSE(windows.empty());
    EXPECT_NE(windows.back(), '\\');
    ::SetEnvironmentVariableA("QV_INSTALL_TEST", "value");
    EXPECT_EQ(system.ExpandEnvironment("a %QV_INSTALL_TEST% b"), "a value b");
    EXPECT_EQ(system.ExpandEnvironment("%QV_NOT_SET%"), "%QV_NOT_SET%");

    ScratchFolder scratch;
    ::CreateDirectoryA((scratch / "A long folder name").c_str(), nullptr);
    const std::optional<std::string> shortForm = system.ShortPath(scratch / "A long folder name\\");
    ASSERT_TRUE(shortForm);
    EXPECT_EQ(shortForm->back(), '\\');
    EXPECT_TRUE(InstallFileSystem().PathExists(*shortForm));
    EXPECT_FALSE(system.ShortPath(scratch / "missing"));
}

// A shell folder of the test's own, so that links are written into a scratch folder.
class InstallShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(registry_.WriteText(Folders(), FolderName, {WithoutSlash(), false}).ok);
    }
    void TearDown() override { registry_.DeleteValue(Folders(), FolderName); }
    static RegistryKey Folders() {
        return {RegistryRoot::CurrentUser, std::string(editor::ShellFoldersKeyPath)};
    }
    std::string WithoutSlash() const {
        return scratch_.Path().substr(0, scratch_.Path().size() - 1);
    }
    static constexpr const char* FolderName = "QvTest Links";

    ComScope com_;
    ScratchFolder scratch_;
    InstallServices services_;
    InstallRegistry& registry_ = services_.registry;
};

TEST_F(InstallShellTest, ShortcutIsWrittenIntoTheSubfolder) {
    testing::WriteText(scratch_ / "notepad.exe", "x");
    ASSERT_TRUE(services_.shell
                    .CreateShortcut(std::string(FolderName) + "\\Quorvel", "Quorvel Developer",
                                    scratch_ / "notepad.exe")
                    .ok);
    EXPECT_TRUE(services_.files.FileExists(scratch_ / "Quorvel\\Quorvel Developer.lnk"));
    const FileResult missing =
        services_.shell.CreateShortcut("QvTest No Such Folder", "x", scratch_ / "notepad.exe");
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.empty());
}

// A link the wizard moved into the program's "Startup" folder goes back into the user's
// Startup folder under its name in proper case; one whose name is taken there stays.
TEST_F(InstallShellTest, MovedLinkIsPutBack) {
    testing::WriteText(scratch_ / "notepad.exe", "x");
    ::CreateDirectoryA((scratch_ / "User Startup").c_str(), nullptr);
    ASSERT_TRUE(
        services_.shell
            .CreateShortcut(std::string(FolderName) + "\\Startup", "mail", scratch_ / "notepad.exe")
            .ok);
    editor::ImportEntry entry;
    entry.kind = editor::ImportEntry::Kind::Shortcut;
    entry.path = scratch_ / "Startup\\mail.lnk";
    const std::string userStartup = scratch_ / "User Startup\\";

    testing::WriteText(userStartup + "Mail.lnk", "taken");
    EXPECT_FALSE(editor::PutBack(entry, services_.Ports(), userStartup).ok);
    EXPECT_TRUE(services_.files.FileExists(entry.path));
    ::DeleteFileA((userStartup + "Mail.lnk").c_str());

    ASSERT_TRUE(editor::PutBack(entry, services_.Ports(), userStartup).ok);
    EXPECT_FALSE(services_.files.FileExists(entry.path));
    EXPECT_EQ(services_.files.ListFiles(userStartup), std::vector<std::string>{"Mail.lnk"});
}

// A Run value goes back into the key and view it was taken from.
TEST_F(InstallShellTest, RunValueIsPutBackIntoItsView) {
    editor::ImportEntry entry;
    entry.kind = editor::ImportEntry::Kind::RunValue;
    entry.place = editor::RunPlace::Machine32;
    entry.name = "QvTest Tray";
    entry.data = {"%ProgramFiles%\\tray.exe", true};
    ASSERT_TRUE(editor::PutBack(entry, services_.Ports(), std::nullopt).ok);
    const RegistryKey wow = editor::RunKeyOf(editor::RunPlace::Machine32);
    EXPECT_EQ(registry_.ReadText(wow, "QvTest Tray"), entry.data);
    EXPECT_FALSE(registry_.ReadText(editor::MachineRunKey(), "QvTest Tray"));
    registry_.DeleteValue(wow, "QvTest Tray");
}

// The eight keys under HKEY_CLASSES_ROOT, and their removal while they are still this
// installation's.
TEST_F(InstallShellTest, FileTypesAreRegisteredAndRemoved) {
    const std::string editorPath = services_.system.ProgramPath();
    const editor::FileTypesOutcome outcome = editor::SetFileTypes(services_.Ports(), true);
    EXPECT_TRUE(outcome.failures.empty());
    EXPECT_TRUE(outcome.message.empty());
    for (const editor::FileTypeKey& key : editor::FileTypeKeys(editorPath)) {
        EXPECT_EQ(registry_.ReadText({RegistryRoot::ClassesRoot, key.path}, ""),
                  (RegistryText{key.value, false}))
            << key.path;
    }
    EXPECT_EQ(registry_.ReadText({RegistryRoot::ClassesRoot, "qvlite_qvs\\DefaultIcon"}, ""),
              (RegistryText{editorPath + ",26", false}));

    const auto removal = editor::FileTypeRemovalEffects(registry_, editorPath);
    EXPECT_TRUE(editor::CarryOut(removal, services_.Ports()).empty());
    for (const char* path : {".qvs", ".qvc", "qvlite_qvs", "qvlite_qvc"}) {
        EXPECT_FALSE(registry_.ReadText({RegistryRoot::ClassesRoot, path}, "")) << path;
    }
}

} // namespace
} // namespace qv::win32
