#include "common/win32/Controls.h"
#include "common/win32/Form.h"
#include "common/win32/Menu.h"

#include <gtest/gtest.h>

#include <vector>

namespace qv::win32 {
namespace {

// The shape of a program's main window on the kit: a rebar with two tool bars, a list view
// that shows rows in icon or report view, a status bar, a menu bar with accelerators, and a
// context menu. Built here as the editor's main window will be, and checked against the real
// controls.
enum Id {
    ScriptList = 100,
    Bands = 101,
    MainBar = 102,
    MenuBar = 103,
    Status = 104,
    CmdSave = 201,
    CmdRunBox = 202,
    CmdIconView = 203,
    CmdListView = 204,
    CmdDelete = 205,
    CmdMenuButton = 206,
};

constexpr ControlSpec Controls[] = {
    {ScriptList, ControlKind::ListView, 0, 0, 0, 0, "", LVS_REPORT | LVS_AUTOARRANGE, false,
     WS_EX_CLIENTEDGE},
};

constexpr ToolButton MainButtons[] = {
    {CmdSave, 0, BTNS_BUTTON, "Save & Compile"},
    {0, 0, BTNS_SEP, nullptr},
    {CmdRunBox, I_IMAGENONE, BTNS_DROPDOWN | BTNS_SHOWTEXT, nullptr},
    {0, 0, BTNS_SEP, nullptr},
    {CmdIconView, 0, BTNS_CHECKGROUP, "Icon View"},
    {CmdListView, 0, BTNS_CHECKGROUP, "List View", TBSTATE_ENABLED | TBSTATE_CHECKED},
};
constexpr ToolButton MenuButtons[] = {{CmdMenuButton, 0, BTNS_BUTTON, "Menu"}};
constexpr AcceleratorKey Keys[] = {{FCONTROL, 'S', CmdSave}, {0, VK_DELETE, CmdDelete}};

class SampleMain : public Form {
  public:
    explicit SampleMain(MessageLoop& loop)
        : Form(loop,
               {.className = "QvSampleMain",
                .title = "Sample",
                .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                .exStyle = 0,
                .width = 500,
                .height = 300,
                .controls = Controls},
               nullptr),
          pictures_(16, 2), accelerators_(loop, Handle(), Keys) {
        pictures_.Add(::LoadIconA(nullptr, IDI_APPLICATION));
        rebar_ = Rebar::Create(Handle(), Bands);
        main_ = ToolBar::Create(rebar_.Handle(), MainBar, pictures_.Handle(), MainButtons);
        main_.SetButtonText(CmdRunBox, "&Run Program");
        const SIZE size = main_.IdealSize();
        rebar_.AddBand(main_.Handle(), MainBar, size.cx, size.cy);
        ToolBar menuBar =
            ToolBar::Create(rebar_.Handle(), MenuBar, pictures_.Handle(), MenuButtons);
        rebar_.AddBand(menuBar.Handle(), MenuBar, menuBar.IdealSize().cx, size.cy);
        status_ = StatusBar::Create(Handle(), Status);

        ListView list = Rows();
        list.SetImageList(pictures_.Handle(), LVSIL_SMALL);
        list.AddColumn("Title", 150);
        list.AddColumn("Command", 250);
        list.InsertItem(0, "Run Program", 0);
        list.SetItemText(0, 1, "LOAD C:\\TOOLS\\SYNC.EXE");

        UniqueMenu edit = CreatePopupMenu();
        Menu(edit.Get()).AppendItem(CmdDelete, "&Delete\tDel");
        menu_ = CreateMenuBar();
        Menu(menu_.Get()).AppendPopup(std::move(edit), "&Edit");
        ::SetMenu(Handle(), menu_.Get());
        Layout();
    }
    // The bars go before the pictures and the menu they show.
    ~SampleMain() override {
        ::SetMenu(Handle(), nullptr);
        Destroy();
    }

