// Running intermediate code built in a test through the runtime's start-up, on the fake platform.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fake_platform.h"

namespace velrun_test {

using velmish_test::Box;
using velmish_test::FakePlatform;
using Lines = std::vector<std::string>;

inline constexpr std::string_view kHeader = "RRLR'4.3'";
inline constexpr std::string_view kOwnPath = "/opt/programs/prog.exe";

// Each line followed by the line terminator 0x01.
std::string codeLines(const Lines& lines);
// A whole program: the header line, then the lines.
std::string program(const Lines& lines);

struct CodeRun {
    int exitCode;
    std::vector<std::string> shown;  // texts of the message boxes, in order
    std::vector<Box> boxes;          // every box, in order
};

// Runs the code bytes with runtime::runCode on the prepared fake. A program that keeps showing
// boxes (a jump or loop gone wrong) is stopped after a thousand of them with an exception.
CodeRun runBytes(FakePlatform& fake, std::string code, const std::string& command = "",
                 const std::string& ownPath = std::string(kOwnPath));
// The same for a program made of these lines behind the header, on a fresh fake.
CodeRun runLines(const Lines& lines);
CodeRun runLines(FakePlatform& fake, const Lines& lines);

// What the program shows for these lines followed by "R027" with the value (an ECHO probe).
std::vector<std::string> echoAfter(const Lines& lines, const std::string& value);

}  // namespace velrun_test
