#include "ui/dialogs/cube_order_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "settings/language_texts.h"

namespace kelmira {

CubeOrderDialog::CubeOrderDialog(const LanguageTexts& texts, QWidget* parent)
    : QDialog(parent), texts_(texts) {
    question_ = new QLabel(this);
    question_->setWordWrap(true);
    question_->setMinimumWidth(280);
    group_ = new QGroupBox(this);
    choice_ = new QButtonGroup(this);
    auto* items = new QVBoxLayout(group_);
    for (int i = 0; i < 2; ++i) {
        items_[i] = new QRadioButton(group_);
        choice_->addButton(items_[i], i);
        items->addWidget(items_[i]);
    }
    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* top = new QVBoxLayout(this);
    top->addWidget(question_);
    top->addWidget(group_);
    top->addLayout(buttons);

    prepare();
}

void CubeOrderDialog::setPlayers(int first, int second) {
    players_[0] = first;
    players_[1] = second;
    prepare();
}

void CubeOrderDialog::prepare() {
    setWindowTitle(TableText(texts_, txt::kCaravan));
    question_->setText(TableText(texts_, txt::kTwoCubesWhichFirst));
    NameFor(group_, question_->text());
    for (int i = 0; i < 2; ++i)
        items_[i]->setText(TableText(texts_, txt::kPlayerWord) + QLatin1Char(' ') + QString::number(players_[i]));
    ok_->setText(TableText(texts_, txt::kOk));
    NameByText({items_[0], items_[1], ok_});
    items_[0]->setChecked(true);
    result_ = 0;
}

QRadioButton* CubeOrderDialog::item(int position) const {
    return position >= 1 && position <= 2 ? items_[position - 1] : nullptr;
}

void CubeOrderDialog::accept() {
    result_ = choice_->checkedId() + 1;
    QDialog::accept();
}

void CubeOrderDialog::showEvent(QShowEvent* event) {
    prepare();
    QDialog::showEvent(event);
}

}  // namespace kelmira
