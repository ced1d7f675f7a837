#include "ui/windows/trace_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using kelmira::LanguageTexts;
using kelmira::TraceWindow;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class TraceWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void linesAppearInOrderAndClear() {
        LanguageTexts texts;
        TraceWindow window(texts, QDir::tempPath());
        window.setLines({"start 1", "start 2"});
        window.show();
        for (int i = 1; i <= 3; ++i) window.appendLine("Zeile " + std::to_string(i));
        window.appendLine("");
        window.appendLine("Größe");

        QCOMPARE(window.text(),
                 std::string("start 1\nstart 2\nZeile 1\nZeile 2\nZeile 3\n\nGröße\n"));
        auto* memo = window.findChild<QPlainTextEdit*>("traceMemo");
        QVERIFY(memo);
        QTRY_COMPARE(memo->toPlainText(),
                     QString::fromUtf8("start 1\nstart 2\nZeile 1\nZeile 2\nZeile 3\n\nGröße"));
        QCOMPARE(window.windowTitle(), QString("Kelmira: Trace / Debug Fenster"));

        // Lines written while hidden are there when it is shown again.
        window.hide();
        window.setLines({"neu"});
        window.appendLine("danach");
        window.show();
        QTRY_COMPARE(memo->toPlainText(), QString("neu\ndanach"));

        QTest::mouseClick(window.findChild<QPushButton*>("clearButton"), Qt::LeftButton);
        QCOMPARE(window.text(), std::string());
        QTRY_COMPARE(memo->toPlainText(), QString());
        window.appendLine("wieder");
        QTRY_COMPARE(memo->toPlainText(), QString("wieder"));
    }

    void saveWritesUtf8AndFailuresKeepOldFile() {
        LanguageTexts texts;
        TraceWindow window(texts, QDir::tempPath());
        window.setLines({"Spieler 1: Gebäude bauen", "Größe ÄÖÜ ß"});
        QTemporaryDir dir;
        QVERIFY(dir.isValid());

        const QString target = dir.filePath("TraceDaten.txt");
        writeFile(target, "alter Inhalt, länger als der neue Inhalt der Datei ......");
        const TraceWindow::SaveResult saved = window.saveTo(target);
        QVERIFY2(saved.ok, qPrintable(saved.error));
        QCOMPARE(readFile(target), QByteArray("Spieler 1: Geb\xC3\xA4ude bauen\n"
                                              "Gr\xC3\xB6\xC3\x9F"
                                              "e \xC3\x84\xC3\x96\xC3\x9C "
                                              "\xC3\x9F\n"));

        const TraceWindow::SaveResult onFolder = window.saveTo(dir.path());
        QVERIFY(!onFolder.ok);
        QVERIFY(!onFolder.error.isEmpty());
        const TraceWindow::SaveResult missing = window.saveTo(dir.filePath("fehlt/Trace.txt"));
        QVERIFY(!missing.ok);
        QVERIFY(!missing.error.isEmpty());

        // A folder the user may not write to: the old file stays as it was.
        const QByteArray before = readFile(target);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(dir.filePath("probe"));
        const bool enforced = !probe.open(QIODevice::WriteOnly);
        window.appendLine("mehr");
        const TraceWindow::SaveResult locked = window.saveTo(target);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!enforced) QSKIP("this user may write into read-only folders");
        QVERIFY(!locked.ok);
        QVERIFY(!locked.error.isEmpty());
        QCOMPARE(readFile(target), before);
    }

    void closingEmitsClosedByUser() {
        LanguageTexts texts;
        TraceWindow window(texts, QDir::tempPath());
        QSignalSpy spy(&window, &TraceWindow::closedByUser);
        window.show();
        window.hide();  // the main window switching the trace off
        QCOMPARE(spy.count(), 0);

        window.show();
        QTest::mouseClick(window.findChild<QPushButton*>("closeButton"), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!window.isVisible());

        window.show();
        QVERIFY(window.close());  // the title bar's close button
        QCOMPARE(spy.count(), 2);
    }

    void onTopBoxKeepsWindowAboveOthers() {
        LanguageTexts texts;
        TraceWindow window(texts, QDir::tempPath());
        window.show();
        auto* box = window.findChild<QCheckBox*>("onTop");
        box->setChecked(true);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());
        box->setChecked(false);
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TraceWindowTest)
#include "trace_window_test.moc"
