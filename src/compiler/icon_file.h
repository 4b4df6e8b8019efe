// Icon files (.ico): a directory of images, each a bitmap (BITMAPINFOHEADER, colours, mask) or a
// PNG stream, with the size and colour depth the directory states for it.
#pragma once

#include <string>
#include <vector>

namespace compiler {

struct IconImage {
    int width;         // in pixels, 1 to 256
    int height;        // in pixels, 1 to 256
    int colorCount;    // palette entries as the directory states them (0 for 256 and more)
    int planes;        // colour planes, as stated (normally 1)
    int bitCount;      // bits per pixel; taken from the image itself when the directory says 0
    std::string data;  // the image bytes, as they go into an RT_ICON resource
};

// Reads the images of an icon file's bytes. Returns what is wrong with the file, or an empty
// text when every image was read.
std::string readIconFile(const std::string& bytes, std::vector<IconImage>& images);

// "16x16, 32 bits per pixel": how messages name an image.
std::string describeImage(int width, int height, int bitCount);

}  // namespace compiler
