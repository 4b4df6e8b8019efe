// The debugger in the terminal: its block before each command, and in step mode the prompt that
// reads what to do (the format is listed in console_desktop.h).
#include <ostream>

#include "platform/console/console_desktop.h"

namespace platform {

namespace {

bool equalsIgnoringCase(const std::string& text, const char* word) {
    size_t i = 0;
    for (; i < text.size() && word[i]; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i]) return false;
    }
    return i == text.size() && !word[i];
}

std::string trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

void ConsoleDesktop::setDebuggerEvents(DebuggerEvents* events) { debuggerEvents_ = events; }

void ConsoleDesktop::writeWatches(const std::vector<std::string>& watches) {
    for (const std::string& entry : watches) out_ << kIndent << entry << '\n';
}

void ConsoleDesktop::showDebugger(const DebuggerView& view) {
    out_ << "[Velmish Debug :: " << (view.traceMode ? "Trace Mode] " : "Step Mode] ") << view.line << '\n';
    writeWatches(view.watches);
    out_.flush();
}

void ConsoleDesktop::enableDebuggerButtons(bool, bool) {}

void ConsoleDesktop::hideDebugger() {}

DebuggerStep ConsoleDesktop::debuggerStep(bool wait) {
    if (!debuggerEvents_ || !wait) return DebuggerStep::go;
    for (;;) {
        out_ << "(Enter Step, t Trace, h Halt, set NAME=VALUE)> ";
        std::optional<std::string> line = readLine();
        if (!line) {
            debuggerEvents_->tracePressed();
            return DebuggerStep::go;
        }
        std::string answer = trimmed(*line);
        if (answer.empty()) {
            debuggerEvents_->stepPressed();
            return DebuggerStep::go;
        }
        if (equalsIgnoringCase(answer, "t")) {
            debuggerEvents_->tracePressed();
            return DebuggerStep::go;
        }
        if (equalsIgnoringCase(answer, "h")) {
            out_.flush();
            return DebuggerStep::halt;
        }
        size_t equals = answer.find('=');
        if (answer.size() > 4 && equalsIgnoringCase(answer.substr(0, 4), "set ") && equals != std::string::npos) {
            std::string name = trimmed(answer.substr(4, equals - 4));
            if (name.size() >= 2 && name.front() == '[' && name.back() == ']') name = name.substr(1, name.size() - 2);
            // A variable has a name; "set =VALUE" is asked again.
            if (name.empty()) continue;
            // The value is taken as typed after the "=", blanks included.
            std::string value = line->substr(line->find('=') + 1);
            writeWatches(debuggerEvents_->setNamed(name, value));
        }
    }
}

}  // namespace platform
