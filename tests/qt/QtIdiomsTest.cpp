// The control widgets behave as Qt widgets do, over real widgets and real
// key and mouse input: live from the constructor, QWidget's own enabled and
// font, size hints a layout respects, Enter to a dialog's default button, a
// click that keeps the entering selection.

#include "QtTestSupport.h"
#include "framework/MemoryPropertyBag.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>

using namespace zev;
using namespace zev::testing;

using QtIdioms = PtBr;

TEST_F(QtIdioms, AWidgetIsALiveControlFromItsConstructor)
{
    ZEVCodeDescriptionWidget lookup;
    QStringList events;
    QObject::connect(&lookup, &ZEVControlWidget::eventRaised, [&](const QString& name, QVariantList&) { events << name; });
    lookup.setCode(QStringLiteral("42"));
    EXPECT_EQ(events.mid(0, 2), (QStringList{"CodeChange", "Unload"})); // at once
    lookup.setDescription(QStringLiteral("Cliente"));
    EXPECT_TRUE(events.contains(QStringLiteral("Load")));
    EXPECT_EQ(lookup.CodeFont().pointSizeF(), 8.25); // no replay through the reading path

    ZEVNumericWidget price;
    price.setStartZero(false);
    EXPECT_EQ(price.ControlText()->text(), QString());
    QSignalSpy values(&price, &ZEVNumericWidget::valueChanged);
    price.setValue(1234.5);
    EXPECT_EQ(price.Text(), QStringLiteral("1234,5"));
    ASSERT_EQ(values.count(), 1);
    EXPECT_EQ(values[0][0].toDouble(), 1234.5);
}

TEST_F(QtIdioms, EnabledAndFontAreQWidgetsOwnAndReachTheControlThroughAQWidgetPointer)
{
    for (const char* name : controlClasses) {
        SCOPED_TRACE(name);
        QWidget form;
        ZEVControlWidget* w = makeControlWidget(name, &form);
        for (const char* documented : {"Enabled", "Font"})
            EXPECT_LT(w->metaObject()->indexOfProperty(documented), 0) << "a second " << documented;
        QWidget* plain = w;
        plain->setEnabled(false);
        for (QWidget* part : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_FALSE(part->isEnabled()) << part->objectName().toStdString();
        MemoryPropertyBag bag;
        w->writeProperties(bag);
        if (w->className() != QLatin1String("ZEVDateRange")) { // it has no Enabled of its own
            EXPECT_EQ(bag.ReadProperty(QStringLiteral("Enabled"), true), QVariant(false));
        }
    }
    ZEVNumericWidget price;
    static_cast<QWidget&>(price).setFont(QFont(QStringLiteral("Courier New"), 16));
    EXPECT_EQ(price.numeric().Font().value().size, 16.0);
    EXPECT_EQ(price.ControlText()->font().pointSizeF(), 16.0);
    price.numeric().setFont(FontDesc{QStringLiteral("Tahoma"), 10});
    EXPECT_EQ(price.font().pointSizeF(), 10.0); // and back
}

// The parts' room for their font, at every scale: Scaling in EveryUserTest.
TEST_F(QtIdioms, BesideAnEditOnlyTheLookupsTakeTheExtraWidthAndNoneTheExtraHeight)
{
    for (const char* name : controlClasses) {
        SCOPED_TRACE(name);
        QWidget window;
        auto* row = new QHBoxLayout(&window);
        ZEVControlWidget* w = makeControlWidget(name, nullptr);
        row->addWidget(w);
        row->addWidget(new QLineEdit);
        window.resize(1200, 120);
        showActive(window);
        const bool lookup = w->findChild<QPushButton*>(QStringLiteral("cmdSearch")) != nullptr;
        EXPECT_EQ(w->width() > w->sizeHint().width(), lookup);
        EXPECT_EQ(w->height(), w->sizeHint().height());
        EXPECT_GT(w->minimumSizeHint().width(), 0);
        EXPECT_LE(w->minimumSizeHint().width(), w->sizeHint().width());
    }
}

TEST_F(QtIdioms, TheListShowsCodeAndDescriptionOnlyAndSizesItsDropDownByThem)
{
    ZEVPersistComboWidget list;
    list.setShowCodeInCombo(true);
    list.AddItem(QStringLiteral("Alpha"), QStringLiteral("KEY-17"), QStringLiteral("001"));
    QComboBox* combo = list.ControlListing();
    EXPECT_EQ(combo->itemText(0), QStringLiteral("001 - Alpha"));
    EXPECT_EQ(list.GetPkey(0), QStringLiteral("KEY-17"));
    EXPECT_EQ(list.persistCombo().ControlListing()->List(0).size(), 11 + 300 + 6); // whole underneath
    EXPECT_LT(combo->view()->sizeHintForColumn(0), 200);
}

TEST_F(QtIdioms, EnterInTheNumericFieldReachesTheDialogsDefaultButtonUnlessCancelled)
{
    for (const bool cancel : {false, true}) {
        SCOPED_TRACE(cancel ? "KeyPress cancels" : "left alone");
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* price = new ZEVNumericWidget;
        auto* ok = new QPushButton(QStringLiteral("OK"));
        ok->setDefault(true);
        layout->addWidget(price);
        layout->addWidget(ok);
        QStringList order;
        QObject::connect(price, &ZEVNumericWidget::KeyPress, [&](qint16& key) {
            order << QStringLiteral("KeyPress %1").arg(key);
            if (cancel)
                key = 0;
        });
        QObject::connect(ok, &QPushButton::clicked, [&] { order << QStringLiteral("default button"); });
        showActive(dialog);
        price->ControlText()->setFocus();
        QTest::keyClick(price->ControlText(), Qt::Key_Return);
        EXPECT_EQ(order, cancel ? QStringList{"KeyPress 13"} : (QStringList{"KeyPress 13", "default button"}));
    }
}

TEST_F(QtIdioms, TheKeypadsDecimalKeyTypesTheNumericFieldsDecimalMark)
{
    struct Case {
        const char* locale;
        const char* control;
        Qt::Key key; // between "1500" and "5"
        Qt::KeyboardModifiers modifiers;
        const char* typed;
        double value; // the numeric field's
        QStringList keyEvents; // of that key
    };
    const Case cases[] = {
        {"pt_BR", "ZEVNumeric", Qt::Key_Period, Qt::KeypadModifier, "1500,5", 1500.5, {"KeyDown 110", "KeyPress 44", "KeyUp 110"}},
        {"pt_BR", "ZEVNumeric", Qt::Key_Comma, Qt::KeypadModifier, "1500,5", 1500.5, {"KeyDown 110", "KeyPress 44", "KeyUp 110"}},
        {"en_US", "ZEVNumeric", Qt::Key_Comma, Qt::KeypadModifier, "1500.5", 1500.5, {"KeyDown 110", "KeyPress 46", "KeyUp 110"}},
        // The main keyboard's "." stays a group mark in pt_BR.
        {"pt_BR", "ZEVNumeric", Qt::Key_Period, Qt::NoModifier, "1500.5", 15005, {"KeyDown 190", "KeyPress 46", "KeyUp 190"}},
        // Other edit boxes type what the key sends.
        {"pt_BR", "ZEVDescriptionOnly", Qt::Key_Period, Qt::KeypadModifier, "1500.5", 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.control + " " + c.typed);
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        ZEVControlWidget* w = makeControlWidget(QString::fromLatin1(c.control), nullptr);
        layout->addWidget(w);
        auto* edit = qobject_cast<QLineEdit*>(w->focusProxy());
        ASSERT_NE(edit, nullptr);
        showActive(window);
        edit->setFocus();
        edit->selectAll();
        keyboardType(edit, QStringLiteral("1500"));
        QStringList events;
        QObject::connect(w, &ZEVControlWidget::eventRaised, [&](const QString& name, QVariantList& args) {
            if (name.startsWith(QLatin1String("Key")))
                events << name + QLatin1Char(' ') + args.value(0).toString();
        });
        QTest::keyClick(edit, c.key, c.modifiers);
        EXPECT_EQ(events, c.keyEvents);
        keyboardType(edit, QStringLiteral("5"));
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.typed));
        if (auto* amount = qobject_cast<ZEVNumericWidget*>(w)) {
            EXPECT_EQ(amount->value(), c.value);
        }
    }
}

