#include "interpreter/logic/OpsSendKey.h"

#include <gtest/gtest.h>

#include <map>

namespace qv::logic {
namespace {

TEST(OpsSendKeyLine, CommaTextSplitsOnCommasAndBlanksOutsideQuotes) {
    struct Case {
        const char* text;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"\"Setup\",\"y{ENTER}\"", {"Setup", "y{ENTER}"}},
        {"\"My App\",\"say \"\"hi\"\", then\"", {"My App", "say \"hi\", then"}},
        {"Notepad,abc", {"Notepad", "abc"}},
        {"My App,abc", {"My", "App", "abc"}},
        {"\"a\" , \"b\"", {"a", "b"}},
        {"a,,b", {"a", "", "b"}},
        {"  \"open to the end", {"open to the end"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitCommaText(c.text), c.items) << c.text;
}

TEST(OpsSendKeyLine, LineGivesCaptionAndKeysCutTo255) {
    const SendKeysLine line = ParseSendKeysLine("SENDKEYS \"Setup\",\"y{ENTER}\"");
    EXPECT_EQ(line.caption, "Setup");
    EXPECT_EQ(line.keys, "y{ENTER}");
    const std::string longKeys(300, 'k');
    EXPECT_EQ(ParseSendKeysLine("SENDKEYS \"x\",\"" + longKeys + "\"").keys,
              longKeys.substr(0, 255));
    EXPECT_EQ(ParseSendKeysLine("SENDKEYS \"only\"").keys, "");
    EXPECT_EQ(ParseSendKeysLine("SENDKEYS").caption, "");
}

TEST(OpsSendKeyLine, TokenTableHasItsEntriesInOrder) {
    EXPECT_EQ(TokenTable.front().token, "CTRL");
    EXPECT_EQ(TokenTable.back().token, "DN");
    EXPECT_EQ(LookUpToken("esc"), 27);
    EXPECT_EQ(LookUpToken("PgDn"), 34);
    EXPECT_EQ(LookUpToken("L"), 37);
    EXPECT_EQ(LookUpToken("F12"), 123);
    EXPECT_FALSE(LookUpToken("F13"));
    EXPECT_FALSE(LookUpToken(""));
}

// A US-like layout: capitals and "{", "}", "@" need Shift; one character needs Ctrl+Alt.
KeyboardLayout TestLayout() {
    KeyboardLayout layout;
    layout.vkKeyScan = [](char c) -> std::int16_t {
        if (c >= 'a' && c <= 'z')
            return static_cast<std::int16_t>(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z')
            return static_cast<std::int16_t>(0x100 | c);
        const std::map<char, std::int16_t> others = {{'@', 0x132}, {'{', 0x1DB}, {'}', 0x1DD},
                                                     {'^', 0x136}, {'~', 0x1C0}, {'\x80', 0x645}};
        const auto found = others.find(c);
        return found == others.end() ? std::int16_t{-1} : found->second;
    };
    layout.mapVirtualKey = [](std::uint32_t vk) -> std::uint32_t {
        const std::map<std::uint32_t, std::uint32_t> scans = {
            {16, 0x2A},  {17, 0x1D},  {18, 0x38},  {27, 0x01},  {13, 0x1C},  {46, 0xE053},
            {'A', 0x1E}, {'B', 0x30}, {'E', 0x12}, {'F', 0x21}, {0xDB, 0x1A}};
        const auto found = scans.find(vk);
        return found == scans.end() ? 0x10 : found->second;
    };
    return layout;
}

constexpr std::uint32_t Up = KeyEventKeyUp;
constexpr std::uint32_t Ext = KeyEventExtendedKey;

struct Sent {
    std::vector<KeyEvent> events;
    SendResult result;
};

Sent Send(std::string_view keys, bool tokensOnly = false) {
    Sent sent;
    sent.result = SendKeyText(keys, TestLayout(), tokensOnly,
                              [&](const KeyEvent& event) { sent.events.push_back(event); });
    return sent;
}

TEST(OpsSendKeyText, ModifiersAndNamedKeysMakeTheseEvents) {
    // Only keys of the extended cluster are flagged extended (Delete here); Alt, Shift and
    // letters are not, so Alt is the left Alt and never AltGr.
    const KeyEvent altDown{18, 0x38, 0}, altUp{18, 0x38, Up};
    const KeyEvent fDown{'F', 0x21, 0}, fUp{'F', 0x21, Up};
    struct Case {
        const char* keys;
        std::vector<KeyEvent> events;
    };
    const Case cases[] = {
        {"^{ESC}", {{17, 0x1D, 0}, {27, 0x01, 0}, {27, 0x01, Up}, {17, 0x1D, Up}}},
        {"{ALT}f", {altDown, fDown, fUp, altUp}},
        {"@f", {altDown, fDown, fUp, altUp}},
        // A lower-case modifier name is an ordinary key: Alt goes down and up alone.
        {"{alt}f", {altDown, altUp, fDown, fUp}},
        {"A", {{16, 0x2A, 0}, {'A', 0x1E, 0}, {'A', 0x1E, Up}, {16, 0x2A, Up}}},
        // A pending Shift and the extra Shift of the key's own state both press it.
        {"~a",
         {{16, 0x2A, 0},
          {16, 0x2A, 0},
          {'A', 0x1E, 0},
          {'A', 0x1E, Up},
          {16, 0x2A, Up},
          {16, 0x2A, Up}}},
        // Ctrl+Alt from the layout's shift state 6.
        {"\x80",
         {{17, 0x1D, 0},
          {18, 0x38, 0},
          {'E', 0x12, 0},
          {'E', 0x12, Up},
          {17, 0x1D, Up},
          {18, 0x38, Up}}},
        {"{CTRL}{del}", {{17, 0x1D, 0}, {46, 0x53, Ext}, {46, 0x53, Ext | Up}, {17, 0x1D, Up}}},
        // Modifiers apply to the next key only.
        {"^ab",
         {{17, 0x1D, 0},
          {'A', 0x1E, 0},
          {'A', 0x1E, Up},
          {17, 0x1D, Up},
          {'B', 0x30, 0},
          {'B', 0x30, Up}}},
        {"{", {{16, 0x2A, 0}, {0xDB, 0x1A, 0}, {0xDB, 0x1A, Up}, {16, 0x2A, Up}}},
    };
    for (const Case& c : cases) {
        const Sent sent = Send(c.keys);
        EXPECT_FALSE(sent.result.fault) << c.keys;
        EXPECT_EQ(sent.events, c.events) << c.keys;
    }
}

TEST(OpsSendKeyText, FaultsEndTheTypingWhereTheyStand) {
    struct Case {
        const char* keys;
        const char* fault;
        std::size_t eventsBefore;
    };
    const Case cases[] = {
        {"ab{ENTER", "No Closing brackets", 4},
        {"{ENTERX}", "Invalid token", 0},
        {"{LONGNAME}", "No Closing brackets", 0},
        {"{ABCDEFG}", "Invalid token", 0},
        {"{}", "Invalid token", 0},
        {"a}", "Invalid token", 2},
        {"^{NOPE}", "Invalid token", 0},
    };
    for (const Case& c : cases) {
        const Sent sent = Send(c.keys);
        EXPECT_EQ(sent.result.fault, c.fault) << c.keys;
        EXPECT_EQ(sent.events.size(), c.eventsBefore) << c.keys;
        EXPECT_EQ(KeyTextFault(c.keys), c.fault) << c.keys;
    }
    EXPECT_FALSE(KeyTextFault("y{ENTER}"));
    EXPECT_EQ(
        SendKeysFaultEntry("Invalid token", {"C:\\c.qvc", 9, "SENDKEYS \"a\",\"{X}\""}),
        "Invalid token In Script File : C:\\c.qvc\r\n\t Line : 9 'SENDKEYS \"a\",\"{X}\"'\r\n");
}

TEST(OpsSendKeyText, LoneBracesAndTokensOnlyAreTyped) {
    EXPECT_EQ(Send("}").events.size(), 4u);
    EXPECT_FALSE(Send("}").result.fault);
    const Sent typed = Send("a@b", true);
    EXPECT_FALSE(typed.result.fault);
    ASSERT_EQ(typed.events.size(), 8u); // a, then Shift+2 for "@", then b
    EXPECT_EQ(typed.events[0].virtualKey, 'A');
    EXPECT_EQ(typed.events[3].virtualKey, 0x32);
    EXPECT_EQ(typed.events[6].virtualKey, 'B');
    EXPECT_EQ(Send("").result.result, -1);
    EXPECT_EQ(Send("a").result.result, 0);
}

TEST(OpsSendKeyText, TheLogCountsKeysWithoutShowingThem) {
    const struct {
        const char* keys;
        std::size_t count;
    } cases[] = {
        {"", 0},       {"abc", 3},    {"^{ESC}", 1}, {"@f", 1},
        {"{alt}f", 1}, {"{ENTER", 0}, {"pw{X}", 2},  {"p@ss w~rd{TAB}", 8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeyCount(c.keys), c.count) << c.keys;
    EXPECT_EQ(SendKeysLogText("SENDKEYS \"Bank Logon\",\"secret{ENTER}\""),
              "SENDKEYS \"Bank Logon\", 7 keys");
    EXPECT_EQ(SendKeysLogText("SENDKEYS \"x\",\"y\""), "SENDKEYS \"x\", 1 key");
}

} // namespace
} // namespace qv::logic
