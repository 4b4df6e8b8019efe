// Growing the room of a SmallText.
#include "core/small_text.h"

#include <algorithm>

namespace interp {

namespace {

// Growing by half again at least keeps a text that grows by small steps from copying itself each
// time.
size_t roomFor(size_t size, size_t room) { return std::max(size, room + room / 2); }

}  // namespace

void SmallText::grow(size_t size) {
    size_t room = roomFor(size, room_);
    char* heap = new char[room];
    if (size_ > 0) std::memcpy(heap, data(), size_);
    if (onHeap()) delete[] storage_.heap;
    storage_.heap = heap;
    room_ = room;
}

void SmallText::growDiscarding(size_t size) {
    size_t room = roomFor(size, room_);
    char* heap = new char[room];
    if (onHeap()) delete[] storage_.heap;
    storage_.heap = heap;
    room_ = room;
    size_ = 0;
}

}  // namespace interp
