#pragma once
// The base of every window built from a control table: it registers the window class, creates
// the controls at the window's DPI with the system's message font, places the window, gives
// Enter and Escape to the default and cancel buttons, restores the focus on activation, follows
// DPI changes, and runs the window modally over another until it ends with a typed result.
//
// A dialog declares its controls as a constexpr ControlSpec table, passes it in a FormSpec to
// the base, handles its buttons in OnCommand and ends with Finish(result):
//
//     class TfrmAsk : public Dialog<bool> {
//       public:
//         TfrmAsk(MessageLoop& loop, HWND owner) : Dialog(loop, Spec(), owner, false) {}
//       protected:
//         void OnCommand(int id, int) override { if (id == ids::butOk) Finish(true); }
//     };
//     const bool ok = TfrmAsk(loop, main).ShowModal(main);
#include "common/win32/ControlTable.h"
#include "common/win32/Dpi.h"
#include "common/win32/MessageLoop.h"
#include "common/win32/Owners.h"
#include "common/win32/WindowBase.h"

#include <windows.h>

#include <span>
#include <utility>

namespace qv::win32 {

enum class Placement {
    CentreOnScreen,  // centred on the monitor the window is on
    CentreOverOwner, // centred over the owner window (on the screen when there is none)
    AsCreated,       // left where it was created; the form places itself
};

struct FormSpec {
    const char* className;
    const char* title;
    DWORD style;
    DWORD exStyle;
    // 96-DPI pixels: the client area's size, or the outer size when `outerSize` is set.
    int width;
    int height;
    std::span<const ControlSpec> controls;
    int defaultButton = 0; // pressed by Enter unless a focused button takes it
    int cancelButton = 0;  // pressed by Escape and the close box; 0: neither does anything
    int initialFocus = 0;  // the control focused when shown; 0: the default button
    Placement placement = Placement::CentreOnScreen;
    HICON icon = nullptr; // the class's icon
    bool outerSize = false;
};

// The window a modal form disables while it is up. Release gives it back before the modal form
// is destroyed, so that the focus returns to it rather than to another program.
class BlockedWindow {
  public:
    BlockedWindow() = default;
    BlockedWindow(const BlockedWindow&) = delete;
    BlockedWindow& operator=(const BlockedWindow&) = delete;
    ~BlockedWindow() { Release(); }

    // Disables `window` unless it is already disabled (then someone else gives it back).
    void Block(HWND window) {
        if (window != nullptr && window_ == nullptr && ::IsWindowEnabled(window)) {
            window_ = window;
            ::EnableWindow(window_, FALSE);
        }
    }
    void Release() {
        if (window_ != nullptr) {
            ::EnableWindow(std::exchange(window_, nullptr), TRUE);
        }
    }

  private:
    HWND window_ = nullptr;
};

class Form : public WindowBase, private MessageFilter {
  public:
    ~Form() override;

    int Dpi() const { return dpi_; }
    // The message font at the window's DPI, which every control of the table has.
    HFONT Font() const { return font_.Get(); }
    // A control of the form, as its wrapper type (Window, Button, ListView, ...).
    template <typename T = Window> T Control(int id) const { return T(::GetDlgItem(Handle(), id)); }
    // Presses a button as a click would: only when it is there, visible and enabled.
    bool PressButton(int id);
    // Centres the window as its placement says (also after its size changed), or as given.
    void Place() { Place(spec_.placement); }
    void Place(Placement placement);
    // Whether the form's modal run is on.
    bool IsModal() const { return modal_; }

  protected:
    Form(MessageLoop& loop, const FormSpec& spec, HWND owner);

    MessageLoop& Loop() const { return loop_; }
    const FormSpec& Spec() const { return spec_; }
    HWND Owner() const { return owner_; }

    // Shows the form in front with the focus on its first control and runs the one message
    // loop until EndModal (or the application's end); `blocked` takes no input meanwhile.
    void RunModal(HWND blocked);
    // Ends the modal run: gives the blocked window back and destroys the form.
    void EndModal();

    // A button or menu command (IDOK and IDCANCEL arrive as the default and cancel buttons).
    virtual void OnCommand(int /*id*/, int /*code*/) {}
    // Sees the form's messages before its controls do (keys the window previews); true when
    // handled.
    virtual bool PreviewMessage(MSG& /*message*/) { return false; }
    // The close box: presses the cancel button, or without one ends the modal run.
    virtual void OnClose();
    // The form became active: the control that had the focus gets it back.
    virtual void OnActivated();
    // After a DPI change has rescaled the fonts and the table's controls.
    virtual void OnDpiApplied() {}
    // Gives the window another design size (a dialog whose height changes), kept across DPI
    // changes; in 96-DPI pixels, client or outer as the spec says.
    void ApplySize(int width, int height);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool PreTranslate(MSG& message) override;
    bool HandleKey(const MSG& message);
    void OnDpiChanged(int dpi, const RECT& suggested);
    HWND InitialFocus() const;

    MessageLoop& loop_;
    FormSpec spec_;
    HWND owner_;
    int dpi_ = DesignDpi;
    SIZE designSize_{};
    UniqueFont font_;
    BlockedWindow blocked_;
    HWND lastFocus_ = nullptr;
    bool modal_ = false;
};

// A form that ends with a typed result: `cancelled` until Finish gives another.
template <typename Result> class Dialog : public Form {
  public:
    // Shows the dialog modally over `blocked` and returns its result.
    Result ShowModal(HWND blocked) {
        if (IsAlive()) {
            RunModal(blocked);
        }
        return result_;
    }

  protected:
    Dialog(MessageLoop& loop, const FormSpec& spec, HWND owner, Result cancelled)
        : Form(loop, spec, owner), result_(std::move(cancelled)) {}

    void Finish(Result result) {
        if (IsAlive()) {
            result_ = std::move(result);
            EndModal();
        }
    }
    const Result& Current() const { return result_; }

  private:
    Result result_;
};

} // namespace qv::win32
