#include "editor/core/DateModel.h"

#include "editor/core/ScriptDocument.h"
#include "interpreter/logic/CtlDate.h"
#include "language/Grammar.h"
#include "language/Text.h"

#include <algorithm>

namespace qv::editor {

namespace {

std::string Number(int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

char LowerChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string FormatShortDate(const logic::CivilDate& date, std::string_view format) {
    std::string text;
    for (std::size_t i = 0; i < format.size();) {
        const char c = LowerChar(format[i]);
        if (c != 'd' && c != 'm' && c != 'y') {
            text += format[i++];
            continue;
        }
        std::size_t run = 1;
        while (i + run < format.size() && LowerChar(format[i + run]) == c)
            ++run;
        i += run;
        if (c == 'd')
            text += Number(date.day, run > 1 ? 2 : 1);
        else if (c == 'm')
            text += Number(date.month, run > 1 ? 2 : 1);
        else
            text += run > 2 ? Number(date.year, 4) : Number(date.year % 100, 2);
    }
    return text;
}

DateModel::DateModel(DatePort& port) : port_(port) {
    Calendar1 = port_.Today();
}

std::string DateModel::Label1() const {
    return port_.LongMonthName(Calendar1.month) + " " + std::to_string(Calendar1.year);
}

void DateModel::Calendar1Change(const logic::CivilDate& date) {
    if (logic::IsValidCivilDate(date))
        Calendar1 = date;
    chkToday = false;
}

void DateModel::MoveMonths(int months) {
    const int index = Calendar1.year * 12 + (Calendar1.month - 1) + months;
    logic::CivilDate date;
    date.year = std::clamp(index / 12, logic::MinimumYear, logic::MaximumYear);
    date.month = date.year == index / 12 ? index % 12 + 1 : Calendar1.month;
    // The calendar keeps the day where the new month has it, else takes the month's last.
    date.day = std::min(Calendar1.day, logic::DaysInMonth(date.year, date.month));
    Calendar1Change(date);
}

std::optional<std::string> DateModel::FromLine(std::string_view command) {
    const std::string line = Trim(command);
    const std::size_t at = UpperCase(line).find(KeywordText(Keyword::Date));
    const std::string text =
        Trim(at == std::string::npos
                 ? std::string_view()
                 : std::string_view(line).substr(at + KeywordText(Keyword::Date).size()));
    if (UpperCase(text) == "TODAY") {
        chkToday = true;
        return std::nullopt;
    }
    const std::optional<logic::CivilDate> date =
        logic::ParseShortDate(text, port_.ShortDateFormat(), port_.Today().year);
    if (!date)
        return "'" + text + "' is not a valid date";
    Calendar1 = *date;
    return std::nullopt;
}

std::string DateModel::DateText() const {
    return FormatShortDate(Calendar1, port_.ShortDateFormat());
}

std::string DateModel::BuildLine() const {
    return BuildDate({chkToday, DateText()});
}

void DateModel::ApplyOk(ScriptDocument& doc, DialogUse use) const {
    const std::string line = BuildLine();
    if (use == DialogUse::Add) {
        doc.AddLine(line);
        return;
    }
    doc.RewriteFocusedRow(line, chkToday ? "Date Today" : "Date " + DateText());
}

} // namespace qv::editor
