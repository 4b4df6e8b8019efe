// Icon files: the directory, the images and their depths; and telling Windows programs apart.
#include "compiler/icon_file.h"

#include <gtest/gtest.h>

#include "compiler/icon_resources.h"

namespace {

using compiler::IconImage;
using compiler::readIconFile;

void put16(std::string& bytes, std::uint16_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}

void put32(std::string& bytes, std::uint32_t value) {
    put16(bytes, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(bytes, static_cast<std::uint16_t>(value >> 16));
}

struct Entry {
    int width, height, colours, planes, bits;
    std::string data;
};

std::string iconFile(const std::vector<Entry>& entries, std::uint16_t type = 1) {
    std::string bytes;
    put16(bytes, 0);
    put16(bytes, type);
    put16(bytes, static_cast<std::uint16_t>(entries.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (const Entry& entry : entries) {
        bytes += static_cast<char>(entry.width & 0xFF);
        bytes += static_cast<char>(entry.height & 0xFF);
        bytes += static_cast<char>(entry.colours);
        bytes += '\0';
        put16(bytes, static_cast<std::uint16_t>(entry.planes));
        put16(bytes, static_cast<std::uint16_t>(entry.bits));
        put32(bytes, static_cast<std::uint32_t>(entry.data.size()));
        put32(bytes, offset);
        offset += static_cast<std::uint32_t>(entry.data.size());
    }
    for (const Entry& entry : entries) bytes += entry.data;
    return bytes;
}

// A BITMAPINFOHEADER with the bit count, followed by filler.
std::string bitmap(std::uint16_t bits, std::size_t filler) {
    std::string bytes;
    put32(bytes, 40);
    put32(bytes, 16);
    put32(bytes, 32);
    put16(bytes, 1);
    put16(bytes, bits);
    bytes.append(24, '\0');
    bytes.append(filler, 'x');
    return bytes;
}

TEST(IconFile, ReadsEveryImageWithItsFacts) {
    std::vector<IconImage> images;
    std::string first = bitmap(32, 10), second = bitmap(8, 20);
    ASSERT_EQ(readIconFile(iconFile({{16, 16, 0, 1, 32, first}, {256, 256, 16, 1, 8, second}}), images), "");
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].width, 16);
    EXPECT_EQ(images[0].height, 16);
    EXPECT_EQ(images[0].bitCount, 32);
    EXPECT_EQ(images[0].data, first);
    EXPECT_EQ(images[1].width, 256);  // stored as 0
    EXPECT_EQ(images[1].height, 256);
    EXPECT_EQ(images[1].colorCount, 16);
    EXPECT_EQ(images[1].bitCount, 8);
    EXPECT_EQ(images[1].data, second);
}

TEST(IconFile, DepthComesFromTheBitmapWhenTheDirectorySaysNothing) {
    std::vector<IconImage> images;
    ASSERT_EQ(readIconFile(iconFile({{32, 32, 0, 0, 0, bitmap(24, 4)}}), images), "");
    EXPECT_EQ(images[0].bitCount, 24);
}

TEST(IconFile, DepthComesFromThePngHeaderWhenTheDirectorySaysNothing) {
    std::string png("\x89PNG\r\n\x1a\n", 8);
    png += std::string("\0\0\0\x0dIHDR", 8);
    png += std::string("\0\0\1\0\0\0\1\0", 8);  // 256 x 256
    png += std::string("\x08\x06", 2);          // 8 bits, RGBA
    std::vector<IconImage> images;
    ASSERT_EQ(readIconFile(iconFile({{0, 0, 0, 0, 0, png}}), images), "");
    EXPECT_EQ(images[0].bitCount, 32);
}

TEST(IconFile, RefusesWhatIsNotAnIconFile) {
    std::vector<IconImage> images;
    EXPECT_EQ(readIconFile("", images), "not an icon file");
    EXPECT_EQ(readIconFile("GIF89a...", images), "not an icon file");
    EXPECT_EQ(readIconFile(iconFile({{16, 16, 0, 1, 32, bitmap(32, 1)}}, 2), images), "not an icon file");  // a cursor
    EXPECT_EQ(readIconFile(iconFile({}), images), "the icon file holds no image");
}

TEST(IconFile, RefusesImagesOutsideTheFile) {
    std::vector<IconImage> images;
    std::string bytes = iconFile({{16, 16, 0, 1, 32, bitmap(32, 100)}});
    EXPECT_EQ(readIconFile(bytes.substr(0, bytes.size() - 1), images), "image 1 lies outside the file");
    EXPECT_EQ(readIconFile(bytes.substr(0, 6 + 15), images), "the icon file's directory is cut off");
    std::string empty = iconFile({{16, 16, 0, 1, 32, ""}});
    EXPECT_EQ(readIconFile(empty, images), "image 1 lies outside the file");
}

TEST(WindowsProgram, NeedsTheMzHeaderAndThePeSignatureItPointsTo) {
    std::string program(0x80, '\0');
    program[0] = 'M';
    program[1] = 'Z';
    program[0x3C] = 0x40;
    EXPECT_FALSE(compiler::isWindowsProgram(program));
    program.replace(0x40, 4, std::string("PE\0\0", 4));
    EXPECT_TRUE(compiler::isWindowsProgram(program));
    EXPECT_FALSE(compiler::isWindowsProgram(program.substr(0, 0x50)));  // the COFF header is cut off
    EXPECT_FALSE(
        compiler::isWindowsProgram("\x7f"
                                   "ELF" +
                                   std::string(0x80, '\0')));
    program[0x3C] = '\x7f';  // points beyond the end
    EXPECT_FALSE(compiler::isWindowsProgram(program));
}

TEST(WindowsProgram, WithoutResourcesItHasNoIcon) {
    std::string program(0x200, '\0');
    program.replace(0, 2, "MZ");
    program[0x3C] = 0x40;
    program.replace(0x40, 4, std::string("PE\0\0", 4));
    program[0x40 + 20] = static_cast<char>(224);  // optional header size
    program[0x58] = 0x0B;                         // PE32 magic 0x10B
    program[0x59] = 0x01;
    program[0x58 + 92] = 16;  // 16 data directories, all empty
    compiler::ProgramIcon icon;
    EXPECT_EQ(compiler::findProgramIcon(program, icon), "it has no resources");
}

}  // namespace
