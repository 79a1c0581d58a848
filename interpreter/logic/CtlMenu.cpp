#include "interpreter/logic/CtlMenu.h"

#include "language/Grammar.h"

#include <cstdint>

namespace qv::logic {

namespace {

constexpr std::string_view TimeOutPrefix = "Menu Default will Activate in : ";

} // namespace

std::optional<int> MenuItemNumber(std::string_view trimmedLine) {
    return qv::MenuItemNumber(ParseMenuItem(trimmedLine));
}

std::optional<MenuItemLine> ReadMenuItemLine(std::string_view trimmedLine) {
    const MenuItemFields fields = ParseMenuItem(trimmedLine);
    const std::optional<int> number = qv::MenuItemNumber(fields);
    if (!number)
        return std::nullopt;
    return MenuItemLine{*number, fields.title, fields.command};
}

std::optional<int> ParseWholeSeconds(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > INT32_MAX + std::int64_t{1})
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}

MenuDefaultLine ReadMenuDefaultLine(std::string_view trimmedLine) {
    MenuDefaultLine line;
    line.secondsText = ParseMenuDefault(trimmedLine);
    line.seconds = ParseWholeSeconds(line.secondsText);
    return line;
}

void MenuModel::DefineItem(const MenuItemLine& line) {
    if (line.number < 1 || line.number > MenuItemCount)
        return;
    entries[line.number - 1] = MenuEntry{line.title, line.command};
}

const std::optional<MenuEntry>& MenuModel::Entry(int number) const {
    static const std::optional<MenuEntry> none;
    if (number < 1 || number > MenuItemCount)
        return none;
    return entries[number - 1];
}

std::optional<int> MenuModel::DefaultEntry() const {
    for (int n = 1; n <= MenuItemCount; ++n)
        if (entries[n - 1])
            return n;
    return std::nullopt;
}

bool MenuModel::StartTimeOut(const MenuDefaultLine& line) {
    if (!line.seconds)
        return false;
    timeOutText = std::string(TimeOutPrefix) + line.secondsText + " Seconds";
    counter = *line.seconds;
    timerRunning = true;
    ranOutBeforeShow = false;
    return true;
}

bool MenuModel::Tick() {
    if (!timerRunning)
        return false;
    if (counter > 0)
        --counter;
    else
        counter = 0;
    timeOutText = std::string(TimeOutPrefix) + std::to_string(counter) +
                  (counter == 1 ? " Second" : " Seconds");
    if (counter > 0)
        return false;
    timerRunning = false;
    if (shown)
        return true;
    ranOutBeforeShow = true;
    return false;
}

std::optional<MenuShowOutcome> MenuModel::BeginShow() {
    const std::optional<int> first = DefaultEntry();
    choice = first ? entries[*first - 1]->command : std::string();
    if (ranOutBeforeShow)
        return Close(true);
    shown = true;
    return std::nullopt;
}

void MenuModel::ChooseEntry(int number) {
    const std::optional<MenuEntry>& entry = Entry(number);
    if (!entry)
        return;
    choice = entry->command;
    if (timerRunning)
        StopTimer(true);
}

void MenuModel::CharacterKey() {
    if (timerRunning)
        StopTimer(true);
}

void MenuModel::Minimised() {
    StopTimer(true);
}

void MenuModel::F8Pressed(bool promptMode) {
    StopTimer(false);
    timeOutText = std::string(promptMode ? F8PromptOnText : F8PromptOffText);
}

MenuShowOutcome MenuModel::Close(bool ok) {
    StopTimer(false);
    shown = false;
    ranOutBeforeShow = false;
    MenuShowOutcome outcome;
    if (!ok) {
        outcome.action = MenuShowOutcome::Action::QuitRun;
    } else if (DefaultEntry()) {
        outcome.action = MenuShowOutcome::Action::RunScript;
        outcome.statusText = "Running A New script\r\n" + choice;
        outcome.runLine = BuildRun({choice});
    }
    choice.clear();
    return outcome;
}

void MenuModel::StopTimer(bool deactivatedText) {
    timerRunning = false;
    if (deactivatedText)
        timeOutText = std::string(TimeoutDeactivatedText);
}

MenuModel& MenuSession::Start() {
    menu.emplace();
    return *menu;
}

MenuModel& MenuSession::Current() {
    if (!menu)
        menu.emplace();
    return *menu;
}

} // namespace qv::logic
