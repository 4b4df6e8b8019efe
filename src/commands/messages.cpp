// Message and confirmation boxes.
#include "commands/messages.h"

#include "core/text.h"

namespace commands {

using interp::SystemVariable;
namespace style = platform::style;

unsigned msgBoxStyle(const std::string& buttons) {
    static const struct {
        const char* keyword;
        const char* number;
    } kButtonSets[] = {
        {"OK", "0"},          {"OKCANCEL", "1"}, {"CANCELRETRYIGNORE", "2"},
        {"YESNOCANCEL", "3"}, {"YESNO", "4"},    {"RETRYCANCEL", "5"},
    };
    std::string word = interp::upperCase(interp::trimBlanks(buttons));
    for (const auto& set : kButtonSets) {
        if (word == set.keyword) {
            word = set.number;
            break;
        }
    }
    return static_cast<unsigned>(interp::textToInt(word));
}

void msgBox(Context& ctx, const std::string& caption, const std::string& text, const std::string& buttons) {
    int chosen = ctx.desktop.messageBox(text, caption, msgBoxStyle(buttons) | style::kSetForeground);
    ctx.vars.set(SystemVariable::errorcode, interp::intToText(chosen));
}

void echo(Context& ctx, const std::string& text) {
    ctx.desktop.messageBox(text, ctx.vars.get(SystemVariable::Echo_Title),
                           style::kSetForeground | style::kIconInformation);
}

void confirm(Context& ctx, const std::string& question) {
    int chosen = ctx.desktop.messageBox(question, ctx.vars.get(SystemVariable::Confirm_Title),
                                        style::kSetForeground | style::kIconQuestion | style::kYesNo);
    setErrorcode(ctx, chosen == platform::answer::kYes);
}

}  // namespace commands
