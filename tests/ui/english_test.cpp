// An English player's view: the help in English with its own search, and no German message
// left in the window's sources outside the text table.

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QToolButton>
#include <QtTest>
#include <filesystem>

#include "settings/language_choice.h"
#include "settings/language_file.h"
#include "ui/windows/help_viewer.h"

using namespace kelmira;

class EnglishTest : public QObject {
    Q_OBJECT

    static QString source() { return qEnvironmentVariable("KELMIRA_SOURCE_DIR"); }

  private slots:
    void helpSpeaksEnglishAndSearchesTheEnglishPages() {
        LanguageTexts texts;
        // The shipped file as a program folder's Lang.ini.
        QTemporaryDir dir;
        QVERIFY(QFile::copy(source() + "/lang/English.ini", dir.filePath("Lang.ini")));
        QVERIFY(LeseSprachdatei(texts, dir.path().toStdString(), false, {}));
        // The sources' help/ stands for the program's Help/.
        QTemporaryDir data;
        QVERIFY(QFile::link(source() + "/help", data.filePath("Help")));
        const std::filesystem::path start =
            LocalisedDocument(data.path().toStdString(), texts.table, txt::kHelpStartPage);
        QVERIFY(QString::fromStdString(start.string()).endsWith("Help/en/Kelmira.html"));

        HelpViewer viewer(texts.table);
        QVERIFY(viewer.openContents(QString::fromStdString(start.string())));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Help"));
        QStringList buttons, labels;
        for (auto* b : viewer.findChildren<QToolButton*>()) buttons << b->text();
        for (auto* l : viewer.findChildren<QLabel*>()) labels << l->text();
        for (const char* word : {"Back", "Forward", "Home", "Search"})
            QVERIFY2(buttons.contains(word), word);
        QVERIFY(labels.contains("Contents") && labels.contains("Found on the pages:"));

        QStringList found;
        for (const QString& page : viewer.pagesContaining("caravanserai"))
            found << QFileInfo(page).fileName();
        QVERIFY2(found.contains("cards.html") && found.contains("rules.html"),
                 qPrintable(found.join(", ")));
        // Only the English pages are searched.
        QVERIFY(viewer.pagesContaining("Karawanserei").isEmpty());
    }

    // Message boxes, dialog titles, file filters and hints take their words from the text
    // table. Trace lines, picture file names and the picture loader's reasons (which end in
    // the trace) are the program's own diagnostic texts and stay German. The board's painted
    // words are drawn elsewhere.
    void noGermanMessageInTheWindowSources() {
        const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\\\n]|\\\\.)*)\""));
        const QRegularExpression german(QString::fromUtf8(
            "[äöüÄÖÜß]|\\b(nicht|konnte|werden|wurde|Datei|Dateien|Ordner|Fehler|gefunden|"
            "speichern|laden|Hilfe|Suchen|Inhalt|Strategie|Gewicht|Spieldatei|Bitte|"
            "wirklich|Spiel|Karte|Spieler|der|die|das|und|ist)\\b"));
        const QRegularExpression diagnostic(QStringLiteral("trace|\\.jpg|fail\\(|err\\.message"),
                                            QRegularExpression::CaseInsensitiveOption);
        QStringList found;
        int files = 0;
        QDirIterator it(source() + "/ui", {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.contains("/ui/board/")) continue;
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            ++files;
            int number = 0;
            for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
                ++number;
                const QString code =
                    line.trimmed().startsWith('#') ? QString() : line.section("//", 0, 0);
                if (diagnostic.match(code).hasMatch()) continue;
                for (const auto& m : literal.globalMatch(code))
                    if (german.match(m.captured(1)).hasMatch())
                        found << QFileInfo(path).fileName() + ":" + QString::number(number) + " " +
                                     m.captured(0);
            }
        }
        QVERIFY(files > 20);
        QVERIFY2(found.isEmpty(), qPrintable(found.join("\n")));
    }
};

QTEST_MAIN(EnglishTest)
#include "english_test.moc"
