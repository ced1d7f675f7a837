#include "ui/dialogs/end_of_game_dialog.h"

#include <QGridLayout>
#include <QLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "settings/language_texts.h"

namespace kelmira {

namespace {
const QSize kPictureBox(220, 220);
constexpr const char* kPictureFile = "Spielende.jpg";
}  // namespace

int EndOfGameDialog::ScaleFor(int mainScale) {
    return mainScale < 80 || mainScale > 120 ? mainScale : 100;
}

QPoint EndOfGameDialog::Placement(const QRect& mainFrame, int width) {
    return {mainFrame.left() + (mainFrame.width() - width) / 2, mainFrame.top() + 10};
}

EndOfGameDialog::EndOfGameDialog(const LanguageTexts& texts, PictureSource pictures, int mainScale,
                                 QWidget* parent)
    : QDialog(parent), texts_(texts), pictures_(std::move(pictures)), scale_(ScaleFor(mainScale)) {
    if (scale_ != 100) {
        QFont f = font();
        f.setPointSizeF(f.pointSizeF() * scale_ / 100.0);
        setFont(f);
    }
    picture_ = new QLabel(this);
    title_ = new QLabel(this);
    QFont big = font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    title_->setFont(big);
    message_ = new QLabel(this);
    QFont bold = font();
    bold.setBold(true);
    message_->setFont(bold);

    opponentsHeader_ = new QLabel(this);
    pointsHeader_ = new QLabel(this);
    opponentsHeader_->setFont(bold);
    pointsHeader_->setFont(bold);
    auto* table = new QGridLayout;
    table->addWidget(opponentsHeader_, 0, 1);
    table->addWidget(pointsHeader_, 0, 2, Qt::AlignRight);
    for (int p = 1; p <= 4; ++p) {
        players_[p] = new QLabel(this);
        strategies_[p] = new QLabel(this);
        points_[p] = new QLabel(this);
        table->addWidget(players_[p], p, 0);
        table->addWidget(strategies_[p], p, 1);
        table->addWidget(points_[p], p, 2, Qt::AlignRight);
    }
    table->setColumnStretch(1, 1);
    table->setHorizontalSpacing(12);

    highScoreText_ = new QLabel(this);
    highScore_ = new QLabel(this);
    gamesText_ = new QLabel(this);
    gamesValue_ = new QLabel(this);
    percentText_ = new QLabel(this);
    percentValue_ = new QLabel(this);
    auto* record = new QGridLayout;
    record->addWidget(highScoreText_, 0, 0);
    record->addWidget(highScore_, 0, 1, Qt::AlignRight);
    record->addWidget(gamesText_, 1, 0);
    record->addWidget(gamesValue_, 1, 1, Qt::AlignRight);
    record->addWidget(percentText_, 2, 0);
    record->addWidget(percentValue_, 2, 1, Qt::AlignRight);
    record->setColumnStretch(0, 1);

    // Where every player's points came from, below the result.
    auto* standings = new QGridLayout;
    standings->setHorizontalSpacing(14);
    for (int row = 0; row <= 4; ++row)
        for (int col = 0; col < kStandingColumns; ++col) {
            auto* l = new QLabel(this);
            if (row == 0) l->setFont(bold);
            const bool number = col >= 2 || (col == 0 && row > 0);
            standings->addWidget(l, row, col, number ? Qt::AlignRight : Qt::AlignLeft);
            standings_[row][col] = l;
        }
    standings->setColumnStretch(1, 1);

    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    newGame_ = new QPushButton(this);
    newGame_->setObjectName(QStringLiteral("newGame"));
    connect(newGame_, &QPushButton::clicked, this, [this] { done(kNewGameResult); });

    auto* results = new QVBoxLayout;
    results->addWidget(title_);
    results->addWidget(message_);
    results->addSpacing(10);
    results->addLayout(table);
    results->addSpacing(10);
    results->addLayout(record);
    results->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(picture_, 0, Qt::AlignTop);
    middle->addSpacing(14);
    middle->addLayout(results, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(newGame_);
    buttons->addWidget(ok_);
    auto* top = new QVBoxLayout(this);
    top->addLayout(middle);
    top->addSpacing(12);
    top->addLayout(standings);
    top->addSpacing(8);
    top->addLayout(buttons);
    setMinimumWidth(520 * scale_ / 100);

    prepare();
}

void EndOfGameDialog::setData(const EndOfGameData& data) {
    data_ = data;
    prepare();
}

int EndOfGameDialog::playersInGame() const {
    int n = 0;
    for (int p = 1; p <= 4; ++p)
        if (!data_.points[p].empty()) n = p;
    return n;
}

QLabel* EndOfGameDialog::playerLabel(int player) const {
    return player >= 1 && player <= 4 ? players_[player] : nullptr;
}
QLabel* EndOfGameDialog::strategyLabel(int player) const {
    return player >= 1 && player <= 4 ? strategies_[player] : nullptr;
}
QLabel* EndOfGameDialog::pointsLabel(int player) const {
    return player >= 1 && player <= 4 ? points_[player] : nullptr;
}
QLabel* EndOfGameDialog::standingLabel(int row, int column) const {
    return row >= 0 && row <= 4 && column >= 0 && column < kStandingColumns ? standings_[row][column]
                                                                           : nullptr;
}

void EndOfGameDialog::prepareStandings() {
    constexpr int kHeadings[kStandingColumns] = {
        txt::window::kPlaceHeading, txt::kPlayerWord, txt::window::kSouks, txt::kCaravan,
        txt::window::kBuildings,    txt::kCards,      txt::window::kTotal};
    const int rows = std::min<int>(4, static_cast<int>(data_.standings.size()));
    for (int col = 0; col < kStandingColumns; ++col) {
        QLabel* head = standings_[0][col];
        head->setText(TableText(texts_, kHeadings[col]));
        NameFor(head, head->text());
        head->setVisible(rows > 0);
    }
    for (int row = 1; row <= 4; ++row) {
        const bool shown = row <= rows;
        for (QLabel* l : standings_[row]) l->setVisible(shown);
        if (!shown) continue;
        const Standing& st = data_.standings[static_cast<std::size_t>(row - 1)];
        const QString name = st.player == 1 ? TableText(texts_, txt::kYou)
                             : st.player >= 2 && st.player <= 4
                                 ? ToQt(data_.opponentStrategy[st.player])
                                 : QString();
        const QString who = TableText(texts_, txt::window::kPlayerNamed).arg(st.player).arg(name);
        const QString place = st.place >= 1 && st.place <= 4
                                  ? TableText(texts_, txt::window::kPlaceNumber + st.place)
                                  : QString::number(st.place);
        const int values[] = {st.souks, st.caravan, st.buildings, st.cards, st.total};
        standings_[row][0]->setText(place);
        standings_[row][1]->setText(who);
        for (int col = 2; col < kStandingColumns; ++col)
            standings_[row][col]->setText(QString::number(values[col - 2]));
        NameFor(standings_[row][1], who);
        for (int col = 0; col < kStandingColumns; ++col) {
            QLabel* l = standings_[row][col];
            if (col != 1) NameValue(l, who + QLatin1Char(' ') + standings_[0][col]->text());
            // The human's own line stands out.
            QFont f = font();
            f.setBold(st.player == 1);
            l->setFont(f);
        }
    }
}

void EndOfGameDialog::prepare() {
    const EndOfGameTexts& words = texts_.endOfGame;
    setWindowTitle(TableText(texts_, txt::kEndOfGame));
    // The result is worded from the language's texts; the engine only says won or lost.
    title_->setText(
        ToQt(words.get(data_.won ? EndOfGameTexts::Glueckwunsch : EndOfGameTexts::Schade)));
    message_->setText(
        ToQt(words.get(data_.won ? EndOfGameTexts::Gewonnen : EndOfGameTexts::NichtGewonnen)));
    opponentsHeader_->setText(TableText(texts_, txt::kYourOpponents));
    pointsHeader_->setText(TableText(texts_, txt::kVictoryPointsColon));
    for (int p = 1; p <= 4; ++p) {
        players_[p]->setText(TableText(texts_, txt::kPlayer) + QLatin1Char(' ') + QString::number(p));
        strategies_[p]->setText(p == 1 ? TableText(texts_, txt::kYou) : ToQt(data_.opponentStrategy[p]));
        points_[p]->setText(ToQt(data_.points[p]));
        NameValue(strategies_[p], players_[p]->text() + QLatin1Char(' ') + opponentsHeader_->text());
        NameValue(points_[p], players_[p]->text() + QLatin1Char(' ') + pointsHeader_->text());
    }

    const std::string& label = words.highscoreLabel(playersInGame());
    highScoreText_->setText(ToQt(label.empty() ? data_.highScoreLabel : label));
    highScore_->setText(QString::number(data_.highScore) + QStringLiteral("  (") +
                        QString::number(data_.average) + QLatin1Char(')'));
    gamesText_->setText(TableText(texts_, txt::kGamesTotal));
    gamesValue_->setText(QString::number(data_.gamesPlayed));
    percentText_->setText(TableText(texts_, txt::kGamesWonPercent));
    percentValue_->setText(QString::number(data_.percentWon));
    ok_->setText(TableText(texts_, txt::kOk));
    newGame_->setText(TableText(texts_, txt::kNewGame));

    for (QLabel* l : {title_, message_, opponentsHeader_, pointsHeader_, highScoreText_, gamesText_,
                      percentText_})
        NameFor(l, l->text());
    NameValue(highScore_, highScoreText_->text());
    NameValue(gamesValue_, gamesText_->text());
    NameValue(percentValue_, percentText_->text());
    NameFor(picture_, windowTitle());
    NameByText({ok_, newGame_});
    prepareStandings();
    // A scaled window scales its picture with it, whatever the picture's own size.
    const int scale = scale_;
    PictureSource scaled = [this, scale](const std::string& file) {
        const QImage image = pictures_ ? pictures_(file) : QImage();
        if (image.isNull() || scale == 100) return image;
        return image.scaled(image.size() * scale / 100, Qt::KeepAspectRatio,
                            Qt::SmoothTransformation);
    };
    ShowPicture(picture_, scaled, kPictureFile, kPictureBox * scale_ / 100);
}

void EndOfGameDialog::showEvent(QShowEvent* event) {
    prepare();
    // The texts arrive just now; the window grows to hold them.
    layout()->invalidate();
    layout()->activate();
    resize(layout()->totalSizeHint().expandedTo(minimumSize()));
    if (QWidget* main = parentWidget() ? parentWidget()->window() : nullptr)
        move(Placement(main->frameGeometry(), frameGeometry().width()));
    QDialog::showEvent(event);
}

}  // namespace kelmira
