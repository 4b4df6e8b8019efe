// The programs and pages that lie in velide's own folder, and how the programs are started.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

    // Where velmish.syn, velmish.lng and doc/ lie when not beside the programs (an installed
    // share/velmish); empty when they do.
    std::string dataPath;
    // Where the help pages lie when not in the data folder's doc/ (an installed share/doc/velmish).
    std::string docPath;

    // A file in the data folder ("velmish.syn") or below it ("doc", "index.html").
    std::string file(std::string_view name) const;
    std::string file(std::string_view folder, std::string_view name) const;
    // A program in the folder: "velint" is dir\velint.exe on Windows.
    std::string program(std::string_view name) const;
};

// A program to start: its path and its arguments, one string each. A POSIX front end hands the
// list over as it is; Windows takes one command line (windowsCommandLine).
struct ProgramStart {
    std::string program;
    std::vector<std::string> arguments;
    // The last argument is text the program reads from its own command line as it stands
    // (velint's [command]), so Windows writes it unquoted; POSIX passes it as one argument.
    bool lastWrittenAsIs = false;

    bool operator==(const ProgramStart&) const = default;
};

// velint on the document, with the command value as its [command].
ProgramStart velintStart(const ProgramFolder& folder, std::string_view documentName, std::string_view commandValue);

// velcomp on the document, with the compile dialog's options.
ProgramStart velcompStart(const ProgramFolder& folder, std::string_view documentName,
                          const std::vector<std::string>& options);

// The start as one Windows command line: the program and each argument in double quotes (the C
// runtime's rule: a quote inside as \", the backslashes before a quote doubled), a last argument
// written as is after exactly one blank, even when it is empty.
std::string windowsCommandLine(const ProgramStart& start);

// The first of the folders that holds the file, asked through exists; the first folder when none
// does, so that what is missing is reported under the first place looked at.
std::string firstFolderWith(const std::vector<std::string>& folders, std::string_view file,
                            const std::function<bool(const std::string&)>& exists);

// The help pages.
std::string manualPage(const ProgramFolder& folder);     // doc\index.html
std::string referencePage(const ProgramFolder& folder);  // doc\reference.html

}  // namespace ide
