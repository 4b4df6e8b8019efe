// The plain keyword list: every word a script line can start with, and how that line reads.
#include "editor_files.h"

namespace editor_files {

namespace {

const char* kindName(WordKind kind) {
    switch (kind) {
        case WordKind::control: return "control";
        case WordKind::jump: return "jump";
        case WordKind::condition: return "condition";
        case WordKind::command: return "command";
        case WordKind::declaration: return "declaration";
        case WordKind::debugger: return "debugger";
        case WordKind::ignored: return "ignored";
        case WordKind::comment: return "comment";
    }
    return "";
}

}  // namespace

std::string keywordList(const Language& language) {
    std::string text =
        "# Velmish keywords in dispatch order, then second spellings, each with how its line reads.\n"
        "# Written by tools/editor_files from the keyword table: do not edit. src/ide/velmish.syn\n"
        "# colours every word here (REM as its comment word).\n";
    for (const Word& word : language.words) text += word.text + " " + kindName(word.kind) + "\n";
    return text;
}

}  // namespace editor_files
