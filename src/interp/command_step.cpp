// The command step: read one keyword and run its handler.
#include "interp/handlers.h"
#include "interp/parameters.h"
#include "interp/text.h"

namespace interp {

namespace {

void handleLabelLine(Interpreter& in) {
    // A label line only marks a jump target; its name must not be blank.
    if (trimBlanks(readRestOfLine(in)).empty()) throw ScriptError{kParameterExpected, "% Label descriptor"};
}

}  // namespace

int dispatch(Interpreter& in, std::optional<Keyword> keyword) {
    // One-line IFs run their command here rather than by recursion, so a line of many nested
    // IFs needs no deeper stack.
    while (keyword == Keyword::IF) {
        auto inlineCommand = handleIf(in);
        if (!inlineCommand) return 0;
        keyword = inlineCommand->keyword;
    }
    if (!keyword) return -1;
    switch (*keyword) {
        case Keyword::ENDIF: break;
        case Keyword::DEC: handleDec(in); break;
        case Keyword::LET: handleLet(in); break;
        case Keyword::GOTO: handleGoto(in); break;
        case Keyword::GOSUB: handleGosub(in); break;
        case Keyword::RESUME: handleResume(in); break;
        case Keyword::ELSE:
        case Keyword::ELSEIF: handleElse(in); break;
        case Keyword::MSGBOX:
        case Keyword::ECHOBOX: handleMsgBox(in); break;
        case Keyword::REPEAT: handleRepeat(in); break;
        case Keyword::UNTIL: handleUntil(in); break;
        case Keyword::HALT: handleHalt(in); break;
        case Keyword::LINKVAR:
        case Keyword::CALCVAR:
        case Keyword::UPVAR:
        case Keyword::LOWVAR:
        case Keyword::TRIMVAR:
        case Keyword::GETCHR:
        case Keyword::GETLEN:
        case Keyword::COPYVAR:
        case Keyword::GETPOS: handleStringCommand(in, *keyword); break;
        case Keyword::END: handleEnd(in); break;
        case Keyword::ECHO:
        case Keyword::ECHOLN: handleEcho(in); break;
        case Keyword::CONFIRM: handleConfirm(in); break;
        case Keyword::TEXT:
        case Keyword::BACK:
        case Keyword::SHOWTEXT:
        case Keyword::HIDETEXT:
        case Keyword::TITLE:
        case Keyword::REM: readRestOfLine(in); break;
        default:
            // Recognised in its place, but this build has no meaning for it yet: refuse it
            // rather than pretend it ran.
            throw ScriptError{kUnknownInstruction, in.currentKeyword};
    }
    return 0;
}

int commandStep(Interpreter& in) {
    KeywordRead read = readKeyword(in);
    in.currentKeyword = std::move(read.upper);
    if (read.word == "%") {
        handleLabelLine(in);
        return 0;
    }
    return dispatch(in, read.keyword);
}

}  // namespace interp
