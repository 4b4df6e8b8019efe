// The main menu MainMenu1, the context menu PopupMenu1 and the images of their items.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ide/captions.h"

namespace ide::win32 {

struct MainMenus {
    HMENU bar = nullptr;    // MainMenu1
    HMENU popup = nullptr;  // PopupMenu1, the editor's context menu
};

// Builds both menus with the built-in captions.
MainMenus createMenus(const Captions& captions);
// Gives every item its caption (from the language file), followed by its shortcut.
void applyMenuCaptions(const MainMenus& menus, const Captions& captions);
// Lets the items with an image draw it from the image list (WM_MEASUREITEM / WM_DRAWITEM).
void attachMenuImages(HMENU bar);
// The window's answers to those two messages for menu items; false for other owner-drawn things.
bool measureMenuImage(MEASUREITEMSTRUCT& item);
bool drawMenuImage(const DRAWITEMSTRUCT& item, HIMAGELIST images);

}  // namespace ide::win32
