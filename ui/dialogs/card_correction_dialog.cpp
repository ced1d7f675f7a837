#include "ui/dialogs/card_correction_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "settings/language_texts.h"

namespace kelmira {

namespace {
const QSize kCardBox(90, 126);
}

CardCorrectionDialog::CardCorrectionDialog(const LanguageTexts& texts, PictureSource pictures,
                                           QWidget* parent)
    : QDialog(parent), texts_(texts), pictures_(std::move(pictures)) {
    prompt_ = new QLabel(this);
    kindField_ = new QSpinBox(this);
    kindField_->setRange(1, 9);
    picture_ = new QLabel(this);
    cardName_ = new QLabel(this);
    QFont bold = cardName_->font();
    bold.setBold(true);
    cardName_->setFont(bold);
    cardText_ = new QLabel(this);
    cardText_->setWordWrap(true);
    cardText_->setMinimumWidth(180);

    group_ = new QGroupBox(this);
    remove_ = new QRadioButton(group_);
    exchange_ = new QRadioButton(group_);
    insert_ = new QRadioButton(group_);
    actions_ = new QButtonGroup(this);
    actions_->addButton(remove_, Remove);
    actions_->addButton(exchange_, Exchange);
    actions_->addButton(insert_, Insert);
    auto* groupLayout = new QVBoxLayout(group_);
    groupLayout->addWidget(remove_);
    groupLayout->addWidget(exchange_);
    groupLayout->addWidget(insert_);

    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(kindField_, &QSpinBox::valueChanged, this, &CardCorrectionDialog::showCard);

    auto* choice = new QHBoxLayout;
    choice->addWidget(prompt_);
    choice->addWidget(kindField_);
    choice->addStretch();
    auto* description = new QVBoxLayout;
    description->addWidget(cardName_);
    description->addWidget(cardText_);
    description->addStretch();
    auto* card = new QHBoxLayout;
    card->addWidget(picture_);
    card->addLayout(description, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* top = new QVBoxLayout(this);
    top->addLayout(choice);
    top->addLayout(card);
    top->addWidget(group_);
    top->addLayout(buttons);

    prepare();
}

void CardCorrectionDialog::setCurrentKind(int kind) {
    kind_ = kind;
    prepare();
}

void CardCorrectionDialog::prepare() {
    const QString prompt = TableText(texts_, txt::kChooseNewCard);
    setWindowTitle(prompt);
    prompt_->setText(prompt);
    NameFor(kindField_, prompt);
    group_->setTitle(TableText(texts_, txt::kCorrection));
    NameFor(group_, group_->title());
    remove_->setText(TableText(texts_, txt::kRemoveCard));
    exchange_->setText(TableText(texts_, txt::kExchangeCard));
    insert_->setText(TableText(texts_, txt::kInsertCard));
    ok_->setText(TableText(texts_, txt::kOk));
    cancel_->setText(TableText(texts_, txt::kAbort));
    NameByText({remove_, exchange_, insert_, ok_, cancel_});

    if (kind_ < 1 || kind_ > 9) kind_ = 1;
    previousKind_ = kind_;
    action_ = None;
    insert_->setChecked(true);
    kindField_->setValue(kind_);
    showCard(kind_);
}

QRadioButton* CardCorrectionDialog::actionButton(int action) const {
    return qobject_cast<QRadioButton*>(actions_->button(action));
}

void CardCorrectionDialog::showCard(int kind) {
    ShowCard(picture_, pictures_, texts_, kind, kCardBox);
    const CardText& card = texts_.cards.card(kind);
    cardName_->setText(ToQt(card.name));
    cardText_->setText(ToQt(card.text));
    NameFor(picture_, cardName_->text());
    picture_->setAccessibleDescription(cardText_->text());
}

void CardCorrectionDialog::accept() {
    kind_ = kindField_->value();
    action_ = actions_->checkedId();
    QDialog::accept();
}

void CardCorrectionDialog::reject() {
    kind_ = previousKind_;
    action_ = None;
    QDialog::reject();
}

void CardCorrectionDialog::showEvent(QShowEvent* event) {
    prepare();
    QDialog::showEvent(event);
}

}  // namespace kelmira
