// velide for Linux: the Velmish editor with GTK 3 and GtkSourceView 4.
#include <gtk/gtk.h>

#include <string>

#include "ide/gtk/main_window.h"
#include "ide/program_files.h"

namespace {

bool exists(const std::string& path) { return g_file_test(path.c_str(), G_FILE_TEST_EXISTS); }

// The programs beside velide, else in the installed bin/; velmish.syn, velmish.lng and the pages
// beside it, else in the installed data and documentation folders (next to velide's own bin/ first,
// so that an unpacked installation works where it lies).
ide::ProgramFolder locateFolders() {
    gchar* self = g_file_read_link("/proc/self/exe", nullptr);
    std::string own = self ? ide::ProgramFolder::of(self).path : ".";
    g_free(self);
    std::string prefix = own + "/..";
    std::string installed = VELMISH_INSTALL_PREFIX;
    ide::ProgramFolder folder;
    folder.path = ide::firstFolderWith({own, installed + "/bin"}, "velint", exists);
    folder.dataPath =
        ide::firstFolderWith({own, prefix + "/share/velmish", installed + "/share/velmish"}, "velmish.syn", exists);
    folder.docPath = ide::firstFolderWith(
        {own + "/doc", prefix + "/share/doc/velmish", installed + "/share/doc/velmish"}, "index.html", exists);
    return folder;
}

// The script named on the command line, made absolute now: the file choosers never change the
// current folder, but the programs the editor starts are given the name as saved.
std::string fullPath(const char* name) {
    if (g_path_is_absolute(name)) return name;
    gchar* current = g_get_current_dir();
    gchar* path = g_build_filename(current, name, nullptr);
    std::string result = path;
    g_free(path);
    g_free(current);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (!gtk_init_check(&argc, &argv)) {
        g_printerr("velide: no display to open the editor on (DISPLAY or WAYLAND_DISPLAY)\n");
        return 1;
    }
    g_set_application_name("Velmish");
    ide::gtk::MainWindow window(locateFolders());
    window.show(argc > 1 ? fullPath(argv[1]) : "");
    gtk_main();
    return 0;
}
