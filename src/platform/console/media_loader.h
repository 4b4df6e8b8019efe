// Loading the media module that plays the files MCI opens.
#pragma once

#include <memory>

#include "platform/media_module.h"

namespace platform {

// The player of the first media module found beside the program or in the installed library
// folders; nullptr when there is none, it does not load (GStreamer missing) or GStreamer cannot
// start. The module stays loaded for the life of the process, as GStreamer cannot be unloaded.
std::unique_ptr<MediaBackend> loadMediaModule();

}  // namespace platform
