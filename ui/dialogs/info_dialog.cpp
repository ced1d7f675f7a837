#include "ui/dialogs/info_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdint>

#include "records/game_record.h"
#include "settings/language_texts.h"

namespace kelmira {

namespace {
const QSize kPictureBox(120, 120);

std::string InfoFile(int i) { return "Info" + std::to_string(i) + ".jpg"; }
}  // namespace

InfoDialog::InfoDialog(const LanguageTexts& texts, PictureSource pictures, QWidget* parent)
    : QDialog(parent), texts_(texts), pictures_(std::move(pictures)) {
    auto* pictureColumn = new QVBoxLayout;
    for (QLabel*& label : pictureLabels_) {
        label = new QLabel(this);
        label->installEventFilter(this);
        pictureColumn->addWidget(label);
    }
    pictureColumn->addStretch();

    name_ = new QLabel(this);
    QFont big = name_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 2);
    name_->setFont(big);
    line_ = new QLabel(this);
    gameCredit_ = new QLabel(this);
    programCredit_ = new QLabel(this);
    version_ = new QLabel(this);
    languageCredit_ = new QLabel(this);
    languageVersion_ = new QLabel(this);
    statistics_ = new QLabel(this);
    QFont bold = statistics_->font();
    bold.setBold(true);
    statistics_->setFont(bold);
    for (QLabel* l : {gameCredit_, programCredit_, languageCredit_}) l->setWordWrap(true);

    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    closeTimer_ = new QTimer(this);
    closeTimer_->setSingleShot(true);
    closeTimer_->setInterval(kSelfCloseMs);
    connect(closeTimer_, &QTimer::timeout, this, &QDialog::accept);

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(name_);
    textColumn->addWidget(line_);
    textColumn->addWidget(gameCredit_);
    textColumn->addWidget(programCredit_);
    textColumn->addWidget(version_);
    textColumn->addSpacing(8);
    textColumn->addWidget(languageCredit_);
    textColumn->addWidget(languageVersion_);
    textColumn->addSpacing(8);
    textColumn->addWidget(statistics_);
    textColumn->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    textColumn->addLayout(buttons);

    auto* top = new QHBoxLayout(this);
    top->addLayout(pictureColumn);
    top->addSpacing(12);
    top->addLayout(textColumn, 1);
    setMinimumWidth(420);

    prepare();
}

QString InfoDialog::StatisticsLine(const EndOfGameTexts& texts, int gamesWon, int gamesPlayed) {
    const std::int64_t divisor = gamesPlayed < 1 ? 1 : gamesPlayed;
    const std::int64_t percent = static_cast<std::int64_t>(gamesWon) * 100 / divisor;
    return ToQt(texts.get(EndOfGameTexts::DuHast)) + QLatin1Char(' ') + QString::number(percent) +
           QLatin1Char(' ') + ToQt(texts.get(EndOfGameTexts::ProzentVon)) + QLatin1Char(' ') +
           QString::number(gamesPlayed) + QLatin1Char(' ') +
           ToQt(texts.get(EndOfGameTexts::SpieleGewonnen));
}

void InfoDialog::setCounters(int gamesWon, int gamesPlayed) {
    gamesWon_ = gamesWon;
    gamesPlayed_ = gamesPlayed;
    prepare();
}

void InfoDialog::setSelfClosing(bool on) {
    selfClosing_ = on;
    prepare();
}

void InfoDialog::setPictureTag(int picture, int tag) {
    if (picture >= 1 && picture <= kPictures) tags_[picture - 1] = tag;
}

QLabel* InfoDialog::picture(int i) const {
    return i >= 1 && i <= kPictures ? pictureLabels_[i - 1] : nullptr;
}

void InfoDialog::prepare() {
    setWindowTitle(TableText(texts_, txt::kInfo));
    name_->setText(TableText(texts_, txt::kKelmira));
    line_->setText(TableText(texts_, txt::kInfoBlank));
    line_->setVisible(!line_->text().isEmpty());
    gameCredit_->setText(TableText(texts_, txt::kCreditGame));
    programCredit_->setText(TableText(texts_, txt::kCreditProgram));
    const QString version = ToQt(std::string(kProgVersString));
    version_->setText(version);
    languageCredit_->setText(TableText(texts_, txt::kLanguagePack));
    languageVersion_->setText(version);
    statistics_->setText(StatisticsLine(texts_.endOfGame, gamesWon_, gamesPlayed_));
    ok_->setText(TableText(texts_, txt::kOk));
    ok_->setVisible(!selfClosing_);
    for (QLabel* l : {name_, line_, gameCredit_, programCredit_, version_, languageCredit_,
                      languageVersion_, statistics_})
        NameFor(l, l->text());
    NameByText({ok_});
    for (int i = 0; i < kPictures; ++i) {
        ShowPicture(pictureLabels_[i], pictures_, InfoFile(i + 1), kPictureBox);
        NameFor(pictureLabels_[i], TableText(texts_, txt::kKelmira));
    }
}

void InfoDialog::showEvent(QShowEvent* event) {
    prepare();
    if (selfClosing_)
        closeTimer_->start();
    else
        closeTimer_->stop();
    QDialog::showEvent(event);
}

void InfoDialog::hideEvent(QHideEvent* event) {
    closeTimer_->stop();
    QDialog::hideEvent(event);
}

bool InfoDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const Qt::MouseButton button = mouse->button();
        const Qt::MouseButtons held = mouse->buttons();
        int set = 0;
        if (watched == pictureLabels_[0] && button == Qt::LeftButton)
            set = 1;
        else if (watched == pictureLabels_[1] && button == Qt::RightButton &&
                 !(held & Qt::MiddleButton))
            set = 2;
        else if (watched == pictureLabels_[2] && button == Qt::MiddleButton &&
                 !(held & Qt::RightButton))
            set = 3;
        if (set != 0 && tags_[set - 1] == kPictureTag) {
            emit pictureSetRequested(set);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kelmira
