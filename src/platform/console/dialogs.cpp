// The dialogs in the terminal: each writes its block on the output and reads its answer from the
// input (the formats are listed in console_desktop.h).
#include <istream>
#include <ostream>

#include "platform/console/console_desktop.h"

namespace platform {

namespace {

// A caption without its accelerator marks: "&Ok" shows "Ok", "&&" shows "&".
std::string withoutMarks(const std::string& caption) {
    std::string shown;
    shown.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            shown += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            shown += '&';
            ++i;
        }
    }
    return shown;
}

// The lines of a text with CR LF (or LF) line breaks.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        size_t feed = text.find('\n', start);
        std::string line = text.substr(start, feed == std::string::npos ? std::string::npos : feed - start);
        while (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (feed == std::string::npos) return lines;
        start = feed + 1;
    }
}

// The number a line holds when it is nothing but decimal digits; 0 otherwise.
size_t entryNumber(const std::string& line) {
    if (line.empty() || line.size() > 9) return 0;
    size_t number = 0;
    for (char c : line) {
        if (c < '0' || c > '9') return 0;
        number = number * 10 + static_cast<size_t>(c - '0');
    }
    return number;
}

}  // namespace

std::optional<std::string> ConsoleDesktop::readLine() {
    out_.flush();
    std::string line;
    if (!std::getline(in_, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::string ConsoleDesktop::captionText(DialogButton button) const {
    return withoutMarks(buttonCaptions_[static_cast<int>(button)]);
}

std::optional<std::string> ConsoleDesktop::inputBox(const std::string& title, const std::string& prompt,
                                                    const std::string& initialText) {
    out_ << '[' << title << "] " << prompt << '\n';
    if (!initialText.empty()) out_ << kIndent << "default: " << initialText << '\n';
    out_ << '(' << captionText(DialogButton::inputOk) << '/' << captionText(DialogButton::inputCancel) << ")> ";
    std::optional<std::string> answer = readLine();
    if (!answer) return std::nullopt;
    return answer->empty() ? initialText : *answer;
}

std::optional<std::string> ConsoleDesktop::editBox(const std::string& title, const std::string& text, bool readOnly,
                                                   int, int) {
    out_ << '[' << title << "]\n";
    for (const std::string& line : linesOf(text)) out_ << kIndent << '|' << line << '\n';
    out_ << '(' << captionText(DialogButton::editOk) << '/' << captionText(DialogButton::editCancel)
         << (readOnly ? ", read-only)> " : ", \".\" ends the text)> ");
    if (readOnly) {
        if (!readLine()) return std::nullopt;
        return text;
    }
    // The control breaks lines with CR LF; the answer does the same.
    std::string answer;
    bool first = true;
    for (;;) {
        std::optional<std::string> line = readLine();
        if (!line) return std::nullopt;
        if (*line == ".") return answer;
        if (!first) answer += "\r\n";
        answer += *line;
        first = false;
    }
}

std::optional<std::string> ConsoleDesktop::listBox(const std::string& title, const std::vector<std::string>& entries,
                                                   int, int) {
    out_ << '[' << title << "]\n";
    for (size_t i = 0; i < entries.size(); ++i) out_ << kIndent << i + 1 << ": " << entries[i] << '\n';
    for (;;) {
        out_ << '(' << captionText(DialogButton::listOk) << " 1-" << entries.size() << ")> ";
        std::optional<std::string> line = readLine();
        if (!line) return std::nullopt;
        // An empty list has nothing to choose: any answer is OK without a selection.
        if (entries.empty()) return std::nullopt;
        if (line->empty()) return entries.front();
        size_t number = entryNumber(*line);
        if (number >= 1 && number <= entries.size()) return entries[number - 1];
        for (const std::string& entry : entries) {
            if (entry == *line) return entry;
        }
    }
}

std::optional<std::string> ConsoleDesktop::fileDialog(const FileDialogRequest& request) {
    out_ << '[' << request.title << "] " << (request.save ? "save " : "open ")
         << (request.multiSelect ? "files" : "a file") << '\n';
    out_ << kIndent << "filter: " << request.filter << '\n';
    out_ << kIndent << "folder: " << request.initialDirectory << '\n';
    out_ << (request.multiSelect ? "(folder|name|name...)> " : "(path)> ");
    std::optional<std::string> line = readLine();
    if (!line || line->empty()) return std::nullopt;
    return line;
}

FolderChoice ConsoleDesktop::folderBox(const std::string& title, const std::string& startFolder) {
    out_ << '[' << title << "] choose a folder\n";
    out_ << kIndent << "start: " << startFolder << '\n';
    out_ << "(folder)> ";
    std::optional<std::string> line = readLine();
    if (!line) return FolderChoice{FolderChoice::Outcome::cancelled, {}};
    return FolderChoice{FolderChoice::Outcome::chosen, line->empty() ? startFolder : *line};
}

void ConsoleDesktop::placeInfoBox(const std::string& text, int, int) { infoBoxText_ = text; }

}  // namespace platform
