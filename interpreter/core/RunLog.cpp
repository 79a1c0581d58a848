#include "interpreter/core/RunLog.h"

#include "interpreter/logic/OpsSendKey.h"
#include "language/Keywords.h"
#include "language/Text.h"

#include <cstdio>

namespace qv::interp {

namespace {

// One log line per event: CR, LF and TAB inside a text would break it up.
std::string OneLine(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    bool broken = false; // inside a run of blanks that holds a line break or a TAB
    for (char c : text) {
        const bool control = c == '\r' || c == '\n' || c == '\t';
        if (control || c == ' ') {
            if (!out.empty() && out.back() == ' ' && (broken || control)) {
                broken = broken || control;
                continue;
            }
            broken = control;
            out += ' ';
        } else {
            broken = false;
            out += c;
        }
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

} // namespace

std::string RunLog::Stamp() {
    const DateTime t = clock_.Now();
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d ", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, t.millisecond);
    return text;
}

long long RunLog::Milliseconds() {
    const DateTime t = clock_.Now();
    return ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

void RunLog::Write(const std::string& text) {
    sink_.Append(Stamp() + text + "\r\n");
}

void RunLog::RunStarted(const std::string& commandLine) {
    Write("run started" +
          (commandLine.empty() ? std::string(" at logon") : ": " + OneLine(commandLine)));
}

void RunLog::ScriptLoaded(const std::string& path) {
    Write("script " + path);
}

void RunLog::LineStarted(const std::string& script, int lineNumber, const std::string& line) {
    if (inLine_)
        LineFinished();
    const bool typesKeys = StartsWith(UpperCase(line), KeywordText(Keyword::SendKeys));
    hiddenLine_ = typesKeys ? line : std::string();
    shownLine_ = typesKeys ? logic::SendKeysLogText(line) : std::string();
    line_ = script + " line " + std::to_string(lineNumber) + ": " +
            OneLine(typesKeys ? shownLine_ : line);
    notes_.clear();
    started_ = Milliseconds();
    inLine_ = true;
}

std::string NoteText(NoteKind kind, const std::string& text) {
    switch (kind) {
    case NoteKind::Skipped:
        return "skipped: " + text;
    case NoteKind::Outcome:
        return "outcome: " + text;
    case NoteKind::Failed:
        return "failed: " + text;
    case NoteKind::Intent:
        break;
    }
    return text;
}

void RunLog::LineNote(NoteKind kind, const std::string& text) {
    const std::string note = NoteText(kind, text);
    if (inLine_)
        notes_.push_back(OneLine(note));
    else
        Write(OneLine(note));
}

void RunLog::LineFinished() {
    if (!inLine_)
        return;
    inLine_ = false;
    long long took = Milliseconds() - started_;
    if (took < 0) // past midnight
        took += 24LL * 60 * 60 * 1000;
    std::string text = line_;
    for (std::size_t i = 0; i < notes_.size(); ++i)
        text += (i == 0 ? " -> " : "; ") + notes_[i];
    Write(text + " (" + std::to_string(took) + " ms)");
    for (const std::string& entry : entries_)
        Write("error entry: " + entry);
    entries_.clear();
}

void RunLog::ErrorEntry(const std::string& entry) {
    // The Error Log quotes the line as written; the log quotes it as it shows it.
    std::string logged = entry;
    if (inLine_ && !hiddenLine_.empty())
        for (std::size_t at = logged.find(hiddenLine_); at != std::string::npos;
             at = logged.find(hiddenLine_, at + shownLine_.size()))
            logged.replace(at, hiddenLine_.size(), shownLine_);
    // Entries follow the line of the command that recorded them.
    if (inLine_)
        entries_.push_back(OneLine(logged));
    else
        Write("error entry: " + OneLine(logged));
}

void RunLog::RunEnded(const std::string& errorReport) {
    if (inLine_)
        LineFinished();
    Write(errorReport.empty() ? "run ended" : "run ended; the Error Log was shown");
}

} // namespace qv::interp
