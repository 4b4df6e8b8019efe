// Asks Windows which icon images it finds in a program: for the small and the large icon size,
// the image the icon group offers, its size in bytes, a checksum of its bytes and whether an icon
// can be made of it. The Wine tests compare this with the icon file given to vellink.
//
// Usage: icon_check PROGRAM   Output: one line per size, "SIZE: id ID, BYTES bytes, sum SUM, icon WxH"
// Exit codes: 0 done, 1 the program or its icon group 1000 cannot be loaded.
#include <windows.h>

#include <cstdio>

namespace {

// FNV-1a, 32 bits: the test computes the same sum of the icon file's images.
unsigned long checksum(const unsigned char* bytes, DWORD count) {
    unsigned long sum = 2166136261ul;
    for (DWORD i = 0; i < count; ++i) sum = ((sum ^ bytes[i]) * 16777619ul) & 0xFFFFFFFFul;
    return sum;
}

void describe(HMODULE program, PBYTE group, int size) {
    int id = LookupIconIdFromDirectoryEx(group, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC found = id ? FindResourceA(program, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3)) : nullptr;
    if (!found) {
        std::printf("%d: no image\n", size);
        return;
    }
    DWORD bytes = SizeofResource(program, found);
    PBYTE image = static_cast<PBYTE>(LockResource(LoadResource(program, found)));
    HICON icon = CreateIconFromResourceEx(image, bytes, TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
    int width = 0, height = 0;
    ICONINFO info{};
    if (icon && GetIconInfo(icon, &info)) {
        BITMAP bitmap{};
        GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
        width = bitmap.bmWidth;
        height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
    }
    std::printf("%d: id %d, %lu bytes, sum %08lx, icon %dx%d\n", size, id, static_cast<unsigned long>(bytes),
                checksum(image, bytes), width, height);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 1;
    HMODULE program = LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = program ? FindResourceA(program, MAKEINTRESOURCEA(1000), MAKEINTRESOURCEA(14)) : nullptr;
    if (!found) return 1;
    PBYTE group = static_cast<PBYTE>(LockResource(LoadResource(program, found)));
    describe(program, group, 16);
    describe(program, group, 32);
    return 0;
}
