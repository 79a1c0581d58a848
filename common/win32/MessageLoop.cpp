#include "common/win32/MessageLoop.h"

#include <algorithm>

namespace qv::win32 {

void MessageLoop::AddFilter(MessageFilter* filter, bool first) {
    filters_.insert(first ? filters_.begin() : filters_.end(), filter);
}

void MessageLoop::RemoveFilter(MessageFilter* filter) {
    filters_.erase(std::remove(filters_.begin(), filters_.end(), filter), filters_.end());
}

void MessageLoop::Handle(MSG& message) {
    // A filter may remove itself (its window closing), so walk a copy.
    const std::vector<MessageFilter*> filters = filters_;
    for (MessageFilter* filter : filters) {
        if (filter->PreTranslate(message)) {
            return;
        }
    }
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
}

void MessageLoop::NoteQuit(const MSG& message) {
    if (!quitRequested_) {
        exitCode_ = static_cast<int>(message.wParam);
    }
    quitRequested_ = true;
}

int MessageLoop::Run(HWND modalWindow) {
    MSG message{};
    while (!quitRequested_ && (modalWindow == nullptr || ::IsWindow(modalWindow))) {
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            NoteQuit(message);
            break;
        }
        if (got < 0) {
            break;
        }
        Handle(message);
    }
    return exitCode_;
}

void MessageLoop::ProcessMessages() {
    MSG message{};
    while (!quitRequested_ && ::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            NoteQuit(message);
            break;
        }
        Handle(message);
    }
}

void MessageLoop::Quit(int exitCode) {
    if (!quitRequested_) {
        exitCode_ = exitCode;
    }
    quitRequested_ = true;
    ::PostQuitMessage(exitCode);
}

} // namespace qv::win32
