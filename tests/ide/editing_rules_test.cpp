// The editor's rules around keys and changes: when a key release indents and colours, and when
// the title refresh must colour the whole text.
#include <gtest/gtest.h>

#include "ide/editing_rules.h"

namespace velmish_test {
namespace {

using ide::KeyKind;

TEST(EditingRulesTest, OnlyAnEnterPressedInTheEditorIndentsAndArrowsColourNothing) {
    ide::EditingRules rules;
    // An Enter whose press a dialog took: its release indents nothing but still checks the line.
    ide::KeyReleaseSteps stray = rules.keyReleased(KeyKind::enter, false, true);
    EXPECT_FALSE(stray.indent);
    EXPECT_TRUE(stray.checkCaretLine);

    EXPECT_TRUE(rules.keyPressed(KeyKind::enter, false, true));
    EXPECT_TRUE(rules.keyReleased(KeyKind::enter, false, true).indent);
    EXPECT_FALSE(rules.keyReleased(KeyKind::enter, false, true).indent);  // one press, one indent
    rules.keyPressed(KeyKind::enter, false, true);
    EXPECT_FALSE(rules.keyReleased(KeyKind::enter, false, false).indent);  // auto-indent off

    EXPECT_FALSE(rules.keyReleased(KeyKind::arrow, false, true).checkCaretLine);
    EXPECT_FALSE(rules.keyReleased(KeyKind::other, true, true).checkCaretLine);  // a selection
    EXPECT_TRUE(rules.keyReleased(KeyKind::arrow, false, true).showCaretPosition);
    EXPECT_FALSE(rules.keyPressed(KeyKind::other, true, true));    // the typing format: no selection
    EXPECT_FALSE(rules.keyPressed(KeyKind::other, false, false));  // and highlighting on
}

TEST(EditingRulesTest, TheWholeTextIsColouredAgainOnlyAfterAChangeThatWasNotTyped) {
    ide::EditingRules rules;
    rules.loaded();
    rules.textChanged(true);
    EXPECT_FALSE(rules.takeWholePass());  // Save As after typing keeps the control and its undo
    rules.textChanged(false);             // a paste from the keyboard
    rules.textChanged(true);
    EXPECT_TRUE(rules.takeWholePass());
    EXPECT_FALSE(rules.takeWholePass());  // done once
    rules.textChanged(false);
    rules.loaded();
    EXPECT_FALSE(rules.takeWholePass());
}

}  // namespace
}  // namespace velmish_test
