// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the player's language: complete and sound translation files, the language the
// desktop asks for, spoken words that agree with their counts, and every window, the board and
// what it opens included, with every text translated and none clipped.
#include "BoardFixture.h"
#include "Describe.h"
#include "HelpWindow.h"
#include "HighScoreCodec.h"
#include "HighScoreFrm.h"
#include "LevelCatalogue.h"
#include "ScoreTestFolders.h"
#include "SavedGame.h"
#include "Score.h"
#include "Spoken.h"
#include "TournamentKeeper.h"
#include "Translations.h"
#include "frmAbout.h"
#include "frmSplash.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace tintrix;
using namespace tintrix::test;

namespace {

const QString kProgramFolder = QStringLiteral(TINTRIX_PROGRAM_DIR);
const QString kTranslations = kProgramFolder + "/translations";
const QStringList kLanguages{"de", "fr", "es"};

struct Message {
    QString context, source;
    QStringList translations; // one, or one per plural form
    bool numerus = false, vanished = false, finished = true;
};

QList<Message> ReadCatalogue(const QString& path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) {
            if (xml.isEndElement() && xml.name() == u"message")
                messages << std::exchange(m, {});
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            m.context = context;
            m.numerus = xml.attributes().value("numerus") == u"yes";
        } else if (xml.name() == u"source") {
            m.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const auto type = xml.attributes().value("type");
            m.vanished = type == u"vanished" || type == u"obsolete";
            m.finished = type != u"unfinished";
            if (!m.numerus)
                m.translations << xml.readElementText();
        } else if (xml.name() == u"numerusform") {
            m.translations << xml.readElementText();
        }
    }
    return messages;
}

QString CataloguePath(const QString& language) { return QStringLiteral(TINTRIX_TS_DIR "/tintrix_%1.ts").arg(language); }

/** A help page of the program's folder, without its comments. */
QString HelpHtml(const QString& name)
{
    static const QRegularExpression comment("<!--.*?-->", QRegularExpression::DotMatchesEverythingOption);
    return QString::fromUtf8(ReadAll(kProgramFolder + '/' + name)).remove(comment);
}

// The pseudo-language: every text the catalogue knows comes back marked, ⟪like this⟫. A text
// that is shown unmarked never went through the catalogue.
class PseudoTranslator : public QTranslator {
public:
    PseudoTranslator()
    {
        for (const Message& m : ReadCatalogue(CataloguePath("de")))
            m_known.insert(m.context + '\x04' + m.source);
    }
    bool isEmpty() const override { return m_known.isEmpty(); }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (!m_known.contains(QString::fromUtf8(context) + '\x04' + text))
            return {};
        // What fills a placeholder stands outside the marks: a word put into a translated
        // sentence is judged by itself.
        static const QRegularExpression placeholder("(%(?:n|L?\\d+))");
        QString marked = QChar(0x27EA) + text + QChar(0x27EB);
        return marked.replace(placeholder, QChar(0x27EB) + QString("\\1") + QChar(0x27EA));
    }

private:
    QSet<QString> m_known;
};

// Texts no language changes: the program's name and version, the players' names.
const QStringList kUntranslated{"Tintrix", "V1.2", "ANNA", "BÄR", "WWWWWWWWWWWW", "ZOË", "LÉO", "TESTER"};

/** The part of a text that is neither marked as translated nor exempt; empty when all is. */
QString Untranslated(QString text)
{
    static const QRegularExpression marked(QString::fromUtf8("⟪[^⟫]*⟫")), path(QStringLiteral("/[^\\s,]*[A-Za-z0-9]"));
    text.remove(marked).remove(path);
    for (const QString& word : kUntranslated)
        text.remove(word);
    return text.contains(QRegularExpression("\\p{L}")) ? text.simplified() : QString();
}

