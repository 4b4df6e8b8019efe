// The picture that "velcomp ... /ORCA" prints.
#include "compiler/orca.h"

namespace compiler {

// 22 lines; the last one has no line feed of its own.
std::string_view orcaPicture() {
    return R"ORCA(                                      .
                                     /|
                                    / |
                                   /  |
                                  /   |
                                 /    |
                   _____________/     |____
              _.-''                        ''--.._
          _.-'    .--.                           ''-._
        .'       ( () )                                `.           __
       /          `--'                                   \        .'  )
      ;                                                   `.    .'   /
      |   ___                                               `..'   .'
      ;  (___`-.                                             /  .-'
       \       `-._                                        .'  (
        `.         `--.._           ___                 _.'  .-`.
          `-._           `--...--'''   ''--.._      _.-'    (    )
              `--..__                         ''--'          `--'
                     ''--..........______.....--''
    ~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~
         ~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~
                ~~~~~~~~~~~~~~~~~~~~~~~~~~~          ORCAS FOREVER!!!)ORCA";
}

}  // namespace compiler
