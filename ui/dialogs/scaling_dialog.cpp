#include "ui/dialogs/scaling_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "settings/language_texts.h"

namespace kelmira {

ScalingDialog::ScalingDialog(const LanguageTexts& texts, QWidget* parent)
    : QDialog(parent), texts_(texts) {
    text_ = new QLabel(this);
    field_ = new QSpinBox(this);
    field_->setRange(kMinimum, kMaximum);
    field_->setValue(kDefault);
    percent_ = new QLabel(this);
    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* value = new QHBoxLayout;
    value->addWidget(field_);
    value->addWidget(percent_);
    value->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* top = new QVBoxLayout(this);
    top->addWidget(text_);
    top->addLayout(value);
    top->addLayout(buttons);

    prepare();
}

void ScalingDialog::setScale(int percent) { field_->setValue(percent); }

int ScalingDialog::scale() const { return field_->value(); }

void ScalingDialog::prepare() {
    setWindowTitle(TableText(texts_, txt::kScaling));
    text_->setText(TableText(texts_, txt::kScaleMainWindowTo));
    percent_->setText(TableText(texts_, txt::kPercent));
    ok_->setText(TableText(texts_, txt::kOk));
    cancel_->setText(TableText(texts_, txt::kAbort));
    NameFor(field_, text_->text() + QLatin1Char(' ') + percent_->text());
    NameByText({ok_, cancel_});
}

void ScalingDialog::showEvent(QShowEvent* event) {
    prepare();
    QDialog::showEvent(event);
}

}  // namespace kelmira
