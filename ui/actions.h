#pragma once
// Every menu item and tool button of the main window as one row of one table: the menu tree
// gives the item's id, caption and key; the row gives what it does; the tool bar's buttons
// are bound to the same actions. Which of them are usable is decided elsewhere (ActionStateOf)
// and applied here in one place.

#include <QObject>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "settings/language_texts.h"
#include "ui/action_state.h"

class QAction;
class QMenu;
class QMenuBar;

namespace kelmira {

class BoardView;

struct ActionRow {
    // The menu tree's id; an id ending in '.' serves every item below it ("players.").
    std::string id;
    // Called with the item's own id.
    std::function<void(const std::string& id)> run;
};

class ActionTable {
  public:
    // Builds the menu bar from `menu`, binding every item to its row.
    void build(QMenuBar* bar, QObject* owner, const std::vector<MenuItem>& menu,
               std::vector<ActionRow> rows);
    // The tool buttons take the actions of their menu items, keeping their glyphs and hints.
    void bindToolButtons(BoardView& board);
    // A submenu added outside the tree (the language menu) that follows the states too.
    void addMenu(const std::string& id, QMenu* menu) { menus_[id] = menu; }

    QAction* action(const std::string& id) const;
    QMenu* menu(const std::string& id) const;

    void apply(const ActionStates& states);

  private:
    const ActionRow* rowFor(const std::string& id) const;

    std::vector<ActionRow> rows_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
};

}  // namespace kelmira
