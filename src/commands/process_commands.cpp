// Programs, the environment and the keyboard: SHELL, CALL, SYSTEM, GETENV, LETENV, WAIT,
// SENDKEYS and MCI.
#include "commands/process_commands.h"

#include <iterator>

#include "core/text.h"
#include "platform/environment.h"
#include "platform/process.h"

namespace commands {

using interp::SystemVariable;

namespace {

// Win32 virtual-key codes that SENDKEYS sends.
namespace vk {
inline constexpr int kBack = 0x08;
inline constexpr int kTab = 0x09;
inline constexpr int kReturn = 0x0D;
inline constexpr int kShift = 0x10;
inline constexpr int kControl = 0x11;
inline constexpr int kMenu = 0x12;  // Alt
inline constexpr int kCapital = 0x14;
inline constexpr int kSpace = 0x20;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kMultiply = 0x6A;
inline constexpr int kAdd = 0x6B;
inline constexpr int kSubtract = 0x6D;
inline constexpr int kDivide = 0x6F;
inline constexpr int kF1 = 0x70;
inline constexpr int kF10 = 0x79;
inline constexpr int kF11 = 0x7A;
inline constexpr int kF12 = 0x7B;
inline constexpr int kOemComma = 0xBC;
inline constexpr int kOemPeriod = 0xBE;
}  // namespace vk

// Shift states in the high byte of a character's key (VkKeyScanA).
inline constexpr int kWithShift = 1;
inline constexpr int kWithCtrl = 2;
inline constexpr int kWithAlt = 4;

// Key codes from 1 to this are pressed by "#NNN"; above it the code N - 254 is only pushed down.
inline constexpr int kHighestPressedCode = 254;

// The show modes by word and by digit; the index is the digit.
struct ShowMode {
    const char* word;
    int show;
};
constexpr ShowMode kShowModes[] = {
    {"SHOW", platform::show::kShow},
    {"HIDE", platform::show::kHide},
    {"MAXIMIZED", platform::show::kShowMaximized},
    {"MINIMIZED", platform::show::kShowMinimized},
};

// One keystroke: the key goes down and comes up again.
void press(platform::Desktop& desktop, int key) {
    desktop.keyEvent(key, false);
    desktop.keyEvent(key, true);
}

// The key that follows "~" in the keys text; 0 when the character is not in the key table.
int tildeKey(char character) {
    switch (character) {
        case 't': return vk::kTab;
        case 'r': return vk::kReturn;
        case 'c': return vk::kCapital;
        case 'b': return vk::kBack;
        case 'a': return vk::kMenu;
        case 'U': return vk::kUp;
        case 'D': return vk::kDown;
        case 'L': return vk::kLeft;
        case 'R': return vk::kRight;
        case 'A': return vk::kF10;
        case 'B': return vk::kF11;
        case 'C': return vk::kF12;
        default: break;
    }
    if (character >= '1' && character <= '9') return vk::kF1 + (character - '1');
    return 0;
}

// The key of the characters that have a fixed code (the arithmetic signs are the keypad's);
// 0 for every other character.
int directKey(char character) {
    switch (character) {
        case ' ': return vk::kSpace;
        case '*': return vk::kMultiply;
        case '+': return vk::kAdd;
        case '-': return vk::kSubtract;
        case '/': return vk::kDivide;
        case ',': return vk::kOemComma;
        case '.': return vk::kOemPeriod;
        default: return 0;
    }
}

// Types one ordinary character: capitals with Shift, small letters by their capital's key, the
// characters with a fixed code by that code, the rest with the key and shift state the keyboard
// layout gives them. A character that no key types sends nothing.
void typeCharacter(platform::Desktop& desktop, char character) {
    if (character >= 'A' && character <= 'Z') {
        desktop.keyEvent(vk::kShift, false);
        press(desktop, character);
        desktop.keyEvent(vk::kShift, true);
        return;
    }
    if (character >= 'a' && character <= 'z') {
        press(desktop, character - 'a' + 'A');
        return;
    }
    if (int key = directKey(character); key != 0) {
        press(desktop, key);
        return;
    }
    int scan = desktop.keyForCharacter(character);
    if (scan < 0) return;
    int key = scan & 0xFF;
    int shiftState = (scan >> 8) & 0xFF;
    // Pushed down Shift, Alt, Ctrl and released in the same order.
    const int modifiers[][2] = {{kWithShift, vk::kShift}, {kWithAlt, vk::kMenu}, {kWithCtrl, vk::kControl}};
    for (const auto& [bit, modifier] : modifiers) {
        if (shiftState & bit) desktop.keyEvent(modifier, false);
    }
    press(desktop, key);
    for (const auto& [bit, modifier] : modifiers) {
        if (shiftState & bit) desktop.keyEvent(modifier, true);
    }
}

// The key code N of "#NNN" at keys[at] (the "#"), or 0 when three decimal digits forming a
// number from 1 up do not follow.
int numberedKey(const std::string& keys, size_t at) {
    if (keys.size() - at < 4) return 0;
    int code = 0;
    for (size_t i = at + 1; i <= at + 3; ++i) {
        if (keys[i] < '0' || keys[i] > '9') return 0;
        code = code * 10 + (keys[i] - '0');
    }
    return code;
}

// Types the keys text, left to right, without delay.
//   ~x    the key of x in the key table, else x as an ordinary character
//   #NNN  the key with code NNN pressed (1 to 254), or the key NNN - 254 only pushed down
// A "~" at the very end, and a "#" without three digits forming a number from 1 up, are typed
// as the characters themselves, so that nothing but the written text reaches the window.
void typeKeys(platform::Desktop& desktop, const std::string& keys) {
    for (size_t at = 0; at < keys.size(); ++at) {
        char character = keys[at];
        if (character == '~' && at + 1 < keys.size()) {
            char next = keys[++at];
            if (int key = tildeKey(next); key != 0) {
                press(desktop, key);
            } else {
                typeCharacter(desktop, next);
            }
        } else if (int code = character == '#' ? numberedKey(keys, at) : 0; code != 0) {
            at += 3;
            if (code <= kHighestPressedCode) {
                press(desktop, code);
            } else {
                desktop.keyEvent(code - kHighestPressedCode, false);
            }
        } else {
            typeCharacter(desktop, character);
        }
    }
}

}  // namespace

std::optional<int> shellShowMode(const std::string& mode) {
    std::string word = interp::upperCase(interp::trimBlanks(mode));
    for (size_t digit = 0; digit < std::size(kShowModes); ++digit) {
        if (word == kShowModes[digit].word || word == std::to_string(digit)) return kShowModes[digit].show;
    }
    return std::nullopt;
}

int callShowMode(const std::string& mode) { return shellShowMode(mode).value_or(platform::show::kShow); }

void shell(Context& ctx, const std::string& commandLine, const std::string& mode) {
    ctx.session.forgetFileContents();
    std::optional<int> show = shellShowMode(mode);
    std::string result = show ? interp::intToText(ctx.system.programs().start(commandLine, *show)) : "-1";
    ctx.vars.set(SystemVariable::errorcode, std::move(result));
}

void call(Context& ctx, const std::string& commandLine, const std::string& mode) {
    ctx.session.forgetFileContents();
    setErrorcode(ctx, ctx.system.programs().createProcess(commandLine, callShowMode(mode)));
}

void system(Context& ctx, const std::string& command) {
    ctx.session.forgetFileContents();
    ctx.vars.set(SystemVariable::errorcode, interp::intToText(ctx.system.programs().runSystemCommand(command)));
}

void getEnv(Context& ctx, Target target, const std::string& name) {
    std::optional<std::string> value = ctx.system.processEnvironment().value(interp::trimBlanks(name));
    ctx.vars.set(target, value.value_or(std::string()));
    setErrorcode(ctx, value.has_value());
}

void letEnv(Context& ctx, const std::string& assignment) {
    setErrorcode(ctx, ctx.system.processEnvironment().put(assignment));
}

void wait(Context& ctx, const std::string& milliseconds) {
    int duration = interp::textToInt(milliseconds);
    if (duration > 0) ctx.system.programs().sleep(duration);
}

void sendKeys(Context& ctx, const std::string& windowTitle, const std::string& keys) {
    bool found = ctx.desktop.activateWindow(windowTitle);
    setErrorcode(ctx, found);
    if (!found) return;
    // Keys pushed down by "#NNN" come up again however the typing ends.
    struct KeyRelease {
        platform::Desktop& desktop;
        ~KeyRelease() { desktop.releaseKeys(); }
    } release{ctx.desktop};
    typeKeys(ctx.desktop, keys);
}

void mci(Context& ctx, const std::string& command) {
    ctx.vars.set(SystemVariable::errorcode, interp::intToText(ctx.desktop.mciCommand(command)));
}

}  // namespace commands
