#pragma once
// The words the board writes over its pictures: region names, the week and day tracks, the
// points plaques, building names and card titles. They come from the text table at run time,
// so a language file changes them, and each is fitted to its box at the board's scale.

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <vector>

#include "ui/board/geometry.h"

namespace kelmira {

struct LanguageTexts;

// A text written into a fixed box: what the board paints and what the text-fit check measures.
struct BoxedText {
    QString name;  // where it is, for messages
    QString text;
    QRect box;
    QFont font;
    int flags = 0;  // Qt::Alignment and Qt::TextWordWrap
};

// True when `text` drawn with `font` and `flags` stays inside a box of `size`.
bool TextFits(const QFont& font, const QString& text, QSize size, int flags);

// `font`, made smaller one pixel at a time (down to 75 % of its size) until `text` fits;
// the last size tried when nothing fits.
QFont FittingFont(QFont font, const QString& text, QSize size, int flags);

// Lets run-together words such as "SteinAufKarawane" break where a capital follows a small
// letter, so a title can wrap onto a second line.
QString WithWordBreaks(const QString& text);

// The board's fonts at a scale: words are sized in pixels of the 100 % layout.
QFont BoardFont(int pixels100, int percent, bool bold = true, bool serif = false);

// The words painted straight on the board at `percent`: region names, "Woche", "Tag" and the
// "Punkte" over the plaques of players 1..players.
std::vector<BoxedText> BoardWords(const LanguageTexts& texts, int percent, int players);

// The title of card kind 1..9 on a card face in `box` (the card picture's rectangle).
BoxedText CardTitleText(const LanguageTexts& texts, int kind, const QRect& card);
// The name of building kind 1..6 on its picture in `picture`.
BoxedText BuildingNameText(const LanguageTexts& texts, int kind, const QRect& picture);

// Writes a boxed text; region names and other words on open ground get a light halo.
void PaintBoxedText(class QPainter& p, const BoxedText& t, const QColor& ink,
                    const QColor& halo = QColor());

// A card face or building picture drawn at `size` device-independent pixels with its words,
// for a screen of `dpr` device pixels per pixel. Kind 0 of a card is the back, without words.
QPixmap CardPixmap(const QImage& art, const LanguageTexts& texts, int kind, QSize size, qreal dpr);
QPixmap BuildingPixmap(const QImage& art, const LanguageTexts& texts, int kind, QSize size,
                       qreal dpr);

}  // namespace kelmira
