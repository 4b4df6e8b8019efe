// Reading and running the commands whose parameters are fixed by the text alone: LET, the
// variable and string commands and the message boxes. Their meanings are in the command library.
#include "commands/dialog_commands.h"
#include "commands/file_commands.h"
#include "commands/file_system_commands.h"
#include "commands/messages.h"
#include "commands/process_commands.h"
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
            while (expectSeparator(in, "+,") != ScriptReader::kLineEnd)
                values.push_back(readShape(in, ValueForm::strict));
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

// How the commands of the dialogs, files and processes write their parameters, as a list of
// steps: "t" the target "[name]" and "=", "s" a strict value, "l" a lenient value, "," or ":,"
// the separators allowed there, "$" the line end.
const char* parameterForm(Keyword keyword) {
    switch (keyword) {
        case Keyword::INPUTBOX:
        case Keyword::EDITBOX: return "t s , s , s $";
        case Keyword::LISTBOX:
        case Keyword::OPENBOX:
        case Keyword::SAVEBOX:
        case Keyword::FOLDERBOX: return "t s , s $";
        case Keyword::INFOBOX:
        case Keyword::SHELL: return "s , s $";
        case Keyword::CALL:
        case Keyword::SENDKEYS:
        case Keyword::LETFILEATT: return "s :, s";
        case Keyword::WRITEFILE:
        case Keyword::COPYFILE:
        case Keyword::RENAMEFILE: return "s :, s $";
        case Keyword::READFILE:
        case Keyword::GETFILEATT: return "t s :, s $";
        case Keyword::GETENV:
        case Keyword::FILESIZE:
        case Keyword::FINDFILES: return "t l";
        case Keyword::SYSTEM:
        case Keyword::LETENV:
        case Keyword::WAIT:
        case Keyword::MCI:
        case Keyword::NEWFILE:
        case Keyword::FILEEXISTS:
        case Keyword::OPEN:
        case Keyword::DELFILE:
        case Keyword::CHDIR:
        case Keyword::MKDIR:
        case Keyword::RMDIR:
        case Keyword::DEBUGMODE: return "l";
        default: return nullptr;
    }
}

void readFormOperands(Interpreter& in, std::string_view form, Operands& operands) {
    size_t at = 0;
    while (at < form.size()) {
        size_t end = form.find(' ', at);
        if (end == std::string_view::npos) end = form.size();
        std::string_view step = form.substr(at, end - at);
        at = end + 1;
        if (step == "t") {
            operands.target = readTarget(in);
        } else if (step == "s") {
            operands.values.push_back(readShape(in, ValueForm::strict));
        } else if (step == "l") {
            operands.values.push_back(readShape(in, ValueForm::lenient));
        } else if (step == "$") {
            expectLineEnd(in);
        } else {
            expectInnerSeparator(in, step);
        }
    }
}

}  // namespace

bool hasPlainOperands(Keyword keyword) {
    if (parameterForm(keyword)) return true;
    switch (keyword) {
        case Keyword::LET:
        case Keyword::LINKVAR:
        case Keyword::CALCVAR:
        case Keyword::UPVAR:
        case Keyword::LOWVAR:
        case Keyword::TRIMVAR:
        case Keyword::GETCHR:
        case Keyword::GETLEN:
        case Keyword::COPYVAR:
        case Keyword::GETPOS:
        case Keyword::MSGBOX:
        case Keyword::ECHOBOX:
        case Keyword::ECHO:
        case Keyword::ECHOLN:
        case Keyword::CONFIRM: return true;
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
        default:
            if (const char* form = parameterForm(keyword)) {
                readFormOperands(in, form, operands);
            } else {
                readStringOperands(in, keyword, operands);
            }
            break;
    }
    return operands;
}

void runOperands(Interpreter& in, Keyword keyword, const Operands& operands) {
    commands::Context ctx{in.vars, in.platform, in.session};
    const commands::Target target = operands.target;
    auto value = [&](size_t index) { return evaluateValue(in.vars, operands.values[index]); };
    std::string scratch;
    auto view = [&](size_t index) { return viewValue(in.vars, operands.values[index], scratch); };
    switch (keyword) {
        case Keyword::LET: in.vars.set(target, value(0)); break;
        case Keyword::LINKVAR: commands::linkVar(ctx, target, operands.values); break;
        case Keyword::CALCVAR: commands::calcVar(ctx, target, operands.values, operands.operators); break;
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
        case Keyword::INPUTBOX: commands::inputBox(ctx, target, value(0), value(1), value(2)); break;
        case Keyword::EDITBOX: {
            std::string title = value(0), text = value(1);
            commands::editBox(ctx, target, title, text, commands::editBoxReadOnly(value(2)));
            break;
        }
        case Keyword::LISTBOX: commands::listBox(ctx, target, value(0), value(1)); break;
        case Keyword::OPENBOX: commands::fileBox(ctx, target, value(0), value(1), false); break;
        case Keyword::SAVEBOX: commands::fileBox(ctx, target, value(0), value(1), true); break;
        case Keyword::FOLDERBOX: commands::folderBox(ctx, target, value(0), value(1)); break;
        case Keyword::INFOBOX: commands::infoBox(ctx, value(0), value(1)); break;
        case Keyword::SHELL: commands::shell(ctx, value(0), value(1)); break;
        case Keyword::CALL: commands::call(ctx, value(0), value(1)); break;
        case Keyword::SYSTEM: commands::system(ctx, value(0)); break;
        case Keyword::GETENV: commands::getEnv(ctx, target, value(0)); break;
        case Keyword::LETENV: commands::letEnv(ctx, value(0)); break;
        case Keyword::WAIT: commands::wait(ctx, value(0)); break;
        case Keyword::SENDKEYS: commands::sendKeys(ctx, value(0), value(1)); break;
        case Keyword::MCI: commands::mci(ctx, value(0)); break;
        case Keyword::NEWFILE: commands::newFile(ctx, value(0)); break;
        case Keyword::WRITEFILE: commands::writeFile(ctx, value(0), value(1)); break;
        case Keyword::READFILE: commands::readFile(ctx, target, value(0), value(1)); break;
        case Keyword::FILESIZE: commands::fileSize(ctx, target, value(0)); break;
        case Keyword::FILEEXISTS: commands::fileExists(ctx, value(0)); break;
        case Keyword::OPEN: commands::openDocument(ctx, value(0)); break;
        case Keyword::COPYFILE: commands::copyFile(ctx, value(0), value(1), commands::fileFunctionsOf(in.vars)); break;
        case Keyword::RENAMEFILE:
            commands::renameFile(ctx, value(0), value(1), commands::fileFunctionsOf(in.vars));
            break;
        case Keyword::DELFILE: commands::delFile(ctx, value(0)); break;
        case Keyword::FINDFILES: commands::findFiles(ctx, target, value(0)); break;
        case Keyword::GETFILEATT: commands::getFileAtt(ctx, target, value(0), value(1)); break;
        case Keyword::LETFILEATT: commands::letFileAtt(ctx, value(0), value(1)); break;
        case Keyword::CHDIR: commands::chDir(ctx, value(0)); break;
        case Keyword::MKDIR: commands::mkDir(ctx, value(0)); break;
        case Keyword::RMDIR: commands::rmDir(ctx, value(0)); break;
        case Keyword::DEBUGMODE: in.debugger.debugMode(value(0), [&in] { return upcomingLine(in); }); break;
        default: break;
    }
}

}  // namespace interp
