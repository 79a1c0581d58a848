#include "interpreter/logic/CtlMenu.h"

#include <cstdint>

namespace qv::logic {

namespace {

constexpr std::string_view MenuItemKeyword = "MENU ITEM ";
// Title and seconds start at the 13th character of the line.
constexpr std::size_t ArgumentStart = 12;
constexpr std::string_view TimeOutPrefix = "Menu Default will Activate in : ";

std::string_view From(std::string_view line, std::size_t index) {
    return index < line.size() ? line.substr(index) : std::string_view();
}

} // namespace

std::optional<int> MenuItemNumber(std::string_view trimmedLine) {
    const std::string_view rest = From(trimmedLine, MenuItemKeyword.size());
    const std::size_t end = rest.find_first_of(" ,");
    const std::string_view number = rest.substr(0, end);
    if (number.size() != 1 || number[0] < '1' || number[0] > '9')
        return std::nullopt;
    return number[0] - '0';
}

std::optional<MenuItemLine> ReadMenuItemLine(std::string_view trimmedLine) {
    const std::optional<int> number = MenuItemNumber(trimmedLine);
    if (!number)
        return std::nullopt;
    MenuItemLine item;
    item.number = *number;
    const std::size_t comma = trimmedLine.find(',');
    if (comma == std::string_view::npos) {
        item.title = std::string(From(trimmedLine, ArgumentStart));
    } else {
        if (comma > ArgumentStart)
            item.title = std::string(trimmedLine.substr(ArgumentStart, comma - ArgumentStart));
        item.command = std::string(trimmedLine.substr(comma + 1));
    }
    return item;
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
    line.secondsText = std::string(From(trimmedLine, ArgumentStart));
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
        outcome.runLine = "RUN " + choice;
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