TEST_F(QtIdioms, AClickIntoTheNumericFieldSelectsTheWholeNumberSoTheFirstKeyReplacesIt)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* other = new QLineEdit;
    auto* amount = new ZEVNumericWidget;
    layout->addWidget(other);
    layout->addWidget(amount);
    amount->setFormat(ZEVNumericWidget::CurrencyFormatation);
    showActive(window);
    other->setFocus();
    QLineEdit* edit = amount->ControlText();
    ASSERT_TRUE(edit->text().startsWith(QStringLiteral("R$")));
    // At the left edge, where the caret would land before the "0".
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(4, edit->height() / 2));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("0"));
    keyboardType(edit, QStringLiteral("1500"));
    EXPECT_EQ(amount->Text(), QStringLiteral("1500"));
    // Once in the field, a click places the caret as usual.
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(2, edit->height() / 2));
    EXPECT_FALSE(edit->hasSelectedText());
}

TEST(QtIdiomsHeaders, APublicWidgetHeaderIncludesQtAndAtMostOneHeaderOfOurs)
{
    for (const char* header : {"ZEVControlWidget", "ZEVNumericWidget", "ZEVCodeDescriptionWidget",
                               "ZEVDescriptionOnlyWidget", "ZEVPersistComboWidget", "ZEVDateRangeWidget"}) {
        SCOPED_TRACE(header);
        QFile file(QStringLiteral(ZEV_TEST_DATA "/../../../qt/%1.h").arg(QLatin1String(header)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList ours;
        for (const QByteArray& line : file.readAll().split('\n'))
            // The export macros and the failure type that the header documents aside.
            if (line.startsWith("#include \"") && !line.contains("ZEVQtExport.h") && !line.contains("framework/ControlError.h"))
                ours << QString::fromLatin1(line);
        EXPECT_LE(ours.size(), 1) << ours.join(QLatin1Char(' ')).toStdString();
    }
}
