#include "interpreter/logic/OpsCheck.h"

#include "interpreter/logic/OpsLoad.h"
#include "interpreter/logic/OpsSendKey.h"
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

} // namespace

std::optional<std::string> CheckOpsLine(std::string_view line) {
    const std::string upper = UpperCase(line);
    const std::optional<Keyword> keyword = MatchKeyword(upper);
    if (!keyword)
        return std::nullopt;
    switch (*keyword) {
    case Keyword::Load:
    case Keyword::LoadAndWait: {
        const LoadLine load = ParseLoadLine(line);
        if (!load.timeWindow.empty() && !ParseTimeWindow(load.timeWindow))
            return "time window (" + load.timeWindow +
                   ") is not two times of day (HHMMHHMM): the program is never started";
        return std::nullopt;
    }
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
