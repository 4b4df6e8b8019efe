// The five dialogs of velide, created once at start-up: TChooseIcon, TCommandVar, TAbout, TFind and
// TDebug. Their states live in the editor core; the windows show them.
#pragma once

#include <optional>
#include <string>

#include "ide/captions.h"
#include "ide/compile_options.h"
#include "ide/debugger_settings.h"
#include "ide/win32/form.h"
#include "ide/win32/resource_ids.h"

namespace ide::win32 {

// The compile dialog: the options line and its three check boxes.
class TChooseIcon : public Form {
  public:
    TChooseIcon(CompileOptions& options, const Captions& captions) : options_(options), captions_(captions) {}
    void applyCaptions();

  private:
    void createControls() override;
    bool onCommand(int id, int code) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void showOptions();
    std::optional<std::string> chooseIcon(const std::string& chosenLast);

    CompileOptions& options_;
    const Captions& captions_;
    HBRUSH silver_ = CreateSolidBrush(RGB(192, 192, 192));
};

// Set [command]: the value handed to scripts.
class TCommandVar : public Form {
  public:
    explicit TCommandVar(const Captions& captions) : captions_(captions) {}
    void applyCaptions();
    std::string value() const { return controlText(ID_VALUE); }  // CommandValue

  private:
    void createControls() override;
    void onShow() override { SetFocus(control(ID_VALUE)); }
    const Captions& captions_;
};

// Find: the text to search for.
class TFind : public Form {
  public:
    explicit TFind(const Captions& captions) : captions_(captions) {}
    void applyCaptions();
    std::string searchText() const;
    void setSearchText(const std::string& text) { setText(ID_VALUE, text); }

  private:
    void createControls() override;
    void onShow() override;
    const Captions& captions_;
};

// Debugger settings: the mode and the watched variables handed to velint.
class TDebug : public Form {
  public:
    TDebug(DebuggerSettings& settings, const Captions& captions) : settings_(settings), captions_(captions) {}
    void applyCaptions();
    // Copies MonVars into the settings; called when the dialog ends with OK.
    void takeWatchedVariables();

  private:
    void createControls() override;
    bool onCommand(int id, int code) override;
    void showSettings();

    DebuggerSettings& settings_;
    const Captions& captions_;
};

// The about box: a picture, three notices and two links.
class TAbout : public Form {
  private:
    void createControls() override;
    bool onCommand(int id, int code) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void highlightLink(int id);
    void fitToText(HWND label, const char* text);

    int hotLink_ = 0;  // the link label under the mouse, 0 for none
    HFONT bold_ = nullptr;
};

}  // namespace ide::win32
