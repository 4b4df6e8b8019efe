// Fuzz target: the editor reading any velmish.lng.
#include "fuzz_target.h"
#include "ide/captions.h"
#include "ide/language_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ide::Captions captions;
    ide::applyLanguageFile(velmish_fuzz::bytesOf(data, size), captions);
    return 0;
}
