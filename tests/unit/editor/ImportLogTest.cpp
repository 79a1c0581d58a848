#include "editor/core/ImportLog.h"
#include "FakeInstallHost.h"
#include "editor/core/ImportedLines.h"

#include <gtest/gtest.h>

namespace qv::editor::testing {
namespace {

ImportEntry Link(std::string path) {
    ImportEntry entry;
    entry.path = std::move(path);
    return entry;
}

ImportEntry Value(RunPlace place, std::string name, std::string data, bool expandable = false) {
    ImportEntry entry;
    entry.kind = ImportEntry::Kind::RunValue;
    entry.place = place;
    entry.name = std::move(name);
    entry.data = {std::move(data), expandable};
    return entry;
}

TEST(ImportLog, ReadsEveryForm) {
    struct Case {
        const char* tag;
        const char* line;
        std::optional<ImportEntry> entry;
    };
    const Case cases[] = {
        {"moved shortcut", "C:\\Quorvel\\Startup\\Mail.lnk",
         Link("C:\\Quorvel\\Startup\\Mail.lnk")},
        {"older value", "REG:Tray=c:\\tools\\tray.exe /a=b",
         Value(RunPlace::Machine, "Tray", "c:\\tools\\tray.exe /a=b")},
        {"older value, empty data", "REG:Tray=", Value(RunPlace::Machine, "Tray", "")},
        {"older value without =", "REG:Tray", std::nullopt},
        {"machine, 64-bit", "RUN|HKLM64|SZ|Tray|tray.exe",
         Value(RunPlace::Machine, "Tray", "tray.exe")},
        {"machine, 32-bit", "RUN|HKLM32|SZ|Up|up.exe", Value(RunPlace::Machine32, "Up", "up.exe")},
        {"user, expandable", "RUN|HKCU|EXPAND_SZ|Chat|%25AppData%25\\chat.exe",
         Value(RunPlace::User, "Chat", "%AppData%\\chat.exe", true)},
        {"escaped name and data", "RUN|HKCU|SZ|a%7Cb%3D|x%0D%0Ay%zz%",
         Value(RunPlace::User, "a|b=", "x\r\ny%zz%")},
        {"unknown place", "RUN|HKXX|SZ|Tray|tray.exe", std::nullopt},
        {"unknown type", "RUN|HKCU|DWORD|Tray|1", std::nullopt},
        {"too few fields", "RUN|HKCU|SZ|Tray", std::nullopt},
        {"blank", "   ", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseImportEntry(c.line), c.entry) << c.tag;
}

TEST(ImportLog, WritesWhatItReadsBack) {
    const ImportEntry entries[] = {
        Link("C:\\Program Files\\Quorvel\\Startup\\Mail (2).lnk"),
        Value(RunPlace::Machine, "Tray", "\"C:\\Tools\\Tray.exe\" /x|y"),
        Value(RunPlace::Machine32, "name=with=equals", "100%"),
        Value(RunPlace::User, "Multi\r\nLine", "%SystemRoot%\\a.exe", true),
    };
    for (const ImportEntry& entry : entries) {
        const std::string line = FormatImportEntry(entry);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        EXPECT_EQ(ParseImportEntry(line), entry) << line;
    }
}

TEST(ImportLog, AMissingLogIsEmptyAndAnUnreadableOneAnError) {
    FakeInstallHost disk;
    const std::string path = "C:\\Q\\Backup\\Import.log";
    ImportLogRead read = ReadImportLog(disk, path);
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.lines.empty());

    disk.AddLines(path, {"a", "REG:b=c"});
    read = ReadImportLog(disk, path);
    EXPECT_EQ(read.lines, (std::vector<std::string>{"a", "REG:b=c"}));

    disk.failReads.insert(FakeInstallHost::Key(path));
    read = ReadImportLog(disk, path);
    EXPECT_FALSE(read.ok);
    EXPECT_FALSE(read.error.empty());
}

TEST(ImportedLines, RunCommandLinesBecomeLoadLines) {
    struct Case {
        const char* data;
        const char* line;
    };
    const Case cases[] = {
        {"notepad.exe", "LOAD notepad.exe"},
        {"C:\\Tools\\Tray.exe", "LOAD c:\\tools\\tray.exe"},
        {"C:\\Program Files\\App\\App.exe", "LOAD c:\\program files\\app\\app.exe"},
        {"\"C:\\Program Files\\App\\App.exe\" /Tray -Min",
         "LOAD c:\\program files\\app\\app.exe {/Tray -Min}"},
        {"\"C:\\App\\App.exe\"", "LOAD c:\\app\\app.exe"},
        {"\"C:\\App\\App.exe", "LOAD c:\\app\\app.exe"},
        {"C:\\Tools\\Sync.EXE /Quiet", "LOAD c:\\tools\\sync.exe {/Quiet}"},
        {"  rundll32.exe shell32.dll,Control_RunDLL  ",
         "LOAD rundll32.exe {shell32.dll,Control_RunDLL}"},
        {"", "LOAD "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadLineFor(c.data), c.line) << c.data;
}

} // namespace
} // namespace qv::editor::testing
