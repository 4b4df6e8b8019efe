// Loading the script and indexing its lines.
#include "core/script_source.h"

#include <sys/stat.h>

#include <cstdio>

#include "platform/file_system.h"

namespace interp {

namespace {

// A restart within this time after the last look at the file trusts the text in memory; loops
// restart thousands of times a second and need not look at the disk each time.
constexpr std::chrono::milliseconds kRecheckInterval{20};

// Editors on Windows often start UTF-8 files with a byte-order mark. It is not part of the
// script: without this the first keyword would carry three invisible bytes. Scripts are
// otherwise taken byte for byte.
void dropByteOrderMark(std::string& text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
}

}  // namespace

std::unique_ptr<ScriptSource> ScriptSource::openFile(const std::string& path) {
    auto source = std::unique_ptr<ScriptSource>(new ScriptSource);
    // Kept as a full path: the script is read again after jumps, also after CHDIR has changed
    // the current directory.
    source->path_ = platform::fullPath(path);
    if (!source->load()) return nullptr;
    return source;
}

std::unique_ptr<ScriptSource> ScriptSource::fromText(std::string text) {
    auto source = std::unique_ptr<ScriptSource>(new ScriptSource);
    source->text_ = std::move(text);
    dropByteOrderMark(source->text_);
    return source;
}

std::optional<ScriptSource::FileStamp> ScriptSource::stampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    FileStamp stamp;
    stamp.size = static_cast<long long>(info.st_size);
    stamp.modified = static_cast<long long>(info.st_mtime);
    stamp.inode = static_cast<unsigned long long>(info.st_ino);
#ifdef __linux__
    stamp.modified = stamp.modified * 1000000000LL + info.st_mtim.tv_nsec;
#endif
    return stamp;
}

bool ScriptSource::load() {
    std::FILE* file = std::fopen(path_.c_str(), "rb");
    if (!file) return false;
    std::string text;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);  // the file was only read: closing it cannot lose anything
    if (failed) return false;
    dropByteOrderMark(text);
    text_ = std::move(text);
    stamp_ = stampOf(path_).value_or(FileStamp{});
    lastCheck_ = std::chrono::steady_clock::now();
    indexed_ = false;
    lineStarts_.clear();
    ++generation_;
    return true;
}

bool ScriptSource::reopen(bool recheckNow) {
    if (path_.empty()) return true;
    auto now = std::chrono::steady_clock::now();
    if (!recheckNow && now - lastCheck_ < kRecheckInterval) return true;
    lastCheck_ = now;
    auto stamp = stampOf(path_);
    if (!stamp) return false;
    if (*stamp == stamp_) return true;
    return load();
}

void ScriptSource::indexLines() {
    // The same line-end rules as the reader: CR LF, a lone CR or a lone LF ends a line.
    lineStarts_.clear();
    const size_t size = text_.size();
    for (size_t i = 0; i < size;) {
        char c = text_[i];
        if (c == '\r') {
            i += i + 1 < size && text_[i + 1] == '\n' ? 2 : 1;
            lineStarts_.push_back(i);
        } else if (c == '\n') {
            ++i;
            lineStarts_.push_back(i);
        } else {
            ++i;
        }
    }
    indexed_ = true;
}

std::optional<size_t> ScriptSource::lineStart(int line) {
    if (line <= 1) return 0;
    if (!indexed_) indexLines();
    size_t index = static_cast<size_t>(line) - 2;
    if (index >= lineStarts_.size()) return std::nullopt;
    return lineStarts_[index];
}

int ScriptSource::lineEndCount() {
    if (!indexed_) indexLines();
    return static_cast<int>(lineStarts_.size());
}

}  // namespace interp
