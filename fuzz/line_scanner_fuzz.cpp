// Fuzz target: the editor's line scanner colouring any text with the shipped velmish.syn, line by
// line, and the format of a character typed at a few columns.
#include "fuzz_target.h"
#include "ide/line_scanner.h"
#include "ide/syntax_settings.h"

namespace {

const ide::SyntaxSettings& shippedSettings() {
    static const ide::SyntaxSettings settings = [] {
        ide::SyntaxSettings loaded;
        if (!ide::loadSyntaxSettings(VELMISH_SHIPPED_SYN, loaded)) __builtin_trap();
        return loaded;
    }();
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& table = shippedSettings().identifiers;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty()) {
        std::string_view line = text.substr(0, text.find('\n'));
        text.remove_prefix(std::min(text.size(), line.size() + 1));
        ide::LineScan scan = ide::scanLine(line, table);
        for (const auto& span : scan.spans) {
            if (span.start > span.end || span.end > line.size()) __builtin_trap();
        }
        // A few columns: each call reads the whole text before the caret.
        for (size_t column : {size_t{0}, size_t{1}, line.size() / 3, line.size() / 2, line.size()}) {
            ide::typingFormat(line, std::min(column, line.size()), table);
        }
    }
    return 0;
}
