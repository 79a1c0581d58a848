#include "language/CompiledScript.h"

#include "language/Diamond.h"
#include "language/Text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
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

HeaderCheckResult CheckHeader(const LineList& lines) {
    if (lines.empty() || !Contains(lines[0], CompiledMarker))
        return {HeaderStatus::Invalid, 0};
    const std::string& header = lines[0];
    const std::size_t at = header.find("Ver@");
    // A version field at the very first character is not read, as the editors never wrote one.
    if (at == std::string::npos || at == 0)
        return {HeaderStatus::Valid, 0};
    const std::string_view digits = std::string_view(header).substr(at + 4, 4);
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

std::string LegacyDecode(std::string_view line) {
    std::string plain;
    if (line.empty())
        return plain;
    const int key = static_cast<unsigned char>(line[0]);
    plain.reserve(line.size() - 1);
    for (std::size_t i = line.size() - 1; i >= 1; --i) {
        int d = static_cast<unsigned char>(line[i]) - key;
        if (d < 1)
            do
                d += 255;
            while (d <= 1);
        plain += static_cast<char>(d & 255);
    }
    return plain;
}

std::string BuildPlainScript(const std::vector<std::string>& sourceLines) {
    std::string linePart;
    for (const std::string& line : sourceLines) {
        if (line == SkippedSourceLine)
            continue;
        linePart += line;
        linePart += ElementSeparator;
    }
    std::string plain = " - " + std::to_string(linePart.size() * 213) + "~;~";
    plain += CompiledMarker;
    plain += "~;~Ver@000" + std::to_string(ScriptFormatVersion) + "~;~";
    plain += ElementSeparator;
    plain += linePart;
    return plain;
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
    const std::vector<std::string> fileLines = SplitLines(fileBytes);
    ReadResult legacy =
        FromHeader(SplitScript(LegacyDecode(fileLines.empty() ? "" : fileLines[0])));
    if (legacy.status != ReadResult::Status::Invalid)
        return legacy;
    // DecodeText stops at the first ".", so the line ends that the file adds are never read.
    std::string text;
    text.reserve(fileBytes.size() + 2 * fileLines.size());
    for (const std::string& line : fileLines) {
        text += line;
        text += "\r\n";
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
#else
    const bool moved = std::rename(temp.c_str(), path.c_str()) == 0;
#endif
    if (!moved) {
        std::remove(temp.c_str());
        return {false, "cannot replace " + path};
    }
    return {true, {}};
}

FileResult CompileScript(const std::string& sourcePath, const std::string& outPath,
                         const TDiamond& cipher) {
    std::string source;
    if (FileResult read = ReadWholeFile(sourcePath, source); !read.ok)
        return read;
    return ReplaceFileAtomically(outPath, CompileScriptText(SplitLines(source), cipher) + "\r\n");
}

ReadResult LoadCompiledScript(const std::string& path, const TDiamond& cipher) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes).ok)
        return {};
    return ReadCompiledScript(bytes, cipher);
}

} // namespace qv