/** Every text of a window a player sees or a screen reader says, with where it is. */
QList<QPair<QString, QString>> WindowTexts(QWidget* window)
{
    QList<QPair<QString, QString>> texts;
    auto add = [&texts](QWidget* w, const QString& what, const QString& text) {
        if (!text.trimmed().isEmpty())
            texts.append({w->objectName() + ' ' + what, text});
    };
    add(window, "title", window->windowTitle());
    // The menus of the board, the level menu that is never shown included, and the texts of
    // its keyboard commands.
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        add(menu, "menu", menu->title());
        for (QAction* action : menu->actions())
            add(menu, "menu item", action->text());
    }
    for (QAction* action : window->actions())
        add(window, "command " + action->objectName(), action->text());
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window) && w != window)
            continue;
        // Qt's own buttons of its standard dialogs come translated from Qt.
        if (qobject_cast<QDialogButtonBox*>(w->parentWidget()))
            continue;
        add(w, "accessible name", w->accessibleName());
        add(w, "accessible description", w->accessibleDescription());
        add(w, "tooltip", w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(w, "text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(w, "text", button->text());
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                add(w, "item", list->item(i)->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            add(w, "title", group->title());
    }
    return texts;
}

/** Texts that do not fit their widget: labels, buttons and list items. */
QStringList Clipped(QWidget* window)
{
    QStringList clipped;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        const QFontMetrics metrics(w->font());
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
            const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
            const QString plain = Qt::mightBeRichText(label->text()) ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                                                                     : label->text();
            const QRect needed = metrics.boundingRect(room, int(label->alignment()) | flags, plain);
            if (needed.width() > room.width() || needed.height() > room.height())
                clipped << QString("%1 '%2' needs %3x%4, has %5x%6")
                               .arg(label->objectName(), plain)
                               .arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height());
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty())
            if (button->sizeHint().width() > button->width())
                clipped << QString("button '%1' needs %2, has %3").arg(button->text()).arg(button->sizeHint().width()).arg(button->width());
        if (auto* group = qobject_cast<QGroupBox*>(w); group && !group->title().isEmpty())
            if (QFontMetrics(group->font()).horizontalAdvance(group->title()) > group->contentsRect().width())
                clipped << QString("group '%1'").arg(group->title());
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                if (list->visualItemRect(list->item(i)).width() < QFontMetrics(list->font()).horizontalAdvance(list->item(i)->text())
                    || list->visualItemRect(list->item(i)).right() > list->viewport()->width())
                    clipped << QString("list item '%1'").arg(list->item(i)->text());
    }
    return clipped;
}

using Look = std::function<void(const QString& name, QWidget* window)>;

HighScoreTable FullTable()
{
    HighScoreTable table;
    const QList<QPair<QString, qint32>> players{{"WWWWWWWWWWWW", 2147483647}, {"ANNA", 9000}, {"BÄR", 1200}, {"ZOË", 35}, {"LÉO", -40}};
    for (int i = 0; i < players.size(); ++i)
        table = WithEntryAt(table, i + 1, {players[i].second, players[i].first, qint32(36 - i)});
    return table;
}

/** The banner as the board raises it, looked at while it shows. */
void LookAtBanner(const Look& look, double zoom, const QString& name, const QString& line1, const QString& line2)
{
    bool closed = false;
    LevelFrm::Announce(nullptr, {zoom, kTestTimeScale}, line1, line2, [&closed] { closed = true; });
    auto* banner = QApplication::activeModalWidget();
    QVERIFY(banner);
    look(name, banner);
    QVERIFY(WaitFor([&closed] { return closed; }));
}

/** Opens every window outside the board in turn, at the board's size factor, and lets look see
 *  each one while it shows. */
