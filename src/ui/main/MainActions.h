#pragma once

#include <span>

namespace kalvio {

// One user command of the main window: its name, caption, keyboard shortcut (empty for none)
// and whether it carries a check mark. Fix and Sci actions carry their digit count as tag.
struct TActionEntry {
    const char* Name;
    const char16_t* Caption;
    const char* Shortcut;
    bool IsCheckable;
    int Tag;
};

// Every action of the main window: top bar, pop-up menus, main menu and the hidden ones.
std::span<const TActionEntry> MainActionTable();

// The main menu in its order; nullptr marks a separator.
std::span<const char* const> MainMenuLayout();

} // namespace kalvio
