#pragma once
// Control and command IDs and window class names of the editor's windows, shared with the
// end-to-end driver, which finds the windows by class and reads, presses or sends them by name.
#include "common/win32/ControlNames.h"

// Every control of qvdev's windows, by its form's name, once.
#define QV_QVDEV_CONTROLS(X)                                                                       \
    /* TfrmView, the main window */                                                                \
    X(ListView1, 1001)                                                                             \
    X(Memo1, 1002)                                                                                 \
    X(StatusBar1, 1003)                                                                            \
    X(CoolBar1, 1004)                                                                              \
    X(ToolBar1, 1005)                                                                              \
    X(ToolBar2, 1006)                                                                              \
    X(cboMenu, 1007)                                                                               \
    X(MenuTools, 1008)                                                                             \
    /* TfrmCompile, "Compiler" */                                                                  \
    X(Label1, 1101)                                                                                \
    X(Progress, 1102)                                                                              \
    X(Comment, 1103)                                                                               \
    /* TfrmTip, "Tip of the Day" */                                                                \
    X(TipImage, 1201)                                                                              \
    X(TipWelcome, 1202)                                                                            \
    X(TipDidYouKnow, 1203)                                                                         \
    X(TipText, 1204)                                                                               \
    X(chkShowTips, 1205)                                                                           \
    X(TipNext, 1206)                                                                               \
    X(TipWhatsNew, 1207)                                                                           \
    X(TipClose, 1208)                                                                              \
    X(TipSave, 1209)                                                                               \
    X(TipDelete, 1210)                                                                             \
    /* TfrmAbout */                                                                                \
    X(AboutImage, 1301)                                                                            \
    X(AboutProduct, 1302)                                                                          \
    X(AboutVersion, 1303)                                                                          \
    X(AboutOK, 1304)                                                                               \
    /* TfrmProblems, "Check Script" */                                                             \
    X(ProblemSummary, 1401)                                                                        \
    X(ProblemList, 1402)                                                                           \
    X(ProblemGoTo, 1403)                                                                           \
    X(ProblemClose, 1404)                                                                          \
    /* TfrmWhatIf, "What if..." */                                                                 \
    X(WhatIfAtLabel, 1501)                                                                         \
    X(WhatIfAt, 1502)                                                                              \
    X(WhatIfUserLabel, 1503)                                                                       \
    X(WhatIfUser, 1504)                                                                            \
    X(WhatIfComputerLabel, 1505)                                                                   \
    X(WhatIfComputer, 1506)                                                                        \
    X(WhatIfAnswerLabel, 1507)                                                                     \
    X(WhatIfAnswer, 1508)                                                                          \
    X(WhatIfMenuLabel, 1509)                                                                       \
    X(WhatIfMenu, 1510)                                                                            \
    X(WhatIfRun, 1511)                                                                             \
    X(WhatIfNote, 1512)                                                                            \
    X(WhatIfReport, 1513)                                                                          \
    X(WhatIfClose, 1514)                                                                           \
    /* TfrmRunLog, "Run Log" */                                                                    \
    X(RunLogPath, 1601)                                                                            \
    X(RunLogText, 1602)                                                                            \
    X(RunLogClose, 1603)                                                                           \
    /* TfrmMain, the import wizard */                                                              \
    X(WizardImage, 1701)                                                                           \
    X(WizardHeading, 1702)                                                                         \
    X(cmdCancel, 1704)                                                                             \
    X(cmdFinish, 1705)                                                                             \
    /* TfrmOptions; its buttons prefixed (the driver's OK is a message box's), labels unnamed */   \
    X(PageControl1, 1751)                                                                          \
    X(AutoLoad, 1752)                                                                              \
    X(SetFile, 1753)                                                                               \
    X(ClearList, 1755)                                                                             \
    X(chkWin98, 1756)                                                                              \
    X(Auto, 1762)                                                                                  \
    X(Load, 1763)                                                                                  \
    X(UnloadINT, 1764)                                                                             \
    X(OptionsCancel, 1765)                                                                         \
    X(OptionsOK, 1766)                                                                             \
    X(OptionsHelp, 1767)                                                                           \
    /* The command dialogs share one ID per form name; each is its own window class */             \
    X(Button1, 3001)                                                                               \
    X(Button2, 3002)                                                                               \
    X(cmdHelp, 3003)                                                                               \
    X(Edit1, 3004)                                                                                 \
    X(Edit1Browse, 3005)                                                                           \
    X(Edit2, 3006)                                                                                 \
    X(Edit2Browse, 3007)                                                                           \
    X(DEdit1, 3008)                                                                                \
    X(DEdit1Browse, 3009)                                                                          \
    X(DEdit2, 3010)                                                                                \
    X(DEdit2Browse, 3011)                                                                          \
    X(RadioButton1, 3021)                                                                          \
    X(RadioButton2, 3022)                                                                          \
    X(RadioButton3, 3023)                                                                          \
    X(RadioButton4, 3024)                                                                          \
    X(RadioButton5, 3025)                                                                          \
    X(RadioButton6, 3026)                                                                          \
    X(RadioButton7, 3027)                                                                          \
    X(RadioButton8, 3028)                                                                          \
    X(RadioButton9, 3029)                                                                          \
    X(GroupBox1, 3031)                                                                             \
    X(GroupBox2, 3032)                                                                             \
    X(Label2, 3033)                                                                                \
    X(Label3, 3034)                                                                                \
    /* TfrmConfigRun, "Run Dialog" */                                                              \
    X(ConvertL, 3101)                                                                              \
    X(Between, 3102)                                                                               \
    X(B1, 3103)                                                                                    \
    X(B2, 3104)                                                                                    \
    X(L1, 3105)                                                                                    \
    X(L2, 3106)                                                                                    \
    X(Only, 3107)                                                                                  \
    X(Mon, 3108)                                                                                   \
    X(Tue, 3109)                                                                                   \
    X(Wed, 3110)                                                                                   \
    X(Thu, 3111)                                                                                   \
    X(Fri, 3112)                                                                                   \
    X(Sat, 3113)                                                                                   \
    X(Sun, 3114)                                                                                   \
    X(RunOnce, 3115)                                                                               \
    X(RunandWait, 3116)                                                                            \
    /* TfrmFileCommands, "Copy", "Rename", "Delete" */                                             \
    X(btnMore, 3201)                                                                               \
    X(Checkbox1, 3202)                                                                             \
    X(Checkbox2, 3203)                                                                             \
    X(CheckBox3, 3204)                                                                             \
    X(CheckBox4, 3205)                                                                             \
    X(CheckBox5, 3206)                                                                             \
    /* TfrmTimer, "Timer" */                                                                       \
    X(SpinEdit1, 3301)                                                                             \
    X(SpinEdit1Arrows, 3302)                                                                       \
    /* TwinAPI and TfrmSendkeys: the window lists */                                               \
    X(ListBox1, 3401)                                                                              \
    X(Listbox1, 3402)                                                                              \
    X(RefreshButton, 3403)                                                                         \
    /* TCanorCantDo, "Enable & Disable" */                                                         \
    X(Enable, 3501)                                                                                \
    X(Disable, 3502)                                                                               \
    X(F5, 3503)                                                                                    \
    X(F8, 3504)                                                                                    \
    X(QUIT, 3505)                                                                                  \
    /* TMapDrv, "Map Network Drive" and "Capture Printer Port" */                                  \
    X(DriveLet, 3601)                                                                              \
    X(PathLoc, 3602)                                                                               \
    /* TfrmDate, "Date Selector" */                                                                \
    X(Calendar1, 3701)                                                                             \
    X(cmdYearDn, 3702)                                                                             \
    X(cmdMonDn, 3703)                                                                              \
    X(cmdMonUp, 3704)                                                                              \
    X(cmdYearUp, 3705)                                                                             \
    X(chkToday, 3706)                                                                              \
    /* TfrmMenuDev, "Menu Developer": nine items (Edit1, Edit2 and RadioButton1 to 8 as above) */  \
    X(RadioButton0, 3020)                                                                          \
    X(Edit0, 3800)                                                                                 \
    X(Edit3, 3803)                                                                                 \
    X(Edit4, 3804)                                                                                 \
    X(Edit5, 3805)                                                                                 \
    X(Edit6, 3806)                                                                                 \
    X(Edit7, 3807)                                                                                 \
    X(Edit8, 3808)                                                                                 \
    X(Script0, 3810)                                                                               \
    X(Script1, 3811)                                                                               \
    X(Script2, 3812)                                                                               \
    X(Script3, 3813)                                                                               \
    X(Script4, 3814)                                                                               \
    X(Script5, 3815)                                                                               \
    X(Script6, 3816)                                                                               \
    X(Script7, 3817)                                                                               \
    X(Script8, 3818)                                                                               \
    X(ScriptBrowse0, 3820)                                                                         \
    X(ScriptBrowse1, 3821)                                                                         \
    X(ScriptBrowse2, 3822)                                                                         \
    X(ScriptBrowse3, 3823)                                                                         \
    X(ScriptBrowse4, 3824)                                                                         \
    X(ScriptBrowse5, 3825)                                                                         \
    X(ScriptBrowse6, 3826)                                                                         \
    X(ScriptBrowse7, 3827)                                                                         \
    X(ScriptBrowse8, 3828)                                                                         \
    X(CheckBox1, 3830)                                                                             \
    /* TfrmChangeDesktop, "Change Desktop" (Button1 is "&Try") */                                  \
    X(imgDesktop, 3901)                                                                            \
    X(OkButton, 3902)                                                                              \
    X(CancelButton, 3903)

