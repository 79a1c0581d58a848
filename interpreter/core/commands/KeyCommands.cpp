#include "interpreter/core/SendKey.h"
#include "interpreter/core/Session.h"
#include "interpreter/core/WindowsList.h"
#include "interpreter/core/commands/CommandHandlers.h"
#include "interpreter/logic/CtlWindows.h"
#include "interpreter/logic/OpsSendKey.h"

#include <vector>

namespace qv::interp {

namespace {

constexpr std::size_t LibraryTextLimit = 255;

} // namespace

TSendKey::Result TSendKey::SendKeysTo(const std::string& keyText, std::uintptr_t window) {
    if (window != 0) {
        if (windows_.RunsAboveOwnLevel(window))
            return {0, std::string(logic::HigherLevelFault)};
        windows_.BringWindowToFront(window);
        if (!windows_.IsForeground(window))
            return {0, std::string(logic::NotInFrontFault)};
    }
    return Send(keyText);
}

TSendKey::Result TSendKey::Send(const std::string& keyText) {
    if (UseDll) {
        if (!libraryTried_) {
            libraryTried_ = true;
            libraryLoaded_ = keyboard_.LoadKeyLibrary();
        }
        if (libraryLoaded_)
            return {keyboard_.CallKeyLibrary(keyText.substr(0, LibraryTextLimit)), std::nullopt};
    }
    const logic::KeyboardLayout layout{
        [this](char c) { return keyboard_.KeyScan(c); },
        [this](std::uint32_t key) { return keyboard_.ScanCodeOf(key); }};
    std::vector<logic::KeyEvent> burst;
    const logic::SendResult sent =
        logic::SendKeyText(keyText, layout, TokensOnly,
                           [&burst](const logic::KeyEvent& event) { burst.push_back(event); });
    if (!burst.empty())
        keyboard_.SendKeyEvents(burst);
    return {sent.result, sent.fault};
}

// No matching window: nothing happens and nothing is recorded.
Dispatched SendKeysCommand(Session& session, const std::string& line, const std::string&) {
    const logic::SendKeysLine request = logic::ParseSendKeysLine(line);
    TWindowsList list(session.services.windows);
    list.Refresh();
    const std::optional<std::size_t> found =
        logic::FirstMatchingWindow(list.WindowList, request.caption);
    if (!found) {
        session.Note(NoteKind::Skipped, "no window titled like " + request.caption);
        return Dispatched::Done;
    }
    TSendKey sender(session.services.keyboard, session.services.windows);
    const TSendKey::Result result = sender.SendKeysTo(request.keys, list.Handles(*found));
    if (session.Ended())
        return Dispatched::Done;
    session.host.view.ProcessMessages();
    if (result.fault && session.state.ErrorsOn)
        session.AppendReport(logic::SendKeysFaultEntry(
            *result.fault, {session.state.CurrentScript, session.state.NextLine, line}));
    return Dispatched::Done;
}

} // namespace qv::interp
