// The programs Run and Compile start: each from its argument list, without a shell and without
// waiting; what it writes to standard error is read as it arrives, for the error lines.
#pragma once

#include <glib.h>

#include <functional>
#include <memory>
#include <vector>

#include "ide/error_lines.h"
#include "ide/program_files.h"

namespace ide::gtk {

class StartedPrograms {
  public:
    explicit StartedPrograms(std::function<void(ErrorLine)> onError) : onError_(std::move(onError)) {}
    StartedPrograms(const StartedPrograms&) = delete;
    StartedPrograms& operator=(const StartedPrograms&) = delete;
    ~StartedPrograms();

    // False when the program could not be started (missing, not executable).
    bool start(const ProgramStart& start);

  private:
    struct Program {
        StartedPrograms* owner;
        GIOChannel* errors;
        guint watch;
        ErrorLineReader reader;
    };
    static gboolean onErrorOutput(GIOChannel* channel, GIOCondition condition, gpointer program);
    void finish(Program* program);

    std::function<void(ErrorLine)> onError_;
    std::vector<std::unique_ptr<Program>> programs_;
};

}  // namespace ide::gtk