    ListView Rows() const { return Control<ListView>(ScriptList); }
    ToolBar MainTools() const { return main_; }
    Rebar Bars() const { return rebar_; }
    StatusBar StatusLine() const { return status_; }
    std::vector<int> commands;

  protected:
    void OnCommand(int id, int) override {
        commands.push_back(id);
        if (id == CmdIconView || id == CmdListView) {
            Rows().SetView(id == CmdIconView ? LV_VIEW_ICON : LV_VIEW_DETAILS);
        }
    }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->code == TTN_GETDISPINFOA) {
                ToolBar::TipText(MainButtons, *reinterpret_cast<NMTTDISPINFOA*>(lParam));
                return 0;
            }
            return Form::HandleMessage(message, wParam, lParam);
        }
        default:
            return Form::HandleMessage(message, wParam, lParam);
        }
    }

  private:
    // The list fills what the bars leave.
    void Layout() {
        if (!rebar_ || !status_) {
            return;
        }
        rebar_.Resize();
        status_.Resize();
        const RECT client = Self().ClientRect();
        const int top = rebar_.Height();
        const int bottom = client.bottom - status_.Height();
        Rows().Move(0, top, client.right, bottom - top);
    }

    ImageList pictures_;
    Accelerators accelerators_;
    Rebar rebar_;
    ToolBar main_;
    StatusBar status_;
    UniqueMenu menu_;
};

RECT PlaceInParent(Window control) {
    RECT rect = control.WindowRect();
    ::MapWindowPoints(nullptr, ::GetParent(control.Handle()), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(MainWindow, TheListFillsTheSpaceBetweenTheBarsAtEverySize) {
    InitCommonControlClasses();
    MessageLoop loop;
    SampleMain window(loop);
    ASSERT_TRUE(window.IsAlive()) << "no window station (run under a display)";
    for (SIZE size : {SIZE{640, 480}, SIZE{300, 200}}) {
        ::SetWindowPos(window.Handle(), nullptr, 0, 0, size.cx, size.cy,
                       SWP_NOMOVE | SWP_NOZORDER);
        const RECT client = window.Self().ClientRect();
        const RECT list = PlaceInParent(window.Rows());
        const RECT bars = PlaceInParent(window.Bars());
        const RECT status = PlaceInParent(window.StatusLine());
        EXPECT_EQ(bars.top, 0);
        EXPECT_EQ(list.top, bars.bottom) << size.cx;
        EXPECT_EQ(list.bottom, status.top) << size.cx;
        EXPECT_EQ(status.bottom, client.bottom) << size.cx;
        EXPECT_EQ(list.right, client.right) << size.cx;
    }
    EXPECT_EQ(window.Bars().BandCount(), 2);
    EXPECT_EQ(window.Rows().ItemText(0, 1), "LOAD C:\\TOOLS\\SYNC.EXE");
}

TEST(MainWindow, ToolButtonsAcceleratorsAndTheMenuReachOnCommand) {
    InitCommonControlClasses();
    MessageLoop loop;
    SampleMain window(loop);
    ToolBar tools = window.MainTools();
    // A click on a check-group button, as the tool bar reports it.
    tools.SetChecked(CmdIconView, true);
    window.Self().Send(WM_COMMAND, CmdIconView, reinterpret_cast<LPARAM>(tools.Handle()));
    EXPECT_FALSE(tools.IsChecked(CmdListView)) << "one of the group";
    EXPECT_EQ(window.Rows().View(), static_cast<DWORD>(LV_VIEW_ICON));

    window.Self().Post(WM_KEYDOWN, VK_DELETE);
    ::PostMessageA(window.Rows().Handle(), WM_KEYDOWN, 'S', 0);
    loop.ProcessMessages();
    EXPECT_EQ(window.commands, (std::vector<int>{CmdIconView, CmdDelete}))
        << "Ctrl is not down, so S is no command";
    EXPECT_TRUE(Menu(::GetMenu(window.Handle())).IsEnabled(CmdDelete));
}

} // namespace
} // namespace qv::win32
