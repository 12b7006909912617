// The five control widgets as Qt sees them: their members published as Qt
// properties, signals and invokable methods; typed events with by-reference
// arguments; a form of all five saved to a file and loaded back; QDataWidgetMapper;
// the list lookup's Qt-style signals; the one enumeration of numeric formats.

#include "QtTestSupport.h"
#include "daterange/DateRangePresets.h"
#include "framework/ComboBox.h"
#include "qt/QtFormPersistence.h"
#include "testkit/TestClock.h"

#include <QComboBox>
#include <QDataWidgetMapper>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QMetaEnum>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <functional>
#include <iterator>
#include <memory>
#include <tuple>
#include <utility>

using namespace zev;
using namespace zev::testing;

// A value as a model cell holds it, for failure messages.
static void PrintTo(const QVariant& v, std::ostream* os)
{
    *os << (v.isValid() ? v.metaType().name() : "invalid") << (v.isNull() ? " null " : " ") << v.toString().toStdString();
}

namespace {

const QDateTime Now(QDate(2024, 5, 15), QTime(10, 0, 0));

// A form of the five, as an application's form code (or uic) makes it.
struct FiveControls {
    QWidget window;
    ZEVNumericWidget* price;
    ZEVCodeDescriptionWidget* customer;
    ZEVDescriptionOnlyWidget* product;
    ZEVPersistComboWidget* filter;
    ZEVDateRangeWidget* period;
    QLineEdit* elsewhere; // another field of the form

    explicit FiveControls(std::shared_ptr<const Clock> clock = nullptr)
        : price(new ZEVNumericWidget(&window)), customer(new ZEVCodeDescriptionWidget(&window)),
          product(new ZEVDescriptionOnlyWidget(&window)), filter(new ZEVPersistComboWidget(&window)),
          period(new ZEVDateRangeWidget(&window, std::move(clock))), elsewhere(new QLineEdit(&window))
    {
        price->setObjectName(QStringLiteral("price"));
        customer->setObjectName(QStringLiteral("customer"));
        product->setObjectName(QStringLiteral("product"));
        filter->setObjectName(QStringLiteral("filter"));
        period->setObjectName(QStringLiteral("period"));
        customer->move(0, 40);
        product->move(0, 70);
        filter->move(0, 100);
        period->move(0, 160);
        elsewhere->move(300, 0);
        window.resize(600, 300);
    }
    QList<ZEVControlWidget*> all() const { return {price, customer, product, filter, period}; }
};

// Types into an inner edit box as a user does: focus, select all, type.
void retype(QLineEdit* e, const QString& text)
{
    e->setFocus(Qt::MouseFocusReason);
    e->selectAll();
    keyboardType(e, text);
}

// What the widgets add to the control's members: the Qt-style value, list and period, the lookups' type-ahead.
const QStringList addedProperties{QStringLiteral("value"), QStringLiteral("items"), QStringLiteral("period"),
                                  QStringLiteral("periodStart"), QStringLiteral("periodEnd"),
                                  QStringLiteral("suggestionDelay"), QStringLiteral("suggestionMinLength")};

// An entry of the list lookup as AddItem composes it with ShowCodeInCombo (see ZEVPersistCombo).
QString entry(const QString& code, const QString& description, const QString& key)
{
    return code + QStringLiteral(" - ") + description + QString(ZEVPersistCombo::KeyGap, QLatin1Char(' ')) + key;
}

} // namespace

