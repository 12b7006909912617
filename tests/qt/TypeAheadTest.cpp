// Type-ahead in the two lookups' boxes, with real Qt input: the list's keys
// and clicks, rows that come late or for an older text, the pause and the
// minimum length, and the search that a pick runs.

#include "QtTestSupport.h"

#include <QLineEdit>
#include <QListView>
#include <QStandardItemModel>
#include <type_traits>

using namespace zev;
using namespace zev::testing;

namespace {

const QStringList names{QStringLiteral("Alfa"), QStringLiteral("Alameda"), QStringLiteral("Almeida")};
const QStringList codes{QStringLiteral("0001"), QStringLiteral("0002"), QStringLiteral("0003")};
const QStringList keys{QStringLiteral("K1"), QStringLiteral("K2"), QStringLiteral("K3")};

// A dialog with one lookup and a host that answers each request with the
// three records (unless the test answers later), and whose Search finds the
// record by the key it is handed.
template <typename W>
struct LookupForm {
    static constexpr bool codeBox = std::is_same_v<W, ZEVCodeDescriptionWidget>;
    ::testing::ScopedTrace trace{__FILE__, __LINE__, codeBox ? "code box" : "description box"};
    QDialog window;
    W* lookup = new W(&window);
    QLineEdit* edit = lookup->template findChild<QLineEdit*>();
    QStandardItemModel model;
    bool answerAtOnce = true;
    QStringList requests, events; // events: "Search <key> <source>"
    QList<qint16> keysSeen; // the box's KeyDown

    LookupForm()
    {
        lookup->setSuggestionModel(&model);
        lookup->setSuggestionDelay(0);
        QObject::connect(lookup, &W::suggestionsRequested, [this](const QString& text) {
            requests << text;
            if (answerAtOnce)
                answer();
        });
        QObject::connect(lookup, &W::Search, [this](QString& PrimaryKey, bool& Success, eSource& Source) {
            events << QStringLiteral("Search %1 %2").arg(PrimaryKey).arg(int(Source));
            if (const qsizetype i = keys.indexOf(PrimaryKey); i >= 0) {
                lookup->setDescription(names[i]);
                Success = true;
            }
        });
        FlatEdit* box;
        if constexpr (codeBox)
            box = lookup->codeDescription().ControlCode();
        else
            box = lookup->descriptionOnly().ControlDescription();
        box->onKeyDown = [this, down = box->onKeyDown](qint16& KeyCode, qint16& Shift) {
            keysSeen << KeyCode;
            down(KeyCode, Shift);
        };
        window.resize(500, 200);
        showActive(window);
        edit->setFocus();
    }

    // Rows as a host writes them: the code box's show code and name and carry the code.
    void answer(int count = 3)
    {
        model.clear();
        for (int i = 0; i < count; ++i) {
            auto* item = new QStandardItem(codeBox ? codes[i] + QStringLiteral(" - ") + names[i] : names[i]);
            item->setData(keys[i], W::SuggestionKeyRole);
            item->setData(codes[i], Qt::UserRole + 1);
            model.appendRow(item);
        }
    }
    // Types as the user does, then lets the pause pass (the delay is 0).
    void type(const QString& text) { keyboardType(edit, text), QTest::qWait(1); }
    QListView* list() const { return lookup->template findChild<QListView*>(QStringLiteral("suggestions")); }
    bool listShown() const { return list() && list()->isVisible(); }
    // What a screen reader hears of the list, once the rows stop coming.
    QString heard() const { return QCoreApplication::processEvents(), list()->accessibleDescription(); }
};

// Runs a test on the code box and on the description box.
template <typename Test>
void inBothBoxes(const Test& test)
{
    {
        LookupForm<ZEVCodeDescriptionWidget> f;
        test(f);
    }
    LookupForm<ZEVDescriptionOnlyWidget> f;
    test(f);
}

} // namespace

