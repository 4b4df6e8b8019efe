// Giving a Windows program another icon without changing its length: the images of an icon file
// overwrite the images of the program's own icon group in place.
#pragma once

#include <string>
#include <vector>

#include "compiler/icon_file.h"

namespace compiler {

// Replaces the icon of the Windows program in the bytes by the images. Each image of the
// program's icon group takes the icon file's image of the same size (the same colour depth
// preferred, else the deepest that fits); that image must fit in the room of the one it replaces.
// The group then lists exactly the images placed, with their sizes, depths and byte counts; group
// images for which the icon file has no image of their size drop out of the group, and images of
// other sizes are left out with a note. Returns what prevents the replacement, in which case the
// bytes are unchanged; notes receives remarks for the user.
std::string replaceProgramIcon(std::string& program, const std::vector<IconImage>& images,
                               std::vector<std::string>& notes);

}  // namespace compiler
