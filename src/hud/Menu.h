#pragma once

#include "hud/MenuCommands.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Vexmor::hud {

// One line of a menu: a choice, or a heading between choices that is never selected.
struct MenuItem {
    MenuItem(int id, std::string label, std::string value = {}, bool enabled = true,
             bool heading = false)
        : id(id), label(std::move(label)), value(std::move(value)), enabled(enabled),
          heading(heading) {}

    int id = 0;
    std::string label;
    // Shown at the right: a setting's value, a best time, "Locked".
    std::string value;
    bool enabled = true;
    bool heading = false;
};

// What a frame's commands asked of a menu, beyond moving its selection.
struct MenuAction {
    enum Kind { None, Accept, Back, Decrease, Increase };
    Kind kind = None;
    // The selected line's id; -1 when nothing is selected.
    int id = -1;
};

// What a menu shows and which line is selected; the screens decide what a choice does.
// The selection never rests on a disabled line or a heading while an enabled one exists.
class Menu {
public:
    Menu() = default;
    Menu(std::string title, std::vector<MenuItem> items);

    const std::string& title() const { return titleText; }
    const std::vector<MenuItem>& items() const { return lines; }
    // A line under the items, such as what the keys do.
    const std::string& footer() const { return footerText; }
    void setFooter(std::string text);

    // -1 when nothing can be selected.
    int selectedIndex() const { return selected; }
    int selectedId() const;
    // Selects the line with `id` if it can be selected; false otherwise.
    bool selectId(int id);
    // Selects the line at `index` if it can be selected (a pointer over it).
    bool selectIndex(int index);
    // One selectable line down (positive) or up (negative), wrapping round.
    void move(int direction);

    // Moves the selection as asked and says what else was asked. `pointed` is the line under
    // the pointer, or -1.
    MenuAction follow(const MenuCommands& commands, int pointed);

    void setValue(int id, std::string value);
    void setEnabled(int id, bool enabled);
    void setLabel(int id, std::string label);

    // Changes whenever anything shown changes, so a drawing of the menu knows when to redo.
    std::uint64_t revision() const { return changes; }

private:
    MenuItem* find(int id);
    bool selectable(int index) const;
    // Keeps the selection on a selectable line after lines changed.
    void settle();

    std::string titleText;
    std::vector<MenuItem> lines;
    std::string footerText;
    int selected = -1;
    std::uint64_t changes = 0;
};

} // namespace Vexmor::hud
