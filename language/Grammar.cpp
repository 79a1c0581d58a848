#include "language/Grammar.h"

#include "language/Text.h"

#include <algorithm>

namespace qv {

namespace {

std::string_view From(std::string_view text, std::size_t start) {
    return start < text.size() ? text.substr(start) : std::string_view();
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A well-formed group of another kind than arguments starting at `at`: its closing mark's
// position, or npos.
std::size_t ClosedGroupEnd(std::string_view text, std::size_t at) {
    const char open = text[at];
    const char close = open == '[' ? ']' : open == '<' ? '>' : open == '(' ? ')' : '\0';
    if (close == '\0')
        return std::string_view::npos;
    const std::size_t end = text.find(close, at + 1);
    if (end == std::string_view::npos)
        return end;
    const std::string_view body = text.substr(at + 1, end - at - 1);
    const bool wellFormed = open == '['   ? IsWindowWord(body)
                            : open == '<' ? IsConditionsText(body)
                                          : IsTimeWindowText(body);
    return wellFormed ? end : std::string_view::npos;
}

// Where the unquoted path of a LOAD argument ends: at "{" or at a well-formed group.
std::size_t UnquotedPathEnd(std::string_view rest) {
    for (std::size_t i = 0; i < rest.size(); ++i)
        if (rest[i] == '{' || ClosedGroupEnd(rest, i) != std::string_view::npos)
            return i;
    return rest.size();
}

std::size_t LoadKeywordLength(std::string_view line, bool& wait) {
    const std::string upper = UpperCase(line.substr(0, KeywordText(Keyword::LoadAndWait).size()));
    wait = upper == KeywordText(Keyword::LoadAndWait);
    // "LOAD AND WAIT" is tested without its blank; its argument starts after the blank.
    return wait ? KeywordText(Keyword::LoadAndWait).size() + 1 : KeywordText(Keyword::Load).size();
}

} // namespace

std::string_view ArgumentOf(std::string_view line, Keyword keyword) {
    return From(line, KeywordText(keyword).size());
}

bool IsWindowWord(std::string_view word) {
    const std::string upper = UpperCase(word);
    return upper == "MIN" || upper == "MAX" || upper == "HIDE";
}

bool IsConditionsText(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return c == 'R' || c == 'r' || (c >= '1' && c <= '7');
    });
}

bool IsTimeWindowText(std::string_view text) {
    return text.size() == 8 && std::all_of(text.begin(), text.end(), IsDigit);
}

ParsedLoad ParseLoad(std::string_view line) {
    ParsedLoad parsed;
    LoadFields& fields = parsed.fields;
    LoadSpans& spans = parsed.spans;
    const std::size_t restStart = std::min(LoadKeywordLength(line, fields.wait), line.size());
    spans.keyword = {0, fields.wait ? KeywordText(Keyword::LoadAndWait).size()
                                    : KeywordText(Keyword::Load).size() - 1};
    const std::string_view rest = line.substr(restStart);

    std::size_t tail = 0;
    if (!rest.empty() && rest.front() == '"' && rest.find('"', 1) != std::string_view::npos) {
        const std::size_t close = rest.find('"', 1);
        fields.path = std::string(rest.substr(1, close - 1));
        fields.pathQuoted = true;
        spans.path = {restStart + 1, close - 1};
        tail = close + 1;
    } else {
        tail = UnquotedPathEnd(rest);
        fields.path = TrimRight(rest.substr(0, tail));
        spans.path = {restStart, fields.path.size()};
    }

    for (std::size_t i = tail; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '{') {
            // Without its "}" the group holds no arguments and takes the rest of the line.
            const std::size_t close = rest.find('}', i + 1);
            const bool closed = close != std::string_view::npos;
            if (!spans.arguments) {
                const std::size_t length = closed ? close - i - 1 : 0;
                fields.arguments = std::string(rest.substr(i + 1, length));
                fields.hasArguments = true;
                spans.arguments = Span{restStart + i + 1, length};
                if (!closed)
                    spans.strayMarks.push_back(restStart + i);
            }
            if (!closed)
                break;
            i = close;
            continue;
        }
        if (c != '[' && c != '<' && c != '(')
            continue;
        const std::size_t close = ClosedGroupEnd(rest, i);
        if (close == std::string_view::npos) {
            spans.strayMarks.push_back(restStart + i);
            continue;
        }
        const Span span{restStart + i + 1, close - i - 1};
        const std::string body(rest.substr(i + 1, close - i - 1));
        std::optional<Span>& slot = c == '['   ? spans.windowWord
                                    : c == '<' ? spans.conditions
                                               : spans.timeWindow;
        std::string& field = c == '['   ? fields.windowWord
                             : c == '<' ? fields.conditions
                                        : fields.timeWindow;
        if (!slot) {
            slot = span;
            field = body;
        }
        i = close;
    }
    return parsed;
}

