// Fuzz target: a compiled program running any code image on the fake platform, with a budget of
// code lines so that endless loops end, and a value limit so that growing variables end early.
#include "fake_platform.h"
#include "fuzz_target.h"
#include "runtime/runtime_startup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmish_test::FakePlatform fake;
    fake.memoryFiles.putFile("data.txt", "first line\r\nsecond line\r\n");
    fake.dialogAnswers = {std::string("answer"), std::nullopt, std::string("data.txt")};
    interp::RunLimits limits;
    limits.commands = 4000;
    limits.valueLength = 1 << 16;
    runtime::runCode(fake, fake, "args", "/opt/programs/prog.exe",
                     code::CodeImage::fromBytes(velmish_fuzz::bytesOf(data, size)), limits);
    return 0;
}
