#include "language/CompiledScript.h"

#include "language/Diamond.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#ifdef _WIN32
#include <windows.h>
#endif

namespace qv {
namespace {

using Lines = std::vector<std::string>;

// Builds the older scrambled form: key character, then the text last character first.
std::string LegacyEncode(std::string_view plain, unsigned char key) {
    std::string line(1, static_cast<char>(key));
    for (std::size_t i = plain.size(); i-- > 0;) {
        int code = static_cast<unsigned char>(plain[i]) + key;
        if (code > 255)
            code -= 255;
        line += static_cast<char>(code);
    }
    return line;
}

class CompiledScriptTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { cipher = new TDiamond(ScriptKey); }
    static void TearDownTestSuite() { delete cipher; }
    static TDiamond* cipher;
};
TDiamond* CompiledScriptTest::cipher = nullptr;

TEST_F(CompiledScriptTest, PlainTextHasTheHeaderAndCheckNumber) {
    EXPECT_EQ(BuildPlainScript({"WAIT 5", "LOAD c:\\tools\\app.exe"}),
              " - 7029~;~Dev2378~;~Ver@0002~;~~:~WAIT 5~:~LOAD c:\\tools\\app.exe~:~");
    EXPECT_EQ(BuildPlainScript({}), " - 0~;~Dev2378~;~Ver@0002~;~~:~");
}

TEST_F(CompiledScriptTest, SwitchesLineIsLeftOutOnlyWhenExact) {
    EXPECT_EQ(SplitScript(BuildPlainScript({"Switches : 1", "Switches : 2", " Switches : 1"})),
              (Lines{" - 6603~;~Dev2378~;~Ver@0002~;~", "Switches : 2", " Switches : 1", ""}));
}

TEST_F(CompiledScriptTest, SplitKeepsTheFinalElement) {
    EXPECT_EQ(SplitScript("a~:~b~:~"), (Lines{"a", "b", ""}));
    EXPECT_EQ(SplitScript("a~:~b"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitScript(""), (Lines{""}));
    EXPECT_EQ(SplitScript("~:~~:~"), (Lines{"", "", ""}));
}

TEST_F(CompiledScriptTest, HeaderRules) {
    struct Case {
        const char* header;
        HeaderStatus status;
        int version;
    };
    const Case cases[] = {
        {" - 0~;~Dev2378~;~Ver@0002~;~", HeaderStatus::Valid, 2},
        {" - 0~;~Dev2378~;~Ver@0001~;~", HeaderStatus::Valid, 1},
        {"Dev2378", HeaderStatus::Valid, 0},
        {" - 0~;~Dev2378~;~Ver@0003~;~", HeaderStatus::NewerVersion, 3},
        {" - 0~;~Dev2378~;~Ver@9999", HeaderStatus::NewerVersion, 9999},
        {"Ver@0009 Dev2378", HeaderStatus::Valid, 0}, // a field at the first character is not read
        {" - 0~;~Dev2379~;~Ver@0002~;~", HeaderStatus::Invalid, 0},
        {" - 0~;~Dev2378~;~Ver@00x2~;~", HeaderStatus::Invalid, 0},
        {" - 0~;~Dev2378~;~Ver@ 002~;~", HeaderStatus::Invalid, 0},
        {" - 0~;~Dev2378~;~Ver@-001~;~", HeaderStatus::Invalid, 0},
        {" - 0~;~Dev2378~;~Ver@02", HeaderStatus::Invalid, 0},
    };
    for (const Case& c : cases) {
        const HeaderCheckResult result = CheckHeader({c.header, ""});
        EXPECT_EQ(result.status, c.status) << c.header;
        if (c.status != HeaderStatus::Invalid) {
            EXPECT_EQ(result.version, c.version) << c.header;
        }
    }
    EXPECT_EQ(CheckHeader({}).status, HeaderStatus::Invalid);
}

TEST_F(CompiledScriptTest, CompiledTextReadsBackToTheSameLines) {
    const Lines source = {"WAIT 5", "LOAD c:\\tools\\app.exe {-q} [min]", "",
                          "; note", "COPY \"c:\\a b\\*.*\" > d:\\x /ON",  "\xe9t\xe9"};
    const std::string file = CompileScriptText(source, *cipher) + "\r\n";
    ASSERT_EQ(file.find_first_of("\0\n", 0, 2), file.size() - 1);
    const ReadResult read = ReadCompiledScript(file, *cipher);
    ASSERT_EQ(read.status, ReadResult::Status::Ok);
    Lines expected = {" - " + std::to_string(93 * 213) + "~;~Dev2378~;~Ver@0002~;~"};
    expected.insert(expected.end(), source.begin(), source.end());
    expected.push_back("");
    EXPECT_EQ(read.lines, expected);
}

TEST_F(CompiledScriptTest, FileFromSourceTextEndsWithItsLineEndAndReadsBack) {
    const std::string source = "WAIT 5\r\nSwitches : 1\n\rLOAD a.exe\rlast";
    const std::string file = CompiledFileBytes(source, *cipher);
    ASSERT_GE(file.size(), 3u);
    EXPECT_EQ(file.substr(file.size() - 3), ".\r\n");
    EXPECT_EQ(ReadCompiledScript(file, *cipher).lines,
              (Lines{" - " + std::to_string(32 * 213) + "~;~Dev2378~;~Ver@0002~;~", "WAIT 5", "",
                     "LOAD a.exe", "last", ""}));
}

// Only the text up to the first "." is deciphered, whatever follows it; a line break before it
// is part of the text and spoils it.
TEST_F(CompiledScriptTest, LineEndsAfterTheTextDoNotMatter) {
    const std::string text = CompileScriptText({"WAIT 1"}, *cipher);
    const Lines expected{" - 1917~;~Dev2378~;~Ver@0002~;~", "WAIT 1", ""};
    for (std::string_view tail : {"", "\r\n", "\n", "\r", "\r\n\r\nrest\r\n"})
        EXPECT_EQ(ReadCompiledScript(text + std::string(tail), *cipher).lines, expected)
            << tail.size();
    const std::string broken = text.substr(0, 10) + "\r\n" + text.substr(10);
    EXPECT_EQ(ReadCompiledScript(broken, *cipher).status, ReadResult::Status::Invalid);
}

TEST_F(CompiledScriptTest, TwoCompilationsDifferButReadTheSame) {
    const std::string a = EncodeText(cipher->EncryptString(BuildPlainScript({"WAIT 1"}), 10));
    const std::string b = EncodeText(cipher->EncryptString(BuildPlainScript({"WAIT 1"}), 11));
    EXPECT_NE(a, b);
    EXPECT_EQ(ReadCompiledScript(a, *cipher).lines, ReadCompiledScript(b, *cipher).lines);
}

TEST_F(CompiledScriptTest, EmptyScriptReadsAsHeaderAndOneEmptyElement) {
    const ReadResult read = ReadCompiledScript(CompileScriptText({}, *cipher), *cipher);
    ASSERT_EQ(read.status, ReadResult::Status::Ok);
    EXPECT_EQ(read.lines, (Lines{" - 0~;~Dev2378~;~Ver@0002~;~", ""}));
}

TEST_F(CompiledScriptTest, NewerVersionIsReportedWithItsNumber) {
    const std::string plain = " - 0~;~Dev2378~;~Ver@0003~;~~:~WAIT 1~:~";
    const ReadResult read =
        ReadCompiledScript(EncodeText(cipher->EncryptString(plain, 0)), *cipher);
    EXPECT_EQ(read.status, ReadResult::Status::NewerVersion);
    EXPECT_EQ(read.version, 3);
    EXPECT_TRUE(read.lines.empty());
}

TEST_F(CompiledScriptTest, LegacyFormIsReadFirst) {
    const std::string plain = " - 1~;~Dev2378~;~Ver@0001~;~~:~WAIT 2~:~LOAD x.exe~:~";
    int tried = 0;
    for (int key = 1; key <= 255; ++key) {
        const std::string line = LegacyEncode(plain, static_cast<unsigned char>(key));
        if (line.find_first_of("\r\n") != std::string::npos)
            continue; // such a key would have split the file's one line
        ++tried;
        EXPECT_EQ(LegacyDecode(line), plain) << int(key);
        const ReadResult read = ReadCompiledScript(line + "\r\n", *cipher);
        ASSERT_EQ(read.status, ReadResult::Status::Ok) << int(key);
        EXPECT_EQ(read.lines, (Lines{" - 1~;~Dev2378~;~Ver@0001~;~", "WAIT 2", "LOAD x.exe", ""}));
    }
    EXPECT_GT(tried, 200);
    EXPECT_EQ(LegacyDecode(""), "");
    EXPECT_EQ(LegacyDecode("A"), "");
    // Codes at or below the key wrap round by 255.
    EXPECT_EQ(LegacyDecode(std::string("\x10\x05", 2)), std::string(1, char(244)));
}

TEST_F(CompiledScriptTest, DamagedFilesAreInvalid) {
    const std::string good = CompileScriptText({"WAIT 5"}, *cipher);
    const std::string cases[] = {
        "",
        "\r\n",
        ".",
        good.substr(0, good.size() / 2),
        good.substr(0, good.size() - 5) + ".",
        "not a script at all",
        std::string(1000, '\xff'),
        EncodeText(cipher->EncryptString("no marker~:~WAIT 1~:~", 0)),
    };
    for (const std::string& file : cases)
        EXPECT_EQ(ReadCompiledScript(file, *cipher).status, ReadResult::Status::Invalid) << file;
}

// Every character of a compiled six-line script changed in turn, to its alphabet neighbour and
// to a character outside the alphabet: each variant is either refused or reads exactly as the
// original (a change after the closing "." or in bits a short last group does not use).
TEST_F(CompiledScriptTest, AFileChangedAtAnyOnePositionIsRefusedOrReadsUnchanged) {
    const Lines source = {"NO F5",
                          "WAIT FOR LOAD 5",
                          "LOAD C:\\TOOLS\\SYNC.EXE {/QUIET} [MIN]",
                          "COPY C:\\DATA>D:\\BACKUP /ON",
                          "RUN C:\\SCRIPTS\\EXTRA.QVC",
                          "SHUTDOWN"};
    const std::string file = CompileScriptText(source, *cipher) + "\r\n";
    const LineList original = ReadCompiledScript(file, *cipher).lines;
    ASSERT_EQ(original.size(), source.size() + 2);
    const std::string_view alphabet =
        "23456789ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz~#%&*+-";
    for (std::size_t at = 0; at < file.size(); ++at) {
        const std::size_t index = alphabet.find(file[at]);
        const char neighbour =
            index == std::string_view::npos ? 'A' : alphabet[(index + 1) % alphabet.size()];
        for (const char replacement : {neighbour, '!'}) {
            std::string damaged = file;
            damaged[at] = replacement;
            const ReadResult read = ReadCompiledScript(damaged, *cipher);
            if (read.status == ReadResult::Status::Invalid)
                continue;
            EXPECT_EQ(read.status, ReadResult::Status::Ok) << at;
            EXPECT_EQ(read.lines, original) << "position " << at << ": " << replacement;
        }
    }
}

TEST_F(CompiledScriptTest, CompiledPathReplacesTheLastFourCharacters) {
    EXPECT_EQ(CompiledPathFor("c:\\scripts\\office.qvs"), "c:\\scripts\\office.qvc");
    EXPECT_EQ(CompiledPathFor("abc"), ".qvc");
}

TEST_F(CompiledScriptTest, FilesAreWrittenAtomicallyAndReadBack) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("qv-compiled-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    const std::string src = (dir / "office.qvs").string();
    std::ofstream(src, std::ios::binary) << "WAIT 5\r\nSwitches : 1\r\nLOAD a.exe\r\n";
    const std::string out = CompiledPathFor(src);
    std::ofstream(out, std::ios::binary) << "old";
    ASSERT_TRUE(CompileScript(src, out, *cipher).ok);
    const ReadResult read = LoadCompiledScript(out, *cipher);
    ASSERT_EQ(read.status, ReadResult::Status::Ok);
    EXPECT_EQ(read.lines.size(), 4u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);

    EXPECT_FALSE(CompileScript((dir / "missing.qvs").string(), out, *cipher).ok);
    EXPECT_FALSE(CompileScript(src, (dir / "no" / "such" / "x.qvc").string(), *cipher).ok);
    EXPECT_EQ(LoadCompiledScript(out, *cipher).status, ReadResult::Status::Ok);
    EXPECT_EQ(LoadCompiledScript((dir / "missing.qvc").string(), *cipher).status,
              ReadResult::Status::Invalid);
    std::filesystem::remove_all(dir);
}

// A script an administrator protected or hid stays so after the next compile; a new file gets the
// usual mode.
TEST_F(CompiledScriptTest, ReplacingKeepsTheTargetsPermissionsAndAttributes) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("qv-replace-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    const std::string target = (dir / "office.qvc").string();
    std::ofstream(target, std::ios::binary) << "old";
#ifdef _WIN32
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
#else
    std::filesystem::permissions(target, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write |
                                             std::filesystem::perms::group_read);
#endif
    ASSERT_TRUE(ReplaceFileAtomically(target, "new contents").ok);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(target, bytes).ok);
    EXPECT_EQ(bytes, "new contents");
#ifdef _WIN32
    EXPECT_TRUE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN);
#else
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
#endif
    // Only the target is left: no temporary or backup file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);

