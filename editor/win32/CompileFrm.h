#pragma once
// TfrmCompile, "Compiler": reads the saved script back line by line, shows each line for at
// least one 50 ms tick with a progress bar, then writes the compiled script beside it and
// closes itself. Its result is the message of a failure, empty on success.
#include "common/win32/Form.h"

#include <string>
#include <vector>

namespace qv::win32 {

inline constexpr const char* CompileFrmTitle = "Compiler";
inline constexpr int CompileFrmClientWidth = 305;
inline constexpr int CompileFrmClientHeight = 92;
inline constexpr unsigned CompileTickMs = 50;

class TfrmCompile : public Dialog<std::string> {
  public:
    // Compiles `sourcePath` into the .qvc of the same name; centred over `owner`.
    TfrmCompile(MessageLoop& loop, HWND owner, std::string sourcePath);
    ~TfrmCompile() override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnClose() override;

  private:
    void Timer1Timer();
    void Timer2Timer();
    // Processes window messages until Timer2 has ticked once (or the user asked to finish).
    void WaitForTick();
    std::string Compile();

    std::string sourcePath_;
    bool compiling_ = false;
    bool tickSeen_ = false; // Timer2's tag
    bool hurry_ = false;    // the close box: finish without further pacing
};

} // namespace qv::win32
