#include "common/win32/MessageLoop.h"
#include "common/win32/WindowBase.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace qv::win32 {
namespace {

constexpr UINT Throw = WM_APP + 1;
constexpr UINT Count = WM_APP + 2;

class TestWindow : public WindowBase {
  public:
    TestWindow() {
        RegisterWindowClass("QvKitTestWindow", nullptr, nullptr);
        CreateWindowOf("QvKitTestWindow", "test", WS_POPUP, 0, 0, 0, 10, 10, nullptr);
    }
    ~TestWindow() override { Destroy(); }

    int counted = 0;
    int exceptions = 0;
    bool closeAllowed = true;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case Throw:
            throw std::runtime_error("handler failed");
        case Count:
            ++counted;
            return 7;
        case WM_CLOSE:
            if (!closeAllowed) {
                throw std::runtime_error("close refused by throwing");
            }
            break;
        default:
            break;
        }
        return Default(message, wParam, lParam);
    }
    void OnHandlerException() noexcept override { ++exceptions; }
};

TEST(WindowBase, AHandlerThatThrowsDoesNotUnwindThroughTheSystem) {
    TestWindow window;
    ASSERT_TRUE(window.IsAlive());
    EXPECT_EQ(window.Self().Send(Count), 7);
    window.Self().Send(Throw);
    EXPECT_EQ(window.exceptions, 1);
    // A close that throws is refused, not carried out by default.
    window.closeAllowed = false;
    window.Self().Send(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(window.Handle()));
    EXPECT_EQ(window.Self().Send(Count), 7);
}

TEST(WindowBase, DestroyingTheWindowDetachesTheObject) {
    TestWindow window;
    HWND handle = window.Handle();
    window.Self().Send(WM_CLOSE); // the default close destroys the window
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_FALSE(window.IsAlive());
}

class SwallowCount : public MessageFilter {
  public:
    bool PreTranslate(MSG& message) override {
        if (message.message == Count) {
            ++seen;
            return true;
        }
        return false;
    }
    int seen = 0;
};

TEST(MessageLoop, FiltersSeeMessagesBeforeTheyAreDispatched) {
    MessageLoop loop;
    TestWindow window;
    SwallowCount filter;
    loop.AddFilter(&filter);
    window.Self().Post(Count);
    window.Self().Post(Count);
    loop.ProcessMessages();
    EXPECT_EQ(filter.seen, 2);
    EXPECT_EQ(window.counted, 0);

    loop.RemoveFilter(&filter);
    window.Self().Post(Count);
    loop.ProcessMessages();
    EXPECT_EQ(window.counted, 1);
}

TEST(MessageLoop, QuitStopsEveryLoopAndKeepsTheFirstExitCode) {
    MessageLoop loop;
    TestWindow window;
    window.Self().Post(Count);
    loop.Quit(3);
    loop.Quit(5);
    loop.ProcessMessages();
    EXPECT_EQ(window.counted, 0) << "nothing is dispatched once the application ends";
    EXPECT_EQ(loop.Run(), 3);
    loop.Run(window.Handle()); // returns at once
    EXPECT_TRUE(loop.QuitRequested());
    MSG message{};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

TEST(MessageLoop, ModalLoopEndsWhenItsWindowIsDestroyed) {
    MessageLoop loop;
    TestWindow window;
    window.Self().Post(WM_CLOSE);
    loop.Run(window.Handle());
    EXPECT_FALSE(window.IsAlive());
    EXPECT_FALSE(loop.QuitRequested());
}

} // namespace
} // namespace qv::win32