    const std::string fresh = (dir / "fresh.qvc").string();
    ASSERT_TRUE(ReplaceFileAtomically(fresh, "x").ok);
#ifndef _WIN32
    EXPECT_TRUE((std::filesystem::status(fresh).permissions() &
                 std::filesystem::perms::owner_read) != std::filesystem::perms::none);
#endif
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace qv

namespace qv {
namespace {

// Pins the file format: the two-line script WAIT 5, LOAD c:\tools\app.exe, enciphered with a
// fixed tick count. Any change here means files written earlier would no longer read, or ours
// would not read elsewhere.
TEST(CompiledScriptFormat, KnownFileForAFixedTickCount) {
    const TDiamond cipher(ScriptKey);
    TDiamond::Block zero{};
    const TDiamond::Block block = cipher.EncryptBlock(zero);
    EXPECT_EQ(EncodeText(std::string(block.begin(), block.end())),
              EncodeText("\x55\xce\xee\x99\x30\x0e\xa0\x53\x7e\x27\x9f\x7a\xe5\x0f\xb6\x3d"));
    const std::string file = "sMZDCNYLi-PSpBiS9n~cM5+jKiEVPmrxU5EuiidiZARqN*Sk4AybPtdqip-"
                             "YyTLcuoyaJzD%gDFrATRA-+oJUcXbPjm*"
                             "NRkn-Ex~A5~SSQVrgcTweByp5EaASMQ6igjr.";
    EXPECT_EQ(EncodeText(cipher.EncryptString(
                  BuildPlainScript({"WAIT 5", "LOAD c:\\tools\\app.exe"}), 0x01020304)),
              file);
    EXPECT_EQ(
        ReadCompiledScript(file + "\r\n", cipher).lines,
        (LineList{" - 7029~;~Dev2378~;~Ver@0002~;~", "WAIT 5", "LOAD c:\\tools\\app.exe", ""}));
}

} // namespace
} // namespace qv
