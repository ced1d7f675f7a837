// What a screen reader finds: every control a player uses has a name, and every label a player
// reads can be read through the accessibility interface too, in German and in English.

#include <QAccessible>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <memory>

#include "engine/dice.h"
#include "engine/human_turn.h"
#include "engine/turn.h"
#include "settings/language_file.h"
#include "ui/dialogs/camel_defence_dialog.h"
#include "ui/dialogs/card_correction_dialog.h"
#include "ui/dialogs/cube_order_dialog.h"
#include "ui/dialogs/end_of_game_dialog.h"
#include "ui/dialogs/exchange_dialog.h"
#include "ui/dialogs/info_dialog.h"
#include "ui/dialogs/scaling_dialog.h"
#include "ui/dialogs/victory_points_dialog.h"
#include "window_fixture.h"

using namespace kelmira;

namespace {

bool interactive(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::SpinBox:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::Slider:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropDown:
        case QAccessible::PageTab:
            return true;
        default:
            return false;
    }
}

QString shownText(const QLabel* l) {
    QString text = l->text();
    if (Qt::mightBeRichText(text)) {
        QTextDocument doc;
        doc.setHtml(text);
        text = doc.toPlainText();
    }
    return text.remove(QLatin1Char('&')).simplified();
}

// One line for every control a screen reader could not make sense of.
QStringList Unreadable(QWidget* root) {
    QStringList out;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* a) {
        if (!a || !a->isValid() || a->state().invisible) return;
        const QString name = a->text(QAccessible::Name).simplified();
        const QString where = QString::fromLatin1(a->object() ? a->object()->metaObject()->className() : "?") +
                              QLatin1Char(' ') + (a->object() ? a->object()->objectName() : QString());
        if (interactive(a->role()) && name.isEmpty()) out << QStringLiteral("unnamed: ") + where;
        // A figure of the board shows a value: who owns it, what it costs, its face.
        const bool figure = qobject_cast<const ShapeWidget*>(a->object()) ||
                            qobject_cast<const DieWidget*>(a->object());
        if (figure && a->role() != QAccessible::Separator &&
            (name.isEmpty() || a->text(QAccessible::Description).isEmpty()))
            out << QStringLiteral("figure without a value: \"%1\" (%2)").arg(name, where);
        if (const auto* l = qobject_cast<const QLabel*>(a->object())) {
            const QString shown = shownText(l);
            const QString said = name + QLatin1Char(' ') + a->text(QAccessible::Description) +
                                 QLatin1Char(' ') + a->text(QAccessible::Value);
            if (!shown.isEmpty() && !said.simplified().contains(shown))
                out << QStringLiteral("value hidden: \"%1\" said as \"%2\" (%3)").arg(shown, name, where);
        }
        for (int i = 0; i < a->childCount(); ++i) walk(a->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(root));
    return out;
}

QString Says(QWidget* w) { return w->accessibleDescription(); }