// The main window's commands: menu items, tool-bar buttons and accelerators.
#define QV_QVDEV_COMMANDS(X)                                                                       \
    X(New1, 2001)                                                                                  \
    X(Open1, 2002)                                                                                 \
    X(SaveAs1, 2003)                                                                               \
    X(Save1, 2004)                                                                                 \
    X(CreateShortcut1, 2005)                                                                       \
    X(ImportWizard1, 2006)                                                                         \
    X(UserName1, 2007)                                                                             \
    X(ComputerName1, 2008)                                                                         \
    X(Common1, 2009)                                                                               \
    X(InternetConnect1, 2010)                                                                      \
    X(InternetDisconnect1, 2011)                                                                   \
    X(Exit1, 2012)                                                                                 \
    X(Recent1, 2021)                                                                               \
    X(Recent2, 2022)                                                                               \
    X(Recent3, 2023)                                                                               \
    X(Recent4, 2024)                                                                               \
    X(Recent5, 2025)                                                                               \
    X(UndoChanges1, 2031)                                                                          \
    X(Run1, 2032)                                                                                  \
    X(Cut1, 2033)                                                                                  \
    X(Copy1, 2034)                                                                                 \
    X(Paste1, 2035)                                                                                \
    X(Delete1, 2036)                                                                               \
    X(ShowMainToolbar1, 2041)                                                                      \
    X(ShowMenuToolbar1, 2042)                                                                      \
    X(IconView1, 2043)                                                                             \
    X(ListView2, 2044)                                                                             \
    X(TextView1, 2045)                                                                             \
    X(Options1, 2046)                                                                              \
    X(Help1, 2051)                                                                                 \
    X(TipoftheDay1, 2052)                                                                          \
    X(About1, 2053)                                                                                \
    /* the script's problems, what-if runs and the interpreter's run log */                        \
    X(CheckScript1, 2071)                                                                          \
    X(WhatIf1, 2072)                                                                               \
    X(ViewRunLog1, 2073)                                                                           \
    X(RestoretoOriginalLocation1, 2061)                                                            \
    X(CommandBox, 2062)                                                                            \
    X(MenuButton, 2063)                                                                            \
    /* the Add commands, in the order of the Edit menu's Add submenu */                            \
    X(Launch1, 2101)                                                                               \
    X(RunScript1, 2102)                                                                            \
    X(ChangeDesktop1, 2103)                                                                        \
    X(Wait1, 2104)                                                                                 \
    X(WaitforWindow1, 2105)                                                                        \
    X(Copy2, 2106)                                                                                 \
    X(Rename1, 2107)                                                                               \
    X(DeleteFile1, 2108)                                                                           \
    X(MoveFiles1, 2109)                                                                            \
    X(ScriptWindowPosition1, 2110)                                                                 \
    X(Menu1, 2111)                                                                                 \
    X(On1, 2112)                                                                                   \
    X(Off1, 2113)                                                                                  \
    X(ShowErrorsOnOff1, 2114)                                                                      \
    X(NetworkConnect2, 2115)                                                                       \
    X(NetworkCapture2, 2116)                                                                       \
    X(ShutDown2, 2117)                                                                             \
    X(LogOff1, 2118)                                                                               \
    X(RestartComputer1, 2119)                                                                      \
    X(ChangeSystemDate2, 2120)                                                                     \
    X(CloseProgram1, 2121)                                                                         \
    X(MinimizeProgram1, 2122)                                                                      \
    X(SendkeystoProgram1, 2123)                                                                    \
    X(EnableDisable1, 2124)

