// The menus of the main window, built from the editor core's command table.
#include "ide/win32/main_menu.h"

#include <string>

#include "ide/win32/command_ids.h"

namespace ide::win32 {

namespace {

// The menu item of a command in the menu bar (the first, where it stands twice).
const MenuItem* itemFor(UINT id) {
    auto command = commandOf(id);
    if (!command) return nullptr;
    for (const MenuColumn& column : menuBar()) {
        for (const MenuItem& item : column.items) {
            if (item.command == command) return &item;
        }
    }
    return nullptr;
}

// The caption, in the menu bar with the command's shortcut after a tab (the context menu shows none).
std::string itemText(const MenuItem& item, const Captions& captions, bool withShortcut) {
    std::string text = captions[item.caption];
    std::string shortcut = withShortcut ? shortcutText(shortcutOf(*item.command)) : "";
    if (!shortcut.empty()) text += "\t" + shortcut;
    return text;
}

HMENU buildMenu(std::span<const MenuItem> items, const Captions& captions, bool withShortcuts) {
    HMENU menu = CreatePopupMenu();
    for (const MenuItem& item : items) {
        if (!item.command) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu, MF_STRING, commandId(*item.command), itemText(item, captions, withShortcuts).c_str());
        }
    }
    return menu;
}

void setTextAt(HMENU menu, UINT position, const std::string& text) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text.c_str());
    SetMenuItemInfoA(menu, position, TRUE, &info);
}

void applyItems(HMENU menu, std::span<const MenuItem> items, const Captions& captions, bool withShortcuts) {
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].command) setTextAt(menu, static_cast<UINT>(i), itemText(items[i], captions, withShortcuts));
    }
}

}  // namespace

MainMenus createMenus(const Captions& captions) {
    MainMenus menus;
    menus.bar = CreateMenu();
    for (const MenuColumn& column : menuBar()) {
        HMENU sub = buildMenu(column.items, captions, true);
        AppendMenuA(menus.bar, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), captions[column.caption].c_str());
    }
    menus.popup = buildMenu(contextMenu(), captions, false);
    return menus;
}

void applyMenuCaptions(const MainMenus& menus, const Captions& captions) {
    std::span<const MenuColumn> bar = menuBar();
    for (UINT i = 0; i < bar.size(); ++i) {
        setTextAt(menus.bar, i, captions[bar[i].caption]);
        applyItems(GetSubMenu(menus.bar, static_cast<int>(i)), bar[i].items, captions, true);
    }
    applyItems(menus.popup, contextMenu(), captions, false);
}

// Every item gets an image slot, the ones without an image an empty one: Wine places the shortcut
// column by the widths of the items with an image only, and would draw longer captions over it.
void attachMenuImages(HMENU bar) {
    std::span<const MenuColumn> columns = menuBar();
    for (UINT i = 0; i < columns.size(); ++i) {
        HMENU sub = GetSubMenu(bar, static_cast<int>(i));
        for (size_t j = 0; j < columns[i].items.size(); ++j) {
            if (!columns[i].items[j].command) continue;
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_BITMAP;
            info.hbmpItem = HBMMENU_CALLBACK;
            SetMenuItemInfoA(sub, static_cast<UINT>(j), TRUE, &info);
        }
    }
}

bool measureMenuImage(MEASUREITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || !itemFor(item.itemID)) return false;
    item.itemWidth = 16;
    item.itemHeight = 16;
    return true;
}

bool drawMenuImage(const DRAWITEMSTRUCT& item, HIMAGELIST images) {
    const MenuItem* entry = item.CtlType == ODT_MENU ? itemFor(item.itemID) : nullptr;
    if (!entry) return false;
    if (entry->image < 0) return true;
    int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - 16) / 2;
    ImageList_Draw(images, entry->image, item.hDC, item.rcItem.left, top, ILD_TRANSPARENT);
    return true;
}

}  // namespace ide::win32
