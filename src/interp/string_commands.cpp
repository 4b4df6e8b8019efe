// Reading the parameters of the variable and string commands; their meanings are in the
// command library.
#include "commands/text_commands.h"
#include "interp/handlers.h"
#include "interp/parameters.h"

namespace interp {

namespace {

// "[" target "]" "=": the head every command of this group starts with.
commands::Target readTarget(Interpreter& in) {
    commands::Target target = readVariableName(in);
    expectInnerSeparator(in, "=");
    return target;
}

void runLinkVar(Interpreter& in, commands::Context& ctx, commands::Target target) {
    std::vector<std::string> values;
    values.push_back(readStrictValue(in));
    while (expectSeparator(in, "+,") != ScriptReader::kLineEnd) values.push_back(readStrictValue(in));
    commands::linkVar(ctx, target, values);
}

void runCalcVar(Interpreter& in, commands::Context& ctx, commands::Target target) {
    commands::Calculation calculation(readStrictValue(in));
    for (;;) {
        int op = expectSeparator(in, "+-*/~");
        if (op == ScriptReader::kLineEnd) break;
        calculation.apply(static_cast<char>(op), readStrictValue(in));
    }
    commands::calcVar(ctx, target, calculation);
}

void runCopyVar(Interpreter& in, commands::Context& ctx, commands::Target target) {
    std::string source = readStrictValue(in);
    expectInnerSeparator(in, ":,");
    std::string start = readStrictValue(in);
    expectInnerSeparator(in, ",");
    std::string count = readStrictValue(in);
    readRestOfLine(in);
    commands::copyVar(ctx, target, source, start, count);
}

void runGetPos(Interpreter& in, commands::Context& ctx, commands::Target target) {
    std::string text = readStrictValue(in);
    expectInnerSeparator(in, ":,");
    std::string pattern = readStrictValue(in);
    expectLineEnd(in);
    commands::getPos(ctx, target, text, pattern);
}

}  // namespace

void handleStringCommand(Interpreter& in, Keyword keyword) {
    commands::Context ctx{in.vars, in.platform};
    commands::Target target = readTarget(in);
    switch (keyword) {
        case Keyword::LINKVAR: runLinkVar(in, ctx, target); break;
        case Keyword::CALCVAR: runCalcVar(in, ctx, target); break;
        case Keyword::UPVAR: commands::upVar(ctx, target, readLenientValue(in)); break;
        case Keyword::LOWVAR: commands::lowVar(ctx, target, readLenientValue(in)); break;
        case Keyword::TRIMVAR: commands::trimVar(ctx, target, readLenientValue(in)); break;
        case Keyword::GETCHR: commands::getChr(ctx, target, readLenientValue(in)); break;
        case Keyword::GETLEN: commands::getLen(ctx, target, readLenientValue(in)); break;
        case Keyword::COPYVAR: runCopyVar(in, ctx, target); break;
        case Keyword::GETPOS: runGetPos(in, ctx, target); break;
        default: break;
    }
}

}  // namespace interp
