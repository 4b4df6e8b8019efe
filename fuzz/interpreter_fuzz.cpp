// Fuzz target: velint running any script text on the fake platform, with a command budget so that
// endless loops end, and a value limit so that growing variables end as out of memory early.
#include "fake_platform.h"
#include "fuzz_target.h"
#include "interp/startup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmish_test::FakePlatform fake;
    fake.memoryFiles.putFile("data.txt", "first line\r\nsecond line\r\n");
    fake.memoryFiles.addFolder("sub");
    fake.dialogAnswers = {std::string("answer"), std::nullopt, std::string("data.txt")};
    interp::RunLimits limits;
    limits.commands = 2000;
    limits.valueLength = 1 << 16;
    interp::runScriptSource(fake, fake, velmish_test::kDefaultArgs,
                            interp::ScriptSource::fromText(velmish_fuzz::bytesOf(data, size)), limits);
    return 0;
}