QImage blank(const std::string&) {
    QImage image(20, 30, QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    return image;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void dialogsSayWhatTheyShow_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QString();
        QTest::newRow("English") << QStringLiteral("English.ini");
    }

    void dialogsSayWhatTheyShow() {
        QFETCH(QString, language);
        LanguageTexts texts;
        QTemporaryDir dir;
        if (!language.isEmpty()) {
            const std::filesystem::path source = std::filesystem::path(qgetenv("KELMIRA_SOURCE_DIR").toStdString());
            std::filesystem::copy_file(source / "lang" / language.toStdString(),
                                       std::filesystem::path(dir.path().toStdString()) / "Lang.ini");
            QVERIFY(LeseSprachdatei(texts, dir.path().toStdString(), false, {}));
        }
        const PictureSource pictures = blank;
        std::vector<std::unique_ptr<QDialog>> dialogs;
        auto exchange = std::make_unique<ExchangeDialog>(texts, pictures);
        exchange->setValues(3, 2);
        dialogs.push_back(std::move(exchange));
        auto points = std::make_unique<VictoryPointsDialog>(texts, pictures);
        points->setValues(true, 5);
        dialogs.push_back(std::move(points));
        auto defence = std::make_unique<CamelDefenceDialog>(texts);
        defence->setValues(2, 6, true);
        dialogs.push_back(std::move(defence));
        auto order = std::make_unique<CubeOrderDialog>(texts);
        order->setPlayers(2, 3);
        dialogs.push_back(std::move(order));
        auto card = std::make_unique<CardCorrectionDialog>(texts, pictures);
        card->setCurrentKind(3);
        dialogs.push_back(std::move(card));
        auto end = std::make_unique<EndOfGameDialog>(texts, pictures);
        EndOfGameData data;
        for (int p = 1; p <= 3; ++p) data.points[p] = std::to_string(40 + p);
        data.opponentStrategy[2] = "Sheikh";
        data.opponentStrategy[3] = "Emir";
        data.gamesPlayed = 12;
        data.percentWon = 25;
        data.standings = {{3, 1, 20, 9, 8, 6, 43}, {2, 2, 25, 6, 6, 5, 42}, {1, 3, 12, 2, 4, 23, 41}};
        end->setData(data);
        dialogs.push_back(std::move(end));
        auto info = std::make_unique<InfoDialog>(texts, pictures);
        info->setCounters(3, 12);
        dialogs.push_back(std::move(info));
        auto scaling = std::make_unique<ScalingDialog>(texts);
        scaling->setScale(120);
        dialogs.push_back(std::move(scaling));

        for (auto& d : dialogs) {
            d->show();
            const QStringList problems = Unreadable(d.get());
            QVERIFY2(problems.isEmpty(), qPrintable(d->windowTitle() + QStringLiteral(": ") +
                                                     problems.join(QStringLiteral("; "))));
        }
    }

    void mainWindowSaysWhatItShows_data() { dialogsSayWhatTheyShow_data(); }

    // The board during the human's turn with a row of cubes chosen and the supervisor's targets
    // up, with buildings, caravan cubes and cards in play.
    void mainWindowSaysWhatItShows() {
        QFETCH(QString, language);
        QTemporaryDir dir;
        if (!language.isEmpty())
            QVERIFY(QFile::copy(qEnvironmentVariable("KELMIRA_SOURCE_DIR") + "/lang/" + language,
                                dir.filePath("Lang.ini")));
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        w->show();
        Game& g = w->game();
        GameState& s = g.s;
        const TextTable& t = w->texts().table;
        const auto word = [&](int entry) { return QString::fromStdString(t.get(entry)); };
        const QString player3 = word(txt::kPlayerWord) + " 3";
        if (!language.isEmpty()) QCOMPARE(player3, QStringLiteral("Player 3"));

        int row = 0;
        for (std::uint32_t seed = 1; seed < 200 && row == 0; ++seed) {
            g.rng.RandSeed = seed;
            NeuesSpiel(g);
            if (s.startPlayer != 1 || !WuerfelnKlick(g)) continue;
            for (int r = 2; r <= 5 && row == 0; ++r)
                if (s.diceRows[r].count > 0) row = r;
        }
        QVERIFY(row != 0);
        WaehleWuerfelzeile(g, row);
        QCOMPARE(g.input.chosenRow, row);
        SupervisorClick(g, s.supervisorStreet, s.supervisorPos);
        QVERIFY(g.input.supervisorTargetsShown);
        // A cube of player 3 in a region the chosen row does not offer.
        const int other = row == 2 ? 2 : 1;
        s.souk(other, 1).owner = 3;
        s.souk(other, 1).fields[1].occupied = 1;
        s.player(2).buildings[1] = 1;
        s.caravanCount = 2;
        s.caravan[1] = 3;
        s.caravan[2] = 1;
        s.player(1).cardCount = 2;
        s.player(1).hand[1] = 3;
        s.player(1).hand[2] = 5;
        s.player(1).selectedCard = 2;
        s.discardCount = 1;
        s.discardPile[1] = 4;
        BoardView* b = w->board();
        b->refreshAll();
        b->setCourseVisible(true);
        QCoreApplication::processEvents();

        const QStringList problems = Unreadable(w.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));

        QCOMPARE(Says(b->fieldArea(other, 1, 1)), player3);
        QCOMPARE(Says(b->field(other, 1, 1)), player3);
        QCOMPARE(Says(b->fieldArea(other, 1, 2)), word(txt::kFieldFree));
        int offered = 0;
        for (int so = 1; so <= 4; ++so)
            for (int f = 1; f <= layout::kSoukFields[row - 1][so]; ++f)
                if (Says(b->fieldArea(row - 1, so, f)) == word(txt::kFieldOffered)) ++offered;
        QVERIFY(offered > 0);
        const QString chosen = QStringLiteral(", ") + word(txt::kChosen);
        for (int r = 1; r <= 6; ++r)
            if (s.diceRows[r].count > 0) QCOMPARE(Says(b->die(r, 1)).endsWith(chosen), r == row);
        QVERIFY(Says(b->supervisorShape(s.supervisorStreet, s.supervisorPos))
                    .startsWith(word(txt::kSupervisor)));
        QCOMPARE(Says(b->caravanShape(1)).count(player3), 1);
        QVERIFY(b->buildingShape(2, 1)->accessibleName().contains(word(txt::kBuildingName + 1)));
        QVERIFY(
            Says(b->handCard()).contains(QString::fromStdString(w->texts().cards.card(5).name)));
        QVERIFY(
            Says(b->discardPile()).contains(QString::fromStdString(w->texts().cards.card(4).name)));

        // The course is a list of its lines.
        QAccessibleInterface* course = QAccessible::queryAccessibleInterface(b->courseView());
        QCOMPARE(course->role(), QAccessible::List);
        QVERIFY(b->courseView()->lineCount() > 0);
        QCOMPARE(course->childCount(), b->courseView()->lineCount());
        const int last = course->childCount() - 1;
        QCOMPARE(course->child(last)->text(QAccessible::Name), b->courseView()->lineText(last));
        QVERIFY(!b->courseView()->lineText(last).isEmpty());
        const QRect shown = course->child(last)->rect();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(course->childAt(shown.center().x(), shown.center().y()), course->child(last));

        // Giving the row up is read at once.
        WaehleWuerfelzeile(g, row);
        b->refreshAll();
        QCOMPARE(g.input.chosenRow, 0);
        QVERIFY(!Says(b->die(row, 1)).endsWith(chosen));
        QVERIFY(!Says(b->die(row, 1)).isEmpty());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
