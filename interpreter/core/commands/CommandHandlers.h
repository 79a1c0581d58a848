#pragma once
// The command handlers the dispatch table points at, one family per source file.
#include <string>

namespace qv::interp {

class Session;

// Whether the dispatch ends with this handler or goes on testing the following keywords.
enum class Dispatched { Done, ContinueTests };

// `line` is the trimmed line as written, `upper` its upper-cased copy.
using CommandHandler = Dispatched (*)(Session& session, const std::string& line,
                                      const std::string& upper);

// control
Dispatched NoCommand(Session&, const std::string&, const std::string&);
Dispatched EnableCommand(Session&, const std::string&, const std::string&);
Dispatched DisableCommand(Session&, const std::string&, const std::string&);
Dispatched PromptCommand(Session&, const std::string&, const std::string&);
Dispatched ErrorCommand(Session&, const std::string&, const std::string&);
Dispatched DesktopCommand(Session&, const std::string&, const std::string&);
Dispatched ShutdownRestartCommand(Session&, const std::string&, const std::string&);
Dispatched LogoutCommand(Session&, const std::string&, const std::string&);
Dispatched ShutdownForceCommand(Session&, const std::string&, const std::string&);
Dispatched ShutdownCommand(Session&, const std::string&, const std::string&);
Dispatched DateCommand(Session&, const std::string&, const std::string&);
Dispatched SetCommand(Session&, const std::string&, const std::string&);

// windows
Dispatched CloseCommand(Session&, const std::string&, const std::string&);
Dispatched MinimizeCommand(Session&, const std::string&, const std::string&);
Dispatched LocateCommand(Session&, const std::string&, const std::string&);

// keys
Dispatched SendKeysCommand(Session&, const std::string&, const std::string&);

// menus
Dispatched PromptMenuCommand(Session&, const std::string&, const std::string&);
Dispatched MenuStartCommand(Session&, const std::string&, const std::string&);
Dispatched MenuShowCommand(Session&, const std::string&, const std::string&);
Dispatched MenuDefaultCommand(Session&, const std::string&, const std::string&);
Dispatched MenuItemCommand(Session&, const std::string&, const std::string&);
// The tick of the menu window's TimeOutTimer.
void MenuTimeOutTimer(Session& session);

// network
Dispatched ConnectCommand(Session&, const std::string&, const std::string&);
Dispatched CaptureCommand(Session&, const std::string&, const std::string&);

// waits
Dispatched WaitForLoadCommand(Session&, const std::string&, const std::string&);
Dispatched WaitForWindowCommand(Session&, const std::string&, const std::string&);
Dispatched WaitCommand(Session&, const std::string&, const std::string&);
// The tick of the WaitForWindow timer.
void WaitForWindowTimer(Session& session);

// launch
Dispatched RunCommand(Session&, const std::string&, const std::string&);
Dispatched LoadCommand(Session&, const std::string&, const std::string&);
// The tick of the WaitforClose timer.
void WaitforCloseTimer(Session& session);

// files
Dispatched DelCommand(Session&, const std::string&, const std::string&);
Dispatched CopyCommand(Session&, const std::string&, const std::string&);
Dispatched RenameCommand(Session&, const std::string&, const std::string&);

// Switches the runner on again at once, with its quick interval.
void ResumeRunnerAtOnce(Session& session);

} // namespace qv::interp
