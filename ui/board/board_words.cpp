#include "ui/board/board_words.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "settings/language_texts.h"

namespace kelmira {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QRect Place(const layout::Rect& r, int percent) {
    const layout::Rect s = layout::Scaled(r, percent);
    return QRect(s.x, s.y, std::max(1, s.w), std::max(1, s.h));
}

// A rectangle of a 52 x 74 picture, mapped into `picture`.
QRect Within(const layout::Rect& r, const QRect& picture) {
    const double sx = picture.width() / double(layout::kCardWidth);
    const double sy = picture.height() / double(layout::kCardHeight);
    return QRect(picture.x() + int(std::lround(r.x * sx)), picture.y() + int(std::lround(r.y * sy)),
                 std::max(1, int(std::lround(r.w * sx))), std::max(1, int(std::lround(r.h * sy))));
}

BoxedText Fitted(QString name, QString text, QRect box, QFont font, int flags) {
    BoxedText t{std::move(name), std::move(text), box, font, flags};
    t.font = FittingFont(font, t.text, box.size(), flags);
    return t;
}

}  // namespace

bool TextFits(const QFont& font, const QString& text, QSize size, int flags) {
    const QFontMetricsF fm(font);
    const QRectF used = fm.boundingRect(QRectF(0, 0, size.width(), size.height()), flags, text);
    // Word wrap never breaks inside a word: a word wider than the box shows as a wider rect.
    return used.width() <= size.width() + 0.01 && used.height() <= size.height() + 0.01;
}

QFont FittingFont(QFont font, const QString& text, QSize size, int flags) {
    const int wanted = font.pixelSize() > 0 ? font.pixelSize() : 11;
    const int smallest = std::max(5, wanted * 3 / 4);
    for (int px = wanted; px >= smallest; --px) {
        font.setPixelSize(px);
        if (TextFits(font, text, size, flags)) return font;
    }
    return font;
}

QString WithWordBreaks(const QString& text) {
    QString out;
    out.reserve(text.size() + 4);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i > 0 && text[i].isUpper() && text[i - 1].isLower()) out += QChar(0x200B);
        out += text[i];
    }
    return out;
}

QFont BoardFont(int pixels100, int percent, bool bold, bool serif) {
    QFont f(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    f.setBold(bold);
    f.setPixelSize(std::max(5, pixels100 * percent / 100));
    return f;
}

std::vector<BoxedText> BoardWords(const LanguageTexts& texts, int percent, int players) {
    std::vector<BoxedText> out;
    const TextTable& t = texts.table;
    const int centre = Qt::AlignCenter;
    for (int r = 1; r <= 4; ++r)
        out.push_back(Fitted(QStringLiteral("region %1").arg(r),
                             q(t.get(txt::kRegionName + r)),
                             Place(layout::RegionName(r), percent), BoardFont(22, percent, true, true),
                             centre));
    out.push_back(Fitted(QStringLiteral("week"), q(t.get(txt::kWeek)),
                         Place(layout::WeekWord(), percent), BoardFont(15, percent, true, true),
                         centre));
    out.push_back(Fitted(QStringLiteral("day"), q(t.get(txt::kDay)),
                         Place(layout::DayWord(), percent), BoardFont(15, percent, true, true),
                         centre));
    for (int p = 1; p <= std::clamp(players, 1, 4); ++p)
        out.push_back(Fitted(QStringLiteral("points %1").arg(p), q(t.get(txt::kPoints)),
                             Place(layout::PointsWord(p), percent),
                             BoardFont(p == 1 ? 12 : 11, percent),
                             Qt::AlignLeft | Qt::AlignVCenter));
    return out;
}

BoxedText CardTitleText(const LanguageTexts& texts, int kind, const QRect& card) {
    const int px = std::max(5, card.width() * 8 / layout::kCardWidth);
    return Fitted(QStringLiteral("card %1").arg(kind), WithWordBreaks(q(texts.cards.card(kind).name)),
                  Within(layout::CardTitle(), card), BoardFont(px, 100),
                  Qt::AlignCenter | Qt::TextWordWrap);
}

BoxedText BuildingNameText(const LanguageTexts& texts, int kind, const QRect& picture) {
    const int px = std::max(5, picture.width() * 9 / layout::kCardWidth);
    // The names are long single words on a narrow strip: the condensed face keeps them large.
    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    f.setBold(true);
    f.setPixelSize(px);
    return Fitted(QStringLiteral("building %1").arg(kind),
                  q(texts.table.get(txt::kBuildingName + kind)),
                  Within(layout::BuildingName(), picture), f, Qt::AlignCenter);
}

void PaintBoxedText(QPainter& p, const BoxedText& t, const QColor& ink, const QColor& halo) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (halo.isValid()) {
        // One line, centred: drawn as a path so the halo can run round every letter.
        const QFontMetricsF fm(t.font);
        const double w = fm.horizontalAdvance(t.text);
        const QPointF base(t.box.center().x() + 0.5 - w / 2,
                           t.box.center().y() + 0.5 + (fm.ascent() - fm.descent()) / 2);
        QPainterPath path;
        path.addText(base, t.font, t.text);
        QPen pen(halo, std::max(1.5, t.font.pixelSize() / 7.0));
        pen.setJoinStyle(Qt::RoundJoin);
        p.strokePath(path, pen);
        p.fillPath(path, ink);
    } else {
        p.setFont(t.font);
        p.setPen(ink);
        p.drawText(t.box, t.flags, t.text);
    }
    p.restore();
}

namespace {

QPixmap Compose(const QImage& art, QSize size, qreal dpr, const BoxedText* words,
                const QColor& ink) {
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), size), art);
    if (words) PaintBoxedText(p, *words, ink);
    return pm;
}

}  // namespace

QPixmap CardPixmap(const QImage& art, const LanguageTexts& texts, int kind, QSize size, qreal dpr) {
    if (kind < 1 || kind > 9) return Compose(art, size, dpr, nullptr, {});
    const BoxedText title = CardTitleText(texts, kind, QRect(QPoint(0, 0), size));
    return Compose(art, size, dpr, &title, QColor(251, 243, 224));
}

QPixmap BuildingPixmap(const QImage& art, const LanguageTexts& texts, int kind, QSize size,
                       qreal dpr) {
    const BoxedText name = BuildingNameText(texts, kind, QRect(QPoint(0, 0), size));
    return Compose(art, size, dpr, &name, QColor(251, 243, 224));
}

}  // namespace kelmira
