#include "common/win32/ShellLink.h"
#include "common/win32/Registry.h"
#include "editor/win32/Shortcut.h"

#include <gtest/gtest.h>

#include <shobjidl.h>

#include <string>
#include <utility>
#include <vector>

namespace qv::win32 {
namespace {

// A shell folder of the test's own in the "Shell Folders" key, pointing at a fresh folder.
class ShellLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "qv-links-" + std::to_string(::GetCurrentProcessId());
        RemoveFolder();
        ASSERT_TRUE(::CreateDirectoryA(folder_.c_str(), nullptr));
        ASSERT_TRUE(Folders().WriteString(FolderName, folder_));
        target_ = folder_ + "\\report.final.qvc";
        const HANDLE file = ::CreateFileA(target_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        ::CloseHandle(file);
    }
    void TearDown() override {
        Folders().DeleteValue(FolderName);
        RemoveFolder();
    }
    static RegistryKey Folders() { return RegistryKey(HKEY_CURRENT_USER, ShellFoldersKey + 1); }
    void RemoveFolder() const {
        for (const char* name : {"\\Tools\\report.final.lnk", "\\report.final.lnk",
                                 "\\report.final.qvc", "\\plain.lnk"}) {
            ::DeleteFileA((folder_ + name).c_str());
        }
        ::RemoveDirectoryA((folder_ + "\\Tools").c_str());
        ::RemoveDirectoryA(folder_.c_str());
    }

    static constexpr const char* FolderName = "QvTestLinks";
    std::string folder_;
    std::string target_;
};

TEST_F(ShellLinkTest, AWrittenLinkIsNamedAfterTheDescriptionAndReadsBack) {
    // The description's last dot starts the part that ".lnk" replaces.
    const std::string written = CreateShellLink(target_, "report.final.qvc", FolderName);
    EXPECT_EQ(written, folder_ + "\\report.final.lnk");
    ASSERT_NE(::GetFileAttributesA(written.c_str()), INVALID_FILE_ATTRIBUTES);

    Shortcut shortcut;
    shortcut.LinkName = written;
    shortcut.Read();
    EXPECT_EQ(::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, shortcut.PathName.c_str(), -1,
                               target_.c_str(), -1),
              CSTR_EQUAL)
        << shortcut.PathName;
    EXPECT_EQ(shortcut.Discription, "report.final.qvc");
    EXPECT_EQ(shortcut.IconLocation, "") << "no icon location was written";
    EXPECT_EQ(shortcut.IconIndex, 0);
    EXPECT_EQ(shortcut.Arguments, "");
}

TEST_F(ShellLinkTest, ASubfolderIsMadeWhenMissing) {
    Shortcut shortcut;
    shortcut.PathName = target_;
    shortcut.Discription = "report.final.qvc";
    shortcut.ShellFolder = std::string(FolderName) + "\\Tools";
    const std::string written = shortcut.Write();
    EXPECT_EQ(written, folder_ + "\\Tools\\report.final.lnk");
    EXPECT_NE(::GetFileAttributesA(written.c_str()), INVALID_FILE_ATTRIBUTES);
    // Written again into the folder that now exists.
    EXPECT_EQ(shortcut.Write(), written);
}

TEST_F(ShellLinkTest, LinkNamesFollowTheDescriptionsLastDot) {
    EXPECT_EQ(LinkFileName("report.final.qvc"), "report.final.lnk");
    EXPECT_EQ(LinkFileName("C:\\Scripts\\common.qvc"), "common.lnk");
    EXPECT_EQ(LinkFileName("plain"), "plain.lnk");
    EXPECT_EQ(LinkFileName("dotted."), "dotted.lnk");
}

TEST_F(ShellLinkTest, AnUnknownFolderNameIsARegistryErrorAndWritesNothing) {
    try {
        CreateShellLink(target_, "plain", "QvNoSuchShellFolder");
        FAIL() << "no error";
    } catch (const RegistryError& error) {
        EXPECT_STREQ(error.what(), "\"QvNoSuchShellFolder\" item not found in registry");
    }
    ASSERT_TRUE(Folders().WriteString("QvEmptyFolder", ""));
    EXPECT_THROW(GetShellFolder("QvEmptyFolder"), RegistryError) << "an empty value";
    Folders().DeleteValue("QvEmptyFolder");
    EXPECT_EQ(::GetFileAttributesA((folder_ + "\\plain.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ShellLinkTest, AMissingFoldersKeyNamesTheKey) {
    // The key is taken away for this case only (in the test's own prefix) and put back.
    const RegistryKey folders = Folders();
    std::vector<std::pair<std::string, std::string>> saved;
    for (const std::string& name : folders.ValueNames()) {
        saved.emplace_back(name, folders.ReadString(name).value_or(""));
    }
    ASSERT_EQ(::RegDeleteTreeA(HKEY_CURRENT_USER, ShellFoldersKey + 1), ERROR_SUCCESS);
    std::string message;
    try {
        GetShellFolder("Desktop");
    } catch (const RegistryError& error) {
        message = error.what();
    }
    for (const auto& [name, value] : saved) {
        folders.WriteString(name, value);
    }
    EXPECT_EQ(message, "Folder key \"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                       "Shell Folders\" not found");
    EXPECT_EQ(GetShellFolder(FolderName), folder_) << "the key is back";
}

TEST_F(ShellLinkTest, ALinkThatCannotBeLoadedReadsEmpty) {
    EXPECT_EQ(ReadShellLink(folder_ + "\\missing.lnk", SLGP_UNCPRIORITY), std::nullopt);
    EXPECT_EQ(ReadShellLink(target_, SLGP_UNCPRIORITY), std::nullopt) << "not a link";
    Shortcut shortcut;
    shortcut.PathName = "left over";
    shortcut.LinkName = folder_ + "\\missing.lnk";
    shortcut.Read();
    EXPECT_EQ(shortcut.PathName, "");
    EXPECT_EQ(shortcut.IconIndex, 0);
}

} // namespace
} // namespace qv::win32
