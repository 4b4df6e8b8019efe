// The devices a program has opened with MCI on Linux: their names and aliases, the files opened
// implicitly by naming them, and each command carried out on them by the media player.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/mci/mci_command.h"
#include "platform/media_module.h"

namespace platform::mci {

class Devices {
  public:
    // loadPlayer is called once, by the first command that opens a file; nullptr when there is
    // no player (every such command then gives 274).
    explicit Devices(std::function<std::unique_ptr<MediaBackend>()> loadPlayer);
    // Closes every device still open, which stops its sound.
    ~Devices();

    // Carries out one command string; its error number, 0 on success.
    unsigned run(const std::string& text);

  private:
    struct Device {
        std::string name;  // the alias, or the file name as the script wrote it
        std::unique_ptr<MediaStream> stream;
        bool autoOpened = false;  // opened by naming the file in another command
    };

    std::function<std::unique_ptr<MediaBackend>()> loadPlayer_;
    std::unique_ptr<MediaBackend> player_;  // declared before devices_: streams go first
    bool playerLoaded_ = false;
    std::vector<Device> devices_;

    MediaBackend* player();
    Device* find(const std::string& name);
    void closeFinished();
    unsigned open(const Command& command);
    unsigned openFile(const std::string& file, const std::string& name, bool autoOpened);
    unsigned autoOpen(const Command& command);
    unsigned forAll(const Command& command);
    unsigned apply(Device& device, const Command& command);
    unsigned play(MediaStream& stream, const Command& command);
    unsigned seek(MediaStream& stream, const Command& command);
    void close(const Device& device);
};

}  // namespace platform::mci
