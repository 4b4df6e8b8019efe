// The editor's first display: the language file's captions are shown before the script named on
// the command line opens, and that script is coloured by the settings file already read.
#include <gtest/gtest.h>

#include "fake_front_end.h"
#include "ide/start_up.h"

namespace velmish_test {
namespace {

class StartUpWindow : public FakeDocumentWindow, public ide::StartUpFrontEnd {
  public:
    ide::Captions* captions = nullptr;
    ide::Highlighter* highlighter = nullptr;
    void applyCaptions() override { log.push_back("captions: " + (*captions)[ide::Caption::File1]); }
    void showCaretPosition(const std::string& text) override { log.push_back("position " + text); }
    void setEditorText(const std::string& newText) override {
        FakeDocumentWindow::setEditorText(newText);
        log.back() += highlighter->on() ? " (highlighting on)" : " (highlighting off)";
    }
};

TEST(StartUpTest, LanguageFileThenSettingsThenTheScriptThenThePosition) {
    TempFolder folder;
    writeFile(folder / "velmish.lng", "Menu_File=&Datei\r\n");
    writeFile(folder / "velmish.syn", "[GENERAL]\r\nHIGHLIGHTING=OFF\r\n[IDENTIFIERS]\r\n");
    writeFile(folder / "a.vl", "ECHO\r\n");
    ide::Captions captions;
    ide::Highlighter highlighter;
    StartUpWindow window;
    window.captions = &captions;
    window.highlighter = &highlighter;
    ide::DocumentSession session{window, captions};
    ide::ProgramFolder programs{folder / "", '/', "", "", ""};
    programs.path.pop_back();

    ide::startEditor(programs, captions, highlighter, session, folder / "a.vl", window);
    EXPECT_EQ(window.take(), (std::vector<std::string>{"captions: &Datei", "text set (highlighting off)",
                                                       "title Velmish 4 - " + folder / "a.vl", "position 1:1"}));
}

}  // namespace
}  // namespace velmish_test
