// Each command keyword with the meaning it calls and how its arguments are handed over.
#include "commands/run_command.h"

#include "commands/dialog_commands.h"
#include "commands/file_commands.h"
#include "commands/messages.h"
#include "commands/process_commands.h"
#include "commands/text_commands.h"

namespace commands {

using interp::Keyword;

bool runCommand(Context& ctx, Keyword keyword, const Arguments& arguments) {
    const Target target = arguments.target;
    const auto& values = arguments.values;
    auto value = [&](size_t index) { return interp::evaluateValue(ctx.vars, values[index]); };
    // Views of the values, each with its own room for a value that must be built; they last
    // until the command writes its target.
    std::string scratch[3];
    auto view = [&](size_t index) { return interp::viewValue(ctx.vars, values[index], scratch[index]); };
    switch (keyword) {
        case Keyword::LET: ctx.vars.assign(target, view(0)); break;
        case Keyword::LINKVAR: linkVar(ctx, target, values); break;
        case Keyword::CALCVAR: calcVar(ctx, target, values, arguments.operators); break;
        case Keyword::UPVAR: upVar(ctx, target, view(0)); break;
        case Keyword::LOWVAR: lowVar(ctx, target, view(0)); break;
        case Keyword::TRIMVAR: trimVar(ctx, target, view(0)); break;
        case Keyword::GETCHR: getChr(ctx, target, view(0)); break;
        case Keyword::GETLEN: getLen(ctx, target, view(0)); break;
        case Keyword::COPYVAR: copyVar(ctx, target, view(0), view(1), view(2)); break;
        case Keyword::GETPOS: getPos(ctx, target, view(0), view(1)); break;
        case Keyword::MSGBOX:
        case Keyword::ECHOBOX: msgBox(ctx, value(0), value(1), value(2)); break;
        case Keyword::ECHO:
        case Keyword::ECHOLN: echo(ctx, value(0)); break;
        case Keyword::CONFIRM: confirm(ctx, value(0)); break;
        // The dialogs run here, between two commands, in both programs.
        case Keyword::INPUTBOX: inputBox(ctx, target, value(0), value(1), value(2)); break;
        case Keyword::EDITBOX: {
            std::string title = value(0), text = value(1);
            editBox(ctx, target, title, text, editBoxReadOnly(value(2)));
            break;
        }
        case Keyword::LISTBOX: listBox(ctx, target, value(0), value(1)); break;
        case Keyword::OPENBOX: fileBox(ctx, target, value(0), value(1), false); break;
        case Keyword::SAVEBOX: fileBox(ctx, target, value(0), value(1), true); break;
        case Keyword::FOLDERBOX: folderBox(ctx, target, value(0), value(1)); break;
        case Keyword::INFOBOX: infoBox(ctx, value(0), value(1)); break;
        case Keyword::SHELL: shell(ctx, value(0), value(1)); break;
        case Keyword::CALL: call(ctx, value(0), value(1)); break;
        case Keyword::SYSTEM: system(ctx, value(0)); break;
        case Keyword::GETENV: getEnv(ctx, target, value(0)); break;
        case Keyword::LETENV: letEnv(ctx, value(0)); break;
        case Keyword::WAIT: wait(ctx, value(0)); break;
        case Keyword::SENDKEYS: sendKeys(ctx, value(0), value(1)); break;
        case Keyword::MCI: mci(ctx, value(0)); break;
        case Keyword::NEWFILE: newFile(ctx, value(0)); break;
        case Keyword::WRITEFILE: writeFile(ctx, value(0), value(1)); break;
        case Keyword::READFILE: readFile(ctx, target, value(0), value(1)); break;
        case Keyword::FILESIZE: fileSize(ctx, target, value(0)); break;
        case Keyword::FILEEXISTS: fileExists(ctx, value(0)); break;
        case Keyword::OPEN: openDocument(ctx, value(0)); break;
        case Keyword::COPYFILE: copyFile(ctx, value(0), value(1), arguments.fileFunctions); break;
        case Keyword::RENAMEFILE: renameFile(ctx, value(0), value(1), arguments.fileFunctions); break;
        case Keyword::DELFILE: delFile(ctx, value(0)); break;
        case Keyword::FINDFILES: findFiles(ctx, target, value(0)); break;
        case Keyword::GETFILEATT: getFileAtt(ctx, target, value(0), value(1)); break;
        case Keyword::LETFILEATT: letFileAtt(ctx, value(0), value(1)); break;
        case Keyword::CHDIR: chDir(ctx, value(0)); break;
        case Keyword::MKDIR: mkDir(ctx, value(0)); break;
        case Keyword::RMDIR: rmDir(ctx, value(0)); break;
        default: return false;
    }
    return true;
}

}  // namespace commands
