// The console on Windows.
#include "platform/console.h"

#include <windows.h>

#include <conio.h>
#include <io.h>
#include <stdio.h>

#include <cstdio>

namespace platform {

void useConsoleForMissingStreams() {
    auto missing = [](DWORD stream) {
        HANDLE handle = GetStdHandle(stream);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    };
    if (missing(STD_OUTPUT_HANDLE) && std::freopen("CONOUT$", "w", stdout)) {
        SetStdHandle(STD_OUTPUT_HANDLE, reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdout))));
    }
    if (missing(STD_INPUT_HANDLE) && std::freopen("CONIN$", "r", stdin)) {
        SetStdHandle(STD_INPUT_HANDLE, reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdin))));
    }
}

void waitForKey() {
    if (!_isatty(_fileno(stdin))) {
        // One byte of the input, or nothing at its end.
        (void)getchar();
        return;
    }
    (void)_getch();
}

}  // namespace platform
