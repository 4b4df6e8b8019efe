// Programs started with a pipe for their standard error, read on a timer: nothing blocks the
// editor, and a program that is never waited for (velint) keeps running on its own.
#include "ide/win32/started_programs.h"

namespace ide::win32 {

namespace {

// How often the pipes are read while a started program holds one.
constexpr UINT kPollMilliseconds = 100;

}  // namespace

StartedPrograms::~StartedPrograms() {
    for (auto& program : programs_) CloseHandle(program->errorPipe);
}

// Only standard error is handed over, inheritable alone. Standard input and output are left
// unset, as a console program started from a window gets them: velcomp then opens them on the
// console of its own that it gets.
bool StartedPrograms::start(const std::string& commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    startup.hStdInput = nullptr;
    startup.hStdOutput = nullptr;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    bool started =
        CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process) != 0;
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    programs_.push_back(std::make_unique<Program>(Program{readEnd, {}}));
    SetTimer(window_, timerId_, kPollMilliseconds, nullptr);
    return true;
}

void StartedPrograms::poll() {
    for (auto program = programs_.begin(); program != programs_.end();) {
        DWORD available = 0;
        bool open = PeekNamedPipe((*program)->errorPipe, nullptr, 0, nullptr, &available, nullptr) != 0;
        std::string piece(available, '\0');
        DWORD got = 0;
        if (open && available > 0 && ReadFile((*program)->errorPipe, piece.data(), available, &got, nullptr)) {
            piece.resize(got);
            for (ErrorLine& error : (*program)->reader.take(piece)) onError_(std::move(error));
        }
        // The pipe breaks once the program and everything it started have ended.
        if (open) {
            ++program;
        } else {
            CloseHandle((*program)->errorPipe);
            program = programs_.erase(program);
        }
    }
    if (programs_.empty()) KillTimer(window_, timerId_);
}

}  // namespace ide::win32
