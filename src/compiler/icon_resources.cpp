// Finding the icon resources of a PE file: the headers lead to the section table and the resource
// directory, a tree of three levels (type, name, language) whose leaves point at the data.
#include "compiler/icon_resources.h"

#include <algorithm>

#include "compiler/icon_bytes.h"

namespace compiler {

namespace {

constexpr std::uint16_t kTypeIcon = 3;                // RT_ICON: one image
constexpr std::uint16_t kTypeGroupIcon = 14;          // RT_GROUP_ICON: the directory of an icon's images
constexpr std::uint32_t kSubdirectory = 0x80000000u;  // high bit of an entry's target, and of a name
constexpr std::size_t kDirectorySize = 16;            // IMAGE_RESOURCE_DIRECTORY
constexpr std::size_t kDirectoryEntrySize = 8;
constexpr std::size_t kDataEntrySize = 16;   // IMAGE_RESOURCE_DATA_ENTRY
constexpr std::size_t kGroupHeaderSize = 6;  // GRPICONDIR
constexpr std::size_t kGroupEntrySize = 14;  // GRPICONDIRENTRY
constexpr std::size_t kSectionSize = 40;     // IMAGE_SECTION_HEADER

struct Section {
    std::uint32_t virtualAddress;
    std::uint32_t virtualSize;
    std::uint32_t rawSize;
    std::uint32_t rawOffset;
};

// The program's sections and the bounds of its resource tree within the file.
struct ResourceTree {
    const std::string& program;
    std::vector<Section> sections;
    std::size_t root = 0;  // file offset of the root directory; the tree's offsets count from here
    std::size_t end = 0;   // end of the resource data in the file
};

struct DirectoryEntry {
    std::uint32_t name;    // a number, or with the high bit an offset of a name text
    std::uint32_t target;  // with the high bit a subdirectory, else a data entry
};

// The file offset where length bytes at the relative virtual address lie, if they lie in a
// section's data inside the file.
bool fileOffsetOf(const ResourceTree& tree, std::uint32_t rva, std::uint32_t length, std::size_t& offset) {
    for (const Section& section : tree.sections) {
        if (rva < section.virtualAddress) continue;
        std::uint32_t into = rva - section.virtualAddress;
        if (!fits(section.rawSize, into, length)) continue;
        std::uint64_t at = std::uint64_t{section.rawOffset} + into;
        if (!fits(tree.program.size(), at, length)) return false;
        offset = static_cast<std::size_t>(at);
        return true;
    }
    return false;
}

std::string readHeaders(const std::string& program, ResourceTree& tree, std::uint32_t& rva, std::uint32_t& size) {
    std::size_t pe = read32(program, 0x3C);
    std::size_t optional = pe + 24;
    std::uint16_t sectionCount = read16(program, pe + 6);
    std::uint16_t optionalSize = read16(program, pe + 20);
    if (optionalSize < 2 || !fits(program.size(), optional, optionalSize)) return "its optional header is cut off";
    std::uint16_t magic = read16(program, optional);
    if (magic != 0x10B && magic != 0x20B) return "its optional header is of an unknown kind";
    std::size_t countAt = magic == 0x10B ? 92 : 108;  // NumberOfRvaAndSizes, data directories behind it
    if (optionalSize < countAt + 4 || read32(program, optional + countAt) <= 2 || optionalSize < countAt + 4 + 3 * 8) {
        return "it has no resources";
    }
    rva = read32(program, optional + countAt + 4 + 2 * 8);
    size = read32(program, optional + countAt + 4 + 2 * 8 + 4);
    std::size_t table = optional + optionalSize;
    if (!fits(program.size(), table, sectionCount * kSectionSize)) return "its section table is cut off";
    for (std::size_t at = table; at < table + sectionCount * kSectionSize; at += kSectionSize) {
        tree.sections.push_back(
            {read32(program, at + 12), read32(program, at + 8), read32(program, at + 16), read32(program, at + 20)});
    }
    return {};
}

std::string openTree(const std::string& program, ResourceTree& tree) {
    std::uint32_t rva = 0, size = 0;
    std::string problem = readHeaders(program, tree, rva, size);
    if (!problem.empty()) return problem;
    if (rva == 0 || size < kDirectorySize) return "it has no resources";
    if (!fileOffsetOf(tree, rva, kDirectorySize, tree.root)) return "its resource directory lies outside the file";
    // The tree may reach as far as the section's data in the file, whatever the stated size.
    for (const Section& section : tree.sections) {
        if (rva >= section.virtualAddress && rva - section.virtualAddress < section.rawSize) {
            std::uint64_t end = std::uint64_t{section.rawOffset} + section.rawSize;
            tree.end = static_cast<std::size_t>(std::min<std::uint64_t>(end, program.size()));
        }
    }
    return {};
}

bool readDirectory(const ResourceTree& tree, std::uint32_t offset, std::vector<DirectoryEntry>& entries) {
    std::uint64_t at = std::uint64_t{tree.root} + offset;
    if (!fits(tree.end, at, kDirectorySize)) return false;
    std::size_t count = std::size_t{read16(tree.program, at + 12)} + read16(tree.program, at + 14);
    if (!fits(tree.end, at + kDirectorySize, count * kDirectoryEntrySize)) return false;
    entries.clear();
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t entry = static_cast<std::size_t>(at + kDirectorySize + i * kDirectoryEntrySize);
        entries.push_back({read32(tree.program, entry), read32(tree.program, entry + 4)});
    }
    return true;
}

// The entry with the number id; with useFirst, the first entry when none has that number.
const DirectoryEntry* pick(const std::vector<DirectoryEntry>& entries, std::uint32_t id, bool useFirst) {
    for (const DirectoryEntry& entry : entries) {
        if (entry.name == id) return &entry;
    }
    return useFirst && !entries.empty() ? &entries.front() : nullptr;
}

// The subdirectory that the entry picked from the directory at offset points to.
bool descend(const ResourceTree& tree, std::uint32_t offset, std::uint32_t id, bool useFirst, DirectoryEntry& found) {
    std::vector<DirectoryEntry> entries;
    if (!readDirectory(tree, offset, entries)) return false;
    const DirectoryEntry* entry = pick(entries, id, useFirst);
    if (!entry || !(entry->target & kSubdirectory)) return false;
    found = *entry;
    found.target &= ~kSubdirectory;
    return true;
}

// The data of the resource: type and number, in the first language listed for it.
std::string findData(const ResourceTree& tree, std::uint16_t type, std::uint32_t id, bool useFirst,
                     DirectoryEntry& name, ResourceData& data) {
    DirectoryEntry typeEntry{};
    if (!descend(tree, 0, type, false, typeEntry) || !descend(tree, typeEntry.target, id, useFirst, name)) {
        return "not found";
    }
    std::vector<DirectoryEntry> languages;
    if (!readDirectory(tree, name.target, languages) || languages.empty() ||
        (languages.front().target & kSubdirectory)) {
        return "its resource directory is damaged";
    }
    std::uint64_t entry = std::uint64_t{tree.root} + languages.front().target;
    if (!fits(tree.end, entry, kDataEntrySize)) return "its resource directory is damaged";
    data.entryOffset = static_cast<std::size_t>(entry);
    data.size = read32(tree.program, data.entryOffset + 4);
    if (!fileOffsetOf(tree, read32(tree.program, data.entryOffset), data.size, data.dataOffset)) {
        return "its resource data lies outside the file";
    }
    return {};
}

std::string readSlots(const ResourceTree& tree, ProgramIcon& icon) {
    const std::string& program = tree.program;
    std::size_t at = icon.group.dataOffset;
    if (icon.group.size < kGroupHeaderSize || read16(program, at) != 0 || read16(program, at + 2) != 1) {
        return "its icon group is damaged";
    }
    std::size_t count = read16(program, at + 4);
    if (icon.group.size < kGroupHeaderSize + count * kGroupEntrySize) return "its icon group is cut off";
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t entry = at + kGroupHeaderSize + i * kGroupEntrySize;
        IconSlot slot{entry,
                      read16(program, entry + 12),
                      static_cast<unsigned char>(program[entry]),
                      static_cast<unsigned char>(program[entry + 1]),
                      read16(program, entry + 6),
                      {}};
        if (slot.width == 0) slot.width = 256;
        if (slot.height == 0) slot.height = 256;
        DirectoryEntry name{};
        if (!findData(tree, kTypeIcon, slot.id, false, name, slot.image).empty()) {
            return "the image " + std::to_string(slot.id) + " of its icon group is missing";
        }
        icon.slots.push_back(slot);
    }
    return {};
}

}  // namespace

bool isWindowsProgram(const std::string& program) {
    if (program.size() < 0x40 || program.compare(0, 2, "MZ") != 0) return false;
    std::size_t pe = read32(program, 0x3C);
    return fits(program.size(), pe, 24) && program.compare(pe, 4, std::string("PE\0\0", 4)) == 0;
}

std::string findProgramIcon(const std::string& program, ProgramIcon& icon) {
    if (!isWindowsProgram(program)) return "it is not a Windows program";
    ResourceTree tree{program, {}};
    std::string problem = openTree(program, tree);
    if (!problem.empty()) return problem;
    DirectoryEntry name{};
    problem = findData(tree, kTypeGroupIcon, kRuntimeIconId, true, name, icon.group);
    if (problem == "not found") return "it has no icon";
    if (!problem.empty()) return problem;
    icon.groupId = (name.name & kSubdirectory) ? 0 : static_cast<std::uint16_t>(name.name);
    icon.slots.clear();
    return readSlots(tree, icon);
}

}  // namespace compiler
