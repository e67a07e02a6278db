// SPDX-License-Identifier: GPL-3.0-or-later
// Help: the program's help file is found and splits into topics with a page each, and a file
// that cannot be used gives a clear message in the window, never a blank one.
#include "HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace tintrix;

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { qDeleteAll(QApplication::topLevelWidgets()); }

    void helpFileIsShown_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: the program's own file
        QTest::addColumn<QString>("shown");
        QTest::newRow("the program's help file") << QByteArray() << "";
        QTest::newRow("missing") << QByteArray("missing") << "could not be found";
        QTest::newRow("no text") << QByteArray("<html><body> </body></html>") << "is empty";
    }
    void helpFileIsShown()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        QString path = dir.filePath("tintrix.hlp");
        if (content.isNull())
            path = QStringLiteral(TINTRIX_PROGRAM_DIR "/tintrix.hlp");
        else if (content != "missing") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        }
        QPointer<HelpWindow> window;
        ShowHelp(window, path, nullptr);
        auto* w = qobject_cast<HelpWindow*>(QApplication::topLevelWidgets().value(0));
        QVERIFY(w && w->isVisible() && !w->isModal());
        auto* list = w->findChild<QListWidget*>();
        auto* page = w->findChild<QTextBrowser*>();
        if (!shown.isEmpty()) {
            QVERIFY2(page->toPlainText().contains(shown) && page->toPlainText().contains(QDir::toNativeSeparators(path)),
                     qPrintable(page->toPlainText()));
            QVERIFY(!w->hasTopics() && !list->isVisible());
            return;
        }
        QVERIFY(w->hasTopics() && list->count() > 3);
        QSet<QString> pages;
        for (int row = 0; row < list->count(); ++row) { // a page per topic, headed by it
            list->setCurrentRow(row);
            QCOMPARE(page->toPlainText().section('\n', 0, 0), list->item(row)->text());
            pages << page->toPlainText();
        }
        QCOMPARE(pages.size(), list->count());
    }
};

QTEST_MAIN(HelpTest)
#include "test_help.moc"
