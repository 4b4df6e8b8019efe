// Times the editor from the outside, inside Wine or on Windows:
//   editor_timer open VELIDE_EXE SCRIPT       start velide on a script and time until its main
//                                             window is idle (loaded, coloured, waiting for input)
//   editor_timer type VELIDE_EXE SCRIPT KEYS  then type KEYS letters at the end of the first line,
//                                             timing each key from its press to the end of its
//                                             release, repaint included
// Prints one line per measurement: "open MS" and "key N MS DOWN CHAR UP", the total and the times
// the editor took for the key-down, character and key-up messages. The editor is ended with WM_CLOSE
// answered by its quit question, so nothing is saved.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWaitLimitMs = 120000;
constexpr int kEditorId = 2001;

double millisecondsSince(LARGE_INTEGER start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER clockNow() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findMainWindow(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char className[64] = "";
    GetClassNameA(hwnd, className, sizeof className);
    if (owner == search->processId && std::strcmp(className, "TMain") == 0 && IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Waits until the editor's main thread has handled everything sent to it so far, painting included.
void waitUntilIdle(HWND window) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kWaitLimitMs, &ignored);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kWaitLimitMs, &ignored);
}

int fail(const char* what) {
    std::fprintf(stderr, "editor_timer: %s (error %lu)\n", what, GetLastError());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || (std::strcmp(argv[1], "type") == 0 && argc < 5)) {
        std::fprintf(stderr, "usage: editor_timer open|type VELIDE_EXE SCRIPT [KEYS]\n");
        return 2;
    }
    bool typing = std::strcmp(argv[1], "type") == 0;
    std::string commandLine = std::string("\"") + argv[2] + "\" \"" + argv[3] + "\"";

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start = clockNow();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return fail("cannot start the editor");

    if (WaitForInputIdle(process.hProcess, kWaitLimitMs) != 0) return fail("the editor never became idle");
    Search search{process.dwProcessId, nullptr};
    while (!search.found && millisecondsSince(start) < kWaitLimitMs) {
        EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(1);
    }
    if (!search.found) return fail("no main window appeared");
    waitUntilIdle(search.found);
    std::printf("open %.1f\n", millisecondsSince(start));

    if (typing) {
        HWND editor = GetDlgItem(search.found, kEditorId);
        if (!editor) return fail("the main window has no editor");
        // The caret goes to the end of the first line, where the keys are typed.
        LRESULT lineEnd = SendMessageA(editor, EM_LINELENGTH, 0, 0);
        SendMessageA(editor, EM_SETSEL, static_cast<WPARAM>(lineEnd), lineEnd);
        int keys = std::max(1, std::atoi(argv[4]));
        std::vector<double> times;
        for (int key = 0; key < keys; ++key) {
            WPARAM virtualKey = 'A' + key % 26;
            LARGE_INTEGER pressed = clockNow();
            SendMessageA(editor, WM_KEYDOWN, virtualKey, 1);
            double down = millisecondsSince(pressed);
            SendMessageA(editor, WM_CHAR, virtualKey + ('a' - 'A'), 1);
            double typed = millisecondsSince(pressed);
            SendMessageA(editor, WM_KEYUP, virtualKey, 0xC0000001);
            double released = millisecondsSince(pressed);
            waitUntilIdle(search.found);
            std::printf("key %d %.2f %.2f %.2f %.2f\n", key + 1, millisecondsSince(pressed), down, typed - down,
                        released - typed);
        }
    }

    // Quit asks whether to drop the changes of a typed document; the answer is Yes (drop them).
    PostMessageA(search.found, WM_CLOSE, 0, 0);
    for (int tries = 0; tries < 200 && WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT; ++tries) {
        HWND question = FindWindowA("#32770", "Velmish Builder");
        if (question) PostMessageA(question, WM_COMMAND, IDYES, 0);
    }
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
