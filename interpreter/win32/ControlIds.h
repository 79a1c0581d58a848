#pragma once
// Control IDs and window class names of the interpreter's windows, shared with the end-to-end
// driver, which finds the windows by class and reads or presses their controls by name.
#include "common/win32/ControlNames.h"

// Every control of qvrun's windows, by its form's name, once.
#define QV_QVRUN_CONTROLS(X)                                                                       \
    /* TStartFrm, the progress window */                                                           \
    X(IconHolder, 101)                                                                             \
    X(TimeIcon, 102)                                                                               \
    X(Count, 103)                                                                                  \
    X(LoadingAppName, 104)                                                                         \
    X(CancelBut, 105)                                                                              \
    X(Button1, 106)                                                                                \
    X(cmdPause, 107)                                                                               \
    X(Anim, 108)                                                                                   \
    /* TfrmError, the "Error Log" dialog */                                                        \
    X(Edit1, 201)                                                                                  \
    /* TfrmPrompt, the "Prompt On" check list of the commands still to run */                      \
    X(CheckListBox1, 301)                                                                          \
    X(RunBut, 302)                                                                                 \
    X(SelectAllBut, 303)                                                                           \
    X(SelectNoneBut, 304)                                                                          \
    X(PromptCancelBut, 305)                                                                        \
    /* TfrmMenu, the start-up menu; the radio buttons are numbered in a row */                     \
    X(RadioGroup1, 401)                                                                            \
    X(RadioButton1, 411)                                                                           \
    X(RadioButton2, 412)                                                                           \
    X(RadioButton3, 413)                                                                           \
    X(RadioButton4, 414)                                                                           \
    X(RadioButton5, 415)                                                                           \
    X(RadioButton6, 416)                                                                           \
    X(RadioButton7, 417)                                                                           \
    X(RadioButton8, 418)                                                                           \
    X(RadioButton9, 419)                                                                           \
    X(TimeOut, 421)                                                                                \
    X(butOk, 422)                                                                                  \
    X(MenuCancelBut, 423)                                                                          \
    /* TfrmReplace, "Confirm File Replace" */                                                      \
    X(ReplaceIcon, 501)                                                                            \
    X(labFilename, 502)                                                                            \
    X(labQuestion, 503)                                                                            \
    X(iDestin, 504)                                                                                \
    X(labSizeDestin, 505)                                                                          \
    X(labDateDestin, 506)                                                                          \
    X(labWithThis, 507)                                                                            \
    X(iSource, 508)                                                                                \
    X(labSizeSource, 509)                                                                          \
    X(labDateSource, 510)                                                                          \
    X(butYes, 511)                                                                                 \
    X(butYesToAll, 512)                                                                            \
    X(butNo, 513)                                                                                  \
    X(butNoToAll, 514)                                                                             \
    X(butCancel, 515)

namespace qv::ids {

#define QV_CONTROL_ID(name, value) inline constexpr int name = value;
QV_QVRUN_CONTROLS(QV_CONTROL_ID)
#undef QV_CONTROL_ID

#define QV_CONTROL_NAME(name, value) {#name, value},
inline constexpr win32::ControlName QvrunControls[] = {QV_QVRUN_CONTROLS(QV_CONTROL_NAME)};
#undef QV_CONTROL_NAME

static_assert(RadioButton9 == RadioButton1 + 8, "the menu numbers its entries from RadioButton1");

// Window classes; the progress window's title changes, its class does not.
inline constexpr const char* StartFrmClass = "TStartFrm";
inline constexpr const char* ErrorFrmClass = "TfrmError";
inline constexpr const char* PromptFrmClass = "TfrmPrompt";
inline constexpr const char* MenuFrmClass = "TfrmMenu";
inline constexpr const char* ReplaceFrmClass = "TfrmReplace";
// The hidden window that receives the notification-area icon's messages.
inline constexpr const char* TrayIconClass = "TTrayIcon";
// The hidden window that carries the menu's TimeOutTimer.
inline constexpr const char* MenuTimerClass = "TQvMenuTimer";
// Posted to the tray window with lParam = WM_LBUTTONUP (and so on) to act like a click.
inline constexpr unsigned TrayCallbackMessage = 1025;

} // namespace qv::ids
