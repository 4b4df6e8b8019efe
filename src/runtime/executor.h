// The executor of the intermediate code: one code line after the other, with jumps, returns,
// loops and block skipping found by reading the code from its first line, as counted lines.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "code/code_image.h"
#include "commands/context.h"
#include "core/block_skip.h"
#include "core/line_stack.h"
#include "core/variable_table.h"
#include "runtime/instruction.h"

namespace platform {
class Desktop;
class System;
}  // namespace platform

namespace runtime {

// What executing one code line leaves to do: read the next line, or end the program (R009).
enum class StepResult { next, halt };

class Executor {
  public:
    // After commandLimit code lines read (run, or passed over by a search) the program ends quietly
    // with exit code 0.
    Executor(platform::System& system, platform::Desktop& desktop, interp::VariableTable& vars,
             std::unique_ptr<code::CodeImage> code, std::uint64_t commandLimit = UINT64_MAX);

    // Runs the code from its first line to its end; returns the exit code.
    int run();

  private:
    // The next code line. Running off the end of the code, even in the middle of a line, ends the
    // program, and so does the command limit.
    const Instruction& readLine() {
        if (lineCounter_ >= lineCount_ || commandsLeft_-- == 0) endOfCode();
        const Instruction* kept = decoded_[static_cast<size_t>(lineCounter_)].get();
        ++lineCounter_;
        return kept ? *kept : instructionAt(lineCounter_);
    }
    [[noreturn]] static void endOfCode();
    const Instruction& instructionAt(int lineNumber);
    StepResult execute(const Instruction& instruction);
    // A command of the command library, by its bound handler.
    void runCommand(const Instruction& instruction);
    // DEC (R000); any other line without a handler does nothing.
    void executeCommand(const Instruction& instruction);
    void checkVersion(const Instruction& header);
    void restart();
    void push(interp::LineStack& stack, int line);
    void scanLineForLoops(const Instruction& instruction);
    void jump(const Instruction& instruction);
    const JumpTarget& searchLabel(const std::string& label);
    void returnFromSubroutine();
    void loopEnd(const Instruction& instruction);
    void skipBlock(interp::SkipTo target);
    // The same from a line whose skips are remembered in it, where that line stays decoded.
    void skipBlock(const Instruction& from, interp::SkipTo target);
    // Passes over the lines up to and including line, as reading them would.
    void passLinesTo(int line);

    platform::System& system_;
    platform::Desktop& desktop_;
    interp::VariableTable& vars_;
    commands::Session session_;  // state the commands keep between uses
    commands::Context context_{vars_, system_, desktop_, session_};
    std::unique_ptr<code::CodeImage> code_;
    // Decoded lines are kept only where the code has been read before a restart: a line read
    // once (most of a long program without jumps back) is decoded into fresh_, which the next
    // such line replaces, and is kept after all if a restart follows while it runs.
    std::vector<std::unique_ptr<Instruction>> decoded_;  // by line number - 1
    std::unique_ptr<Instruction> fresh_;                 // the last line decoded beyond readBeforeRestart_
    int freshLine_ = 0;                                  // its line number
    int readBeforeRestart_ = 0;                          // the furthest line read before any restart
    int lineCounter_ = 0;                                // code lines read since the last restart
    int lineCount_ = 0;                                  // complete code lines
    std::uint64_t commandsLeft_;                         // code lines still to read
    interp::LineStack gosubStack_;                       // line numbers of the R005 lines
    interp::LineStack repeatStack_;                      // line numbers of the RRPT lines
    std::map<std::string, JumpTarget> labels_;           // the first line of every label searches passed
    std::optional<JumpTarget> labelFrontier_;            // where the furthest label search stopped
    std::map<int, JumpTarget> returns_;                  // remembered return scans
};

}  // namespace runtime
