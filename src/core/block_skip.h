// Skipping the lines of a block IF that are not run, one rule for velint (which reads the script)
// and compiled programs (which read code lines).
#pragma once

namespace interp {

// What a line passed over means to the block structure.
enum class BlockMark {
    other,      // any other line
    openingIf,  // a block IF
    oneLineIf,  // a one-line IF whose condition has been read: the rest of the line is read as lines are
    elseIf,
    elseBranch,
    endIf,
};

enum class SkipTo {
    branchEnd,  // a false branch: on after a matching ELSE or ENDIF, or an ELSEIF whose condition holds
    blockEnd,   // the rest of a branch that ran: on after the matching ENDIF
};

// Passes over lines until the skip ends. LineReader gives:
//   BlockMark next()       reads the next line's keyword (and an IF's condition) and says what it is
//   bool conditionHolds()  reads and evaluates the condition of the ELSEIF just met
//   void skipLine()        passes over the rest of a line that means nothing to the skip
template <typename LineReader>
void skipBlock(LineReader& reader, SkipTo target) {
    int depth = 0;
    for (;;) {
        BlockMark mark = reader.next();
        bool decides = depth == 0 && target == SkipTo::branchEnd;
        switch (mark) {
            case BlockMark::openingIf: ++depth; break;
            case BlockMark::oneLineIf: break;
            case BlockMark::endIf:
                if (depth == 0) return;
                --depth;
                break;
            case BlockMark::elseIf:
                if (!decides) {
                    reader.skipLine();
                } else if (reader.conditionHolds()) {
                    return;
                }
                break;
            case BlockMark::elseBranch:
                if (decides) return;
                reader.skipLine();
                break;
            case BlockMark::other: reader.skipLine(); break;
        }
    }
}

}  // namespace interp
