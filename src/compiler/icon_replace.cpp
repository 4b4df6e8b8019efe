// Matching an icon file's images to the images of a program's icon group, and writing them.
#include "compiler/icon_replace.h"

#include <algorithm>
#include <cstdint>

#include "compiler/icon_bytes.h"
#include "compiler/icon_resources.h"

namespace compiler {

namespace {

constexpr std::size_t kGroupHeaderSize = 6;  // GRPICONDIR
constexpr std::size_t kGroupEntrySize = 14;  // GRPICONDIRENTRY
constexpr int kNone = -1;

bool sameSize(const IconImage& image, const IconSlot& slot) {
    return image.width == slot.width && image.height == slot.height;
}

// The unused image of the slot's size that goes into it: the same depth when it fits, else the
// deepest that fits. kNone when there is no image of that size; problem says why none fits.
int chooseImage(const IconSlot& slot, const std::vector<IconImage>& images, const std::vector<bool>& used,
                std::string& problem) {
    int chosen = kNone;
    int smallest = kNone;
    for (int i = 0; i < static_cast<int>(images.size()); ++i) {
        const IconImage& image = images[i];
        if (used[i] || !sameSize(image, slot)) continue;
        if (smallest == kNone || image.data.size() < images[smallest].data.size()) smallest = i;
        if (image.data.size() > slot.image.size) continue;
        if (chosen == kNone || (image.bitCount == slot.bitCount && images[chosen].bitCount != slot.bitCount) ||
            (images[chosen].bitCount != slot.bitCount && image.bitCount > images[chosen].bitCount)) {
            chosen = i;
        }
    }
    if (chosen == kNone && smallest != kNone) {
        const IconImage& image = images[smallest];
        problem = "its " + describeImage(image.width, image.height, image.bitCount) + " image (" +
                  std::to_string(image.data.size()) + " bytes) does not fit in the room of the runtime's " +
                  describeImage(slot.width, slot.height, slot.bitCount) + " image (" + std::to_string(slot.image.size) +
                  " bytes)";
    }
    return chosen;
}

// Writes the image into the slot's resource, filling the rest of its room with zeros, and
// describes it in the group's entry number index.
void placeImage(std::string& program, const ProgramIcon& icon, const IconSlot& slot, const IconImage& image,
                std::size_t index) {
    program.replace(slot.image.dataOffset, image.data.size(), image.data);
    std::fill_n(program.begin() + static_cast<std::ptrdiff_t>(slot.image.dataOffset + image.data.size()),
                slot.image.size - image.data.size(), '\0');
    write32(program, slot.image.entryOffset + 4, static_cast<std::uint32_t>(image.data.size()));

    std::size_t entry = icon.group.dataOffset + kGroupHeaderSize + index * kGroupEntrySize;
    program[entry] = static_cast<char>(image.width & 0xFF);  // 256 is written as 0
    program[entry + 1] = static_cast<char>(image.height & 0xFF);
    program[entry + 2] = static_cast<char>(image.colorCount);
    program[entry + 3] = 0;
    write16(program, entry + 4, static_cast<std::uint16_t>(image.planes ? image.planes : 1));
    write16(program, entry + 6, static_cast<std::uint16_t>(image.bitCount));
    write32(program, entry + 8, static_cast<std::uint32_t>(image.data.size()));
    write16(program, entry + 12, slot.id);
}

// Shortens the group to the count of images placed; the entries behind them become zeros.
void closeGroup(std::string& program, const ProgramIcon& icon, std::size_t placed) {
    std::size_t header = icon.group.dataOffset;
    write16(program, header + 4, static_cast<std::uint16_t>(placed));
    std::size_t used = kGroupHeaderSize + placed * kGroupEntrySize;
    std::fill_n(program.begin() + static_cast<std::ptrdiff_t>(header + used), icon.group.size - used, '\0');
    write32(program, icon.group.entryOffset + 4, static_cast<std::uint32_t>(used));
}

std::string sizesOf(const ProgramIcon& icon) {
    std::string text;
    for (const IconSlot& slot : icon.slots)
        text += (text.empty() ? "" : ", ") + describeImage(slot.width, slot.height, 0);
    return text;
}

}  // namespace

std::string replaceProgramIcon(std::string& program, const std::vector<IconImage>& images,
                               std::vector<std::string>& notes) {
    ProgramIcon icon;
    std::string problem = findProgramIcon(program, icon);
    if (!problem.empty()) return "cannot place an icon in the runtime: " + problem;

    // Choose first, write afterwards: a refusal leaves the program as it was.
    std::vector<bool> used(images.size(), false);
    std::vector<int> choice(icon.slots.size(), kNone);
    for (std::size_t s = 0; s < icon.slots.size(); ++s) {
        choice[s] = chooseImage(icon.slots[s], images, used, problem);
        if (!problem.empty()) return problem;
        if (choice[s] != kNone) used[choice[s]] = true;
    }
    bool anyPlaced = false;
    for (bool isUsed : used) anyPlaced = anyPlaced || isUsed;
    if (!anyPlaced) return "it has no image of a size the runtime's icon holds (" + sizesOf(icon) + ")";

    std::size_t placed = 0;
    for (std::size_t s = 0; s < icon.slots.size(); ++s) {
        const IconSlot& slot = icon.slots[s];
        if (choice[s] != kNone) {
            placeImage(program, icon, slot, images[choice[s]], placed++);
        } else {
            notes.push_back("the program's icon has no " + describeImage(slot.width, slot.height, 0) +
                            " image: the icon file holds none of that size");
        }
    }
    closeGroup(program, icon, placed);
    for (std::size_t i = 0; i < images.size(); ++i) {
        if (used[i]) continue;
        const IconImage& image = images[i];
        notes.push_back("its " + describeImage(image.width, image.height, image.bitCount) +
                        " image is left out: the runtime's icon has no room for it");
    }
    return {};
}

}  // namespace compiler
