// The intermediate code behind the runtime in its own executable file, split into code lines.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace code {

class CodeImage {
  public:
    // Reads the file from the offset to its end; nullptr when the file cannot be opened.
    static std::unique_ptr<CodeImage> readFile(const std::string& path, std::uint32_t offset);
    static std::unique_ptr<CodeImage> fromBytes(std::string code);

    // Complete code lines (each was ended by the line terminator), numbered from 1. A last line
    // without terminator is not among them: reading it ends the program.
    int lineCount() const { return static_cast<int>(lines_.size()); }
    std::string_view line(int number) const { return lines_[static_cast<size_t>(number) - 1]; }

    // No code at all: a runtime that was never linked.
    bool empty() const { return bytes_.empty(); }
    // The code ends with the end marker line, as every compiled program's code does; code cut
    // off or followed by other bytes does not.
    bool endsWithEndMarker() const;

  private:
    void split();

    std::string bytes_;
    std::vector<std::string_view> lines_;
};

}  // namespace code
