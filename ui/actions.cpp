#include "ui/actions.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "ui/board/board_view.h"

namespace kelmira {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

const ActionRow* ActionTable::rowFor(const std::string& id) const {
    for (const ActionRow& r : rows_)
        if (r.id == id) return &r;
    for (const ActionRow& r : rows_)
        if (!r.id.empty() && r.id.back() == '.' && id.rfind(r.id, 0) == 0) return &r;
    return nullptr;
}

void ActionTable::build(QMenuBar* bar, QObject* owner, const std::vector<MenuItem>& menu,
                        std::vector<ActionRow> rows) {
    rows_ = std::move(rows);
    bar->clear();
    actions_.clear();
    menus_.clear();
    std::map<int, QActionGroup*> groups;
    std::function<void(QMenu*, const std::vector<MenuItem>&)> fill = [&](QMenu* m,
                                                                        const std::vector<MenuItem>& items) {
        for (const MenuItem& item : items) {
            if (item.caption.empty() && item.items.empty()) {
                m->addSeparator();
                continue;
            }
            if (!item.items.empty()) {
                QMenu* sub = m->addMenu(q(item.caption));
                menus_[item.id] = sub;
                fill(sub, item.items);
                continue;
            }
            QAction* a = m->addAction(q(item.caption));
            a->setCheckable(item.checkable);
            a->setVisible(!item.hidden);
            if (!item.shortcut.empty()) a->setShortcut(QKeySequence(q(item.shortcut)));
            if (item.radioGroup != 0) {
                QActionGroup*& g = groups[item.radioGroup];
                if (!g) g = new QActionGroup(owner);
                g->addAction(a);
            }
            const std::string id = item.id;
            QObject::connect(a, &QAction::triggered, owner, [this, id] {
                if (const ActionRow* r = rowFor(id)) r->run(id);
            });
            actions_[id] = a;
        }
    };
    for (const MenuItem& top : menu) {
        QMenu* m = bar->addMenu(q(top.caption));
        menus_[top.id] = m;
        fill(m, top.items);
    }
}

void ActionTable::bindToolButtons(BoardView& board) {
    for (int i = 1; i <= layout::kToolButtons; ++i) {
        QAction* a = action(kToolButtons[i].action);
        QToolButton* b = board.toolButton(i);
        if (!a || !b) continue;
        const QIcon icon = b->icon();
        const QString hint = b->toolTip();
        b->setDefaultAction(a);
        // The button keeps its glyph and hint; the menu item keeps its caption.
        a->setIcon(icon);
        a->setToolTip(hint);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
    }
}

QAction* ActionTable::action(const std::string& id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* ActionTable::menu(const std::string& id) const {
    const auto it = menus_.find(id);
    return it == menus_.end() ? nullptr : it->second;
}

void ActionTable::apply(const ActionStates& states) {
    for (const auto& [id, a] : actions_) {
        const auto it = states.find(id);
        if (it == states.end()) continue;
        a->setEnabled(it->second.enabled);
        if (a->isCheckable()) a->setChecked(it->second.checked);
    }
    for (const auto& [id, m] : menus_) {
        const auto it = states.find(id);
        // A menu outside the tree (the language menu) closes during a run like the rest.
        const bool enabled = it != states.end() ? it->second.enabled : FlagsOf(states, "options").enabled;
        m->menuAction()->setEnabled(enabled);
        m->setEnabled(enabled);
    }
}

}  // namespace kelmira
