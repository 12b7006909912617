// The five control widgets as Qt sees them: their members published as Qt
// properties, signals and invokable methods; typed events with by-reference
// arguments; a form of all five saved to a file and loaded back; QDataWidgetMapper.

#include "QtTestSupport.h"
#include "daterange/DateRangePresets.h"
#include "framework/ComboBox.h"
#include "qt/QtFormPersistence.h"
#include "testkit/TestClock.h"

#include <QComboBox>
#include <QDataWidgetMapper>
#include <QLineEdit>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <memory>
#include <tuple>

using namespace zev;
using namespace zev::testing;

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

// What the widgets add to the control's members: the Qt-style value and period.
const QStringList addedProperties{QStringLiteral("value"), QStringLiteral("period"), QStringLiteral("periodStart"),
                                  QStringLiteral("periodEnd")};

} // namespace

TEST(ControlWidgets, EachPublishesItsControlsMembersAsQtMembers)
{
    QWidget form;
    const struct {
        ZEVControlWidget* widget;
        const char* user;
    } cases[] = {
        {new ZEVNumericWidget(&form), "Text"},
        {new ZEVCodeDescriptionWidget(&form), "Code"},
        {new ZEVDescriptionOnlyWidget(&form), "Description"},
        {new ZEVPersistComboWidget(&form), "Code"},
        {new ZEVDateRangeWidget(&form), "periodStart"},
    };
    for (const auto& c : cases) {
        const ClassDescriptor& d = c.widget->control().Descriptor();
        const QMetaObject* meta = c.widget->metaObject();
        SCOPED_TRACE(d.className.toStdString());
        EXPECT_TRUE(c.widget->unboundEvents().isEmpty());
        EXPECT_STREQ(meta->userProperty().name(), c.user);
        // The design size, grown where the font needs more room.
        EXPECT_GE(c.widget->sizeHint().width(), qRound(d.designWidth / 15));
        EXPECT_GE(c.widget->sizeHint().height(), qRound(d.designHeight / 15));
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
    // period, which is no property of the date range control.
    const QMap<QString, QStringList> notRestored{{QStringLiteral("ZEVNumeric"), {QStringLiteral("Font")}},
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

TEST_F(PtBr, QDataWidgetMapperBindsEachUserProperty)
{
    const auto clock = std::make_shared<TestClock>(Now);
    FiveControls f(clock);
    QStandardItemModel model(2, 6);
    const QDateTime may1(QDate(2024, 5, 1), QTime(0, 0)), may31(QDate(2024, 5, 31), QTime(23, 59, 59));
    const QVariant rows[2][6] = {
        {QStringLiteral("1234,5"), QStringLiteral("12"), QStringLiteral("Parafuso"), QStringLiteral("5"), may1, may31},
        {QStringLiteral("7"), QStringLiteral("34"), QStringLiteral("Porca"), QStringLiteral("6"), QDateTime(), may1},
    };
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 6; ++c)
            model.setData(model.index(r, c), rows[r][c]);
    QDataWidgetMapper mapper;
    mapper.setModel(&model);
    mapper.setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    mapper.addMapping(f.price, 0);
    mapper.addMapping(f.customer, 1);
    mapper.addMapping(f.product, 2);
    mapper.addMapping(f.filter, 3);
    mapper.addMapping(f.period, 4);
    // A mapper maps a widget once: the end of the period through a second one.
    QDataWidgetMapper ends;
    ends.setModel(&model);
    ends.addMapping(f.period, 5, "periodEnd");
    QObject::connect(&mapper, &QDataWidgetMapper::currentIndexChanged, &ends, &QDataWidgetMapper::setCurrentIndex);
    mapper.toFirst();
    EXPECT_EQ(f.price->Text(), QStringLiteral("1234,5"));
    EXPECT_EQ(f.customer->Code(), QStringLiteral("12"));
    EXPECT_EQ(f.product->Description(), QStringLiteral("Parafuso"));
    EXPECT_EQ(f.filter->Code(), QStringLiteral("5"));
    EXPECT_EQ(f.period->periodStart(), may1);
    EXPECT_EQ(f.period->periodEnd(), may31);
    mapper.toNext();
    EXPECT_EQ(f.price->Text(), QStringLiteral("7"));
    EXPECT_EQ(f.product->Description(), QStringLiteral("Porca"));
    EXPECT_FALSE(f.period->periodStart().isValid());
    EXPECT_EQ(f.period->periodEnd(), may1);

    // Back into the model: on submit, and, with AutoSubmit, when the focus leaves the control.
    showActive(f.window);
    retype(f.customer->ControlCode(), QStringLiteral("77"));
    EXPECT_TRUE(mapper.submit());
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), QStringLiteral("77"));
    mapper.setSubmitPolicy(QDataWidgetMapper::AutoSubmit);
    retype(f.price->ControlText(), QStringLiteral("55"));
    retype(f.product->ControlDescription(), QStringLiteral("Arruela"));
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), QStringLiteral("55")); // the focus left the price
    EXPECT_EQ(model.data(model.index(1, 2)).toString(), QStringLiteral("Porca"));
    f.elsewhere->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(model.data(model.index(1, 2)).toString(), QStringLiteral("Arruela"));
}
