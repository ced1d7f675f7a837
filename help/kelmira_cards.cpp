// kelmira-cards: writes the card overview (Karten.pdf, in English Cards.pdf) from the card
// table and the card pictures "Karte<n>.jpg". A build tool: a missing or unreadable picture
// becomes a framed placeholder, so the document always builds.
//
//   kelmira-cards OUTPUT.pdf PICTURE_FOLDER [en]

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QString>
#include <cstdio>
#include <cstring>

#include "engine/card_table.h"

namespace {

// The words of one language; the German card names and texts are the card table's own.
struct Words {
    const char* title;
    const char* note;
    const char* copies;  // "%1" = the number of copies
    const char* names[9];
    const char* texts[9];
    const char* effects[9];
};

// What each card does, in the words of the rules page.
constexpr const char* kEffect[9] = {
    "Tauscht beliebig viel Gold in Kamele oder Kamele in Gold, 1:1, in eine Richtung.",
    "Du erhältst sofort 3 Kamele.",
    "Du erhältst sofort 3 Gold. Darf auch vor dem eigenen Wurf gespielt werden, wenn du "
    "weniger als 3 Gold hast.",
    "Setzt einen Stein aus deinem Vorrat auf ein erlaubtes freies Feld eines Basars, nach "
    "den Regeln des Einsetzens.",
    "Legt einen Stein aus deinem Vorrat auf den nächsten Platz der Karawane; er bringt die "
    "Siegpunkte dieses Platzes.",
    "Gib bis zu 4 Kamele ab und erhalte 2 Siegpunkte je Kamel.",
    "Gib bis zu 10 Gold ab und erhalte 1 Siegpunkt je Gold.",
    "Das nächste Gebäude in diesem Zug kostet keine Kamele.",
    "Das nächste Gebäude in diesem Zug kostet kein Gold.",
};

constexpr Words kEnglish = {
    "Kelmira – Card Overview",
    "18 cards, 2 of each kind. Instead of its effect any card can be discarded: once per turn "
    "one extra die for the action.",
    "In the game: %1 cards",
    {"Exchange Gold/Camels", "3 Camels", "3 Gold", "Cube on a Shop", "Cube on the Caravan",
     "2 VP per Camel", "1 VP per Gold", "Build without Camels", "Build without Gold"},
    {"Exchange gold for camels or camels for gold at 1:1", "You receive 3 camels",
     "You receive 3 gold", "Place a cube on any shop in the city", "Place a cube on the caravan",
     "Receive 2 victory points per camel; at most 8 victory points",
     "Receive 1 victory point per gold; at most 10 victory points",
     "Build a special building without paying camels",
     "Build a special building without paying gold"},
    {"Exchanges any amount of gold into camels or camels into gold, 1:1, in one direction.",
     "You receive 3 camels at once.",
     "You receive 3 gold at once. May also be played before your own roll when you have less "
     "than 3 gold.",
     "Places a cube from your supply on an allowed free field of a bazaar, by the rules of "
     "placing.",
     "Puts a cube from your supply on the next place of the caravan; it yields the victory "
     "points of that place.",
     "Give up to 4 camels and receive 2 victory points per camel.",
     "Give up to 10 gold and receive 1 victory point per gold.",
     "The next building in this turn costs no camels.",
     "The next building in this turn costs no gold."},
};

Words GermanWords() {
    Words w{"Kelmira – Kartenübersicht",
            "18 Karten, je 2 von jeder Sorte. Jede Karte kann statt ihrer Wirkung abgeworfen "
            "werden: einmal pro Zug ein zusätzlicher Würfel für die Aktion.",
            "Im Spiel: %1 Karten",
            {},
            {},
            {}};
    for (int i = 0; i < 9; ++i) {
        w.names[i] = kelmira::kCardTable[i].name;
        w.texts[i] = kelmira::kCardTable[i].text;
        w.effects[i] = kEffect[i];
    }
    return w;
}

constexpr int kCardsPerPage = 5;

// Millimetres to device pixels of the writer.
struct Mm {
    double perMm;
    int operator()(double mm) const { return static_cast<int>(mm * perMm + 0.5); }
};

void drawPicture(QPainter& p, const QRect& box, const QImage& image, const QString& name) {
    if (image.isNull()) {
        // Card-shaped frame with the name, so a build without pictures still reads well.
        const int w = box.height() * 5 / 7;
        QRect frame(box.left() + (box.width() - w) / 2, box.top(), w, box.height());
        QPainterPath path;
        path.addRoundedRect(frame, w / 12.0, w / 12.0);
        p.fillPath(path, QColor(0xf3, 0xe9, 0xd2));
        p.setPen(QPen(QColor(0x7a, 0x3b, 0x10), w / 60.0));
        p.drawPath(path);
        // Card names are single long words: shrink the font until the name fits the frame.
        QFont f("DejaVu Sans");
        f.setPointSizeF(9);
        f.setBold(true);
        const double room = w * 0.84;
        const double width = QFontMetricsF(f, p.device()).horizontalAdvance(name);
        if (width > room) f.setPointSizeF(9 * room / width);
        p.setFont(f);
        p.setPen(QColor(0x5a, 0x30, 0x10));
        p.drawText(frame.adjusted(w / 12, 0, -w / 12, 0), Qt::AlignCenter | Qt::TextWordWrap, name);
        return;
    }
    QSize size = image.size().scaled(box.size(), Qt::KeepAspectRatio);
    QRect target(box.left() + (box.width() - size.width()) / 2, box.top(), size.width(),
                 size.height());
    p.drawImage(target, image);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.drawRect(target);
}

bool writeOverview(const QString& output, const QString& pictureFolder, const Words& words) {
    QPdfWriter writer(output);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(200);
    writer.setTitle(QString::fromUtf8(words.title));
    writer.setCreator(QStringLiteral("kelmira-cards"));

    QPainter p;
    if (!p.begin(&writer)) return false;
    const Mm mm{writer.resolution() / 25.4};
    const int left = mm(18), right = mm(210 - 18);
    const int rowHeight = mm(50);

    for (int i = 0; i < 9; ++i) {
        const kelmira::CardInfo& card = kelmira::kCardTable[i];
        const int slot = i % kCardsPerPage;
        if (slot == 0) {
            if (i > 0) writer.newPage();
            QFont title("DejaVu Sans");
            title.setPointSizeF(16);
            title.setBold(true);
            p.setFont(title);
            p.setPen(QColor(0x7a, 0x3b, 0x10));
            p.drawText(QRect(left, mm(10), right - left, mm(10)), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromUtf8(words.title));
            QFont note("DejaVu Sans");
            note.setPointSizeF(8.5);
            p.setFont(note);
            p.setPen(QColor(0x40, 0x40, 0x40));
            p.drawText(QRect(left, mm(20), right - left, mm(8)),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                       QString::fromUtf8(words.note));
        }
        const int top = mm(30) + slot * rowHeight;
        const QString name = QString::fromUtf8(words.names[i]);
        const QImage image(pictureFolder + QStringLiteral("/Karte%1.jpg").arg(card.picture));
        drawPicture(p, QRect(left, top, mm(34), rowHeight - mm(6)), image, name);

        const int textLeft = left + mm(40);
        QFont nameFont("DejaVu Sans");
        nameFont.setPointSizeF(13);
        nameFont.setBold(true);
        p.setFont(nameFont);
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.drawText(QRect(textLeft, top, right - textLeft, mm(8)), Qt::AlignLeft | Qt::AlignTop,
                   name);
        QFont textFont("DejaVu Sans");
        textFont.setPointSizeF(10.5);
        textFont.setItalic(true);
        p.setFont(textFont);
        p.drawText(QRect(textLeft, top + mm(9), right - textLeft, mm(12)),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   QStringLiteral("„%1“").arg(QString::fromUtf8(words.texts[i])));
        QFont effectFont("DejaVu Sans");
        effectFont.setPointSizeF(9.5);
        p.setFont(effectFont);
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.drawText(QRect(textLeft, top + mm(22), right - textLeft, mm(14)),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromUtf8(words.effects[i]));
        p.drawText(QRect(textLeft, top + mm(37), right - textLeft, mm(6)),
                   Qt::AlignLeft | Qt::AlignTop,
                   QString::fromUtf8(words.copies).arg(card.copies));
        p.setPen(QPen(QColor(0xc8, 0xb8, 0x98), mm(0.3)));
        p.drawLine(left, top + rowHeight - mm(2), right, top + rowHeight - mm(2));
    }
    return p.end();
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a platform; a build machine has no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool english = argc == 4 && std::strcmp(argv[3], "en") == 0;
    if (argc != 3 && !english) {
        std::fprintf(stderr, "usage: kelmira-cards OUTPUT.pdf PICTURE_FOLDER [en]\n");
        return 2;
    }
    const Words words = english ? kEnglish : GermanWords();
    if (!writeOverview(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), words)) {
        std::fprintf(stderr, "kelmira-cards: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
