// Icon files: the ICONDIR header, one ICONDIRENTRY per image, then the images.
#include "compiler/icon_file.h"

#include <cstdint>

#include "compiler/icon_bytes.h"

namespace compiler {

namespace {

constexpr std::size_t kHeaderSize = 6;  // ICONDIR: reserved, type, count
constexpr std::size_t kEntrySize = 16;  // ICONDIRENTRY
constexpr std::uint16_t kTypeIcon = 1;  // 2 would be a cursor file
constexpr std::size_t kBitmapHeaderSize = 40;

// Bits per pixel stated inside the image: the BITMAPINFOHEADER's biBitCount, or for a PNG stream
// its bit depth times the samples of its colour type. 0 when the image says nothing usable.
int bitCountInImage(const std::string& image) {
    if (image.size() >= kBitmapHeaderSize && read32(image, 0) == kBitmapHeaderSize) return read16(image, 14);
    if (image.size() >= 26 && image.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0) {
        int depth = static_cast<unsigned char>(image[24]);
        switch (image[25]) {
            case 0:
            case 3: return depth;      // grey, palette
            case 2: return depth * 3;  // RGB
            case 4: return depth * 2;  // grey with alpha
            case 6: return depth * 4;  // RGBA
        }
    }
    return 0;
}

std::string readEntry(const std::string& bytes, std::size_t entry, int number, IconImage& image) {
    std::uint32_t length = read32(bytes, entry + 8);
    std::uint32_t offset = read32(bytes, entry + 12);
    if (length == 0 || !fits(bytes.size(), offset, length)) {
        return "image " + std::to_string(number) + " lies outside the file";
    }
    image.width = bytes[entry] ? static_cast<unsigned char>(bytes[entry]) : 256;
    image.height = bytes[entry + 1] ? static_cast<unsigned char>(bytes[entry + 1]) : 256;
    image.colorCount = static_cast<unsigned char>(bytes[entry + 2]);
    image.planes = read16(bytes, entry + 4);
    image.data = bytes.substr(offset, length);
    image.bitCount = read16(bytes, entry + 6);
    if (image.bitCount == 0) image.bitCount = bitCountInImage(image.data);
    return {};
}

}  // namespace

std::string readIconFile(const std::string& bytes, std::vector<IconImage>& images) {
    if (bytes.size() < kHeaderSize || read16(bytes, 0) != 0 || read16(bytes, 2) != kTypeIcon) {
        return "not an icon file";
    }
    std::uint16_t count = read16(bytes, 4);
    if (count == 0) return "the icon file holds no image";
    if (!fits(bytes.size(), kHeaderSize, count * kEntrySize)) return "the icon file's directory is cut off";
    images.assign(count, IconImage{});
    for (int i = 0; i < count; ++i) {
        std::string problem = readEntry(bytes, kHeaderSize + i * kEntrySize, i + 1, images[i]);
        if (!problem.empty()) return problem;
    }
    return {};
}

std::string describeImage(int width, int height, int bitCount) {
    std::string text = std::to_string(width) + "x" + std::to_string(height);
    if (bitCount > 0) text += ", " + std::to_string(bitCount) + " bits per pixel";
    return text;
}

}  // namespace compiler
