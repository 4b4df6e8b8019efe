// velide.exe, the Velmish editor: builds the main window and its dialogs and runs the message loop.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "ide/program_files.h"
#include "ide/win32/main_window.h"

namespace {

// The script named on the command line, made absolute now: a relative name would lead elsewhere
// once the current folder changes.
std::string fullPath(const char* name) {
    char path[MAX_PATH];
    DWORD length = GetFullPathNameA(name, MAX_PATH, path, nullptr);
    return length == 0 || length >= MAX_PATH ? std::string(name) : std::string(path, length);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitialize(nullptr);  // ShellExecute may hand pages to COM-based handlers
    // velint writes its script errors as error lines too, which the editor reads to show the line.
    SetEnvironmentVariableA("VL_DIAGNOSTICS", "1");

    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    ide::win32::MainWindow window(instance, ide::ProgramFolder::of(path));
    window.create();
    window.show(__argc > 1 ? fullPath(__argv[1]) : "", showCommand);
    int code = window.run();
    CoUninitialize();
    return code;
}
