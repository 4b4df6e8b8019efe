// Variable table with computed names and write hooks.
#include "core/variable_table.h"

#include <cstdio>
#include <new>

#include "core/text.h"
#include "platform/desktop.h"
#include "platform/system.h"

namespace interp {

namespace {

std::string twoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::optional<platform::DialogButton> buttonOf(SystemVariable variable) {
    switch (variable) {
        case SystemVariable::IBox_Ok: return platform::DialogButton::inputOk;
        case SystemVariable::IBox_Cancel: return platform::DialogButton::inputCancel;
        case SystemVariable::EditBox_Ok: return platform::DialogButton::editOk;
        case SystemVariable::EditBox_Cancel: return platform::DialogButton::editCancel;
        case SystemVariable::ListBox_Ok: return platform::DialogButton::listOk;
        default: return std::nullopt;
    }
}

}  // namespace

VariableTable::VariableTable(platform::System& system, platform::Desktop& desktop, NameScheme scheme)
    : system_(system), desktop_(desktop) {
    order_.reserve(64);
    for (int index = 0; index < kFirstUserVariableIndex; ++index) {
        auto variable = static_cast<SystemVariable>(index);
        systemNames_.push_back(scheme == NameScheme::scriptNames ? std::string(scriptName(variable))
                                                                 : std::to_string(index));
    }
    for (const std::string& name : systemNames_) systemHandles_.push_back(handle(name));
    auto mark = [this](SystemVariable variable, Special special) {
        Slot& slot = *handle(variable).slot_;
        slot.special = special;
        slot.variable = variable;
    };
    mark(SystemVariable::time, Special::time);
    mark(SystemVariable::year, Special::year);
    mark(SystemVariable::month, Special::month);
    mark(SystemVariable::day, Special::day);
    mark(SystemVariable::clipboard, Special::clipboard);
    mark(SystemVariable::InfoBox_Enabled, Special::infoBoxEnabled);
    for (auto variable : {SystemVariable::IBox_Ok, SystemVariable::IBox_Cancel, SystemVariable::EditBox_Ok,
                          SystemVariable::EditBox_Cancel, SystemVariable::ListBox_Ok}) {
        mark(variable, Special::buttonCaption);
    }
}

const std::string& VariableTable::nameOf(SystemVariable variable) const {
    return systemNames_[static_cast<int>(variable)];
}

std::string VariableTable::computedValue(Special special) const {
    switch (special) {
        case Special::time: {
            platform::LocalTime now = system_.localTime();
            char text[32];
            std::snprintf(text, sizeof text, "%02d:%02d:%02d", now.hour, now.minute, now.second);
            return text;
        }
        case Special::year: return intToText(system_.localTime().year);
        case Special::month: return twoDigits(system_.localTime().month);
        case Special::day: return twoDigits(system_.localTime().day);
        case Special::clipboard: return desktop_.clipboardText();
        default: return {};
    }
}

std::string VariableTable::get(std::string_view name) const {
    std::string value;
    appendValue(name, value);
    return value;
}

VariableTable::Handle VariableTable::handle(std::string_view name) {
    auto found = slots_.find(name);
    if (found == slots_.end()) {
        found = slots_.emplace(std::string(name), Slot{}).first;
        found->second.record.name = found->first;
    }
    Handle handle;
    handle.slot_ = &found->second;
    handle.name_ = &found->first;
    return handle;
}

VariableTable::Handle VariableTable::handleOfIndex(std::string_view index) {
    // Up to a million indices: far more variables than any script names.
    constexpr size_t kMaxDigits = 6;
    if (index.empty() || index.size() > kMaxDigits || (index[0] == '0' && index.size() > 1)) return handle(index);
    size_t number = 0;
    for (char c : index) {
        if (c < '0' || c > '9') return handle(index);
        number = number * 10 + static_cast<size_t>(c - '0');
    }
    if (number < indexHandles_.size() && indexHandles_[number].slot_) return indexHandles_[number];
    if (number >= indexHandles_.size()) indexHandles_.resize(number + 1);
    return indexHandles_[number] = handle(index);
}

void VariableTable::appendSlotValue(const Slot& slot, std::string& out) const {
    if (isComputed(slot.special)) {
        out += computedValue(slot.special);
    } else {
        out += slot.record.value.view();
    }
}

void VariableTable::appendValue(std::string_view name, std::string& out) const {
    auto found = slots_.find(name);
    if (found != slots_.end()) appendSlotValue(found->second, out);
}

void VariableTable::appendValue(Handle variable, std::string& out) const { appendSlotValue(*variable.slot_, out); }

std::string_view VariableTable::specialView(const Slot& slot, std::string& scratch) const {
    if (isComputed(slot.special)) return scratch = computedValue(slot.special);
    return slot.record.value.view();
}

double VariableTable::readNumber(const Slot& slot) const {
    if (isComputed(slot.special)) return textToDouble(computedValue(slot.special));
    const Record& record = slot.record;
    if (!record.numberKnown) {
        record.number = textToDouble(record.value);
        record.numberKnown = true;
    }
    return record.number;
}

bool VariableTable::exists(std::string_view name) const {
    auto found = slots_.find(name);
    return found != slots_.end() && found->second.exists;
}

void VariableTable::runWriteHook(const Slot& slot, std::string_view value) {
    switch (slot.special) {
        case Special::buttonCaption: desktop_.setButtonCaption(*buttonOf(slot.variable), std::string(value)); break;
        case Special::clipboard: desktop_.setClipboardText(std::string(value)); break;
        case Special::infoBoxEnabled: desktop_.setInfoBoxVisible(!(value == "-1" || upperCase(value) == "HIDE")); break;
        default: break;
    }
}

void VariableTable::create(Handle variable) {
    Slot& slot = *variable.slot_;
    // The table starts with a few free slots; every variable beyond them grows the table, which
    // is the moment the debugger's automatic watch hears of the new name.
    bool grows = order_.size() >= kInitialFreeSlots;
    slot.exists = true;
    order_.push_back(&slot.record);
    if (grows && onGrow) onGrow(variable.name());
}

SmallText& VariableTable::prepareFirstOrSpecialWrite(Handle variable, std::string_view value) {
    if (value.size() > valueLimit) throw std::bad_alloc();
    Slot& slot = *variable.slot_;
    if (slot.special != Special::none) runWriteHook(slot, value);
    if (!slot.exists) create(variable);
    slot.record.numberKnown = false;
    return slot.record.value;
}

void VariableTable::set(Handle variable, std::string value) { prepareWrite(variable, value).assign(value); }

void VariableTable::assignNumber(Handle variable, std::string_view text, double number) {
    assign(variable, text);
    Record& record = variable.slot_->record;
    record.number = number;
    record.numberKnown = true;
}

void VariableTable::declare(std::string_view name) {
    Handle variable = handle(name);
    if (!variable.slot_->exists) create(variable);
}

}  // namespace interp
