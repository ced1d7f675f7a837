#include "ui/windows/strategy_editor.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "engine/strategy_params.h"

using kelmira::LanguageTexts;
using kelmira::StrategyEditor;
using kelmira::StrategyParamSet;
namespace sp = kelmira::sp;

namespace {

StrategyParamSet defaults() {
    StrategyParamSet set;
    kelmira::StrategieparameterInitialisieren(set);
    return set;
}

QSpinBox* field(StrategyEditor& editor, int index) {
    return editor.findChild<QSpinBox*>(QStringLiteral("param_%1").arg(index));
}

void click(StrategyEditor& editor, const char* button) {
    QTest::mouseClick(editor.findChild<QPushButton*>(button), Qt::LeftButton);
}

void typeInto(QSpinBox* spin, const QString& text) {
    spin->selectAll();
    QTest::keyClicks(spin, text);
}

}  // namespace

class StrategyEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void okStoresIntoTheBlockOfTheMenuCount() {
        LanguageTexts texts;
        StrategyEditor editor(nullptr, texts);
        StrategyParamSet params = defaults();
        const StrategyParamSet before = params;

        QString caption;
        QTimer::singleShot(0, &editor, [&] {
            caption = editor.windowTitle();
            field(editor, sp::Strategie_Sp(2))->setValue(5);
            field(editor, sp::AnzahlSim)->setValue(250);
            editor.findChild<QCheckBox*>("param_0")->setChecked(true);
            field(editor, sp::Strategie_s_P(4, sp::g45::W_Z(1)))->setValue(77);
            field(editor, sp::Strategie_s_P(6, sp::k67::X_2))->setValue(9);
            field(editor, sp::Strategie_s_P(15, sp::r815::X_Sup))->setValue(0);
            click(editor, "okButton");
        });
        QVERIFY(editor.edit(params, 3));

        QCOMPARE(caption, QString("Einstellungen ( 3 Spieler )"));
        const auto& block = params.forPlayers(3);
        QCOMPARE(block[sp::Strategie_Sp(2)], 5);
        QCOMPARE(block[sp::Strategie_s_P(4, 0)], 77);
        QCOMPARE(block[sp::Strategie_s_P(6, sp::k67::X_2)], 9);
        QCOMPARE(block[sp::Strategie_s_P(15, sp::r815::X_Sup)], 0);
        const kelmira::SimulationSettings sim = kelmira::SimulationSettingsOf(block);
        QVERIFY(sim.simulation);
        QCOMPARE(sim.runs, 250);
        // Everything not touched is as before, and the other player counts are not touched.
        QCOMPARE(block[sp::Strategie_Sp(1)], 4);
        QCOMPARE(block[sp::SetUpSteine_Sp(4)], 50);
        QVERIFY(params.forPlayers(2).v == before.forPlayers(2).v);
        QVERIFY(params.forPlayers(4).v == before.forPlayers(4).v);
    }

    void cancelRestoresAfterChangesOnSeveralPages() {
        LanguageTexts texts;
        StrategyEditor editor(nullptr, texts);
        StrategyParamSet params = defaults();
        const StrategyParamSet before = params;
        auto* pages = editor.findChild<QTabWidget*>("pages");

        editor.load(params, 4);
        QCOMPARE(pages->currentIndex(), 0);
        field(editor, sp::SetUpGold_Sp(3))->setValue(9);
        pages->setCurrentIndex(2);
        field(editor, sp::W_Z_Strat3(5))->setValue(1);
        pages->setCurrentIndex(7);
        field(editor, sp::Strategie_s_P(9, sp::r815::W_Geb))->setValue(99);
        click(editor, "cancelButton");
        QCOMPARE(editor.result(), int(QDialog::Rejected));
        for (int n = 2; n <= 4; ++n) QVERIFY(params.forPlayers(n).v == before.forPlayers(n).v);

        // Opening again shows the block, not the abandoned edits, on the first page.
        editor.load(params, 4);
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(field(editor, sp::SetUpGold_Sp(3))->value(), 2);
        editor.reject();
    }

    void startPlayerAboveTheCountBecomesRandom_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("3 of 2") << 2 << 3 << 0;
        QTest::newRow("2 of 2") << 2 << 2 << 2;
        QTest::newRow("4 of 4") << 4 << 4 << 4;
        QTest::newRow("99 of 4") << 4 << 99 << 0;
    }
    void startPlayerAboveTheCountBecomesRandom() {
        QFETCH(int, count);
        QFETCH(int, typed);
        QFETCH(int, stored);
        LanguageTexts texts;
        StrategyEditor editor(nullptr, texts);
        StrategyParamSet params = defaults();
        editor.load(params, count);
        field(editor, sp::SetUpStartspieler)->setValue(typed);
        click(editor, "okButton");
        QCOMPARE(params.forPlayers(count)[sp::SetUpStartspieler], stored);
    }

    void valuesOutsideTheRangesCannotBeStored() {
        LanguageTexts texts;
        StrategyEditor editor(nullptr, texts);
        StrategyParamSet params = defaults();
        auto& block = params.forPlayers(2);
        block[sp::Strategie_Sp(4)] = 17;  // reachable through a game strength, not the editor
        editor.show();
        editor.load(params, 2);

        typeInto(field(editor, sp::Strategie_s_P(5, sp::g45::W_Kam)), "999");
        typeInto(field(editor, sp::Strategie_s_P(5, sp::g45::N_G1)), "7");
        typeInto(field(editor, sp::Strategie_Sp(1)), "16");
        typeInto(field(editor, sp::AnzahlSim), "1234567");
        typeInto(field(editor, sp::Strategie_s_P(7, sp::k67::R_PG)), "0");
        click(editor, "okButton");

        QCOMPARE(block[sp::Strategie_s_P(5, sp::g45::W_Kam)], 99);
        QCOMPARE(block[sp::Strategie_s_P(5, sp::g45::N_G1)], 1);  // unchanged default
        QCOMPARE(block[sp::Strategie_Sp(1)], 1);
        QCOMPARE(block[sp::AnzahlSim], 12345);  // the sixth digit would pass 100000
        QCOMPARE(block[sp::Strategie_s_P(7, sp::k67::R_PG)], 14);
        // A number the editor cannot show survives an OK when the user leaves it alone.
        QCOMPARE(block[sp::Strategie_Sp(4)], 17);
    }

    void anEditEndingOnTheShownBoundIsStored() {
        LanguageTexts texts;
        StrategyEditor editor(nullptr, texts);
        StrategyParamSet params = defaults();
        auto& block = params.forPlayers(2);
        block[sp::Strategie_Sp(2)] = 17;
        editor.show();
        editor.load(params, 2);
        QCOMPARE(field(editor, sp::Strategie_Sp(2))->value(), 15);
        typeInto(field(editor, sp::Strategie_Sp(2)), "14");
        typeInto(field(editor, sp::Strategie_Sp(2)), "15");
        click(editor, "okButton");
        QCOMPARE(block[sp::Strategie_Sp(2)], 15);
    }
};

QTEST_MAIN(StrategyEditorTest)
#include "strategy_editor_test.moc"
