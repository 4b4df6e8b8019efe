// A window for SENDKEYS to type into: "Velmish Key Target" with one text field. Enter in the
// field prints its text and ends the program.
#include <gtk/gtk.h>

#include <cstdio>

int main(int argc, char** argv) {
    gtk_init(&argc, &argv);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), "Velmish Key Target");
    gtk_window_set_default_size(GTK_WINDOW(window), 300, 40);
    GtkWidget* entry = gtk_entry_new();
    g_signal_connect(entry, "activate", G_CALLBACK(+[](GtkEntry* field, gpointer) {
                         std::printf("%s\n", gtk_entry_get_text(field));
                         std::fflush(stdout);
                         gtk_main_quit();
                     }),
                     nullptr);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
    gtk_container_add(GTK_CONTAINER(window), entry);
    gtk_widget_show_all(window);
    gtk_main();
    return 0;
}
