#include "ui/dialogs/exchange_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "settings/language_texts.h"

namespace kelmira {

namespace {
const QSize kCardBox(90, 126);
constexpr int kExchangeCard = 1;
}  // namespace

ExchangeDialog::ExchangeDialog(const LanguageTexts& texts, PictureSource pictures, QWidget* parent)
    : QDialog(parent), texts_(texts), pictures_(std::move(pictures)) {
    title_ = MakeTitleLabel(this);
    picture_ = new QLabel(this);
    goldLabel_ = new QLabel(this);
    goldValue_ = new QLabel(this);
    goldBox_ = new QCheckBox(this);
    camelsLabel_ = new QLabel(this);
    camelsValue_ = new QLabel(this);
    camelsBox_ = new QCheckBox(this);
    // One of the two is always what is given away.
    giveAway_ = new QButtonGroup(this);
    giveAway_->setExclusive(true);
    giveAway_->addButton(goldBox_);
    giveAway_->addButton(camelsBox_);
    amountLabel_ = new QLabel(this);
    amount_ = new QSpinBox(this);
    amount_->setSingleStep(1);
    amount_->setMinimum(0);
    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(goldBox_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) giveAwayChanged();
    });
    connect(camelsBox_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) giveAwayChanged();
    });

    auto* purse = new QGridLayout;
    purse->addWidget(goldLabel_, 0, 0);
    purse->addWidget(goldValue_, 0, 1, Qt::AlignRight);
    purse->addWidget(goldBox_, 0, 2);
    purse->addWidget(camelsLabel_, 1, 0);
    purse->addWidget(camelsValue_, 1, 1, Qt::AlignRight);
    purse->addWidget(camelsBox_, 1, 2);
    purse->addWidget(amountLabel_, 2, 0);
    purse->addWidget(amount_, 2, 1, 1, 2);
    purse->setColumnMinimumWidth(1, 30);
    purse->setRowStretch(3, 1);
    LayOutCardDialog(this, title_, picture_, purse, ok_, cancel_);

    prepare();
}

void ExchangeDialog::setValues(int gold, int camels) {
    gold_ = gold;
    camels_ = camels;
    prepare();
}

void ExchangeDialog::prepare() {
    setWindowTitle(TableText(texts_, txt::kCardExchange));
    title_->setText(TableText(texts_, txt::kCardExchange));
    goldLabel_->setText(TableText(texts_, txt::kGoldColon));
    camelsLabel_->setText(TableText(texts_, txt::kCamelsColon));
    amountLabel_->setText(TableText(texts_, txt::kExchangeAmount));
    ok_->setText(TableText(texts_, txt::kOk));
    cancel_->setText(TableText(texts_, txt::kCancel));
    NameFor(goldBox_, goldLabel_->text());
    NameFor(camelsBox_, camelsLabel_->text());
    NameFor(amount_, amountLabel_->text());
    NameFor(picture_, TableText(texts_, txt::kCardExchange));
    NameByText({ok_, cancel_});
    ShowCard(picture_, pictures_, texts_, kExchangeCard, kCardBox);

    goldValue_->setText(QString::number(gold_));
    camelsValue_->setText(QString::number(camels_));
    NameValue(goldValue_, goldLabel_->text());
    NameValue(camelsValue_, camelsLabel_->text());
    result_ = 0;
    const bool both = gold_ > 0 && camels_ > 0;
    goldBox_->setVisible(both);
    camelsBox_->setVisible(both);
    {
        const QSignalBlocker quietGold(goldBox_);
        const QSignalBlocker quietCamels(camelsBox_);
        goldBox_->setChecked(true);
    }
    // With only one of the two in the purse, that one is what is given away.
    amount_->setValue(0);
    amount_->setMaximum(std::max(both || gold_ > 0 ? gold_ : camels_, 0));
}

void ExchangeDialog::giveAwayChanged() {
    amount_->setValue(0);
    amount_->setMaximum(std::max(camelsBox_->isChecked() ? camels_ : gold_, 0));
    amount_->setValue(0);
}

int ExchangeDialog::signedAmount() const {
    const int n = amount_->value();
    if (gold_ <= 0) return n;
    if (camels_ <= 0) return -n;
    return camelsBox_->isChecked() ? n : -n;
}

void ExchangeDialog::done(int r) {
    result_ = signedAmount();
    QDialog::done(r);
}

void ExchangeDialog::showEvent(QShowEvent* event) {
    prepare();
    QDialog::showEvent(event);
}

}  // namespace kelmira
