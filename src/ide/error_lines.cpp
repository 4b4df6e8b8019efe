// Reading the error lines of velcomp and velint.
#include "ide/error_lines.h"

namespace ide {

std::optional<ErrorLine> parseErrorLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    constexpr std::string_view kMark = ": error: ";
    size_t mark = line.rfind(kMark);
    while (mark != std::string_view::npos && mark > 0) {
        size_t colon = line.rfind(':', mark - 1);
        std::string_view digits =
            colon == std::string_view::npos ? std::string_view() : line.substr(colon + 1, mark - colon - 1);
        bool number =
            !digits.empty() && digits.size() < 10 && digits.find_first_not_of("0123456789") == std::string_view::npos;
        if (number && colon > 0) {
            return ErrorLine{std::string(line.substr(0, colon)), std::stoul(std::string(digits)),
                             std::string(line.substr(mark + kMark.size()))};
        }
        mark = line.rfind(kMark, mark - 1);
    }
    return std::nullopt;
}

std::vector<ErrorLine> ErrorLineReader::take(std::string_view piece) {
    pending_.append(piece);
    std::vector<ErrorLine> found;
    size_t start = 0;
    for (size_t end; (end = pending_.find('\n', start)) != std::string::npos; start = end + 1) {
        if (auto error = parseErrorLine(std::string_view(pending_).substr(start, end - start))) {
            found.push_back(std::move(*error));
        }
    }
    pending_.erase(0, start);
    return found;
}

}  // namespace ide
