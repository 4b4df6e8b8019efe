// Reading and saving script files with the C library, whose narrow paths are the system's own
// 8-bit names on every platform.
#include "ide/document_file.h"

#include <sys/stat.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#ifndef _WIN32
#include <filesystem>
#endif

namespace ide {

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// For reading and for asking whether a file may be written; writes go through writeWhole, which
// checks its close.
File openFile(const std::string& path, const char* mode) { return File(std::fopen(path.c_str(), mode), std::fclose); }

std::string failure(const char* action, const std::string& path, int error) {
    return std::string("Could not ") + action + " " + path + ": " + std::strerror(error);
}

// A name beside the path that no file has yet.
std::string unusedSibling(const std::string& path, const char* suffix) {
    for (int attempt = 0;; ++attempt) {
        std::string candidate = path + suffix + (attempt ? std::to_string(attempt) : "");
        if (!documentFileExists(candidate) || attempt == 1000) return candidate;
    }
}

// Writes all of the text and closes the file; the error number, or 0.
int writeWhole(const std::string& path, std::string_view text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return errno;
    int error = 0;
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fflush(file) != 0) error = errno;
    if (std::fclose(file) != 0 && !error) error = errno;
    return error;
}

// The file a save must replace: on Linux the file a symbolic link points to, so the link stays,
// with the old file's permissions carried over to the new one.
std::string replacedFile(const std::string& path) {
#ifndef _WIN32
    std::error_code ignored;
    if (std::filesystem::is_symlink(path, ignored)) {
        auto target = std::filesystem::canonical(path, ignored);
        if (!ignored) return target.string();
    }
#endif
    return path;
}

void keepPermissions([[maybe_unused]] const std::string& from, [[maybe_unused]] const std::string& to) {
#ifndef _WIN32
    std::error_code ignored;
    auto status = std::filesystem::status(from, ignored);
    if (!ignored && std::filesystem::exists(status)) std::filesystem::permissions(to, status.permissions(), ignored);
#endif
}

// Puts the complete new file in the target's place. A rename replaces the target where the
// system allows it; where it refuses because the target exists (Windows), the old file is moved
// aside first and moved back if the new one cannot take its place.
int replaceWith(const std::string& target, const std::string& written) {
    if (std::rename(written.c_str(), target.c_str()) == 0) return 0;
    int error = errno;
#ifdef _WIN32
    if (!openFile(target, "rb")) return error;
    std::string aside = unusedSibling(target, ".old");
    if (std::rename(target.c_str(), aside.c_str()) != 0) return errno;
    if (std::rename(written.c_str(), target.c_str()) != 0) {
        error = errno;
        std::rename(aside.c_str(), target.c_str());
        return error;
    }
    std::remove(aside.c_str());
    return 0;
#else
    return error;
#endif
}

}  // namespace

FileRead readDocumentFile(const std::string& path) {
    FileRead result;
    File file = openFile(path, "rb");
    if (!file) {
        result.error = failure("open", path, errno);
        return result;
    }
    char buffer[16384];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) result.text.append(buffer, count);
    if (std::ferror(file.get())) result.error = failure("read", path, errno);
    return result;
}

std::string saveDocumentFile(const std::string& path, std::string_view text) {
    std::string target = replacedFile(path);
    // A file the user may not write to stays as it is, though its folder would let it be replaced.
    if (!openFile(target, "r+b") && errno != ENOENT) return failure("save", path, errno);
    std::string written = unusedSibling(target, ".saving");
    int error = writeWhole(written, text);
    if (!error) {
        keepPermissions(target, written);
        error = replaceWith(target, written);
    }
    if (!error) return "";
    std::remove(written.c_str());
    return failure("save", path, error);
}

// stat takes the narrow name as fopen does; Linux gives the write time to the nanosecond.
FileStamp fileStampOf(const std::string& path) {
#ifdef _WIN32
    struct _stat64 status {};
    if (_stat64(path.c_str(), &status) != 0) return {};
    return {static_cast<long long>(status.st_size), static_cast<long long>(status.st_mtime)};
#else
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return {};
    return {static_cast<long long>(status.st_size),
            static_cast<long long>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
#endif
}

bool documentFileExists(const std::string& path) {
    if (openFile(path, "rb")) return true;
    return errno != ENOENT && errno != ENOTDIR;
}

}  // namespace ide
