// One compile run: a script's text in, the intermediate code (or the first error) out.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "compiler/compile_error.h"
#include "core/script_source.h"

namespace compiler {

struct Compilation {
    std::string code;                   // header line, one code line per command, end marker; each ended by 0x01
    int lineCounter = 1;                // the line counter where the translation ended ("Total lines")
    std::optional<CompileError> error;  // the first error; code is incomplete then
};

// Translates the whole script, writes the end marker and checks that every label jumped to is
// defined.
Compilation compileScript(std::unique_ptr<interp::ScriptSource> source);

}  // namespace compiler
