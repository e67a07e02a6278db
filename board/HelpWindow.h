// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the help file's topics and their pages.
#pragma once

// Qt
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class QListWidget;
class QTextBrowser;
class QUrl;

namespace tintrix {

class HelpWindow;

/** Opens the help file at its topics (a window of its own, not modal) in `window`, which the
 *  caller keeps: one help window per caller, so a second call brings the open one to the
 *  front. */
void ShowHelp(QPointer<HelpWindow>& window, const QString& helpFile, QWidget* parent);

/** A small window with the help file's topics on the left and the chosen topic's page on the
 *  right. The help file is HTML; every <section id="..."> is one topic, titled by its first
 *  <h2>, and links of the form href="#id" lead to another topic. */
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    /** Reads the help file and shows its first topic. A missing, unreadable or empty file
     *  shows a short message in the window instead. */
    void loadHelpFile(const QString& helpFile);

    [[nodiscard]] QString helpFile() const { return m_helpFile; }
    /** Whether the last load found any topic to show. */
    [[nodiscard]] bool hasTopics() const { return !m_topics.isEmpty(); }

    /** Shows the topic with the given id; false when the help file has no such topic. */
    bool showTopic(const QString& id);

    /** Places the window beside the owner window when the screen has room, over it otherwise. */
    void placeNear(const QWidget* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Topic {
        QString id;
        QString title;
        QString body; ///< the topic's HTML, without the document around it
    };
    /** Splits the help file's HTML into its style sheet and its topics. */
    static QList<Topic> readTopics(const QString& html, QString* styleSheet);

    void onTopicChanged(int row);
    void onLinkClicked(const QUrl& url);
    void showMessage(const QString& text);

    QString m_helpFile;
    QString m_styleSheet; ///< the help file's own <style>, applied to every page
    QList<Topic> m_topics;
    QListWidget* m_topicList = nullptr;
    QTextBrowser* m_page = nullptr;
};

} // namespace tintrix
