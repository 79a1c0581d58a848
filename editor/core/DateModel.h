#pragma once
// The date dialog (TfrmDate, "Date Selector"): the DATE line. The Win32 dialog shows Label1()
// above its month calendar, selects Calendar1 in it, calls Calendar1Change when the user picks a
// day, the cmd...Click handlers for its four buttons and chkTodayClick for "Goto Today", and on
// OK calls ApplyOk. An edit whose FromLine returns a message is not opened: the message is shown
// and the row stays as it is.
#include "editor/core/DialogPorts.h"
#include "interpreter/logic/Calendar.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv::editor {

class ScriptDocument;

inline constexpr std::string_view DateCaption = "Date Selector";
inline constexpr std::string_view DateHelpTopic = "Change_System_Time";

// The editing machine's calendar settings.
class DatePort {
  public:
    virtual ~DatePort() = default;
    virtual logic::CivilDate Today() = 0;
    // The locale's short date format, such as "dd/MM/yyyy" or "M/d/yyyy".
    virtual std::string ShortDateFormat() = 0;
    // The locale's full name of a month, 1 to 12.
    virtual std::string LongMonthName(int month) = 0;
};

// A date written in a short date format: day (d, dd), month (M, MM) and year (yy, yyyy) as
// numbers, every other character as it stands. Month names are written as numbers too, since
// the interpreter reads numbers only.
std::string FormatShortDate(const logic::CivilDate& date, std::string_view format);

class DateModel {
  public:
    // FormCreate: the calendar shows today.
    explicit DateModel(DatePort& port);

    logic::CivilDate Calendar1;
    bool chkToday = false;

    // The caption above the calendar: "mmmm yyyy".
    std::string Label1() const;
    void Calendar1Change(const logic::CivilDate& date);
    void cmdYearDnClick() { MoveMonths(-12); }
    void cmdYearUpClick() { MoveMonths(12); }
    void cmdMonDnClick() { MoveMonths(-1); }
    void cmdMonUpClick() { MoveMonths(1); }
    void chkTodayClick(bool checked) { chkToday = checked; }

    // EditDate: TODAY checks "Goto Today", a date in the machine's format sets the calendar.
    // Returns the conversion's message for any other text.
    std::optional<std::string> FromLine(std::string_view command);

    std::string DateText() const;
    std::string BuildLine() const;
    // Add: the line goes in at InsertOrder. Edit: the focused row's command and title ("Date
    // Today" or "Date " and the date) are rewritten.
    void ApplyOk(ScriptDocument& doc, DialogUse use) const;

  private:
    void MoveMonths(int months);

    DatePort& port_;
};

} // namespace qv::editor
