// The linker's run: read the control file and the runtime, join them, set the icon, write.
#include "compiler/link_job.h"

#include <vector>

#include "compiler/icon_file.h"
#include "compiler/icon_replace.h"
#include "compiler/icon_resources.h"
#include "compiler/link_control.h"
#include "compiler/link_files.h"
#include "platform/file_system.h"

namespace compiler {

namespace {

constexpr int kLinked = 0;
constexpr int kFailed = 1;

int fail(std::string& messages, const std::string& text) {
    messages += "vellink: " + text + "\n";
    return kFailed;
}

// Windows file names ignore case, so prog.EXE and prog.exe are one file there.
bool sameIgnoringCase(const std::string& a, const std::string& b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Reads the runtime named by the control line from the first folder that holds it; path becomes
// the file read (or the first one tried, when none holds it).
bool readRuntime(platform::FileSystem& files, const std::vector<std::string>& directories, const std::string& name,
                 std::string& path, std::string& runtime, std::string& messages) {
    for (const std::string& directory : directories) {
        path = directory + name;
        FileProblem problem = readWholeFile(files, path, runtime);
        if (!problem.failed()) return true;
        if (!problem.notFound) {
            fail(messages, "cannot read the runtime file " + path + ": " + problem.reason);
            return false;
        }
    }
    path = directories.empty() ? name : directories.front() + name;
    fail(messages, "runtime file " + path + " not found: it belongs in the folder of vellink");
    return false;
}

// Gives a Windows runtime the icon file's images. Runtimes of other systems have no icon: the
// path is then noted and ignored.
bool applyIcon(platform::FileSystem& files, const std::string& iconPath, const std::string& runtimePath,
               std::string& runtime, std::string& messages) {
    if (!isWindowsProgram(runtime)) {
        messages += "vellink: note: icon " + iconPath + " ignored: the runtime " + runtimePath +
                    " is not a Windows program and has no icon\n";
        return true;
    }
    std::string bytes;
    FileProblem readProblem = readWholeFile(files, iconPath, bytes);
    if (readProblem.failed()) {
        fail(messages, "cannot read the icon file " + iconPath + ": " + readProblem.reason);
        return false;
    }
    std::vector<IconImage> images;
    std::string problem = readIconFile(bytes, images);
    std::vector<std::string> notes;
    if (problem.empty()) problem = replaceProgramIcon(runtime, images, notes);
    if (!problem.empty()) {
        fail(messages, "icon " + iconPath + ": " + problem);
        return false;
    }
    for (const std::string& note : notes) messages += "vellink: note: icon " + iconPath + ": " + note + "\n";
    return true;
}

}  // namespace

int linkProgram(platform::FileSystem& files, const std::string& controlPath,
                const std::vector<std::string>& runtimeDirectories, std::string& messages) {
    std::string control;
    FileProblem readProblem = readWholeFile(files, controlPath, control);
    if (readProblem.failed()) {
        return fail(messages, "cannot read the link control file " + controlPath + ": " + readProblem.reason);
    }
    LinkControl line;
    std::string problem = parseControlLine(control, line);
    if (!problem.empty()) return fail(messages, controlPath + ": malformed control line: " + problem);
    std::string programPath = programPathFor(controlPath);
    if (sameIgnoringCase(programPath, controlPath)) {
        return fail(messages, controlPath + ": the program would overwrite the link control file");
    }

    std::string runtimePath;
    std::string program;
    if (!readRuntime(files, runtimeDirectories, line.runtimeName, runtimePath, program, messages)) return kFailed;
    if (!line.iconPath.empty() && !applyIcon(files, line.iconPath, runtimePath, program, messages)) return kFailed;
    program.append(control, line.codeStart);

    std::string writeProblem = files.writeProgramFile(programPath, program);
    if (!writeProblem.empty()) return fail(messages, "cannot write " + programPath + ": " + writeProblem);
    return kLinked;
}

}  // namespace compiler
