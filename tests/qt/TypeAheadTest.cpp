// Type-ahead in the two lookups' boxes, with real Qt input: the list's keys
// and clicks, rows that come late or for an older text, the pause and the
// minimum length, and the search that a pick runs.

#include "QtTestSupport.h"

#include <QLineEdit>
#include <QListView>
#include <QStandardItemModel>

using namespace zev;
using namespace zev::testing;

namespace {

struct Record {
    const char* name;
    const char* code;
    const char* key;
};
const Record records[] = {{"Alfa", "0001", "K1"}, {"Alameda", "0002", "K2"}, {"Almeida", "0003", "K3"}};

// A dialog with one lookup (the code box, or the description box) and a host
// that answers each request with the three records (or lets the test answer
// later) and whose Search finds the record by the key it is handed.
struct LookupForm {
    QDialog window;
    ZEVControlWidget* lookup;
    bool codeBox;
    QLineEdit* edit = nullptr;
    QStandardItemModel model;
    bool answerAtOnce = true;
    QStringList requests;
    QStringList events;    // "Search <key> <source>" and "Load", from the Search and Load signals
    QList<qint16> keysSeen; // what the box's KeyDown and KeyPress saw

    explicit LookupForm(bool code) : codeBox(code)
    {
        if (code)
            lookup = wire(new ZEVCodeDescriptionWidget(&window));
        else
            lookup = wire(new ZEVDescriptionOnlyWidget(&window));
        window.resize(500, 200);
        showActive(window);
        edit->setFocus();
    }

    template <typename W>
    W* wire(W* w)
    {
        edit = control(w);
        w->setSuggestionModel(&model);
        w->setSuggestionDelay(0);
        QObject::connect(w, &W::suggestionsRequested, [this](const QString& text) {
            requests << text;
            if (answerAtOnce)
                answer();
        });
        QObject::connect(w, &W::Search, [this, w](QString& PrimaryKey, bool& Success, eSource& Source) {
            events << QStringLiteral("Search %1 %2").arg(PrimaryKey).arg(int(Source));
            for (const Record& r : records)
                if (PrimaryKey == QLatin1String(r.key)) {
                    w->setDescription(QString::fromUtf8(r.name));
                    Success = true;
                }
        });
        QObject::connect(w, &W::Load, [this] { events << QStringLiteral("Load"); });
        return w;
    }
    static QLineEdit* control(ZEVCodeDescriptionWidget* w) { return w->ControlCode(); }
    static QLineEdit* control(ZEVDescriptionOnlyWidget* w) { return w->ControlDescription(); }

    // The box's own key events, as the control receives them.
    void watchKeys()
    {
        FlatEdit* box = codeBox ? static_cast<ZEVCodeDescriptionWidget*>(lookup)->codeDescription().ControlCode()
                                : static_cast<ZEVDescriptionOnlyWidget*>(lookup)->descriptionOnly().ControlDescription();
        box->onKeyDown = [this, down = box->onKeyDown](qint16& KeyCode, qint16& Shift) {
            keysSeen << KeyCode;
            down(KeyCode, Shift);
        };
        box->onKeyPress = [this, press = box->onKeyPress](qint16& KeyAscii) {
            keysSeen << KeyAscii;
            if (press)
                press(KeyAscii);
        };
    }

    // Rows as the host writes them: the code box's show the code and the name and carry the code.
    void answer(int count = 3)
    {
        model.clear();
        for (int i = 0; i < count; ++i) {
            const Record& r = records[i];
            const QString name = QString::fromUtf8(r.name), code = QString::fromLatin1(r.code);
            auto* item = new QStandardItem(codeBox ? code + QStringLiteral(" - ") + name : name);
            item->setData(QString::fromLatin1(r.key), Qt::UserRole);
            item->setData(code, Qt::UserRole + 1);
            model.appendRow(item);
        }
    }

    // Types as the user does, then lets the pause pass (the delay is 0).
    void type(const QString& text)
    {
        keyboardType(edit, text);
        QTest::qWait(1);
    }

    QListView* list() const { return lookup->findChild<QListView*>(QStringLiteral("suggestions")); }
    bool listShown() const { return list() && list()->isVisible(); }
    // What a screen reader hears of the list, once the rows stop coming.
    QString heard() const
    {
        QCoreApplication::processEvents();
        return list()->accessibleDescription();
    }
    // What a pick of record i puts in the box.
    QString picked(int i) const { return QString::fromLatin1(codeBox ? records[i].code : records[i].name); }
};

} // namespace

