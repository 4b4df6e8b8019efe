// The variable table: every variable of a running script, with the names that are computed on
// reading and the names whose assignment acts on the dialog windows or the clipboard.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/small_text.h"
#include "core/system_variables.h"

namespace platform {
class Desktop;
class System;
}  // namespace platform

namespace interp {

// How system variables are named in the table: by their script names in the interpreter, by
// their index texts ("0", "25") in compiled programs.
enum class NameScheme { scriptNames, indexNames };

class VariableTable {
    struct Slot;

  public:
    struct Record {
        std::string_view name;  // compared exactly; never changes once set
        SmallText value;        // any bytes
        // The number the value reads as (textToDouble), once asked for or known from the write;
        // every write drops it.
        mutable double number = 0;
        mutable bool numberKnown = false;
    };

    // The records in creation order.
    class RecordList {
      public:
        size_t size() const { return records_->size(); }
        const Record& operator[](size_t index) const { return *(*records_)[index]; }

      private:
        friend class VariableTable;
        explicit RecordList(const std::vector<const Record*>& records) : records_(&records) {}
        const std::vector<const Record*>* records_;
    };

    // A lasting reference to a name, for callers that read or write the same name many times
    // without looking it up again. Taking one does not create the variable.
    class Handle {
      public:
        Handle() = default;
        const std::string& name() const { return *name_; }

      private:
        friend class VariableTable;
        Slot* slot_ = nullptr;
        const std::string* name_ = nullptr;
    };

    // The clock answers [time], [day], [month] and [year]; the desktop holds the clipboard and the
    // dialog settings that the write hooks change.
    VariableTable(platform::System& system, platform::Desktop& desktop, NameScheme scheme);
    VariableTable(const VariableTable&) = delete;
    VariableTable& operator=(const VariableTable&) = delete;

    Handle handle(std::string_view name);
    // The handle of a variable named by an index text ("31"), as compiled programs name them. The
    // indices written the usual way (decimal, no leading zero) are kept in a table, so their names
    // need not be hashed; any other text is a name like any other.
    Handle handleOfIndex(std::string_view index);
    // The handle of a system variable, kept from the start.
    Handle handle(SystemVariable variable) const { return systemHandles_[static_cast<size_t>(variable)]; }

    // The value of a variable; computed names first, the empty text for a missing name.
    std::string get(std::string_view name) const;
    // Appends the value of get to out, without a temporary copy for stored values.
    void appendValue(std::string_view name, std::string& out) const;
    void appendValue(Handle variable, std::string& out) const;
    // The value without a copy where it is stored; computed values are built in scratch. The view
    // lasts until the variable or scratch changes.
    std::string_view view(Handle variable, std::string& scratch) const {
        const Slot& slot = *variable.slot_;
        if (slot.special != Special::none) return specialView(slot, scratch);
        return slot.record.value.view();
    }
    // The stored value of an ordinary variable, with no computing; false for a computed name.
    bool storedView(Handle variable, std::string_view& value) const {
        const Slot& slot = *variable.slot_;
        if (isComputed(slot.special)) return false;
        value = slot.record.value.view();
        return true;
    }
    // The number the value reads as, with the C library's atof rules (textToDouble); kept beside
    // a stored value until it changes.
    double number(Handle variable) const {
        const Slot& slot = *variable.slot_;
        if (slot.special == Special::none && slot.record.numberKnown) return slot.record.number;
        return readNumber(slot);
    }

    // Writing. Each runs the write hook of the name first, then stores the value, creating the
    // variable if needed; a value longer than valueLimit throws std::bad_alloc before anything
    // happens.
    void set(std::string_view name, std::string value) { set(handle(name), std::move(value)); }
    void set(Handle variable, std::string value);
    // Stores a copy of the bytes in the room the variable already has. The view may be of any
    // variable's value, the target's own included.
    void assign(Handle variable, std::string_view value) {
        // SmallText::assign copies correctly also from a part of the text itself.
        prepareWrite(variable, value).assign(value);
    }
    // Stores value and hands the variable's old value back in it, so that both rooms are reused.
    void exchange(Handle variable, SmallText& value) { prepareWrite(variable, value).swap(value); }
    // assign, for a text of which the caller knows that it reads as exactly this number.
    void assignNumber(Handle variable, std::string_view text, double number);

    // Creates the variable with the empty value unless it exists.
    void declare(std::string_view name);
    bool exists(std::string_view name) const;

    // The name a system variable has in this table.
    const std::string& nameOf(SystemVariable variable) const;
    std::string get(SystemVariable variable) const { return get(nameOf(variable)); }
    void set(SystemVariable variable, std::string value) { set(handle(variable), std::move(value)); }

    RecordList records() const { return RecordList(order_); }

    // Called with the name of every variable that grows the table beyond its free slots (the
    // debugger's automatic watch listens here).
    std::function<void(const std::string&)> onGrow;

    // Setting a longer value throws std::bad_alloc, which ends the run as out of memory.
    std::size_t valueLimit = SIZE_MAX;

  private:
    // Keep time to clipboard together: isComputed takes them as a range.
    enum class Special { none, time, year, month, day, clipboard, buttonCaption, infoBoxEnabled };
    struct Slot {
        Record record;                    // the value, once the variable exists
        bool exists = false;              // created by a write or a declaration
        Special special = Special::none;  // computed on reading, or a write hook
        SystemVariable variable{};        // which one, when special is not none
    };

    static constexpr size_t kInitialFreeSlots = 16;

    // time, year, month, day and clipboard are computed on reading (Special lists them together).
    static bool isComputed(Special special) { return special >= Special::time && special <= Special::clipboard; }
    std::string computedValue(Special special) const;
    void appendSlotValue(const Slot& slot, std::string& out) const;
    void runWriteHook(const Slot& slot, std::string_view value);
    // Checks the length, runs the hook and creates the variable: what every write does before it
    // stores.
    // An ordinary variable that exists takes the short way.
    SmallText& prepareWrite(Handle variable, std::string_view value) {
        Slot& slot = *variable.slot_;
        if (value.size() > valueLimit || slot.special != Special::none || !slot.exists) {
            return prepareFirstOrSpecialWrite(variable, value);
        }
        slot.record.numberKnown = false;
        return slot.record.value;
    }
    SmallText& prepareFirstOrSpecialWrite(Handle variable, std::string_view value);
    std::string_view specialView(const Slot& slot, std::string& scratch) const;
    double readNumber(const Slot& slot) const;
    void create(Handle variable);

    // Looked up with string_views as well as strings, without building a temporary string.
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };

    platform::System& system_;
    platform::Desktop& desktop_;
    std::vector<std::string> systemNames_;  // by system-variable index
    std::vector<Handle> systemHandles_;     // by system-variable index
    std::vector<Handle> indexHandles_;      // handleOfIndex: by index, once asked for
    // Every name ever used, with its value and behaviour; entries are never removed and the map
    // keeps each where it was created, so handles and views of values stay valid.
    std::unordered_map<std::string, Slot, NameHash, std::equal_to<>> slots_;
    std::vector<const Record*> order_;  // the existing variables in creation order
};

}  // namespace interp
