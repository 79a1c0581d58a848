// Every line a dialog can build, over a table of field combinations per dialog, goes through
// qvtool check's rules: none may be reported, so the dialogs never write a line the interpreter
// would reject.
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
#include "tools/qvtool/ScriptCheck.h"

#include <functional>

namespace qv::editor::testing {
namespace {

class DialogLines : public DocumentFixture {
  protected:
    FakeDialogHost dialogs;
    std::vector<std::string> lines;
    std::vector<std::string> tags; // which dialog built each line

    void Add(const char* tag, const std::string& line) {
        lines.push_back(line);
        tags.push_back(tag);
    }

    void RunProgramLines() {
        const char* files[] = {"C:\\Apps\\Mail.exe", "C:\\Program Files (x86)\\App\\App.exe",
                               "C:\\Links\\Mail.lnk", "\\\\srv\\share\\tool.com"};
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
                        Add("run program", model.BuildLine(DialogUse::Add));
                        Add("run program", model.BuildLine(DialogUse::Edit));
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
                        Add("file command", model.BuildLine());
                    }
    }

    void NetworkLines() {
        dialogs.drives = {{'X', "x: \\\\server\\share"}};
        for (MapDriveMode mode : {MapDriveMode::Connect, MapDriveMode::Capture}) {
            MapDriveModel model(mode, dialogs, dialogs);
            model.PathLoc = "\\\\Server\\Share";
            for (std::size_t i = 0; i < model.DriveLet.size(); ++i) {
                model.DriveLetIndex = static_cast<int>(i);
                ASSERT_TRUE(model.OkEnabled());
                Add("map drive", model.BuildLine());
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
                        Add("desktop", model.BuildLine());
                }
    }

    void WaitAndWindowLines() {
        TimerModel timer;
        for (int halves = MinimumHalfSeconds; halves <= MaximumHalfSeconds; ++halves) {
            timer.HalfSeconds = halves;
            Add("timer", timer.BuildLine());
        }
        for (WindowCommand command :
             {WindowCommand::Close, WindowCommand::Minimize, WindowCommand::WaitForWindow}) {
            WindowTitleModel model(command, dialogs);
            model.Edit1 = "Untitled - Notepad";
            ASSERT_TRUE(model.OkEnabled());
            Add("window title", model.BuildLine());
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
                    Add("locate", model.BuildLine());
            }
        for (const char* keys : {"Hello{ENTER}", "%{F4}", "say \"hi\"~", "{TAB 3}+a"}) {
            SendKeysModel model(dialogs);
            model.Listbox1 = "Untitled - Notepad";
            model.Memo1 = keys;
            if (!model.Button1Click())
                Add("sendkeys", model.BuildLine());
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
                Add("enable disable", model.BuildLine());
            }
        for (const char* format : {"dd/MM/yyyy", "M/d/yyyy", "dd.MM.yyyy", "yyyy-MM-dd"})
            for (const logic::CivilDate& date :
                 {logic::CivilDate{2026, 12, 10}, logic::CivilDate{2024, 2, 29},
                  logic::CivilDate{1999, 1, 1}}) {
                dialogs.shortDateFormat = format;
                DateModel model(dialogs);
                model.Calendar1Change(date);
                Add("date", model.BuildLine());
                model.chkTodayClick(true);
                Add("date", model.BuildLine());
            }
        RunScriptModel run;
        run.FileName = "C:\\Scripts\\Net.qvc";
        Add("run script", run.BuildLine());
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
    RunProgramLines();
    FileCommandLines();
    NetworkLines();
    DesktopLines();
    WaitAndWindowLines();
    ControlLines();
    MenuLines();
    ASSERT_GT(lines.size(), 1000u);
    for (const LineProblem& problem : CheckScriptSource(lines))
        ADD_FAILURE() << tags[problem.line - 1] << ": " << problem.message;
}

} // namespace
} // namespace qv::editor::testing
