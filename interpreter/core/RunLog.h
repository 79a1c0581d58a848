#pragma once
// The interpreter's run log: every run appends what it did, so that an administrator can see
// afterwards what happened at a logon. It adds to the window and the Error Log, never replaces
// them, and a log that cannot be written never stops the run. Keys typed by SENDKEYS (passwords
// among them) are never written: their lines show the window and the number of keys.
#include "interpreter/core/Host.h"
#include "interpreter/core/RunObserver.h"

#include <string>
#include <vector>

namespace qv::interp {

// Where the log's text goes; the host keeps only the newest part of it.
class LogSink {
  public:
    virtual ~LogSink() = default;
    // Appends whole lines (each ended by CR LF); failures are the sink's own business.
    virtual void Append(const std::string& lines) = 0;
};

class RunLog final : public RunObserver {
  public:
    RunLog(LogSink& sink, SystemPort& clock) : sink_(sink), clock_(clock) {}

    // The first line of a run: how the interpreter was started.
    void RunStarted(const std::string& commandLine);

    void ScriptLoaded(const std::string& path) override;
    void LineStarted(const std::string& script, int lineNumber, const std::string& line) override;
    void LineNote(NoteKind kind, const std::string& text) override;
    void LineFinished() override;
    void ErrorEntry(const std::string& entry) override;
    void RunEnded(const std::string& errorReport) override;

  private:
    std::string Stamp();
    long long Milliseconds();
    void Write(const std::string& text);

    LogSink& sink_;
    SystemPort& clock_;
    std::string line_;
    // A line whose text the log never shows (the keys of SENDKEYS), and what it shows instead.
    std::string hiddenLine_;
    std::string shownLine_;
    std::vector<std::string> notes_;
    std::vector<std::string> entries_;
    long long started_ = 0;
    bool inLine_ = false;
};

} // namespace qv::interp
