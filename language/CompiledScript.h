#pragma once
// The compiled script file: header, separators, the enciphered one-line file, and the older
// scrambled (legacy) form that the reader still accepts.
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class TDiamond;

inline constexpr int ScriptFormatVersion = 2;
inline constexpr std::string_view ElementSeparator = "~:~";
inline constexpr std::string_view CompiledMarker = "Dev2378";
inline constexpr std::string_view SkippedSourceLine = "Switches : 1";
inline constexpr std::string_view NewerVersionMessage =
    "This Script was Designed on a Later Version of Developer, You need to upgrade the "
    "Interpretor to a Later Version.";

using LineList = std::vector<std::string>;

LineList SplitScript(std::string_view plain);

enum class HeaderStatus {
    Valid,
    Invalid,      // no marker, or a version field that is not four digits
    NewerVersion, // a version above ScriptFormatVersion
};
struct HeaderCheckResult {
    HeaderStatus status = HeaderStatus::Invalid;
    int version = 0; // the version read, when there is one
};
HeaderCheckResult CheckHeader(const LineList& lines);

// The legacy form: a key character followed by the scrambled text, last character first.
std::string LegacyDecode(std::string_view line);

// The plain script text for a list of source lines: header, "~:~", each line with "~:~".
std::string BuildPlainScript(const std::vector<std::string>& sourceLines);
// The file's single text line (without its line end), enciphered with `cipher`'s key.
std::string CompileScriptText(const std::vector<std::string>& sourceLines, const TDiamond& cipher);
// The whole compiled file of a source text (lines as SplitLines cuts them): the enciphered line
// and its CR LF.
std::string CompiledFileBytes(std::string_view sourceText, const TDiamond& cipher);
// The compiled file's name for a source path: its last four characters replaced by ".qvc".
std::string CompiledPathFor(std::string_view sourcePath);

struct ReadResult {
    enum class Status { Ok, Invalid, NewerVersion } status = Status::Invalid;
    LineList lines;  // element 0 the header, then the script lines, then the final element
    int version = 0; // for NewerVersion
};
// Reads a compiled file's bytes: the legacy form first, then the enciphered form. `cipher` must
// hold the script key already.
ReadResult ReadCompiledScript(std::string_view fileBytes, const TDiamond& cipher);

// File-level wrappers. Errors carry a message text for the caller to show.
struct FileResult {
    bool ok = false;
    std::string error;
};
FileResult ReadWholeFile(const std::string& path, std::string& bytes);
// Writes through a temporary file in the same folder, flushed to the disk, then replaces the
// target in one step, keeping an existing target's permissions and attributes; on failure the
// old file stays as it was.
FileResult ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// Compiles the source file at `sourcePath` to `outPath` (CR LF after the one line).
FileResult CompileScript(const std::string& sourcePath, const std::string& outPath,
                         const TDiamond& cipher);

// Reads the compiled script at `path`. A missing or unreadable file is Invalid.
ReadResult LoadCompiledScript(const std::string& path, const TDiamond& cipher);

} // namespace qv
