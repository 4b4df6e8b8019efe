// Running intermediate code built in a test.
#include "code_runner.h"

#include <stdexcept>

#include "runtime/runtime_startup.h"

namespace velrun_test {

std::string codeLines(const Lines& lines) {
    std::string code;
    for (const std::string& line : lines) code += line + '\x01';
    return code;
}

std::string program(const Lines& lines) { return std::string(kHeader) + '\x01' + codeLines(lines); }

CodeRun runBytes(FakePlatform& fake, std::string code, const std::string& command, const std::string& ownPath) {
    if (!fake.onMessageBox) {
        fake.onMessageBox = [&fake](const Box&) {
            if (fake.boxes.size() > 1000) throw std::runtime_error("the program does not stop showing boxes");
        };
    }
    int exitCode = runtime::runCode(fake, fake, command, ownPath, code::CodeImage::fromBytes(std::move(code)));
    return CodeRun{exitCode, fake.messageTexts(), fake.boxes};
}

CodeRun runLines(FakePlatform& fake, const Lines& lines) { return runBytes(fake, program(lines)); }

CodeRun runLines(const Lines& lines) {
    FakePlatform fake;
    return runLines(fake, lines);
}

std::vector<std::string> echoAfter(const Lines& lines, const std::string& value) {
    Lines all = lines;
    all.push_back("R027" + value);
    return runLines(all).shown;
}

}  // namespace velrun_test