void VisitWindows(const Look& look, double zoom = 1.0)
{
    auto board = [](const char* text) { return QCoreApplication::translate("Board", text); };
    // Every level's description; the board raises levels 1, 19 and 36 itself (VisitBoard).
    for (const LevelSpec& spec : kLevelCatalogue)
        LookAtBanner(look, zoom, spec.Level == 18 ? "banner-level18" : QString(), board("LEVEL %1").arg(spec.Level + 18),
                     board(spec.LevelDescription.data()));
    frmSplash splash(kTestTimeScale);
    frmAbout about;
    HighScoreFrm scores(FullTable(), zoom);
    HighScoreFrm noScores(HighScoreTable{}, zoom);
    for (const auto& [name, window] : {std::pair<QString, QWidget*>{"splash", &splash}, {"about", &about},
                                       {"high-scores", &scores}, {"high-scores-empty", &noScores}}) {
        window->show();
        look(name, window);
        window->hide();
    }
    {
        // The name prompt, asked again after a name too long, and the notice that the scores
        // went elsewhere because the game's own file is a folder.
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("game/Hsl.hsl"));
        HighScoreBook book(dir.filePath("game"));
        book.setFallbackFolder(dir.filePath("user"));
        int prompts = 0, notices = 0;
        ModalAnswerer answerer([&](QWidget* w) {
            if (auto* prompt = qobject_cast<QInputDialog*>(w)) {
                look(++prompts == 1 ? "name-prompt" : QString(), prompt);
                prompt->setTextValue(prompts == 1 ? "ANNA-KATHARINA" : "ANNA");
                prompt->accept();
            } else if (auto* notice = qobject_cast<QMessageBox*>(w)) {
                look(++notices == 1 ? "notice-folder" : QString(), notice);
                notice->accept();
            }
            return notices > 0;
        });
        book.LoadHighScores();
        book.RecordHighScore(500, 3, nullptr);
        QCOMPARE(prompts, 2);
        QCOMPARE(notices, 1);
    }
    {
        // The notice that nothing could be saved, in a folder that cannot be made.
        QTemporaryDir dir;
        HighScoreBook book(UncreatableFolder(dir.path()));
        book.setFallbackFolder(UncreatableFolder(dir.path()) + "2");
        book.setNamePrompt([](QWidget*) { return QString("ANNA"); });
        ModalAnswerer answerer([&](QWidget* w) {
            look("notice-not-saved", w);
            qobject_cast<QDialog*>(w)->accept();
            return true;
        });
        book.RecordHighScore(500, 3, nullptr);
    }
}

/** The score of a tournament whose first `won` levels were each won on their first row. */
std::int32_t FirstRowScore(int won)
{
    std::int32_t score = 0;
    for (int level = 1; level <= won; ++level)
        score = ScoreAfterWin(score, level, FetchLevel(CatalogueRowForLevel(level))->RowLimit, 1);
    return score;
}

/** The board as a player meets it, at the given size: the notices about a kept tournament,
 *  level 1 with a checked row, the help, the exit question, a game given up on level 19 after
 *  its tournament was resumed (resumed banner, level banner, covered feedback, game over,
 *  reveal, name prompt, high scores) and the last level won. Every window the board opens is
 *  looked at while it shows; firstTopic is the help window's first topic. */
void VisitBoard(const Look& look, int zoomSteps, QString& firstTopic)
{
    ClearSettings();
    QTemporaryDir data;
    BoardFixture fx;
    QStringList names; // what the next windows are called in the screenshots, in order
    fx.log.onOpen = [&](QWidget* w) {
        look(names.isEmpty() ? QString() : names.takeFirst(), w);
        return false;
    };
    for (int i = 0; i < zoomSteps; ++i)
        fx.act("ZoomIn")->trigger();
    QTest::qWait(50);
    {
        // A kept tournament that is a folder, and a folder that cannot be made.
        QDir().mkpath(data.filePath("refused/tournament.sav"));
        names = QStringList{"notice-tournament-refused"};
        TournamentKeeper refused(fx.f(), *fx.program.scores, data.filePath("refused"));
        QVERIFY(!refused.Resume());
        TournamentKeeper nowhere(fx.f(), *fx.program.scores, UncreatableFolder(data.path()));
        QVERIFY(!nowhere.Resume());
        // A second keeper of the same folder finds it taken.
        TournamentKeeper second(fx.f(), *fx.program.scores, data.filePath("refused"));
        QVERIFY(!second.Resume());
        fx.settle();
    }
    look("board-idle", &fx.f());

    names = QStringList{"banner-level1"};
    fx.newGame();
    fx.missRow();
    look(QString(), &fx.f()); // the row's feedback is said with the hole the focus moves to
    fx.place(1, 2);
    look("board-level1", &fx.f());

    fx.act("help")->trigger();
    auto* help = fx.f().findChild<HelpWindow*>();
    if (!help)
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* h = qobject_cast<HelpWindow*>(w); h && h->isVisible())
                help = h;
    QVERIFY(help && help->hasTopics());
    look("help", help);
    auto* topics = help->findChild<QListWidget*>("helpTopics");
    QVERIFY(topics && topics->count() > 0);
    firstTopic = topics->item(0)->text();
    help->close();

    names = QStringList{"exit-question"};
    fx.act("ExitGame")->trigger();
    fx.settle();
    fx.act("EndGame")->trigger();
    fx.settle();

    // A tournament kept between levels: the banners it brings, then what the caller plays.
    const auto resume = [&](int level, const QStringList& windows, const std::function<void()>& play) {
        const QString folder = data.filePath(QString::number(level));
        QDir().mkpath(folder);
        const SavedGame kept{SavedStage::Between, level, FirstRowScore(level), 0, {}, {}, {}};
        QVERIFY(WriteAll(folder + "/tournament.sav", QByteArray::fromStdString(EncodeSavedGame(kept))));
        names = windows;
        TournamentKeeper keeper(fx.f(), *fx.program.scores, folder);
        QVERIFY(keeper.Resume());
        fx.settle();
        play();
    };
    // Level 19, its older feedback covered after three rows, then given up.
    resume(18, {"banner-tournament-resumed", "banner-level19"}, [&] {
        fx.missRow();
        fx.missRow();
        fx.missRow();
        look(QString(), &fx.f()); // with the older rows' feedback covered
        fx.place(0, 3);
        look("board-level19", &fx.f());
        names = QStringList{"banner-game-over", "reveal", QString(), "high-scores-after-game"};
        fx.act("EndGame")->trigger();
        fx.settle();
    });
    resume(35, {QString(), QString(), "banner-congratulations"}, [&] { fx.win(); });
    QVERIFY(fx.s().Score > FirstRowScore(35));
}

