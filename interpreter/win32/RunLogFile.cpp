#include "interpreter/win32/RunLogFile.h"

#include "interpreter/win32/services/UserData.h"
#include "language/CompiledScript.h"

#include <string_view>
#include <vector>

namespace qv::win32 {

std::string RunLogFile::DefaultPath() {
    const std::string folder = UserDataFolder();
    return folder.empty() ? folder : folder + "qvrun.log";
}

RunLogFile::RunLogFile(std::string path) : path_(std::move(path)) {}

bool RunLogFile::Open() {
    if (file_)
        return true;
    if (failed_ || path_.empty())
        return false;
    CreateFolderLevels(path_);
    file_.Reset(::CreateFileA(path_.c_str(), FILE_APPEND_DATA | GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_) {
        // One try per run: a log that cannot be written must not slow the run down.
        failed_ = true;
        return false;
    }
    LARGE_INTEGER size{};
    ::GetFileSizeEx(file_.Get(), &size);
    size_ = static_cast<std::uint64_t>(size.QuadPart);
    return true;
}

void RunLogFile::Append(const std::string& lines) {
    if (!Open())
        return;
    if (size_ + lines.size() > trimAt_)
        Trim();
    if (!file_)
        return;
    DWORD written = 0;
    if (::WriteFile(file_.Get(), lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr))
        size_ += written;
}

// Keeps the newest KeptSize bytes from a line start on: written beside the log, then moved over
// it, so that a failure leaves the old log whole.
void RunLogFile::Trim() {
    const std::uint64_t keep = size_ < KeptSize ? size_ : KeptSize;
    std::vector<char> tail(static_cast<std::size_t>(keep));
    LARGE_INTEGER from{};
    from.QuadPart = static_cast<LONGLONG>(size_ - keep);
    DWORD read = 0;
    if (!::SetFilePointerEx(file_.Get(), from, nullptr, FILE_BEGIN) ||
        !::ReadFile(file_.Get(), tail.data(), static_cast<DWORD>(tail.size()), &read, nullptr))
        read = 0;
    tail.resize(read);
    std::size_t start = 0;
    if (size_ > keep) {
        while (start < tail.size() && tail[start] != '\n')
            ++start;
        start = start < tail.size() ? start + 1 : 0;
    }
    file_.Reset();
    const bool moved =
        ReplaceFileAtomically(path_, std::string_view(tail.data() + start, tail.size() - start)).ok;
    Open();
    // A log that could not be cut is tried again only once it has grown by as much again,
    // not at every line.
    trimAt_ = moved ? SizeLimit : size_ + KeptSize;
}

} // namespace qv::win32
