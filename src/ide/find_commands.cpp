// Find and Find next.
#include "ide/find_commands.h"

#include "ide/fixed_texts.h"

namespace ide {

std::optional<TextSelection> findText(std::string_view text, std::string_view searchText, size_t from) {
    if (searchText.empty() || from > text.size()) return std::nullopt;
    size_t found = text.find(searchText, from);
    if (found == std::string_view::npos) return std::nullopt;
    return TextSelection{found, searchText.size()};
}

FindCommands::FindCommands(FindFrontEnd& frontEnd, const Captions& captions)
    : frontEnd_(frontEnd), captions_(captions) {}

void FindCommands::report(Caption message) {
    frontEnd_.tell(Notice::information, captions_[message], std::string(kFindCaption));
}

void FindCommands::find() {
    auto asked = frontEnd_.askSearchText(searchText_);
    if (!asked) return;
    searchText_ = *asked;
    if (auto found = findText(frontEnd_.editorText(), searchText_)) {
        frontEnd_.select(*found);
    } else {
        report(Caption::StringNotFound);
    }
}

// Before any search it is Find; it never wraps to the beginning.
void FindCommands::findNext() {
    if (searchText_.empty()) {
        find();
        return;
    }
    if (auto found = findText(frontEnd_.editorText(), searchText_, frontEnd_.selection().end())) {
        frontEnd_.select(*found);
    } else {
        report(Caption::NoMoreMatches);
    }
}

}  // namespace ide
