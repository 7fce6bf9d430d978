#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

namespace kelvane {

// One command of the main window's menus, toolbar and popups: the menu it
// sits in and its own objectName, caption, shortcuts and handler. The main
// window builds its menus from a table of these, in order.
struct ActionRow {
    enum class Kind {
        Item,   // a command
        Toggle, // a command with a checkmark for an on/off option
        Choice, // one of the radio items of its menu
        Menu,   // a menu: on the menu bar when it sits in no menu
        Popup,  // a menu never on the menu bar, shown where it is asked for
        Separator,
        Undo, // the history's own items, whose captions name the step
        Redo,
    };
    Kind kind = Kind::Item;
    QString menu; // the objectName of the menu it sits in
    QString id;
    QString text;
    QList<QKeySequence> keys;
    std::function<void()> handler;
};

using ActionTable = std::vector<ActionRow>;

} // namespace kelvane
