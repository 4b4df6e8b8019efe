// Clipboard text (CF_TEXT).
#include <cstring>

#include "platform/win32/win32_desktop.h"

namespace platform {

std::string Win32Desktop::clipboardText() {
    if (!OpenClipboard(nullptr)) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* locked = static_cast<const char*>(GlobalLock(data))) {
            text = locked;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void Win32Desktop::setClipboardText(const std::string& text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    if (HGLOBAL memory = GlobalAlloc(GMEM_SHARE, text.size() + 1)) {
        if (void* locked = GlobalLock(memory)) {
            std::memcpy(locked, text.c_str(), text.size() + 1);
            GlobalUnlock(memory);
            // The clipboard owns the memory once it has taken it.
            if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

}  // namespace platform
