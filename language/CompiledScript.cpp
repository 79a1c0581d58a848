#include "language/CompiledScript.h"

#include "language/Diamond.h"
#include "language/Text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#ifdef _WIN32
#include <windows.h>
#else
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

#ifdef _WIN32
namespace {
// The system's own text for an error code, as the user would see it from any program.
std::string SystemMessage(DWORD code) {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(code) : message;
}
} // namespace
#endif

FileResult ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    std::random_device random;
    const std::string temp = path + ".tmp" + std::to_string(random() % 1000000);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return {false, "cannot create " + temp + ": " + std::strerror(errno)};
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            return {false, "cannot write " + temp};
        }
    }
#ifdef _WIN32
    const bool moved = MoveFileExA(temp.c_str(), path.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    const std::string reason = moved ? std::string() : SystemMessage(GetLastError());
#else
    const bool moved = std::rename(temp.c_str(), path.c_str()) == 0;
    const std::string reason = moved ? std::string() : std::strerror(errno);
#endif
    if (!moved) {
        std::remove(temp.c_str());
        return {false, "cannot replace " + path + ": " + reason};
    }
    return {true, {}};
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
