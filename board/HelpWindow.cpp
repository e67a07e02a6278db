// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the help file's topics and their pages.
#include "HelpWindow.h"

// Qt
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QUrl>

// Std
#include <utility>

namespace tintrix {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kTopicListWidth = 190;
constexpr int kPageMargin = 10;
constexpr int kGapToOwner = 8;

constexpr auto kFindOptions =
    QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption;

QString plainText(const QString& html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

QString shownPath(const QString& file)
{
    return QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()).toHtmlEscaped();
}

} // namespace

// ----------------------------------------------------------------------------------------
// The one help window

void ShowHelp(QPointer<HelpWindow>& window, const QString& helpFile, QWidget* parent)
{
    // Only one help window: asking again brings the open one to the front. It deletes itself
    // when closed, and goes with its owner, so the guard empties in both cases.
    if (!window) {
        window = new HelpWindow(parent);
        window->loadHelpFile(helpFile);
        window->placeNear(parent);
    } else if (window->helpFile() != helpFile || !window->hasTopics()) {
        // The program was given another file, or a file that was missing may be back.
        window->loadHelpFile(helpFile);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

// ----------------------------------------------------------------------------------------
// Construction

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("helpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QCoreApplication::translate("Board", "Tintrix Help"));
    resize(kWidth, kHeight);

    m_topicList = new QListWidget;
    m_topicList->setObjectName(QStringLiteral("helpTopics"));
    m_topicList->setAccessibleName(QCoreApplication::translate("ScreenReader", "Help topics"));
    m_topicList->setSpacing(2);
    m_page = new QTextBrowser;
    m_page->setObjectName(QStringLiteral("helpPage"));
    m_page->document()->setDocumentMargin(kPageMargin);
    // Links are ours to follow: a topic link changes the list's selection as well.
    m_page->setOpenLinks(false);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_topicList);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kTopicListWidth, kWidth - kTopicListWidth});

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(splitter);

    connect(m_topicList, &QListWidget::currentRowChanged, this, &HelpWindow::onTopicChanged);
    m_topicList->installEventFilter(this);
    connect(m_page, &QTextBrowser::anchorClicked, this, &HelpWindow::onLinkClicked);
    auto* closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);

    m_topicList->setFocus();
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The list taking the focus tells screen readers its current topic too, as moving through
    // the list does; otherwise only the list itself is spoken as the window opens. The topic is
    // made current afresh once the list's own focus has been told, the page left as it is.
    if (watched == m_topicList && event->type() == QEvent::FocusIn && m_topicList->currentRow() >= 0) {
        QTimer::singleShot(0, this, [this] {
            const int row = m_topicList->currentRow();
            if (row < 0 || !m_topicList->hasFocus())
                return;
            const QSignalBlocker blocker(m_topicList);
            m_topicList->setCurrentRow(-1);
            m_topicList->setCurrentRow(row);
        });
    }
    return QWidget::eventFilter(watched, event);
}

// ----------------------------------------------------------------------------------------
// Reading the help file

QList<HelpWindow::Topic> HelpWindow::readTopics(const QString& file, QString* styleSheet)
{
    static const QRegularExpression commentRe(QStringLiteral("<!--.*?-->"), kFindOptions);
    static const QRegularExpression styleRe(QStringLiteral("<style[^>]*>(.*?)</style>"), kFindOptions);
    static const QRegularExpression sectionRe(
        QString::fromLatin1(R"(<section\b[^>]*\bid\s*=\s*["']([^"']+)["'][^>]*>(.*?)</section>)"), kFindOptions);
    static const QRegularExpression titleRe(QStringLiteral("<h2[^>]*>(.*?)</h2>"), kFindOptions);
    static const QRegularExpression bodyRe(QStringLiteral("<body[^>]*>(.*)</body>"), kFindOptions);

    // Comments may talk about sections; only the markup counts.
    const QString html = QString(file).remove(commentRe);

    const auto style = styleRe.match(html);
    *styleSheet = style.hasMatch() ? style.captured(1) : QString();

    QList<Topic> topics;
    for (auto it = sectionRe.globalMatch(html); it.hasNext();) {
        const auto section = it.next();
        const auto heading = titleRe.match(section.captured(2));
        QString title = heading.hasMatch() ? plainText(heading.captured(1)) : QString();
        if (title.isEmpty())
            title = section.captured(1);
        topics.append({section.captured(1), title, section.captured(2)});
    }
    if (topics.isEmpty()) {
        // A help file without topics is still worth reading, as one page.
        const auto body = bodyRe.match(html);
        const QString text = body.hasMatch() ? body.captured(1) : html;
        if (!plainText(text).isEmpty())
            topics.append({QString(), QCoreApplication::translate("Board", "Tintrix Help"), text});
    }
    return topics;
}

