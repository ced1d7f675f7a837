#include "ui/dialogs/dialog_common.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "ui/board/board_words.h"

#include "engine/card_table.h"
#include "settings/language_texts.h"

namespace kelmira {

QString TableText(const LanguageTexts& texts, int entry) { return ToQt(texts.table.get(entry)); }

QString PlainWords(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            // "&&" is a literal ampersand.
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out.trimmed();
}

std::string CardPictureFile(int picture) { return "Karte" + std::to_string(picture) + ".jpg"; }

int CardPictureOfKind(int kind) {
    return kind >= 1 && kind <= 9 ? kCardTable[kind - 1].picture : 1;
}

void ShowPicture(QLabel* label, const PictureSource& source, const std::string& fileName,
                 QSize box) {
    label->setAlignment(Qt::AlignCenter);
    const QImage image = source ? source(fileName) : QImage();
    if (image.isNull()) {
        label->setFixedSize(box);
        label->setPixmap(QPixmap());
        label->setFrameShape(QFrame::Box);
        return;
    }
    // Large pictures shrink to their place; small ones keep their own size and sharpness.
    const QImage fitted = image.width() > box.width() || image.height() > box.height()
                              ? image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                              : image;
    label->setFrameShape(QFrame::NoFrame);
    label->setFixedSize(fitted.size());
    label->setPixmap(QPixmap::fromImage(fitted));
}

void ShowCard(QLabel* label, const PictureSource& source, const LanguageTexts& texts, int kind,
              QSize box) {
    ShowPicture(label, source, CardPictureFile(CardPictureOfKind(kind)), box);
    if (label->pixmap().isNull()) return;
    // The title is written at the size the card is shown, in the language of the texts.
    const QImage art = source(CardPictureFile(CardPictureOfKind(kind)));
    label->setPixmap(CardPixmap(art, texts, kind, label->size(), label->devicePixelRatioF()));
}

void NameFor(QWidget* widget, const QString& caption) {
    widget->setAccessibleName(PlainWords(caption));
}

void NameValue(QLabel* value, const QString& caption) {
    NameFor(value, caption);
    value->setAccessibleDescription(value->text());
}

void NameByText(std::initializer_list<QAbstractButton*> buttons) {
    for (QAbstractButton* b : buttons) NameFor(b, b->text());
}

QLabel* MakeTitleLabel(QWidget* parent) {
    auto* title = new QLabel(parent);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    title->setFont(big);
    return title;
}

void LayOutCardDialog(QDialog* dialog, QLabel* title, QLabel* picture, QGridLayout* amounts,
                      QAbstractButton* ok, QAbstractButton* cancel) {
    auto* middle = new QHBoxLayout;
    middle->addWidget(picture);
    middle->addSpacing(12);
    middle->addLayout(amounts);
    middle->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* top = new QVBoxLayout(dialog);
    top->addWidget(title);
    top->addLayout(middle);
    top->addLayout(buttons);
}

}  // namespace kelmira
