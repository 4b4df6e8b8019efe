// The menus of the main window, built from one table of items.
#include "ide/win32/main_menu.h"

#include <string>

#include "ide/win32/resource_ids.h"

namespace ide::win32 {

namespace {

struct Item {
    Caption caption;
    UINT command;          // 0 for a separator
    int image;             // index in ImageList1, -1 for none
    const char* shortcut;  // shown after the caption; the accelerator table makes it work
};

struct Menu {
    Caption caption;
    const Item* items;
    size_t count;
};

constexpr Caption kNone = Caption::File1;  // a separator's caption is never shown

const Item kFile[] = {
    {Caption::New1, CM_NEW, 0, "Ctrl+N"},
    {Caption::Open1, CM_OPEN, 1, "Ctrl+O"},
    {Caption::Save1, CM_SAVE, 2, "Ctrl+S"},
    {Caption::Saveas1, CM_SAVEAS, -1, nullptr},
    {kNone, 0, -1, nullptr},
    {Caption::CreateEXEFile1, CM_CREATEEXE, -1, "F9"},
    {kNone, 0, -1, nullptr},
    {Caption::Quit1, CM_QUIT, -1, "Ctrl+Q"},
};
const Item kEdit[] = {
    {Caption::Cut1, CM_CUT, 4, "Ctrl+X"},
    {Caption::Copy1, CM_COPY, 3, "Ctrl+C"},
    {Caption::Paste1, CM_PASTE, 5, "Ctrl+V"},
    {Caption::Delete1, CM_DELETE, -1, nullptr},
    {Caption::Selectall1, CM_SELECTALL, -1, "Ctrl+A"},
    {kNone, 0, -1, nullptr},
    {Caption::Find1, CM_FIND, 8, "Ctrl+F"},
    {Caption::Findnext1, CM_FINDNEXT, -1, "F3"},
};
const Item kScript[] = {
    {Caption::Run2, CM_RUN, 6, "F5"},
    {Caption::CompiletoEXE1, CM_COMPILE, -1, "F9"},
    {kNone, 0, -1, nullptr},
    {Caption::DebugProperties1, CM_DEBUGPROPERTIES, -1, nullptr},
    {Caption::Setcommand1, CM_SETCOMMAND, -1, nullptr},
};
const Item kHelp[] = {
    {Caption::Manual1, CM_MANUAL, 7, nullptr},
    {Caption::Reference1, CM_REFERENCE, -1, "F1"},
    {kNone, 0, -1, nullptr},
    {Caption::Website1, CM_WEBSITE, -1, nullptr},
    {kNone, 0, -1, nullptr},
    {Caption::About1, CM_ABOUT, -1, nullptr},
};
const Item kPopup[] = {
    {Caption::Cut2, CM_CUT, -1, nullptr},
    {Caption::Copy2, CM_COPY, -1, nullptr},
    {Caption::Paste2, CM_PASTE, -1, nullptr},
    {Caption::Delete2, CM_DELETE, -1, nullptr},
    {kNone, 0, -1, nullptr},
    {Caption::Selectall2, CM_SELECTALL, -1, nullptr},
};
const Menu kBar[] = {
    {Caption::File1, kFile, std::size(kFile)},
    {Caption::Edit1, kEdit, std::size(kEdit)},
    {Caption::Run1, kScript, std::size(kScript)},
    {Caption::Help1, kHelp, std::size(kHelp)},
};

const Item* itemFor(UINT command) {
    for (const Menu& menu : kBar) {
        for (size_t i = 0; i < menu.count; ++i) {
            if (menu.items[i].command == command) return &menu.items[i];
        }
    }
    return nullptr;
}

std::string itemText(const Item& item, const Captions& captions) {
    std::string text = captions[item.caption];
    if (item.shortcut) text += std::string("\t") + item.shortcut;
    return text;
}

HMENU buildMenu(const Item* items, size_t count, const Captions& captions, bool popup) {
    HMENU menu = popup ? CreatePopupMenu() : CreateMenu();
    for (size_t i = 0; i < count; ++i) {
        if (!items[i].command) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu, MF_STRING, items[i].command, itemText(items[i], captions).c_str());
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

void applyItems(HMENU menu, const Item* items, size_t count, const Captions& captions) {
    for (size_t i = 0; i < count; ++i) {
        if (items[i].command) setTextAt(menu, static_cast<UINT>(i), itemText(items[i], captions));
    }
}

}  // namespace

MainMenus createMenus(const Captions& captions) {
    MainMenus menus;
    menus.bar = CreateMenu();
    for (const Menu& menu : kBar) {
        HMENU sub = buildMenu(menu.items, menu.count, captions, true);
        AppendMenuA(menus.bar, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), captions[menu.caption].c_str());
    }
    menus.popup = buildMenu(kPopup, std::size(kPopup), captions, true);
    return menus;
}

void applyMenuCaptions(const MainMenus& menus, const Captions& captions) {
    for (UINT i = 0; i < std::size(kBar); ++i) {
        setTextAt(menus.bar, i, captions[kBar[i].caption]);
        applyItems(GetSubMenu(menus.bar, static_cast<int>(i)), kBar[i].items, kBar[i].count, captions);
    }
    applyItems(menus.popup, kPopup, std::size(kPopup), captions);
}

// Every item gets an image slot, the ones without an image an empty one: Wine places the shortcut
// column by the widths of the items with an image only, and would draw longer captions over it.
void attachMenuImages(HMENU bar) {
    for (UINT i = 0; i < std::size(kBar); ++i) {
        HMENU sub = GetSubMenu(bar, static_cast<int>(i));
        for (size_t j = 0; j < kBar[i].count; ++j) {
            if (!kBar[i].items[j].command) continue;
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
    const Item* entry = item.CtlType == ODT_MENU ? itemFor(item.itemID) : nullptr;
    if (!entry) return false;
    if (entry->image < 0) return true;
    int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - 16) / 2;
    ImageList_Draw(images, entry->image, item.hDC, item.rcItem.left, top, ILD_TRANSPARENT);
    return true;
}

}  // namespace ide::win32