void SaveScreenshot(const QString& language, const QString& name, QWidget* window)
{
    if (name.isEmpty())
        return;
    const QString folder = QStringLiteral(TINTRIX_ARTIFACTS_DIR "/") + language;
    QDir().mkpath(folder);
    window->grab().save(folder + '/' + name + ".png");
}

QSet<QString> Placeholders(const QString& text)
{
    QSet<QString> found;
    static const QRegularExpression placeholder("%(?:n|\\d)");
    for (const auto& match : placeholder.globalMatch(text))
        found << match.captured();
    return found;
}

GameState Feedback(int black, int grey, int hidden)
{
    GameState s;
    s.Feedback = Grid<Peg>(1, black + grey + hidden + 1);
    int hole = 0;
    for (const auto& [peg, count] : {std::pair{Peg::Black, black}, {Peg::Grey, grey}, {Peg::Hidden, hidden}})
        for (int i = 0; i < count; ++i)
            s.Feedback(0, hole++) = peg;
    return s;
}

} // namespace

class I18nTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }
    void cleanup()
    {
        InstallTranslations(kTranslations, {"en"});
        qDeleteAll(QApplication::topLevelWidgets());
    }

    // Each language's file is complete, keeps the placeholders and the menu key of each
    // text, and lists the same texts as the others.
    void cataloguesAreCompleteAndSound()
    {
        QSet<QString> first;
        for (const QString& language : kLanguages) {
            const QList<Message> messages = ReadCatalogue(CataloguePath(language));
            QVERIFY2(messages.size() > 150, qPrintable(language));
            QSet<QString> keys;
            for (const Message& m : messages) {
                const QString where = language + ' ' + m.context + " '" + m.source + "'";
                keys << m.context + '|' + m.source;
                QVERIFY2(m.finished, qPrintable(where + " is unfinished"));
                QVERIFY2(m.translations.size() == (m.numerus ? 2 : 1), qPrintable(where + ": forms"));
                for (const QString& t : m.translations) {
                    QVERIFY2(!t.isEmpty(), qPrintable(where + " is empty"));
                    QVERIFY2(Placeholders(t) == Placeholders(m.source), qPrintable(where + " -> '" + t + "': placeholders"));
                    QVERIFY2(t.count('&') == m.source.count('&'), qPrintable(where + " -> '" + t + "': menu key"));
                    QVERIFY2(t.startsWith(' ') == m.source.startsWith(' ') && t.endsWith(' ') == m.source.endsWith(' '),
                             qPrintable(where + " -> '" + t + "': blanks around the text"));
                }
            }
            if (first.isEmpty())
                first = keys;
            QCOMPARE(keys, first);
        }
    }

    // The desktop's list of languages decides, English first or unknown languages included.
    void languageFollowsTheDesktop_data()
    {
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("cancel"); // the game's own text and Qt's own button alike
        QTest::addColumn<QString>("help");
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "de" << "Abbrechen" << "tintrix_de.hlp";
        QTest::newRow("Canadian French") << QStringList{"fr-CA"} << "fr" << "Annuler" << "tintrix_fr.hlp";
        QTest::newRow("unknown, then Spanish") << QStringList{"ja-JP", "es-ES"} << "es" << "Cancelar" << "tintrix_es.hlp";
        QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << "" << "Cancel" << "tintrix.hlp";
        QTest::newRow("C locale") << QStringList{"C"} << "" << "Cancel" << "tintrix.hlp";
    }
    void languageFollowsTheDesktop()
    {
        QFETCH(QStringList, desktop);
        QTEST(InstallTranslations(kTranslations, desktop), "installed");
        QTEST(QCoreApplication::translate("HighScores", "Cancel"), "cancel");
        QTEST(QCoreApplication::translate("QPlatformTheme", "Cancel"), "cancel");
        QTEST(QFileInfo(LocalizedFile(kProgramFolder, "tintrix.hlp")).fileName(), "help");
    }

    // Spoken feedback agrees with its counts in every language, and is the rules' own words
    // in English.
    void spokenFeedback_data()
    {
        QTest::addColumn<int>("black");
        QTest::addColumn<int>("grey");
        QTest::addColumn<int>("hidden");
        QTest::addColumn<QStringList>("said"); // German, French, Spanish
        QTest::newRow("2 black, 1 grey") << 2 << 1 << 0
                                         << QStringList{"zwei schwarze, ein grauer", "deux noirs, un gris", "dos negras, una gris"};
        QTest::newRow("1 black, 1 grey") << 1 << 1 << 0
                                         << QStringList{"ein schwarzer, ein grauer", "un noir, un gris", "una negra, una gris"};
        QTest::newRow("1 black, 0 grey") << 1 << 0 << 0
                                         << QStringList{"ein schwarzer, kein grauer", "un noir, aucun gris", "una negra, ninguna gris"};
        QTest::newRow("0 black, 4 grey") << 0 << 4 << 0
                                         << QStringList{"kein schwarzer, vier graue", "aucun noir, quatre gris", "ninguna negra, cuatro grises"};
        QTest::newRow("none") << 0 << 0 << 0 << QStringList{"keine Stifte", "aucun pion", "ninguna ficha"};
        QTest::newRow("1 hidden") << 0 << 0 << 1
                                  << QStringList{"ein Stift, Bewertung verdeckt", "un pion, réponse masquée", "una ficha, respuesta oculta"};
        QTest::newRow("3 hidden") << 0 << 0 << 3
                                  << QStringList{"drei Stifte, Bewertung verdeckt", "trois pions, réponse masquée", "tres fichas, respuesta oculta"};
    }
    void spokenFeedback()
    {
        QFETCH(int, black);
        QFETCH(int, grey);
        QFETCH(int, hidden);
        QFETCH(QStringList, said);
        const GameState s = Feedback(black, grey, hidden);
        QCOMPARE(SpokenFeedback(s, 0), QString::fromStdString(RowFeedbackText(s, 0)));
        for (int i = 0; i < kLanguages.size(); ++i) {
            InstallTranslations(kTranslations, {kLanguages[i]});
            QCOMPARE(SpokenFeedback(s, 0), said[i]);
        }
    }

    // Every other spoken word in English is the rules' own, and a translation of it exists.
    void spokenWords()
    {
        GameState s;
        s.GuessPieces = PieceGrid(1, 9);
        std::vector<int> all;
        for (int colour = 0; colour <= 8; ++colour) {
            s.GuessPieces(0, colour).Color = colour;
            all.push_back(colour);
        }
        for (int colour = 0; colour <= 8; ++colour)
            QCOMPARE(SpokenHole(s, 0, colour), QString::fromStdString(HoleText(s, 0, colour)));
        for (const Peg peg : {Peg::None, Peg::Black, Peg::Grey, Peg::Hidden})
            QCOMPARE(SpokenPeg(peg), QString::fromStdString(PegText(peg)));
        QCOMPARE(SpokenColours(all), QString::fromStdString(ColoursText(all)));
        InstallTranslations(kTranslations, {"de"});
        QCOMPARE(SpokenColours({1, 2, 6, 7, 0}), QString("rosa, blau, hellblau, dunkelblau, leer")); // a row not yet full
        QCOMPARE(SpokenHole(s, 0, 4), QString("grüner Stift"));
    }

    // In the pseudo-language every text of every window outside the board is marked: none
    // bypasses the translation files.
    void everyTextIsTranslated()
    {
        PseudoTranslator pseudo;
        QVERIFY(!pseudo.isEmpty());
        QCoreApplication::installTranslator(&pseudo);
        QStringList untranslated, helpWindow;
        int seen = 0;
        const Look lookAt = [&](const QString& name, QWidget* window) {
            const bool help = qobject_cast<HelpWindow*>(window);
            for (const auto& [where, text] : WindowTexts(window)) {
                // The help window's topics and pages come from the help file of the language.
                if (help && (where.endsWith(" item") || where.startsWith("helpPage ")))
                    continue;
                ++seen;
                if (const QString rest = Untranslated(text); !rest.isEmpty())
                    (help ? helpWindow : untranslated) << QString("%1: %2: '%3'").arg(window->objectName(), where, rest);
            }
            SaveScreenshot("pseudo", name, window);
        };
        VisitWindows(lookAt);
        QString firstTopic;
        VisitBoard(lookAt, 0, firstTopic);
        QCoreApplication::removeTranslator(&pseudo);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(seen > 500);
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));
        QVERIFY2(helpWindow.isEmpty(), qPrintable(helpWindow.join('\n')));
    }

    // In each language every window fits its texts, at the normal size and on a larger board.
    void nothingIsClipped_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("zoom");
        for (const QString& language : kLanguages) {
            QTest::newRow(qPrintable(language)) << language << 1.0;
            QTest::newRow(qPrintable(language + " x1.5")) << language << 1.5;
        }
    }
    void nothingIsClipped()
    {
        QFETCH(QString, language);
        QFETCH(double, zoom);
        QVERIFY(!InstallTranslations(kTranslations, {language}).isEmpty());
        QStringList clipped;
        const Look lookAt = [&](const QString& name, QWidget* window) {
            for (const QString& c : Clipped(window))
                clipped << window->objectName() + ": " + c;
            if (zoom == 1.0)
                SaveScreenshot(language, name, window);
        };
        VisitWindows(lookAt, zoom);
        QString firstTopic;
        VisitBoard(lookAt, int(std::lround((zoom - 1.0) / BoardSize::kZoomStep)), firstTopic);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
        // The board's help opens the page of the language.
        const QString heading = QRegularExpression("<h2>(.*?)</h2>").match(HelpHtml("tintrix_" + language + ".hlp")).captured(1);
        QCOMPARE(firstTopic, QTextDocumentFragment::fromHtml(heading).toPlainText());
    }

    // The translated help pages have the English page's topics in its order, each titled in
    // its own language, and their links lead to topics that exist.
    void helpPagesMatchTheEnglishOne()
    {
        static const QRegularExpression section("<section\\s+id=\"([^\"]+)\"[^>]*>\\s*<h2>(.*?)</h2>"),
            link("href=\"#([^\"]+)\"");
        const auto topics = [](const QString& html) {
            QList<QPair<QString, QString>> found;
            for (const auto& match : section.globalMatch(html))
                found.append({match.captured(1), match.captured(2)});
            return found;
        };
        const auto english = topics(HelpHtml("tintrix.hlp"));
        QVERIFY(english.size() > 3);
        for (const QString& language : kLanguages) {
            const QString html = HelpHtml("tintrix_" + language + ".hlp");
            const auto translated = topics(html);
            QCOMPARE(translated.size(), english.size());
            QStringList ids;
            for (int i = 0; i < english.size(); ++i) {
                QCOMPARE(translated[i].first, english[i].first);
                QVERIFY2(translated[i].second != english[i].second, qPrintable(language + ": " + translated[i].second));
                ids << translated[i].first;
            }
            for (const auto& match : link.globalMatch(html))
                QVERIFY2(ids.contains(match.captured(1)), qPrintable(language + ": link to " + match.captured(1)));
            QVERIFY2(html.contains("<html lang=\"" + language + "\">"), qPrintable(language));
        }
    }
};

QTEST_MAIN(I18nTest)
#include "test_i18n.moc"
