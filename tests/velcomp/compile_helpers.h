// Shared helpers of the compiler tests: compile a script text and look at its code lines.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiler/compilation.h"

namespace velcomp_test {

inline compiler::Compilation compileText(const std::string& text) {
    return compiler::compileScript(interp::ScriptSource::fromText(text));
}

// The code lines between the header line and the end marker, checked to be in place.
inline std::vector<std::string> bodyOf(const std::string& text) {
    compiler::Compilation compilation = compileText(text);
    EXPECT_FALSE(compilation.error) << "error " << compilation.error->number << " " << compilation.error->filling
                                    << " compiling: " << text;
    std::vector<std::string> lines;
    std::string line;
    for (char c : compilation.code) {
        if (c == '\x01') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    EXPECT_TRUE(line.empty()) << "code does not end with the terminator";
    EXPECT_GE(lines.size(), 2u);
    if (lines.size() < 2) return {};
    EXPECT_EQ(lines.front(), "RRLR'4.3'");
    EXPECT_EQ(lines.back(), "R009");
    return std::vector<std::string>(lines.begin() + 1, lines.end() - 1);
}

// The code line of a script that holds one command.
inline std::string codeLineOf(const std::string& text) {
    std::vector<std::string> lines = bodyOf(text);
    EXPECT_EQ(lines.size(), 1u) << "for: " << text;
    return lines.empty() ? std::string("<none>") : lines.front();
}

// The error that stops the compilation of the script.
inline compiler::CompileError errorOf(const std::string& text) {
    compiler::Compilation compilation = compileText(text);
    EXPECT_TRUE(compilation.error) << "no error compiling: " << text;
    return compilation.error.value_or(compiler::CompileError{-1, "<none>", 0});
}

}  // namespace velcomp_test
