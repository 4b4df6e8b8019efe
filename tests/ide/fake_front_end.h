// A main window for the document commands' tests: it answers from queued replies and logs what
// the commands asked of it, in order.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ide/document_front_end.h"
#include "ide/document_session.h"

namespace velmish_test {

class FakeDocumentWindow : public ide::DocumentFrontEnd {
  public:
    std::vector<std::string> log;  // "box <flags> <caption>: <text>", "title <caption>", ...
    std::deque<int> boxAnswers;    // answers to message boxes; No when empty
    std::deque<std::optional<std::string>> openChoices, saveChoices;  // cancelled when empty
    std::string text;                                                 // the editor's text
    ide::DocumentSession* reportChangesTo = nullptr;                  // gets a change report when the text is set

    int messageBox(const std::string& boxText, const std::string& caption, unsigned flags) override {
        log.push_back("box " + std::to_string(flags) + " " + caption + ": " + boxText);
        return next(boxAnswers, 7);
    }
    void showError(const std::string& message) override { log.push_back("error " + message); }
    std::optional<std::string> chooseFileToOpen() override {
        log.push_back("open dialog");
        return next(openChoices, std::optional<std::string>());
    }
    std::optional<std::string> chooseFileToSave() override {
        log.push_back("save dialog");
        return next(saveChoices, std::optional<std::string>());
    }
    std::string editorText() override { return text; }
    void setEditorText(const std::string& newText) override {
        text = newText;
        log.push_back("text set");
        if (reportChangesTo) reportChangesTo->editorChanged(false);
    }
    void putCaretAtStart() override { log.push_back("caret at start"); }
    void refreshTitle(const std::string& caption) override { log.push_back("title " + caption); }
    void quitApplication() override { log.push_back("quit"); }

    // The log since the last call.
    std::vector<std::string> take() { return std::exchange(log, {}); }

  private:
    template <typename T>
    static T next(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velide-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    // The names in the folder, sorted.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) found.push_back(entry.path().filename());
        std::sort(found.begin(), found.end());
        return found;
    }

  private:
    std::filesystem::path path_;
};

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace velmish_test
