// Keys for other windows, MCI command strings and opening documents on Windows.
// windows.h (through win32_desktop.h) declares mciSendStringA and ShellExecuteA.
#include "platform/win32/win32_desktop.h"

namespace platform {

bool Win32Desktop::activateWindow(const std::string& title) {
    HWND window = FindWindowA(nullptr, title.c_str());
    if (window == nullptr) return false;
    SetForegroundWindow(window);
    ShowWindow(window, SW_SHOWNORMAL);
    return true;
}

void Win32Desktop::keyEvent(int virtualKey, bool up) {
    keybd_event(static_cast<BYTE>(virtualKey), 0, up ? KEYEVENTF_KEYUP : 0, 0);
}

int Win32Desktop::keyForCharacter(char character) {
    // VkKeyScanA answers -1 (both bytes 0xFF) when no key types the character.
    SHORT key = VkKeyScanA(character);
    if (key == -1) return -1;
    return static_cast<int>(static_cast<unsigned short>(key));
}

unsigned Win32Desktop::mciCommand(const std::string& command) {
    return static_cast<unsigned>(mciSendStringA(command.c_str(), nullptr, 0, nullptr));
}

int Win32Desktop::openDocument(const std::string& target) {
    HINSTANCE result = ShellExecuteA(nullptr, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // The "instance" is only an error code or a value above 32, as with WinExec.
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace platform
