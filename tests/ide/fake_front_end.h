// A main window for the document commands' tests, answering from queued replies and logging what
// the commands asked of it; and a temporary folder for the files they write.
#pragma once

#include <stdlib.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <set>

#include "ide/document_file.h"
#include "ide/document_session.h"

namespace velmish_test {

class FakeDocumentWindow : public ide::DocumentFrontEnd {
  public:
    std::vector<std::string> log;                                     // what was asked, in order
    std::deque<bool> answers;                                         // No when empty
    std::deque<std::optional<std::string>> openChoices, saveChoices;  // cancelled when empty
    std::string text;                                                 // the editor's text
    ide::DocumentSession* reportChangesTo = nullptr;                  // told of a change when the text is set

    bool ask(ide::Question kind, const std::string& question) override {
        static const char* const kKinds[] = {"discard", "quit", "replace", "reload"};
        log.push_back(std::string("ask ") + kKinds[static_cast<int>(kind)] + ": " + question);
        return next(answers, false);
    }
    void showError(const std::string& message) override { log.push_back("error " + message); }
    std::optional<std::string> chooseFileToOpen() override { return next(openChoices, {}, "open dialog"); }
    std::optional<std::string> chooseFileToSave() override { return next(saveChoices, {}, "save dialog"); }
    std::string documentBytes() override { return text; }
    void setEditorText(const std::string& newText) override {
        text = newText;
        log.push_back("text set");
        if (reportChangesTo) reportChangesTo->editorChanged(false);
    }
    void putCaretAtStart() override { log.push_back("caret at start"); }
    void refreshTitle(const std::string& caption) override { log.push_back("title " + caption); }
    void quitApplication() override { log.push_back("quit"); }

    std::vector<std::string> take() { return std::exchange(log, {}); }  // the log since the last call

  private:
    template <typename T>
    T next(std::deque<T>& queue, T fallback, const char* entry = nullptr) {
        if (entry) log.push_back(entry);
        if (queue.empty()) return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velide-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) found.insert(entry.path().filename());
        return found;
    }

  private:
    std::filesystem::path path_;
};

inline std::string readFile(const std::string& path) { return ide::readDocumentFile(path).text; }
inline void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace velmish_test
