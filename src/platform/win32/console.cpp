// The console on Windows.
#include "platform/console.h"

#include <conio.h>
#include <io.h>
#include <stdio.h>

namespace platform {

void waitForKey() {
    if (!_isatty(_fileno(stdin))) {
        // One byte of the input, or nothing at its end.
        (void)getchar();
        return;
    }
    (void)_getch();
}

}  // namespace platform
