// The script file held in memory, with the starts of its lines.
//
// The interpreter behaves as if it read the open script file byte by byte and re-opened it for
// every backward jump. Holding the bytes in memory and knowing where each line starts makes the
// re-reading cheap; a restart checks the file on disk and reloads it when it has changed, so a
// script that rewrites itself still sees its new text after a jump.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace interp {

class ScriptSource {
  public:
    // Reads the file as raw bytes; nullptr when it cannot be opened.
    static std::unique_ptr<ScriptSource> openFile(const std::string& path);
    // A script that exists only in memory (unit tests); restarts never reload it.
    static std::unique_ptr<ScriptSource> fromText(std::string text);

    const std::string& text() const { return text_; }

    // Prepares a restart from the first byte. Reloads the text when the file on disk changed;
    // false when the file can no longer be opened. The file is looked at most every few
    // milliseconds, unless recheckNow says that the script itself may have changed it.
    bool reopen(bool recheckNow);

    // The offset where line n (n >= 1) starts, as reading n - 1 line ends from the first byte
    // reaches it; nullopt when the text has fewer line ends.
    std::optional<size_t> lineStart(int line);
    int lineEndCount();

    // Increases whenever the text is reloaded, so that anything derived from it can be dropped.
    unsigned generation() const { return generation_; }

  private:
    struct FileStamp {
        long long size = -1;
        long long modified = 0;
        unsigned long long inode = 0;
        bool operator==(const FileStamp&) const = default;
    };

    static std::optional<FileStamp> stampOf(const std::string& path);
    bool load();
    void indexLines();

    std::string path_;  // empty for in-memory scripts
    std::string text_;
    FileStamp stamp_;
    std::chrono::steady_clock::time_point lastCheck_{};
    std::vector<size_t> lineStarts_;  // start of line 2, 3, ...; filled on first use
    bool indexed_ = false;
    unsigned generation_ = 0;
};

}  // namespace interp
