// Variable table with computed names and write hooks.
#include "core/variable_table.h"

#include <cstdio>
#include <ctime>
#include <new>

#include "core/text.h"
#include "platform/platform.h"

namespace interp {

namespace {

std::tm localNow() {
    std::time_t now = std::time(nullptr);
    return *std::localtime(&now);
}

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

VariableTable::VariableTable(platform::Platform& platform, NameScheme scheme) : platform_(platform) {
    records_.reserve(64);
    for (int index = 0; index < kFirstUserVariableIndex; ++index) {
        auto variable = static_cast<SystemVariable>(index);
        systemNames_.push_back(scheme == NameScheme::scriptNames ? std::string(scriptName(variable))
                                                                 : std::to_string(index));
    }
    auto mark = [this](SystemVariable variable, Special special) {
        Slot& slot = slots_[nameOf(variable)];
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

bool VariableTable::isComputed(Special special) {
    return special == Special::time || special == Special::year || special == Special::month ||
           special == Special::day || special == Special::clipboard;
}

std::string VariableTable::computedValue(Special special) const {
    switch (special) {
        case Special::time: {
            std::tm now = localNow();
            char text[32];
            std::snprintf(text, sizeof text, "%02d:%02d:%02d", now.tm_hour, now.tm_min, now.tm_sec);
            return text;
        }
        case Special::year: return intToText(localNow().tm_year + 1900);
        case Special::month: return twoDigits(localNow().tm_mon + 1);
        case Special::day: return twoDigits(localNow().tm_mday);
        case Special::clipboard: return platform_.clipboardText();
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
    if (found == slots_.end()) found = slots_.emplace(std::string(name), Slot{}).first;
    Handle handle;
    handle.slot_ = &found->second;
    handle.name_ = &found->first;
    return handle;
}

void VariableTable::appendSlotValue(const Slot& slot, std::string& out) const {
    if (isComputed(slot.special)) {
        out += computedValue(slot.special);
    } else if (slot.record >= 0) {
        out += records_[slot.record].value;
    }
}

void VariableTable::appendValue(std::string_view name, std::string& out) const {
    auto found = slots_.find(name);
    if (found != slots_.end()) appendSlotValue(found->second, out);
}

void VariableTable::appendValue(Handle variable, std::string& out) const { appendSlotValue(*variable.slot_, out); }

std::string_view VariableTable::view(Handle variable, std::string& scratch) const {
    const Slot& slot = *variable.slot_;
    if (isComputed(slot.special)) return scratch = computedValue(slot.special);
    if (slot.record >= 0) return records_[slot.record].value;
    return {};
}

bool VariableTable::exists(std::string_view name) const {
    auto found = slots_.find(name);
    return found != slots_.end() && found->second.record >= 0;
}

void VariableTable::runWriteHook(const Slot& slot, const std::string& value) {
    switch (slot.special) {
        case Special::buttonCaption: platform_.setButtonCaption(*buttonOf(slot.variable), value); break;
        case Special::clipboard: platform_.setClipboardText(value); break;
        case Special::infoBoxEnabled:
            platform_.setInfoBoxVisible(!(value == "-1" || upperCase(value) == "HIDE"));
            break;
        default: break;
    }
}

int VariableTable::addRecord(const std::string& name) {
    // The table starts with a few free slots; every record beyond them grows the table, which
    // is the moment the debugger's automatic watch hears of the new name.
    bool grows = records_.size() >= kInitialFreeSlots;
    records_.push_back(Record{name, {}});
    if (grows && onGrow) onGrow(name);
    return static_cast<int>(records_.size()) - 1;
}

void VariableTable::set(Handle variable, std::string value) {
    if (value.size() > valueLimit) throw std::bad_alloc();
    Slot& slot = *variable.slot_;
    if (slot.special != Special::none) runWriteHook(slot, value);
    if (slot.record < 0) slot.record = addRecord(variable.name());
    records_[slot.record].value = std::move(value);
}

void VariableTable::declare(std::string_view name) {
    Handle variable = handle(name);
    if (variable.slot_->record < 0) variable.slot_->record = addRecord(variable.name());
}

void setFixedStartValues(VariableTable& vars, std::initializer_list<SystemVariable> order) {
    for (SystemVariable variable : order) vars.set(variable, std::string(fixedStartValue(variable).value_or("")));
}

}  // namespace interp
