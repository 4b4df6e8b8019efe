// Fuzz target: vellink's /I: reading an icon file and putting its images into a Windows program.
// The input is a program and an icon file: four bytes (little end first) give the program's
// length, the program follows, and the rest is the icon file.
#include <vector>

#include "compiler/icon_file.h"
#include "compiler/icon_replace.h"
#include "compiler/icon_resources.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes = velmish_fuzz::bytesOf(data, size);
    std::size_t programLength = 0;
    if (size >= 4) {
        programLength =
            std::size_t{data[0]} | std::size_t{data[1]} << 8 | std::size_t{data[2]} << 16 | std::size_t{data[3]} << 24;
        programLength = std::min(programLength, size - 4);
        bytes.erase(0, 4);
    }
    std::string program = bytes.substr(0, programLength);
    std::string icon = bytes.substr(programLength);

    compiler::ProgramIcon found;
    if (compiler::isWindowsProgram(program)) compiler::findProgramIcon(program, found);
    std::vector<compiler::IconImage> images;
    if (!compiler::readIconFile(icon, images).empty()) return 0;
    for (const auto& image : images) compiler::describeImage(image.width, image.height, image.bitCount);
    std::vector<std::string> notes;
    std::string before = program;
    // A refused replacement leaves the program as it was; an accepted one keeps its length.
    if (!compiler::replaceProgramIcon(program, images, notes).empty() && program != before) __builtin_trap();
    if (program.size() != before.size()) __builtin_trap();
    return 0;
}
