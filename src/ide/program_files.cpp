// Paths in velide's folder and the command lines of the programs it starts.
#include "ide/program_files.h"

namespace ide {

namespace {

std::string commandLine(const std::string& program, std::string_view documentName, std::string_view rest) {
    return "\"" + program + "\" \"" + std::string(documentName) + "\" " + std::string(rest);
}

}  // namespace

ProgramFolder ProgramFolder::of(std::string_view executablePath) {
    ProgramFolder folder;
    size_t last = executablePath.find_last_of(folder.separator == '\\' ? "\\/" : "/");
    folder.path = std::string(executablePath.substr(0, last == std::string_view::npos ? 0 : last));
    return folder;
}

std::string ProgramFolder::file(std::string_view name) const { return path + separator + std::string(name); }

std::string ProgramFolder::file(std::string_view folder, std::string_view name) const {
    return file(folder) + separator + std::string(name);
}

std::string ProgramFolder::program(std::string_view name) const { return file(name) + programSuffix; }

std::string velintCommandLine(const ProgramFolder& folder, std::string_view documentName,
                              std::string_view commandValue) {
    return commandLine(folder.program("velint"), documentName, commandValue);
}

std::string velcompCommandLine(const ProgramFolder& folder, std::string_view documentName, std::string_view options) {
    return commandLine(folder.program("velcomp"), documentName, options);
}

std::string manualPage(const ProgramFolder& folder) { return folder.file("doc", "index.html"); }

std::string referencePage(const ProgramFolder& folder) { return folder.file("doc", "reference.html"); }

}  // namespace ide
