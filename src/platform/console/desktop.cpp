// Keys, the multimedia interface and documents in the terminal front end. There are no windows
// to type into; MCI plays files through the media module; documents and addresses go to
// xdg-open.
#include <sys/stat.h>

#include "platform/console/console_desktop.h"
#include "platform/posix/program_start.h"

namespace platform {

namespace {

// ShellExecuteA's outcomes: above 32 success, 2 file not found, 31 no associated program.
constexpr int kOpened = 42;
constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;

// "scheme:" at the start ("https://...", "mailto:..."): an address, not a file name. A scheme
// has at least two characters, so nothing that looks like a drive letter counts.
bool isAddress(const std::string& target) {
    size_t colon = target.find(':');
    if (colon == std::string::npos || colon < 2) return false;
    for (size_t i = 0; i < colon; ++i) {
        char c = target[i];
        bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        bool other = (c >= '0' && c <= '9') || c == '+' || c == '.' || c == '-';
        if (!letter && !(i > 0 && other)) return false;
    }
    return true;
}

}  // namespace

bool ConsoleDesktop::activateWindow(const std::string&) { return false; }

void ConsoleDesktop::keyEvent(int, bool) {}

int ConsoleDesktop::keyForCharacter(char) { return -1; }

unsigned ConsoleDesktop::mciCommand(const std::string& command) { return mci_.run(command); }

// xdg-open is looked up along the PATH the process has at the time of the call, so a script can
// change it with LETENV; it is started without waiting.
int ConsoleDesktop::openDocument(const std::string& target) {
    struct stat info;
    if (!isAddress(target) && ::stat(target.c_str(), &info) != 0) return kFileNotFound;
    std::optional<std::string> opener = posix::findProgram("xdg-open");
    if (!opener) return kNoAssociation;
    return posix::startDetached(*opener, {"xdg-open", target}) == 0 ? kOpened : kNoAssociation;
}

}  // namespace platform
