#include "ui/windows/help_viewer.h"

#include <QDir>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using kelmira::HelpViewer;

class HelpViewerTest : public QObject {
    Q_OBJECT

    QString helpDir() const { return qEnvironmentVariable("KELMIRA_SOURCE_DIR") + "/help"; }

    static QToolButton* button(HelpViewer& viewer, const QString& text) {
        for (auto* b : viewer.findChildren<QToolButton*>())
            if (b->text() == text) return b;
        return nullptr;
    }

  private slots:
    void initTestCase() { QVERIFY(QFileInfo(helpDir() + "/Kelmira.html").isFile()); }

    void startPageShowsContentsAndLinksNavigate() {
        HelpViewer viewer;
        QVERIFY(viewer.openContents(helpDir() + "/Kelmira.html"));
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QVERIFY(viewer.currentSource().endsWith("/Kelmira.html"));

        auto* browser = viewer.findChild<QTextBrowser*>();
        QVERIFY(browser->toPlainText().contains("Schnellstart"));
        // The contents list the start page and every page it links to, with their headings.
        auto* tree = viewer.findChild<QTreeWidget*>();
        QStringList titles;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            titles << tree->topLevelItem(i)->text(0);
        QCOMPARE(titles, (QStringList{"Kelmira – Hilfe", "Spielregeln", "Karten und Gebäude",
                                      "Bedienung", "Computerspieler", "Dateien"}));
        QVERIFY(tree->topLevelItem(1)->childCount() >= 8);

        // A real click on the first link of the table of contents.
        QTextCursor link = browser->document()->find("Spielregeln");
        QVERIFY(!link.isNull());
        link.setPosition(link.selectionStart() + 2);
        const QPoint at = browser->cursorRect(link).center();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(viewer.currentSource().endsWith("/regeln.html"));
        QVERIFY(browser->toPlainText().contains("Karawanenwertung"));

        QToolButton* back = button(viewer, "Zurück");
        QVERIFY(back && back->isEnabled());
        back->click();
        QVERIFY(viewer.currentSource().endsWith("/Kelmira.html"));
        QVERIFY(button(viewer, "Vor")->isEnabled());

        // A heading in the contents opens its page at the anchor.
        emit tree->itemClicked(tree->topLevelItem(2)->child(2), 0);
        QVERIFY(viewer.currentSource().endsWith("/karten.html#gebaeude"));
        button(viewer, "Startseite")->click();
        QVERIFY(viewer.currentSource().endsWith("/Kelmira.html"));
    }

    void missingFileChangesNothing() {
        HelpViewer viewer;
        QVERIFY(!viewer.openContents(helpDir() + "/Fehlt.html"));
        QVERIFY(viewer.currentSource().isEmpty());
        QVERIFY(viewer.openContents(helpDir() + "/Kelmira.html"));
        const QString shown = viewer.currentSource();
        QVERIFY(!viewer.openContents(helpDir() + "/Fehlt.html"));
        QCOMPARE(viewer.currentSource(), shown);
    }

    void searchListsEveryPageWithTheWord() {
        HelpViewer viewer;
        QVERIFY(viewer.openContents(helpDir() + "/Kelmira.html"));
        QStringList names;
        for (const QString& page : viewer.pagesContaining("lastenaufzug"))
            names << QFileInfo(page).fileName();
        QVERIFY(names.contains("regeln.html") && names.contains("karten.html"));
        QVERIFY(!names.contains("dateien.html"));
        QVERIFY(viewer.pagesContaining("Xylophon").isEmpty());
    }

    // Every link between the pages must reach an existing page and anchor, in every language.
    void everyInternalLinkResolves_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("German") << helpDir();
        QTest::newRow("English") << helpDir() + "/en";
    }
    void everyInternalLinkResolves() {
        QFETCH(QString, folder);
        const QDir dir(folder);
        const QRegularExpression linkPattern(R"re((?:href|src)\s*=\s*"([^"]*)")re");
        const QRegularExpression anchorPattern(R"re((?:name|id)\s*=\s*"([^"]*)")re");
        auto readPage = [&](const QString& name) {
            QFile file(dir.filePath(name));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        QStringList broken;
        int links = 0;
        for (const QString& page : dir.entryList({"*.html"}, QDir::Files)) {
            const QString text = readPage(page);
            for (const auto& m : linkPattern.globalMatch(text)) {
                const QUrl url(m.captured(1));
                if (!url.scheme().isEmpty()) continue;  // web and mail addresses
                ++links;
                const QString target = url.path().isEmpty() ? page : url.path();
                if (!dir.exists(target)) {
                    broken << page + " -> " + m.captured(1);
                    continue;
                }
                if (!url.hasFragment()) continue;
                QStringList anchors;
                for (const auto& a : anchorPattern.globalMatch(readPage(target)))
                    anchors << a.captured(1);
                if (!anchors.contains(url.fragment())) broken << page + " -> " + m.captured(1);
            }
        }
        QVERIFY(links > 40);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(", ")));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
