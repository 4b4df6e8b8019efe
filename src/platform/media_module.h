// The seam between a program and the media module (libvelmish_audio.so), which plays the files
// that MCI opens; loaded at run time on the first MCI command that needs it, so that a program
// starts on machines without GStreamer.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace platform {

// What an open file is doing. A file that has played to its end, or to the "to" position, is
// stopped there.
enum class MediaMode { stopped, playing, paused };

// One open file. Positions and lengths are milliseconds; results are MCI error codes (0 success).
class MediaStream {
  public:
    virtual ~MediaStream() = default;
    // Starts playing from `from` up to `to` (nullopt: the end) and returns at once.
    virtual unsigned play(long from, std::optional<long> to) = 0;
    // Blocks until the playing that play started ends.
    virtual unsigned waitUntilDone() = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    virtual void stop() = 0;
    // Moves to position and stops there.
    virtual unsigned seek(long position) = 0;
    virtual long length() = 0;  // -1 while unknown
    virtual long position() = 0;
    virtual MediaMode mode() = 0;
};

// Opens files for playing. open: 0 with stream set; 275 (file not found), 296 (not a file it can
// play), 326 (no sound output can play it) or 274 (the player itself is missing) otherwise.
class MediaBackend {
  public:
    virtual ~MediaBackend() = default;
    virtual unsigned open(const std::string& path, std::unique_ptr<MediaStream>& stream) = 0;
};

// The module's one exported function, looked up by this name.
inline constexpr const char* kMediaModuleEntry = "velmish_create_media";
// The module's file name, looked for where the desktop module is.
inline constexpr const char* kMediaModuleFile = "libvelmish_audio.so";
// Raised whenever the classes above or this signature change, so that a program never uses a
// module built from other sources.
inline constexpr int kMediaModuleVersion = 1;

// The player; nullptr when the version differs or GStreamer cannot start. The caller owns it.
using CreateMedia = MediaBackend* (*)(int version);

}  // namespace platform
