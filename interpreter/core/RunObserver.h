#pragma once
// Watches a run without taking part in it: the run log of the interpreter and the what-if run of
// qvtool see every command, what it did, and every error entry through this.
#include <string>

namespace qv::interp {

// What a note says about the current command.
enum class NoteKind {
    Intent,  // what the command sets out to do ("run C:\X.QVC, then return")
    Skipped, // why it did nothing ("not on Sunday")
    Outcome, // what it achieved ("3 copied, 0 skipped")
    Failed,  // how it failed, with the system's code and text
};

// The note as the run log writes it: "skipped: ", "outcome: " or "failed: " before the text.
std::string NoteText(NoteKind kind, const std::string& text);

class RunObserver {
  public:
    virtual ~RunObserver() = default;
    // A script has been read and becomes the current one.
    virtual void ScriptLoaded(const std::string& path) = 0;
    // A line is handed to the dispatch: the current script, the line's number in it (line 1
    // is the first command) and the trimmed line.
    virtual void LineStarted(const std::string& script, int lineNumber,
                             const std::string& line) = 0;
    // What the command did or why it did nothing, in a few words.
    virtual void LineNote(NoteKind kind, const std::string& text) = 0;
    // The dispatch of the line has returned (a waiting command may still be waiting).
    virtual void LineFinished() = 0;
    // An entry has been added to the error report, exactly as it stands there.
    virtual void ErrorEntry(const std::string& entry) = 0;
    // The run has ended; `errorReport` is what the "Error Log" dialog shows (empty: none).
    virtual void RunEnded(const std::string& errorReport) = 0;
};

} // namespace qv::interp
