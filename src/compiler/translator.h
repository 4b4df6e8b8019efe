// Source-to-code translation: each script command becomes one code line.
//
// A single forward pass: values, conditions and lists are read by the same reader as velint's
// (core/script_forms.h) and only written here, labels are copied, variable names are replaced by
// their indices. Errors unwind as CompileError.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "code/opcodes.h"
#include "command_set/command_table.h"
#include "compiler/compile_tables.h"
#include "compiler/source_cursor.h"
#include "core/script_reader.h"

namespace compiler {

class Translator {
  public:
    enum class Status {
        written,         // one code line's content has been appended (it may be empty)
        stop,            // the end of the script: nothing more is translated
        unknownKeyword,  // the keyword is no command; currentKeyword() names it
    };

    Translator(interp::ScriptReader& reader, VariableNames& variables, LabelTables& labels);

    // Reads one command and appends its code line's content, without the terminator, to line.
    // On Stop, line may hold the start of an inline IF whose command ran into the end of the
    // script; that command is never run, so the line is not written.
    Status step(std::string& line);

    const std::string& currentKeyword() const { return keyword_; }
    int lineCounter() const { return cursor_.lineCounter(); }
    bool atEnd() const { return cursor_.atEnd(); }
    int ifDepth() const { return ifDepth_; }

  private:
    Status translateLabelLine(std::string& line);
    Status translateKeyword(std::string word, std::string& line);
    void translateCommand(const command_set::CommandRow& row, std::string& line);
    std::optional<std::string> translateIf(std::string& line);
    void translateOperands(const command_set::Form& form, std::string& line);
    void translateDeclare(std::string& line);
    void translateJump(code::Opcode opcode, std::string& line);
    void translateElseIf(std::string& line);
    void skipRestOfLine();
    void requireOpenBlock();

    // The forms of the script (core/script_forms.h) are read by the shared reader and written
    // as code by these.
    class Source;
    class ValueWriter;
    class ConditionWriter;
    class FormWriter;
    std::string condition();
    void writeVariableReference(std::string_view name, std::string& code);
    void writeLiteral(std::string_view text, std::string& code);

    [[noreturn]] void fail(int number, const std::string& filling = std::string()) const;

    SourceCursor cursor_;
    VariableNames& variables_;
    LabelTables& labels_;
    std::string keyword_;  // the current keyword, upper case
    int ifDepth_ = 0;      // block IFs opened and not yet closed by ENDIF
};

}  // namespace compiler
