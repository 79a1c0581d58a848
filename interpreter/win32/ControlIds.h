#pragma once
// Control IDs and window class names of the interpreter's windows, shared with the end-to-end
// driver, which finds the windows by class and reads or presses their controls by ID.

namespace qv::ids {

// TStartFrm, the progress window.
inline constexpr int IconHolder = 101;
inline constexpr int TimeIcon = 102;
inline constexpr int Count = 103;
inline constexpr int LoadingAppName = 104;
inline constexpr int CancelBut = 105;
inline constexpr int Button1 = 106;
inline constexpr int cmdPause = 107;
inline constexpr int Anim = 108;

// TfrmError, the "Error Log" dialog.
inline constexpr int Edit1 = 201;

// TfrmPrompt, the "Prompt On" check list of the commands still to run.
inline constexpr int CheckListBox1 = 301;
inline constexpr int RunBut = 302;
inline constexpr int SelectAllBut = 303;
inline constexpr int SelectNoneBut = 304;
inline constexpr int PromptCancelBut = 305;

// Window classes; the progress window's title changes, its class does not.
inline constexpr const char* StartFrmClass = "TStartFrm";
inline constexpr const char* ErrorFrmClass = "TfrmError";
inline constexpr const char* PromptFrmClass = "TfrmPrompt";
// The hidden window that receives the notification-area icon's messages.
inline constexpr const char* TrayIconClass = "TTrayIcon";
// Posted to the tray window with lParam = WM_LBUTTONUP (and so on) to act like a click.
inline constexpr unsigned TrayCallbackMessage = 1025;

} // namespace qv::ids
