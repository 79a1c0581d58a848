#pragma once
// One registry key, named by its root and path: reads that report a missing key or value (or
// one of another type) as absent, and writes that create the key when it is missing.
#include "common/win32/Owners.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qv::win32 {

class RegistryKey {
  public:
    // `path` below `root`, for example HKEY_CURRENT_USER and
    // "Software\\Trevanta\\Quorvel Developer".
    RegistryKey(HKEY root, std::string path) : root_(root), path_(std::move(path)) {}

    HKEY Root() const { return root_; }
    const std::string& Path() const { return path_; }
    // The key below this one.
    RegistryKey SubKey(const std::string& name) const;

    bool Exists() const;
    // A text value (REG_SZ or REG_EXPAND_SZ, not expanded).
    std::optional<std::string> ReadString(const std::string& name) const;
    std::optional<std::uint32_t> ReadDword(const std::string& name) const;
    std::vector<std::string> ValueNames() const;
    std::vector<std::string> SubKeyNames() const;

    // Each write reports whether it reached the registry.
    bool WriteString(const std::string& name, const std::string& value) const;
    bool WriteDword(const std::string& name, std::uint32_t value) const;
    // True when the value is gone afterwards (also when it was never there).
    bool DeleteValue(const std::string& name) const;

  private:
    UniqueKey Open(REGSAM access) const;
    UniqueKey OpenOrCreate() const;
    std::vector<std::string> Names(bool values) const;

    HKEY root_;
    std::string path_;
};

} // namespace qv::win32