TEST(ControlWidgets, EachPublishesItsControlsMembersAsQtMembers)
{
    QWidget form;
    const struct {
        ZEVControlWidget* widget;
        const char* user;
    } cases[] = {
        {new ZEVNumericWidget(&form), "value"},
        {new ZEVCodeDescriptionWidget(&form), "Code"},
        {new ZEVDescriptionOnlyWidget(&form), "Description"},
        {new ZEVPersistComboWidget(&form), "items"},
        {new ZEVDateRangeWidget(&form), "periodStart"},
    };
    for (const auto& c : cases) {
        const ClassDescriptor& d = c.widget->control().Descriptor();
        const QMetaObject* meta = c.widget->metaObject();
        SCOPED_TRACE(d.className.toStdString());
        EXPECT_TRUE(c.widget->unboundEvents().isEmpty());
        EXPECT_STREQ(meta->userProperty().name(), c.user);
        // The design size, grown where the font needs more room; in height the
        // numeric field and the date range take what they show (Scaling).
        EXPECT_GE(c.widget->sizeHint().width(), qRound(d.designWidth / 15));
        const bool showsLess = d.className == QLatin1String("ZEVNumeric") || d.className == QLatin1String("ZEVDateRange");
        EXPECT_EQ(c.widget->sizeHint().height() < qRound(d.designHeight / 15), showsLess);
        EXPECT_EQ(c.widget->focusPolicy(), Qt::StrongFocus); // for a buddy label's mnemonic
        QStringList published;
        for (const MemberInfo& m : d.members) {
            SCOPED_TRACE(m.name.toStdString());
            // Enabled and Font are QWidget's own enabled and font.
            const QByteArray name = m.name == QLatin1String("Enabled") ? QByteArray("enabled")
                : m.name == QLatin1String("Font")                     ? QByteArray("font")
                                                                      : m.name.toLatin1();
            if (m.kind == MemberKind::Property) {
                const int index = meta->indexOfProperty(name);
                ASSERT_GE(index, 0);
                const QMetaProperty p = meta->property(index);
                EXPECT_TRUE(p.isWritable());
                // Hidden from a host's property sheet, hidden from Designer's.
                EXPECT_EQ(p.isDesignable(), !m.hidden);
                published << m.name;
            } else if (m.kind == MemberKind::Method) {
                bool found = false;
                for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
                    found |= meta->method(i).name() == name && meta->method(i).methodType() == QMetaMethod::Method;
                EXPECT_TRUE(found) << "no Q_INVOKABLE";
            }
        }
        for (const EventInfo& e : d.events) {
            SCOPED_TRACE(e.name.toStdString());
            bool found = false;
            for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
                const QMetaMethod s = meta->method(i);
                if (s.methodType() != QMetaMethod::Signal || s.name() != e.name.toLatin1())
                    continue;
                found = true;
                ASSERT_EQ(s.parameterCount(), e.arguments.size());
                for (int a = 0; a < s.parameterCount(); ++a) {
                    EXPECT_EQ(QString::fromLatin1(s.parameterNames()[a]), e.arguments[a]);
                    EXPECT_TRUE(s.parameterTypeName(a).endsWith('&')) << "by reference";
                }
            }
            EXPECT_TRUE(found) << "no signal";
        }
        // Nothing else, but what the widgets document as their own.
        for (int i = ZEVControlWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
            const QString name = QString::fromLatin1(meta->property(i).name());
            EXPECT_TRUE(published.contains(name) || addedProperties.contains(name)) << name.toStdString();
        }
    }
}

