// An amount pasted or dropped into the numeric field in another notation goes
// in converted to the field's; text in the field's own notation goes in as
// typed text does; anything else is refused and nothing changes.

#include "PasteWays.h"
#include "QtTestSupport.h"

#include <QVBoxLayout>

using namespace zev;
using namespace zev::testing;

namespace {

// A field in a shown window, entered as a user enters it: its text stands
// selected, so a paste replaces it.
struct Field {
    QWidget window;
    ZEVNumericWidget* amount = new ZEVNumericWidget;
    QLineEdit* edit = amount->ControlText();
    int changes = 0;

    explicit Field(const QString& text, bool allowNegative = true)
    {
        (new QVBoxLayout(&window))->addWidget(amount);
        amount->setAllowNegative(allowNegative);
        amount->setStartZero(false);
        amount->setText(text);
        showActive(window);
        edit->setFocus();
        QObject::connect(amount, &ZEVNumericWidget::Change, [this] { ++changes; });
    }
};

} // namespace

using NumericPaste = PtBr;

TEST_F(NumericPaste, AForeignAmountIsConvertedTheFieldsOwnTextStaysAndNoNotationIsRefused)
{
    const char* refused = nullptr;
    const struct {
        const char* locale;
        const char* pasted;
        const char* shown; // refused: the field keeps its 7
        bool allowNegative = true;
    } cases[] = {
        {"pt_BR", "1\u00A0234,50", "1.234,50"},
        {"pt_BR", "1\u2019234.50", "1.234,50"},
        {"pt_BR", "12,34,567.89", "1.234.567,89"}, // lakh groups read anywhere
        {"pt_BR", "1,234 €", "1,234"}, // ambiguous: the field's notation
        {"pt_BR", "(1,234.50)", "-1.234,50"},
        {"pt_BR", "1.234,50\n", "1.234,50"}, // a spreadsheet cell
        {"pt_BR", "1.234.5", refused}, // groups every three digits, or no notation
        {"pt_BR", "USD EUR 5", refused},
        {"pt_BR", "(-5)", refused},
        {"pt_BR", "(1,234.50", refused},
        {"pt_BR", "1,234'567.89", refused}, // one kind of group mark
        {"pt_BR", "(1,234.50)", refused, false},
        {"en_US", ",5", "0.5"},
        {"en_IN", "1.234.567,89", "12,34,567.89"},
        {"de_CH", "EUR 1.234,50-", "-1\u2019234.50"},
        {"sv_SE", "1,234.50 kr", "1\u00A0234,50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " \"" + c.pasted + (c.allowNegative ? "\"" : "\" without negatives"));
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        Field field(QStringLiteral("7"), c.allowNegative);
        pasteWays().front().second(field.edit, QString::fromUtf8(c.pasted));
        EXPECT_EQ(field.edit->text(), c.shown ? QString::fromUtf8(c.shown) : QStringLiteral("7"));
        EXPECT_EQ(field.changes, c.shown ? 1 : 0);
    }
}

TEST_F(NumericPaste, EachWayInRaisesOneChangeAndShowsTheConvertedAmount)
{
    for (const auto& [name, pasteInto] : pasteWays()) {
        SCOPED_TRACE(name);
        Field field{QString()}; // a drop lands where it is dropped: nothing else there
        pasteInto(field.edit, QStringLiteral("USD 1,234.50"));
        EXPECT_EQ(field.edit->text(), QStringLiteral("1.234,50"));
        EXPECT_EQ(field.changes, 1);
    }
}