std::string BuildLoad(const LoadFields& fields, LoadLayout layout) {
    std::string line(fields.wait ? "LOAD AND WAIT " : KeywordText(Keyword::Load));
    const bool quote = fields.pathQuoted || UnquotedPathEnd(fields.path) != fields.path.size() ||
                       TrimRight(fields.path).size() != fields.path.size() ||
                       (!fields.path.empty() && fields.path.front() == '"');
    // Appended piece by piece: mingw's g++ warns falsely (-Wrestrict) on "x" + text + "y".
    const auto group = [&line](char open, const std::string& body, std::string_view close) {
        line += open;
        line += body;
        line += close;
    };
    if (quote)
        group('"', fields.path, "\"");
    else
        line += fields.path;
    if (fields.hasArguments || !fields.arguments.empty()) {
        line += ' ';
        group('{', fields.arguments, "}");
    }
    line += ' ';
    if (!fields.windowWord.empty())
        group('[', fields.windowWord, layout == LoadLayout::Edit ? "] " : "]");
    if (!fields.conditions.empty())
        group('<', fields.conditions, "> ");
    if (!fields.timeWindow.empty())
        group('(', fields.timeWindow, ") ");
    return Trim(line);
}

std::string LoadConditions(bool runOnce, std::string_view days) {
    std::string text = runOnce ? "R" : "";
    return text + LoadConditionsDays(days);
}

bool LoadConditionsRunOnce(std::string_view conditions) {
    return Contains(UpperCase(conditions), "R");
}

std::string LoadConditionsDays(std::string_view conditions) {
    std::string days;
    for (char day = '1'; day <= '7'; ++day)
        if (conditions.find(day) != std::string_view::npos)
            days += day;
    return days;
}

