// The open MCI devices and what each command does with them.
#include "platform/mci/mci_devices.h"

#include <algorithm>

namespace platform::mci {

namespace {

// The device types of Windows that play files; the player decides by the file's contents.
constexpr const char* kFileTypes[] = {"waveaudio", "mpegvideo", "avivideo", "sequencer"};

bool playsFiles(const std::string& type) {
    return std::any_of(std::begin(kFileTypes), std::end(kFileTypes),
                       [&type](const char* known) { return sameName(type, known); });
}

// A name with a folder or an extension is a file; any other name is a device such as cdaudio,
// which Windows looks up among its drivers and which is not here.
bool namesFile(const std::string& name) { return name.find_first_of("./\\") != std::string::npos; }

}  // namespace

Devices::Devices(std::function<std::unique_ptr<MediaBackend>()> loadPlayer) : loadPlayer_(std::move(loadPlayer)) {}

Devices::~Devices() { devices_.clear(); }

unsigned Devices::run(const std::string& text) {
    closeFinished();
    Parsed parsed = parseCommand(text);
    if (parsed.error) return parsed.error;
    const Command& command = parsed.command;
    if (command.verb == Verb::open) return open(command);
    if (sameName(command.device, "all")) return forAll(command);
    if (Device* device = find(command.device)) return apply(*device, command);
    return autoOpen(command);
}

MediaBackend* Devices::player() {
    if (!playerLoaded_) {
        player_ = loadPlayer_();
        playerLoaded_ = true;
    }
    return player_.get();
}

Devices::Device* Devices::find(const std::string& name) {
    for (Device& device : devices_) {
        if (sameName(device.name, name)) return &device;
    }
    return nullptr;
}

// Windows closes a device it opened itself when the command that opened it has finished: at
// once, or when the sound it started has played.
void Devices::closeFinished() {
    std::erase_if(devices_,
                  [](Device& device) { return device.autoOpened && device.stream->mode() == MediaMode::stopped; });
}

unsigned Devices::open(const Command& command) {
    if (command.type.empty() ? !namesFile(command.device) : !playsFiles(command.type)) {
        return error::kInvalidDeviceName;
    }
    const std::string& name = command.alias.empty() ? command.device : command.alias;
    if (find(name)) return command.alias.empty() ? error::kDeviceOpen : error::kDuplicateAlias;
    return openFile(command.device, name, false);
}

unsigned Devices::openFile(const std::string& file, const std::string& name, bool autoOpened) {
    MediaBackend* backend = player();
    if (!backend) return error::kUnsupportedFunction;
    std::unique_ptr<MediaStream> stream;
    if (unsigned failed = backend->open(file, stream)) return failed;
    devices_.push_back({name, std::move(stream), autoOpened});
    return 0;
}

// A file named in a command other than open is opened for that command under its own name.
unsigned Devices::autoOpen(const Command& command) {
    if (command.verb == Verb::close || !namesFile(command.device)) return error::kInvalidDeviceName;
    if (command.notify) return error::kNotifyOnAutoOpen;
    if (unsigned failed = openFile(command.device, command.device, true)) return failed;
    unsigned result = apply(devices_.back(), command);
    closeFinished();
    return result;
}

// "all": every device the script opened; devices opened by naming a file take part only in
// close all.
unsigned Devices::forAll(const Command& command) {
    if (command.verb == Verb::status) return error::kCannotUseAll;
    if (command.verb == Verb::close) {
        devices_.clear();
        return 0;
    }
    unsigned result = 0;
    for (Device& device : devices_) {
        if (device.autoOpened) continue;
        unsigned failed = apply(device, command);
        if (!result) result = failed;
    }
    return result;
}

unsigned Devices::apply(Device& device, const Command& command) {
    MediaStream& stream = *device.stream;
    switch (command.verb) {
        case Verb::play: return play(stream, command);
        case Verb::pause: stream.pause(); return 0;
        case Verb::resume: stream.resume(); return 0;
        case Verb::stop: stream.stop(); return 0;
        case Verb::seek: return seek(stream, command);
        case Verb::close: close(device); return 0;
        // set (milliseconds, the only time format) and status (no result is returned) need the
        // device open and nothing more.
        default: return 0;
    }
}

// Without "from", playing goes on from the current position, so a file that has played to its
// end plays nothing more until it is moved back, as on Windows.
unsigned Devices::play(MediaStream& stream, const Command& command) {
    long length = stream.length();
    long from = command.from ? *command.from : stream.position();
    if (length >= 0 && (from > length || (command.to && *command.to > length))) return error::kOutOfRange;
    if (command.to && *command.to < from) return error::kOutOfRange;
    bool nothingLeft = command.to ? *command.to == from : length >= 0 && from >= length;
    if (nothingLeft) return 0;
    if (unsigned failed = stream.play(from, command.to)) return failed;
    return command.wait ? stream.waitUntilDone() : 0;
}

unsigned Devices::seek(MediaStream& stream, const Command& command) {
    long length = stream.length();
    long target = 0;
    if (command.seekTarget == SeekTarget::end) target = length;
    if (command.seekTarget == SeekTarget::position) target = *command.to;
    if (target < 0 || (length >= 0 && target > length)) return error::kOutOfRange;
    return stream.seek(target);
}

void Devices::close(const Device& device) {
    std::erase_if(devices_, [&device](const Device& open) { return &open == &device; });
}

}  // namespace platform::mci
