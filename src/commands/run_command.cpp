// Each command keyword with the meaning it calls and how its arguments are handed over.
#include "commands/run_command.h"

#include <array>
#include <optional>

#include "command_set/command_table.h"
#include "commands/dialog_commands.h"
#include "commands/file_commands.h"
#include "commands/messages.h"
#include "commands/process_commands.h"
#include "commands/text_commands.h"

namespace commands {

using interp::Keyword;

namespace {

// A value as a text of its own, for the commands that keep or hand on what they are given.
std::string value(Context& ctx, const Arguments& arguments, size_t index) {
    return interp::evaluateValue(ctx.vars, arguments.values[index]);
}

// Views of a command's values, each with its own room for a value that must be built (made only
// then); they last until the command writes its target.
class Views {
  public:
    Views(Context& ctx, const Arguments& arguments) : ctx_(ctx), arguments_(arguments) {}
    std::string_view operator[](size_t index) {
        const interp::ValueShape& shape = arguments_.values[index];
        if (shape.size() == 1) {
            const interp::ValuePart& part = shape.front();
            if (!part.isVariable) return part.literal;
            std::string_view stored;
            if (ctx_.vars.storedView(part.variable, stored)) return stored;
        }
        return interp::viewValue(ctx_.vars, shape, scratch_[index].emplace());
    }

