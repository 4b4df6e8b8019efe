// Find and Find next: searching the editor's text for the last text asked for.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ide/captions.h"
#include "ide/questions.h"

namespace ide {

struct TextSelection {
    size_t start = 0;
    size_t length = 0;
    size_t end() const { return start + length; }
    bool operator==(const TextSelection&) const = default;
};

// The first occurrence of the search text at or after `from`, letter case counting; nothing for
// an empty search text or none found. Searches never wrap around.
std::optional<TextSelection> findText(std::string_view text, std::string_view searchText, size_t from = 0);

// What the find commands ask of the main window.
class FindFrontEnd {
  public:
    virtual ~FindFrontEnd() = default;

    // The dialog TFind, modal, its Edit1 showing startText (the text searched for last, selected);
    // the text of Edit1 when closed with Find.
    virtual std::optional<std::string> askSearchText(const std::string& startText) = 0;
    // The editor's whole text and its selection, counted in the same characters.
    virtual std::string editorText() = 0;
    virtual TextSelection selection() = 0;
    virtual void select(TextSelection selection) = 0;
    // A notice with an OK button.
    virtual void tell(Notice kind, const std::string& text, const std::string& caption) = 0;
};

class FindCommands {
  public:
    FindCommands(FindFrontEnd& frontEnd, const Captions& captions);

    const std::string& searchText() const { return searchText_; }

    void find();      // Find1Click: the first occurrence in the whole text
    void findNext();  // Findnext1Click: the next one after the selection's end

  private:
    void report(Caption message);

    FindFrontEnd& frontEnd_;
    const Captions& captions_;
    std::string searchText_;  // the text searched for last
};

}  // namespace ide
