// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of the game reduced to its high score saving, for the tests that run several at once
// or kill one in the middle of a save.
//   ScoresWriter record <folder> <name> <startAtMsSinceEpoch> <score>...
//       records each score (level = its position) after waiting for the start time
//   ScoresWriter churn <folder>
//       records ever higher scores until killed
#include "HighScoreBook.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>

#include <cstdio>
#include <cstdlib>

using namespace tintrix;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 64;
    const QString folder = args[2];
    HighScoreBook book(folder);
    book.setFallbackFolder(folder + "/user");
    QString name = args.value(3, "CHURN");
    book.setNamePrompt([&name](QWidget*) { return name; });
    book.setNotice([](QWidget*, const QString& text) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        std::exit(2);
    });
    book.LoadHighScores();

    if (args[1] == "churn") {
        for (qint32 score = book.table().place(1).Score + 1;; ++score)
            book.RecordHighScore(score, 1, nullptr);
    }
    const qint64 start = args.value(4).toLongLong();
    while (QDateTime::currentMSecsSinceEpoch() < start)
        QThread::usleep(100);
    for (int i = 5; i < args.size(); ++i) {
        book.RecordHighScore(args[i].toInt(), i - 4, nullptr);
        // As the game's window would, go on while another copy saves.
        while (book.savePending())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return 0;
}
