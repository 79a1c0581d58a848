#pragma once
// The start-up menu: reading MENU ITEM and MENU DEFAULT lines, and the model behind TfrmMenu
// (entries, current choice, time-out count-down, the outcome of MENU SHOW).
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qv::logic {

inline constexpr int MenuItemCount = 9;
inline constexpr int MenuTimeOutIntervalMs = 1000;
inline constexpr std::string_view TimeoutDeactivatedText = "Timeout Has Been Deactivated";
inline constexpr std::string_view F8PromptOnText = "F8 Pressed Now in Prompt Mode";
inline constexpr std::string_view F8PromptOffText = "F8 Pressed Prompt Mode Cancelled";
// What the handler records, while ErrorsOn, for a MENU ITEM whose number is not 1 to 9 (the
// line defines nothing) or a MENU DEFAULT that is not a whole number (the menu is unchanged).

struct MenuItemLine {
    int number = 1;      // 1 to 9
    std::string title;   // from the 13th character up to the first ",", not trimmed
    std::string command; // after the first ",", not trimmed; empty without ","
};

// The item number of a trimmed "MENU ITEM " line: the text after the keyword up to the first
// blank or ",", which must be one digit from 1 to 9; nothing otherwise ("0", "10", "X").
std::optional<int> MenuItemNumber(std::string_view trimmedLine);

// A trimmed "MENU ITEM " line; nothing when its number is not 1 to 9, and then the line
// defines nothing.
std::optional<MenuItemLine> ReadMenuItemLine(std::string_view trimmedLine);

// A whole number of seconds: blanks before it, an optional sign, decimal digits, within the
// range of a 32-bit integer; nothing otherwise ("10.5", "ten", "").
std::optional<int> ParseWholeSeconds(std::string_view text);

struct MenuDefaultLine {
    std::string secondsText;    // from the 13th character on: keeps the keyword's blank
    std::optional<int> seconds; // nothing: not a whole number
};

// A trimmed "MENU DEFAULT " line.
MenuDefaultLine ReadMenuDefaultLine(std::string_view trimmedLine);

struct MenuEntry {
    std::string title;
    std::string command;
};

// What MENU SHOW does once the menu has closed (or at once when the time-out ran out before it).
struct MenuShowOutcome {
    enum class Action {
        RunScript, // show statusText in the progress window, then dispatch runLine
        QuitRun,   // what the progress window's Cancel does
        Nothing,   // OK with no entry defined: the script goes on after MENU SHOW
    };
    Action action = Action::Nothing;
    std::string statusText;
    std::string runLine;
};

class MenuModel {
  public:
    // Defines (or replaces) entry line.number.
    void DefineItem(const MenuItemLine& line);
    // The entry 1 to 9, if defined.
    const std::optional<MenuEntry>& Entry(int number) const;
    // The lowest-numbered defined entry: the default, whichever radio button shows selected.
    std::optional<int> DefaultEntry() const;

    // MENU DEFAULT. A whole number sets the TimeOut label and starts the count-down now, not
    // when the menu is shown; anything else changes nothing (an earlier count-down goes on).
    // Returns false for that case, so the handler can record its entry.
    bool StartTimeOut(const MenuDefaultLine& line);
    bool TimerRunning() const { return timerRunning; }
    int Counter() const { return counter; }
    const std::string& TimeOutText() const { return timeOutText; }

    // One TimeOutTimer tick. The count never goes below 0, so MENU DEFAULT 0 or a negative
    // number runs out at the first tick. Returns true when the shown menu must now close with
    // OK; when the count runs out before MENU SHOW, that MENU SHOW runs the default at once.
    bool Tick();

    // MENU SHOW. Returns the outcome at once when the time-out has already run out (the menu is
    // not shown); otherwise marks the menu shown, makes the default entry the choice and
    // returns nothing: show the window modally, then call Close.
    std::optional<MenuShowOutcome> BeginShow();
    bool Shown() const { return shown; }

    // Events of the shown window.
    // Choosing a defined entry (click or arrow keys); undefined numbers are ignored.
    void ChooseEntry(int number);
    // A character key pressed in the window.
    void CharacterKey();
    // The window minimised: the timer stops whether or not it ran.
    void Minimised();
    // F8 pressed in the window: the count-down stops; PromptMode itself does not change.
    void F8Pressed(bool promptMode);
    const std::string& Choice() const { return choice; }

    // The window closed with "&Ok" (ok) or with "&Quit Script" or its close box; the choice is
    // cleared, the entries stay for a later MENU SHOW.
    MenuShowOutcome Close(bool ok);

  private:
    void StopTimer(bool deactivatedText);

    std::array<std::optional<MenuEntry>, MenuItemCount> entries{};
    std::string timeOutText;
    std::string choice;
    int counter = 0;
    bool timerRunning = false;
    bool shown = false;
    bool ranOutBeforeShow = false;
};

// The run's menu: absent until the first menu command; MENU START abandons the old one.
class MenuSession {
  public:
    // MENU START.
    MenuModel& Start();
    // MENU ITEM, MENU DEFAULT and MENU SHOW: the current menu, created when there is none.
    MenuModel& Current();
    bool MenuCreated() const { return menu.has_value(); }

  private:
    std::optional<MenuModel> menu;
};

} // namespace qv::logic
