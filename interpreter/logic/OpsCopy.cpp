#include "interpreter/logic/OpsCopy.h"

#include "interpreter/logic/OpsPaths.h"
#include "language/Grammar.h"
#include "language/Text.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace qv::logic {

namespace {

constexpr int StatusWidth = 30;
constexpr int QuestionWidth = 35;

// The normal layout comes back however the command ends.
class CopyLayout {
  public:
    explicit CopyLayout(CopyView& view) : view_(view) { view_.SetCopyLayout(true); }
    ~CopyLayout() { view_.SetCopyLayout(false); }
    CopyLayout(const CopyLayout&) = delete;
    CopyLayout& operator=(const CopyLayout&) = delete;

  private:
    CopyView& view_;
};

std::string SkippingText(std::string_view source) {
    return "Skiping File : \r\n" + ShortenPath(source, StatusWidth);
}

std::string CopyingText(std::string_view source, std::string_view target) {
    return "Copying File : \r\n" + ShortenPath(source, StatusWidth) + "\r\nTo : \r" +
           ShortenPath(target, StatusWidth);
}

bool IsNotNewer(CopyFileSystem& fs, const std::string& source, const std::string& target) {
    const auto sourceTime = fs.LastWriteTime(source);
    const auto targetTime = fs.LastWriteTime(target);
    return !(sourceTime && targetTime && *sourceTime > *targetTime);
}

void ApplyAnswer(ReplaceAnswer answer, bool& copy) {
    if (answer == ReplaceAnswer::No || answer == ReplaceAnswer::NoToAll)
        copy = false;
    else if (answer == ReplaceAnswer::YesToAll)
        copy = true;
}

void CopyFolderTree(const CopyLine& line, const EntrySource& entry, CopyFileSystem& fs,
                    CopyView& view, CopyOutcome& outcome) {
    std::string source = line.source;
    const bool contents = !source.empty() && source.back() == '\\';
    if (!contents)
        source += '\\';
    std::string destination = line.destination;
    if (!destination.empty() && destination.back() == '\\')
        destination.pop_back();
    std::string namePart;
    if (!contents) {
        const std::vector<std::string> components = FolderComponents(source);
        if (!components.empty())
            namePart = components.back();
    }
    const std::string targetFolder = destination + namePart + "\\";

    CopyOptions options = line.options;
    std::string header = std::string(CopyFailedMessage) + entry.script +
                         "\r\n Line : " + std::to_string(entry.lineNumber) + " - " + entry.line +
                         "\r\n";
    // The walk lists a folder's files together: its levels are made once, not once per file.
    std::string madeFolder;
    for (const std::string& relative : ListFolderTree(source, fs)) {
        if (!view.ContinueWithNextFile()) {
            outcome.stopped = true;
            return;
        }
        const std::string sourceFile = source + relative;
        const std::string target = targetFolder + relative;
        bool copy = true;
        if (options.overwriteReadOnly)
            fs.ClearReadOnly(target);
        const bool targetExists = fs.Exists(target);
        if (options.onlyNewer && targetExists && IsNotNewer(fs, sourceFile, target))
            copy = false;
        if (options.doNotOverwrite && targetExists)
            copy = false;
        if (options.confirmIfExists && (!options.onlyNewer || copy) && targetExists) {
            view.ShowStatus(CopyingText(sourceFile, target));
            const ReplaceAnswer answer =
                view.AskReplace({source, relative, targetFolder, relative});
            if (answer == ReplaceAnswer::Cancel) {
                outcome.cancelled = true;
                return;
            }
            ApplyAnswer(answer, copy);
            if (answer == ReplaceAnswer::NoToAll) {
                options.doNotOverwrite = true;
                options.confirmIfExists = false;
            } else if (answer == ReplaceAnswer::YesToAll) {
                options.confirmIfExists = false;
            }
        }
        if (options.noSubfolders && relative.find('\\') != std::string::npos)
            copy = false;
        view.ProcessMessages();
        if (!copy) {
            view.ShowStatus(SkippingText(sourceFile));
            ++outcome.skipped;
        } else {
            view.ShowStatus(CopyingText(sourceFile, target));
            const std::string folder = ExtractFilePath(target);
            if (folder != madeFolder && ForceFolderPath(folder, fs))
                madeFolder = folder;
            const std::uint32_t code = fs.CopyOneFile(sourceFile, target);
            if (code == 0) {
                ++outcome.copied;
            } else {
                ++outcome.failed;
                outcome.report += header;
                header.clear();
                outcome.report +=
                    " '" + std::to_string(code) + " - " + sourceFile + " > " + target + "'\r\n";
            }
        }
        view.ProcessMessages();
    }
}

void CopySingleFile(const CopyLine& line, const std::string& destination, const EntrySource& entry,
                    CopyFileSystem& fs, CopyView& view, CopyOutcome& outcome) {
    const std::string& source = line.source;
    const CopyOptions& options = line.options;
    bool copy = true;
    if (options.overwriteReadOnly)
        fs.ClearReadOnly(destination);
    const bool destinationExists = fs.Exists(destination);
    // A missing source has no date, no version and nothing to show in the replace dialog:
    // those tests are left out so that the copy is tried and its failure reported.
    const bool sourceExists = fs.Exists(source);
    if (options.onlyNewer && destinationExists && sourceExists) {
        if (IsNotNewer(fs, source, destination))
            copy = false;
        if (options.versionTest &&
            !VersionIsNewer(fs.FileVersionText(source), fs.FileVersionText(destination)))
            copy = false;
    }
    if (options.doNotOverwrite && destinationExists)
        copy = false;
    if (options.confirmIfExists && (!options.onlyNewer || copy) && destinationExists &&
        sourceExists) {
        view.ShowStatus("Copying File : \r" + ShortenPath(source, QuestionWidth) + "\rTo : \r" +
                        ShortenPath(destination, QuestionWidth));
        const ReplaceAnswer answer =
            view.AskReplace({ExtractFilePath(source), ExtractFileName(source),
                             ExtractFilePath(destination), ExtractFileName(destination)});
        if (answer == ReplaceAnswer::Cancel) {
            outcome.cancelled = true;
            return;
        }
        ApplyAnswer(answer, copy);
    }
    if (!copy) {
        view.ShowStatus(SkippingText(source));
        ++outcome.skipped;
    } else {
        view.ShowStatus(CopyingText(source, destination));
        const std::string folder = ExtractFilePath(destination);
        if (!folder.empty())
            ForceFolderPath(folder, fs);
        const std::uint32_t code = fs.CopyOneFile(source, destination);
        if (code == 0) {
            ++outcome.copied;
        } else {
            ++outcome.failed;
            outcome.report = std::string(CopyFailedMessage) + entry.script +
                             "\r\nLine : " + std::to_string(entry.lineNumber) + " '" + entry.line +
                             "'\r\n" + std::to_string(code) + " - " + source + " to " +
                             destination + "\r\n";
        }
    }
    view.ProcessMessages();
}

} // namespace