TEST_F(PtBr, EventsReachTypedSignalsWhoseReferencesTheHandlersChange)
{
    FiveControls f;
    // The numeric field: the handler turns every 9 typed into an 8.
    QObject::connect(f.price, &ZEVNumericWidget::KeyPress, [](qint16& KeyAscii) {
        if (KeyAscii == '9')
            KeyAscii = '8';
    });
    // The code lookup finds code 12 and refuses to let it go.
    QObject::connect(f.customer, &ZEVCodeDescriptionWidget::Search,
                     [&](QString& PrimaryKey, bool& Success, eSource& Source) {
                         if (f.customer->Code() != QLatin1String("12") || Source != F3)
                             return;
                         f.customer->setDescription(QStringLiteral("Acme"));
                         PrimaryKey = QStringLiteral("42");
                         Success = true;
                     });
    int unloads = 0;
    QObject::connect(f.customer, &ZEVCodeDescriptionWidget::Unload, [&](qint16& Cancel) {
        ++unloads;
        Cancel = 1;
    });
    QSignalSpy added(f.filter, qOverload<>(&ZEVPersistComboWidget::AddItem));
    showActive(f.window);

    retype(f.price->ControlText(), QStringLiteral("19"));
    EXPECT_EQ(f.price->Text(), QStringLiteral("18"));

    f.customer->setCode(QStringLiteral("12"));
    QTest::keyClick(f.customer->ControlCode(), Qt::Key_F3);
    EXPECT_TRUE(f.customer->Loaded());
    EXPECT_EQ(f.customer->PrimaryKey(), QStringLiteral("42"));
    unloads = 0;
    keyboardType(f.customer->ControlCode(), QStringLiteral("3")); // the host cancels: the code comes back
    EXPECT_GE(unloads, 1);
    EXPECT_EQ(f.customer->Code(), QStringLiteral("12"));

    f.filter->setShowCodeInCombo(true);
    f.filter->AddItem(QStringLiteral("Beta"), QStringLiteral("K5"), QStringLiteral("5"));
    EXPECT_EQ(added.count(), 1);
    EXPECT_EQ(f.filter->GetPkey(0), QStringLiteral("K5"));
    // Methods answer through the meta-object system too.
    QString code;
    EXPECT_TRUE(QMetaObject::invokeMethod(f.filter, "GetCode", Q_RETURN_ARG(QString, code), Q_ARG(qint16, 0)));
    EXPECT_EQ(code, QStringLiteral("5"));
}

TEST_F(PtBr, TheDateRangeTakesTheHostsClockAndOffersThePeriod)
{
    auto clock = std::make_shared<TestClock>(Now);
    ZEVDateRangeWidget period(nullptr, clock);
    // Initialize applied "Hoje" by the host's clock.
    EXPECT_EQ(period.periodStart(), QDateTime(QDate(2024, 5, 15), QTime(0, 0)));
    EXPECT_EQ(period.periodEnd(), QDateTime(QDate(2024, 5, 15), QTime(23, 59, 59)));
    // The pickers show it already, before any event reaches them.
    for (const char* picker : {"dtpInicio", "dtpFim"})
        EXPECT_EQ(period.findChild<QDateTimeEdit*>(QLatin1String(picker))->date(), QDate(2024, 5, 15)) << picker;
    clock->set(QDateTime(QDate(2024, 2, 10), QTime(8, 0)));
    period.setPeriod(ZEVDateRangeWidget::ThisMonth); // "<====== Esse Mês ======>"
    EXPECT_EQ(period.periodEnd(), QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59)));
    // A period written by the program is one set by hand.
    EXPECT_TRUE(period.setProperty("periodStart", QDateTime(QDate(2024, 1, 2), QTime(0, 0))));
    EXPECT_EQ(period.period(), ZEVDateRangeWidget::Custom);
    EXPECT_EQ(period.periodStart(), QDateTime(QDate(2024, 1, 2), QTime(0, 0)));
    EXPECT_EQ(period.periodEnd(), QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59)));
    period.setPeriodEnd(QDateTime());
    EXPECT_FALSE(period.periodEnd().isValid()); // Null
}