TEST_F(PtBr, TypeAheadKeysChooseAndPickARowWhileTheBoxKeepsTheFocus)
{
    enum Action { Down, Up, Enter, Escape, ClickThird };
    const struct {
        const char* what;
        std::initializer_list<Action> actions;
        int picked;         // the record picked, -1 for none
        const char* search; // the Search raised, if any
    } cases[] = {
        {"Down past the last row stays on it", {Down, Down, Down, Down, Down, Enter}, 2, "Search K3 0"},
        {"Up from the first row: none chosen, Enter searches the text", {Down, Up, Enter}, -1, "Search  1"},
        {"Escape closes and keeps the text", {Down, Escape}, -1, nullptr},
        {"a click picks", {ClickThird}, 2, "Search K3 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        inBothBoxes([&](auto& f) {
            f.type(QStringLiteral("al"));
            ASSERT_TRUE(f.listShown());
            EXPECT_EQ(f.heard(), QStringLiteral("3 sugestões"));
            f.keysSeen.clear();
            const Qt::Key keyOf[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Return, Qt::Key_Escape};
            for (Action a : c.actions) {
                if (a == ClickThird)
                    QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {},
                                      f.list()->visualRect(f.model.index(2, 0)).center());
                else
                    QTest::keyClick(f.edit, keyOf[a]);
            }
            EXPECT_FALSE(f.listShown());
            EXPECT_TRUE(f.window.isVisible()); // Escape closed the list, not the dialog
            // While the list was open, the box's key events saw none of its keys.
            // As a std::vector: QList's == hands memcmp a null pointer for two empty lists.
            EXPECT_EQ(std::vector<qint16>(f.keysSeen.begin(), f.keysSeen.end()),
                      (c.search && c.picked < 0 ? std::vector<qint16>{13} : std::vector<qint16>{}));
            const QStringList& shown = f.codeBox ? codes : names;
            EXPECT_EQ(f.edit->text(), c.picked >= 0 ? shown[c.picked] : QStringLiteral("al"));
            // The search runs as F3's (Enter's, for the text), with the row's key.
            EXPECT_EQ(f.events.filter(QStringLiteral("Search")), c.search ? QStringList{c.search} : QStringList{});
        });
    }
}

TEST_F(PtBr, TypeAheadShowsRowsOnlyForTheTextTheBoxStillHolds)
{
    inBothBoxes([](auto& f) {
        f.answerAtOnce = false;
        // A late answer for the text still in the box opens the list.
        f.type(QStringLiteral("al"));
        f.answer(2);
        ASSERT_TRUE(f.listShown());
        EXPECT_EQ(f.heard(), QStringLiteral("2 sugestões"));
        // Typing on closes it; rows that come for "al" after that are not shown,
        keyboardType(f.edit, QStringLiteral("m"));
        EXPECT_FALSE(f.listShown());
        f.answer(3);
        EXPECT_FALSE(f.listShown());
        // Its own rows come after the request for "alm".
        QTest::qWait(1);
        f.answer(1);
        ASSERT_TRUE(f.listShown());
        // After Escape, rows that come late for the same text stay hidden.
        QTest::keyClick(f.edit, Qt::Key_Escape);
        f.answer(3);
        EXPECT_FALSE(f.listShown());
    });
}

TEST_F(PtBr, TypeAheadIgnoresTheProgramsWritesAndClampsTheMinimumLength)
{
    inBothBoxes([](auto& f) {
        QStringList notified;
        QObject::connect(f.lookup, &std::remove_reference_t<decltype(*f.lookup)>::suggestionMinLengthChanged,
                         [&](int length) { notified << QString::number(length); });
        f.lookup->setSuggestionMinLength(2); // the default: no signal
        f.lookup->setSuggestionMinLength(-1);
        EXPECT_EQ(notified, QStringList{QStringLiteral("0")});
        f.lookup->setProperty(f.codeBox ? "Code" : "Description", QStringLiteral("Alfa"));
        QTest::qWait(1);
        EXPECT_TRUE(f.requests.isEmpty());
    });
}

TEST_F(PtBr, TypeAheadLetsTheHostDeleteItsModelWhileTheListIsOpen)
{
    LookupForm<ZEVDescriptionOnlyWidget> f;
    auto* rows = new QStandardItemModel;
    f.lookup->setSuggestionModel(rows);
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
