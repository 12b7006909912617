#include "QtTestSupport.h"
#include "TinyControl.h"
#include "framework/MemoryPropertyBag.h"
#include "qt/QtAdapter.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace zev;
using namespace zev::testing;

TEST(ZEVControlWidget, RunsTheContainersLifecycle)
{
    TinyControl::journal().clear();
    {
        TinyWidget w(nullptr, ZEVControlWidget::Start::New);
        EXPECT_TRUE(w.isStarted());
        EXPECT_EQ(TinyControl::journal(), (QStringList{"Initialize", "InitProperties", "Resize 2400x300"}));
        EXPECT_EQ(w.sizeHint(), QSize(160, 20)); // the design size at 96 DPI
        EXPECT_EQ(w.tiny().ControlText, w.host().widget(QStringLiteral("txtName")));
        TinyControl::journal().clear();
        w.resizeTwips(3000, 450);
        EXPECT_EQ(w.host().qwidget(QStringLiteral("cmdGo"))->geometry(), QRect(175, 0, 25, 30));
        EXPECT_EQ(w.host().qwidget(QStringLiteral("txtName"))->width(), 173); // 2595 twips
        showActive(w);
        w.resize(100, 40); // pixels, as a layout sizes it
        EXPECT_EQ(TinyControl::journal(), (QStringList{"Resize 3000x450", "Resize 1500x600"}));
        TinyControl::journal().clear();
    }
    EXPECT_EQ(TinyControl::journal(), QStringList{"Terminate"});

    // Made fresh, as uic and QUiLoader make it: started by its first use.
    TinyControl::journal().clear();
    {
        TinyWidget fresh;
        EXPECT_FALSE(fresh.isStarted());
        EXPECT_EQ(TinyControl::journal(), QStringList{"Initialize"});
        EXPECT_EQ(fresh.Count(), 0);
        EXPECT_EQ(TinyControl::journal(), (QStringList{"Initialize", "InitProperties", "Resize 2400x300"}));
    }
    TinyControl::journal().clear();
    TinyWidget loading;
    MemoryPropertyBag bag;
    bag.insert(QStringLiteral("Text"), QStringLiteral("saved"));
    loading.readProperties(bag);
    EXPECT_TRUE(loading.isStarted());
    EXPECT_EQ(loading.Text(), QStringLiteral("saved"));
    // (the control's own Spacing setter lays it out once while reading)
    EXPECT_EQ(TinyControl::journal(),
              (QStringList{"Initialize", "ReadProperties", "Resize 2400x300", "Resize 2400x300"}));
}

TEST(ZEVControlWidget, DesignTimeWritesLoadInTheControlsReadingOrder)
{
    struct Case {
        const char* name;
        std::function<void(TinyWidget&)> use; // the first use
    };
    const Case uses[] = {
        {"a property read", [](TinyWidget& w) { (void)w.Flag(); }},
        {"being shown", [](TinyWidget& w) { showActive(w); }},
        {"a save", [](TinyWidget& w) { MemoryPropertyBag b; w.writeProperties(b); }},
        {"a read through the meta-object system", [](TinyWidget& w) { (void)w.property("Text"); }},
    };
    for (const Case& c : uses) {
        SCOPED_TRACE(c.name);
        TinyControl::journal().clear();
        TinyWidget w;
        QStringList notified;
        QObject::connect(&w, &ZEVControlWidget::propertyChanged, [&](const QString& name) { notified << name; });
        // In the order a .ui file may list them: Text before Count, Count twice.
        w.setSpacing(100);
        EXPECT_TRUE(w.setProperty("Text", QStringLiteral("abc")));
        w.setCount(3);
        w.setCount(4);
        w.setBackColor(QColor(255, 0, 0));
        EXPECT_TRUE(notified.isEmpty()); // nothing applied yet
        EXPECT_EQ(TinyControl::journal(), QStringList{"Initialize"});
        c.use(w);
        EXPECT_TRUE(w.isStarted());
        // The control's own order: Count, then Text, ... BackColor last.
        EXPECT_EQ(notified, (QStringList{"Count", "Text", "Total", "Ratio", "Flag", "NameFont", "BackColor"}));
        EXPECT_EQ(TinyControl::journal().mid(0, 2), (QStringList{"Initialize", "ReadProperties"}));
        EXPECT_EQ(w.Count(), 4);
        EXPECT_EQ(w.Text(), QStringLiteral("abc"));
        EXPECT_EQ(w.tiny().BackColor(), 0x0000FFu);
        // Spacing is not read back by the control: applied after the read.
        EXPECT_EQ(w.tiny().Spacing(), 100.0f);
        // Writes after the start apply at once.
        notified.clear();
        w.setCount(9);
        EXPECT_EQ(notified, QStringList{"Count"});
    }
}

