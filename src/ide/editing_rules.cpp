// The editor's rules around keys and changes.
#include "ide/editing_rules.h"

#include <utility>

namespace ide {

bool EditingRules::keyPressed(KeyKind key, bool hasSelection, bool highlighting) {
    if (key == KeyKind::enter) enterPressedHere_ = true;
    return !hasSelection && highlighting;
}

KeyReleaseSteps EditingRules::keyReleased(KeyKind key, bool hasSelection, bool autoIndent) {
    KeyReleaseSteps steps;
    bool enter = key == KeyKind::enter && std::exchange(enterPressedHere_, false);
    steps.indent = enter && autoIndent;
    steps.checkCaretLine = key != KeyKind::arrow && !hasSelection;
    return steps;
}

void EditingRules::textChanged(bool typed) {
    if (!typed) uncoloured_ = true;
}

bool EditingRules::takeWholePass() { return std::exchange(uncoloured_, false); }

}  // namespace ide
