#include "interpreter/logic/CtlCheck.h"

#include "interpreter/logic/CtlDate.h"
#include "interpreter/logic/CtlLocate.h"
#include "interpreter/logic/CtlMenu.h"
#include "interpreter/logic/CtlWait.h"
#include "language/Keywords.h"
#include "language/Messages.h"
#include "language/Text.h"

namespace qv::logic {

namespace {

bool IsDateArgument(std::string_view trimmedLine, const ControlCheckOptions& options) {
    DateAndTime start;
    start.year = options.referenceYear;
    for (const std::string& format : options.shortDateFormats)
        if (DateLineTarget(trimmedLine, format, start))
            return true;
    return false;
}

std::string Problem(std::string_view what) {
    return std::string(InvalidCommandShort) + ": " + std::string(what);
}

} // namespace

std::optional<std::string> CheckControlLine(std::string_view trimmedLine,
                                            const ControlCheckOptions& options) {
    const std::optional<Keyword> keyword = MatchKeyword(UpperCase(trimmedLine));
    if (!keyword)
        return std::nullopt;
    switch (*keyword) {
    case Keyword::Wait:
        if (!PlanWait(trimmedLine).count)
            return Problem("WAIT needs a number of seconds");
        break;
    case Keyword::WaitForLoad:
        if (!PlanWaitForLoad(trimmedLine).count)
            return Problem("WAIT FOR LOAD needs a number of seconds");
        break;
    case Keyword::Locate:
        if (!LocateLinePlacement(trimmedLine))
            return Problem("LOCATE needs a position word (TOP LEFT, TOP CENTER, CENTER, CENTER "
                           "LEFT, BOTTOM RIGHT, ...) or MINI, HIDE or SHOW");
        break;
    case Keyword::MenuItem:
        if (!MenuItemNumber(trimmedLine))
            // The interpreter records nothing for it: the line only defines no entry.
            return std::string("MENU ITEM needs an item number from 1 to 9: the line defines "
                               "no menu entry");
        break;
    case Keyword::MenuDefault:
        if (!ReadMenuDefaultLine(trimmedLine).seconds)
            return Problem("MENU DEFAULT needs a whole number of seconds");
        break;
    case Keyword::Date:
        if (!IsDateArgument(trimmedLine, options))
            return Problem("DATE needs TODAY or a date in the short date format");
        break;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace qv::logic
