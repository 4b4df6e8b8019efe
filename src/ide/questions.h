// What the editor asks and tells the user, as kinds a front end draws in its own way (Win32 maps
// them to message-box styles, a GTK editor to its dialogs).
#pragma once

namespace ide {

// Yes/No questions; No, the answer that changes nothing, is preselected.
enum class Question {
    discardDocument,    // New and Open with unsaved changes
    quitWithoutSaving,  // Quit, closing the window, logging off
    replaceFile,        // Save As onto another existing file
    reloadChangedFile,  // the document's file was changed on disk by another program
};

// Notices with an OK button.
enum class Notice {
    information,  // Find's "not found" and "no more"
    error,        // a program that cannot be started
};

}  // namespace ide