void HelpWindow::loadHelpFile(const QString& helpFile)
{
    m_helpFile = helpFile;
    const QFileInfo info(helpFile);
    if (!info.exists()) {
        showMessage(QCoreApplication::translate("Board", "The help file %1 could not be found.").arg(shownPath(helpFile)));
        return;
    }
    QFile file(helpFile);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        showMessage(QCoreApplication::translate("Board", "The help file %1 could not be read.").arg(shownPath(helpFile)));
        return;
    }
    QString styleSheet;
    QList<Topic> topics = readTopics(QString::fromUtf8(file.readAll()), &styleSheet);
    if (topics.isEmpty()) {
        showMessage(QCoreApplication::translate("Board", "The help file %1 is empty.").arg(shownPath(helpFile)));
        return;
    }

    m_topics = std::move(topics);
    m_page->document()->setDefaultStyleSheet(styleSheet);
    {
        // Filling the list must not show each topic on the way.
        const QSignalBlocker blocker(m_topicList);
        m_topicList->clear();
        for (const Topic& topic : std::as_const(m_topics))
            m_topicList->addItem(topic.title);
    }
    m_topicList->show();
    m_topicList->setCurrentRow(0);
    onTopicChanged(0);
}

void HelpWindow::showMessage(const QString& text)
{
    // The window still says what went wrong, rather than opening blank.
    m_topics.clear();
    {
        const QSignalBlocker blocker(m_topicList);
        m_topicList->clear();
    }
    m_topicList->hide();
    m_page->document()->setDefaultStyleSheet(QString());
    m_page->setHtml(QCoreApplication::translate("Board", "<h2>Tintrix Help</h2><p>%1</p>"
                                                         "<p>Tintrix looks for its help file in the program's folder, "
                                                         "next to the game itself.</p>")
                        .arg(text));
}

// ----------------------------------------------------------------------------------------
// Topics and links

bool HelpWindow::showTopic(const QString& id)
{
    for (int row = 0; row < m_topics.size(); ++row) {
        if (m_topics[row].id == id) {
            m_topicList->setCurrentRow(row);
            return true;
        }
    }
    return false;
}

void HelpWindow::onTopicChanged(int row)
{
    if (row < 0 || row >= m_topics.size())
        return;
    m_page->setHtml(m_topics[row].body);
    m_page->setAccessibleName(m_topics[row].title);
}

void HelpWindow::onLinkClicked(const QUrl& url)
{
    if (url.isRelative() && url.path().isEmpty() && url.hasFragment()) {
        // "#id": another topic, or else a place on this page.
        if (!showTopic(url.fragment()))
            m_page->scrollToAnchor(url.fragment());
        return;
    }
    if (!url.isRelative())
        QDesktopServices::openUrl(url);
}

// ----------------------------------------------------------------------------------------
// Placement

void HelpWindow::placeNear(const QWidget* owner)
{
    if (!owner)
        return;
    const QWidget* ownerWindow = owner->window();
    const QRect frame = ownerWindow->frameGeometry();
    const QScreen* screen = ownerWindow->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();

    // Beside the board, so the game stays in view while reading.
    QRect target(QPoint(frame.right() + kGapToOwner, frame.top()), size());
    if (!available.contains(target)) {
        target.moveCenter(frame.center());
        target.moveLeft(qBound(available.left(), target.left(), available.right() - target.width()));
        target.moveTop(qBound(available.top(), target.top(), available.bottom() - target.height()));
    }
    move(target.topLeft());
}

} // namespace tintrix
