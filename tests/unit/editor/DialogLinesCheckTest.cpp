// Every line a dialog can build, over a table of field combinations per dialog, goes through
// qvtool check's rules: none may be reported, so the dialogs never write a line the interpreter
// would reject. And the dialog that built a line reads it back into fields that build it again.
#include "DocumentFixture.h"
#include "FakeDialogHost.h"
#include "editor/core/ControlLines.h"
#include "editor/core/EnableDisableModel.h"
#include "editor/core/FileCommandModel.h"
#include "editor/core/LocateModel.h"
#include "editor/core/MenuLayoutModel.h"
#include "editor/core/RunScriptModel.h"
#include "editor/core/SendKeysModel.h"
#include "editor/core/TimerModel.h"
#include "editor/core/WindowTitleModel.h"
#include "interpreter/logic/ScriptCheck.h"

#include <functional>

namespace qv::editor::testing {
namespace {

class DialogLines : public DocumentFixture {
  protected:
    FakeDialogHost dialogs;
    // The edit path of the dialog that built a line: the line it builds after reading it.
    using Reread = std::function<std::string(const std::string&)>;

    std::vector<std::string> lines;
    std::vector<std::string> tags; // which dialog built each line
    std::vector<Reread> rereads;   // empty where the line has no edit path

    void Add(const char* tag, const std::string& line, Reread reread = {}) {
        lines.push_back(line);
        tags.push_back(tag);
        rereads.push_back(std::move(reread));
    }

    void AllLines() {
        RunProgramLines();
        FileCommandLines();
        NetworkLines();
        DesktopLines();
        WaitAndWindowLines();
        ControlLines();
        MenuLines();
    }

    void RunProgramLines() {
        const char* files[] = {"C:\\Apps\\Mail.exe",   "C:\\Program Files (x86)\\App\\App.exe",
                               "C:\\Links\\Mail.lnk",  "\\\\srv\\share\\tool.com",
                               "C:\\Odd [max]\\A.exe", "C:\\{x}\\A.exe"};
        const std::pair<const char*, const char*> windows[] = {
            {"0800", "1230"}, {"1700", "800"}, {"0000", "2359"}};
        for (const char* file : files)
            for (int state = 0; state < 4; ++state)
                for (int flags = 0; flags < 16; ++flags)
                    for (const auto& [start, end] : windows) {
                        RunProgramModel model(dialogs);
                        model.Edit1Change(file);
                        model.Edit2 = flags & 1 ? "-q /x" : "";
                        model.WindowState = static_cast<WindowStateChoice>(state);
                        model.RunOnce = flags & 2;
                        model.OnlyClick(flags & 4);
                        model.Days = {true, false, true, false, false, false, state == 1};
                        model.BetweenClick(flags & 8);
                        model.B1 = start;
                        model.B2 = end;
                        model.RunandWait = state == 2;
                        if (model.Button1Click())
                            continue;
                        for (DialogUse use : {DialogUse::Add, DialogUse::Edit})
                            Add("run program", model.BuildLine(use),
                                [this, use](const std::string& line) {
                                    RunProgramModel again(dialogs);
                                    again.FromLine(line);
                                    return again.BuildLine(use);
                                });
                    }
    }

    void FileCommandLines() {
        for (FileCommandMode mode :
             {FileCommandMode::Copy, FileCommandMode::Rename, FileCommandMode::Delete})
            for (int kinds = 0; kinds < 2; ++kinds)
                for (int rule = 0; rule < 3; ++rule)
                    for (int boxes = 0; boxes < 8; ++boxes) {
                        FileCommandModel model(mode, dialogs);
                        if (kinds) {
                            model.RadioButton2Click();
                            model.DEdit1 = "C:\\Data";
                            model.DEdit2 = "D:\\Backup";
                        } else {
                            model.Edit1 = "C:\\Data\\*.TXT";
                            model.Edit2 = "D:\\Backup\\a.txt";
                        }
                        model.Overwrite = static_cast<OverwriteChoice>(rule);
                        model.Checkbox3Click(boxes & 1);
                        model.CheckBox4 = boxes & 2;
                        model.CheckBox5 = boxes & 4;
                        model.FormClick();
                        ASSERT_TRUE(model.Button1Enabled);
                        model.Button1Click();
                        Add("file command", model.BuildLine(),
                            [this, mode](const std::string& line) {
                                FileCommandModel again(mode, dialogs);
                                again.FromLine(line);
                                again.Button1Click();
                                return again.BuildLine();
                            });
                    }
    }

    void NetworkLines() {
        dialogs.drives = {{'X', "x: \\\\server\\share"}};
        for (MapDriveMode mode : {MapDriveMode::Connect, MapDriveMode::Capture}) {
            MapDriveModel model(mode, dialogs, dialogs);
            // An edit stores the path in capitals.
            model.PathLoc = "\\\\SERVER\\SHARE";
            for (std::size_t i = 0; i < model.DriveLet.size(); ++i) {
                model.DriveLetIndex = static_cast<int>(i);
                ASSERT_TRUE(model.OkEnabled());
                Add("map drive", model.BuildLine(), [this, mode](const std::string& line) {
                    MapDriveModel again(mode, dialogs, dialogs);
                    again.FromLine(line);
                    return again.BuildLine();
                });
            }
        }
    }

    void DesktopLines() {
        for (const char* file : {"C:\\Walls\\Sea.bmp", ""})
            for (int other = 0; other < 2; ++other)
                for (int here = 0; here < 2; ++here) {
                    DesktopModel model(dialogs, dialogs);
                    model.Edit1Change(file);
                    model.CheckBox1Click(other);
                    model.RandomHere = here;
                    if (model.OkEnabled())
                        Add("desktop", model.BuildLine(), [this](const std::string& line) {
                            DesktopModel again(dialogs, dialogs);
                            again.FromLine(line);
                            return again.BuildLine();
                        });
                }
    }

