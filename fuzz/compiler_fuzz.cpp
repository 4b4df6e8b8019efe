// Fuzz target: velcomp translating any script text, then the label check.
#include "compiler/compilation.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    compiler::compileScript(interp::ScriptSource::fromText(velmish_fuzz::bytesOf(data, size)));
    return 0;
}