  private:
    Context& ctx_;
    const Arguments& arguments_;
    std::optional<std::string> scratch_[3];
};

// Each command's meaning with its arguments handed over: a lambda without captures, so that it
// becomes a plain function the programs bind once.
#define VELMISH_HANDLER(body) [](Context& ctx, const Arguments& a) { body; }

constexpr Handler boundHandler(Keyword keyword) {
    switch (keyword) {
        case Keyword::LET: return VELMISH_HANDLER(ctx.vars.assign(a.target, Views(ctx, a)[0]));
        case Keyword::LINKVAR: return VELMISH_HANDLER(linkVar(ctx, a.target, a.values));
        case Keyword::CALCVAR: return VELMISH_HANDLER(calcVar(ctx, a.target, a.values, a.operators));
        case Keyword::UPVAR: return VELMISH_HANDLER(upVar(ctx, a.target, Views(ctx, a)[0]));
        case Keyword::LOWVAR: return VELMISH_HANDLER(lowVar(ctx, a.target, Views(ctx, a)[0]));
        case Keyword::TRIMVAR: return VELMISH_HANDLER(trimVar(ctx, a.target, Views(ctx, a)[0]));
        case Keyword::GETCHR: return VELMISH_HANDLER(getChr(ctx, a.target, Views(ctx, a)[0]));
        case Keyword::GETLEN: return VELMISH_HANDLER(getLen(ctx, a.target, Views(ctx, a)[0]));
        case Keyword::COPYVAR: return VELMISH_HANDLER(Views v(ctx, a); copyVar(ctx, a.target, v[0], v[1], v[2]));
        case Keyword::GETPOS: return VELMISH_HANDLER(Views v(ctx, a); getPos(ctx, a.target, v[0], v[1]));
        case Keyword::MSGBOX:
        case Keyword::ECHOBOX:
            return VELMISH_HANDLER(msgBox(ctx, value(ctx, a, 0), value(ctx, a, 1), value(ctx, a, 2)));
        case Keyword::ECHO:
        case Keyword::ECHOLN: return VELMISH_HANDLER(echo(ctx, value(ctx, a, 0)));
        case Keyword::CONFIRM: return VELMISH_HANDLER(confirm(ctx, value(ctx, a, 0)));
        // The dialogs run here, between two commands, in both programs.
        case Keyword::INPUTBOX:
            return VELMISH_HANDLER(inputBox(ctx, a.target, value(ctx, a, 0), value(ctx, a, 1), value(ctx, a, 2)));
        case Keyword::EDITBOX:
            return VELMISH_HANDLER(std::string title = value(ctx, a, 0); std::string text = value(ctx, a, 1);
                                   editBox(ctx, a.target, title, text, editBoxReadOnly(value(ctx, a, 2))));
        case Keyword::LISTBOX: return VELMISH_HANDLER(listBox(ctx, a.target, value(ctx, a, 0), value(ctx, a, 1)));
        case Keyword::OPENBOX:
            return VELMISH_HANDLER(fileBox(ctx, a.target, value(ctx, a, 0), value(ctx, a, 1), false));
        case Keyword::SAVEBOX: return VELMISH_HANDLER(fileBox(ctx, a.target, value(ctx, a, 0), value(ctx, a, 1), true));
        case Keyword::FOLDERBOX: return VELMISH_HANDLER(folderBox(ctx, a.target, value(ctx, a, 0), value(ctx, a, 1)));
        case Keyword::INFOBOX: return VELMISH_HANDLER(infoBox(ctx, value(ctx, a, 0), value(ctx, a, 1)));
        case Keyword::SHELL: return VELMISH_HANDLER(shell(ctx, value(ctx, a, 0), value(ctx, a, 1)));
        case Keyword::CALL: return VELMISH_HANDLER(call(ctx, value(ctx, a, 0), value(ctx, a, 1)));
        case Keyword::SYSTEM: return VELMISH_HANDLER(system(ctx, value(ctx, a, 0)));
        case Keyword::GETENV: return VELMISH_HANDLER(getEnv(ctx, a.target, value(ctx, a, 0)));
        case Keyword::LETENV: return VELMISH_HANDLER(letEnv(ctx, value(ctx, a, 0)));
        case Keyword::WAIT: return VELMISH_HANDLER(wait(ctx, value(ctx, a, 0)));
        case Keyword::SENDKEYS: return VELMISH_HANDLER(sendKeys(ctx, value(ctx, a, 0), value(ctx, a, 1)));
        case Keyword::MCI: return VELMISH_HANDLER(mci(ctx, value(ctx, a, 0)));
        case Keyword::NEWFILE: return VELMISH_HANDLER(newFile(ctx, value(ctx, a, 0)));
        case Keyword::WRITEFILE: return VELMISH_HANDLER(writeFile(ctx, value(ctx, a, 0), value(ctx, a, 1)));
        case Keyword::READFILE: return VELMISH_HANDLER(readFile(ctx, a.target, value(ctx, a, 0), value(ctx, a, 1)));
        case Keyword::FILESIZE: return VELMISH_HANDLER(fileSize(ctx, a.target, value(ctx, a, 0)));
        case Keyword::FILEEXISTS: return VELMISH_HANDLER(fileExists(ctx, value(ctx, a, 0)));
        case Keyword::OPEN: return VELMISH_HANDLER(openDocument(ctx, value(ctx, a, 0)));
        case Keyword::COPYFILE:
            return VELMISH_HANDLER(copyFile(ctx, value(ctx, a, 0), value(ctx, a, 1), a.fileFunctions));
        case Keyword::RENAMEFILE:
            return VELMISH_HANDLER(renameFile(ctx, value(ctx, a, 0), value(ctx, a, 1), a.fileFunctions));
        case Keyword::DELFILE: return VELMISH_HANDLER(delFile(ctx, value(ctx, a, 0)));
        case Keyword::FINDFILES: return VELMISH_HANDLER(findFiles(ctx, a.target, value(ctx, a, 0)));
        case Keyword::GETFILEATT: return VELMISH_HANDLER(getFileAtt(ctx, a.target, value(ctx, a, 0), value(ctx, a, 1)));
        case Keyword::LETFILEATT: return VELMISH_HANDLER(letFileAtt(ctx, value(ctx, a, 0), value(ctx, a, 1)));
        case Keyword::CHDIR: return VELMISH_HANDLER(chDir(ctx, value(ctx, a, 0)));
        case Keyword::MKDIR: return VELMISH_HANDLER(mkDir(ctx, value(ctx, a, 0)));
        case Keyword::RMDIR: return VELMISH_HANDLER(rmDir(ctx, value(ctx, a, 0)));
        default: return nullptr;
    }
}

#undef VELMISH_HANDLER

// Every command the table gives to this library has its meaning here, and no other command has
// one: a row without its meaning would otherwise be passed over by both programs.
constexpr bool everyLibraryCommandHasItsMeaning() {
    for (const command_set::CommandRow& row : command_set::kCommandRows) {
        bool library = row.kind == command_set::CommandKind::plain;
        if (library != (boundHandler(row.keyword) != nullptr)) return false;
    }
    return true;
}
static_assert(everyLibraryCommandHasItsMeaning(), "a plain command of the command table lacks its meaning");

}  // namespace

Handler handlerOf(Keyword keyword) {
    // Looked up once per keyword: the programs bind the handler where they first read a command.
    static const auto handlers = [] {
        std::array<Handler, interp::kKeywordCount> built{};
        for (size_t i = 0; i < interp::kKeywordCount; ++i) built[i] = boundHandler(static_cast<Keyword>(i));
        return built;
    }();
    return handlers[static_cast<size_t>(keyword)];
}

}  // namespace commands
