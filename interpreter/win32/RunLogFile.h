#pragma once
// The run log's file: %LOCALAPPDATA%\Quorvel\qvrun.log, of which only the newest part is kept.
#include "common/win32/Owners.h"
#include "interpreter/core/RunLog.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace qv::win32 {

class RunLogFile final : public interp::LogSink {
  public:
    // The log in the user's local application data folder; `path` overrides it (tests).
    explicit RunLogFile(std::string path = DefaultPath());

    // Appends at the end; once the file passes the size limit, its oldest lines are dropped
    // so that the newest part remains. A log that cannot be written is simply not written.
    void Append(const std::string& lines) override;

    const std::string& Path() const { return path_; }

    static std::string DefaultPath();
    static constexpr std::uint64_t SizeLimit = 512 * 1024;
    static constexpr std::uint64_t KeptSize = 256 * 1024;

  private:
    bool Open();
    void Trim();

    std::string path_;
    std::uint64_t size_ = 0;
    std::uint64_t trimAt_ = SizeLimit;
    bool failed_ = false;
    UniqueHandle file_;
};

} // namespace qv::win32
