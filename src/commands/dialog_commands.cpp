// The input dialogs: what each command asks the desktop and how it stores the answer.
#include "commands/dialog_commands.h"

#include "core/text.h"
#include "platform/line_breaks.h"

namespace commands {

using interp::SystemVariable;

namespace {

// A size setting, read with the number rules at each use.
int sizeSetting(Context& ctx, SystemVariable variable) { return interp::textToInt(ctx.vars.get(variable)); }

std::string withoutCr(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != '\r') out += c;
    }
    return out;
}

}  // namespace

bool editBoxReadOnly(const std::string& mode) {
    std::string word = interp::upperCase(interp::trimBlanks(mode));
    if (word == "EDITABLE") word = "0";
    if (word == "READONLY") word = "1";
    return interp::textToInt(word) == 1;
}

std::vector<std::string> listBoxEntries(const std::string& items) {
    std::vector<std::string> entries;
    size_t start = 0;
    for (size_t bar; (bar = items.find('|', start)) != std::string::npos; start = bar + 1) {
        entries.push_back(items.substr(start, bar - start));
    }
    entries.push_back(items.substr(start));
    return entries;
}

void inputBox(Context& ctx, Target target, const std::string& title, const std::string& prompt,
              const std::string& initialText) {
    ctx.vars.set(target, ctx.desktop.inputBox(title, prompt, initialText).value_or(std::string()));
}

void editBox(Context& ctx, Target target, const std::string& title, const std::string& text, bool readOnly) {
    int height = sizeSetting(ctx, SystemVariable::EditBox_Height);
    int width = sizeSetting(ctx, SystemVariable::EditBox_Width);
    auto answer = ctx.desktop.editBox(title, platform::withCrLf(text), readOnly, width, height);
    ctx.vars.set(target, answer ? withoutCr(*answer) : std::string());
}

void listBox(Context& ctx, Target target, const std::string& title, const std::string& items) {
    int height = sizeSetting(ctx, SystemVariable::ListBox_Height);
    int width = sizeSetting(ctx, SystemVariable::ListBox_Width);
    auto answer = ctx.desktop.listBox(title, listBoxEntries(items), width, height);
    ctx.vars.set(target, answer.value_or(std::string()));
}

void fileBox(Context& ctx, Target target, const std::string& title, const std::string& filter, bool save) {
    platform::FileDialogRequest request;
    request.save = save;
    request.title = title;
    request.filter = filter;
    request.initialDirectory = ctx.system.currentDirectory();
    SystemVariable multiSel = save ? SystemVariable::SaveBox_MultiSel : SystemVariable::OpenBox_MultiSel;
    request.multiSelect = ctx.vars.get(multiSel) != "-1";
    auto chosen = ctx.desktop.fileDialog(request);
    setErrorcode(ctx, chosen.has_value());
    ctx.vars.set(target, chosen.value_or(std::string()));
}

void folderBox(Context& ctx, Target target, const std::string& title, const std::string& startFolder) {
    platform::FolderChoice choice = ctx.desktop.folderBox(title, startFolder);
    using Outcome = platform::FolderChoice::Outcome;
    // A cancel is no failure: the answer is simply empty.
    ctx.vars.set(target, choice.outcome == Outcome::chosen ? choice.path : std::string());
    setErrorcode(ctx, choice.outcome != Outcome::failed);
}

void infoBox(Context& ctx, const std::string& text, const std::string& mode) {
    int height = sizeSetting(ctx, SystemVariable::InfoBox_Height);
    int width = sizeSetting(ctx, SystemVariable::InfoBox_Width);
    ctx.desktop.placeInfoBox(text, width, height);
    bool hide = mode == "-1" || interp::upperCase(mode) == "HIDE";
    // The write hook of InfoBox_Enabled shows or hides the box.
    ctx.vars.set(SystemVariable::InfoBox_Enabled, hide ? "-1" : "0");
}

}  // namespace commands
