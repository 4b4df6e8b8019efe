// The built-in English texts.
#include "ide/captions.h"

namespace ide {

Captions::Captions()
    : texts_{
#define VELIDE_CAPTION_TEXT(name, builtIn) builtIn,
          VELIDE_CAPTIONS(VELIDE_CAPTION_TEXT)
#undef VELIDE_CAPTION_TEXT
      } {
}

}  // namespace ide
