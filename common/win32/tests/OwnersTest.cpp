#include "common/win32/Owners.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace qv::win32
