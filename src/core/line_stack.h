// A stack of line numbers with room for 200 entries (the GOSUB and REPEAT stacks).
#pragma once

#include <array>
#include <vector>

namespace interp {

class LineStack {
  public:
    static constexpr int kCapacity = 200;

    // False when all entries are in use; the caller reports the overflow.
    bool push(int line) {
        if (size_ == kCapacity) return false;
        entries_[size_++] = line;
        return true;
    }
    void pop() {
        if (size_ > 0) --size_;
    }
    bool empty() const { return size_ == 0; }
    int top() const { return entries_[size_ - 1]; }
    void clear() { size_ = 0; }

    std::vector<int> contents() const { return {entries_.begin(), entries_.begin() + size_}; }
    void assign(const std::vector<int>& lines) {
        clear();
        for (int line : lines) push(line);
    }

  private:
    std::array<int, kCapacity> entries_{};
    int size_ = 0;
};

}  // namespace interp