TEST_F(PtBr, AFormOfAllFiveSavedToAFileLoadsBackTheSame)
{
    const auto clock = std::make_shared<TestClock>(Now);
    FiveControls a(clock);
    // Every notification has its NOTIFY signal.
    QStringList notified;
    for (ZEVControlWidget* w : a.all())
        QObject::connect(w, &ZEVControlWidget::propertyChanged, [&notified, w](const QString& key) {
            notified << key;
            if (key == QLatin1String("Enabled") || key == QLatin1String("Font"))
                return; // QWidget's enabled and font
            const int index = w->metaObject()->indexOfProperty(key.toLatin1());
            ASSERT_GE(index, 0) << key.toStdString();
            EXPECT_EQ(w->metaObject()->property(index).notifySignal().name(), key.toLatin1() + "Changed");
        });
    QSignalSpy codeSize(a.customer, &ZEVCodeDescriptionWidget::CodeSizeChanged);
    QFont arial;
    arial.setFamily(QStringLiteral("Arial"));

    // Written through Qt's property system, as Designer and QUiLoader write
    // them: each kind of value a file holds (text, whole numbers of 16 and 32
    // bits, colour, true and false, font, enumeration); .ui loading checks the rest.
    const std::vector<std::tuple<QObject*, const char*, QVariant>> writes = {
        {a.price, "CustomFormat", "\"R$\" #,##0.000"}, {a.price, "StartZero", false}, {a.price, "Text", "-1234,5"},
        {a.customer, "CodeSize", 8}, {a.customer, "FontSize", 10}, {a.customer, "CodeFont", arial},
        {a.product, "ForeColor", QColor(0, 0, 255)}, {a.filter, "Locked", true}, {a.filter, "FontSize", 11},
        {a.period, "Appearance", 1},
    };
    for (const auto& [widget, name, value] : writes)
        EXPECT_TRUE(widget->setProperty(name, value)) << name;
    a.filter->AddItem(QStringLiteral("Beta"), QStringLiteral("K5"), QStringLiteral("5"));
    EXPECT_GE(notified.size(), 8);
    EXPECT_EQ(codeSize.count(), 1);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("form.json"));
    QtFormPersistence::save(a.window, path);
    FiveControls b(clock);
    EXPECT_EQ(QtFormPersistence::load(b.window, path).loaded,
              (QStringList{"price", "customer", "product", "filter", "period"}));

    // Documented as not kept by the controls: the numeric field's Font; the
    // list; the period, which is no property of the date range control.
    const QMap<QString, QStringList> notRestored{{QStringLiteral("ZEVNumeric"), {QStringLiteral("Font")}},
                                                 {QStringLiteral("ZEVPersistCombo"), {QStringLiteral("items")}},
                                                 {QStringLiteral("ZEVDateRange"), addedProperties}};
    const QList<ZEVControlWidget*> originals = a.all(), loaded = b.all();
    for (int c = 0; c < originals.size(); ++c) {
        const QMetaObject* meta = originals[c]->metaObject();
        SCOPED_TRACE(originals[c]->className().toStdString());
        int compared = 0;
        for (int i = ZEVControlWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
            const char* name = meta->property(i).name();
            if (notRestored.value(originals[c]->className()).contains(QLatin1String(name)))
                continue;
            EXPECT_EQ(loaded[c]->property(name), originals[c]->property(name)) << name;
            ++compared;
        }
        EXPECT_GT(compared, 1);
    }
    EXPECT_EQ(b.price->ControlText()->text(), QStringLiteral("-R$ 1.234,500"));
    EXPECT_EQ(b.customer->CodeFont().family(), QStringLiteral("Arial"));
    EXPECT_EQ(b.filter->persistCombo().ControlListing()->ListCount(), 0); // the list is not saved
}

