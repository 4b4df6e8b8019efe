// A system that exists only in memory: files and folders, an environment, and programs and
// waits that are recorded instead of done. Nothing here reaches the machine, so any script can
// run on it (the unit tests' fake platform, fuzzing).
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/process.h"

namespace velmish_test {

// Files and folders in memory. Names are resolved against the current directory: "/" separates
// names, "." and ".." are understood, everything else is taken literally. A file or folder can
// be made only in an existing folder (the shell's copy and move make missing target folders).
// Streams are real C streams (fopencookie) whose bytes live here; written bytes reach the file
// when the stream closes.
class MemoryFileSystem : public platform::FileSystem {
  public:
    // currentDirectory is the fake's current directory, which CHDIR changes; it is made a folder.
    explicit MemoryFileSystem(std::string& currentDirectory);

    // Setting up and looking at the contents; names as the commands would give them.
    void addFolder(const std::string& name);  // with the folders above it
    void putFile(const std::string& name, std::string bytes);
    std::optional<std::string> contentOf(const std::string& name) const;
    bool hasFolder(const std::string& name) const;

    bool shellOperation(platform::ShellOperation operation, const std::string& source,
                        const std::string& target) override;
    std::optional<std::uint32_t> attributes(const std::string& name) override;
    bool setAttributes(const std::string& name, std::uint32_t attributes) override;
    platform::Stream openStream(const std::string& name, const char* mode) override;
    std::unique_ptr<platform::FileWrite> startWrite(const std::string& name, platform::FileWriteMode mode) override;
    std::optional<platform::FileStamp> streamStamp(std::FILE* stream) override;
    bool sameFile(const std::string& first, const std::string& second) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool changeDirectory(const std::string& name) override;
    bool makeDirectory(const std::string& name) override;
    bool removeDirectory(const std::string& name) override;
    std::unique_ptr<platform::FileSearch> startSearch(const std::string& pattern, std::string& firstName) override;
    bool removeFile(const std::string& name) override;
    // Memory streams have no refusals of their own to leave out: openStream's.
    platform::Stream openFile(const std::string& name, const char* mode) override { return openStream(name, mode); }
    // The whole file at once, as the real ones put it in place: nothing of it when the folder is
    // missing or the name is a folder.
    std::string writeProgramFile(const std::string& name, std::string_view bytes) override;

  private:
    struct File {
        std::string bytes;
        std::uint32_t attributes = platform::attribute::kNormal;
        unsigned long long identity = 0;
        long long version = 0;  // counts the changes of the bytes
    };
    struct OpenStream;
    class PendingWrite;

    std::string resolve(const std::string& name) const;
    bool exists(const std::string& path) const { return files_.count(path) || folders_.count(path); }
    bool isFolder(const std::string& path) const { return folders_.count(path) != 0; }
    // The names of the entries directly in the folder, in byte order.
    std::vector<std::string> namesIn(const std::string& folder) const;
    File& newFile(const std::string& path);
    // Whether a stream may write the file: its folder exists, it is no folder and not read-only.
    bool mayWrite(const std::string& path) const;
    // Copies or moves a file or folder (with its contents) to the exact path.
    bool transfer(const std::string& from, const std::string& to, bool keepSource);
    bool removeAll(const std::string& path);

    std::string& currentDirectory_;
    std::map<std::string, File> files_;                  // by full path
    std::map<std::string, std::uint32_t> folders_;       // full path -> attributes
    std::map<std::FILE*, std::string> openStreamPaths_;  // streams not yet closed
    unsigned long long nextIdentity_ = 1;
};

// The environment as a map of names to values.
class MemoryEnvironment : public platform::Environment {
  public:
    explicit MemoryEnvironment(std::map<std::string, std::string>& variables) : variables_(variables) {}

    std::optional<std::string> value(const std::string& name) override;
    bool put(const std::string& assignment) override;

  private:
    std::map<std::string, std::string>& variables_;
};

// Programs are recorded and never started; waits are recorded and never slept.
class RecordedPrograms : public platform::Programs {
  public:
    int startResult = 33;              // what SHELL gets (above 31 means started)
    int exitCode = 0;                  // what SYSTEM gets
    std::vector<std::string> started;  // "shell LINE", "call LINE", "system COMMAND", in order
    std::vector<int> waits;            // milliseconds, in order

    int start(const std::string& commandLine, int showMode) override;
    bool createProcess(const std::string& commandLine, int showMode) override;
    int runSystemCommand(const std::string& command) override;
    void sleep(int milliseconds) override { waits.push_back(milliseconds); }
};

}  // namespace velmish_test
