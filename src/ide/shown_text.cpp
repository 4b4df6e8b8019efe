// Scripts' bytes as shown text and back: UTF-8, Windows-1252, line ends and the saved bytes.
#include "ide/shown_text.h"

#include <algorithm>

#include "core/text_encoding.h"

namespace ide {

namespace {

// The codecs hold no rule of their own: UTF-8 and Windows-1252 are read as everywhere else a
// script text is shown as Unicode (core/text_encoding.h).
class Utf8Codec final : public TextCodec {
  public:
    std::optional<std::u16string> decode(std::string_view bytes) const override {
        std::u16string text;
        for (size_t at = 0; at < bytes.size();) {
            char32_t code = 0;
            size_t length = interp::utf8Sequence(bytes, at, code);
            if (length == 0) return std::nullopt;
            appendUtf16(text, code);
            at += length;
        }
        return text;
    }

    std::optional<std::string> encode(std::u16string_view text) const override {
        std::string bytes;
        for (size_t at = 0; at < text.size(); ++at) {
            char32_t code = text[at];
            bool high = code >= 0xD800 && code <= 0xDBFF;
            if (high && at + 1 < text.size() && text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (text[++at] - 0xDC00);
            } else if (code >= 0xD800 && code <= 0xDFFF) {
                return std::nullopt;  // half a surrogate pair is no character
            }
            interp::appendUtf8(bytes, code);
        }
        return bytes;
    }

  private:
    static void appendUtf16(std::u16string& text, char32_t code) {
        if (code < 0x10000) {
            text += static_cast<char16_t>(code);
        } else {
            code -= 0x10000;
            text += static_cast<char16_t>(0xD800 + (code >> 10));
            text += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        }
    }
};

class Windows1252Codec final : public TextCodec {
  public:
    std::optional<std::u16string> decode(std::string_view bytes) const override {
        std::u16string text;
        text.reserve(bytes.size());
        for (char c : bytes) text += interp::windows1252Char(static_cast<unsigned char>(c));
        return text;
    }

    std::optional<std::string> encode(std::u16string_view text) const override {
        std::string bytes;
        bytes.reserve(text.size());
        for (char16_t unit : text) {
            std::optional<char> byte = interp::windows1252Byte(unit);
            if (!byte) return std::nullopt;
            bytes += *byte;
        }
        return bytes;
    }
};

constexpr char16_t kNulSymbol = u'\u2400';

// The text with CR LF, LF or CR line ends in the style given (mixed ends become CR LF).
std::u16string withLineEnds(std::u16string_view crlfText, LineEnds style) {
    if (style == LineEnds::crlf || style == LineEnds::mixed) return std::u16string(crlfText);
    std::u16string text;
    text.reserve(crlfText.size());
    for (size_t i = 0; i < crlfText.size(); ++i) {
        bool crlf = crlfText[i] == u'\r' && i + 1 < crlfText.size() && crlfText[i + 1] == u'\n';
        if (!crlf) {
            text += crlfText[i];
            continue;
        }
        text += style == LineEnds::lf ? u'\n' : u'\r';
        ++i;
    }
    return text;
}

// Every line end as CR LF, as the editor control holds them: a lone CR or LF is one line end.
std::u16string withCrLf(std::u16string_view text) {
    std::u16string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            shown += u"\r\n";
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else {
            shown += text[i];
        }
    }
    return shown;
}

// A text in the codec, any character it cannot hold as "?".
std::string encodedOrMarked(const TextCodec& codec, std::u16string_view text) {
    if (auto bytes = codec.encode(text)) return *bytes;
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        size_t length = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() ? 2 : 1;
        auto one = codec.encode(text.substr(i, length));
        bytes += one ? *one : "?";
        i += length - 1;
    }
    return bytes;
}

}  // namespace

const TextCodec& utf8Codec() {
    static const Utf8Codec codec;
    return codec;
}

const TextCodec& windows1252Codec() {
    static const Windows1252Codec codec;
    return codec;
}

LineEnds lineEndsOf(std::string_view bytes) {
    bool crlf = false, lf = false, cr = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            crlf = true;
            ++i;
        } else if (bytes[i] == '\r') {
            cr = true;
        } else if (bytes[i] == '\n') {
            lf = true;
        }
    }
    int kinds = crlf + lf + cr;
    if (kinds > 1) return LineEnds::mixed;
    return lf ? LineEnds::lf : cr ? LineEnds::cr : LineEnds::crlf;
}

ShownText::ShownText(std::string bytes, std::span<const TextCodec* const> candidates, LineEnds newLineEnds)
    : bytes_(std::move(bytes)), codec_(&windows1252Codec()), lineEnds_(lineEndsOf(bytes_)) {
    if (bytes_.find_first_of("\r\n") == std::string::npos) lineEnds_ = newLineEnds;
    std::u16string decoded;
    for (const TextCodec* codec : candidates) {
        auto text = codec->decode(bytes_);
        if (!text || codec->encode(*text) != bytes_) continue;
        codec_ = codec;
        decoded = std::move(*text);
        break;
    }
    if (codec_ == &windows1252Codec() && decoded.empty()) decoded = *codec_->decode(bytes_);
    shown_ = withCrLf(decoded);
    hasNuls_ = shown_.find(u'\0') != std::u16string::npos;
    if (hasNuls_) std::replace(shown_.begin(), shown_.end(), u'\0', kNulSymbol);
}

std::string ShownText::bytesFor(std::u16string_view shown) const {
    if (shown == shown_) return bytes_;
    std::u16string text = withLineEnds(shown, lineEnds_);
    if (hasNuls_) std::replace(text.begin(), text.end(), kNulSymbol, u'\0');
    return encodedOrMarked(*codec_, text);
}

std::string ShownText::utf8Text() const { return encodedOrMarked(utf8Codec(), withLineEnds(shown_, LineEnds::lf)); }

// GTK's text is valid UTF-8; should a byte not be, it is taken as Windows-1252 rather than lost.
std::string ShownText::bytesForUtf8(std::string_view shown) const {
    auto text = utf8Codec().decode(shown);
    if (!text) text = windows1252Codec().decode(shown);
    return bytesFor(withCrLf(*text));
}

std::string scannerText(std::u16string_view line) {
    std::string text(line.size(), '\0');
    for (size_t i = 0; i < line.size(); ++i) text[i] = line[i] < 0x80 ? static_cast<char>(line[i]) : '\x80';
    return text;
}

std::string scannerTextOfUtf8(std::string_view line) {
    std::string text;
    text.reserve(line.size());
    for (char c : line) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else if ((byte & 0xC0) != 0x80) {
            text += '\x80';  // a character's first byte; the bytes that continue it add none
        }
    }
    return text;
}

}  // namespace ide
