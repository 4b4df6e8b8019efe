// The state of one running script. All of it lives in this record, which every part of the
// interpreter receives explicitly, so tests can run many interpreters in one process.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "commands/context.h"
#include "core/line_stack.h"
#include "core/script_reader.h"
#include "core/variable_table.h"
#include "interp/debugger.h"
#include "interp/script_memo.h"

namespace interp {

struct Interpreter {
    Interpreter(platform::System& system, platform::Desktop& desktop, std::unique_ptr<ScriptSource> source,
                std::string scriptPath);

    platform::System& system;    // files, the environment, programs, machine facts and the clock
    platform::Desktop& desktop;  // boxes, dialogs, the debugger window, keys and the clipboard
    std::string scriptPath;      // as given on the command line; also [ownname]
    ScriptReader reader;         // script stream and line counter
    VariableTable vars;          // all variables
    LineStack gosubStack;        // return line numbers
    LineStack repeatStack;       // first lines of the open loops
    // The upper-case keyword of the command being run, which error messages quote. Keywords are
    // kept once each in keywordTexts (never emptied), so naming the current one is a pointer.
    const std::string& currentKeyword() const { return *currentKeyword_; }
    void setCurrentKeyword(const std::string* keyword) { currentKeyword_ = keyword; }
    const std::string* internKeyword(std::string text) { return &*keywordTexts.insert(std::move(text)).first; }
    ScriptMemo memo;                                            // remembered reads and jump targets
    std::unordered_set<std::string> keywordTexts;               // every keyword text met so far
    commands::Session session;                                  // state the commands keep between uses
    commands::Context context{vars, system, desktop, session};  // what the command library's meanings work with
    unsigned fileChangesSeen = 0;                               // session.fileChanges at the last restart
    std::uint64_t commandsLeft = UINT64_MAX;                    // the run ends quietly when none are left
    Debugger debugger{vars, system, desktop};
    const std::string* currentKeyword_ = internKeyword({});
};

// The next script line as the debugger shows it.
std::string upcomingLine(const Interpreter& in);

// One command: reads a keyword and runs it. Returns 0, or -1 for a keyword that is no command.
int commandStep(Interpreter& in);

}  // namespace interp
