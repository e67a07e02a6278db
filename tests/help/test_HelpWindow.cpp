// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: opens at its topics, shows the chosen page, follows links, explains a
// missing help file, and stays a single window however often help is asked for.
#include "HelpWindow.h"

// Qt
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

// Std
#include <memory>

using namespace tintrix;

namespace {

const QString kHelpFile = QStringLiteral(TINTRIX_PROGRAM_DIR "/tintrix.hlp");

QList<HelpWindow*> helpWindows()
{
    QList<HelpWindow*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<HelpWindow*>(w))
            found << help;
    }
    return found;
}

HelpWindow* theHelpWindow()
{
    const auto windows = helpWindows();
    return windows.size() == 1 ? windows.first() : nullptr;
}

QListWidget* topicList(HelpWindow* w) { return w->findChild<QListWidget*>(QStringLiteral("helpTopics")); }
QTextBrowser* page(HelpWindow* w) { return w->findChild<QTextBrowser*>(QStringLiteral("helpPage")); }

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (HelpWindow* w : helpWindows())
            w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(helpWindows().isEmpty());
    }

    // Help opens in a window of its own, not modal, listing every topic of the help file,
    // with the first topic shown and the list ready for the keyboard.
    void opensAtItsTopics()
    {
        QWidget board;
        board.show();
        ShowHelp(kHelpFile, &board);
        HelpWindow* w = theHelpWindow();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(!w->isModal());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(w->windowTitle(), QStringLiteral("Tintrix Help"));
        QVERIFY(w->width() >= 500 && w->height() >= 360);

        QFile file(kHelpFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll())
                                 .remove(QRegularExpression(QStringLiteral("<!--.*?-->"),
                                                            QRegularExpression::DotMatchesEverythingOption));
        QListWidget* list = topicList(w);
        QVERIFY(list && list->isVisible());
        QCOMPARE(list->count(), int(html.count(QStringLiteral("<section id="))));
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(page(w)->toPlainText().startsWith(list->item(0)->text()));
        QCOMPARE(w->focusWidget(), list);
    }

    // Choosing a topic, by mouse or keyboard, shows that topic's page and only that one.
    void selectingATopicShowsItsPage()
    {
        ShowHelp(kHelpFile, nullptr);
        HelpWindow* w = theHelpWindow();
        QVERIFY(w);
        QListWidget* list = topicList(w);
        QVERIFY(list->count() >= 2);
        QSet<QString> pages;
        for (int row = 0; row < list->count(); ++row) {
            const QRect itemRect = list->visualItemRect(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, itemRect.center());
            QCOMPARE(list->currentRow(), row);
            const QString text = page(w)->toPlainText();
            QCOMPARE(text.section(QLatin1Char('\n'), 0, 0), list->item(row)->text());
            pages << text;
        }
        // Each topic has a page of its own, not the whole file.
        QCOMPARE(pages.size(), list->count());
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(page(w)->toPlainText().startsWith(list->item(1)->text()));
    }

    // A link on a page leads to its topic, and the list follows; every link of every page
    // leads somewhere.
    void linksLeadToTheirTopics()
    {
        ShowHelp(kHelpFile, nullptr);
        HelpWindow* w = theHelpWindow();
        QVERIFY(w);
        QListWidget* list = topicList(w);
        QTextBrowser* browser = page(w);
        const QRegularExpression linkRe(QStringLiteral("href=\"#([^\"]+)\""));
        int followed = 0;
        for (int row = 0; row < list->count(); ++row) {
            list->setCurrentRow(row);
            const QString pageHtml = browser->toHtml();
            QStringList targets;
            for (auto it = linkRe.globalMatch(pageHtml); it.hasNext();)
                targets << it.next().captured(1);
            for (const QString& target : std::as_const(targets)) {
                list->setCurrentRow(row);
                emit browser->anchorClicked(QUrl(QLatin1Char('#') + target));
                QVERIFY2(list->currentRow() != row, qPrintable(target));
                QVERIFY(browser->toPlainText().startsWith(list->currentItem()->text()));
                const int reached = list->currentRow();
                list->setCurrentRow(row);
                QVERIFY(w->showTopic(target));
                QCOMPARE(list->currentRow(), reached);
                ++followed;
            }
        }
        QVERIFY(followed > 0);
        QVERIFY(w->showTopic(QStringLiteral("scoring")));
        QVERIFY(!w->showTopic(QStringLiteral("no-such-topic")));
    }

    // A help file that can't be used gives a short message in the window, never a blank one.
    void unusableFileShowsAMessage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<bool>("asFolder");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "tintrix.hlp" << QByteArray() << false << "could not be found";
        QTest::newRow("a folder") << "tintrix.hlp" << QByteArray() << true << "could not be read";
        QTest::newRow("empty") << "tintrix.hlp" << QByteArray("") << false << "is empty";
        QTest::newRow("only markup") << "tintrix.hlp" << QByteArray("<html><body> </body></html>") << false
                                     << "is empty";
    }
    void unusableFileShowsAMessage()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, asFolder);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (asFolder)
            QVERIFY(QDir(dir.path()).mkdir(name));
        else if (!content.isNull())
            writeFile(path, content);

        ShowHelp(path, nullptr);
        HelpWindow* w = theHelpWindow();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(!w->hasTopics());
        QVERIFY(!topicList(w)->isVisible());
        const QString text = page(w)->toPlainText();
        QVERIFY2(text.contains(message), qPrintable(text));
        QVERIFY2(text.contains(QDir::toNativeSeparators(path)), qPrintable(text));
    }

    // A readable file without topics is still shown, as a single page.
    void fileWithoutTopicsIsOnePage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tintrix.hlp"));
        writeFile(path, "<html><body><p>Find the secret colors.</p></body></html>");
        ShowHelp(path, nullptr);
        HelpWindow* w = theHelpWindow();
        QVERIFY(w && w->hasTopics());
        QCOMPARE(topicList(w)->count(), 1);
        QVERIFY(page(w)->toPlainText().contains(QStringLiteral("Find the secret colors.")));
    }

    // Asking for help again brings back the same window where the player left it; once it
    // is closed, or its owner has gone, the next request opens a fresh one.
    void askingAgainReusesTheWindow()
    {
        auto board = std::make_unique<QWidget>();
        board->show();
        ShowHelp(kHelpFile, board.get());
        QPointer<HelpWindow> first = theHelpWindow();
        QVERIFY(first);
        topicList(first)->setCurrentRow(2);
        ShowHelp(kHelpFile, board.get());
        QCOMPARE(helpWindows().size(), 1);
        QCOMPARE(theHelpWindow(), first.data());
        QCOMPARE(topicList(first)->currentRow(), 2);

        // Escape closes it for good.
        QVERIFY(QTest::qWaitForWindowActive(first));
        QTest::keyClick(topicList(first), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        ShowHelp(kHelpFile, board.get());
        QPointer<HelpWindow> second = theHelpWindow();
        QVERIFY(second);
        QCOMPARE(topicList(second)->currentRow(), 0);

        // The window goes with the board; help still opens afterwards.
        board.reset();
        QVERIFY(!second);
        ShowHelp(kHelpFile, nullptr);
        QVERIFY(theHelpWindow());
    }

    // A help file that was missing and has come back is read when help is asked for again.
    void askingAgainRereadsAMissingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tintrix.hlp"));
        ShowHelp(path, nullptr);
        QVERIFY(theHelpWindow() && !theHelpWindow()->hasTopics());
        QVERIFY(QFile::copy(kHelpFile, path));
        ShowHelp(path, nullptr);
        QCOMPARE(helpWindows().size(), 1);
        QVERIFY(theHelpWindow()->hasTopics());
        QVERIFY(topicList(theHelpWindow())->isVisible());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "test_HelpWindow.moc"
