#pragma once
// Wallpaper, clock and time zone, the system date, privileges, the end of the Windows session,
// the interpreter's environment and its random choices.
#include "interpreter/core/Services.h"

#include <windows.h>

#include <functional>
#include <random>

namespace qv::win32 {

logic::DateAndTime FromSystemTime(const SYSTEMTIME& time);
SYSTEMTIME ToSystemTime(const logic::DateAndTime& time);
logic::TimeZoneInformation FromTimeZone(const TIME_ZONE_INFORMATION& zone);

// The calls that change the machine itself. Tests put harmless ones here, so the code up to
// them runs for real while the date stays and the session goes on.
struct MachineCalls {
    std::function<bool(const SYSTEMTIME&)> setSystemTime;
    std::function<bool(UINT flags, DWORD reason)> exitWindows;
    std::function<bool(const std::string& path)> setWallpaper;
};

MachineCalls RealMachineCalls();

class Win32SystemSettings : public interp::SystemSettingsPort {
  public:
    explicit Win32SystemSettings(MachineCalls calls = RealMachineCalls())
        : calls_(std::move(calls)) {}

    logic::DateAndTime LocalNow() override;
    logic::TimeZoneInformation TimeZone() override;
    bool SetWallpaper(const std::string& path) override;
    std::string ShortDateFormat() override;
    bool SetSystemTime(const logic::DateAndTime& universal) override;
    bool EnablePrivilege(const std::string& name) override;
    bool ExitWindowsWith(unsigned flags, unsigned reason) override;
    bool SetEnvironmentValue(const std::string& name, const std::string& value) override;
    int RandomBelow(int count) override;

  private:
    MachineCalls calls_;
    std::mt19937 generator_;
};

} // namespace qv::win32
