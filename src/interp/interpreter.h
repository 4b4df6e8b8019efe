// The state of one running script. All of it lives in this record, which every part of the
// interpreter receives explicitly, so tests can run many interpreters in one process.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "interp/line_stack.h"
#include "interp/script_reader.h"
#include "interp/variable_table.h"

namespace platform {
class Platform;
}

namespace interp {

// Where a label search or a RESUME scan ended, remembered per target so that the next jump to
// the same target lands there without reading the script again. The outcome of such a scan
// depends only on the script text, which the source generation identifies.
struct JumpTarget {
    ScriptReader::Position position;
    std::vector<int> repeatLines;
};

struct JumpCache {
    unsigned generation = 0;                    // source generation the entries belong to
    std::map<std::string, JumpTarget> labels;   // label name -> after its label line
    std::map<int, JumpTarget> returns;          // RESUME target line -> after the scan
};

struct Interpreter {
    Interpreter(platform::Platform& platform, std::unique_ptr<ScriptSource> source, std::string scriptPath);

    platform::Platform& platform;  // the desktop and the system
    std::string scriptPath;        // as given on the command line; also [ownname]
    ScriptReader reader;           // script stream and line counter
    VariableTable vars;            // all variables
    LineStack gosubStack;          // return line numbers
    LineStack repeatStack;         // first lines of the open loops
    std::string currentKeyword;    // upper-case keyword of the command being run
    int themeOffset = 0;           // 10 when visual themes are active
    JumpCache jumps;               // remembered jump targets
};

// One command: reads a keyword and runs it. Returns 0, or -1 for a keyword that is no command.
int commandStep(Interpreter& in);

}  // namespace interp
