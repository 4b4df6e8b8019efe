// Message boxes as GTK message dialogs, with the icons, buttons, default button and close-box
// answers of the Windows boxes.
#include "platform/gtk/desktop_text.h"
#include "platform/gtk/gtk_desktop.h"
#include "platform/message_box_buttons.h"

namespace platform::gtk {

namespace {

// Message box styles that keep a box above other windows (MB_SYSTEMMODAL, MB_TOPMOST).
constexpr unsigned kSystemModal = 0x1000;
constexpr unsigned kTopmost = 0x40000;
constexpr unsigned kIconMask = 0xF0;

struct BoxIcon {
    GtkMessageType type;
    const char* iconName;  // nullptr: no icon
};

BoxIcon boxIcon(unsigned style) {
    switch (style & kIconMask) {
        case style::kIconError: return {GTK_MESSAGE_ERROR, "dialog-error"};
        case style::kIconQuestion: return {GTK_MESSAGE_QUESTION, "dialog-question"};
        case style::kIconExclamation: return {GTK_MESSAGE_WARNING, "dialog-warning"};
        case style::kIconInformation: return {GTK_MESSAGE_INFO, "dialog-information"};
        default: return {GTK_MESSAGE_OTHER, nullptr};
    }
}

// GTK 3 message dialogs show no icon of their own any more; the Windows boxes do, so the theme's
// icon is put in, through the image property GTK keeps for that.
void showIcon(GtkWidget* box, const char* iconName) {
    if (!iconName) return;
    GtkWidget* image = gtk_image_new_from_icon_name(iconName, GTK_ICON_SIZE_DIALOG);
    gtk_widget_set_valign(image, GTK_ALIGN_START);
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(box), image);
    G_GNUC_END_IGNORE_DEPRECATIONS
    gtk_widget_show(image);
}

// The button names of message boxes with their mnemonics, as Windows marks them.
std::string buttonLabel(std::string_view name) {
    if (name == "OK" || name == "Cancel") return std::string(name);
    if (name == "Try Again") return "_Try Again";
    return "_" + std::string(name);
}

}  // namespace

int GtkDesktop::messageBox(const std::string& text, const std::string& caption, unsigned style) {
    std::vector<BoxButton> buttons = boxButtons(style);
    // A style without a known button set makes the Windows box fail.
    if (buttons.empty()) return answer::kFailed;
    int answer = answer::kFailed;
    onGtk([&] {
        BoxIcon icon = boxIcon(style);
        GtkWidget* box = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, icon.type, GTK_BUTTONS_NONE, "%s",
                                                displayText(text).c_str());
        showIcon(box, icon.iconName);
        gtk_window_set_title(GTK_WINDOW(box), displayText(caption).c_str());
        gtk_window_set_position(GTK_WINDOW(box), GTK_WIN_POS_CENTER);
        if (style & (kSystemModal | kTopmost)) gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
        for (const BoxButton& button : desktopOrder(buttons)) {
            gtk_dialog_add_button(GTK_DIALOG(box), buttonLabel(button.name).c_str(), button.answer);
        }
        markDefault(GTK_DIALOG(box), buttons[defaultButtonIndex(style, buttons.size())].answer);
        for (;;) {
            int response = runDialog(GTK_DIALOG(box));
            if (response > 0) {
                answer = response;
                break;
            }
            // The close box answers as Windows does: Cancel where the box has it, OK on a box with
            // only OK; other boxes cannot be closed that way, so they stay up.
            int closing = buttons.size() == 1 ? buttons.front().answer : answer::kFailed;
            for (const BoxButton& button : buttons) {
                if (button.answer == answer::kCancel) closing = answer::kCancel;
            }
            if (closing != answer::kFailed || haltPressed_) {
                answer = closing;
                break;
            }
        }
        gtk_widget_destroy(box);
    });
    return answer;
}

void GtkDesktop::errorBox(const std::string& text, const std::string& caption, unsigned style) {
    messageBox(text, caption, style);
}

}  // namespace platform::gtk
