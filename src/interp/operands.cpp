// Reading and running the commands whose parameters are fixed by the text alone: LET, the
// variable and string commands and the message boxes. Their meanings are in the command library.
#include "commands/messages.h"
#include "commands/text_commands.h"
#include "interp/command_plan.h"
#include "interp/parameters.h"

namespace interp {

namespace {

// "[" target "]" "=": the head of LET and of every variable and string command.
VariableTable::Handle readTarget(Interpreter& in) {
    VariableTable::Handle target = readVariableName(in);
    expectInnerSeparator(in, "=");
    return target;
}

void readStringOperands(Interpreter& in, Keyword keyword, Operands& operands) {
    std::vector<ValueShape>& values = operands.values;
    operands.target = readTarget(in);
    switch (keyword) {
        case Keyword::LINKVAR:
            values.push_back(readShape(in, ValueForm::strict));
            while (expectSeparator(in, "+,") != ScriptReader::kLineEnd) values.push_back(readShape(in, ValueForm::strict));
            break;
        case Keyword::CALCVAR:
            values.push_back(readShape(in, ValueForm::strict));
            for (int op; (op = expectSeparator(in, "+-*/~")) != ScriptReader::kLineEnd;) {
                operands.operators += static_cast<char>(op);
                values.push_back(readShape(in, ValueForm::strict));
            }
            break;
        case Keyword::COPYVAR:
            values.push_back(readShape(in, ValueForm::strict));
            expectInnerSeparator(in, ":,");
            values.push_back(readShape(in, ValueForm::strict));
            expectInnerSeparator(in, ",");
            values.push_back(readShape(in, ValueForm::strict));
            readRestOfLine(in);
            break;
        case Keyword::GETPOS:
            values.push_back(readShape(in, ValueForm::strict));
            expectInnerSeparator(in, ":,");
            values.push_back(readShape(in, ValueForm::strict));
            expectLineEnd(in);
            break;
        default:  // LET, UPVAR, LOWVAR, TRIMVAR, GETCHR, GETLEN
            values.push_back(readShape(in, ValueForm::lenient));
            break;
    }
}

void readMsgBoxOperands(Interpreter& in, Operands& operands) {
    operands.values.push_back(readShape(in, ValueForm::strict));
    expectInnerSeparator(in, ",");
    operands.values.push_back(readShape(in, ValueForm::strict));
    expectInnerSeparator(in, ",");
    operands.values.push_back(readShape(in, ValueForm::strict));
    expectLineEnd(in);
}

}  // namespace

bool hasPlainOperands(Keyword keyword) {
    switch (keyword) {
        case Keyword::LET: case Keyword::LINKVAR: case Keyword::CALCVAR: case Keyword::UPVAR: case Keyword::LOWVAR:
        case Keyword::TRIMVAR: case Keyword::GETCHR: case Keyword::GETLEN: case Keyword::COPYVAR:
        case Keyword::GETPOS: case Keyword::MSGBOX: case Keyword::ECHOBOX: case Keyword::ECHO:
        case Keyword::ECHOLN: case Keyword::CONFIRM:
            return true;
        default: return false;
    }
}

Operands readOperands(Interpreter& in, Keyword keyword) {
    Operands operands;
    switch (keyword) {
        case Keyword::MSGBOX:
        case Keyword::ECHOBOX: readMsgBoxOperands(in, operands); break;
        case Keyword::ECHO:
        case Keyword::ECHOLN:
        case Keyword::CONFIRM: operands.values.push_back(readShape(in, ValueForm::lenient)); break;
        default: readStringOperands(in, keyword, operands); break;
    }
    return operands;
}

void runOperands(Interpreter& in, Keyword keyword, const Operands& operands) {
    commands::Context ctx{in.vars, in.platform};
    const commands::Target target = operands.target;
    auto value = [&](size_t index) { return evaluateValue(in.vars, operands.values[index]); };
    std::string scratch;
    auto view = [&](size_t index) { return viewValue(in.vars, operands.values[index], scratch); };
    switch (keyword) {
        case Keyword::LET: in.vars.set(target, value(0)); break;
        case Keyword::LINKVAR: {
            // Views of the values, each with its own room for a value that must be built; both
            // lists are kept in the interpreter so their room is reused by the next LINKVAR.
            size_t count = operands.values.size();
            if (in.linkScratch.size() < count) in.linkScratch.resize(count);
            in.linkViews.clear();
            for (size_t i = 0; i < count; ++i) {
                in.linkViews.push_back(viewValue(in.vars, operands.values[i], in.linkScratch[i]));
            }
            commands::linkVar(ctx, target, in.linkViews);
            break;
        }
        case Keyword::CALCVAR: {
            commands::Calculation calculation(view(0));
            for (size_t i = 1; i < operands.values.size(); ++i) calculation.apply(operands.operators[i - 1], view(i));
            commands::calcVar(ctx, target, calculation);
            break;
        }
        case Keyword::UPVAR: commands::upVar(ctx, target, value(0)); break;
        case Keyword::LOWVAR: commands::lowVar(ctx, target, value(0)); break;
        case Keyword::TRIMVAR: commands::trimVar(ctx, target, value(0)); break;
        case Keyword::GETCHR: commands::getChr(ctx, target, value(0)); break;
        case Keyword::GETLEN: commands::getLen(ctx, target, view(0)); break;
        case Keyword::COPYVAR: commands::copyVar(ctx, target, value(0), value(1), value(2)); break;
        case Keyword::GETPOS: commands::getPos(ctx, target, value(0), value(1)); break;
        case Keyword::MSGBOX:
        case Keyword::ECHOBOX: commands::msgBox(ctx, value(0), value(1), value(2)); break;
        case Keyword::ECHO:
        case Keyword::ECHOLN: commands::echo(ctx, value(0)); break;
        case Keyword::CONFIRM: commands::confirm(ctx, value(0)); break;
        default: break;
    }
}

}  // namespace interp
