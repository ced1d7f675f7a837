#pragma once
// Small pieces every dialog shares: where pictures come from, text conversion and the way a
// picture is fitted into its place.

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <initializer_list>
#include <string>

class QAbstractButton;
class QDialog;
class QGridLayout;
class QLabel;
class QWidget;

namespace kelmira {

struct LanguageTexts;

// Dialogs never open files: the window hands them this to look pictures up by file name.
// A null image leaves an empty frame in the picture's place.
using PictureSource = std::function<QImage(const std::string& fileName)>;

// Texts inside the program are UTF-8.
inline QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// A text-table entry as the dialogs show it.
QString TableText(const LanguageTexts& texts, int entry);

// The words of a caption without its "&" accelerator marks, for accessible names.
QString PlainWords(const QString& caption);

// "Karte<n>.jpg" for card picture n (1..10).
std::string CardPictureFile(int picture);
// The picture number of card kind 1..9; 1 (the empty face) for anything else.
int CardPictureOfKind(int kind);

// Shows the picture, shrunk to fit `box` when larger (aspect kept); an empty frame of the
// box's size when the source has no such picture.
void ShowPicture(QLabel* label, const PictureSource& source, const std::string& fileName,
                 QSize box);

// Shows the face of card kind 1..9 like ShowPicture, with the card's title written on it.
void ShowCard(QLabel* label, const PictureSource& source, const LanguageTexts& texts, int kind,
              QSize box);

// Gives a widget its accessible name from a caption.
void NameFor(QWidget* widget, const QString& caption);
// A label that shows a value: named by its caption, the value it shows as its description.
// A screen reader reads only the name of a named label, so the value must be said apart.
// Call it after the value is set.
void NameValue(QLabel* value, const QString& caption);
// Buttons, tick boxes and choices are named by their own captions.
void NameByText(std::initializer_list<QAbstractButton*> buttons);

// The large bold title line of the card dialogs.
QLabel* MakeTitleLabel(QWidget* parent);

// The card dialogs' common arrangement: the title on top, the card's picture beside the grid of
// amounts, OK and Cancel at the bottom right.
void LayOutCardDialog(QDialog* dialog, QLabel* title, QLabel* picture, QGridLayout* amounts,
                      QAbstractButton* ok, QAbstractButton* cancel);

}  // namespace kelmira
