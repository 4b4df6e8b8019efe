// Starting programs on POSIX systems: SHELL and CALL start a program found along PATH without a
// shell and without waiting, SYSTEM runs a command with /bin/sh and waits for its exit code.
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>

#include "platform/posix/program_start.h"
#include "platform/process.h"

extern char** environ;

namespace platform {

namespace posix {

namespace {

// Where programs are looked for when the environment has no PATH (the C library's default).
constexpr const char* kDefaultPath = "/bin:/usr/bin";

// What SHELL gives for a started program: any value above 31 means success.
constexpr int kStarted = 33;

bool isExecutableFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// Waits for the end of a child; its wait status, or nullopt when it cannot be waited for.
std::optional<int> waitForChild(pid_t child) {
    int status;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return std::nullopt;
    }
    return status;
}

// argv for posix_spawn: pointers into the words, ended by a null pointer.
std::vector<char*> argumentVector(const std::vector<std::string>& words) {
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    return argv;
}

// The code WinExec reports for the errno value that kept a program from starting.
int startErrorCode(int error) {
    switch (error) {
        case ENOENT: return 2;  // ERROR_FILE_NOT_FOUND
        case ENOTDIR:
        case ELOOP:
        case ENAMETOOLONG: return 3;  // ERROR_PATH_NOT_FOUND
        case EACCES:
        case EPERM: return 5;     // access denied
        case ENOEXEC: return 11;  // ERROR_BAD_FORMAT
        default: return 0;        // out of memory or resources
    }
}

}  // namespace

std::vector<std::string> splitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;     // a word has begun (it may still be empty: "")
    bool quoted = false;     // between double quotes
    size_t backslashes = 0;  // backslashes read and not yet copied
    for (size_t at = 0; at <= commandLine.size(); ++at) {
        char character = at < commandLine.size() ? commandLine[at] : '\0';
        if (character == '\\') {
            ++backslashes;
            inWord = true;
            continue;
        }
        if (character == '"') {
            // 2n backslashes before a quote are n backslashes and the quote is a quote mark;
            // 2n + 1 are n backslashes and a literal quote.
            word.append(backslashes / 2, '\\');
            bool literal = backslashes % 2 == 1;
            backslashes = 0;
            inWord = true;
            if (literal) {
                word += '"';
            } else if (quoted && at + 1 < commandLine.size() && commandLine[at + 1] == '"') {
                word += '"';  // "" inside quotes
                ++at;
            } else {
                quoted = !quoted;
            }
            continue;
        }
        word.append(backslashes, '\\');
        backslashes = 0;
        bool ends = character == '\0' || (!quoted && (character == ' ' || character == '\t'));
        if (!ends) {
            word += character;
            inWord = true;
        } else if (inWord) {
            words.push_back(std::move(word));
            word.clear();
            inWord = false;
        }
        if (character == '\0' && at < commandLine.size()) {
            // A NUL byte cannot be part of an argument: the text ends there, as a C string does.
            break;
        }
    }
    return words;
}

std::optional<std::string> findProgram(const std::string& name) {
    if (name.empty()) return std::nullopt;
    if (name.find('/') != std::string::npos) {
        struct stat info;
        if (::stat(name.c_str(), &info) != 0) return std::nullopt;
        return name;
    }
    const char* variable = std::getenv("PATH");
    std::string path = variable ? variable : kDefaultPath;
    size_t start = 0;
    for (;;) {
        size_t end = path.find(':', start);
        std::string directory = path.substr(start, end == std::string::npos ? std::string::npos : end - start);
        std::string candidate = directory.empty() ? name : directory + "/" + name;
        if (isExecutableFile(candidate)) return candidate;
        if (end == std::string::npos) return std::nullopt;
        start = end + 1;
    }
}

int startDetached(const std::string& path, const std::vector<std::string>& arguments) {
    std::vector<char*> argv = argumentVector(arguments);
    // The start's outcome comes back through a pipe that closes on a successful exec.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return errno;
    pid_t middle = ::fork();
    if (middle < 0) {
        int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        return error;
    }
    if (middle == 0) {
        // The intermediate process starts the program and ends at once, so the program is adopted
        // by the system and never waited for here. The program may have more threads (the
        // desktop's), so only fork, execve, write and _exit are called from here on.
        pid_t program = ::fork();
        if (program > 0) ::_exit(0);
        if (program == 0) ::execve(path.c_str(), argv.data(), environ);
        // Here the fork (in the intermediate process) or the exec (in the program) failed. Should
        // the report not arrive, the parent still sees the failure: EAGAIN, or exit code 127.
        int error = errno;
        [[maybe_unused]] ssize_t written = ::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    std::optional<int> status = waitForChild(middle);
    int error = 0;
    ssize_t got;
    do {
        got = ::read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got == static_cast<ssize_t>(sizeof error)) return error;
    return status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0 ? 0 : EAGAIN;
}

}  // namespace posix

namespace {

class PosixPrograms final : public Programs {
  public:
    int start(const std::string& commandLine, int showMode) override;
    bool createProcess(const std::string& commandLine, int showMode) override;
    int runSystemCommand(const std::string& command) override;
    void sleep(int milliseconds) override;
};

}  // namespace

std::unique_ptr<Programs> createNativePrograms() { return std::make_unique<PosixPrograms>(); }

int PosixPrograms::start(const std::string& commandLine, int /*showMode: no windows to show here*/) {
    std::vector<std::string> words = posix::splitCommandLine(commandLine);
    if (words.empty()) return posix::startErrorCode(ENOENT);
    std::optional<std::string> program = posix::findProgram(words.front());
    if (!program) return posix::startErrorCode(ENOENT);
    int error = posix::startDetached(*program, words);
    return error == 0 ? posix::kStarted : posix::startErrorCode(error);
}

bool PosixPrograms::createProcess(const std::string& commandLine, int showMode) {
    return start(commandLine, showMode) > 31;
}

int PosixPrograms::runSystemCommand(const std::string& command) {
    std::vector<std::string> words{"sh", "-c", command};
    std::vector<char*> argv = posix::argumentVector(words);
    pid_t child;
    if (::posix_spawn(&child, "/bin/sh", nullptr, nullptr, argv.data(), environ) != 0) return -1;
    std::optional<int> status = posix::waitForChild(child);
    if (!status) return -1;
    if (WIFEXITED(*status)) return WEXITSTATUS(*status);
    // Ended by a signal: the number a POSIX shell reports for it.
    return WIFSIGNALED(*status) ? 128 + WTERMSIG(*status) : -1;
}

void PosixPrograms::sleep(int milliseconds) {
    timespec remaining{milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L};
    while (::nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
}

}  // namespace platform
