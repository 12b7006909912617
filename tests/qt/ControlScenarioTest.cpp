// The five controls under one table of user scenarios, run over the test
// kit's in-memory host and over their Qt widgets with real input (keys,
// mouse clicks, focus changes, the combo's drop-down): both layers must give
// the same event log, property notifications and widget state.

#include "QtTestSupport.h"
#include "daterange/ZEVDateRange.h"
#include "framework/ComboBox.h"
#include "framework/DateTimePicker.h"
#include "framework/KeyCodes.h"
#include "framework/SSPanel.h"
#include "qt/QtAdapter.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"
#include "testkit/TestClock.h"
#include "testkit/TestHost.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <memory>

using namespace zev;
using namespace zev::testing;

namespace {

struct Key {
    Qt::Key qt;
    qint16 code;
};
const Key Enter{Qt::Key_Return, KeyCodes::Return};
const Key F3{Qt::Key_F3, KeyCodes::F3};
const Key Backspace{Qt::Key_Backspace, KeyCodes::Back};

// Wednesday, 10 in the morning.
const QDateTime Now(QDate(2024, 5, 15), QTime(10, 0, 0));

QString show(const QVariantList& args)
{
    QStringList parts;
    for (const QVariant& a : args)
        parts << (a.typeId() == QMetaType::Bool ? QString::fromLatin1(a.toBool() ? "true" : "false") : a.toString());
    return parts.join(',');
}

QString hex(OleColor c) { return QString::number(c, 16); }

// One control on a form, over either layer, with the host's answers and one log.
class ControlRig {
public:
    virtual ~ControlRig() = default;
    virtual const char* layer() const = 0;
    virtual Control& control() = 0;
    virtual ControlHost& host() = 0;
    virtual std::vector<Widget*> widgets() = 0;

    // The user's actions; each first gives the widget the focus where a user's would.
    virtual void focus(const QString& name) = 0;
    virtual void type(const QString& name, const QString& text) = 0;
    virtual void press(const QString& name, Key key) = 0;
    virtual void click(const QString& name) = 0;
    virtual void tab() = 0;
    virtual void leave() = 0; // to another control of the form
    virtual void select(const QString& combo, int index) = 0;
    virtual void nextDay(const QString& picker) = 0;

    template <typename C>
    C& as()
    {
        return dynamic_cast<C&>(control());
    }

    // The host's handler of every event: may change the by-reference arguments.
    std::function<void(ControlRig& rig, const QString& event, QVariantList& args)> answer;
    QStringList log;

