// What every command meaning works with: the variables, the system, the desktop and the state
// commands keep between uses.
//
// The interpreter reads a command's parameters from the script, a compiled program from its
// code operands; both then call the same meaning with a Context.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/variable_table.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/system.h"

namespace commands {

// The variable a command stores its result in.
using Target = interp::VariableTable::Handle;

// READFILE by line number: the text file read last, kept while its stamp stays the same, so a
// script that reads a file line after line does not scan it from the start for every line.
struct TextFileCache {
    bool kept = false;
    platform::FileStamp stamp;       // which file, and which version of it
    std::string text;                // the bytes a text stream delivers
    std::vector<size_t> lineStarts;  // 0, then the offset after each line feed
};

// State that lives for the whole run, one per interpreter or compiled program.
struct Session {
    // FINDFILES: the pattern of the running search and the search itself (none when exhausted).
    std::string lastPattern;
    std::unique_ptr<platform::FileSearch> search;
    TextFileCache textFile;
    // Where LINKVAR, UPVAR and LOWVAR build their results; it then holds the target's old value,
    // whose room the next result reuses.
    interp::SmallText textRoom;
    // Counts the commands that may have changed files; the interpreter compares it to know when
    // its script file must be looked at again.
    unsigned fileChanges = 0;

    // Commands that write files or start programs call this: what was kept may be outdated.
    void forgetFileContents() {
        textFile = TextFileCache{};
        ++fileChanges;
    }
};

struct Context {
    interp::VariableTable& vars;
    platform::System& system;    // files, the environment, programs, machine facts
    platform::Desktop& desktop;  // boxes, dialogs, keys, MCI, documents, the clipboard
    Session& session;
};

// The result convention of the commands that act on the user or the system: errorcode "0" for
// success (or yes), "-1" for failure (or no).
inline void setErrorcode(Context& ctx, bool success) {
    ctx.vars.assign(ctx.vars.handle(interp::SystemVariable::errorcode), success ? "0" : "-1");
}

}  // namespace commands
