// The window's own controls, checked on the pixels they paint.
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QtTest>

#include "ui/controls/course_view.h"
#include "ui/controls/die_widget.h"
#include "ui/controls/shape_widget.h"

using namespace kelmira;

namespace {
QColor At(QWidget& w, int x, int y) { return w.grab().toImage().pixelColor(x, y); }
}  // namespace

class ControlsTest : public QObject {
    Q_OBJECT
  private slots:
    void dieFacesAndSelection() {
        const QColor cream(240, 251, 255), ink(0, 0, 128);
        DieWidget die;
        die.resize(50, 50);  // a fifth is 10 pixels: corner cells 10..20 and 30..40
        die.setBrushColor(cream);
        die.setPenColor(ink);

        QImage blank = die.grab().toImage();
        QCOMPARE(blank.pixelColor(0, 0), ink);  // outline
        for (QPoint p : {QPoint(25, 25), QPoint(15, 15), QPoint(35, 35), QPoint(15, 25)})
            QCOMPARE(blank.pixelColor(p), cream);

        die.setFaceNumber(5);
        QImage five = die.grab().toImage();
        for (QPoint p :
             {QPoint(15, 15), QPoint(35, 15), QPoint(15, 35), QPoint(35, 35), QPoint(25, 25)})
            QCOMPARE(five.pixelColor(p), ink);
        QCOMPARE(five.pixelColor(15, 25), cream);  // no middle pips on a five
        QCOMPARE(five.pixelColor(5, 25), cream);   // between the outline and the pips

        die.setSelected(true);
        QImage selected = die.grab().toImage();
        QCOMPARE(selected.pixelColor(0, 0), cream);
        QCOMPARE(selected.pixelColor(5, 25), ink);
        QCOMPARE(selected.pixelColor(25, 25), cream);
        QCOMPARE(selected.pixelColor(35, 15), cream);

        die.setSelected(false);
        QCOMPARE(die.grab().toImage(), five);

        die.setFaceNumber(6);
        QCOMPARE(At(die, 15, 25), ink);
        QCOMPARE(At(die, 35, 25), ink);
        QCOMPARE(At(die, 25, 25), cream);
    }

    void dieReportsReleaseInside() {
        DieWidget die;
        QSignalSpy spy(&die, &DieWidget::released);
        QTest::mouseRelease(&die, Qt::RightButton, Qt::ShiftModifier, QPoint(50, 50));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(spy.at(0).at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    }

    void cubeShowsThreeShadesOfItsColour() {
        ShapeWidget cube;
        cube.resize(100, 100);
        cube.setBrushColor(QColor(200, 40, 40));
        QImage img = cube.grab().toImage();
        const QColor front = img.pixelColor(65, 65), top = img.pixelColor(50, 12),
                     side = img.pixelColor(12, 50);
        QCOMPARE(front, QColor(200, 40, 40));
        QVERIFY(top.lightness() > front.lightness());
        QVERIFY(side.lightness() < front.lightness());
        QCOMPARE(side.hue(), front.hue());

        cube.setGradient(true);
        cube.setGradientColor(QColor(192, 192, 192));
        img = cube.grab().toImage();
        QVERIFY(img.pixelColor(65, 40).green() > img.pixelColor(65, 90).green() + 40);
    }

    void courseInsertAtTopPushesDownAndKeepsAll() {
        CourseView view;
        QSignalSpy changed(&view, &CourseView::changed);
        for (int i = 0; i < 3000; ++i)
            view.appendPart(view.insertLine(0)).setText(QString::number(i));
        QCOMPARE(view.lineCount(), 3000);
        QCOMPARE(view.line(0).at(0).text, QStringLiteral("2999"));
        QCOMPARE(view.line(2999).at(0).text, QStringLiteral("0"));
        QCOMPARE(view.insertLine(100000), 3000);
        QVERIFY(changed.count() >= 6001);
        view.clear();
        QCOMPARE(view.lineCount(), 0);
    }

    void courseSwatchLinesAndLineHeight() {
        CourseView view;
        QFont font(QStringLiteral("Sans Serif"), 8);
        font.setBold(true);
        view.setFont(font);
        const QFontMetrics fm(font);
        const QColor back(190, 160, 80);
        QCOMPARE(view.color(), back);

        view.setLineHeight(1);
        QCOMPARE(view.effectiveLineHeight(), fm.height());
        view.setLineHeight(fm.height() + 20);
        const int h = view.effectiveLineHeight();
        QCOMPARE(h, fm.height() + 20);

        // The line a course entry makes: a two-blank swatch, then the text on the background.
        const QColor colours[2] = {QColor(216, 244, 53), QColor(102, 184, 251)};
        for (int i = 0; i < 2; ++i) {
            const int line = view.insertLine(view.lineCount());
            view.appendPart(line).setBackColor(colours[i]);
            view.appendPart(line).setText(QStringLiteral("  "));
            view.appendPart(line).setBackColor(back);
            view.appendPart(line).setText(QStringLiteral(" Gold: +2"));
        }
        const QImage img = view.grab().toImage();
        const int left = 3, top = 4, swatch = fm.horizontalAdvance(QStringLiteral("  "));
        QCOMPARE(img.pixelColor(left + 1, top + 1), colours[0]);
        QCOMPARE(img.pixelColor(left + swatch - 1, top + fm.height() - 1), colours[0]);
        QCOMPARE(img.pixelColor(left + swatch + 1, top + 1), back);
        QCOMPARE(img.pixelColor(left + 1, top + fm.height() + 2), back);  // gap up to LineHeight
        QCOMPARE(img.pixelColor(left + 1, top + h + 1), colours[1]);
        bool textDrawn = false;
        for (int x = left + swatch; x < left + swatch + 60; ++x)
            for (int y = top; y < top + fm.height(); ++y) textDrawn |= img.pixelColor(x, y) != back;
        QVERIFY(textDrawn);

        // Filled from the bottom: the last line sits on the lower edge of the area.
        view.setFixedBottomLine(true);
        const QImage bottom = view.grab().toImage();
        QCOMPARE(bottom.pixelColor(left + 1, view.height() - top - h + 1), colours[1]);
        QCOMPARE(bottom.pixelColor(left + 1, view.height() - top - 2 * h + 1), colours[0]);
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
