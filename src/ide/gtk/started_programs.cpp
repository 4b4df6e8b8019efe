// Starting velint and velcomp with g_spawn and reading their standard error from the main loop.
#include "ide/gtk/started_programs.h"

#include <algorithm>

namespace ide::gtk {

// velint writes its script errors as error lines too, which the editor reads to show the line.
StartedPrograms::StartedPrograms(std::function<void(ErrorLine)> onError)
    : onError_(std::move(onError)), environment_(g_environ_setenv(g_get_environ(), "VL_DIAGNOSTICS", "1", TRUE)) {}

StartedPrograms::~StartedPrograms() {
    for (auto& program : programs_) {
        g_source_remove(program->watch);
        g_io_channel_unref(program->errors);
    }
    g_strfreev(environment_);
}

void StartedPrograms::setEnvironment(const std::string& name, const std::optional<std::string>& value) {
    environment_ = value ? g_environ_setenv(environment_, name.c_str(), value->c_str(), TRUE)
                         : g_environ_unsetenv(environment_, name.c_str());
}

// Standard input and output stay the editor's. The child is reaped by GLib when it ends.
bool StartedPrograms::start(const ProgramStart& start) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(start.program.c_str()));
    for (const std::string& argument : start.arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    GPid pid = 0;
    int errorPipe = -1;
    GError* error = nullptr;
    auto flags = static_cast<GSpawnFlags>(G_SPAWN_DO_NOT_REAP_CHILD);
    if (!g_spawn_async_with_pipes(nullptr, argv.data(), environment_, flags, nullptr, nullptr, &pid, nullptr, nullptr,
                                  &errorPipe, &error)) {
        g_error_free(error);
        return false;
    }
    g_child_watch_add(
        pid, [](GPid child, gint, gpointer) { g_spawn_close_pid(child); }, nullptr);
    auto program = std::make_unique<Program>(Program{this, g_io_channel_unix_new(errorPipe), 0, {}});
    g_io_channel_set_close_on_unref(program->errors, TRUE);
    g_io_channel_set_encoding(program->errors, nullptr, nullptr);  // bytes, as the program wrote them
    program->watch = g_io_add_watch(program->errors, static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR),
                                    onErrorOutput, program.get());
    programs_.push_back(std::move(program));
    return true;
}

gboolean StartedPrograms::onErrorOutput(GIOChannel* channel, GIOCondition condition, gpointer data) {
    auto* program = static_cast<Program*>(data);
    if (condition & G_IO_IN) {
        char piece[4096];
        gsize got = 0;
        GIOStatus status = g_io_channel_read_chars(channel, piece, sizeof piece, &got, nullptr);
        if (got > 0) {
            for (ErrorLine& line : program->reader.take(std::string_view(piece, got))) {
                program->owner->onError_(std::move(line));
            }
        }
        if (status == G_IO_STATUS_NORMAL || status == G_IO_STATUS_AGAIN) return G_SOURCE_CONTINUE;
    }
    // The pipe ends once the program and everything it started have ended.
    program->owner->finish(program);
    return G_SOURCE_REMOVE;
}

void StartedPrograms::finish(Program* program) {
    g_io_channel_unref(program->errors);
    programs_.erase(std::remove_if(programs_.begin(), programs_.end(),
                                   [program](const auto& entry) { return entry.get() == program; }),
                    programs_.end());
}

}  // namespace ide::gtk
