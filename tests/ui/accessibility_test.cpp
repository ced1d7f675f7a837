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

#include "settings/language_file.h"
#include "ui/dialogs/camel_defence_dialog.h"
#include "ui/dialogs/card_correction_dialog.h"
#include "ui/dialogs/cube_order_dialog.h"
#include "ui/dialogs/end_of_game_dialog.h"
#include "ui/dialogs/exchange_dialog.h"
#include "ui/dialogs/info_dialog.h"
#include "ui/dialogs/scaling_dialog.h"
#include "ui/dialogs/victory_points_dialog.h"

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
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
