// The text of a variable: bytes of any value (NUL included) with an explicit length, kept inside
// the object up to kInlineRoom bytes and on the heap beyond.
//
// Variables are written far more often than they grow, so writing reuses the room a text has:
// assigning is a length check and one copy, and exchanging two texts swaps them without copying
// the heap bytes. Unlike std::string it moves as plain bytes and keeps no terminating NUL.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace interp {

class SmallText {
  public:
    static constexpr size_t kInlineRoom = 32;

    SmallText() noexcept = default;
    explicit SmallText(std::string_view text) { assign(text); }
    SmallText(const SmallText& other) { assign(other.view()); }
    SmallText(SmallText&& other) noexcept : size_(other.size_), room_(other.room_), storage_(other.storage_) {
        other.size_ = 0;
        other.room_ = kInlineRoom;
    }
    SmallText& operator=(const SmallText& other) {
        assign(other.view());
        return *this;
    }
    SmallText& operator=(SmallText&& other) noexcept {
        swap(other);
        return *this;
    }
    ~SmallText() {
        if (onHeap()) delete[] storage_.heap;
    }

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const char* data() const { return onHeap() ? storage_.heap : storage_.bytes; }
    char* data() { return onHeap() ? storage_.heap : storage_.bytes; }
    std::string_view view() const { return std::string_view(data(), size_); }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }

    // Copies the bytes in; the view may be of this text itself.
    void assign(std::string_view text) {
        if (text.size() > room_) {
            // Larger than the room, so the bytes cannot lie inside it.
            growDiscarding(text.size());
        }
        char* to = data();
        if (!text.empty()) std::memmove(to, text.data(), text.size());
        size_ = text.size();
    }
    void clear() { size_ = 0; }
    // Room for at least size bytes; the bytes there stay.
    void reserve(size_t size) {
        if (size > room_) grow(size);
    }
    // Appends bytes that do not lie inside this text.
    void append(std::string_view text) {
        reserve(size_ + text.size());
        if (!text.empty()) std::memcpy(data() + size_, text.data(), text.size());
        size_ += text.size();
    }

    void swap(SmallText& other) noexcept {
        SmallText* a = this;
        SmallText* b = &other;
        std::swap(a->size_, b->size_);
        std::swap(a->room_, b->room_);
        std::swap(a->storage_, b->storage_);
    }

    friend bool operator==(const SmallText& text, std::string_view other) { return text.view() == other; }

  private:
    bool onHeap() const { return room_ > kInlineRoom; }
    // New room for at least size bytes, keeping the bytes.
    void grow(size_t size);
    // The same without keeping them.
    void growDiscarding(size_t size);

    size_t size_ = 0;
    size_t room_ = kInlineRoom;  // bytes the text can hold without growing
    union Storage {
        char bytes[kInlineRoom];
        char* heap;
    } storage_{};
};

}  // namespace interp
