#pragma once
// Control IDs and window classes of the interpreter's menu and replace dialogs, shared with the
// end-to-end driver.

namespace qv::ids {

// TfrmMenu, the start-up menu.
inline constexpr int RadioGroup1 = 401;
// RadioButton1 .. RadioButton9 are RadioButton1 + 0 .. 8.
inline constexpr int RadioButton1 = 411;
inline constexpr int TimeOut = 421;
inline constexpr int butOk = 422;
inline constexpr int MenuCancelBut = 423;

// TfrmReplace, "Confirm File Replace".
inline constexpr int ReplaceIcon = 501;
inline constexpr int labFilename = 502;
inline constexpr int labQuestion = 503;
inline constexpr int iDestin = 504;
inline constexpr int labSizeDestin = 505;
inline constexpr int labDateDestin = 506;
inline constexpr int labWithThis = 507;
inline constexpr int iSource = 508;
inline constexpr int labSizeSource = 509;
inline constexpr int labDateSource = 510;
inline constexpr int butYes = 511;
inline constexpr int butYesToAll = 512;
inline constexpr int butNo = 513;
inline constexpr int butNoToAll = 514;
inline constexpr int butCancel = 515;

inline constexpr const char* MenuFrmClass = "TfrmMenu";
inline constexpr const char* ReplaceFrmClass = "TfrmReplace";
// The hidden window that carries the menu's TimeOutTimer.
inline constexpr const char* MenuTimerClass = "TQvMenuTimer";

} // namespace qv::ids