CopyLine ParseCopyLine(std::string_view line) {
    const CopyFields fields = ParseCopy(line);
    CopyLine result;
    result.source = fields.source;
    result.destination = fields.destination;
    result.hasSeparator = fields.hasSeparator;
    result.options.onlyNewer = fields.switches.onlyNewer;
    result.options.versionTest = fields.switches.onlyNewer;
    result.options.doNotOverwrite = fields.switches.doNotOverwrite;
    result.options.confirmIfExists = fields.switches.confirmIfExists;
    result.options.noSubfolders = fields.switches.noSubfolders;
    result.options.overwriteReadOnly = fields.switches.overwriteReadOnly;
    return result;
}

namespace {

// The numbers of a version text, as digit strings without leading zeros; nothing when a field
// is not a number.
std::optional<std::vector<std::string>> VersionFields(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(".,", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string field = Trim(text.substr(start, end - start));
        if (field.empty() || field.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        const std::size_t significant = field.find_first_not_of('0');
        fields.push_back(significant == std::string::npos ? "" : field.substr(significant));
        start = end + 1;
    }
    return fields;
}

int CompareNumbers(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

} // namespace

bool VersionIsNewer(std::string_view source, std::string_view target) {
    if (source.empty() || target.empty())
        return source > target;
    const std::optional<std::vector<std::string>> newer = VersionFields(source);
    const std::optional<std::vector<std::string>> older = VersionFields(target);
    if (!newer || !older)
        return source > target;
    const std::size_t count = std::max(newer->size(), older->size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::string a = i < newer->size() ? (*newer)[i] : "";
        const std::string b = i < older->size() ? (*older)[i] : "";
        if (const int order = CompareNumbers(a, b); order != 0)
            return order > 0;
    }
    return false;
}

std::string SingleCopyTarget(std::string_view source, std::string_view destination) {
    std::string target(destination);
    if (!target.empty() && target.back() == '\\')
        target += ExtractFileName(source);
    return target;
}

CopyOutcome RunCopy(const CopyLine& line, CopyFileSystem& fs, CopyView& view,
                    const EntrySource& entry) {
    CopyOutcome outcome;
    const bool sourceIsFolder = !line.source.empty() && fs.IsFolder(line.source);
    const std::string destination =
        sourceIsFolder ? line.destination : SingleCopyTarget(line.source, line.destination);
    view.ShowStatus("Copying File : \r\n" + line.source + "\r\nTo : \r\n" + destination);
    CopyLayout layout(view);
    if (sourceIsFolder)
        CopyFolderTree(line, entry, fs, view, outcome);
    else
        CopySingleFile(line, destination, entry, fs, view, outcome);
    return outcome;
}

} // namespace qv::logic
