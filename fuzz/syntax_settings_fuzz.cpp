// Fuzz target: the editor reading any velmish.syn, then colouring lines with the table it read.
#include "fuzz_target.h"
#include "ide/line_scanner.h"
#include "ide/syntax_settings.h"

namespace {

// Lines with every kind of span the shipped table colours, and some unbalanced ones.
const char* const kLines[] = {
    "IF [a] = 'b' GOTO end",    "REM a comment 'quoted'", ":label", "LET [x] = \"y\" + 'z",
    "  echo [new_line]'text''", "[[]]''\"\"#;,.<>=!&|",   "",       "\t'\t",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ide::SyntaxSettings settings;
    ide::readSyntaxSettings(velmish_fuzz::bytesOf(data, size), settings);
    for (const char* line : kLines) {
        std::string_view text(line);
        ide::LineScan scan = ide::scanLine(text, settings.identifiers);
        for (const auto& span : scan.spans) {
            if (span.start > span.end || span.end > text.size()) __builtin_trap();
        }
        for (size_t column = 0; column <= text.size(); column += 3)
            ide::typingFormat(text, column, settings.identifiers);
    }
    return 0;
}
