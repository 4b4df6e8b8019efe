// When the editor colours, indents and shows the caret position, around the keys and changes a
// front end reports; the front end only carries the decisions out.
#pragma once

namespace ide {

// What a released key is, as far as the rules care.
enum class KeyKind {
    enter,
    arrow,  // moves the caret, changes no text
    other,
};

// What to do after a key release, in this order.
struct KeyReleaseSteps {
    bool indent = false;            // auto-indent the new caret line
    bool checkCaretLine = false;    // colour the caret line again unless its line check says unchanged
    bool showCaretPosition = true;  // the position panel
};

class EditingRules {
  public:
    // Before the editor handles a key press: the next character takes the typing format only
    // when nothing is selected and highlighting is on. Also notes an Enter pressed here.
    bool keyPressed(KeyKind key, bool hasSelection, bool highlighting);
    // After the editor handled a key release. An Enter whose press a dialog or box took (its
    // release reaches the editor once the box has closed) indents nothing.
    KeyReleaseSteps keyReleased(KeyKind key, bool hasSelection, bool autoIndent);

    // A change of the text: typed ones are coloured line by line as they are typed, any other
    // (a paste from the keyboard, a dropped text) leaves lines uncoloured.
    void textChanged(bool typed);
    // A new text was loaded, already coloured.
    void loaded() { uncoloured_ = false; }
    // The title refresh colours the whole text only when some change was not typed: a whole pass
    // replaces the control and with it the undo history. True once per such change.
    bool takeWholePass();

  private:
    bool enterPressedHere_ = false;  // the Enter being released was pressed in the editor
    bool uncoloured_ = false;        // a change since the last whole pass was not typed
};

}  // namespace ide
