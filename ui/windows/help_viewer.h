#pragma once
// The program's help window: the HTML pages of the Help folder in a text browser, with a
// table of contents, history buttons and a search over the current page and all pages.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include "settings/text_table.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kelmira {

class HelpViewer : public QWidget {
    Q_OBJECT

  public:
    // The viewer's own words come from `texts`; the pages bring their language with them.
    explicit HelpViewer(const TextTable& texts = TextTable{}, QWidget* parent = nullptr);

    // Shows helpFile (the start page) and builds the contents from the pages it links to.
    // False, with the viewer unchanged, when the file does not exist; the caller reports it.
    bool openContents(const QString& helpFile);
    // The page now shown as a URL (file:///.../regeln.html#steine); empty before a
    // successful openContents.
    QString currentSource() const;

    // Pages (local files) whose text contains word, in the order of the contents.
    QStringList pagesContaining(const QString& word) const;

  private:
    void followLink(const QUrl& url);
    void buildContents();
    void contentsItemActivated(QTreeWidgetItem* item);
    void findInPage();
    void findEverywhere();
    void resultActivated(QListWidgetItem* item);

    QTextBrowser* browser_;
    QTreeWidget* contents_;
    QListWidget* results_;
    QLineEdit* searchField_;
    QToolButton* back_;
    QToolButton* forward_;
    QToolButton* home_;
    QUrl home_url_;
    QStringList pages_;      // local file paths, start page first
    QStringList pageTexts_;  // their plain text, for the search over all pages
};

}  // namespace kelmira
