#include "interpreter/logic/CtlShutdown.h"
#include "interpreter/win32/services/Win32SystemSettings.h"

#include <gtest/gtest.h>

#include <set>

namespace qv::win32 {
namespace {

// Records what would have reached the machine; the real date and session are never touched.
struct RecordedCalls {
    std::vector<SYSTEMTIME> times;
    std::vector<UINT> exits;
    std::vector<DWORD> reasons;
    std::vector<std::string> wallpapers;
    bool answer = true;

    MachineCalls Calls() {
        return {[this](const SYSTEMTIME& t) {
                    times.push_back(t);
                    return answer;
                },
                [this](UINT flags, DWORD reason) {
                    exits.push_back(flags);
                    reasons.push_back(reason);
                    return answer;
                },
                [this](const std::string& path) {
                    wallpapers.push_back(path);
                    return answer;
                }};
    }
};

TEST(Win32SystemSettings, HandsTheFinalCallsTheirArgumentsAndResults) {
    RecordedCalls recorded;
    Win32SystemSettings settings(recorded.Calls());
    const logic::DateAndTime universal{2027, 2, 28, 23, 59, 58, 250, 0};
    EXPECT_TRUE(settings.SetSystemTime(universal));
    ASSERT_EQ(recorded.times.size(), 1u);
    const SYSTEMTIME& t = recorded.times[0];
    EXPECT_EQ(t.wYear, 2027);
    EXPECT_EQ(t.wMonth, 2);
    EXPECT_EQ(t.wDay, 28);
    EXPECT_EQ(t.wHour, 23);
    EXPECT_EQ(t.wMinute, 59);
    EXPECT_EQ(t.wSecond, 58);
    EXPECT_EQ(t.wMilliseconds, 250);

    EXPECT_TRUE(settings.ExitWindowsWith(
        EWX_LOGOFF | EWX_FORCE, SHTDN_REASON_FLAG_PLANNED | SHTDN_REASON_MAJOR_APPLICATION |
                                    SHTDN_REASON_MINOR_MAINTENANCE));
    EXPECT_EQ(recorded.exits, std::vector<UINT>{EWX_LOGOFF | EWX_FORCE});
    EXPECT_EQ(recorded.reasons, std::vector<DWORD>{logic::PlannedShutdownReason});
    EXPECT_TRUE(settings.SetWallpaper("C:\\WINDOWS\\clouds.bmp"));
    EXPECT_EQ(recorded.wallpapers, std::vector<std::string>{"C:\\WINDOWS\\clouds.bmp"});

    recorded.answer = false;
    EXPECT_FALSE(settings.SetSystemTime(universal));
    EXPECT_FALSE(settings.ExitWindowsWith(EWX_SHUTDOWN, logic::PlannedShutdownReason));
}

TEST(Win32SystemSettings, EnablesOnlyPrivilegesThatExist) {
    Win32SystemSettings settings(MachineCalls{});
    // The prefix's user holds both; enabling them changes only this process's token.
    EXPECT_TRUE(settings.EnablePrivilege("SeShutdownPrivilege"));
    EXPECT_TRUE(settings.EnablePrivilege("SeSystemtimePrivilege"));
    EXPECT_FALSE(settings.EnablePrivilege("SeNoSuchPrivilege"));
    // Without the machine's calls nothing is carried out.
    EXPECT_FALSE(settings.ExitWindowsWith(EWX_LOGOFF, logic::PlannedShutdownReason));
    EXPECT_FALSE(settings.SetSystemTime({}));
}

TEST(Win32SystemSettings, ReadsTheClockAndTheUsersDateFormat) {
    Win32SystemSettings settings(MachineCalls{});
    SYSTEMTIME before{};
    ::GetLocalTime(&before);
    const logic::DateAndTime now = settings.LocalNow();
    EXPECT_EQ(now.year, before.wYear);
    EXPECT_EQ(now.month, before.wMonth);
    EXPECT_EQ(now.dayOfWeek, logic::CivilDayOfWeek({now.year, now.month, now.day}));
    const std::string format = settings.ShortDateFormat();
    EXPECT_NE(format.find('d'), std::string::npos) << format;
    EXPECT_NE(format.find('y'), std::string::npos) << format;
}

TEST(Win32SystemSettings, TimeZoneRulesKeepTheirWeekOrDayForm) {
    TIME_ZONE_INFORMATION zone{};
    zone.Bias = -60;
    zone.DaylightBias = -60;
    // Yearless: the last Sunday of October at 03:00.
    zone.StandardDate = {0, 10, 0, 5, 3, 0, 0, 0};
    // Dated: the 12th of March 2027 at 02:00.
    zone.DaylightDate = {2027, 3, 5, 12, 2, 0, 0, 0};
    const logic::TimeZoneInformation info = FromTimeZone(zone);
    EXPECT_EQ(info.bias, -60);
    EXPECT_EQ(info.daylightBias, -60);
    EXPECT_EQ(info.standardDate.year, 0);
    EXPECT_EQ(info.standardDate.month, 10);
    EXPECT_EQ(info.standardDate.week, 5);
    EXPECT_EQ(info.standardDate.day, 0);
    EXPECT_EQ(info.standardDate.hour, 3);
    EXPECT_EQ(info.daylightDate.year, 2027);
    EXPECT_EQ(info.daylightDate.day, 12);
    EXPECT_EQ(info.daylightDate.week, 0);
    EXPECT_EQ(info.daylightDate.dayOfWeek, 5);
}

TEST(Win32SystemSettings, SetsTheInterpretersOwnEnvironment) {
    Win32SystemSettings settings(MachineCalls{});
    ASSERT_TRUE(settings.SetEnvironmentValue("QV_W2_PROBE", "some value"));
    char value[64] = {};
    ::GetEnvironmentVariableA("QV_W2_PROBE", value, sizeof(value));
    EXPECT_STREQ(value, "some value");
    EXPECT_FALSE(settings.SetEnvironmentValue("", "x"));
}

TEST(Win32SystemSettings, RandomChoicesStayInRange) {
    Win32SystemSettings settings(MachineCalls{});
    EXPECT_EQ(settings.RandomBelow(0), 0);
    EXPECT_EQ(settings.RandomBelow(1), 0);
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        const int choice = settings.RandomBelow(3);
        ASSERT_GE(choice, 0);
        ASSERT_LT(choice, 3);
        seen.insert(choice);
    }
    EXPECT_GT(seen.size(), 1u);
}

} // namespace
} // namespace qv::win32
