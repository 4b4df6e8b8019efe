// What the native systems share: the machine's files, environment and programs, and its clock.
// posix/system.cpp and win32/system.cpp add the facts each system tells in its own way.
#pragma once

#include <memory>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/system.h"

namespace platform {

class NativeSystem : public System {
  public:
    FileSystem& files() override { return *files_; }
    Environment& processEnvironment() override { return *environment_; }
    Programs& programs() override { return *programs_; }
    LocalTime localTime() override;

  private:
    std::unique_ptr<FileSystem> files_ = createNativeFileSystem();
    std::unique_ptr<Environment> environment_ = createNativeEnvironment();
    std::unique_ptr<Programs> programs_ = createNativePrograms();
};

}  // namespace platform
