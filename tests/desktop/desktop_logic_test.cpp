// The desktop front end's rules that need no display: the choice of front end, script texts as
// windows show them, file filters, the order of buttons and the key table.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "platform/console/front_end.h"
#include "platform/desktop.h"
#include "platform/gtk/desktop_text.h"
#include "platform/gtk/key_map.h"
#include "platform/line_breaks.h"

namespace {

using platform::chooseFrontEnd;
using platform::FrontEnd;
using namespace platform::gtk;

TEST(FrontEndChoice, VlUiDecidesAndOtherwiseADisplayDoes) {
    EXPECT_EQ(chooseFrontEnd(nullptr, true), FrontEnd::desktopIfPossible);
    EXPECT_EQ(chooseFrontEnd(nullptr, false), FrontEnd::console);
    EXPECT_EQ(chooseFrontEnd("console", true), FrontEnd::console);
    EXPECT_EQ(chooseFrontEnd("Console", true), FrontEnd::console);
    EXPECT_EQ(chooseFrontEnd("desktop", false), FrontEnd::desktopRequired);
    EXPECT_EQ(chooseFrontEnd("DESKTOP", true), FrontEnd::desktopRequired);
    // Any other value is no choice.
    EXPECT_EQ(chooseFrontEnd("", true), FrontEnd::desktopIfPossible);
    EXPECT_EQ(chooseFrontEnd("gtk", false), FrontEnd::console);
}

TEST(FrontEndChoice, ModuleBesideTheProgramComesFirst) {
    EXPECT_EQ(
        platform::desktopModuleCandidates("/opt/vl/bin/", "/usr/local/lib/velmish"),
        (std::vector<std::string>{"/opt/vl/bin/libvelmish_gtk.so", "/opt/vl/bin/../lib/velmish/libvelmish_gtk.so",
                                  "/usr/local/lib/velmish/libvelmish_gtk.so", "/usr/lib/velmish/libvelmish_gtk.so"}));
    EXPECT_EQ(platform::desktopModuleCandidates("/opt/vl", "/usr/lib/velmish"),
              (std::vector<std::string>{"/opt/vl/libvelmish_gtk.so", "/opt/vl/../lib/velmish/libvelmish_gtk.so",
                                        "/usr/lib/velmish/libvelmish_gtk.so"}));
}

TEST(DisplayText, Utf8StaysAndOtherBytesAreWindows1252) {
    EXPECT_EQ(displayText("plain"), "plain");
    EXPECT_EQ(displayText("Gr\xC3\xBC\xC3\x9F"
                          "e \xE2\x82\xAC"),
              "Gr\xC3\xBC\xC3\x9F"
              "e \xE2\x82\xAC");
    // One byte that is no UTF-8 makes the whole text Windows-1252.
    EXPECT_EQ(displayText("Gr\xFC\xDF"
                          "e \x80"),
              "Gr\xC3\xBC\xC3\x9F"
              "e \xE2\x82\xAC");
    EXPECT_EQ(displayText("\x93quoted\x94 \x85"), "\xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x80\xA6");
    // Bytes the code page leaves out keep their Latin-1 meaning.
    EXPECT_EQ(displayText("\x81"), "\xC2\x81");
    // Overlong forms and surrogates are not UTF-8.
    EXPECT_EQ(displayText("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(displayText("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
    EXPECT_EQ(displayText("\xE2\x82"), "\xC3\xA2\xE2\x80\x9A");
}

TEST(DialogText, CaptionsAndLineBreaks) {
    EXPECT_EQ(mnemonicCaption("&Ok"), "_Ok");
    EXPECT_EQ(mnemonicCaption("Save && go"), "Save & go");
    EXPECT_EQ(mnemonicCaption("my_file"), "my__file");
    EXPECT_EQ(withLineFeeds("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(platform::withCrLf("a\nb"), "a\r\nb");
}

TEST(FileFilters, PairsOfDescriptionAndPatterns) {
    auto filters = fileFilters("Scripts (*.vl)|*.vl|Text|*.txt; *.log|All files|*.*");
    ASSERT_EQ(filters.size(), 3u);
    EXPECT_EQ(filters[0].name, "Scripts (*.vl)");
    EXPECT_EQ(filters[0].patterns, std::vector<std::string>{"*.vl"});
    EXPECT_EQ(filters[1].patterns, (std::vector<std::string>{"*.txt", "*.log"}));
    EXPECT_EQ(filters[2].name, "All files");
    // A description without patterns, or an empty one, is no filter.
    EXPECT_TRUE(fileFilters("").empty());
    EXPECT_TRUE(fileFilters("Only a name").empty());
    EXPECT_EQ(fileFilters("|*.a|Empty||B|*.b|Dangling").size(), 1u);
}

TEST(FileFilters, AsTheWin32DialogsListThem) {
    using namespace std::string_literals;
    EXPECT_EQ(interp::commonDialogFilter("Scripts|*.vl|All|*.*"), "Scripts\0*.vl\0All\0*.*\0\0"s);
    EXPECT_EQ(interp::commonDialogFilter(""), "\0\0"s);
}

// The names of a button set in the order the desktop shows them.
std::string desktopNames(unsigned style) {
    std::string names;
    for (const platform::BoxButton& button : desktopOrder(platform::boxButtons(style))) {
        names += (names.empty() ? "" : " ") + std::string(button.name);
    }
    return names;
}

TEST(ButtonOrder, GnomesWithTheAffirmativeButtonLastAndCancelFirst) {
    namespace style = platform::style;
    EXPECT_EQ(desktopNames(style::kOk), "OK");
    EXPECT_EQ(desktopNames(style::kOkCancel), "Cancel OK");
    EXPECT_EQ(desktopNames(style::kYesNo), "No Yes");
    EXPECT_EQ(desktopNames(style::kYesNoCancel), "Cancel No Yes");
    EXPECT_EQ(desktopNames(style::kRetryCancel), "Cancel Retry");
    EXPECT_EQ(desktopNames(style::kAbortRetryIgnore), "Ignore Retry Abort");
    EXPECT_EQ(desktopNames(style::kCancelTryContinue), "Cancel Continue Try Again");
}

TEST(KeyMap, VirtualKeysAndKeysymsBothWays) {
    EXPECT_EQ(keysymForVirtualKey('A'), static_cast<unsigned long>(XK_a));
    EXPECT_EQ(keysymForVirtualKey('7'), static_cast<unsigned long>(XK_7));
    EXPECT_EQ(keysymForVirtualKey(0x0D), static_cast<unsigned long>(XK_Return));
    EXPECT_EQ(keysymForVirtualKey(0x7B), static_cast<unsigned long>(XK_F12));
    EXPECT_EQ(keysymForVirtualKey(0x6B), static_cast<unsigned long>(XK_KP_Add));
    EXPECT_EQ(keysymForVirtualKey(0xBA), static_cast<unsigned long>(XK_semicolon));
    EXPECT_EQ(keysymForVirtualKey(0x07), 0ul);
    // Every key of the table comes back to a code that names the same key.
    for (int code = 1; code < 256; ++code) {
        unsigned long keysym = keysymForVirtualKey(code);
        if (keysym == 0) continue;
        int back = virtualKeyForKeysym(keysym);
        EXPECT_EQ(keysymForVirtualKey(back), keysym) << "virtual key " << code;
    }
    EXPECT_EQ(virtualKeyForKeysym(XK_q), 'Q');
    EXPECT_EQ(virtualKeyForKeysym(XK_Print), 0x2C);
    EXPECT_EQ(virtualKeyForKeysym(XK_udiaeresis), 0);
}

}  // namespace