    QString state()
    {
        QStringList parts;
        for (Widget* w : widgets()) {
            QString s = QStringLiteral("%1[%2,%3,%4,%5%6%7]")
                            .arg(w->Name())
                            .arg(w->Left())
                            .arg(w->Top())
                            .arg(w->Width())
                            .arg(w->Height())
                            .arg(w->Visible() ? "" : " hidden")
                            .arg(w->Enabled() ? "" : " disabled");
            if (auto* e = dynamic_cast<FlatEdit*>(w))
                s += QStringLiteral("=\"%1\"@%2+%3 fg%4 bg%5 al%6")
                         .arg(e->Text())
                         .arg(e->SelStart())
                         .arg(e->SelLength())
                         .arg(hex(e->ForeColor()), hex(e->BackColor()))
                         .arg(e->Alignment());
            else if (auto* p = dynamic_cast<SSPanel*>(w))
                s += QStringLiteral("=\"%1\" bg%2").arg(p->Caption(), hex(p->BackColor()));
            else if (auto* c = dynamic_cast<ComboBox*>(w)) {
                QStringList items;
                for (qint32 i = 0; i < c->ListCount() && i < 3; ++i)
                    items << c->List(i).trimmed();
                s += QStringLiteral("=%1 of %2 (%3)").arg(c->ListIndex()).arg(c->ListCount()).arg(items.join('|'));
            } else if (auto* d = dynamic_cast<DateTimePicker*>(w)) {
                const QDateTime v = d->Value();
                s += "=" + (v.isValid() ? v.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QStringLiteral("null"));
            }
            parts << s;
        }
        Widget* active = host().ActiveControl();
        parts << "focus=" + (active ? active->Name() : QStringLiteral("none"));
        return parts.join(QStringLiteral("; "));
    }

protected:
    void raised(const QString& name, QVariantList& args)
    {
        const QString in = show(args);
        log << name + "(" + in + ")";
        if (answer)
            answer(*this, name, args);
        if (show(args) != in)
            log << name + " -> (" + show(args) + ")";
    }
};

class TestKitControlRig : public ControlRig {
public:
    TestKitControlRig(const ClassDescriptor& d, std::shared_ptr<const Clock> clock)
    {
        host_.onAnyEvent = [this, &d](int number, QVariantList& args) { raised(d.event(number)->name, args); };
        host_.onMsgBox = [this](const ShownMessage& m) { log << "msgbox:" + m.prompt; };
        host_.notify = [this](const QString& key) { log << "changed:" + key; };
        control_ = d.create(host_);
        if (auto* range = dynamic_cast<ZEVDateRange*>(control_.get()); range && clock)
            range->setClock(clock);
        control_->Initialize();
        control_->InitProperties();
        host_.resize(d.designWidth, d.designHeight);
    }
    ~TestKitControlRig() override { control_->Terminate(); }
    const char* layer() const override { return "test kit"; }
    Control& control() override { return *control_; }
    ControlHost& host() override { return host_; }
    std::vector<Widget*> widgets() override
    {
        std::vector<Widget*> all;
        for (const auto& w : host_.widgets())
            all.push_back(w.get());
        return all;
    }
    void focus(const QString& name) override { host_.focus(*host_.widget(name)); }
    void type(const QString& name, const QString& text) override { host_.type(*host_.widget(name), text); }
    void press(const QString& name, Key key) override { host_.pressKey(*host_.widget(name), key.code); }
    void click(const QString& name) override { host_.click(*host_.widget(name)); }
    void tab() override { host_.tab(); }
    void leave() override { host_.focusElsewhere(); }
    void select(const QString& combo, int index) override { host_.select(*host_.widget(combo), index); }
    void nextDay(const QString& picker) override
    {
        Widget* w = host_.widget(picker);
        const QDateTime v = dynamic_cast<DateTimePicker&>(*w).Value();
        host_.editDate(*w, v.addDays(1));
    }

private:
    // The test kit's host, telling this rig of each notification as it happens.
    struct Host : TestHost {
        std::function<void(const QString&)> notify;
        void PropertyChanged(const QString& key) override
        {
            TestHost::PropertyChanged(key);
            if (notify)
                notify(key);
        }
    } host_;
    std::unique_ptr<Control> control_;
};

class QtControlRig : public ControlRig {
public:
    QtControlRig(const ClassDescriptor& d, std::shared_ptr<const Clock> clock)
        : modal_([this](QDialog& dialog) {
              if (auto* box = qobject_cast<QMessageBox*>(&dialog))
                  log << "msgbox:" + box->text();
              dialog.reject();
          })
    {
        const QString name = d.className;
        if (name == QLatin1String("ZEVNumeric"))
            widget_ = new ZEVNumericWidget(&window_);
        else if (name == QLatin1String("ZEVCodeDescription"))
            widget_ = new ZEVCodeDescriptionWidget(&window_);
        else if (name == QLatin1String("ZEVDescriptionOnly"))
            widget_ = new ZEVDescriptionOnlyWidget(&window_);
        else if (name == QLatin1String("ZEVPersistCombo"))
            widget_ = new ZEVPersistComboWidget(&window_);
        else
            widget_ = new ZEVDateRangeWidget(&window_, clock);
        QObject::connect(widget_, &ZEVControlWidget::eventRaised,
                         [this](const QString& event, QVariantList& args) { raised(event, args); });
        QObject::connect(widget_, &ZEVControlWidget::propertyChanged,
                         [this](const QString& key) { log << "changed:" + key; });
        // Another control of the form, where the focus goes when it leaves this one.
        outside_ = new QLineEdit(&window_);
        outside_->setGeometry(0, 150, 100, 20);
        window_.resize(320, 180);
        showActive(window_); // starts the control
        widget_->resizeTwips(d.designWidth, d.designHeight);
        // Showing the window focused a widget; a rig starts with no focus, as the test kit's does.
        if (QWidget* f = QApplication::focusWidget())
            f->clearFocus();
    }
    const char* layer() const override { return "Qt"; }
    Control& control() override { return widget_->control(); }
    ControlHost& host() override { return widget_->host(); }
    std::vector<Widget*> widgets() override
    {
        std::vector<Widget*> all;
        for (const auto& w : widget_->host().widgets())
            all.push_back(w.get());
        return all;
    }
    void focus(const QString& name) override
    {
        QWidget* w = q(name);
        if (!w->hasFocus())
            w->setFocus(Qt::MouseFocusReason);
    }
    void type(const QString& name, const QString& text) override
    {
        focus(name);
        keyboardType(q(name), text);
    }
    void press(const QString& name, Key key) override
    {
        focus(name);
        QTest::keyClick(q(name), key.qt);
    }
    void click(const QString& name) override { QTest::mouseClick(q(name), Qt::LeftButton); }
    void tab() override { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    void leave() override { QTest::mouseClick(outside_, Qt::LeftButton); }
    void select(const QString& name, int index) override
    {
        // Opened, the item chosen in the drop-down list and confirmed with Enter.
        auto* combo = qobject_cast<QComboBox*>(q(name));
        focus(name);
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        list->setCurrentIndex(combo->model()->index(index, 0));
        QTest::keyClick(list, Qt::Key_Return);
    }
    void nextDay(const QString& picker) override
    {
        focus(picker);
        QTest::keyClick(q(picker), Qt::Key_Home); // the day is the first field
        QTest::keyClick(q(picker), Qt::Key_Up);
    }

private:
    QWidget* q(const QString& name) const { return widget_->host().qwidget(name); }
    ModalAnswer modal_;
    QWidget window_;
    ZEVControlWidget* widget_ = nullptr;
    QLineEdit* outside_ = nullptr;
};

struct Scenario {
    const char* name;
    const ClassDescriptor& (*descriptor)();
    std::function<void(ControlRig&)> run;
    QStringList expectedState; // parts the final state must hold
    QStringList expectedLog;   // entries the log must hold, in this order
};

// A host that finds code 12 (Acme, key 42) and code 5 (Beta, key K5) and nothing else.
void lookupHost(ControlRig& r, const QString& event, QVariantList& a)
{
    if (event != QLatin1String("Search"))
        return;
    Control& c = r.control();
    const QString code = c.Descriptor().className == QLatin1String("ZEVCodeDescription")
                             ? r.as<ZEVCodeDescription>().Code()
                             : r.as<ZEVPersistCombo>().Code();
    r.log << "host looks up code " + code;
    const QString description = code == QLatin1String("12") ? QStringLiteral("Acme") : code == QLatin1String("5") ? QStringLiteral("Beta") : QString();
    if (description.isEmpty())
        return;
    if (auto* cd = dynamic_cast<ZEVCodeDescription*>(&c))
        cd->setDescription(description);
    else
        r.as<ZEVPersistCombo>().setDescription(description);
    a[0] = code == QLatin1String("12") ? QStringLiteral("42") : QStringLiteral("K5");
    a[1] = true;
}

const Scenario scenarios[] = {
    {"numeric: typing 7x keeps 7, the x is undone",
     &ZEVNumeric::descriptor,
     [](ControlRig& r) { r.type("txtValue", "7x"); },
     // back to the last number, shown through the assignment's formatting
     {"txtValue[0,0,1140,525]=\"7,00\"@1+0"},
     {"KeyDown(55,0)", "KeyPress(55)", "Change()", "KeyUp(55,0)", "KeyDown(88,0)", "KeyPress(120)"}},
    {"numeric: a negative number typed and left is formatted, red and right-aligned; entering shows it plain",
     &ZEVNumeric::descriptor,
     [](ControlRig& r) {
         r.type("txtValue", "-12,5");
         r.leave();
         r.log << "left: " + r.as<ZEVNumeric>().Text();
         r.focus("txtValue");
     },
     {"=\"-12,5\"@0+5 fgff bgffffff al0"},
     {"left: -12,5"}},
    {"code lookup: F3 with a code the host finds loads the record",
     &ZEVCodeDescription::descriptor,
     [](ControlRig& r) {
         r.answer = lookupHost;
         r.type("txtCode", "12");
         r.press("txtCode", F3);
         r.log << QStringLiteral("loaded %1 key %2").arg(r.as<ZEVCodeDescription>().Loaded()).arg(r.as<ZEVCodeDescription>().PrimaryKey());
     },
     {"txtCode[0,0,1100,225]=\"12\"", "panDescription[1535,0,2680,255]=\"Acme\"", "focus=txtCode"},
     {"host looks up code 12", "Load()", "DescChange()", "Search -> (42,true,0)", "Load()", "loaded 1 key 42"}},
    {"code lookup: a click on F3 after typing a code searches that code and leaves the focus in the code box",
     &ZEVCodeDescription::descriptor,
     [](ControlRig& r) {
         r.answer = lookupHost;
         r.type("txtCode", "5");
         r.click("cmdSearch");
     },
     {"txtCode[0,0,1100,225]=\"5\"", "=\"Beta\"", "focus=txtCode"},
     {"host looks up code 5", "Search -> (K5,true,0)"}},
    {"code lookup: leaving an unloaded code box by Tab clears it; Backspace after a load unloads",
     &ZEVCodeDescription::descriptor,
     [](ControlRig& r) {
         r.answer = lookupHost;
         r.type("txtCode", "99");
         r.tab();
         r.log << "after tab: " + r.as<ZEVCodeDescription>().Code();
         r.type("txtCode", "12");
         r.press("txtCode", Enter);
         r.press("txtCode", Backspace);
     },
     {"txtCode[0,0,1100,225]=\"1\"", "panDescription[1535,0,2680,255]=\"\""},
     {"after tab: ", "host looks up code 12", "Search -> (42,true,1)", "Unload(0)"}},
    {"description lookup: Enter with a found record loads it without moving the caret",
     &ZEVDescriptionOnly::descriptor,
     [](ControlRig& r) {
         r.answer = [](ControlRig&, const QString& e, QVariantList& a) {
             if (e == QLatin1String("Search")) {
                 a[0] = QStringLiteral("D1");
                 a[1] = true;
             }
         };
         r.type("txtDescription", "ab");
         r.press("txtDescription", Enter);
         r.log << QStringLiteral("loaded %1 key %2").arg(r.as<ZEVDescriptionOnly>().Loaded()).arg(r.as<ZEVDescriptionOnly>().PrimaryKey());
     },
     {"txtDescription[0,0,2850,285]=\"ab\"@2+0", "focus=txtDescription"},
     {"DescChange()", "Load()", "DescChange()", "Search(,false,1)", "Search -> (D1,true,1)", "loaded 1 key D1"}},
    {"description lookup: a failed search by the F3 button empties the box and keeps the focus there",
     &ZEVDescriptionOnly::descriptor,
     [](ControlRig& r) {
         r.type("txtDescription", "xy");
         r.click("cmdSearch");
     },
     {"txtDescription[0,0,2850,285]=\"\"", "focus=txtDescription"},
     {"Search(,false,0)", "Unload()", "DescChange()"}},
    {"list lookup: F3 finds the record, Enter in the description adds it to the list",
     &ZEVPersistCombo::descriptor,
     [](ControlRig& r) {
         r.answer = lookupHost;
         r.type("txtCode", "5");
         r.press("txtCode", F3);
         r.log << "focus after search: " + r.host().ActiveControl()->Name();
         r.press("txtDescription", Enter);
     },
     {"txtCode[0,0,1100,330]=\"\"", "txtDescription[1535,0,2740,330]=\"\"", "cboListing[0,360,3870,330]=0 of 1",
      "focus=txtCode"},
     {"Search -> (K5,true,0)", "focus after search: txtDescription", "CodeChange()", "DescChange()", "CodeChange()",
      "AddItem()"}},
    {"list lookup: the same record twice is refused with a warning; the remove button removes the chosen entry",
     &ZEVPersistCombo::descriptor,
     [](ControlRig& r) {
         r.answer = lookupHost;
         for (const char* code : {"5", "12", "5"}) {
             r.type("txtCode", QString::fromLatin1(code));
             r.press("txtCode", F3);
             r.press("txtDescription", Enter);
         }
         r.select("cboListing", 0);
         r.click("cmdRemoveItem");
     },
     {"cboListing[0,360,3870,330]=0 of 1 (Acme", "focus=cmdRemoveItem"},
     {"msgbox:ATENÇÃO! Este item já foi adicionado na lista de filtro.", "RemoveItem()"}},
    {"date range: a preset chosen in the combo sets both pickers from the host's clock",
     &ZEVDateRange::descriptor,
     [](ControlRig& r) { r.select("cboFiltro", 5); },
     {"cboFiltro[0,0,3420,330]=5 of 18", "dtpInicio[0,360,1455,315]=2024-05-08 00:00:00",
      "dtpFim[2205,360,1215,315]=2024-05-15 23:59:59", "focus=cboFiltro"},
     {}},
    {"date range: editing the end picker by hand returns the combo to Customizado and keeps the start",
     &ZEVDateRange::descriptor,
     [](ControlRig& r) {
         r.select("cboFiltro", 2);
         r.nextDay("dtpFim");
     },
     {"cboFiltro[0,0,3420,330]=0 of 18", "dtpInicio[0,360,1455,315]=2024-05-12 00:00:00",
      "dtpFim[2205,360,1215,315]=2024-05-19 23:59:59", "focus=dtpFim"},
     {}},
};

class ControlScenarioTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(ControlScenarioTest, BothLayersGiveTheSameEventsAndState)
{
    const Scenario& s = scenarios[GetParam()];
    SCOPED_TRACE(s.name);
    const ClassDescriptor& d = s.descriptor();
    const auto clock = std::make_shared<TestClock>(Now);
    std::unique_ptr<ControlRig> rigs[] = {std::make_unique<TestKitControlRig>(d, clock),
                                          std::make_unique<QtControlRig>(d, clock)};
    QString states[2];
    QStringList logs[2];
    for (int i = 0; i < 2; ++i) {
        ControlRig& rig = *rigs[i];
        SCOPED_TRACE(rig.layer());
        rig.log.clear();
        s.run(rig);
        states[i] = rig.state();
        logs[i] = rig.log;
        for (const QString& part : s.expectedState)
            EXPECT_TRUE(states[i].contains(part)) << part.toStdString() << "\n in " << states[i].toStdString();
        qsizetype at = 0;
        for (const QString& entry : s.expectedLog) {
            const qsizetype found = logs[i].indexOf(entry, at);
            EXPECT_GE(found, 0) << entry.toStdString() << "\n not in order in " << logs[i].join(" | ").toStdString();
            at = found < 0 ? at : found + 1;
        }
    }
    EXPECT_EQ(logs[0], logs[1]);
    EXPECT_EQ(states[0], states[1]);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ControlScenarioTest, ::testing::Range(0, int(std::size(scenarios))));

} // namespace
