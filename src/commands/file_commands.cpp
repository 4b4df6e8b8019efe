// File contents: each command opens its file with a C stream, works and closes it again. Only
// regular files are read (FileSystem::openStream): a directory, pipe or device counts as a file
// that cannot be opened, so no command waits for data that may never come.
//
// The stream modes are those of the Windows run-time: "t" is its text mode (CR LF on disk, LF
// in memory); C libraries without a text mode ignore the letter and keep bytes as they are.
#include "commands/file_commands.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "core/text.h"
#include "platform/file_system.h"

namespace commands {

using interp::SystemVariable;

namespace {

using platform::Stream;

constexpr size_t kChunkSize = 64 * 1024;

// Whether a text stream still holds the carriage returns of CR LF line ends. The Windows run-time
// takes them out itself (and keeps any other carriage return), so there the line reader must not
// take one more.
#ifdef _WIN32
constexpr bool kTextStreamKeepsCrLf = false;
#else
constexpr bool kTextStreamKeepsCrLf = true;
#endif

// A line that a line feed ended, without the carriage return of a CR LF line end. A carriage
// return anywhere else ends no line and stays in the text.
std::string_view withoutCarriageReturn(std::string_view line) {
    if (kTextStreamKeepsCrLf && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// The first line of the text without its line end; the whole text when no line feed ends it.
std::string_view firstLine(std::string_view text) {
    size_t end = text.find('\n');
    return end == std::string_view::npos ? text : withoutCarriageReturn(text.substr(0, end));
}

// Everything from the stream's position to its end.
std::string readRest(std::FILE* stream) {
    std::string text;
    char chunk[kChunkSize];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, stream)) > 0;) text.append(chunk, got);
    return text;
}

// Reads a text stream in chunks and hands out its lines: lines end at a line feed, and a carriage
// return just before it belongs to the line end, so CR LF files read as LF files do.
class LineReader {
  public:
    explicit LineReader(std::FILE* stream) : stream_(stream), buffer_(kChunkSize, '\0') {}

    // Skips one line of any length; false when the stream ended before its line feed.
    bool skipLine() {
        for (;;) {
            if (pos_ == size_ && !refill()) return false;
            size_t found = held().find('\n', pos_);
            if (found != std::string_view::npos) {
                pos_ = found + 1;
                return true;
            }
            pos_ = size_;
        }
    }

    // The text up to the next line end or the end of the stream.
    std::string line() {
        std::string text;
        for (;;) {
            if (pos_ == size_ && !refill()) return text;
            size_t end = std::min(held().find('\n', pos_), size_);
            text.append(held().substr(pos_, end - pos_));
            if (end < size_) {
                pos_ = end + 1;
                text.resize(withoutCarriageReturn(text).size());
                return text;
            }
            pos_ = size_;
        }
    }

  private:
    std::string_view held() const { return std::string_view(buffer_.data(), size_); }

    bool refill() {
        size_ = std::fread(buffer_.data(), 1, buffer_.size(), stream_);
        pos_ = 0;
        return size_ > 0;
    }