TEST(ZEVControlWidget, RefusedWritesThrowInCodeAndAreReportedWhereQtCalls)
{
    TinyWidget w(nullptr, ZEVControlWidget::Start::New);
    try {
        w.setBackColor(QColor());
        ADD_FAILURE() << "an invalid colour was taken";
    } catch (const ControlError& e) {
        EXPECT_EQ(e.Number(), 380);
    }
    w.setReportsFailures(true);
    QSignalSpy errors(&w, &ZEVControlWidget::errorRaised);
    EXPECT_TRUE(w.setProperty("BackColor", QColor()));
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors[0][0].toInt(), 380);

    // A value refused before it could be kept fails at once, fresh or not.
    TinyWidget fresh;
    EXPECT_THROW(fresh.setBackColor(QColor()), ControlError);
    EXPECT_FALSE(fresh.isStarted());
}

TEST(ZEVControlWidget, EventsLeaveAsTypedSignalsWithByReferenceArguments)
{
    QWidget form;
    auto* w = new TinyWidget(&form);
    form.resize(300, 100);
    EXPECT_TRUE(w->unboundEvents().isEmpty());
    QStringList order;
    QObject::connect(w, &ZEVControlWidget::eventRaised, [&](const QString& name, QVariantList& a) {
        order << name + ":" + (a.isEmpty() ? QString() : a.value(1).toString());
    });
    qint16 cancel = 0;
    QObject::connect(w, &TinyWidget::Go, [&](qint16& Cancel, QString& Text) {
        order << "Go:" + Text;
        Text = Text + "!";
        Cancel = cancel;
    });
    QObject::connect(w, &TinyWidget::KeyDown, [&](qint16& KeyCode, qint16&) {
        if (KeyCode == 46) // the host swallows Delete
            KeyCode = 0;
    });
    showActive(form);
    w->setText(QStringLiteral("abc"));
    order.clear();
    QTest::mouseClick(w->host().qwidget(QStringLiteral("cmdGo")), Qt::LeftButton);
    EXPECT_EQ(w->Text(), QStringLiteral("abc!"));
    cancel = 1;
    QTest::mouseClick(w->host().qwidget(QStringLiteral("cmdGo")), Qt::LeftButton);
    EXPECT_EQ(w->Text(), QStringLiteral("abc!"));
    EXPECT_EQ(order, (QStringList{"Go:abc", "Go:abc", "Changed:", "Go:abc!", "Go:abc!"}));

    auto* edit = static_cast<QLineEdit*>(w->host().qwidget(QStringLiteral("txtName")));
    edit->setFocus();
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(w->Text(), QStringLiteral("abc!"));
}

TEST(ZEVControlWidget, PropertyChangedNotifiesAndMarksTheFormModified)
{
    QWidget form;
    form.setWindowTitle(QStringLiteral("Pedido[*]"));
    auto* w = new TinyWidget(&form);
    EXPECT_FALSE(form.isWindowModified()); // starting the control changes nothing
    EXPECT_FALSE(w->host().isChanged());
    EXPECT_STREQ(w->metaObject()->userProperty().name(), "Text");
    QSignalSpy count(w, &TinyWidget::CountChanged);
    QSignalSpy text(w, &TinyWidget::TextChanged);
    QSignalSpy any(w, &ZEVControlWidget::propertyChanged);
    EXPECT_TRUE(w->setProperty("Count", QVariant::fromValue(qint16(7))));
    EXPECT_EQ(w->Count(), 7);
    EXPECT_EQ(count.count(), 1);
    EXPECT_EQ(text.count(), 0);
    ASSERT_EQ(any.count(), 1);
    EXPECT_EQ(any[0][0].toString(), QStringLiteral("Count"));
    EXPECT_TRUE(form.isWindowModified());
    EXPECT_TRUE(w->host().isChanged());
}

TEST(ZEVControlWidget, AFailingResizeIsReportedAndTheControlGoesOn)
{
    TinyWidget w(nullptr, ZEVControlWidget::Start::New);
    QSignalSpy errors(&w, &ZEVControlWidget::errorRaised);
    w.resizeTwips(300, 300); // narrower than the button: the edit refuses a negative width
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors[0][0].toInt(), 380);
    w.resizeTwips(3000, 300);
    EXPECT_EQ(w.tiny().ControlText->Width(), 2595.0f);
}

TEST(ZEVControlWidget, FailuresNobodyListensToArePrintedNotLost)
{
    TinyWidget w(nullptr, ZEVControlWidget::Start::New);
    QString printed;
    static QString* sink = nullptr;
    sink = &printed;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
        *sink += m;
    });
    w.setObjectName(QStringLiteral("tiny1"));
    w.resizeTwips(300, 300);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(printed.contains(QStringLiteral("tiny1: error 380"))) << printed.toStdString();
}
