#include "language/CompiledScript.h"

#include "language/Diamond.h"
#include "language/Text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qv {

LineList SplitScript(std::string_view plain) {
    LineList elements;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = plain.find(ElementSeparator, start);
        if (at == std::string_view::npos)
            break;
        elements.emplace_back(plain.substr(start, at - start));
        start = at + ElementSeparator.size();
    }
    // The text after the last separator: the separator appended to the whole text ends it.
    elements.emplace_back(plain.substr(start));
    return elements;
}

namespace {
HeaderCheckResult CheckHeaderElement(std::string_view header) {
    if (!Contains(header, CompiledMarker))
        return {HeaderStatus::Invalid, 0};
    const std::size_t at = header.find("Ver@");
    // A version field at the very first character is not read, as the editors never wrote one.
    if (at == std::string_view::npos || at == 0)
        return {HeaderStatus::Valid, 0};
    const std::string_view digits = header.substr(at + 4, 4);
    // Only a field of four decimal digits is a version; anything else is a damaged header.
    if (digits.size() != 4)
        return {HeaderStatus::Invalid, 0};
    int version = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return {HeaderStatus::Invalid, 0};
        version = version * 10 + (c - '0');
    }
    if (version > ScriptFormatVersion)
        return {HeaderStatus::NewerVersion, version};
    return {HeaderStatus::Valid, version};
}
} // namespace

HeaderCheckResult CheckHeader(const LineList& lines) {
    if (lines.empty())
        return {HeaderStatus::Invalid, 0};
    return CheckHeaderElement(lines[0]);
}

std::string LegacyDecode(std::string_view line) {
    std::string plain;
    if (line.empty())
        return plain;
    const int key = static_cast<unsigned char>(line[0]);
    // Each character decodes on its own, so a table of the 256 answers does the work.
    char decoded[256];
    for (int c = 0; c < 256; ++c) {
        int d = c - key;
        if (d < 1)
            do
                d += 255;
            while (d <= 1);
        decoded[c] = static_cast<char>(d & 255);
    }
    plain.resize(line.size() - 1);
    char* out = plain.data();
    for (std::size_t i = line.size() - 1; i >= 1; --i)
        *out++ = decoded[static_cast<unsigned char>(line[i])];
    return plain;
}

namespace {
// The plain text of the lines that `forEachLine` visits; it is sized once, because scripts of
// many megabytes are compiled and every regrowth copies them.
template <typename ForEach> std::string BuildPlain(ForEach&& forEachLine) {
    std::size_t linePartSize = 0;
    forEachLine([&linePartSize](std::string_view line) {
        if (line != SkippedSourceLine)
            linePartSize += line.size() + ElementSeparator.size();
    });
    std::string header = " - " + std::to_string(linePartSize * 213) + "~;~";
    header += CompiledMarker;
    header += "~;~Ver@000" + std::to_string(ScriptFormatVersion) + "~;~";
    header += ElementSeparator;
    std::string plain;
    plain.reserve(header.size() + linePartSize);
    plain += header;
    forEachLine([&plain](std::string_view line) {
        if (line == SkippedSourceLine)
            return;
        plain += line;
        plain += ElementSeparator;
    });
    return plain;
}
} // namespace

std::string BuildPlainScript(const std::vector<std::string>& sourceLines) {
    return BuildPlain([&sourceLines](auto&& visit) {
        for (const std::string& line : sourceLines)
            visit(line);
    });
}

std::string CompiledFileBytes(std::string_view sourceText, const TDiamond& cipher) {
    const std::string plain =
        BuildPlain([sourceText](auto&& visit) { ForEachLine(sourceText, visit); });
    return EncodeText(cipher.EncryptString(plain), "\r\n");
}

std::string CompileScriptText(const std::vector<std::string>& sourceLines, const TDiamond& cipher) {
    return EncodeText(cipher.EncryptString(BuildPlainScript(sourceLines)));
}

std::string CompiledPathFor(std::string_view sourcePath) {
    const std::size_t keep = sourcePath.size() >= 4 ? sourcePath.size() - 4 : 0;
    return std::string(sourcePath.substr(0, keep)) + ".qvc";
}

namespace {
ReadResult FromHeader(LineList lines) {
    const HeaderCheckResult check = CheckHeader(lines);
    ReadResult result;
    result.version = check.version;
    switch (check.status) {
    case HeaderStatus::Valid:
        result.status = ReadResult::Status::Ok;
        result.lines = std::move(lines);
        break;
    case HeaderStatus::NewerVersion:
        result.status = ReadResult::Status::NewerVersion;
        break;
    case HeaderStatus::Invalid:
        result.status = ReadResult::Status::Invalid;
        break;
    }
    return result;
}
} // namespace

ReadResult ReadCompiledScript(std::string_view fileBytes, const TDiamond& cipher) {
    // Two plain searches: a search for either character tests the pair at every position.
    const std::size_t firstBreak =
        std::min({fileBytes.find('\r'), fileBytes.find('\n'), fileBytes.size()});
    const std::string_view firstLine = fileBytes.substr(0, firstBreak);
    // The legacy attempt reads only element 0 unless it is a header: splitting every file in the
    // current form as if it were a legacy one would double the cost of every load.
    const std::string legacy = LegacyDecode(firstLine);
    const std::string_view legacyHeader =
        std::string_view(legacy).substr(0, legacy.find(ElementSeparator));
    if (CheckHeaderElement(legacyHeader).status != HeaderStatus::Invalid)
        return FromHeader(SplitScript(legacy));
    // The decoder stops at the first ".", which a written file has before its line end; only
    // when it does not is the text after the first line read, each line ended by CR LF.
    std::string joined;
    std::string_view text = fileBytes;
    if (fileBytes.substr(0, firstBreak).find('.') == std::string_view::npos) {
        joined.reserve(fileBytes.size() + 2);
        for (const std::string& line : SplitLines(fileBytes)) {
            joined += line;
            joined += "\r\n";
        }
        text = joined;
    }
    const std::string plain = cipher.DecryptString(DecodeText(text));
    if (plain.empty())
        return {};
    return FromHeader(SplitScript(plain));
}

