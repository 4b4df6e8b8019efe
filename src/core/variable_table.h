// The variable table: every variable of a running script, with the names that are computed on
// reading and the names whose assignment acts on the dialog windows or the clipboard.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/system_variables.h"

namespace platform {
class Platform;
}

namespace interp {

// How system variables are named in the table: by their script names in the interpreter, by
// their index texts ("0", "25") in compiled programs.
enum class NameScheme { scriptNames, indexNames };

class VariableTable {
    struct Slot;

  public:
    struct Record {
        std::string name;   // compared exactly; never changes once set
        std::string value;  // any bytes
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

    VariableTable(platform::Platform& platform, NameScheme scheme);

    Handle handle(std::string_view name);

    // The value of a variable; computed names first, the empty text for a missing name.
    std::string get(std::string_view name) const;
    // Appends the value of get to out, without a temporary copy for stored values.
    void appendValue(std::string_view name, std::string& out) const;
    void appendValue(Handle variable, std::string& out) const;
    // The value without a copy where it is stored; computed values are built in scratch. The view
    // lasts until the variable or scratch changes.
    std::string_view view(Handle variable, std::string& scratch) const;
    // Runs the write hook of the name, then stores the value, creating the variable if needed.
    void set(std::string_view name, std::string value) { set(handle(name), std::move(value)); }
    void set(Handle variable, std::string value);
    // Creates the variable with the empty value unless it exists.
    void declare(std::string_view name);
    bool exists(std::string_view name) const;

    // The name a system variable has in this table.
    const std::string& nameOf(SystemVariable variable) const;
    std::string get(SystemVariable variable) const { return get(nameOf(variable)); }
    void set(SystemVariable variable, std::string value) { set(nameOf(variable), std::move(value)); }

    // Records in creation order.
    const std::vector<Record>& records() const { return records_; }

    // Called with the name of every variable that grows the table beyond its free slots (the
    // debugger's automatic watch listens here).
    std::function<void(const std::string&)> onGrow;

    // Setting a longer value throws std::bad_alloc, which ends the run as out of memory.
    std::size_t valueLimit = SIZE_MAX;

  private:
    enum class Special { none, time, year, month, day, clipboard, buttonCaption, infoBoxEnabled };
    struct Slot {
        int record = -1;                  // index into records_, or -1 while the name has none
        Special special = Special::none;  // computed on reading, or a write hook
        SystemVariable variable{};        // which one, when special is not none
    };

    static constexpr size_t kInitialFreeSlots = 16;

    static bool isComputed(Special special);
    std::string computedValue(Special special) const;
    void appendSlotValue(const Slot& slot, std::string& out) const;
    void runWriteHook(const Slot& slot, const std::string& value);
    int addRecord(const std::string& name);

    // Looked up with string_views as well as strings, without building a temporary string.
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };

    platform::Platform& platform_;
    std::vector<std::string> systemNames_;  // by system-variable index
    std::vector<Record> records_;
    // Every name ever used, with its record and behaviour; entries are never removed, so
    // handles into it stay valid.
    std::unordered_map<std::string, Slot, NameHash, std::equal_to<>> slots_;
};

// Sets the system variables that have a fixed start value to it, in the order given (the order
// in which their write hooks act).
void setFixedStartValues(VariableTable& vars, std::initializer_list<SystemVariable> order);

}  // namespace interp
