// Every command of the language, declared once.
//
// One row per keyword: the kind of command, the opcode velcomp writes for it, the form of its
// parameters, and what a compiled program does differently on purpose. The keyword enum
// (core/keywords.h), the opcode enum (code/opcodes.h) and the command table
// (command_set/command_table.*) are all expanded from this list; the meaning of each command of
// the command library is in commands/run_command.cpp, and the build fails when one is missing.
//
// The list is given three row macros:
//   CODE(keyword, kind, opcode, form, compiled)  a command with an opcode of its own
//   ALSO(keyword, kind, opcode, form, compiled)  a second keyword that writes an earlier row's opcode
//   NONE(keyword, kind, form)                     a command a compiled program gets no code for
// The kinds and the compiled column are names of command_set::CommandKind and
// command_set::WhenCompiled; the form's steps are explained in command_set/command_table.h.
// The order is the order of the keyword enum; it means nothing to the lookup, which is by name.
#pragma once

// clang-format off
#define VELMISH_COMMANDS(CODE, ALSO, NONE)                                                                     \
    /* ENDIF: closes a block IF.                                                    code: RXEI             */ \
    CODE(ENDIF,      endIf,      RXEI, "",                  same)                                              \
    /* DEC [a], [b]: declares the variables.                                        code: R000[i][j]...    */ \
    CODE(DEC,        declare,    R000, "",                  same)                                              \
    /* LET [v] = value.                                                             code: R001[i]'text'    */ \
    CODE(LET,        plain,      R001, "[] = V*",           same)                                              \
    /* GOTO label, GOSUB label: the rest of the line is the label.                  code: R004label        */ \
    CODE(GOTO,       jump,       R004, "",                  same)                                              \
    CODE(GOSUB,      jump,       R005, "",                  same)                                              \
    /* RESUME: returns to the line after the last GOSUB.                                                   */ \
    CODE(RESUME,     flow,       R006, "",                  same)                                              \
    /* ELSE, ELSEIF condition: inside a block IF.                                   code: RXEL, RXIE cond  */ \
    CODE(ELSE,       elseBranch, RXEL, "",                  same)                                              \
    CODE(ELSEIF,     elseIf,     RXIE, "C",                 same)                                              \
    /* IF condition, then a line end (block IF: RXIF) or a command (one-line IF: R0IF cond command)      */ \
    CODE(IF,         blockIf,    RXIF, "C",                 same)                                              \
    /* MSGBOX text, caption, style (ECHOBOX is the same).                                                */ \
    CODE(MSGBOX,     plain,      R007, "V , V , V $",       same)                                              \
    ALSO(ECHOBOX,    plain,      R007, "V , V , V $",       same)                                              \
    /* The dialogs: [v] = title, prompt or text, ...                                                     */ \
    CODE(INPUTBOX,   plain,      R008, "[] = V , V , V $",  same)                                              \
    CODE(EDITBOX,    plain,      R032, "[] = V , V , V $",  same)                                              \
    CODE(LISTBOX,    plain,      R031, "[] = V , V $",      same)                                              \
    /* REPEAT ... UNTIL condition: what follows REPEAT on its line is ignored.                           */ \
    CODE(REPEAT,     flow,       RRPT, "*",                 same)                                              \
    CODE(UNTIL,      flow,       RUNT, "C",                 same)                                              \
    /* HALT and END stop the program (R009 also marks the end of the code).                              */ \
    CODE(HALT,       flow,       R009, "",                  same)                                              \
    /* LINKVAR [v] = values joined by "+" or ",".                                   code: RF00[i]'a''b'    */ \
    CODE(LINKVAR,    plain,      RF00, "[] = L+,",          same)                                              \
    /* CALCVAR [v] = values with "+ - * / ~" between them, kept in the code.       code: RF01[i]'1'+'2'   */ \
    CODE(CALCVAR,    plain,      RF01, "[] = O+-*/~",       same)                                              \
    /* Programs and folders.                                                                             */ \
    CODE(SHELL,      plain,      R010, "V , V $",           same)                                              \
    CODE(CHDIR,      plain,      R011, "V*",                same)                                              \
    CODE(MKDIR,      plain,      R012, "V*",                same)                                              \
    CODE(RMDIR,      plain,      R013, "V*",                same)                                              \
    CODE(SYSTEM,     plain,      R014, "V*",                same)                                              \
    CODE(CALL,       plain,      R030, "V :, V",            same)                                              \
    /* Texts in variables.                                                                               */ \
    CODE(UPVAR,      plain,      RF03, "[] = V*",           same)                                              \
    CODE(LOWVAR,     plain,      RF04, "[] = V*",           same)                                              \
    CODE(TRIMVAR,    plain,      RF05, "[] = V*",           same)                                              \
    CODE(GETCHR,     plain,      RF06, "[] = V*",           same)                                              \
    CODE(GETLEN,     plain,      RF07, "[] = V*",           same)                                              \
    CODE(GETENV,     plain,      R015, "[] = V*",           same)                                              \
    CODE(LETENV,     plain,      R016, "V*",                same)                                              \
    /* COPYVAR: what follows its operands on the line is ignored.                                        */ \
    CODE(COPYVAR,    plain,      RF08, "[] = V :, V , V *", same)                                              \
    /* Files. A compiled program always copies and renames with the shell's file operation.              */ \
    CODE(DELFILE,    plain,      R017, "V*",                same)                                              \
    CODE(RENAMEFILE, plain,      R018, "V :, V $",          shellFileOperation)                                \
    CODE(FILEEXISTS, plain,      R019, "V*",                same)                                              \
    CODE(GETPOS,     plain,      RF02, "[] = V :, V $",     same)                                              \
    CODE(OPEN,       plain,      R020, "V*",                same)                                              \
    CODE(NEWFILE,    plain,      R021, "V*",                same)                                              \
    CODE(FILESIZE,   plain,      R035, "[] = V*",           same)                                              \
    CODE(OPENBOX,    plain,      R022, "[] = V , V $",      same)                                              \
    CODE(SAVEBOX,    plain,      R023, "[] = V , V $",      same)                                              \
    CODE(READFILE,   plain,      R024, "[] = V :, V $",     same)                                              \
    CODE(WRITEFILE,  plain,      R025, "V :, V $",          same)                                              \
    CODE(COPYFILE,   plain,      R026, "V :, V $",          shellFileOperation)                                \
    ALSO(END,        flow,       R009, "",                  same)                                              \
    /* ECHO text (ECHOLN is the same), CONFIRM question.                                                 */ \
    CODE(ECHO,       plain,      R027, "V*",                same)                                              \
    ALSO(ECHOLN,     plain,      R027, "V*",                same)                                              \
    CODE(CONFIRM,    plain,      R028, "V*",                same)                                              \
    /* The desktop.                                                                                      */ \
    CODE(MCI,        plain,      R029, "V*",                same)                                              \
    CODE(WAIT,       plain,      R036, "V*",                same)                                              \
    CODE(FINDFILES,  plain,      R034, "[] = V*",           same)                                              \
    CODE(SENDKEYS,   plain,      R033, "V :, V",            same)                                              \
    CODE(FOLDERBOX,  plain,      R037, "[] = V , V $",      same)                                              \
    CODE(INFOBOX,    plain,      R038, "V , V $",           same)                                              \
    CODE(GETFILEATT, plain,      R039, "[] = V :, V $",     same)                                              \
    CODE(LETFILEATT, plain,      R040, "V :, V",            same)                                              \
    /* The debugger's commands: DEBUGVARS reads "AUTO", "NONE" or a list of names itself.                */ \
    NONE(DEBUGVARS,  debugger,   "")                                                                           \
    NONE(DEBUGMODE,  debugger,   "V*")                                                                         \
    /* Remarks: the rest of the line is read and ignored.                                                */ \
    NONE(TEXT,       remark,     "")                                                                           \
    NONE(BACK,       remark,     "")                                                                           \
    NONE(SHOWTEXT,   remark,     "")                                                                           \
    NONE(HIDETEXT,   remark,     "")                                                                           \
    NONE(TITLE,      remark,     "")                                                                           \
    NONE(REM,        remark,     "")
// clang-format on

// A row macro for the rows an expansion leaves out.
#define VELMISH_SKIP_ROW(...)

// Second spellings of a keyword: (spelling, keyword). Both programs accept either.
#define VELMISH_KEYWORD_SPELLINGS(X) X(LETFILEATTS, LETFILEATT)
