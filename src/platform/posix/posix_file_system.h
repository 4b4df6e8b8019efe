// The file system on POSIX systems, whose parts live in several files by concern.
#pragma once

#include "platform/file_system.h"

namespace platform {

class PosixFileSystem final : public FileSystem {
  public:
    bool shellOperation(ShellOperation operation, const std::string& source, const std::string& target) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    bool setAttributes(const std::string& path, std::uint32_t attributes) override;
    Stream openStream(const std::string& name, const char* mode) override;
    std::unique_ptr<FileWrite> startWrite(const std::string& name, FileWriteMode mode) override;
    std::optional<FileStamp> streamStamp(std::FILE* stream) override;
    std::optional<FileStamp> readableStamp(const std::string& name) override;
    bool appendText(const std::string& name, std::string_view bytes) override;
    bool sameFile(const std::string& first, const std::string& second) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool changeDirectory(const std::string& path) override;
    bool makeDirectory(const std::string& path) override;
    bool removeDirectory(const std::string& path) override;
    std::unique_ptr<FileSearch> startSearch(const std::string& pattern, std::string& firstName) override;
    bool removeFile(const std::string& path) override;
    Stream openFile(const std::string& name, const char* mode) override;
    std::string writeProgramFile(const std::string& path, std::string_view bytes) override;
};

}  // namespace platform
