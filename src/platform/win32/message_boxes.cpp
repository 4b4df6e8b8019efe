// Message boxes through MessageBoxA, without an owner window.
#include "platform/win32/win32_desktop.h"

namespace platform {

int Win32Desktop::messageBox(const std::string& text, const std::string& caption, unsigned style) {
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

void Win32Desktop::errorBox(const std::string& text, const std::string& caption, unsigned style) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

}  // namespace platform
