// Rich text (RTF) for coloured lines: one run per stretch of equal colour and boldness.
#include "ide/rich_text.h"

#include <cstdio>

namespace ide {

namespace {

// The colour table the stream declares: entry 0 is the default, so colour i is \cf(i+1).
class ColourTable {
  public:
    int index(Colour colour) {
        for (size_t i = 0; i < colours_.size(); ++i) {
            if (colours_[i] == colour) return static_cast<int>(i) + 1;
        }
        colours_.push_back(colour);
        return static_cast<int>(colours_.size());
    }
    std::string declaration() const {
        std::string table = "{\\colortbl;";
        for (Colour c : colours_) {
            table += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" +
                     std::to_string(c.blue) + ";";
        }
        return table + "}";
    }

  private:
    std::vector<Colour> colours_;
};

void appendCharacter(std::string& out, char16_t c) {
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c == '\t') {
        out += "\\tab ";
    } else if (c >= 0x80) {
        out += "\\u" + std::to_string(static_cast<int16_t>(c)) + "?";
    } else if (c < 0x20) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\'%02x", c);
        out += hex;
    } else {
        out += static_cast<char>(c);
    }
}

// One line: each character takes the format of the last span that covers it.
void appendLine(std::string& out, const ColouredLine& line, ColourTable& colours, CharFormat& current) {
    std::vector<CharFormat> formats(line.text.size(), kPlainFormat);
    for (const ColourSpan& span : line.spans) {
        for (size_t i = span.start; i < span.end && i < formats.size(); ++i) formats[i] = span.format;
    }
    for (size_t i = 0; i < line.text.size(); ++i) {
        if (formats[i].colour != current.colour) out += "\\cf" + std::to_string(colours.index(formats[i].colour)) + " ";
        if (formats[i].bold != current.bold) out += formats[i].bold ? "\\b " : "\\b0 ";
        current = formats[i];
        appendCharacter(out, line.text[i]);
    }
}

}  // namespace

namespace {

template <typename Text>
std::optional<std::vector<TextLine>> linesEndingInCrLf(Text text) {
    std::vector<TextLine> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        if (text[i] == '\n' || i + 1 == text.size() || text[i + 1] != '\n') return std::nullopt;
        lines.push_back({start, i - start});
        start = ++i + 1;
    }
    lines.push_back({start, text.size() - start});
    return lines;
}

}  // namespace

std::optional<std::vector<TextLine>> crlfLines(std::string_view text) { return linesEndingInCrLf(text); }
std::optional<std::vector<TextLine>> crlfLines(std::u16string_view text) { return linesEndingInCrLf(text); }

std::string richText(const std::vector<ColouredLine>& lines) {
    ColourTable colours;
    colours.index(kBlack);
    std::string body;
    CharFormat current = kPlainFormat;
    body += "\\cf1 ";
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) body += "\\par\n";
        appendLine(body, lines[i], colours, current);
    }
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset238 Courier New;}}" + colours.declaration() +
           "\n\\pard\\plain\\f0\\fs20 " + body + "}";
}

}  // namespace ide
