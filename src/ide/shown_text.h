// A script's bytes as an editor shows them, and back: the encoding that shows them (the first of
// the front end's candidates that gives back exactly the bytes it was given), the line ends they
// use, and the way from the shown text to the bytes to save. An unchanged text saves as the very
// bytes read, whatever the editor made of them.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ide {

// One encoding between a script's bytes and UTF-16.
class TextCodec {
  public:
    virtual ~TextCodec() = default;
    // Nothing when the bytes are not text in this encoding.
    virtual std::optional<std::u16string> decode(std::string_view bytes) const = 0;
    // Nothing when a character has no bytes in this encoding.
    virtual std::optional<std::string> encode(std::u16string_view text) const = 0;
};

// UTF-8, strict: no overlong forms, no surrogates, nothing beyond U+10FFFF.
const TextCodec& utf8Codec();
// Windows-1252; its five unassigned bytes stand for the control characters of the same number,
// so every byte string decodes and encodes back.
const TextCodec& windows1252Codec();

// How the lines of a script end.
enum class LineEnds { crlf, lf, cr, mixed };
LineEnds lineEndsOf(std::string_view bytes);

// A script as shown: UTF-16 with CR LF line ends, as the editor control holds it.
class ShownText {
  public:
    // candidates: the encodings to try, in order; the last should take every byte string
    // (Windows-1252 does). newLineEnds: what a text without any line end gets once lines are added
    // (a new document's).
    ShownText(std::string bytes, std::span<const TextCodec* const> candidates, LineEnds newLineEnds = LineEnds::crlf);

    const std::u16string& text() const { return shown_; }
    const TextCodec& codec() const { return *codec_; }
    LineEnds lineEnds() const { return lineEnds_; }

    // The bytes to save for the text the editor now shows: the bytes read when it is unchanged;
    // else the text in the same encoding and line ends (CR LF for mixed ones). A character the
    // encoding cannot hold becomes "?". Editor controls hold no NUL character: a script's NUL
    // bytes are shown as the symbol for NUL (U+2400), which is saved as NUL again.
    std::string bytesFor(std::u16string_view shown) const;

    // The same for a toolkit that holds UTF-8 text with LF line ends (GTK): the text to show, and
    // the bytes to save for what it now shows.
    std::string utf8Text() const;
    std::string bytesForUtf8(std::string_view shown) const;

  private:
    std::string bytes_;  // as read
    const TextCodec* codec_;
    LineEnds lineEnds_;
    std::u16string shown_;
    bool hasNuls_ = false;  // NUL bytes shown as U+2400
};

// A line of shown text for the line scanner, which reads bytes: one byte per UTF-16 unit, so that
// its positions are the control's; characters beyond ASCII become 0x80, which the scanner treats
// as no letter, no digit and no mark.
std::string scannerText(std::u16string_view line);
// The same for a line of UTF-8 text: one byte per character, so positions count characters.
std::string scannerTextOfUtf8(std::string_view line);

}  // namespace ide
