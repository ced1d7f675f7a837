#include "ui/windows/help_viewer.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kelmira {

namespace {

constexpr int kUrlRole = Qt::UserRole;

bool isExternal(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == "http" || scheme == "https" || scheme == "mailto";
}

// The pages are written in UTF-8; a page that cannot be read counts as empty.
void loadPage(const QString& path, QTextDocument& doc) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    doc.setHtml(QString::fromUtf8(file.readAll()));
}

QToolButton* makeButton(const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

}  // namespace

HelpViewer::HelpViewer(const TextTable& texts, QWidget* parent) : QWidget(parent) {
    auto text = [&texts](int entry) { return QString::fromStdString(texts.get(entry)); };
    setWindowTitle(text(txt::kHelp));
    resize(900, 640);

    back_ = makeButton(text(txt::kHelpBack), this);
    forward_ = makeButton(text(txt::kHelpForward), this);
    home_ = makeButton(text(txt::kHelpHome), this);
    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    home_->setEnabled(false);
    searchField_ = new QLineEdit(this);
    searchField_->setPlaceholderText(text(txt::kHelpSearch));
    searchField_->setClearButtonEnabled(true);
    auto* searchButton = makeButton(text(txt::kHelpSearch), this);

    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(home_);
    bar->addStretch(1);
    bar->addWidget(searchField_, 2);
    bar->addWidget(searchButton);

    contents_ = new QTreeWidget(this);
    contents_->setHeaderHidden(true);
    results_ = new QListWidget(this);
    auto* resultsLabel = new QLabel(text(txt::kHelpFoundOn), this);
    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(new QLabel(text(txt::kHelpContents), side));
    sideLayout->addWidget(contents_, 3);
    sideLayout->addWidget(resultsLabel);
    sideLayout->addWidget(results_, 1);

    browser_ = new QTextBrowser(this);
    // Links are followed here, so that web and mail addresses go to the desktop instead.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({230, 670});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QToolButton::clicked, this, [this] {
        if (home_url_.isValid()) browser_->setSource(home_url_);
    });
    connect(contents_, &QTreeWidget::itemClicked, this, &HelpViewer::contentsItemActivated);
    connect(contents_, &QTreeWidget::itemActivated, this, &HelpViewer::contentsItemActivated);
    connect(searchField_, &QLineEdit::returnPressed, this, &HelpViewer::findInPage);
    connect(searchButton, &QToolButton::clicked, this, &HelpViewer::findInPage);
    connect(results_, &QListWidget::itemClicked, this, &HelpViewer::resultActivated);
    connect(results_, &QListWidget::itemActivated, this, &HelpViewer::resultActivated);
    auto* findShortcut = new QShortcut(QKeySequence::Find, this);
    connect(findShortcut, &QShortcut::activated, this, [this] {
        searchField_->setFocus();
        searchField_->selectAll();
    });
}

bool HelpViewer::openContents(const QString& helpFile) {
    const QFileInfo info(helpFile);
    if (!info.isFile() || !info.isReadable()) return false;
    home_url_ = QUrl::fromLocalFile(info.absoluteFilePath());
    browser_->setSource(home_url_);
    browser_->clearHistory();
    home_->setEnabled(true);
    results_->clear();
    buildContents();
    return true;
}

QString HelpViewer::currentSource() const { return browser_->source().toString(); }

QStringList HelpViewer::pagesContaining(const QString& word) const {
    QStringList found;
    if (word.trimmed().isEmpty()) return found;
    for (int i = 0; i < pages_.size(); ++i)
        if (pageTexts_[i].contains(word.trimmed(), Qt::CaseInsensitive)) found << pages_[i];
    return found;
}

void HelpViewer::followLink(const QUrl& url) {
    if (isExternal(url)) {
        QDesktopServices::openUrl(url);
        return;
    }
    const QUrl target = browser_->source().resolved(url);
    // A link to a page that is not there leaves the current page standing.
    if (target.isLocalFile() && !QFileInfo(target.toLocalFile()).isFile()) return;
    browser_->setSource(target);
}

// The contents are the start page followed by every page it links to, in the order of its
// links; each page lists its second-level headings that carry an anchor.
void HelpViewer::buildContents() {
    contents_->clear();
    pages_.clear();
    pageTexts_.clear();
    pages_ << home_url_.toLocalFile();

    QTextDocument start;
    loadPage(pages_.front(), start);
    for (QTextBlock block = start.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isAnchor() || format.anchorHref().isEmpty()) continue;
            const QUrl url = home_url_.resolved(QUrl(format.anchorHref()));
            if (!url.isLocalFile()) continue;
            const QString path = url.toLocalFile();
            if (path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) &&
                !pages_.contains(path) && QFileInfo(path).isFile())
                pages_ << path;
        }
    }

    for (const QString& path : pages_) {
        QTextDocument doc;
        loadPage(path, doc);
        pageTexts_ << doc.toPlainText();
        QString title = doc.metaInformation(QTextDocument::DocumentTitle);
        if (title.isEmpty()) title = QFileInfo(path).completeBaseName();
        const QUrl pageUrl = QUrl::fromLocalFile(path);
        auto* pageItem = new QTreeWidgetItem(contents_, QStringList{title});
        pageItem->setData(0, kUrlRole, pageUrl);
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() != 2) continue;
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QStringList names = it.fragment().charFormat().anchorNames();
                if (names.isEmpty()) continue;
                QUrl headingUrl = pageUrl;
                headingUrl.setFragment(names.front());
                auto* item = new QTreeWidgetItem(pageItem, QStringList{block.text().trimmed()});
                item->setData(0, kUrlRole, headingUrl);
                break;
            }
        }
    }
    contents_->expandAll();
}

void HelpViewer::contentsItemActivated(QTreeWidgetItem* item) {
    if (!item) return;
    const QUrl url = item->data(0, kUrlRole).toUrl();
    if (url.isValid()) browser_->setSource(url);
}

// Each search finds the next match after the cursor and starts over at the top of the page
// when there is none below; the list beside shows every page with the word.
void HelpViewer::findInPage() {
    const QString word = searchField_->text().trimmed();
    if (word.isEmpty()) return;
    if (!browser_->find(word)) {
        QTextCursor cursor = browser_->textCursor();
        cursor.movePosition(QTextCursor::Start);
        browser_->setTextCursor(cursor);
        browser_->find(word);
    }
    findEverywhere();
}

void HelpViewer::findEverywhere() {
    results_->clear();
    const QString word = searchField_->text().trimmed();
    for (const QString& path : pagesContaining(word)) {
        const int index = static_cast<int>(pages_.indexOf(path));
        auto* item = new QListWidgetItem(contents_->topLevelItem(index)->text(0), results_);
        item->setData(kUrlRole, QUrl::fromLocalFile(path));
    }
}

void HelpViewer::resultActivated(QListWidgetItem* item) {
    if (!item) return;
    browser_->setSource(item->data(kUrlRole).toUrl());
    QTextCursor cursor = browser_->textCursor();
    cursor.movePosition(QTextCursor::Start);
    browser_->setTextCursor(cursor);
    browser_->find(searchField_->text().trimmed());
}

}  // namespace kelmira
