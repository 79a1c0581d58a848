#include "editor/win32/TfrmDate.h"

#include "editor/win32/ControlIds.h"
#include "editor/win32/DialogSupport.h"

namespace qv::win32 {
namespace {

constexpr ControlSpec DateControls[] = {
    {ids::Label1, ControlKind::Label, 12, 8, 236, 18, "", SS_CENTER},
    {ids::Calendar1, ControlKind::MonthCalendar, 12, 30, 236, 164, nullptr},
    {ids::cmdYearDn, ControlKind::Button, 12, 200, 36, 24, "<<<"},
    {ids::cmdMonDn, ControlKind::Button, 52, 200, 28, 24, "<"},
    {ids::chkToday, ControlKind::CheckBox, 88, 203, 90, 18, "Goto Today"},
    {ids::cmdMonUp, ControlKind::Button, 180, 200, 28, 24, ">"},
    {ids::cmdYearUp, ControlKind::Button, 212, 200, 36, 24, ">>>"},
    {ids::Button1, ControlKind::DefaultButton, 12, 236, 75, 25, "&Ok", WS_GROUP},
    {ids::Button2, ControlKind::Button, 93, 236, 75, 25, "Cance&l"},
    {ids::cmdHelp, ControlKind::Button, 174, 236, 75, 25, "&Help"},
};

FormSpec DateSpec() {
    return CommandDialogSpec(ids::DateClass, editor::DateCaption, 260, 271, DateControls,
                             ids::Calendar1);
}

std::string LocaleText(LCTYPE what) {
    char text[128] = {};
    const int length = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, what, text, sizeof(text));
    return length > 1 ? std::string(text, static_cast<std::size_t>(length - 1)) : std::string();
}

// Weeks start on Sunday: the calendar numbers the days from Monday (0) to Sunday (6).
constexpr LPARAM Sunday = 6;

} // namespace

logic::CivilDate Win32Dates::Today() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

std::string Win32Dates::ShortDateFormat() {
    return LocaleText(LOCALE_SSHORTDATE);
}

std::string Win32Dates::LongMonthName(int month) {
    return LocaleText(static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + month - 1));
}

TfrmDate::TfrmDate(MessageLoop& loop, HWND owner, editor::DatePort& dates,
                   std::optional<std::string_view> command)
    : CommandDialog(loop, DateSpec(), owner, editor::DateHelpTopic), model_(dates) {
    if (!IsAlive()) {
        return;
    }
    Control(ids::Calendar1).Send(MCM_SETFIRSTDAYOFWEEK, 0, Sunday);
    if (command) {
        refusal_ = model_.FromLine(*command);
    }
    Push();
}

void TfrmDate::Push() {
    pushing_ = true;
    SYSTEMTIME date{};
    date.wYear = static_cast<WORD>(model_.Calendar1.year);
    date.wMonth = static_cast<WORD>(model_.Calendar1.month);
    date.wDay = static_cast<WORD>(model_.Calendar1.day);
    MonthCalendar(Control(ids::Calendar1).Handle()).SetSelection(date);
    ShowText(Control(ids::Label1), model_.Label1());
    ShowCheck(Control(ids::chkToday), model_.chkToday);
    pushing_ = false;
}

void TfrmDate::OnActivated() {
    Dialog::OnActivated();
    ShowText(Control(ids::Label1), model_.Label1());
}

void TfrmDate::OnCommand(int id, int code) {
    if (CancelOrHelp(id)) {
        return;
    }
    if (pushing_ || code != BN_CLICKED) {
        return;
    }
    switch (id) {
    case ids::cmdYearDn:
        model_.cmdYearDnClick();
        Push();
        break;
    case ids::cmdMonDn:
        model_.cmdMonDnClick();
        Push();
        break;
    case ids::cmdMonUp:
        model_.cmdMonUpClick();
        Push();
        break;
    case ids::cmdYearUp:
        model_.cmdYearUpClick();
        Push();
        break;
    case ids::chkToday:
        model_.chkTodayClick(IsChecked(Control(ids::chkToday)));
        break;
    case ids::Button1:
        Finish(true);
        break;
    default:
        break;
    }
}

LRESULT TfrmDate::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY && !pushing_) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == static_cast<UINT_PTR>(ids::Calendar1) &&
            (header->code == MCN_SELCHANGE || header->code == MCN_SELECT)) {
            const SYSTEMTIME& day = reinterpret_cast<const NMSELCHANGE*>(lParam)->stSelStart;
            const logic::CivilDate date{day.wYear, day.wMonth, day.wDay};
            if (!(date == model_.Calendar1)) {
                model_.Calendar1Change(date);
                Push();
            }
            return 0;
        }
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

std::optional<std::string> ChangeSystemDate2Click(CommandContext& context) {
    Win32Dates dates;
    return AddThrough<TfrmDate>(context, dates);
}

void EditDate(CommandContext& context) {
    const int focused = context.document.FocusedRow();
    if (focused < 0 || focused >= static_cast<int>(context.document.CommandCount())) {
        return;
    }
    Win32Dates dates;
    const std::string command = context.document.Rows()[static_cast<std::size_t>(focused)].Command;
    TfrmDate form(context.loop, context.owner, dates, std::optional<std::string_view>(command));
    if (form.Refusal()) {
        ::MessageBoxA(context.owner, form.Refusal()->c_str(),
                      std::string(editor::DeveloperCaption).c_str(), MB_OK | MB_ICONERROR);
        return;
    }
    if (form.ShowModal(context.owner)) {
        form.Model().ApplyOk(context.document, editor::DialogUse::Edit);
    }
}

} // namespace qv::win32
