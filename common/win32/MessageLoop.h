#pragma once
// The programs' one message loop. Forms register filters that see each message before it is
// dispatched (keys previewed by a window, dialog navigation); the same filtering applies to the
// main loop, to the short pumps that long commands run, and to modal windows.
#include <windows.h>

#include <vector>

namespace qv::win32 {

class MessageFilter {
  public:
    virtual ~MessageFilter() = default;
    // True when the message has been handled and must not be dispatched.
    virtual bool PreTranslate(MSG& message) = 0;
};

class MessageLoop {
  public:
    // Filters see messages in the order they were added; `first` puts one before all others
    // (accelerators, which must win over a form's dialog navigation).
    void AddFilter(MessageFilter* filter, bool first = false);
    void RemoveFilter(MessageFilter* filter);

    // Runs until the application ends, or, given a modal window, until that window is
    // destroyed (or the application ends first). Returns the application's exit code.
    int Run(HWND modalWindow = nullptr);
    // Dispatches every message already waiting and returns.
    void ProcessMessages();

    // Ends the application: the loops stop once the current handler returns.
    void Quit(int exitCode = 0);
    bool QuitRequested() const { return quitRequested_; }

  private:
    void Handle(MSG& message);
    void NoteQuit(const MSG& message);

    std::vector<MessageFilter*> filters_;
    bool quitRequested_ = false;
    int exitCode_ = 0;
};

} // namespace qv::win32