TEST_F(PtBr, QDataWidgetMapperMovesEachValueUnchanged)
{
    const auto clock = std::make_shared<TestClock>(Now);
    FiveControls f(clock);
    f.filter->setShowCodeInCombo(true);
    const QDateTime may1(QDate(2024, 5, 1), QTime(0, 0)), may31(QDate(2024, 5, 31), QTime(23, 59, 59));
    const QStringList twoEntries{entry("001", "Alpha", "K1"), entry("002", "Beta", "K2")};
    // A REAL column's double, a typed null as an SQL driver gives it, and plain nulls.
    const QVariant typedNull(QMetaType::fromType<double>());
    struct Column {
        ZEVControlWidget* widget;
        const char* property; // nullptr: the USER property
        QVariant held[2];     // what the model holds, row by row
        std::function<QVariant()> shown;
        QVariant shownFor[2]; // what the widget shows for it
        QVariant emptied;     // how a null comes back where the property's type has no null
    };
    const Column columns[] = {
        {f.price, nullptr, {1234.5, typedNull}, [&] { return QVariant(f.price->Text()); }, {"1234,5", ""}, QVariant()},
        {f.customer, nullptr, {"12", QVariant()}, [&] { return QVariant(f.customer->Code()); }, {"12", ""}, ""},
        {f.product, nullptr, {"Parafuso", "Porca"}, [&] { return QVariant(f.product->Description()); },
         {"Parafuso", "Porca"}, ""},
        {f.filter, nullptr, {twoEntries, QVariant()}, [&] { return QVariant(f.filter->GetPkey(1)); }, {"K2", ""},
         QStringList()},
        {f.period, nullptr, {may1, QVariant()}, [&] { return QVariant(f.period->periodStart()); }, {may1, QDateTime()},
         QDateTime()},
        {f.period, "periodEnd", {may31, may1}, [&] { return QVariant(f.period->periodEnd()); }, {may31, may1}, QVariant()},
    };
    const int n = int(std::size(columns));
    QStandardItemModel model(2, n);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < n; ++c)
            model.setData(model.index(r, c), columns[c].held[r]);
    QDataWidgetMapper mapper, ends; // a mapper maps a widget once: the period's end through a second one
    for (QDataWidgetMapper* m : {&mapper, &ends}) {
        m->setModel(&model);
        m->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    }
    for (int c = 0; c < n; ++c) {
        if (columns[c].property)
            ends.addMapping(columns[c].widget, c, columns[c].property);
        else
            mapper.addMapping(columns[c].widget, c);
    }
    QObject::connect(&mapper, &QDataWidgetMapper::currentIndexChanged, &ends, &QDataWidgetMapper::setCurrentIndex);
    // Loading a record's list adds nothing in the user's sense.
    QSignalSpy added(f.filter, &ZEVPersistComboWidget::itemAdded);
    QSignalSpy addEvents(f.filter, qOverload<>(&ZEVPersistComboWidget::AddItem));

    for (int r = 0; r < 2; ++r) {
        SCOPED_TRACE(r);
        mapper.setCurrentIndex(r);
        for (int c = 0; c < n; ++c)
            EXPECT_EQ(columns[c].shown(), columns[c].shownFor[r]) << "column " << c;
        // Written back untouched: the same values, a null still null.
        EXPECT_TRUE(mapper.submit() && ends.submit());
        for (int c = 0; c < n; ++c) {
            const QVariant back = model.data(model.index(r, c));
            const QVariant& held = columns[c].held[r];
            if (held.isNull() && !columns[c].emptied.isValid())
                EXPECT_TRUE(back.isNull()) << "column " << c << ": " << back.toString().toStdString();
            else
                EXPECT_EQ(back, held.isNull() ? columns[c].emptied : held) << "column " << c;
        }
    }
    EXPECT_EQ(f.price->ControlText()->text(), QString()); // the null shows empty, StartZero or not
    EXPECT_EQ(added.count() + addEvents.count(), 0);

    // The user's edits go back as values: a double, the list with its new entry.
    showActive(f.window);
    mapper.toFirst();
    retype(f.price->ControlText(), QStringLiteral("2500,75"));
    f.filter->AddItem(QStringLiteral("Gama"), QStringLiteral("K3"), QStringLiteral("003"));
    f.period->setPeriodEnd(may1.addDays(1));
    EXPECT_TRUE(mapper.submit() && ends.submit());
    const QVariant price = model.data(model.index(0, 0));
    EXPECT_EQ(price.metaType(), QMetaType::fromType<double>());
    EXPECT_EQ(price.toDouble(), 2500.75);
    EXPECT_EQ(model.data(model.index(0, 3)).toStringList(), twoEntries + QStringList{entry("003", "Gama", "K3")});
    EXPECT_EQ(model.data(model.index(0, 5)).toDateTime(), may1.addDays(1));

    // With AutoSubmit, when the focus leaves the control (the focus moves between its parts first).
    mapper.setSubmitPolicy(QDataWidgetMapper::AutoSubmit);
    retype(f.price->ControlText(), QStringLiteral("55"));
    retype(f.product->ControlDescription(), QStringLiteral("Arruela"));
    EXPECT_EQ(model.data(model.index(0, 0)), QVariant(55.0)); // the focus left the price
    EXPECT_EQ(model.data(model.index(0, 2)).toString(), QStringLiteral("Parafuso"));
    f.elsewhere->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(model.data(model.index(0, 2)).toString(), QStringLiteral("Arruela"));
}

