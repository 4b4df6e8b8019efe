// Wildcard masks of the file commands on POSIX systems, shared by the file system and the unit
// tests' in-memory file system.
#pragma once

namespace platform {

// "*" matches any run of characters (also none and a leading "."), "?" exactly one. Retries from
// the last "*" only, so the time stays linear in the mask times the name, whatever a script writes.
inline bool matchesMask(const char* mask, const char* name) {
    const char* star = nullptr;  // the last "*" seen, to retry from when a later part fails
    const char* resume = nullptr;
    while (*name) {
        if (*mask == '*') {
            star = mask++;
            resume = name;
        } else if (*mask == '?' || *mask == *name) {
            ++mask;
            ++name;
        } else if (star) {
            mask = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*mask == '*') ++mask;
    return *mask == '\0';
}

}  // namespace platform
