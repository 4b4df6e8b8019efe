// Loading and splitting the intermediate code.
#include "code/code_image.h"

#include <cstdio>

#include "code/opcodes.h"

namespace code {

std::unique_ptr<CodeImage> CodeImage::readFile(const std::string& path, std::uint32_t offset) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return nullptr;
    auto image = std::unique_ptr<CodeImage>(new CodeImage);
    // A file shorter than the offset has no code: the program ends at once.
    if (offset > 0 && std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0) {
        char buffer[65536];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) image->bytes_.append(buffer, got);
    }
    std::fclose(file);  // the file was only read: closing it cannot lose anything
    image->split();
    return image;
}

std::unique_ptr<CodeImage> CodeImage::fromBytes(std::string code) {
    auto image = std::unique_ptr<CodeImage>(new CodeImage);
    image->bytes_ = std::move(code);
    image->split();
    return image;
}

bool CodeImage::endsWithEndMarker() const {
    return !lines_.empty() && lines_.back() == code::kEndMarker &&
           bytes_.size() == static_cast<size_t>(lines_.back().data() - bytes_.data()) + lines_.back().size() + 1;
}

void CodeImage::split() {
    std::string_view rest = bytes_;
    for (size_t end; (end = rest.find(code::kLineTerminator)) != std::string_view::npos;) {
        lines_.push_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
}

}  // namespace code