TEST_F(PtBr, TheListLookupsQtSignalsFollowItsEventsWithTheIndex)
{
    ZEVPersistComboWidget list;
    showActive(list); // for the remove button's click
    QStringList log;
    QObject::connect(&list, &ZEVControlWidget::eventRaised, [&log](const QString& name, QVariantList&) {
        if (name == QLatin1String("AddItem") || name == QLatin1String("RemoveItem"))
            log << name;
    });
    QObject::connect(&list, &ZEVPersistComboWidget::itemAdded, [&log](int i) { log << QStringLiteral("itemAdded(%1)").arg(i); });
    QObject::connect(&list, &ZEVPersistComboWidget::itemRemoved, [&log](int i) { log << QStringLiteral("itemRemoved(%1)").arg(i); });
    // A handler of AddItem that adds again: the first change keeps its own index.
    bool addAgain = false;
    QObject::connect(&list, qOverload<>(&ZEVPersistComboWidget::AddItem), [&] {
        if (std::exchange(addAgain, false))
            list.AddItem(QStringLiteral("Extra"), QStringLiteral("K9"));
    });
    const struct {
        const char* what;
        std::function<void()> act;
        QStringList expected;
    } steps[] = {
        {"append", [&] { list.AddItem(QStringLiteral("Alpha"), QStringLiteral("K1")); }, {"AddItem", "itemAdded(0)"}},
        {"insert at the top", [&] { list.AddItem(QStringLiteral("Beta"), QStringLiteral("K2"), QString(), 0); },
         {"AddItem", "itemAdded(0)"}},
        {"added from a handler", [&] { addAgain = true; list.AddItem(QStringLiteral("Gama"), QStringLiteral("K3")); },
         {"AddItem", "AddItem", "itemAdded(3)", "itemAdded(2)"}},
        {"remove the second", [&] { list.RemoveItem(1); }, {"RemoveItem", "itemRemoved(1)"}},
        {"no index", [&] { list.RemoveItem(-1); }, {}},
        {"the remove button on the selected (last) entry", [&] { QTest::mouseClick(list.ControlRemoveItem(), Qt::LeftButton); },
         {"RemoveItem", "itemRemoved(2)"}},
        {"a record's list loaded", [&] { list.setItems({QStringLiteral("X"), QStringLiteral("Y")}); }, {}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        log.clear();
        step.act();
        EXPECT_EQ(log, step.expected);
    }
    EXPECT_EQ(list.items(), (QStringList{QStringLiteral("X"), QStringLiteral("Y")}));
}

TEST(ControlWidgets, TheNumericFormatIsOneEnumerationUnderEitherName)
{
    ZEVNumericWidget amount;
    amount.setFormat(zev::CurrencyFormatation);
    EXPECT_EQ(amount.Format(), ZEVNumericWidget::CurrencyFormatation);
    amount.setFormat(ZEVNumericWidget::CustomFormatation);
    EXPECT_EQ(amount.numeric().Format(), zev::CustomFormatation);
    // Designer lists the values in its property sheet and writes scope::key into
    // the .ui file, which uic copies into C++ and Designer reads back by that
    // scope: the widget's, as in every form written so far.
    const QMetaProperty format = amount.metaObject()->property(amount.metaObject()->indexOfProperty("Format"));
    ASSERT_TRUE(format.isEnumType());
    const QMetaEnum values = format.enumerator();
    EXPECT_EQ(QByteArray(values.scope()) + "::" + values.valueToKey(zev::CurrencyFormatation),
              "zev::ZEVNumericWidget::CurrencyFormatation");
    EXPECT_TRUE(amount.setProperty("Format", values.keyToValue("zev::ZEVNumericWidget::StandardFormatation")));
    EXPECT_EQ(amount.Format(), zev::StandardFormatation);
    EXPECT_TRUE(amount.setProperty("Format", "CurrencyFormatation"));
    EXPECT_EQ(amount.Format(), zev::CurrencyFormatation);
}
