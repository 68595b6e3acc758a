#include "hud/Menu.h"

namespace Vexmor::hud {

Menu::Menu(std::string title, std::vector<MenuItem> items)
    : titleText(std::move(title)), lines(std::move(items)) {
    settle();
}

void Menu::setFooter(std::string text) {
    if (text != footerText) {
        footerText = std::move(text);
        ++changes;
    }
}

int Menu::selectedId() const {
    return selected < 0 ? -1 : lines[static_cast<std::size_t>(selected)].id;
}

bool Menu::selectable(int index) const {
    if (index < 0 || index >= static_cast<int>(lines.size())) {
        return false;
    }
    const MenuItem& item = lines[static_cast<std::size_t>(index)];
    return item.enabled && !item.heading;
}

bool Menu::selectIndex(int index) {
    if (!selectable(index)) {
        return false;
    }
    if (index != selected) {
        selected = index;
        ++changes;
    }
    return true;
}

bool Menu::selectId(int id) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].id == id && !lines[i].heading) {
            return selectIndex(static_cast<int>(i));
        }
    }
    return false;
}

void Menu::move(int direction) {
    const int count = static_cast<int>(lines.size());
    if (count == 0 || direction == 0) {
        return;
    }
    const int step = direction > 0 ? 1 : -1;
    const int from = selected < 0 ? (step > 0 ? -1 : count) : selected;
    for (int offset = 1; offset <= count; ++offset) {
        const int index = ((from + step * offset) % count + count) % count;
        if (selectable(index)) {
            selectIndex(index);
            return;
        }
    }
}

MenuItem* Menu::find(int id) {
    for (MenuItem& item : lines) {
        if (item.id == id && !item.heading) {
            return &item;
        }
    }
    return nullptr;
}

MenuAction Menu::follow(const MenuCommands& commands, int pointed) {
    if (commands.pointerMoved && pointed >= 0) {
        selectIndex(pointed);
    }
    if (commands.click && pointed >= 0 && selectIndex(pointed)) {
        return {MenuAction::Accept, selectedId()};
    }
    if (commands.back) {
        return {MenuAction::Back, selectedId()};
    }
    if (commands.up) {
        move(-1);
    }
    if (commands.down) {
        move(1);
    }
    if (selected < 0) {
        return {};
    }
    if (commands.accept) {
        return {MenuAction::Accept, selectedId()};
    }
    if (commands.left) {
        return {MenuAction::Decrease, selectedId()};
    }
    if (commands.right) {
        return {MenuAction::Increase, selectedId()};
    }
    return {};
}

void Menu::setValue(int id, std::string value) {
    MenuItem* item = find(id);
    if (item != nullptr && item->value != value) {
        item->value = std::move(value);
        ++changes;
    }
}

void Menu::setLabel(int id, std::string label) {
    MenuItem* item = find(id);
    if (item != nullptr && item->label != label) {
        item->label = std::move(label);
        ++changes;
    }
}

void Menu::setEnabled(int id, bool enabled) {
    MenuItem* item = find(id);
    if (item != nullptr && item->enabled != enabled) {
        item->enabled = enabled;
        ++changes;
        settle();
    }
}

void Menu::settle() {
    if (!selectable(selected)) {
        const int before = selected;
        selected = -1;
        move(1);
        if (selected != before) {
            ++changes;
        }
    }
}

} // namespace Vexmor::hud