    void WaitAndWindowLines() {
        TimerModel timer;
        for (int halves = MinimumHalfSeconds; halves <= MaximumHalfSeconds; ++halves) {
            timer.HalfSeconds = halves;
            Add("timer", timer.BuildLine(), [](const std::string& line) {
                TimerModel again;
                again.FromLine(line);
                return again.BuildLine();
            });
        }
        for (WindowCommand command :
             {WindowCommand::Close, WindowCommand::Minimize, WindowCommand::WaitForWindow}) {
            WindowTitleModel model(command, dialogs);
            model.Edit1 = "Untitled - Notepad";
            ASSERT_TRUE(model.OkEnabled());
            Add("window title", model.BuildLine(), [this, command](const std::string& line) {
                WindowTitleModel again(command, dialogs);
                again.FromLine(line);
                return again.BuildLine();
            });
        }
        const std::function<void(LocateModel&)> clicks[] = {
            [](LocateModel& m) { m.RadioButton1Click(); },
            [](LocateModel& m) { m.RadioButton2Click(); },
            [](LocateModel& m) { m.RadioButton3Click(); },
            [](LocateModel& m) { m.RadioButton4Click(); },
            [](LocateModel& m) { m.RadioButton5Click(); },
            [](LocateModel& m) { m.RadioButton6Click(); },
            [](LocateModel& m) { m.RadioButton7Click(); },
            [](LocateModel& m) { m.RadioButton8Click(); },
            [](LocateModel& m) { m.RadioButton9Click(); },
        };
        for (const auto& first : clicks)
            for (const auto& second : clicks) {
                LocateModel model;
                first(model);
                second(model);
                if (model.OkEnabled())
                    Add("locate", model.BuildLine(), [](const std::string& line) {
                        LocateModel again;
                        again.FromLine(line);
                        return again.BuildLine();
                    });
            }
        for (const char* keys : {"Hello{ENTER}", "%{F4}", "say \"hi\"~", "{TAB 3}+a"}) {
            SendKeysModel model(dialogs);
            model.Listbox1 = "Untitled - Notepad";
            model.Memo1 = keys;
            if (!model.Button1Click())
                Add("sendkeys", model.BuildLine(), [this](const std::string& line) {
                    SendKeysModel again(dialogs);
                    again.FromLine(line);
                    return again.BuildLine();
                });
        }
    }

    void ControlLines() {
        for (int enable = 0; enable < 2; ++enable)
            for (int keys = 1; keys < 8; ++keys) {
                EnableDisableModel model;
                model.Enable = enable;
                model.F5 = keys & 1;
                model.F8 = keys & 2;
                model.QUIT = keys & 4;
                Add("enable disable", model.BuildLine(), [](const std::string& line) {
                    EnableDisableModel again;
                    again.FromLine(line);
                    return again.BuildLine();
                });
            }
        // The check knows only these machine formats; each line is read back in its own.
        for (const char* format : {"dd/MM/yyyy", "M/d/yyyy", "dd.MM.yyyy", "yyyy-MM-dd"})
            for (const logic::CivilDate& date :
                 {logic::CivilDate{2026, 12, 10}, logic::CivilDate{2024, 2, 29},
                  logic::CivilDate{1999, 1, 1}}) {
                dialogs.shortDateFormat = format;
                DateModel model(dialogs);
                model.Calendar1Change(date);
                const Reread reread = [this,
                                       format = std::string(format)](const std::string& line) {
                    dialogs.shortDateFormat = format;
                    DateModel again(dialogs);
                    return again.FromLine(line) ? std::string() : again.BuildLine();
                };
                Add("date", model.BuildLine(), reread);
                model.chkTodayClick(true);
                Add("date", model.BuildLine(), reread);
            }
        RunScriptModel run;
        run.FileName = "C:\\Scripts\\Net.qvc";
        Add("run script", run.BuildLine(), [](const std::string& line) {
            RunScriptModel again;
            again.FromLine(line);
            return again.BuildLine();
        });
        for (PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No})
            Add("show errors", *ShowErrorsLine(answer));
        for (FixedCommand command :
             {FixedCommand::PromptOn, FixedCommand::PromptOff, FixedCommand::PromptMenu,
              FixedCommand::Shutdown, FixedCommand::LogOff, FixedCommand::Restart})
            Add("fixed", FixedLine(command));
    }

    void MenuLines() {
        Load({"LOGOFF"});
        MenuLayoutModel model(doc.MenuDialogOpening());
        model.CaptionChange(0, "Mail/News");
        model.CaptionChange(3, "Games & Fun");
        model.Script[3] = "C:\\Scripts\\games.qvs";
        model.CheckBox1Click(true);
        model.SetSpinEdit1(15);
        ASSERT_FALSE(model.Validate());
        model.ApplyOk(doc);
        for (const std::string& line : doc.SaveTemp())
            Add("menu", line);
    }
};

TEST_F(DialogLines, NoneIsReportedByTheCheck) {
    AllLines();
    ASSERT_GT(lines.size(), 1000u);
    for (const LineProblem& problem : CheckScriptSource(lines))
        ADD_FAILURE() << tags[problem.line - 1] << ": " << problem.message;
}

TEST_F(DialogLines, EachReadsBackTheSame) {
    AllLines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (rereads[i]) {
            EXPECT_EQ(rereads[i](lines[i]), lines[i]) << tags[i];
        }
}

} // namespace
} // namespace qv::editor::testing
