// Scripts' bytes as shown text and back: UTF-8, Windows-1252, line ends and the saved bytes.
#include "ide/shown_text.h"

#include <cstdint>

namespace ide {

namespace {

class Utf8Codec final : public TextCodec {
  public:
    std::optional<std::u16string> decode(std::string_view bytes) const override {
        std::u16string text;
        for (size_t at = 0; at < bytes.size();) {
            char32_t code = 0;
            size_t length = sequence(bytes, at, code);
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
            appendUtf8(bytes, code);
        }
        return bytes;
    }

  private:
    // The length of the UTF-8 sequence at bytes[at] with its code point; 0 when none starts there.
    static size_t sequence(std::string_view bytes, size_t at, char32_t& code) {
        auto byte = [&](size_t i) { return static_cast<uint8_t>(bytes[i]); };
        uint8_t lead = byte(at);
        if (lead < 0x80) {
            code = lead;
            return 1;
        }
        size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead <= 0xDF ? 2 : 0;
        if (length == 0 || at + length > bytes.size()) return 0;
        code = lead & (0x7F >> length);
        for (size_t i = 1; i < length; ++i) {
            if ((byte(at + i) & 0xC0) != 0x80) return 0;
            code = (code << 6) | (byte(at + i) & 0x3F);
        }
        bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
        return length;
    }

    static void appendUtf16(std::u16string& text, char32_t code) {
        if (code < 0x10000) {
            text += static_cast<char16_t>(code);
        } else {
            code -= 0x10000;
            text += static_cast<char16_t>(0xD800 + (code >> 10));
            text += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        }
    }

    static void appendUtf8(std::string& bytes, char32_t code) {
        if (code < 0x80) {
            bytes += static_cast<char>(code);
            return;
        }
        int trailing = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
        static constexpr uint8_t kLeads[] = {0, 0xC0, 0xE0, 0xF0};
        bytes += static_cast<char>(kLeads[trailing] | (code >> (6 * trailing)));
        for (int shift = 6 * (trailing - 1); shift >= 0; shift -= 6) {
            bytes += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
        }
    }
};

// Windows-1252 at 0x80..0x9F; the unassigned bytes stand for the control character of their own
// number, as Windows converts them.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

class Windows1252Codec final : public TextCodec {
  public:
    std::optional<std::u16string> decode(std::string_view bytes) const override {
        std::u16string text;
        text.reserve(bytes.size());
        for (char c : bytes) {
            auto byte = static_cast<uint8_t>(c);
            text += byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : static_cast<char16_t>(byte);
        }
        return text;
    }

    std::optional<std::string> encode(std::u16string_view text) const override {
        std::string bytes;
        bytes.reserve(text.size());
        for (char16_t unit : text) {
            std::optional<char> byte = byteOf(unit);
            if (!byte) return std::nullopt;
            bytes += *byte;
        }
        return bytes;
    }

  private:
    static std::optional<char> byteOf(char16_t unit) {
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
        for (int i = 0; i < 32; ++i) {
            if (kHighControls[i] == unit) return static_cast<char>(0x80 + i);
        }
        return std::nullopt;
    }
};

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

ShownText::ShownText(std::string bytes, std::span<const TextCodec* const> candidates)
    : bytes_(std::move(bytes)), codec_(&windows1252Codec()), lineEnds_(lineEndsOf(bytes_)) {
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
}

std::string ShownText::bytesFor(std::u16string_view shown) const {
    if (shown == shown_) return bytes_;
    return encodedOrMarked(*codec_, withLineEnds(shown, lineEnds_));
}

std::string scannerText(std::u16string_view line) {
    std::string text(line.size(), '\0');
    for (size_t i = 0; i < line.size(); ++i) text[i] = line[i] < 0x80 ? static_cast<char>(line[i]) : '\x80';
    return text;
}

}  // namespace ide
