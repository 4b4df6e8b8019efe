// The table between Win32 virtual-key codes and X keysyms.
#include "platform/gtk/key_map.h"

#include <X11/keysym.h>

#include <iterator>

namespace platform::gtk {

namespace {

struct KeyPair {
    int virtualKey;
    unsigned long keysym;
};

// Letters and digits follow by rule; the function keys F1..F24 too (0x70.., XK_F1..).
constexpr KeyPair kKeys[] = {
    {0x08, XK_BackSpace},
    {0x09, XK_Tab},
    {0x0C, XK_Clear},
    {0x0D, XK_Return},
    {0x10, XK_Shift_L},
    {0x11, XK_Control_L},
    {0x12, XK_Alt_L},
    {0x13, XK_Pause},
    {0x14, XK_Caps_Lock},
    {0x1B, XK_Escape},
    {0x20, XK_space},
    {0x21, XK_Prior},
    {0x22, XK_Next},
    {0x23, XK_End},
    {0x24, XK_Home},
    {0x25, XK_Left},
    {0x26, XK_Up},
    {0x27, XK_Right},
    {0x28, XK_Down},
    {0x29, XK_Select},
    {0x2B, XK_Execute},
    {0x2C, XK_Print},
    {0x2D, XK_Insert},
    {0x2E, XK_Delete},
    {0x2F, XK_Help},
    {0x5B, XK_Super_L},
    {0x5C, XK_Super_R},
    {0x5D, XK_Menu},
    {0x60, XK_KP_0},
    {0x61, XK_KP_1},
    {0x62, XK_KP_2},
    {0x63, XK_KP_3},
    {0x64, XK_KP_4},
    {0x65, XK_KP_5},
    {0x66, XK_KP_6},
    {0x67, XK_KP_7},
    {0x68, XK_KP_8},
    {0x69, XK_KP_9},
    {0x6A, XK_KP_Multiply},
    {0x6B, XK_KP_Add},
    {0x6C, XK_KP_Separator},
    {0x6D, XK_KP_Subtract},
    {0x6E, XK_KP_Decimal},
    {0x6F, XK_KP_Divide},
    {0x90, XK_Num_Lock},
    {0x91, XK_Scroll_Lock},
    {0xA0, XK_Shift_L},
    {0xA1, XK_Shift_R},
    {0xA2, XK_Control_L},
    {0xA3, XK_Control_R},
    {0xA4, XK_Alt_L},
    {0xA5, XK_Alt_R},
    // The punctuation keys of a US layout (VK_OEM_*).
    {0xBA, XK_semicolon},
    {0xBB, XK_equal},
    {0xBC, XK_comma},
    {0xBD, XK_minus},
    {0xBE, XK_period},
    {0xBF, XK_slash},
    {0xC0, XK_grave},
    {0xDB, XK_bracketleft},
    {0xDC, XK_backslash},
    {0xDD, XK_bracketright},
    {0xDE, XK_apostrophe},
    {0xE2, XK_less},
};

constexpr int kF1 = 0x70;
constexpr int kF24 = 0x87;

}  // namespace

unsigned long keysymForVirtualKey(int virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') return XK_a + static_cast<unsigned long>(virtualKey - 'A');
    if (virtualKey >= '0' && virtualKey <= '9') return XK_0 + static_cast<unsigned long>(virtualKey - '0');
    if (virtualKey >= kF1 && virtualKey <= kF24) return XK_F1 + static_cast<unsigned long>(virtualKey - kF1);
    for (const KeyPair& pair : kKeys) {
        if (pair.virtualKey == virtualKey) return pair.keysym;
    }
    return 0;
}

int virtualKeyForKeysym(unsigned long keysym) {
    if (keysym >= XK_a && keysym <= XK_z) return 'A' + static_cast<int>(keysym - XK_a);
    if (keysym >= XK_A && keysym <= XK_Z) return static_cast<int>(keysym);
    if (keysym >= XK_0 && keysym <= XK_9) return static_cast<int>(keysym);
    if (keysym >= XK_F1 && keysym <= XK_F24) return kF1 + static_cast<int>(keysym - XK_F1);
    for (const KeyPair& pair : kKeys) {
        if (pair.keysym == keysym) return pair.virtualKey;
    }
    return 0;
}

}  // namespace platform::gtk
