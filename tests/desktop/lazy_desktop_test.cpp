// The desktop loaded at the first window: nothing loads it before a window is needed, the settings
// made before reach it in order, and a desktop that cannot be loaded leaves the terminal answering.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "platform/console/lazy_desktop.h"

namespace {

using platform::DialogButton;
using velmish_test::FakePlatform;

// A terminal and a desktop, both fakes; the loader hands out the desktop, or none.
struct LazyDesktopTest : ::testing::Test {
    std::unique_ptr<platform::Desktop> consoleOwner;  // taken over as the desktop would
    FakePlatform* console = new FakePlatform;
    FakePlatform* desktop = new FakePlatform;
    bool desktopLoads = true;
    int loads = 0;
    platform::LazyDesktop lazy{std::unique_ptr<platform::Desktop>(console), [this](platform::Desktop* terminal) {
                                   ++loads;
                                   if (!desktopLoads) return static_cast<platform::Desktop*>(nullptr);
                                   consoleOwner.reset(terminal);
                                   return static_cast<platform::Desktop*>(desktop);
                               }};
    struct Events : platform::DebuggerEvents {
        void stepPressed() override {}
        void tracePressed() override {}
        std::vector<std::string> setPressed(int, const std::string&) override { return {}; }
        std::vector<std::string> setNamed(const std::string&, const std::string&) override { return {}; }
        std::string watchedValue(int) override { return {}; }
    } events;

    ~LazyDesktopTest() override {
        if (!desktopLoads || loads == 0) delete desktop;
    }
};

TEST_F(LazyDesktopTest, SettingsWaitForTheFirstWindowAndReachItInOrder) {
    lazy.mciCommand("open a.wav");
    lazy.setButtonCaption(DialogButton::inputOk, "OK");
    lazy.setButtonCaption(DialogButton::inputCancel, "Cancel");
    lazy.setButtonCaption(DialogButton::inputOk, "Yes");
    lazy.setInfoBoxVisible(false);
    lazy.setDebuggerEvents(&events);
    lazy.enableDebuggerButtons(true, false);
    lazy.hideDebugger();
    lazy.setDebuggerEvents(nullptr);
    lazy.setDebuggerEvents(&events);
    EXPECT_EQ(loads, 0);
    EXPECT_FALSE(lazy.loaded());
    // The terminal knows the settings too, for the case that no desktop comes.
    EXPECT_EQ(console->captions[DialogButton::inputOk], "Yes");

    lazy.messageBox("text", "caption", 0);
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(lazy.loaded());
    ASSERT_EQ(desktop->boxes.size(), 1u);
    EXPECT_TRUE(console->boxes.empty());
    EXPECT_EQ(desktop->calls, (std::vector<std::string>{"caption inputOk=OK", "caption inputCancel=Cancel",
                                                        "caption inputOk=Yes", "infoBox hidden"}));
    EXPECT_EQ(desktop->debuggerEvents, &events);
    EXPECT_EQ(desktop->debuggerCalls, std::vector<std::string>{"buttons step=1 trace=0"});

    // From now on the desktop has everything but MCI, which stays the terminal's.
    lazy.setButtonCaption(DialogButton::listOk, "Pick");
    lazy.inputBox("title", "prompt", "");
    lazy.mciCommand("close all");
    EXPECT_EQ(desktop->captions[DialogButton::listOk], "Pick");
    EXPECT_EQ(desktop->dialogs.size(), 1u);
    EXPECT_EQ(console->mciCommands, (std::vector<std::string>{"open a.wav", "close all"}));
    EXPECT_EQ(loads, 1);
}

TEST_F(LazyDesktopTest, EveryWindowOrDesktopServiceLoadsTheDesktop) {
    lazy.setInfoBoxVisible(true);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(desktop->infoBoxVisibility, std::vector<bool>{true});
}

TEST_F(LazyDesktopTest, TheClipboardIsTheDesktops) {
    desktop->clipboard = "from the desktop";
    EXPECT_EQ(lazy.clipboardText(), "from the desktop");
    EXPECT_EQ(loads, 1);
}

TEST_F(LazyDesktopTest, ADesktopThatCannotLoadLeavesTheTerminalForGood) {
    desktopLoads = false;
    lazy.setButtonCaption(DialogButton::inputOk, "OK");
    lazy.messageBox("first", "caption", 0);
    lazy.messageBox("second", "caption", 0);
    lazy.setButtonCaption(DialogButton::inputOk, "Fine");
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(lazy.loaded());
    EXPECT_EQ(console->messageTexts(), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(console->captions[DialogButton::inputOk], "Fine");
}

}  // namespace
