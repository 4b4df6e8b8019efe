// The process environment on POSIX systems, which programs started later inherit.
//
// A script changes the environment while other threads of the process read it: the GTK desktop's
// thread draws the windows, and Xlib and cairo look up HOME, XENVIRONMENT or CAIRO_DEBUG as they
// draw. The C library's setenv may move the variable array and free the old one under such a
// reader. So changes are made here, in a way a concurrent getenv survives: no array and no text
// that `environ` ever pointed to is freed, a slot changes in one pointer store, and a longer array
// is filled before it is published.
#include "platform/environment.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <set>
#include <type_traits>
#include <vector>

extern char** environ;

namespace platform {

namespace {

class PosixEnvironment final : public Environment {
  public:
    std::optional<std::string> value(const std::string& name) override;
    bool put(const std::string& assignment) override;
};

// What the changes keep alive. It is never destroyed: another thread may read the environment
// while the process ends.
struct Arrays {
    std::mutex writers;
    // Every "NAME=value" text ever put, once each, as the C library's setenv keeps them.
    std::set<std::string> texts;
    // Every array made here, so that they stay reachable though never freed; the last one is
    // `environ` unless somebody else replaced it since.
    std::vector<char**> made;
    size_t capacity = 0;
};

Arrays& arrays() {
    static Arrays* kept = new Arrays;
    return *kept;
}

// One store a reader on another thread sees whole, after the stores before it.
template <typename T>
void publish(T* slot, std::type_identity_t<T> value) {
    __atomic_store_n(slot, value, __ATOMIC_RELEASE);
}

size_t countEntries(char** entries) {
    size_t count = 0;
    while (entries && entries[count]) ++count;
    return count;
}

// The index of "name=..." or the entry count when there is none.
size_t findEntry(char** entries, size_t count, const std::string& name) {
    for (size_t i = 0; i < count; ++i) {
        if (std::strncmp(entries[i], name.c_str(), name.size()) == 0 && entries[i][name.size()] == '=') return i;
    }
    return count;
}

void removeEntry(char** entries, size_t count, size_t index) {
    // The last entry takes the hole, then the array ends one earlier. A reader at that moment may
    // miss the moved variable once, as with the C library's unsetenv; it never reads freed memory.
    publish(&entries[index], entries[count - 1]);
    publish(&entries[count - 1], nullptr);
}

void addEntry(Arrays& kept, char** entries, size_t count, char* entry) {
    if (!kept.made.empty() && entries == kept.made.back() && count + 2 <= kept.capacity) {
        entries[count + 1] = nullptr;
        publish(&entries[count], entry);
        return;
    }
    size_t capacity = 2 * (count + 2);
    kept.made.reserve(kept.made.size() + 1);
    auto* grown = new char*[capacity];
    std::copy(entries, entries + count, grown);
    grown[count] = entry;
    grown[count + 1] = nullptr;
    kept.made.push_back(grown);
    kept.capacity = capacity;
    publish(&environ, grown);
}

// Sets name to value, or removes it when value is nullopt.
void setVariable(const std::string& name, const std::optional<std::string>& value) {
    Arrays& kept = arrays();
    std::lock_guard<std::mutex> lock(kept.writers);
    char** entries = environ;
    size_t count = countEntries(entries);
    size_t index = findEntry(entries, count, name);
    if (!value) {
        // The environment a program starts with may hold a name twice; none of them stays.
        for (; index < count; index = findEntry(entries, --count, name)) removeEntry(entries, count, index);
        return;
    }
    char* entry = const_cast<char*>(kept.texts.insert(name + "=" + *value).first->c_str());
    if (index < count) {
        publish(&entries[index], entry);
    } else {
        addEntry(kept, entries, count, entry);
    }
}

}  // namespace

std::unique_ptr<Environment> createNativeEnvironment() { return std::make_unique<PosixEnvironment>(); }

std::optional<std::string> PosixEnvironment::value(const std::string& name) {
    // A name with "=" would match the middle of another variable's entry; one with a NUL byte
    // would be cut short.
    if (name.empty() || name.find_first_of(std::string("=\0", 2)) != std::string::npos) return std::nullopt;
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
}

bool PosixEnvironment::put(const std::string& assignment) {
    size_t equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0) return false;
    std::string name = assignment.substr(0, equals);
    if (name.find('\0') != std::string::npos) return false;
    std::string value = assignment.substr(equals + 1);
    try {
        // A value ends at a NUL byte, as a C string does; only an empty one removes the variable.
        setVariable(name, value.empty() ? std::nullopt : std::optional<std::string>(value.c_str()));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

}  // namespace platform
