// The in-memory system of the fake platform.
#include "memory_system.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "platform/posix/wildcard.h"

namespace velmish_test {

namespace attribute = platform::attribute;

namespace {

// "/a/b" is in "/a"; everything but "/" is in "/".
bool isInside(const std::string& path, const std::string& folder) {
    if (folder == "/") return path != "/";
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == '/';
}

std::string parentOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string lastName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

std::string joined(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

class ListedSearch : public platform::FileSearch {
  public:
    explicit ListedSearch(std::vector<std::string> names) : names_(std::move(names)) {}
    std::optional<std::string> next() override {
        if (next_ >= names_.size()) return std::nullopt;
        return names_[next_++];
    }

  private:
    std::vector<std::string> names_;
    size_t next_ = 0;
};

}  // namespace

// The state behind one stream: a copy of the bytes and the position in them.
struct MemoryFileSystem::OpenStream {
    MemoryFileSystem* owner = nullptr;
    std::string path;
    std::string bytes;
    size_t position = 0;
    bool writes = false;
    bool appends = false;
    std::FILE* stream = nullptr;

    static ssize_t read(void* cookie, char* buffer, size_t size) {
        auto* open = static_cast<OpenStream*>(cookie);
        size_t count = std::min(size, open->bytes.size() - std::min(open->position, open->bytes.size()));
        std::memcpy(buffer, open->bytes.data() + open->position, count);
        open->position += count;
        return static_cast<ssize_t>(count);
    }
    static ssize_t write(void* cookie, const char* buffer, size_t size) {
        auto* open = static_cast<OpenStream*>(cookie);
        if (open->appends) open->position = open->bytes.size();
        if (open->bytes.size() < open->position + size) open->bytes.resize(open->position + size);
        open->bytes.replace(open->position, size, buffer, size);
        open->position += size;
        return static_cast<ssize_t>(size);
    }
    static int seek(void* cookie, off64_t* offset, int whence) {
        auto* open = static_cast<OpenStream*>(cookie);
        long long base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? open->position : open->bytes.size();
        if (base + *offset < 0) return -1;
        open->position = static_cast<size_t>(base + *offset);
        *offset = static_cast<off64_t>(open->position);
        return 0;
    }
    static int close(void* cookie) {
        auto* open = static_cast<OpenStream*>(cookie);
        MemoryFileSystem& owner = *open->owner;
        owner.openStreamPaths_.erase(open->stream);
        if (open->writes) {
            File& file = owner.files_.count(open->path) ? owner.files_[open->path] : owner.newFile(open->path);
            file.bytes = std::move(open->bytes);
            ++file.version;
        }
        delete open;
        return 0;
    }
};

MemoryFileSystem::MemoryFileSystem(std::string& currentDirectory) : currentDirectory_(currentDirectory) {
    folders_["/"] = attribute::kDirectory;
    addFolder(currentDirectory_);
}

std::string MemoryFileSystem::resolve(const std::string& name) const {
    std::string whole = !name.empty() && name[0] == '/' ? name : currentDirectory_ + "/" + name;
    std::vector<std::string> parts;
    for (size_t start = 0; start <= whole.size();) {
        size_t end = std::min(whole.find('/', start), whole.size());
        std::string part = whole.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string path;
    for (const std::string& part : parts) path += "/" + part;
    return path.empty() ? "/" : path;
}

void MemoryFileSystem::addFolder(const std::string& name) {
    for (std::string path = resolve(name); !folders_.count(path); path = parentOf(path)) {
        folders_[path] = attribute::kDirectory;
    }
}

void MemoryFileSystem::putFile(const std::string& name, std::string bytes) {
    std::string path = resolve(name);
    addFolder(parentOf(path));
    newFile(path).bytes = std::move(bytes);
}

std::optional<std::string> MemoryFileSystem::contentOf(const std::string& name) const {
    auto found = files_.find(resolve(name));
    if (found == files_.end()) return std::nullopt;
    return found->second.bytes;
}

bool MemoryFileSystem::hasFolder(const std::string& name) const { return isFolder(resolve(name)); }

MemoryFileSystem::File& MemoryFileSystem::newFile(const std::string& path) {
    File& file = files_[path];
    file = File{};
    file.identity = nextIdentity_++;
    return file;
}

std::vector<std::string> MemoryFileSystem::namesIn(const std::string& folder) const {
    std::set<std::string> names;
    for (const auto& entry : files_) {
        if (parentOf(entry.first) == folder) names.insert(lastName(entry.first));
    }
    for (const auto& entry : folders_) {
        if (entry.first != "/" && parentOf(entry.first) == folder) names.insert(lastName(entry.first));
    }
    return {names.begin(), names.end()};
}

bool MemoryFileSystem::transfer(const std::string& from, const std::string& to, bool keepSource) {
    if (from == to || isInside(to, from)) return false;
    if (exists(to) && isFolder(to) != isFolder(from)) return false;
    if (!keepSource && files_.count(to) && (files_[to].attributes & attribute::kReadOnly)) return false;
    auto moved = [&](const std::string& path) { return to + path.substr(from.size()); };
    std::map<std::string, File> files;
    std::map<std::string, std::uint32_t> folders;
    for (const auto& [path, file] : files_) {
        if (path == from || isInside(path, from)) files[moved(path)] = file;
    }
    for (const auto& [path, bits] : folders_) {
        if (path == from || isInside(path, from)) folders[moved(path)] = bits;
    }
    if (!keepSource) removeAll(from);
    addFolder(parentOf(to));
    for (auto& [path, file] : files) {
        if (keepSource) file.identity = nextIdentity_++;
        ++file.version;
        files_[path] = std::move(file);
    }
    folders_.insert(folders.begin(), folders.end());
    return true;
}

bool MemoryFileSystem::removeAll(const std::string& path) {
    if (path == "/" || !exists(path)) return false;
    std::erase_if(files_, [&](const auto& entry) { return entry.first == path || isInside(entry.first, path); });
    std::erase_if(folders_, [&](const auto& entry) { return entry.first == path || isInside(entry.first, path); });
    return true;
}

bool MemoryFileSystem::shellOperation(platform::ShellOperation operation, const std::string& source,
                                      const std::string& target) {
    bool removes = operation == platform::ShellOperation::remove;
    if (source.empty() || (!removes && target.empty())) return false;
    std::string from = resolve(source);
    std::string mask = lastName(from);
    bool wildcard = mask.find_first_of("*?") != std::string::npos;
    std::vector<std::string> sources;
    if (wildcard) {
        for (const std::string& name : namesIn(parentOf(from))) {
            if (platform::matchesMask(mask.c_str(), name.c_str())) sources.push_back(joined(parentOf(from), name));
        }
    } else if (exists(from)) {
        sources.push_back(from);
    }
    if (sources.empty()) return false;
    std::string to = removes ? std::string() : resolve(target);
    bool intoFolder = !removes && (wildcard || isFolder(to) || target.back() == '/');
    bool ok = true;
    for (const std::string& path : sources) {
        if (removes) {
            ok = removeAll(path) && ok;
        } else {
            std::string destination = intoFolder ? joined(to, lastName(path)) : to;
            ok = transfer(path, destination, operation == platform::ShellOperation::copy) && ok;
        }
    }
    return ok;
}

std::optional<std::uint32_t> MemoryFileSystem::attributes(const std::string& name) {
    std::string path = resolve(name);
    if (auto file = files_.find(path); file != files_.end()) return file->second.attributes;
    if (auto folder = folders_.find(path); folder != folders_.end()) return folder->second;
    return std::nullopt;
}

bool MemoryFileSystem::setAttributes(const std::string& name, std::uint32_t bits) {
    std::string path = resolve(name);
    if (auto file = files_.find(path); file != files_.end()) {
        file->second.attributes =
            (bits & ~attribute::kDirectory) ? (bits & ~attribute::kDirectory) : attribute::kNormal;
        return true;
    }
    if (auto folder = folders_.find(path); folder != folders_.end()) {
        folder->second = bits | attribute::kDirectory;
        return true;
    }
    return false;
}

bool MemoryFileSystem::mayWrite(const std::string& path) const {
    auto found = files_.find(path);
    if (found == files_.end()) return !isFolder(path) && isFolder(parentOf(path));
    return (found->second.attributes & attribute::kReadOnly) == 0;
}

// Bytes collected in a memory stream that reach the file only at the commit, all at once: the
// promise of the real systems, kept without a disk that can fill.
class MemoryFileSystem::PendingWrite : public platform::FileWrite {
  public:
    PendingWrite(MemoryFileSystem& owner, std::string path, bool appends)
        : owner_(owner), path_(std::move(path)), appends_(appends), stream_(::open_memstream(&buffer_, &size_)) {}
    ~PendingWrite() override {
        if (stream_) std::fclose(stream_);
        std::free(buffer_);
    }
    PendingWrite(const PendingWrite&) = delete;
    PendingWrite& operator=(const PendingWrite&) = delete;

    std::FILE* stream() override { return stream_; }

    bool commit() override {
        bool ok = std::fclose(std::exchange(stream_, nullptr)) == 0 && owner_.mayWrite(path_);
        if (!ok) return false;
        auto found = owner_.files_.find(path_);
        File& file = found == owner_.files_.end() ? owner_.newFile(path_) : found->second;
        if (!appends_) file.bytes.clear();
        file.bytes.append(buffer_, size_);
        ++file.version;
        return true;
    }

  private:
    MemoryFileSystem& owner_;
    std::string path_;
    bool appends_;
    char* buffer_ = nullptr;  // what open_memstream collected
    size_t size_ = 0;
    std::FILE* stream_;
};

std::unique_ptr<platform::FileWrite> MemoryFileSystem::startWrite(const std::string& name,
                                                                  platform::FileWriteMode mode) {
    std::string path = resolve(name);
    if (!mayWrite(path)) return nullptr;
    auto write = std::make_unique<PendingWrite>(*this, path, mode == platform::FileWriteMode::appendText);
    return write->stream() ? std::move(write) : nullptr;
}

platform::Stream MemoryFileSystem::openStream(const std::string& name, const char* mode) {
    std::string path = resolve(name);
    auto found = files_.find(path);
    bool reads = mode[0] == 'r';
    if (reads && found == files_.end()) return nullptr;
    if (!reads) {
        if (!mayWrite(path)) return nullptr;
        // The file exists from the opening on; "w" empties it at once.
        File& file = found == files_.end() ? newFile(path) : found->second;
        if (mode[0] == 'w') {
            file.bytes.clear();
            ++file.version;
        }
        found = files_.find(path);
    }
    auto* open = new OpenStream;
    open->owner = this;
    open->path = path;
    open->bytes = found->second.bytes;
    open->writes = !reads;
    open->appends = mode[0] == 'a';
    std::FILE* stream =
        ::fopencookie(open, mode, {OpenStream::read, OpenStream::write, OpenStream::seek, OpenStream::close});
    if (!stream) {
        delete open;
        return nullptr;
    }
    open->stream = stream;
    openStreamPaths_[stream] = path;
    return platform::Stream(stream);
}

std::optional<platform::FileStamp> MemoryFileSystem::streamStamp(std::FILE* stream) {
    auto open = openStreamPaths_.find(stream);
    if (open == openStreamPaths_.end()) return std::nullopt;
    const File& file = files_[open->second];
    platform::FileStamp stamp;
    stamp.identity = file.identity;
    stamp.size = static_cast<long long>(file.bytes.size());
    stamp.modified = stamp.changed = file.version;
    return stamp;
}

bool MemoryFileSystem::sameFile(const std::string& first, const std::string& second) {
    std::string path = resolve(first);
    return exists(path) && path == resolve(second);
}

bool MemoryFileSystem::rename(const std::string& from, const std::string& to) {
    std::string source = resolve(from);
    std::string target = resolve(to);
    if (!exists(source) || exists(target) || !isFolder(parentOf(target))) return false;
    return transfer(source, target, false);
}

bool MemoryFileSystem::changeDirectory(const std::string& name) {
    std::string path = resolve(name);
    if (!isFolder(path)) return false;
    currentDirectory_ = path;
    return true;
}

bool MemoryFileSystem::makeDirectory(const std::string& name) {
    std::string path = resolve(name);
    if (exists(path) || !isFolder(parentOf(path))) return false;
    folders_[path] = attribute::kDirectory;
    return true;
}

bool MemoryFileSystem::removeDirectory(const std::string& name) {
    std::string path = resolve(name);
    if (!isFolder(path) || !namesIn(path).empty()) return false;
    return removeAll(path);
}

std::unique_ptr<platform::FileSearch> MemoryFileSystem::startSearch(const std::string& pattern,
                                                                    std::string& firstName) {
    std::string path = resolve(pattern);
    std::vector<std::string> names;
    for (const std::string& name : namesIn(parentOf(path))) {
        if (platform::matchesMask(lastName(path).c_str(), name.c_str())) names.push_back(name);
    }
    if (names.empty()) return nullptr;
    auto search = std::make_unique<ListedSearch>(std::move(names));
    firstName = *search->next();
    return search;
}

bool MemoryFileSystem::removeFile(const std::string& name) { return files_.erase(resolve(name)) == 1; }

std::string MemoryFileSystem::writeProgramFile(const std::string& name, std::string_view bytes) {
    std::string path = resolve(name);
    if (isFolder(path)) return "Is a directory";
    if (!isFolder(parentOf(path))) return "cannot create a temporary file beside it: No such file or directory";
    newFile(path).bytes = std::string(bytes);
    return {};
}

std::optional<std::string> MemoryEnvironment::value(const std::string& name) {
    auto found = variables_.find(name);
    if (found == variables_.end()) return std::nullopt;
    return found->second;
}

bool MemoryEnvironment::put(const std::string& assignment) {
    size_t equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0) return false;
    std::string name = assignment.substr(0, equals);
    std::string value = assignment.substr(equals + 1);
    if (value.empty()) {
        variables_.erase(name);
    } else {
        variables_[name] = value;
    }
    return true;
}

int RecordedPrograms::start(const std::string& commandLine, int) {
    started.push_back("shell " + commandLine);
    return startResult;
}

bool RecordedPrograms::createProcess(const std::string& commandLine, int) {
    started.push_back("call " + commandLine);
    return startResult > 31;
}

int RecordedPrograms::runSystemCommand(const std::string& command) {
    started.push_back("system " + command);
    return exitCode;
}

}  // namespace velmish_test
