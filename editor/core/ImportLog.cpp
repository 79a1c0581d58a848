#include "editor/core/ImportLog.h"

#include "language/Text.h"

#include <array>

namespace qv::editor {

namespace {

constexpr std::string_view LegacyValuePrefix = "REG:";
constexpr std::string_view ValuePrefix = "RUN|";
constexpr std::string_view PlainType = "SZ";
constexpr std::string_view ExpandType = "EXPAND_SZ";

struct PlaceName {
    RunPlace place;
    std::string_view name;
};
constexpr std::array<PlaceName, 3> PlaceNames{{
    {RunPlace::Machine, "HKLM64"},
    {RunPlace::Machine32, "HKLM32"},
    {RunPlace::User, "HKCU"},
}};

std::string Encode(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '%':
            out += "%25";
            break;
        case '|':
            out += "%7C";
            break;
        case '\r':
            out += "%0D";
            break;
        case '\n':
            out += "%0A";
            break;
        default:
            out += c;
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    const char upper = UpperChar(c);
    if (upper >= 'A' && upper <= 'F')
        return upper - 'A' + 10;
    return -1;
}

// A "%" that does not start two hex digits stays as it is.
std::string Decode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = HexDigit(text[i + 1]);
            const int low = HexDigit(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::optional<ImportEntry> ParseValueLine(std::string_view line) {
    std::array<std::string_view, 3> fields; // place, type, name
    std::string_view rest = line.substr(ValuePrefix.size());
    for (std::string_view& field : fields) {
        const std::size_t bar = rest.find('|');
        if (bar == std::string_view::npos)
            return std::nullopt;
        field = rest.substr(0, bar);
        rest = rest.substr(bar + 1);
    }
    ImportEntry entry;
    entry.kind = ImportEntry::Kind::RunValue;
    bool placeKnown = false;
    for (const PlaceName& place : PlaceNames) {
        if (fields[0] == place.name) {
            entry.place = place.place;
            placeKnown = true;
        }
    }
    if (!placeKnown || (fields[1] != PlainType && fields[1] != ExpandType))
        return std::nullopt;
    entry.data.expandable = fields[1] == ExpandType;
    entry.name = Decode(fields[2]);
    entry.data.text = Decode(rest);
    return entry;
}

} // namespace

RegistryKey RunKeyOf(RunPlace place) {
    switch (place) {
    case RunPlace::Machine32:
        return MachineRunKey(RegistryView::Wow32);
    case RunPlace::User:
        return UserRunKey();
    case RunPlace::Machine:
        break;
    }
    return MachineRunKey();
}

std::optional<ImportEntry> ParseImportEntry(std::string_view line) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty())
        return std::nullopt;
    if (StartsWith(trimmed, ValuePrefix))
        return ParseValueLine(trimmed);
    ImportEntry entry;
    if (StartsWith(trimmed, LegacyValuePrefix)) {
        const std::size_t equals = trimmed.find('=');
        if (equals == std::string::npos)
            return std::nullopt;
        entry.kind = ImportEntry::Kind::RunValue;
        entry.name = trimmed.substr(LegacyValuePrefix.size(), equals - LegacyValuePrefix.size());
        entry.data.text = trimmed.substr(equals + 1);
        return entry;
    }
    entry.path = trimmed;
    return entry;
}

std::string FormatImportEntry(const ImportEntry& entry) {
    if (entry.kind == ImportEntry::Kind::Shortcut)
        return entry.path;
    std::string place;
    for (const PlaceName& known : PlaceNames)
        if (known.place == entry.place)
            place = known.name;
    return std::string(ValuePrefix) + place + "|" +
           std::string(entry.data.expandable ? ExpandType : PlainType) + "|" + Encode(entry.name) +
           "|" + Encode(entry.data.text);
}

std::string ImportLogPath(std::string_view programFolder) {
    return std::string(programFolder) + std::string(ImportLogName);
}

ImportLogRead ReadImportLog(DocumentFiles& files, const std::string& path) {
    ImportLogRead read;
    if (!files.FileExists(path)) {
        read.ok = true;
        return read;
    }
    std::string bytes;
    const FileResult result = files.ReadWhole(path, bytes);
    if (!result.ok) {
        read.error = result.error;
        return read;
    }
    read.ok = true;
    read.lines = SplitLines(bytes);
    return read;
}

FileResult WriteImportLog(DocumentFiles& files, const std::string& path,
                          const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return files.ReplaceAtomically(path, bytes);
}

} // namespace qv::editor