namespace qv::ids {

#define QV_CONTROL_ID(name, value) inline constexpr int name = value;
QV_QVDEV_CONTROLS(QV_CONTROL_ID)
QV_QVDEV_COMMANDS(QV_CONTROL_ID)
#undef QV_CONTROL_ID

#define QV_CONTROL_NAME(name, value) {#name, value},
inline constexpr win32::ControlName QvdevControls[] = {QV_QVDEV_CONTROLS(QV_CONTROL_NAME)
                                                           QV_QVDEV_COMMANDS(QV_CONTROL_NAME)};
#undef QV_CONTROL_NAME

static_assert(Recent5 == Recent1 + 4, "the recent files are numbered from Recent1");

// Window classes; the main window's title changes with the script, its class does not.
inline constexpr const char* ViewFrmClass = "TfrmView";
inline constexpr const char* CompileFrmClass = "TfrmCompile";
inline constexpr const char* TipFrmClass = "TfrmTip";
inline constexpr const char* AboutFrmClass = "TfrmAbout";
inline constexpr const char* ImportWizardFrmClass = "TfrmMain";
inline constexpr const char* OptionsFrmClass = "TfrmOptions";
inline constexpr const char* ProblemsFrmClass = "TfrmProblems";
inline constexpr const char* WhatIfFrmClass = "TfrmWhatIf";
inline constexpr const char* RunLogFrmClass = "TfrmRunLog";
inline constexpr const char* ConfigRunClass = "TfrmConfigRun";
inline constexpr const char* FileCommandsClass = "TfrmFileCommands";
inline constexpr const char* TimerClass = "TfrmTimer";
inline constexpr const char* WinApiClass = "TwinAPI";
inline constexpr const char* SelWindowClass = "TSelWindow";
inline constexpr const char* SendkeysClass = "TfrmSendkeys";
inline constexpr const char* CanorCantDoClass = "TCanorCantDo";
inline constexpr const char* MapDrvClass = "TMapDrv";
inline constexpr const char* DateClass = "TfrmDate";
inline constexpr const char* MenuDevClass = "TfrmMenuDev";
inline constexpr const char* ChangeDesktopClass = "TfrmChangeDesktop";

} // namespace qv::ids