TEST_F(PtBr, TypeAheadKeysChooseAndPickARowWhileTheBoxKeepsTheFocus)
{
    enum Action { Down, Up, Enter, Escape, ClickThird };
    const struct {
        const char* what;
        std::initializer_list<Action> actions;
        int picked;             // the record picked, -1 for none
        const char* search;     // the Search raised, if any
    } cases[] = {
        {"Down, Enter: the first row", {Down, Enter}, 0, "Search K1 0"},
        {"Down, Down, Enter: the second", {Down, Down, Enter}, 1, "Search K2 0"},
        {"Down past the last row stays on it", {Down, Down, Down, Down, Down, Enter}, 2, "Search K3 0"},
        {"Up from the first row: none chosen, Enter searches the text", {Down, Up, Enter}, -1, "Search  1"},
        {"Escape closes and keeps the text", {Down, Escape}, -1, nullptr},
        {"a click picks", {ClickThird}, 2, "Search K3 0"},
    };
    for (bool codeBox : {true, false}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(codeBox ? "code box: " : "description box: ") + c.what);
            LookupForm f(codeBox);
            f.type(QStringLiteral("al"));
            EXPECT_EQ(f.requests, QStringList{QStringLiteral("al")});
            ASSERT_TRUE(f.listShown());
            EXPECT_FALSE(f.list()->currentIndex().isValid()); // opens with no row chosen
            EXPECT_EQ(f.heard(), QStringLiteral("3 sugestões"));
            f.watchKeys();
            f.events.clear();
            for (Action a : c.actions) {
                const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Return, Qt::Key_Escape};
                if (a == ClickThird) {
                    QListView* list = f.list();
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(f.model.index(2, 0)).center());
                } else {
                    QTest::keyClick(f.edit, keys[a]);
                }
            }
            EXPECT_FALSE(f.listShown());
            EXPECT_TRUE(f.edit->hasFocus());
            EXPECT_TRUE(f.window.isVisible()); // Escape closed the list, not the dialog
            const bool searchedText = c.search && c.picked < 0;
            // While the list was open, the box's key events saw none of its keys.
            EXPECT_EQ(f.keysSeen, (searchedText ? QList<qint16>{13, 13} : QList<qint16>{}));
            EXPECT_EQ(f.edit->text(), c.picked >= 0 ? f.picked(c.picked) : QStringLiteral("al"));
            if (!c.search) {
                EXPECT_TRUE(f.events.isEmpty()) << f.events.join(QLatin1Char('|')).toStdString();
                continue;
            }
            // The search runs as F3's (Enter's, for the text): Search with the key, then Load.
            const qsizetype at = f.events.indexOf(QString::fromLatin1(c.search));
            ASSERT_GE(at, 0) << f.events.join(QLatin1Char('|')).toStdString();
            EXPECT_EQ(f.events.filter(QStringLiteral("Search")).size(), 1);
            if (c.picked >= 0) {
                EXPECT_EQ(f.events.value(at + 1), QStringLiteral("Load"));
                EXPECT_TRUE(f.lookup->property("Loaded").toBool());
                EXPECT_EQ(f.lookup->property("PrimaryKey").toString(), QString::fromLatin1(records[c.picked].key));
            }
        }
    }
}

TEST_F(PtBr, TypeAheadShowsRowsOnlyForTheTextTheBoxStillHolds)
{
    for (bool codeBox : {true, false}) {
        SCOPED_TRACE(codeBox ? "code box" : "description box");
        LookupForm f(codeBox);
        f.answerAtOnce = false;
        // A late answer for the text still in the box opens the list.
        f.type(QStringLiteral("al"));
        EXPECT_FALSE(f.listShown());
        f.answer(2);
        ASSERT_TRUE(f.listShown());
        EXPECT_EQ(f.heard(), QStringLiteral("2 sugestões"));
        // Typing on closes it; the rows that come for "al" after that are not shown.
        keyboardType(f.edit, QStringLiteral("m"));
        EXPECT_FALSE(f.listShown());
        f.answer(3);
        EXPECT_FALSE(f.listShown());
        // Nor after the request for "alm", until its own rows come.
        QTest::qWait(1);
        EXPECT_EQ(f.requests, (QStringList{QStringLiteral("al"), QStringLiteral("alm")}));
        EXPECT_FALSE(f.listShown());
        f.answer(1);
        ASSERT_TRUE(f.listShown());
        EXPECT_EQ(f.heard(), QStringLiteral("1 sugestão"));
        // After Escape, rows that come late for the same text stay hidden.
        QTest::keyClick(f.edit, Qt::Key_Escape);
        f.answer(3);
        EXPECT_FALSE(f.listShown());
    }
}

