// Loading the media module with dlopen, from the places the desktop module is looked for.
#include "platform/console/media_loader.h"

#include <dlfcn.h>

#include "platform/console/front_end.h"
#include "platform/process.h"

namespace platform {

std::unique_ptr<MediaBackend> loadMediaModule() {
    for (const std::string& path : moduleCandidates(kMediaModuleFile, ownDirectory(), installedModuleDir())) {
        void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) continue;
        auto create = reinterpret_cast<CreateMedia>(::dlsym(module, kMediaModuleEntry));
        // The first module that loads decides: one that cannot start GStreamer gives no player.
        if (create) return std::unique_ptr<MediaBackend>(create(kMediaModuleVersion));
    }
    return nullptr;
}

}  // namespace platform
