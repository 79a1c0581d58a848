#include "common/win32/Owners.h"
#include "common/win32/Com.h"
#include "common/win32/Gdi.h"

#include <gtest/gtest.h>

#include <string>

namespace qv::win32 {
namespace {

// An event handle is easy to observe: once closed, its handle value is no longer valid.
bool IsOpen(HANDLE handle) {
    DWORD flags = 0;
    return ::GetHandleInformation(handle, &flags) != FALSE;
}

TEST(Owners, CloseExactlyOnceAcrossMoves) {
    HANDLE raw = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(raw, nullptr);
    {
        UniqueHandle first(raw);
        UniqueHandle second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_TRUE(second);
        UniqueHandle third;
        third = std::move(second);
        EXPECT_EQ(third.Get(), raw);
        EXPECT_TRUE(IsOpen(raw));
    }
    EXPECT_FALSE(IsOpen(raw));
}

TEST(Owners, ReleaseGivesUpOwnershipAndResetClosesTheOldHandle) {
    HANDLE a = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE b = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    UniqueHandle owner(a);
    owner.Reset(b);
    EXPECT_FALSE(IsOpen(a));
    HANDLE released = owner.Release();
    EXPECT_EQ(released, b);
    EXPECT_FALSE(owner);
    EXPECT_TRUE(IsOpen(b));
    ::CloseHandle(b);
}

TEST(Owners, InvalidHandleValueCountsAsEmpty) {
    UniqueHandle file(::CreateFileA("Z:\\no\\such\\folder\\file.txt", GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(file);
}

TEST(Owners, AFolderSearchIsEndedAndAFailedOneIsEmpty) {
    WIN32_FIND_DATAA found{};
    UniqueFindHandle missing(::FindFirstFileA("Z:\\no\\such\\folder\\*", &found));
    EXPECT_FALSE(missing) << "INVALID_HANDLE_VALUE is no search";
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    UniqueFindHandle search(::FindFirstFileA((std::string(windows) + "\\*").c_str(), &found));
    ASSERT_TRUE(search);
    EXPECT_TRUE(::FindNextFileA(search.Get(), &found));
}

TEST(Owners, ComScopesNestAndLeaveTheThreadAsTheyFoundIt) {
    {
        ComScope outer;
        EXPECT_TRUE(outer.Usable());
        ComScope inner;
        EXPECT_TRUE(inner.Usable());
    }
    // Balanced: a fresh multi-threaded start would fail if an apartment were left behind.
    const HRESULT result = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_TRUE(SUCCEEDED(result));
    if (SUCCEEDED(result)) {
        ::CoUninitialize();
    }
}

TEST(Owners, ASelectedObjectIsPutBackAndTheContextReleased) {
    HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
    ASSERT_NE(window, nullptr) << "no window station (run under a display)";
    UniqueFont font(
        ::CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    {
        WindowDC dc(window);
        ASSERT_TRUE(dc);
        const HGDIOBJ original = ::GetCurrentObject(dc.Get(), OBJ_FONT);
        {
            SelectedObject selected(dc.Get(), font.Get());
            EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_FONT), font.Get());
        }
        EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_FONT), original);
    }
    ::DestroyWindow(window);
}

} // namespace
} // namespace qv::win32
