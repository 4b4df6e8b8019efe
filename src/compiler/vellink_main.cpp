// vellink: joins the intermediate code of a link control file to the runtime.
//
// Usage: vellink FILE.coc
//
// The link control file (written by velcomp) starts with the control line
//   COC2;170240;ICON;velrun.rtl;<CR><LF>
// followed by the intermediate code. vellink reads the runtime file named in the fourth field
// from its own folder, or else from lib/velmish beside its bin folder, where an installed tree
// keeps it (never from the working directory or a path: the field must be a bare file name), and
// writes, beside the control file, the program named like it with the extension "exe"
// (prog.coc gives prog.exe): the runtime's bytes followed by the code, byte for byte, so the code
// begins at the runtime's own length, where the runtime looks for it. The second field must be a
// decimal number; vellink accepts any value.
//
// The icon (third field, may be empty; relative paths count from the working directory):
// - with a Windows runtime, the images of the .ico file overwrite the runtime's own icon (group
//   1000, else its first icon group) in place, so the program keeps the runtime's length. Each
//   image of the group takes the icon file's image of the same size; an image too big for the room
//   of the one it replaces is refused. Images of sizes the runtime's icon does not hold are left
//   out, with a note.
// - with a runtime of another system (the Linux runtime is an ELF program) there is no icon: the
//   path is ignored and a note says so.
//
// Output: nothing on standard output. Standard error gets one line per problem or note, each
// starting with "vellink: " ("vellink: note: " for notes that do not stop the link).
//
// Exit codes: 0 when the program was written (notes may have been printed); 1 for a wrong
// argument count, a missing or unreadable control file, a malformed control line, a missing or
// unreadable runtime, an icon that cannot be read or placed, and a failed write. A failed link
// writes nothing: the program is written to a temporary file beside it and renamed into place
// only when complete, so an older program of the same name stays as it was. On Linux the
// program gets the execute bits (mode 0777 less the umask).
#include <cstdio>
#include <string>

#include "compiler/link_job.h"
#include "platform/process.h"
#include "platform/system.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("vellink: expected one argument, the link control file\nusage: vellink FILE.coc\n", stderr);
        return 1;
    }
    std::string messages;
    std::string own = platform::ownDirectory();
    auto system = platform::createNativeSystem();
    int exitCode = compiler::linkProgram(system->files(), argv[1], {own, own + "../lib/velmish/"}, messages);
    // The exit code tells the outcome also where the messages cannot be written.
    std::fputs(messages.c_str(), stderr);
    return exitCode;
}
