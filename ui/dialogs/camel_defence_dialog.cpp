#include "ui/dialogs/camel_defence_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/language_texts.h"

namespace kelmira {

namespace {
constexpr int kFirstRegionName = 99;  // "Sack", "Fass", "Truhe", "Vase"
}

CamelDefenceDialog::CamelDefenceDialog(const LanguageTexts& texts, QWidget* parent)
    : QDialog(parent), texts_(texts) {
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->setMinimumWidth(300);
    regionLabel_ = new QLabel(this);
    regionValue_ = new QLabel(this);
    pointsLabel_ = new QLabel(this);
    pointsValue_ = new QLabel(this);
    QFont bold = regionValue_->font();
    bold.setBold(true);
    regionValue_->setFont(bold);
    pointsValue_->setFont(bold);
    yes_ = new QPushButton(this);
    no_ = new QPushButton(this);
    ok_ = new QPushButton(this);
    connect(yes_, &QPushButton::clicked, this, &QDialog::accept);
    connect(no_, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok_, &QPushButton::clicked, this, &QDialog::reject);

    auto* facts = new QGridLayout;
    facts->addWidget(regionLabel_, 0, 0);
    facts->addWidget(regionValue_, 0, 1);
    facts->addWidget(pointsLabel_, 1, 0);
    facts->addWidget(pointsValue_, 1, 1);
    facts->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes_);
    buttons->addWidget(no_);
    buttons->addWidget(ok_);
    auto* top = new QVBoxLayout(this);
    top->addLayout(facts);
    top->addWidget(message_);
    top->addLayout(buttons);

    prepare();
}

void CamelDefenceDialog::setValues(int region, int points, bool ownsCamel) {
    region_ = region;
    points_ = points;
    ownsCamel_ = ownsCamel;
    prepare();
}

void CamelDefenceDialog::prepare() {
    setWindowTitle(TableText(texts_, txt::kCaravan));
    regionLabel_->setText(TableText(texts_, txt::kRegionColon));
    pointsLabel_->setText(TableText(texts_, txt::kVictoryPointsColon));
    regionValue_->setText(region_ >= 1 && region_ <= 4
                              ? TableText(texts_, kFirstRegionName + region_ - 1)
                              : QString());
    pointsValue_->setText(QString::number(points_));
    message_->setText(TableText(texts_, txt::kCubeToCaravan) + TableText(texts_, ownsCamel_ ? txt::kPayCamelToDefend : txt::kNoCamelToDefend));
    yes_->setText(TableText(texts_, txt::kYes));
    no_->setText(TableText(texts_, txt::kNo));
    ok_->setText(TableText(texts_, txt::kOk));
    NameValue(regionValue_, regionLabel_->text());
    NameValue(pointsValue_, pointsLabel_->text());
    // The question itself is what the label says: its text serves as its name.
    message_->setAccessibleName(QString());
    NameByText({yes_, no_, ok_});

    yes_->setVisible(ownsCamel_);
    no_->setVisible(ownsCamel_);
    ok_->setVisible(!ownsCamel_);
    // Enter must not pay a camel unasked.
    yes_->setDefault(false);
    yes_->setAutoDefault(false);
    no_->setDefault(ownsCamel_);
    ok_->setDefault(!ownsCamel_);
}

QString CamelDefenceDialog::message() const { return message_->text(); }

void CamelDefenceDialog::showEvent(QShowEvent* event) {
    prepare();
    QDialog::showEvent(event);
}

}  // namespace kelmira
