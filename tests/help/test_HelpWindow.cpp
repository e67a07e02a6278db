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
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(w))
            found << help;
    return found;
}

HelpWindow* theHelpWindow() { return helpWindows().size() == 1 ? helpWindows().first() : nullptr; }
QListWidget* topics(HelpWindow* w) { return w->findChild<QListWidget*>(QStringLiteral("helpTopics")); }
QString pageText(HelpWindow* w) { return w->findChild<QTextBrowser*>(QStringLiteral("helpPage"))->toPlainText(); }

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

    // Help opens in its own window, not modal, listing every topic of the help file, with the
    // first topic shown and the list focused; clicking a topic shows that topic's page alone.
    void opensAtItsTopicsAndShowsEachPage()
    {
        QWidget board;
        board.show();
        ShowHelp(kHelpFile, &board);
        HelpWindow* w = theHelpWindow();
        QVERIFY(w && w->isVisible() && !w->isModal());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tintrix Help"));

        QFile file(kHelpFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        static const QRegularExpression comment(QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption);
        const QString html = QString::fromUtf8(file.readAll()).remove(comment);
        QListWidget* list = topics(w);
        QCOMPARE(list->count(), int(html.count(QStringLiteral("<section id="))));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(w->focusWidget(), list);

        QSet<QString> pages;
        for (int row = 0; row < list->count(); ++row) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
            QCOMPARE(pageText(w).section(QLatin1Char('\n'), 0, 0), list->item(row)->text());
            pages << pageText(w);
        }
        QCOMPARE(pages.size(), list->count()); // a page per topic, never the whole file
    }

    // A link on a page leads to its topic, and the list follows it.
    void linksLeadToTheirTopics()
    {
        ShowHelp(kHelpFile, nullptr);
        HelpWindow* w = theHelpWindow();
        QVERIFY(w);
        auto* browser = w->findChild<QTextBrowser*>(QStringLiteral("helpPage"));
        const auto link = QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).match(browser->toHtml());
        QVERIFY(link.hasMatch());
        emit browser->anchorClicked(QUrl(QLatin1Char('#') + link.captured(1)));
        QVERIFY(topics(w)->currentRow() > 0);
        QVERIFY(pageText(w).startsWith(topics(w)->currentItem()->text()));
        QVERIFY(!w->showTopic(QStringLiteral("no-such-topic")));
    }

    // A help file that can't be used gives a short message in the window, never a blank one;
    // a file with text but no topics is shown as one page.
    void unusableFileShowsAMessage_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<bool>("asFolder");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("message");
        QTest::newRow("missing") << QByteArray() << false << "could not be found" << true;
        QTest::newRow("a folder") << QByteArray() << true << "could not be read" << true;
        QTest::newRow("no text") << QByteArray("<html><body> </body></html>") << false << "is empty" << true;
        QTest::newRow("no topics") << QByteArray("<body><p>Find the colors.</p></body>") << false << "Find the colors."
                                   << false;
    }
    void unusableFileShowsAMessage()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, asFolder);
        QFETCH(QString, shown);
        QFETCH(bool, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tintrix.hlp"));
        if (asFolder)
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tintrix.hlp")));
        QFile file(path);
        if (!content.isNull())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush());

        ShowHelp(path, nullptr);
        HelpWindow* w = theHelpWindow();
        QVERIFY(w && w->isVisible());
        QVERIFY2(pageText(w).contains(shown), qPrintable(pageText(w)));
        QCOMPARE(w->hasTopics(), !message);
        QCOMPARE(topics(w)->isVisible(), !message);
        if (message)
            QVERIFY(pageText(w).contains(QDir::toNativeSeparators(path)));
    }

    // Asking again brings back the same window where the player left it, and rereads a file
    // that was missing; once it is closed, or its owner has gone, help opens afresh.
    void askingAgainReusesTheWindow()
    {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("tintrix.hlp"));
        auto board = std::make_unique<QWidget>();
        board->show();
        ShowHelp(copy, board.get());
        QPointer<HelpWindow> first = theHelpWindow();
        QVERIFY(first && !first->hasTopics());
        QVERIFY(QFile::copy(kHelpFile, copy));
        ShowHelp(copy, board.get());
        QCOMPARE(theHelpWindow(), first.data());
        QVERIFY(first->hasTopics() && topics(first)->isVisible());

        topics(first)->setCurrentRow(2);
        ShowHelp(copy, board.get());
        QCOMPARE(helpWindows().size(), 1);
        QCOMPARE(topics(first)->currentRow(), 2);

        QVERIFY(QTest::qWaitForWindowActive(first));
        QTest::keyClick(topics(first), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        ShowHelp(copy, board.get());
        QPointer<HelpWindow> second = theHelpWindow();
        QVERIFY(second && topics(second)->currentRow() == 0);

        board.reset(); // the help window goes with the board
        QVERIFY(!second);
        ShowHelp(copy, nullptr);
        QVERIFY(theHelpWindow());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "test_HelpWindow.moc"
