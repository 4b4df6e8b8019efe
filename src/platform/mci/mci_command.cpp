// Reading MCI command strings: the verb, the device and the keywords each verb takes.
#include "platform/mci/mci_command.h"

#include <vector>

namespace platform::mci {

namespace {

struct VerbName {
    const char* name;
    Verb verb;
};

constexpr VerbName kVerbs[] = {
    {"open", Verb::open},     {"play", Verb::play}, {"pause", Verb::pause},
    {"resume", Verb::resume}, {"stop", Verb::stop}, {"seek", Verb::seek},
    {"close", Verb::close},   {"set", Verb::set},   {"status", Verb::status},
};

// MCI integers are unsigned 32-bit values.
constexpr long kLargestInteger = 4294967295L;

std::string lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Splits at blanks; a double quote opens a word that runs to the next double quote.
unsigned splitWords(const std::string& text, std::vector<std::string>& words) {
    size_t at = 0;
    while (at < text.size()) {
        if (isBlank(text[at])) {
            ++at;
        } else if (text[at] == '"') {
            size_t close = text.find('"', at + 1);
            if (close == std::string::npos) return error::kNoClosingQuote;
            words.push_back(text.substr(at + 1, close - at - 1));
            at = close + 1;
        } else {
            size_t end = at;
            while (end < text.size() && !isBlank(text[end])) ++end;
            words.push_back(text.substr(at, end - at));
            at = end;
        }
    }
    return 0;
}

std::optional<long> integer(const std::string& word) {
    if (word.empty() || word.size() > 10) return std::nullopt;
    long value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > kLargestInteger) return std::nullopt;
    return value;
}

// The words after the device name, one keyword (with its value) at a time.
class KeywordReader {
  public:
    KeywordReader(const std::vector<std::string>& words, Command& command) : words_(words), at_(2), command_(command) {}

    unsigned readAll() {
        while (at_ < words_.size()) {
            if (unsigned failed = keyword(lower(words_[at_++]))) return failed;
        }
        bool needsItem = command_.verb == Verb::seek || command_.verb == Verb::set || command_.verb == Verb::status;
        return needsItem && !itemGiven_ ? error::kMissingParameter : 0;
    }

  private:
    const std::vector<std::string>& words_;
    size_t at_;
    Command& command_;
    bool itemGiven_ = false;  // seek's "to", set's "time format", status's item

    unsigned keyword(const std::string& word) {
        if (word == "wait") return flag(command_.wait);
        if (word == "notify") return flag(command_.notify);
        switch (command_.verb) {
            case Verb::open: return openKeyword(word);
            case Verb::play: return playKeyword(word);
            case Verb::seek: return seekKeyword(word);
            case Verb::set: return setKeyword(word);
            case Verb::status: return statusKeyword(word);
            default: return error::kUnrecognizedKeyword;
        }
    }

    std::optional<std::string> nextWord() {
        if (at_ >= words_.size()) return std::nullopt;
        return words_[at_++];
    }

    static unsigned flag(bool& given) {
        if (given) return error::kDuplicateFlags;
        given = true;
        return 0;
    }

    unsigned text(std::string& target) {
        if (!target.empty()) return error::kDuplicateFlags;
        std::optional<std::string> word = nextWord();
        if (!word || word->empty()) return error::kMissingStringArgument;
        target = *word;
        return 0;
    }

    unsigned number(std::optional<long>& target) {
        if (target) return error::kDuplicateFlags;
        std::optional<std::string> word = nextWord();
        target = word ? integer(*word) : std::nullopt;
        return target ? 0 : error::kBadInteger;
    }

    unsigned item() {
        if (itemGiven_) return error::kDuplicateFlags;
        itemGiven_ = true;
        return 0;
    }

    unsigned openKeyword(const std::string& word) {
        if (word == "type") return text(command_.type);
        if (word == "alias") return text(command_.alias);
        return error::kUnrecognizedKeyword;
    }

    unsigned playKeyword(const std::string& word) {
        if (word == "from") return number(command_.from);
        if (word == "to") return number(command_.to);
        return error::kUnrecognizedKeyword;
    }

    unsigned seekKeyword(const std::string& word) {
        if (word != "to") return error::kUnrecognizedKeyword;
        if (unsigned failed = item()) return failed;
        std::optional<std::string> where = nextWord();
        if (!where) return error::kMissingParameter;
        std::string target = lower(*where);
        if (target == "start" || target == "end") {
            command_.seekTarget = target == "start" ? SeekTarget::start : SeekTarget::end;
            return 0;
        }
        command_.seekTarget = SeekTarget::position;
        command_.to = integer(target);
        return command_.to ? 0 : error::kBadInteger;
    }

    // Milliseconds are the only time format; the others Windows knows are refused as formats.
    unsigned setKeyword(const std::string& word) {
        if (word != "time" || at_ >= words_.size() || lower(words_[at_]) != "format") {
            return error::kUnrecognizedKeyword;
        }
        ++at_;
        if (unsigned failed = item()) return failed;
        std::optional<std::string> format = nextWord();
        if (!format) return error::kMissingParameter;
        std::string name = lower(*format);
        return name == "milliseconds" || name == "ms" ? 0 : error::kBadTimeFormat;
    }

    unsigned statusKeyword(const std::string& word) {
        if (word != "mode" && word != "length" && word != "position") return error::kUnrecognizedKeyword;
        return item();
    }
};

Parsed failure(unsigned error) {
    Parsed parsed;
    parsed.error = error;
    return parsed;
}

const VerbName* findVerb(const std::string& word) {
    std::string name = lower(word);
    for (const VerbName& entry : kVerbs) {
        if (name == entry.name) return &entry;
    }
    return nullptr;
}

}  // namespace

bool sameName(const std::string& one, const std::string& other) { return lower(one) == lower(other); }

Parsed parseCommand(const std::string& text) {
    std::vector<std::string> words;
    if (unsigned failed = splitWords(text, words)) return failure(failed);
    if (words.empty()) return failure(error::kMissingCommandString);
    const VerbName* verb = findVerb(words[0]);
    if (!verb) return failure(error::kUnrecognizedCommand);
    if (words.size() < 2 || words[1].empty()) return failure(error::kMissingDeviceName);
    Parsed parsed;
    parsed.command.verb = verb->verb;
    parsed.command.device = words[1];
    parsed.error = KeywordReader(words, parsed.command).readAll();
    return parsed;
}

}  // namespace platform::mci
