// The icon resources of a Windows program (PE file): where the program's icon group and the images
// it lists lie in the file, so that they can be overwritten in place. Plain byte parsing: it runs
// on every platform and needs no Windows headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/program_icon.h"

namespace compiler {

inline constexpr std::uint16_t kRuntimeIconId = platform::kProgramIconId;  // the runtime's program icon

// One resource's data as it lies in the file.
struct ResourceData {
    std::size_t entryOffset;  // file offset of its IMAGE_RESOURCE_DATA_ENTRY (the size is at +4)
    std::size_t dataOffset;   // file offset of its bytes
    std::uint32_t size;       // its length in bytes: the room an overwriting image has
};

// One image of the icon group: its directory entry in the group and its RT_ICON resource.
struct IconSlot {
    std::size_t groupEntryOffset;  // file offset of its GRPICONDIRENTRY
    std::uint16_t id;              // the RT_ICON resource's number
    int width;                     // as the group entry states (256 for 0)
    int height;
    int bitCount;
    ResourceData image;
};

// The program's icon: its RT_GROUP_ICON resource and the images it lists.
struct ProgramIcon {
    std::uint16_t groupId;  // 0 when the group is named by a text
    ResourceData group;
    std::vector<IconSlot> slots;
};

// True when the bytes start like a Windows program ("MZ", then the "PE" signature it points to).
bool isWindowsProgram(const std::string& program);

// Finds the program's icon: the icon group with the number kRuntimeIconId, or the first icon
// group when there is none of that number. Returns what is wrong, or an empty text when found.
std::string findProgramIcon(const std::string& program, ProgramIcon& icon);

}  // namespace compiler
