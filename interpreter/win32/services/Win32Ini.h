#pragma once
// Private profile strings (the run-once record in QVRUN.INI) and the user's folder that holds
// the interpreter's own.
#include "interpreter/core/Services.h"

namespace qv::win32 {

class Win32Ini : public interp::IniPort {
  public:
    std::string ReadIniString(const std::string& file, const std::string& section,
                              const std::string& key) override;
    bool WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) override;
    std::string UserDataFolder() override;
};

} // namespace qv::win32