std::string_view PathFileName(std::string_view path) {
    const std::size_t cut = path.find_last_of("\\/:");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

const std::array<CopySwitch, 5> CopySwitchTable = {{
    {"/ON", &CopySwitches::onlyNewer},
    {"/DNO", &CopySwitches::doNotOverwrite},
    {"/CIE", &CopySwitches::confirmIfExists},
    {"/DNCS", &CopySwitches::noSubfolders},
    {"/ORO", &CopySwitches::overwriteReadOnly},
}};

CopyFields ParseCopy(std::string_view line) {
    CopyFields fields;
    const std::size_t separator = line.find('>');
    if (separator == std::string_view::npos)
        return fields;
    fields.hasSeparator = true;
    const std::size_t sourceStart = KeywordText(Keyword::Copy).size();
    if (separator > sourceStart)
        fields.source = Trim(line.substr(sourceStart, separator - sourceStart));
    std::string destination(line.substr(separator + 1));
    for (const CopySwitch& item : CopySwitchTable) {
        if (!Contains(line, item.text))
            continue;
        fields.switches.*item.flag = true;
        const std::size_t at = destination.find(item.text);
        if (at != std::string::npos && at > 0)
            destination.erase(at - 1, item.text.size() + 1);
    }
    fields.destination = Trim(destination);
    return fields;
}

std::string BuildCopy(const CopyFields& fields) {
    std::string line(KeywordText(Keyword::Copy));
    line += fields.source + ">" + fields.destination;
    for (const CopySwitch& item : CopySwitchTable)
        if (fields.switches.*item.flag) {
            line += ' ';
            line += item.text;
        }
    return Trim(line);
}

RenameFields ParseRename(std::string_view line) {
    RenameFields fields;
    const std::size_t separator = line.find('>');
    if (separator == std::string_view::npos)
        return fields;
    fields.hasSeparator = true;
    const std::size_t start = KeywordText(Keyword::Rename).size();
    if (separator > start)
        fields.oldName = std::string(line.substr(start, separator - start));
    fields.newName = std::string(line.substr(separator + 1));
    return fields;
}

std::string BuildRename(const RenameFields& fields) {
    return std::string(KeywordText(Keyword::Rename)) + fields.oldName + ">" + fields.newName;
}

DelFields ParseDel(std::string_view line) {
    return {Trim(ArgumentOf(line, Keyword::Del))};
}

std::string BuildDel(const DelFields& fields) {
    return std::string(KeywordText(Keyword::Del)) + fields.paths;
}

std::string MarkedText(std::string_view text, char open, char close) {
    const std::size_t first = text.find(open);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find(close);
    if (last == std::string_view::npos || last <= first)
        return {};
    return std::string(text.substr(first + 1, last - first - 1));
}

NetFields ParseNet(std::string_view line) {
    return {MarkedText(line, '{', '}'), MarkedText(line, '[', ']')};
}

std::string BuildNet(Keyword keyword, const NetFields& fields) {
    return std::string(KeywordText(keyword)) + "{" + fields.local + "} [" + fields.remote + "]";
}

DesktopFields ParseDesktop(std::string_view line) {
    DesktopFields fields;
    const std::string_view argument = ArgumentOf(line, Keyword::Desktop);
    const std::size_t mark = UpperCase(argument).find(RandomMark);
    fields.random = mark != std::string::npos;
    fields.path = std::string(fields.random ? argument.substr(mark + RandomMark.size()) : argument);
    return fields;
}

std::string BuildDesktop(const DesktopFields& fields) {
    return std::string(KeywordText(Keyword::Desktop)) +
           (fields.random ? std::string(RandomMark) : std::string()) + fields.path;
}

ArgumentFields ParseArgumentLine(std::string_view line) {
    ArgumentFields fields;
    const std::optional<Keyword> keyword = MatchKeyword(UpperCase(line));
    if (keyword)
        fields.keyword = *keyword;
    fields.argument = std::string(keyword ? ArgumentOf(line, *keyword) : line);
    return fields;
}

std::string BuildArgumentLine(const ArgumentFields& fields) {
    return std::string(KeywordText(fields.keyword)) + fields.argument;
}

namespace {

struct PlacementWord {
    std::string_view word;
    Placement placement;
};

// In test order: the two-word positions before the single words they contain.
constexpr std::array<PlacementWord, 17> PlacementWords = {{
    {"TOP CENTER", Placement::TopCenter},
    {"TOP CENTRE", Placement::TopCenter},
    {"BOTTOM CENTER", Placement::BottomCenter},
    {"BOTTOM CENTRE", Placement::BottomCenter},
    {"CENTER LEFT", Placement::CenterLeft},
    {"CENTRE LEFT", Placement::CenterLeft},
    {"CENTER RIGHT", Placement::CenterRight},
    {"CENTRE RIGHT", Placement::CenterRight},
    {"CENTER", Placement::Center},
    {"CENTRE", Placement::Center},
    {"TOP LEFT", Placement::TopLeft},
    {"TOP RIGHT", Placement::TopRight},
    {"BOTTOM RIGHT", Placement::BottomRight},
    {"BOTTOM LEFT", Placement::BottomLeft},
    {"MINI", Placement::Mini},
    {"HIDE", Placement::Hide},
    {"SHOW", Placement::Show},
}};

} // namespace

std::optional<Placement> FindPlacement(std::string_view argument) {
    const std::string upper = UpperCase(argument);
    for (const PlacementWord& entry : PlacementWords)
        if (Contains(upper, entry.word))
            return entry.placement;
    return std::nullopt;
}

std::optional<Placement> ParseLocate(std::string_view line) {
    return FindPlacement(ArgumentOf(line, Keyword::Locate));
}

std::string BuildLocate(std::string_view vertical, std::string_view horizontal) {
    std::string line(KeywordText(Keyword::Locate));
    line += vertical;
    if (!horizontal.empty()) {
        line += ' ';
        line += horizontal;
    }
    return line;
}

std::vector<std::string> SplitCommaText(std::string_view text) {
    std::vector<std::string> items;
    std::size_t i = 0;
    const std::size_t n = text.size();
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto skipBlanks = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    while (i < n) {
        std::string item;
        if (text[i] == '"') {
            ++i;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            const std::size_t start = i;
            while (i < n && !isBlank(text[i]) && text[i] != ',')
                ++i;
            item = text.substr(start, i - start);
        }
        items.push_back(std::move(item));
        skipBlanks();
        if (i < n && text[i] == ',') {
            ++i;
            skipBlanks();
        }
    }
    return items;
}

SendKeysFields ParseSendKeys(std::string_view line) {
    const std::vector<std::string> items = SplitCommaText(ArgumentOf(line, Keyword::SendKeys));
    SendKeysFields fields;
    if (!items.empty())
        fields.title = items[0];
    if (items.size() > 1)
        fields.keys = items[1];
    return fields;
}

namespace {
std::string QuotedItem(std::string_view text) {
    std::string item = "\"";
    for (char c : text)
        item += c == '"' ? std::string("\"\"") : std::string(1, c);
    return item + "\"";
}
} // namespace

std::string BuildSendKeys(const SendKeysFields& fields) {
    return std::string(KeywordText(Keyword::SendKeys)) + QuotedItem(fields.title) + "," +
           QuotedItem(fields.keys);
}

LockFields ParseLock(std::string_view line) {
    LockFields fields;
    const std::string upper = UpperCase(line);
    if (const std::optional<Keyword> keyword = MatchKeyword(upper))
        fields.keyword = *keyword;
    const std::string_view argument = ArgumentOf(upper, fields.keyword);
    fields.f5 = Contains(argument, "F5");
    fields.f8 = Contains(argument, "F8");
    fields.quit = Contains(argument, "QUIT");
    return fields;
}

std::string BuildLock(const LockFields& fields) {
    std::string line(KeywordText(fields.keyword));
    bool first = true;
    for (const auto& [on, word] :
         {std::pair{fields.f5, "F5"}, std::pair{fields.f8, "F8"}, std::pair{fields.quit, "QUIT"}}) {
        if (!on)
            continue;
        if (!first)
            line += ", ";
        line += word;
        first = false;
    }
    return Trim(line);
}

DateFields ParseDate(std::string_view line) {
    DateFields fields;
    const std::string_view argument = ArgumentOf(line, Keyword::Date);
    fields.today = UpperCase(argument) == "TODAY";
    if (!fields.today)
        fields.date = std::string(argument);
    return fields;
}

std::string BuildDate(const DateFields& fields) {
    return std::string(KeywordText(Keyword::Date)) + (fields.today ? "TODAY" : fields.date);
}

RunFields ParseRun(std::string_view line) {
    return {std::string(ArgumentOf(line, Keyword::Run))};
}

std::string BuildRun(const RunFields& fields) {
    return std::string(KeywordText(Keyword::Run)) + fields.path;
}

SwitchFields ParseSwitch(std::string_view line) {
    SwitchFields fields;
    if (const std::optional<Keyword> keyword = MatchKeyword(UpperCase(line)))
        fields.keyword = *keyword;
    fields.on = UpperCase(ArgumentOf(line, fields.keyword)) == "ON";
    return fields;
}

std::string BuildSwitch(const SwitchFields& fields) {
    return std::string(KeywordText(fields.keyword)) + (fields.on ? "ON" : "OFF");
}

namespace {
// Both MENU ITEM's title and MENU DEFAULT's seconds start at the line's 13th character.
constexpr std::size_t MenuArgumentStart = 12;
} // namespace

MenuItemFields ParseMenuItem(std::string_view line) {
    MenuItemFields fields;
    const std::string_view rest = ArgumentOf(line, Keyword::MenuItem);
    fields.number = std::string(rest.substr(0, rest.find_first_of(" ,")));
    const std::size_t comma = line.find(',');
    fields.hasComma = comma != std::string_view::npos;
    if (!fields.hasComma) {
        fields.title = std::string(From(line, MenuArgumentStart));
    } else {
        if (comma > MenuArgumentStart)
            fields.title = std::string(line.substr(MenuArgumentStart, comma - MenuArgumentStart));
        fields.command = std::string(line.substr(comma + 1));
    }
    return fields;
}

std::string BuildMenuItem(int number, std::string_view title, std::string_view command) {
    return std::string(KeywordText(Keyword::MenuItem)) + std::to_string(number) + " " +
           std::string(title) + "," + std::string(command);
}

std::optional<int> MenuItemNumber(const MenuItemFields& fields) {
    if (fields.number.size() != 1 || fields.number[0] < '1' || fields.number[0] > '9')
        return std::nullopt;
    return fields.number[0] - '0';
}

std::string ParseMenuDefault(std::string_view line) {
    return std::string(From(line, MenuArgumentStart));
}

std::string BuildMenuDefault(int seconds) {
    return std::string(KeywordText(Keyword::MenuDefault)) + std::to_string(seconds);
}

SetFields ParseSet(std::string_view line) {
    SetFields fields;
    const std::string_view argument = ArgumentOf(line, Keyword::Set);
    const std::size_t equals = argument.find('=');
    fields.hasEquals = equals != std::string_view::npos;
    if (!fields.hasEquals) {
        fields.value = std::string(argument);
    } else {
        fields.name = std::string(argument.substr(0, equals));
        fields.value = std::string(argument.substr(equals + 1));
    }
    return fields;
}

std::string BuildSet(const SetFields& fields) {
    return std::string(KeywordText(Keyword::Set)) + fields.name + "=" + fields.value;
}

} // namespace qv
