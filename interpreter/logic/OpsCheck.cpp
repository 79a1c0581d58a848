#include "interpreter/logic/OpsCheck.h"

#include "interpreter/logic/OpsLoad.h"
#include "interpreter/logic/OpsSendKey.h"
#include "language/Grammar.h"
#include "language/Keywords.h"
#include "language/Text.h"

namespace qv::logic {

namespace {

std::optional<std::string> CheckNetLine(std::string_view upper, std::string_view keyword) {
    const std::size_t open = upper.find('{');
    const std::size_t close = upper.find('}');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return std::string(keyword) + " needs its local name between { and }";
    const std::size_t openRemote = upper.find('[');
    const std::size_t closeRemote = upper.find(']');
    if (openRemote == std::string_view::npos || closeRemote == std::string_view::npos ||
        closeRemote <= openRemote + 1)
        return std::string(keyword) + " needs its network name between [ and ]";
    return std::nullopt;
}

std::string_view GroupName(char mark) {
    switch (mark) {
    case '(':
        return "time window (eight digits HHMMHHMM)";
    case '[':
        return "window state ([MIN], [MAX] or [HIDE])";
    default:
        return "conditions (R and week days 1 to 7)";
    }
}

char ClosingMark(char mark) {
    return mark == '(' ? ')' : mark == '[' ? ']' : mark == '<' ? '>' : '\0';
}

// Marks the interpreter does not read as a group: after the path they are ignored, inside an
// unquoted path a word that looks like a group is taken as part of the path.
std::optional<std::string> CheckLoadLine(std::string_view line) {
    const ParsedLoad parsed = ParseLoad(line);
    for (std::size_t at : parsed.spans.strayMarks) {
        if (line[at] == '{')
            return std::string("\"{\" has no closing \"}\": the program gets no parameters");
        std::string message = "\"";
        message += line[at];
        message += "\" after the path opens no ";
        message += GroupName(line[at]);
        message += " and is ignored";
        return message;
    }
    if (!parsed.fields.pathQuoted) {
        const std::string& path = parsed.fields.path;
        std::size_t start = 0;
        while (start < path.size()) {
            std::size_t end = path.find(' ', start);
            if (end == std::string::npos)
                end = path.size();
            const std::string_view word = std::string_view(path).substr(start, end - start);
            const char close = word.size() >= 2 ? ClosingMark(word.front()) : '\0';
            if (close != '\0' && word.back() == close) {
                const bool plural = word.front() == '<';
                std::string message = "\"";
                message += word;
                message += plural ? "\" are not " : "\" is not a ";
                message += GroupName(word.front());
                message += plural ? ": they are" : ": it is";
                message += " read as part of the path";
                return message;
            }
            start = end + 1;
        }
    }
    const LoadLine load = ParseLoadLine(line);
    if (!load.timeWindow.empty() && !ParseTimeWindow(load.timeWindow))
        return "time window (" + load.timeWindow +
               ") is not two times of day (HHMMHHMM): the program is never started";
    return std::nullopt;
}

} // namespace

std::optional<std::string> CheckOpsLine(std::string_view line) {
    const std::string upper = UpperCase(line);
    const std::optional<Keyword> keyword = MatchKeyword(upper);
    if (!keyword)
        return std::nullopt;
    switch (*keyword) {
    case Keyword::Load:
    case Keyword::LoadAndWait:
        return CheckLoadLine(line);
    case Keyword::SendKeys:
        return KeyTextFault(ParseSendKeysLine(line).keys);
    case Keyword::Copy:
    case Keyword::Rename:
        if (line.find('>') == std::string_view::npos)
            return std::string(*keyword == Keyword::Copy ? "COPY" : "RENAME") +
                   " needs \">\" between its source and destination";
        return std::nullopt;
    case Keyword::Connect:
        return CheckNetLine(upper, "CONNECT");
    case Keyword::Capture:
        return CheckNetLine(upper, "CAPTURE");
    default:
        return std::nullopt;
    }
}

} // namespace qv::logic
