// The command keywords in dispatch order.
//
// The interpreter tries keywords in this order; the compiler and the editor's keyword list read
// the same table. Keep the order: it is the order in which commands are recognised.
#pragma once

#define VELMISH_KEYWORDS(X) \
    X(ENDIF)                \
    X(DEC)                  \
    X(LET)                  \
    X(GOTO)                 \
    X(GOSUB)                \
    X(RESUME)               \
    X(ELSE)                 \
    X(ELSEIF)               \
    X(IF)                   \
    X(MSGBOX)               \
    X(ECHOBOX)              \
    X(INPUTBOX)             \
    X(EDITBOX)              \
    X(LISTBOX)              \
    X(REPEAT)               \
    X(UNTIL)                \
    X(HALT)                 \
    X(LINKVAR)              \
    X(CALCVAR)              \
    X(SHELL)                \
    X(CHDIR)                \
    X(MKDIR)                \
    X(RMDIR)                \
    X(SYSTEM)               \
    X(CALL)                 \
    X(UPVAR)                \
    X(LOWVAR)               \
    X(TRIMVAR)              \
    X(GETCHR)               \
    X(GETLEN)               \
    X(GETENV)               \
    X(LETENV)               \
    X(COPYVAR)              \
    X(DELFILE)              \
    X(RENAMEFILE)           \
    X(FILEEXISTS)           \
    X(GETPOS)               \
    X(OPEN)                 \
    X(NEWFILE)              \
    X(FILESIZE)             \
    X(OPENBOX)              \
    X(SAVEBOX)              \
    X(READFILE)             \
    X(WRITEFILE)            \
    X(COPYFILE)             \
    X(END)                  \
    X(ECHO)                 \
    X(ECHOLN)               \
    X(CONFIRM)              \
    X(MCI)                  \
    X(WAIT)                 \
    X(FINDFILES)            \
    X(SENDKEYS)             \
    X(FOLDERBOX)            \
    X(INFOBOX)              \
    X(GETFILEATT)           \
    X(LETFILEATT)           \
    X(DEBUGVARS)            \
    X(DEBUGMODE)            \
    X(TEXT)                 \
    X(BACK)                 \
    X(SHOWTEXT)             \
    X(HIDETEXT)             \
    X(TITLE)                \
    X(REM)

// Second spellings of a keyword: (spelling, keyword). Both programs accept either.
#define VELMISH_KEYWORD_SPELLINGS(X) X(LETFILEATTS, LETFILEATT)

#include <cstddef>
#include <optional>
#include <string_view>

namespace interp {

enum class Keyword {
#define VELMISH_KEYWORD_ENUM(word) word,
    VELMISH_KEYWORDS(VELMISH_KEYWORD_ENUM)
#undef VELMISH_KEYWORD_ENUM
};

inline constexpr size_t kKeywordCount = 0
#define VELMISH_KEYWORD_COUNT(word) +1
    VELMISH_KEYWORDS(VELMISH_KEYWORD_COUNT)
#undef VELMISH_KEYWORD_COUNT
    ;

// The keyword spelled exactly like this upper-case text, if any (second spellings included).
std::optional<Keyword> keywordNamed(std::string_view upperCaseText);

// The keyword's text ("ECHO").
std::string_view keywordText(Keyword keyword);

}  // namespace interp
