#include "QtTestSupport.h"
#include "TinyControl.h"
#include "framework/MemoryPropertyBag.h"
#include "qt/QtAdapter.h"
#include "qt/QtUnits.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace zev;
using namespace zev::testing;

TEST(ZEVControlWidget, RunsTheContainersLifecycleFromItsConstructor)
{
    TinyControl::journal().clear();
    {
        TinyWidget w;
        EXPECT_EQ(TinyControl::journal(), (QStringList{"Initialize", "InitProperties", "Resize 2400x300"}));
        EXPECT_EQ(w.tiny().ControlText, w.host().widget(QStringLiteral("txtName")));
        TinyControl::journal().clear();
        w.resizeTwips(3000, 450);
        showActive(w);
        w.resize(100, 40); // pixels, as a layout sizes it
        EXPECT_EQ(TinyControl::journal().first(), QStringLiteral("Resize 3000x450"));
        EXPECT_EQ(w.host().ScaleWidth(), QtUnits::toTwips(100, w.host().dpiX()));
        TinyControl::journal().clear();
    }
    EXPECT_EQ(TinyControl::journal(), QStringList{"Terminate"});

    // Writes act at once, with their notifications, in the order they come.
    TinyWidget w;
    QStringList notified;
    QObject::connect(&w, &ZEVControlWidget::propertyChanged, [&](const QString& name) { notified << name; });
    EXPECT_TRUE(w.setProperty("Text", QStringLiteral("abc")));
    w.setCount(4);
    EXPECT_EQ(notified, (QStringList{"Text", "Count"}));
    EXPECT_EQ(w.Text(), QStringLiteral("abc"));
}

TEST(ZEVControlWidget, RefusedWritesThrowInCodeAndAreReportedWhereQtCalls)
{
    TinyWidget w;
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
    TinyWidget w;
    QSignalSpy errors(&w, &ZEVControlWidget::errorRaised);
    w.resizeTwips(300, 300); // narrower than the button: the edit refuses a negative width
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors[0][0].toInt(), 380);
    w.resizeTwips(3000, 300);
    EXPECT_EQ(w.tiny().ControlText->Width(), 2595.0f);
}

TEST(ZEVControlWidget, FailuresNobodyListensToArePrintedNotLost)
{
    TinyWidget w;
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
