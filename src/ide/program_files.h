// The programs and pages that lie in velide's own folder, and the command lines that start them.
#pragma once

#include <string>
#include <string_view>

namespace ide {

// The folder velide runs from, and how paths and program files are written on its system.
struct ProgramFolder {
    std::string path;  // without a trailing separator
#ifdef _WIN32
    char separator = '\\';
    std::string programSuffix = ".exe";
#else
    char separator = '/';
    std::string programSuffix;
#endif

    // velide's own executable's path up to its last separator.
    static ProgramFolder of(std::string_view executablePath);

    // A file in the folder ("velmish.syn") or below it ("doc", "index.html").
    std::string file(std::string_view name) const;
    std::string file(std::string_view folder, std::string_view name) const;
    // A program in the folder: "velint" is dir\velint.exe on Windows.
    std::string program(std::string_view name) const;
};

// velint on the document: the program and the document name, each in double quotes (either may
// hold blanks), and exactly one blank before the command value, even when that is empty.
std::string velintCommandLine(const ProgramFolder& folder, std::string_view documentName,
                              std::string_view commandValue);

// velcomp on the document, with the compile dialog's options line in place of the command value.
std::string velcompCommandLine(const ProgramFolder& folder, std::string_view documentName, std::string_view options);

// The help pages.
std::string manualPage(const ProgramFolder& folder);     // doc\index.html
std::string referencePage(const ProgramFolder& folder);  // doc\reference.html

}  // namespace ide