TEST_F(PtBr, TypeAheadAsksOncePerPauseForTheUsersTypingOnly)
{
    const struct {
        const char* what;
        int minLength;
        std::function<void(LookupForm&)> act;
        QStringList requests;
    } cases[] = {
        {"keys typed without a pause: one request", 2, [](LookupForm& f) { f.type(QStringLiteral("alm")); }, {QStringLiteral("alm")}},
        {"shorter than the minimum: none", 3, [](LookupForm& f) { f.type(QStringLiteral("al")); }, {}},
        {"at the minimum", 3, [](LookupForm& f) { f.type(QStringLiteral("alm")); }, {QStringLiteral("alm")}},
        {"a pause after each key", 1, [](LookupForm& f) { f.type(QStringLiteral("a")); f.type(QStringLiteral("l")); },
         {QStringLiteral("a"), QStringLiteral("al")}},
        {"Backspace below the minimum cancels the pending one", 2,
         [](LookupForm& f) {
             keyboardType(f.edit, QStringLiteral("al"));
             QTest::keyClick(f.edit, Qt::Key_Backspace);
             QTest::qWait(1);
         },
         {}},
        {"the program's writes: none", 1,
         [](LookupForm& f) {
             f.lookup->setProperty(f.codeBox ? "Code" : "Description", QStringLiteral("Alfa"));
             QTest::qWait(1);
         },
         {}},
    };
    for (bool codeBox : {true, false}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(codeBox ? "code box: " : "description box: ") + c.what);
            LookupForm f(codeBox);
            f.answerAtOnce = false;
            f.lookup->setProperty("suggestionMinLength", c.minLength);
            c.act(f);
            EXPECT_EQ(f.requests, c.requests);
        }
    }
}

TEST_F(PtBr, TypeAheadIsOffWithoutAModelAndItsPropertiesNotifyChanges)
{
    ZEVDescriptionOnlyWidget w;
    EXPECT_EQ(w.suggestionDelay(), 250);
    EXPECT_EQ(w.suggestionMinLength(), 2);
    QStringList notified;
    QObject::connect(&w, &ZEVDescriptionOnlyWidget::suggestionDelayChanged, [&](int ms) { notified << QString::number(ms); });
    QObject::connect(&w, &ZEVDescriptionOnlyWidget::suggestionMinLengthChanged, [&](int n) { notified << QString::number(n); });
    w.setSuggestionDelay(250); // unchanged: no signal
    w.setSuggestionDelay(-5);  // no negative pause
    w.setSuggestionMinLength(3);
    EXPECT_EQ(notified, (QStringList{QStringLiteral("0"), QStringLiteral("3")}));

    QStringList requests;
    QObject::connect(&w, &ZEVDescriptionOnlyWidget::suggestionsRequested, [&](const QString& t) { requests << t; });
    showActive(w);
    w.ControlDescription()->setFocus();
    keyboardType(w.ControlDescription(), QStringLiteral("alfa"));
    QTest::qWait(1);
    EXPECT_TRUE(requests.isEmpty());
    QStandardItemModel model;
    w.setSuggestionModel(&model);
    EXPECT_EQ(w.suggestionModel(), &model);
    keyboardType(w.ControlDescription(), QStringLiteral("s"));
    QTest::qWait(1);
    EXPECT_EQ(requests, QStringList{QStringLiteral("alfas")});
    w.setSuggestionModel(nullptr);
    keyboardType(w.ControlDescription(), QStringLiteral("s"));
    QTest::qWait(1);
    EXPECT_EQ(requests.size(), 1);
}

TEST_F(PtBr, TypeAheadLetsTheHostDeleteItsModelWhileTheListIsOpen)
{
    LookupForm f(false);
    f.answerAtOnce = false;
    auto* rows = new QStandardItemModel;
    static_cast<ZEVDescriptionOnlyWidget*>(f.lookup)->setSuggestionModel(rows);
    f.type(QStringLiteral("al"));
    rows->appendRow(new QStandardItem(QStringLiteral("Alfa")));
    ASSERT_TRUE(f.listShown());
    delete rows;
    // The keys go to the box again: Enter searches the typed text.
    QTest::keyClick(f.edit, Qt::Key_Down);
    QTest::keyClick(f.edit, Qt::Key_Return);
    EXPECT_FALSE(f.listShown());
    EXPECT_EQ(f.events.filter(QStringLiteral("Search")), QStringList{QStringLiteral("Search  1")});
}
