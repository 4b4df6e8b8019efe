// The error lines velcomp and velint write to standard error for editors, "FILE:LINE: error: TEXT",
// read from what a started program writes, as it arrives.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ide {

struct ErrorLine {
    std::string file;  // as the program was given it
    size_t line = 0;   // counted from 1
    std::string text;
    bool operator==(const ErrorLine&) const = default;
};

// One line of standard error as an error line; nothing for any other line. The file may hold
// colons (C:\...): the line number is the last ":N: error: " in the line.
std::optional<ErrorLine> parseErrorLine(std::string_view line);

// Collects a program's standard error in the pieces it arrives in and gives the error lines of
// every line completed.
class ErrorLineReader {
  public:
    std::vector<ErrorLine> take(std::string_view piece);

  private:
    std::string pending_;  // the start of a line not ended yet
};

}  // namespace ide
