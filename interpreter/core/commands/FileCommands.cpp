#include "interpreter/core/Session.h"
#include "interpreter/core/commands/CommandHandlers.h"
#include "interpreter/logic/Calendar.h"
#include "interpreter/logic/OpsCopy.h"
#include "interpreter/logic/OpsEntry.h"
#include "interpreter/logic/OpsFileLines.h"

#include <optional>

namespace qv::interp {

namespace {

// A long folder copy would spend more time repainting the status than copying; the text is
// brought up to date at most this often, and always before a question and at the end.
constexpr long long StatusIntervalMs = 250;

// The progress window and the buttons as a copy sees them between files.
class SessionCopyView final : public logic::CopyView {
  public:
    explicit SessionCopyView(Session& session) : s_(session) {}
    ~SessionCopyView() override { Flush(); }
    SessionCopyView(const SessionCopyView&) = delete;
    SessionCopyView& operator=(const SessionCopyView&) = delete;

    void ShowStatus(const std::string& text) override {
        const long long now = logic::MillisecondsOfDay(s_.host.system.Now());
        // A clock that went back (midnight) shows at once.
        if (!lastShown_ || now - *lastShown_ >= StatusIntervalMs || now < *lastShown_) {
            s_.SetStatus(text);
            lastShown_ = now;
            hasPending_ = false;
        } else {
            pending_ = text;
            hasPending_ = true;
        }
    }

    void SetCopyLayout(bool copying) override {
        if (!s_.Ended())
            s_.host.view.SetCopyLayout(copying);
    }

    void ProcessMessages() override {
        if (!s_.Ended())
            s_.host.view.ProcessMessages();
    }

    void SetCopyAnimation(bool running) {
        if (!s_.Ended())
            s_.host.view.SetCopyAnimation(running);
    }

    // Next, Cancel, F5 and a stop take effect at the next file; Pause holds the copy there.
    bool ContinueWithNextFile() override {
        RunState& state = s_.state;
        if (Stopping())
            return false;
        if (state.Paused) {
            // Only the animation stops; the window keeps its copy layout while paused.
            Flush();
            SetCopyAnimation(false);
            while (state.Paused && !s_.Ended() && !state.StopRequested && !state.SkipRequested) {
                s_.services.idle.WaitForMessage();
                s_.host.view.ProcessMessages();
            }
            SetCopyAnimation(true);
        }
        return !Stopping();
    }

    logic::ReplaceAnswer AskReplace(const logic::ReplaceQuestion& question) override {
        if (s_.Ended())
            return logic::ReplaceAnswer::Cancel;
        Flush();
        return s_.services.replace.AskReplace(question);
    }

  private:
    void Flush() {
        if (hasPending_)
            s_.SetStatus(pending_);
        hasPending_ = false;
    }

    bool Stopping() {
        RunState& state = s_.state;
        if (s_.Ended() || state.StopRequested)
            return true;
        if (state.SkipRequested) {
            state.SkipRequested = false;
            return true;
        }
        return false;
    }

    Session& s_;
    std::optional<long long> lastShown_;
    // A plain string and flag: an optional string here trips a false uninitialised warning.
    std::string pending_;
    bool hasPending_ = false;
};

logic::EntrySource EntryFor(const Session& session, const std::string& line) {
    return {session.state.CurrentScript, session.state.NextLine, line};
}

} // namespace

Dispatched CopyCommand(Session& session, const std::string& line, const std::string&) {
    session.state.SkipRequested = false;
    SessionCopyView view(session);
    const logic::CopyOutcome outcome = logic::RunCopy(
        logic::ParseCopyLine(line), session.services.files, view, EntryFor(session, line));
    session.Note(NoteKind::Outcome, std::to_string(outcome.copied) + " copied, " +
                                        std::to_string(outcome.skipped) + " skipped, " +
                                        std::to_string(outcome.failed) + " failed" +
                                        (outcome.cancelled ? "; cancelled"
                                         : outcome.stopped ? "; stopped"
                                                           : ""));
    if (session.state.ErrorsOn)
        session.AppendReport(outcome.report);
    return Dispatched::Done;
}

Dispatched RenameCommand(Session& session, const std::string& line, const std::string&) {
    const logic::RenameLine names = logic::ParseRenameLine(line);
    if (!names.hasSeparator || !session.services.files.MoveOrRename(names.oldName, names.newName))
        session.AddReportedError(RenameFailedMessage, line);
    else
        session.Note(NoteKind::Outcome, "renamed");
    return Dispatched::Done;
}

// Paths that match nothing are no failure; a file the shell could not delete is an entry, since
// the shell shows no dialog of its own at logon.
Dispatched DelCommand(Session& session, const std::string& line, const std::string&) {
    const std::string paths = logic::ParseDelLine(line);
    session.SetStatus(logic::DeletingStatusText(paths));
    session.host.view.ProcessMessages();
    if (session.Ended())
        return Dispatched::Done;
    const std::string pathList = logic::ShellPathList(paths);
    if (pathList.size() <= 1)
        return Dispatched::Done;
    const std::uint32_t result = session.services.files.RecycleDelete(pathList);
    if (result == 0) {
        session.Note(NoteKind::Outcome, "handed to the Recycle Bin");
        return Dispatched::Done;
    }
    session.Note(NoteKind::Failed,
                 "the shell could not delete them: code " + std::to_string(result));
    session.AddReportedError(DeleteFailedMessage, line);
    return Dispatched::Done;
}

} // namespace qv::interp
