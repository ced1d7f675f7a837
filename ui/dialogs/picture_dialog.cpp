#include "ui/dialogs/picture_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/language_texts.h"

namespace kelmira {

namespace {
const QSize kPictureBox(400, 300);
}

QDate EasterSunday(int year) {
    int a = (204 - 11 * (year % 19)) % 30;
    if (a >= 28) --a;
    const int day = a + 28 - ((year + year / 4 + a - 13) % 7);
    return day > 31 ? QDate(year, 4, day - 31) : QDate(year, 3, day);
}

int PictureSetToShow(int totalGames, bool& oneShot, QDate today) {
    int set = 0;
    if (totalGames % 1000 == 999)
        set = 3;
    else if (totalGames % 250 == 0 && totalGames % 1000 != 0)
        set = 2;
    else if (oneShot &&
             ((today.month() == 10 && today.day() == 1) || today == EasterSunday(today.year())))
        set = 2;
    else if (oneShot && totalGames % 50 == 0)
        set = 1;
    if (set != 0) oneShot = false;
    return set;
}

std::string PictureDialog::SetFile(int set) { return "Bild" + std::to_string(set) + ".jpg"; }

PictureDialog::PictureDialog(const LanguageTexts& texts, PictureSource pictures, QWidget* parent)
    : QDialog(parent), texts_(texts), pictures_(std::move(pictures)) {
    auto* top = new QVBoxLayout(this);
    for (QLabel*& label : pictureLabels_) {
        label = new QLabel(this);
        top->addWidget(label, 0, Qt::AlignHCenter);
    }
    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addStretch();
    top->addLayout(buttons);
    prepare();
}

void PictureDialog::setSet(int set) {
    set_ = set >= 1 && set <= kSets ? set : 1;
    prepare();
}

void PictureDialog::prepare() {
    setWindowTitle(TableText(texts_, txt::kKelmira));
    ok_->setText(TableText(texts_, txt::kOk));
    NameByText({ok_});
    for (int i = 0; i < kSets; ++i) {
        QLabel* label = pictureLabels_[i];
        const bool shown = i + 1 == set_;
        label->setVisible(shown);
        if (shown) {
            ShowPicture(label, pictures_, SetFile(i + 1), kPictureBox);
            NameFor(label, TableText(texts_, txt::kKelmira));
        }
    }
}

void PictureDialog::showEvent(QShowEvent* event) {
    prepare();
    QDialog::showEvent(event);
}

}  // namespace kelmira
