#include "common/win32/Registry.h"

namespace qv::win32 {
namespace {

// The largest value the helpers read: far beyond any setting, short of eating the memory.
constexpr DWORD MaxValueBytes = 1u << 24;

} // namespace

RegistryKey RegistryKey::SubKey(const std::string& name) const {
    return RegistryKey(root_, path_.empty() ? name : path_ + "\\" + name);
}

UniqueKey RegistryKey::Open(REGSAM access) const {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root_, path_.c_str(), 0, access, &key) != ERROR_SUCCESS) {
        return UniqueKey();
    }
    return UniqueKey(key);
}

UniqueKey RegistryKey::OpenOrCreate() const {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(root_, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &key,
                          nullptr) != ERROR_SUCCESS) {
        return UniqueKey();
    }
    return UniqueKey(key);
}

bool RegistryKey::Exists() const {
    return static_cast<bool>(Open(KEY_QUERY_VALUE));
}

std::optional<std::string> RegistryKey::ReadString(const std::string& name) const {
    UniqueKey key = Open(KEY_QUERY_VALUE);
    if (!key) {
        return std::nullopt;
    }
    // The value may grow between the size query and the read: ask again then.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (::RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) !=
                ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ) || size > MaxValueBytes) {
            return std::nullopt;
        }
        std::string text(size + 1, '\0');
        DWORD got = size;
        const LONG result = ::RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type,
                                               reinterpret_cast<BYTE*>(text.data()), &got);
        if (result == ERROR_MORE_DATA) {
            continue;
        }
        if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return std::nullopt;
        }
        // Stored with or without its closing NUL; the text ends at the first one.
        text.resize(got);
        const std::size_t end = text.find('\0');
        if (end != std::string::npos) {
            text.resize(end);
        }
        return text;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> RegistryKey::ReadDword(const std::string& name) const {
    UniqueKey key = Open(KEY_QUERY_VALUE);
    if (!key) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                           &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value)) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> RegistryKey::Names(bool values) const {
    std::vector<std::string> names;
    UniqueKey key = Open(KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS);
    if (!key) {
        return names;
    }
    // Names are at most 16383 characters (values) or 255 (keys).
    std::string buffer(16384, '\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(buffer.size());
        const LONG result = values ? ::RegEnumValueA(key.Get(), index, buffer.data(), &length,
                                                     nullptr, nullptr, nullptr, nullptr)
                                   : ::RegEnumKeyExA(key.Get(), index, buffer.data(), &length,
                                                     nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (result != ERROR_SUCCESS) {
            continue;
        }
        names.emplace_back(buffer.data(), length);
    }
    return names;
}

std::vector<std::string> RegistryKey::ValueNames() const {
    return Names(true);
}

std::vector<std::string> RegistryKey::SubKeyNames() const {
    return Names(false);
}

bool RegistryKey::WriteString(const std::string& name, const std::string& value) const {
    UniqueKey key = OpenOrCreate();
    if (!key || value.size() >= MaxValueBytes) {
        return false;
    }
    return ::RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryKey::WriteDword(const std::string& name, std::uint32_t value) const {
    UniqueKey key = OpenOrCreate();
    if (!key) {
        return false;
    }
    const DWORD data = value;
    return ::RegSetValueExA(key.Get(), name.c_str(), 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&data), sizeof(data)) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(const std::string& name) const {
    UniqueKey key = Open(KEY_SET_VALUE);
    if (!key) {
        return !Exists();
    }
    const LONG result = ::RegDeleteValueA(key.Get(), name.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

} // namespace qv::win32