    std::FILE* stream_;
    std::string buffer_;  // the last chunk read; only its first size_ bytes hold data
    size_t pos_ = 0;      // next unread byte in buffer_
    size_t size_ = 0;     // bytes read into buffer_
};

void readWholeFile(Context& ctx, Target target, const std::string& file) {
    Stream stream = ctx.system.files().openStream(file, "rb");
    if (!stream) return setErrorcode(ctx, false);
    std::string text = readRest(stream.get());
    setErrorcode(ctx, true);
    ctx.vars.set(target, std::move(text));
}

// Files up to this size are kept for reading line by line; larger ones are read afresh.
constexpr long long kMaxKeptFile = 64LL * 1024 * 1024;

// The text the open text stream delivers, with its line starts: from the session when the
// stream reads the very version of the very file kept there; nullptr when it cannot be kept.
const TextFileCache* keptTextFile(Context& ctx, std::FILE* stream) {
    // The stamp is taken before the bytes are read: a change during the read shows at the next use.
    auto stamp = ctx.system.files().streamStamp(stream);
    Session& session = ctx.session;
    if (!stamp || stamp->directory || stamp->size > kMaxKeptFile) return nullptr;
    TextFileCache& kept = session.textFile;
    if (kept.kept && kept.stamp == *stamp) return &kept;
    session.forgetFileContents();
    kept.text = readRest(stream);
    kept.lineStarts.push_back(0);
    for (size_t at = kept.text.find('\n'); at != std::string::npos; at = kept.text.find('\n', at + 1)) {
        kept.lineStarts.push_back(at + 1);
    }
    kept.stamp = *stamp;
    kept.kept = true;
    return &kept;
}

// The line of the kept text; "EOF" and errorcode "-1" when the text has fewer lines before it. A
// line of the kept text ends where the line reader's would: at a line feed.
void readKeptLine(Context& ctx, Target target, const TextFileCache& kept, int number) {
    if (static_cast<size_t>(number) > kept.lineStarts.size()) {
        ctx.vars.set(target, "EOF");
        return setErrorcode(ctx, false);
    }
    std::string_view rest = std::string_view(kept.text).substr(kept.lineStarts[number - 1]);
    setErrorcode(ctx, true);
    ctx.vars.assign(target, firstLine(rest));
}

// Line number: "EOF" and errorcode "-1" when the file has fewer lines before it.
void readLine(Context& ctx, Target target, const std::string& file, int number) {
    // The kept text serves when the file is still the very version kept: that needs no stream.
    const TextFileCache& last = ctx.session.textFile;
    if (last.kept) {
        auto stamp = ctx.system.files().readableStamp(file);
        if (stamp && *stamp == last.stamp) return readKeptLine(ctx, target, last, number);
    }
    Stream stream = ctx.system.files().openStream(file, "rt");
    if (!stream) return setErrorcode(ctx, false);
    if (const TextFileCache* kept = keptTextFile(ctx, stream.get())) return readKeptLine(ctx, target, *kept, number);
    LineReader reader(stream.get());
    for (int skipped = 1; skipped < number; ++skipped) {
        if (!reader.skipLine()) {
            ctx.vars.set(target, "EOF");
            return setErrorcode(ctx, false);
        }
    }
    std::string text = reader.line();
    setErrorcode(ctx, true);
    ctx.vars.set(target, std::move(text));
}

}  // namespace

// The close is checked too: a file system may report only there that the file could not be made.
void newFile(Context& ctx, const std::string& file) {
    ctx.session.forgetFileContents();
    Stream stream = ctx.system.files().openStream(file, "w");
    setErrorcode(ctx, stream && std::fclose(stream.release()) == 0);
}

// A line that cannot be written whole (a full disk, a file-size limit) is taken back: the file
// keeps its old length, and a file the command created is removed.
void writeFile(Context& ctx, const std::string& file, const std::string& text) {
    ctx.session.forgetFileContents();
    std::string line = text;
    line += '\n';
    setErrorcode(ctx, ctx.system.files().appendText(file, line));
}

void readFile(Context& ctx, Target target, const std::string& file, const std::string& line) {
    int number = interp::textToInt(line);
    if (number < 1) {
        readWholeFile(ctx, target, file);
    } else {
        readLine(ctx, target, file, number);
    }
}

void fileSize(Context& ctx, Target target, const std::string& file) {
    Stream stream = ctx.system.files().openStream(file, "rb");
    long size = -1;
    if (stream && std::fseek(stream.get(), 0, SEEK_END) == 0) size = std::ftell(stream.get());
    ctx.vars.set(target, interp::intToText(size));
}

void fileExists(Context& ctx, const std::string& file) {
    Stream stream = ctx.system.files().openStream(file, "r");
    setErrorcode(ctx, stream != nullptr);
}

void openDocument(Context& ctx, const std::string& target) {
    ctx.session.forgetFileContents();
    ctx.vars.set(SystemVariable::errorcode, interp::intToText(ctx.desktop.openDocument(target)));
}

}  // namespace commands
