// The programs Run and Compile start, with a pipe for their standard error: the error lines they
// write there reach the editor while they run.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ide/error_lines.h"

namespace ide::win32 {

class StartedPrograms {
  public:
    // onError: called on the editor's thread for each error line read.
    StartedPrograms(HWND window, UINT_PTR timerId, std::function<void(ErrorLine)> onError)
        : window_(window), timerId_(timerId), onError_(std::move(onError)) {}
    ~StartedPrograms();
    StartedPrograms(const StartedPrograms&) = delete;
    StartedPrograms& operator=(const StartedPrograms&) = delete;

    // Starts a program from its command line without waiting for it; false when it did not start.
    bool start(const std::string& commandLine);
    // The timer's tick: reads what the programs wrote and lets go of those that have finished.
    void poll();

  private:
    struct Program {
        HANDLE errorPipe;  // the reading end; the program (and what it starts) holds the other
        ErrorLineReader reader;
    };

    HWND window_;
    UINT_PTR timerId_;
    std::function<void(ErrorLine)> onError_;
    std::vector<std::unique_ptr<Program>> programs_;
};

}  // namespace ide::win32
