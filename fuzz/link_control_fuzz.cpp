// Fuzz target: vellink reading the control line of a link control file.
#include "compiler/link_control.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes = velmish_fuzz::bytesOf(data, size);
    compiler::LinkControl control{};
    if (compiler::parseControlLine(bytes, control).empty() && control.codeStart > bytes.size()) __builtin_trap();
    compiler::programPathFor(bytes.substr(0, bytes.find('\n')));
    return 0;
}
