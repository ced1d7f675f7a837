#include "ui/dialogs/victory_points_dialog.h"

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
constexpr int kPointsPerCamelCard = 6;  // "2SPproKamel"
constexpr int kPointsPerGoldCard = 7;   // "1SPproGold"
}  // namespace

VictoryPointsDialog::VictoryPointsDialog(const LanguageTexts& texts, PictureSource pictures,
                                         QWidget* parent)
    : QDialog(parent), texts_(texts), pictures_(std::move(pictures)) {
    title_ = MakeTitleLabel(this);
    picture_ = new QLabel(this);
    amountLabel_ = new QLabel(this);
    amountValue_ = new QLabel(this);
    pointsLabel_ = new QLabel(this);
    pointsField_ = new QSpinBox(this);
    pointsField_->setMinimum(0);
    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* purse = new QGridLayout;
    purse->addWidget(amountLabel_, 0, 0);
    purse->addWidget(amountValue_, 0, 1);
    purse->addWidget(pointsLabel_, 1, 0);
    purse->addWidget(pointsField_, 1, 1);
    purse->setRowStretch(2, 1);
    LayOutCardDialog(this, title_, picture_, purse, ok_, cancel_);

    prepare();
}

int VictoryPointsDialog::MaximumPoints(bool camelMode, int available) {
    return camelMode ? 2 * std::clamp(available, 0, 4) : std::clamp(available, 0, 10);
}

void VictoryPointsDialog::setValues(int mode, int available) {
    mode_ = mode;
    available_ = available;
    prepare();
}

void VictoryPointsDialog::prepare() {
    setWindowTitle(TableText(texts_, txt::kBuyVictoryPoints));
    title_->setText(TableText(texts_, txt::kCardBuyVictoryPoints));
    amountLabel_->setText(TableText(texts_, camelMode() ? 54 : 60));
    pointsLabel_->setText(TableText(texts_, txt::kVictoryPointCount));
    ok_->setText(TableText(texts_, txt::kOk));
    cancel_->setText(TableText(texts_, txt::kCancel));
    NameFor(pointsField_, pointsLabel_->text());
    NameFor(picture_, title_->text());
    NameByText({ok_, cancel_});
    ShowCard(picture_, pictures_, texts_, camelMode() ? kPointsPerCamelCard : kPointsPerGoldCard,
             kCardBox);

    amountValue_->setText(QString::number(available_));
    NameValue(amountValue_, amountLabel_->text());
    points_ = 0;
    const int most = MaximumPoints(camelMode(), available_);
    pointsField_->setSingleStep(camelMode() ? 2 : 1);
    pointsField_->setMaximum(most);
    pointsField_->setValue(most);
    pointsField_->setReadOnly(most < 1);
}

void VictoryPointsDialog::accept() {
    points_ = pointsField_->value();
    // A typed odd number in camel mode would cost half a camel.
    if (camelMode()) points_ -= points_ % 2;
    QDialog::accept();
}

void VictoryPointsDialog::showEvent(QShowEvent* event) {
    prepare();
    QDialog::showEvent(event);
}

}  // namespace kelmira
