// Every word on the board, in every shipped language, fits the box it is written in at 100 %:
// the words painted on the board and on its pictures, the labels, the buttons and the status
// panels with the longest values they show.
#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QtTest>

#include <filesystem>

#include "window_fixture.h"

using namespace kelmira;

namespace {

std::filesystem::path LangDir() {
    return std::filesystem::path(qgetenv("KELMIRA_SOURCE_DIR").toStdString()) / "lang";
}

QString Where(const QWidget* w) {
    return w->accessibleName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                         : w->accessibleName();
}

}  // namespace

class BoardTextsTest : public QObject {
    Q_OBJECT
  private slots:
    void everyTextFitsItsBox_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("built-in") << QString();
        for (const auto& entry : std::filesystem::directory_iterator(LangDir()))
            if (entry.path().extension() == ".ini")
                QTest::newRow(entry.path().filename().string().c_str())
                    << QString::fromStdString(entry.path().string());
        QVERIFY(QDir(QString::fromStdString(LangDir().string())).entryList({"*.ini"}).size() >= 2);
    }

    void everyTextFitsItsBox() {
        QFETCH(QString, file);
        QTemporaryDir dir;
        if (!file.isEmpty())
            std::filesystem::copy_file(file.toStdString(),
                                       std::filesystem::path(dir.path().toStdString()) / "Lang.ini");
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        BoardView* b = w->board();
        QCOMPARE(b->scale(), 100);
        if (file.endsWith(QLatin1String("English.ini")))
            QCOMPARE(b->nextButton()->text(), QStringLiteral("Next"));

        // The longest values the labels show.
        Game& g = w->game();
        g.s.playerCount = 4;
        g.s.week = 3;
        g.s.day = 7;
        g.s.startPlayer = 4;
        for (int p = 1; p <= 4; ++p) {
            PlayerState& ps = g.s.player(p);
            ps.gold = 88;
            ps.camels = 88;
            ps.cubes = 50;
            ps.cardCount = 18;
            ps.halfCard = 1;
            ps.victoryPoints = 188;
        }
        g.correctionMode = true;
        g.traceOn = true;
        b->refreshAll();
        const TextTable& t = w->texts().table;
        b->statusPanel(2)->setText(QString::fromStdString(t.get(40) + " 40 " + t.get(41) + " 40"));

        int measured = 0;
        for (const BoxedText& word : b->paintedWords()) {
            QVERIFY2(TextFits(word.font, word.text, word.box.size(), word.flags),
                     qPrintable(word.name + ": " + word.text));
            ++measured;
        }
        for (const BoxedText& word : b->pictureWords()) {
            QVERIFY2(TextFits(word.font, word.text, word.box.size(), word.flags),
                     qPrintable(word.name + ": " + word.text));
            ++measured;
        }
        QCOMPARE(measured, 4 + 2 + 4 + 6 + 9);

        for (QLabel* l : b->findChildren<QLabel*>()) {
            if (l->text().isEmpty()) continue;
            const int room = l->contentsRect().width() - 2 * std::max(0, l->margin());
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= room,
                     qPrintable(Where(l) + ": " + l->text()));
            ++measured;
        }
        for (QAbstractButton* button : b->findChildren<QAbstractButton*>()) {
            auto* tool = qobject_cast<QToolButton*>(button);
            if (button->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
                continue;
            const QStyle* st = button->style();
            const int frame = st->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                              2 * st->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + frame <= button->width(),
                     qPrintable(Where(button) + ": " + button->text()));
            ++measured;
        }
        // Status panels, player values, row numbers, "Ablauf", the buttons.
        QVERIFY(measured > 25 + 9 + 20 + 6);

        // The course caption, plain and framed while it holds the course open, at any scale.
        w->show();
        const QSize chrome = w->size() - b->size();
        for (int scale : {BoardView::kMinScale, 75, 150, 250}) {
            w->resize(BoardView::SizeForScale(scale) + chrome);
            for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
            QCOMPARE(b->scale(), scale);
            for (int click = 0; click < 2; ++click, b->toggleCourse()) {
                QCOMPARE(b->courseKeptOpen(), click == 1);
                for (QLabel* l : {static_cast<QLabel*>(b->ablaufLabel()), static_cast<QLabel*>(b->questionLabel())})
                    QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width(),
                             qPrintable(QStringLiteral("%1 at %2 %").arg(l->text()).arg(scale)));
            }
        }
    }

};

QTEST_MAIN(BoardTextsTest)
#include "board_texts_test.moc"
