#include "interpreter/win32/services/Win32SystemSettings.h"

#include "common/win32/Owners.h"

namespace qv::win32 {
namespace {

logic::ClockChange FromClockChange(const SYSTEMTIME& change) {
    logic::ClockChange result;
    result.year = change.wYear;
    result.month = change.wMonth;
    result.dayOfWeek = change.wDayOfWeek;
    result.hour = change.wHour;
    result.minute = change.wMinute;
    // Without a year the day field counts weeks (5 the last); with one it is the day itself.
    if (change.wYear == 0) {
        result.week = change.wDay;
    } else {
        result.day = change.wDay;
    }
    return result;
}

} // namespace

logic::DateAndTime FromSystemTime(const SYSTEMTIME& time) {
    return {time.wYear,   time.wMonth,  time.wDay,          time.wHour,
            time.wMinute, time.wSecond, time.wMilliseconds, time.wDayOfWeek};
}

SYSTEMTIME ToSystemTime(const logic::DateAndTime& time) {
    SYSTEMTIME result{};
    result.wYear = static_cast<WORD>(time.year);
    result.wMonth = static_cast<WORD>(time.month);
    result.wDay = static_cast<WORD>(time.day);
    result.wHour = static_cast<WORD>(time.hour);
    result.wMinute = static_cast<WORD>(time.minute);
    result.wSecond = static_cast<WORD>(time.second);
    result.wMilliseconds = static_cast<WORD>(time.millisecond);
    result.wDayOfWeek = static_cast<WORD>(time.dayOfWeek);
    return result;
}

logic::TimeZoneInformation FromTimeZone(const TIME_ZONE_INFORMATION& zone) {
    logic::TimeZoneInformation result;
    result.bias = zone.Bias;
    result.daylightBias = zone.DaylightBias;
    result.standardDate = FromClockChange(zone.StandardDate);
    result.daylightDate = FromClockChange(zone.DaylightDate);
    return result;
}

MachineCalls RealMachineCalls() {
    MachineCalls calls;
    calls.setSystemTime = [](const SYSTEMTIME& time) { return ::SetSystemTime(&time) != FALSE; };
    calls.exitWindows = [](UINT flags, DWORD reason) {
        return ::ExitWindowsEx(flags, reason) != FALSE;
    };
    calls.setWallpaper = [](const std::string& path) {
        // Broadcast at once, but not written to the user's profile.
        return ::SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>(path.c_str()),
                                       SPIF_SENDWININICHANGE) != FALSE;
    };
    return calls;
}

logic::DateAndTime Win32SystemSettings::LocalNow() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return FromSystemTime(now);
}

logic::TimeZoneInformation Win32SystemSettings::TimeZone() {
    TIME_ZONE_INFORMATION zone{};
    if (::GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) {
        return {};
    }
    return FromTimeZone(zone);
}

bool Win32SystemSettings::SetWallpaper(const std::string& path) {
    return calls_.setWallpaper && calls_.setWallpaper(path);
}

std::string Win32SystemSettings::ShortDateFormat() {
    char format[80] = {};
    const int length =
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format, sizeof(format));
    if (length <= 1) {
        return "dd/MM/yyyy";
    }
    return std::string(format, static_cast<std::size_t>(length - 1));
}

bool Win32SystemSettings::SetSystemTime(const logic::DateAndTime& universal) {
    return calls_.setSystemTime && calls_.setSystemTime(ToSystemTime(universal));
}

bool Win32SystemSettings::EnablePrivilege(const std::string& name) {
    HANDLE rawToken = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                            &rawToken)) {
        return false;
    }
    UniqueHandle token(rawToken);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!::LookupPrivilegeValueA(nullptr, name.c_str(), &privileges.Privileges[0].Luid)) {
        return false;
    }
    if (!::AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr)) {
        return false;
    }
    // The call succeeds even when the user does not hold the privilege, and says so here.
    return ::GetLastError() != ERROR_NOT_ALL_ASSIGNED;
}

bool Win32SystemSettings::ExitWindowsWith(unsigned flags, unsigned reason) {
    return calls_.exitWindows && calls_.exitWindows(flags, reason);
}

bool Win32SystemSettings::SetEnvironmentValue(const std::string& name, const std::string& value) {
    return !name.empty() && ::SetEnvironmentVariableA(name.c_str(), value.c_str()) != FALSE;
}

int Win32SystemSettings::RandomBelow(int count) {
    if (count <= 1) {
        return 0;
    }
    // Seeded from the clock before each choice, mixed with what the generator had, so that
    // choices made within one tick of the clock still differ.
    LARGE_INTEGER counter{};
    ::QueryPerformanceCounter(&counter);
    std::seed_seq seed{static_cast<unsigned>(counter.QuadPart),
                       static_cast<unsigned>(counter.QuadPart >> 32),
                       static_cast<unsigned>(generator_())};
    generator_.seed(seed);
    return std::uniform_int_distribution<int>(0, count - 1)(generator_);
}

} // namespace qv::win32
