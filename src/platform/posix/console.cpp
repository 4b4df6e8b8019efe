// The console on POSIX systems.
#include "platform/console.h"

#include <termios.h>
#include <unistd.h>

namespace platform {

// A POSIX program always gets its three streams from whoever starts it.
void useConsoleForMissingStreams() {}

void waitForKey() {
    char key;
    if (!::isatty(STDIN_FILENO)) {
        // One byte of the input, or nothing at its end.
        [[maybe_unused]] ssize_t got = ::read(STDIN_FILENO, &key, 1);
        return;
    }
    termios saved{};
    ::tcgetattr(STDIN_FILENO, &saved);
    termios raw = saved;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    ::tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    [[maybe_unused]] ssize_t got = ::read(STDIN_FILENO, &key, 1);
    ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
}

}  // namespace platform