FileResult ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return {false, "cannot open " + path + ": " + std::strerror(errno)};
    // Read in one piece where the size is known; the loop below still takes anything more.
    std::error_code sizeError;
    if (std::filesystem::is_regular_file(path, sizeError)) {
        const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
        if (!sizeError && size > 0 && size < bytes.max_size()) {
            bytes.resize(static_cast<std::size_t>(size));
            bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
        }
    }
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed)
        return {false, "cannot read " + path + ": " + std::strerror(error)};
    return {true, {}};
}

namespace {

std::string TempNameBeside(const std::string& path, std::random_device& random) {
    return path + ".tmp" + std::to_string(random() % 1000000);
}

#ifdef _WIN32
std::string SystemErrorText(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message =
        length > 0 && text ? std::string(text, length) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() &&
           (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message;
}

// Writes `bytes` to a new file at `temp` and flushes it to the disk before it is moved anywhere.
// `nameTaken` tells that another file had the name already.
FileResult WriteFlushed(const std::string& temp, std::string_view bytes, bool& nameTaken) {
    HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    nameTaken = false;
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        nameTaken = error == ERROR_FILE_EXISTS;
        return {false, "cannot create " + temp + ": " + SystemErrorText(error)};
    }
    std::size_t written = 0;
    bool ok = true;
    while (ok && written < bytes.size()) {
        DWORD chunk = 0;
        const DWORD wanted =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
        ok = WriteFile(file, bytes.data() + written, wanted, &chunk, nullptr) && chunk > 0;
        written += chunk;
    }
    ok = ok && FlushFileBuffers(file);
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!ok) {
        DeleteFileA(temp.c_str());
        return {false, "cannot write " + temp + ": " + SystemErrorText(error)};
    }
    return {true, {}};
}

// An existing target keeps its permissions and attributes: the platform's replace call swaps the
// new contents in under the old file's identity; the old contents wait under `backup` until it
// has succeeded, so that no failure loses them.
// Returns 0 or the system's error code.
DWORD ReplaceKeepingIdentity(const std::string& path, const std::string& temp,
                             const std::string& backup, DWORD attributes) {
    if (ReplaceFileA(path.c_str(), temp.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
        DeleteFileA(backup.c_str());
        // Not every implementation carries the attributes over; they are the target's.
        SetFileAttributesA(path.c_str(), attributes);
        return 0;
    }
    const DWORD error = GetLastError();
    // The old file went to the backup name but the new one could not follow: put it back.
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        MoveFileExA(backup.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    return error;
}
#endif

} // namespace

FileResult ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    std::random_device random;
#ifdef _WIN32
    std::string temp = TempNameBeside(path, random);
    FileResult written{false, {}};
    // A name another writer took meanwhile is passed over; the file is created exclusively.
    for (int attempt = 0; attempt < 16; ++attempt, temp = TempNameBeside(path, random)) {
        bool nameTaken = false;
        written = WriteFlushed(temp, bytes, nameTaken);
        if (!nameTaken)
            break;
    }
    if (!written.ok)
        return written;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    DWORD error = 0;
    if (attributes != INVALID_FILE_ATTRIBUTES)
        error = ReplaceKeepingIdentity(path, temp, temp + ".old", attributes);
    else if (!MoveFileExA(temp.c_str(), path.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != 0) {
        DeleteFileA(temp.c_str());
        return {false, "cannot replace " + path + ": " + SystemErrorText(error)};
    }
    return {true, {}};
#else
    // The permissions of an existing target carry over to its new contents.
    // A new file gets the usual mode less the umask, as any other program would give it.
    struct stat target {};
    const bool exists = stat(path.c_str(), &target) == 0;
    std::string temp;
    int file = -1;
    for (int attempt = 0; attempt < 16 && file < 0; ++attempt) {
        temp = TempNameBeside(path, random);
        file = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, exists ? 0600 : 0666);
        if (file < 0 && errno != EEXIST)
            break;
    }
    if (file < 0)
        return {false, "cannot create " + temp + ": " + std::strerror(errno)};
    std::size_t written = 0;
    bool ok = true;
    while (ok && written < bytes.size()) {
        const ssize_t chunk = write(file, bytes.data() + written, bytes.size() - written);
        ok = chunk > 0 || (chunk < 0 && errno == EINTR);
        if (chunk > 0)
            written += static_cast<std::size_t>(chunk);
    }
    ok = ok && (!exists || fchmod(file, target.st_mode & 07777) == 0) && fsync(file) == 0;
    const int error = errno;
    ok = close(file) == 0 && ok;
    if (!ok) {
        unlink(temp.c_str());
        return {false, "cannot write " + temp + ": " + std::strerror(error)};
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        unlink(temp.c_str());
        return {false, "cannot replace " + path + ": " + std::strerror(renameError)};
    }
    return {true, {}};
#endif
}

FileResult CompileScript(const std::string& sourcePath, const std::string& outPath,
                         const TDiamond& cipher) {
    std::string source;
    if (FileResult read = ReadWholeFile(sourcePath, source); !read.ok)
        return read;
    return ReplaceFileAtomically(outPath, CompiledFileBytes(source, cipher));
}

ReadResult LoadCompiledScript(const std::string& path, const TDiamond& cipher) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes).ok)
        return {};
    return ReadCompiledScript(bytes, cipher);
}

} // namespace qv
