// The programs Run and Compile start: each from its argument list, without a shell and without
// waiting, in the editor's environment with the debugger's settings; what it writes to standard
// error is read as it arrives, for the error lines.
#pragma once

#include <glib.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ide/error_lines.h"
#include "ide/program_files.h"

namespace ide::gtk {

class StartedPrograms {
  public:
    explicit StartedPrograms(std::function<void(ErrorLine)> onError);
    StartedPrograms(const StartedPrograms&) = delete;
    StartedPrograms& operator=(const StartedPrograms&) = delete;
    ~StartedPrograms();

    // False when the program could not be started (missing, not executable).
    bool start(const ProgramStart& start);

    // Sets a variable for the programs started from now on, or removes it when value is nullopt.
    void setEnvironment(const std::string& name, const std::optional<std::string>& value);

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
    // The started programs' environment. It is kept here, not in the editor's own, because GLib's
    // threads read that one and setenv is not safe beside them.
    gchar** environment_;
    std::vector<std::unique_ptr<Program>> programs_;
};

}  // namespace ide::gtk
