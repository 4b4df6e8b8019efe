// Paths in velide's folder and the command lines of the programs it starts.
#include "ide/program_files.h"

namespace ide {

namespace {

// One argument in double quotes as the C runtime reads it back.
void appendQuoted(std::string& line, std::string_view argument) {
    line += '"';
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
        } else {
            // Backslashes are literal unless a quote follows them.
            if (c == '"') line.append(backslashes + 1, '\\');
            backslashes = 0;
        }
        line += c;
    }
    line.append(backslashes, '\\');  // before the closing quote
    line += '"';
}

}  // namespace

ProgramFolder ProgramFolder::of(std::string_view executablePath) {
    ProgramFolder folder;
    size_t last = executablePath.find_last_of(folder.separator == '\\' ? "\\/" : "/");
    folder.path = std::string(executablePath.substr(0, last == std::string_view::npos ? 0 : last));
    return folder;
}

std::string ProgramFolder::file(std::string_view name) const {
    return (dataPath.empty() ? path : dataPath) + separator + std::string(name);
}

std::string ProgramFolder::file(std::string_view folder, std::string_view name) const {
    return file(folder) + separator + std::string(name);
}

std::string ProgramFolder::program(std::string_view name) const {
    return path + separator + std::string(name) + programSuffix;
}

ProgramStart velintStart(const ProgramFolder& folder, std::string_view documentName, std::string_view commandValue) {
    return {folder.program("velint"), {std::string(documentName), std::string(commandValue)}, true};
}

ProgramStart velcompStart(const ProgramFolder& folder, std::string_view documentName,
                          const std::vector<std::string>& options) {
    ProgramStart start{folder.program("velcomp"), {std::string(documentName)}, false};
    start.arguments.insert(start.arguments.end(), options.begin(), options.end());
    return start;
}

std::string windowsCommandLine(const ProgramStart& start) {
    std::string line;
    appendQuoted(line, start.program);
    for (size_t i = 0; i < start.arguments.size(); ++i) {
        line += ' ';
        bool asIs = start.lastWrittenAsIs && i + 1 == start.arguments.size();
        if (asIs) {
            line += start.arguments[i];
        } else {
            appendQuoted(line, start.arguments[i]);
        }
    }
    return line;
}

std::string firstFolderWith(const std::vector<std::string>& folders, std::string_view file,
                            const std::function<bool(const std::string&)>& exists) {
    for (const std::string& folder : folders) {
        if (exists(folder + "/" + std::string(file))) return folder;
    }
    return folders.empty() ? std::string() : folders.front();
}

namespace {

std::string helpPage(const ProgramFolder& folder, std::string_view name) {
    if (folder.docPath.empty()) return folder.file("doc", name);
    return folder.docPath + folder.separator + std::string(name);
}

}  // namespace

std::string manualPage(const ProgramFolder& folder) { return helpPage(folder, "index.html"); }

std::string referencePage(const ProgramFolder& folder) { return helpPage(folder, "reference.html"); }

}  // namespace ide
