// One table of user scenarios, run over the test kit's in-memory host and over
// the Qt adapters with real input (keys, mouse clicks, focus changes, the
// combo's drop-down): the five controls, and a form of bare widgets for the
// widget contract. Both layers must give the expected log and state, and the
// same log and state as each other.

#include "QtTestSupport.h"
#include "framework/ComboBox.h"
#include "framework/DateTimePicker.h"
#include "framework/KeyCodes.h"
#include "framework/SSPanel.h"
#include "qt/ZEVControlWidget_p.h"
#include "testkit/TestClock.h"
#include "testkit/TestHost.h"

#include <QAbstractItemView>
#include <QComboBox>
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
const Key Delete{Qt::Key_Delete, KeyCodes::Delete};
const Key Home{Qt::Key_Home, KeyCodes::Home};

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

// One control (or a form of bare widgets) over either layer, with the host's answers and one log.
class Rig {
public:
    virtual ~Rig() = default;
    virtual const char* layer() const = 0;
    virtual ControlHost& host() = 0;
    virtual const std::vector<std::unique_ptr<Widget>>& widgets() = 0;
    virtual void start() = 0; // shows the form, with no widget focused
    Control* control = nullptr;

    // The user's actions; each first gives the widget the focus where a user's would.
    virtual void focus(Widget& w) = 0;
    virtual void type(Widget& w, const QString& text) = 0;
    virtual void press(Widget& w, Key key) = 0;
    virtual void click(Widget& w) = 0;
    virtual void tab() = 0;
    virtual void leave() = 0; // to another control of the form
    virtual void select(Widget& combo, int index) = 0;
    virtual void nextDay(Widget& picker) = 0;
    virtual void selectNext(Widget& combo) = 0; // the Down key, with the list closed

    Widget& w(const char* name)
    {
        for (const auto& x : widgets())
            if (x->Name() == QLatin1String(name))
                return *x;
        throw std::logic_error(name);
    }
    void focus(const char* name) { focus(w(name)); }
    void type(const char* name, const QString& text) { type(w(name), text); }
    void press(const char* name, Key key) { press(w(name), key); }
    void click(const char* name) { click(w(name)); }
    void select(const char* name, int index) { select(w(name), index); }
    void nextDay(const char* name) { nextDay(w(name)); }
    template <typename C>
    C& as() { return dynamic_cast<C&>(*control); }

    // The host's handler of every event: may change the by-reference arguments.
    std::function<void(Rig& rig, const QString& event, QVariantList& args)> answer;
    QStringList log;

    // The bare widgets' form, wired to the log.
    FlatEdit* txtA = nullptr;
    FlatEdit* txtB = nullptr;
    PushButton* cmdGo = nullptr;
    PushButton* cmdKeep = nullptr; // leaves the focus where it is on a click
    ComboBox* cbo = nullptr;
    DateTimePicker* dtp = nullptr;
    std::function<void(qint16& code, qint16& shift)> keyDownRule;
    std::function<void(qint16& ascii)> keyPressRule;

    void buildForm()
    {
        txtA = &createWidget<FlatEdit>(host(), design("txtA", WidgetKind::FlatEdit, 0, 0));
        txtB = &createWidget<FlatEdit>(host(), design("txtB", WidgetKind::FlatEdit, 0, 330));
        cmdGo = &createWidget<PushButton>(host(), design("cmdGo", WidgetKind::PushButton, 0, 660));
        cbo = &createWidget<ComboBox>(host(), design("cbo", WidgetKind::ComboBox, 0, 990));
        dtp = &createWidget<DateTimePicker>(host(), design("dtp", WidgetKind::DateTimePicker, 0, 1320));
        WidgetDesign keep = design("cmdKeep", WidgetKind::PushButton, 0, 1650);
        keep.focusOnClick = false;
        cmdKeep = &createWidget<PushButton>(host(), keep);
        for (Widget* x : std::initializer_list<Widget*>{txtA, txtB, cmdGo, cbo, dtp, cmdKeep}) {
            const QString name = x->Name();
            x->onGotFocus = [this, name] { log << "+" + name + "(" + activeName() + ")"; };
            x->onLostFocus = [this, name] { log << "-" + name + "(" + activeName() + ")"; };
        }
        for (FlatEdit* e : {txtA, txtB}) {
            e->onChange = [this, e] { log << e->Name() + "=" + e->Text() + "@" + QString::number(e->SelStart()); };
            e->onKeyDown = [this](qint16& code, qint16& shift) {
                if (code < 16 || code > 18) // the modifier keys themselves
                    log << QStringLiteral("D%1/%2").arg(code).arg(shift);
                if (keyDownRule)
                    keyDownRule(code, shift);
            };
            e->onKeyPress = [this](qint16& ascii) {
                log << QStringLiteral("P%1").arg(ascii);
                if (keyPressRule)
                    keyPressRule(ascii);
            };
            e->onKeyUp = [this](qint16& code, qint16& shift) {
                if (code < 16 || code > 18)
                    log << QStringLiteral("U%1/%2").arg(code).arg(shift);
            };
        }
        cmdGo->onClick = [this] { log << QStringLiteral("click cmdGo"); };
        cmdKeep->onClick = [this] { log << "click cmdKeep(" + activeName() + ")"; };
        cbo->onClick = [this] { log << QStringLiteral("click cbo %1").arg(cbo->ListIndex()); };
        dtp->onChange = [this] { log << "dtp " + dtp->Value().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); };
    }

    QString state()
    {
        const auto date = [](const QDateTime& d) {
            return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QStringLiteral("null");
        };
        const auto n = [](double v) { return QString::number(v); };
        if (txtA)
            return "txtA=" + txtA->Text() + "@" + n(txtA->SelStart()) + "+" + n(txtA->SelLength()) + " txtB=" + txtB->Text()
                   + " cbo=" + n(cbo->ListIndex()) + ":" + cbo->Text() + " dtp=" + date(dtp->Value());
        QStringList parts;
        for (const auto& x : widgets()) {
            QString s = x->Name() + "[" + n(x->Left()) + "," + n(x->Top()) + "," + n(x->Width()) + "," + n(x->Height())
                        + (x->Visible() ? "" : " hidden") + (x->Enabled() ? "" : " disabled") + "]";
            if (auto* e = dynamic_cast<FlatEdit*>(x.get()))
                s += "=\"" + e->Text() + "\"@" + n(e->SelStart()) + "+" + n(e->SelLength()) + " fg" + hex(e->ForeColor())
                     + " bg" + hex(e->BackColor()) + " al" + n(e->Alignment());
            else if (auto* p = dynamic_cast<SSPanel*>(x.get()))
                s += "=\"" + p->Caption() + "\" bg" + hex(p->BackColor());
            else if (auto* c = dynamic_cast<ComboBox*>(x.get())) {
                QStringList items;
                for (qint32 i = 0; i < c->ListCount() && i < 3; ++i)
                    items << c->List(i).trimmed();
                s += "=" + n(c->ListIndex()) + " of " + n(c->ListCount()) + " (" + items.join('|') + ")";
            } else if (auto* d = dynamic_cast<DateTimePicker*>(x.get()))
                s += "=" + date(d->Value());
            parts << s;
        }
        parts << "focus=" + activeName();
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
    QString activeName()
    {
        Widget* a = host().ActiveControl();
        return a ? a->Name() : QStringLiteral("none");
    }
};

class TestKitRig : public Rig {
public:
    TestKitRig(const ClassDescriptor* d, std::shared_ptr<const Clock> clock)
    {
        if (!d)
            return;
        host_.onAnyEvent = [this, d](int number, QVariantList& args) { raised(d->event(number)->name, args); };
        host_.onMsgBox = [this](const ShownMessage& m) { log << "msgbox:" + m.prompt; };
        host_.notify = [this](const QString& key) { log << "changed:" + key; };
        control_ = d->create(host_);
        control = control_.get();
        if (auto* range = dynamic_cast<ZEVDateRange*>(control))
            range->setClock(clock);
        control->Initialize();
        control->InitProperties();
        host_.resize(d->designWidth, d->designHeight);
    }
    ~TestKitRig() override
    {
        if (control)
            control->Terminate();
    }
    const char* layer() const override { return "test kit"; }
    ControlHost& host() override { return host_; }
    const std::vector<std::unique_ptr<Widget>>& widgets() override { return host_.widgets(); }
    void start() override {}
    void focus(Widget& x) override { host_.focus(x); }
    void type(Widget& x, const QString& text) override { host_.type(x, text); }
    void press(Widget& x, Key key) override { host_.pressKey(x, key.code); }
    void click(Widget& x) override { host_.click(x); }
    void tab() override { host_.tab(); }
    void leave() override { host_.focusElsewhere(); }
    void select(Widget& combo, int index) override { host_.select(combo, index); }
    void selectNext(Widget& combo) override { host_.select(combo, dynamic_cast<ComboBox&>(combo).ListIndex() + 1); }
    void nextDay(Widget& picker) override
    {
        const QDateTime v = dynamic_cast<DateTimePicker&>(picker).Value();
        host_.editDate(picker, v.isValid() ? v.addDays(1) : QDateTime(QDate::currentDate(), QTime(0, 0)));
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

class QtRig : public Rig {
public:
    QtRig(const ClassDescriptor* d, std::shared_ptr<const Clock> clock)
        : modal_([this](QDialog& dialog) {
              if (auto* box = qobject_cast<QMessageBox*>(&dialog))
                  log << "msgbox:" + box->text();
              dialog.reject();
          })
    {
        if (!d) {
            form_ = std::make_unique<QtControlHost>(&window_);
            window_.resize(200, 250);
            return;
        }
        widget_ = makeControlWidget(d->className, &window_, clock);
        control = &widget_->control();
        QObject::connect(widget_, &ZEVControlWidget::eventRaised,
                         [this](const QString& event, QVariantList& args) { raised(event, args); });
        QObject::connect(widget_, &ZEVControlWidget::propertyChanged,
                         [this](const QString& key) { log << "changed:" + key; });
        // Another control of the form, where the focus goes when it leaves this one.
        outside_ = new QLineEdit(&window_);
        outside_->setGeometry(0, 150, 100, 20);
        window_.resize(320, 180);
    }
    void start() override
    {
        showActive(window_);
        if (widget_)
            widget_->resizeTwips(control->Descriptor().designWidth, control->Descriptor().designHeight);
        // Showing the window focused a widget; a rig starts with no focus, as the test kit's does.
        if (QWidget* f = QApplication::focusWidget())
            f->clearFocus();
    }
    const char* layer() const override { return "Qt"; }
    ControlHost& host() override { return form_ ? *form_ : ZEVControlWidgetPrivate::hostOf(*widget_); }
    const std::vector<std::unique_ptr<Widget>>& widgets() override
    {
        return (form_ ? *form_ : ZEVControlWidgetPrivate::hostOf(*widget_)).widgets();
    }
    void focus(Widget& x) override
    {
        if (!q(x)->hasFocus())
            q(x)->setFocus(Qt::MouseFocusReason);
    }
    void type(Widget& x, const QString& text) override
    {
        focus(x);
        keyboardType(q(x), text);
    }
    void press(Widget& x, Key key) override
    {
        focus(x);
        QTest::keyClick(q(x), key.qt);
    }
    void click(Widget& x) override { QTest::mouseClick(q(x), Qt::LeftButton); }
    void tab() override { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    void leave() override { QTest::mouseClick(outside_, Qt::LeftButton); }
    void select(Widget& x, int index) override
    {
        // Opened, the item chosen in the drop-down list and confirmed with Enter.
        auto* combo = qobject_cast<QComboBox*>(q(x));
        focus(x);
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        list->setCurrentIndex(combo->model()->index(index, 0));
        QTest::keyClick(list, Qt::Key_Return);
    }
    void selectNext(Widget& combo) override
    {
        focus(combo);
        QTest::keyClick(q(combo), Qt::Key_Down);
    }
    void nextDay(Widget& picker) override
    {
        focus(picker);
        if (dynamic_cast<DateTimePicker&>(picker).Value().isValid())
            QTest::keyClick(q(picker), Qt::Key_Home); // the day is the first field
        QTest::keyClick(q(picker), Qt::Key_Up);
    }

private:
    ModalAnswer modal_;
    QWidget window_;
    std::unique_ptr<QtControlHost> form_;
    ZEVControlWidget* widget_ = nullptr;
    QLineEdit* outside_ = nullptr;
};

struct Scenario {
    const char* name;
    const char* className; // nullptr: the form of bare widgets
    std::function<void(Rig&)> run;
    QStringList state; // parts the final state holds; for the bare widgets the whole state, if any
    QStringList log;   // entries the log holds in this order; the whole log for the bare widgets
};

// A host that finds code 12 (Acme, key 42) and code 5 (Beta, key K5) and nothing else.
void lookupHost(Rig& r, const QString& event, QVariantList& a)
{
    if (event != QLatin1String("Search"))
        return;
    Control& c = *r.control;
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

const QDateTime May6 = QDateTime(QDate(2024, 5, 6), QTime(10, 20, 30, 500));

const Scenario scenarios[] = {
    {"numeric: typing 7x keeps 7, the x is undone",
     "ZEVNumeric",
     [](Rig& r) { r.type("txtValue", "7x"); },
     // back to the last number, shown through the assignment's formatting
     {"txtValue[0,0,1140,525]=\"7,00\"@1+0"},
     {"KeyDown(55,0)", "KeyPress(55)", "Change()", "KeyUp(55,0)", "KeyDown(88,0)", "KeyPress(120)"}},
    {"numeric: a negative number typed and left is formatted, red and right-aligned; entering shows it plain",
     "ZEVNumeric",
     [](Rig& r) {
         r.type("txtValue", "-12,5");
         r.leave();
         r.log << "left: " + r.as<ZEVNumeric>().Text();
         r.focus("txtValue");
     },
     {"=\"-12,5\"@0+5 fgff bgffffff al0"}, {"left: -12,5"}},
    {"code lookup: F3 with a code the host finds loads the record",
     "ZEVCodeDescription",
     [](Rig& r) {
         r.answer = lookupHost;
         r.type("txtCode", "12");
         r.press("txtCode", F3);
         r.log << QStringLiteral("loaded %1 key %2").arg(r.as<ZEVCodeDescription>().Loaded()).arg(r.as<ZEVCodeDescription>().PrimaryKey());
     },
     {"txtCode[0,0,1100,225]=\"12\"", "panDescription[1535,0,2680,255]=\"Acme\"", "focus=txtCode"},
     {"host looks up code 12", "Load()", "DescChange()", "Search -> (42,true,0)", "Load()", "loaded 1 key 42"}},
    {"code lookup: a click on F3 after typing a code searches that code and leaves the focus in the code box",
     "ZEVCodeDescription",
     [](Rig& r) {
         r.answer = lookupHost;
         r.type("txtCode", "5");
         r.click("cmdSearch");
     },
     {"txtCode[0,0,1100,225]=\"5\"", "=\"Beta\"", "focus=txtCode"},
     {"host looks up code 5", "Search -> (K5,true,0)"}},
    {"code lookup: leaving an unloaded code box by Tab clears it; Backspace after a load unloads",
     "ZEVCodeDescription",
     [](Rig& r) {
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
     "ZEVDescriptionOnly",
     [](Rig& r) {
         r.answer = [](Rig&, const QString& e, QVariantList& a) {
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
     "ZEVDescriptionOnly",
     [](Rig& r) {
         r.type("txtDescription", "xy");
         r.click("cmdSearch");
     },
     {"txtDescription[0,0,2850,285]=\"\"", "focus=txtDescription"},
     {"Search(,false,0)", "Unload()", "DescChange()"}},
    {"list lookup: F3 finds the record, Enter in the description adds it to the list",
     "ZEVPersistCombo",
     [](Rig& r) {
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
     "ZEVPersistCombo",
     [](Rig& r) {
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
     "ZEVDateRange",
     [](Rig& r) { r.select("cboFiltro", 5); },
     {"cboFiltro[0,0,3420,330]=5 of 18", "dtpInicio[0,360,1455,315]=2024-05-08 00:00:00",
      "dtpFim[2205,360,1215,315]=2024-05-15 23:59:59", "focus=cboFiltro"},
     {}},
    {"date range: editing the end picker by hand returns the combo to Customizado and keeps the start",
     "ZEVDateRange",
     [](Rig& r) {
         r.select("cboFiltro", 2);
         r.nextDay("dtpFim");
     },
     {"cboFiltro[0,0,3420,330]=0 of 18", "dtpInicio[0,360,1455,315]=2024-05-12 00:00:00",
      "dtpFim[2205,360,1215,315]=2024-05-19 23:59:59", "focus=dtpFim"},
     {}},
    {"a text write raises Change only when the text differs, and puts the caret at 0", nullptr,
     [](Rig& r) {
         r.type(*r.txtA, "ab");
         r.txtA->setText("ab");
         r.log << QStringLiteral("same text, caret %1").arg(r.txtA->SelStart());
         r.txtA->setText("xyz");
         r.txtA->setSelStart(3);
         r.txtA->setText("xyz");
     },
     {"txtA=xyz@0+0 txtB= cbo=-1: dtp=null"},
     {"+txtA(txtA)", "D65/0", "P97", "txtA=a@1", "U65/0", "D66/0", "P98", "txtA=ab@2", "U66/0", "same text, caret 0",
      "txtA=xyz@0"}},
    {"typing replaces the selection, with Change after the caret moved", nullptr,
     [](Rig& r) {
         r.txtA->setText("1234");
         r.log.clear();
         r.txtA->setSelStart(1);
         r.txtA->setSelLength(2);
         r.type(*r.txtA, "X");
     },
     {"txtA=1X4@2+0 txtB= cbo=-1: dtp=null"}, {"+txtA(txtA)", "D88/1", "P88", "txtA=1X4@2", "U88/1"}},
    {"MaxLength stops typing but not writing; Locked stops typing", nullptr,
     [](Rig& r) {
         r.txtA->setMaxLength(3);
         r.txtA->setText("12345");
         r.txtA->setSelStart(5);
         r.type(*r.txtA, "6");
         r.txtA->setSelStart(0);
         r.txtA->setSelLength(3);
         r.type(*r.txtA, "7");
         r.txtA->setLocked(true);
         r.type(*r.txtA, "8");
         r.press(*r.txtA, Delete);
     },
     {"txtA=745@1+0 txtB= cbo=-1: dtp=null"},
     {"txtA=12345@0", "+txtA(txtA)", "D54/0", "P54", "U54/0", "D55/0", "P55", "txtA=745@1", "U55/0", "D56/0", "P56",
      "U56/0", "D46/0", "U46/0"}},
    {"KeyAscii 0 cancels a character, another KeyAscii types that one", nullptr,
     [](Rig& r) {
         r.keyPressRule = [](qint16& a) {
             if (a == 'x')
                 a = 0;
             else if (a == 'a')
                 a = 'B';
         };
         r.type(*r.txtA, "xa");
     },
     {"txtA=B@1+0 txtB= cbo=-1: dtp=null"},
     {"+txtA(txtA)", "D88/0", "P120", "U88/0", "D65/0", "P97", "txtA=B@1", "U65/0"}},
    {"Backspace and Delete edit around the caret and the selection", nullptr,
     [](Rig& r) {
         r.txtA->setText("abcdef");
         r.log.clear();
         r.txtA->setSelStart(6);
         r.press(*r.txtA, Backspace);
         r.txtA->setSelStart(0);
         r.press(*r.txtA, Delete);
         r.txtA->setSelStart(1);
         r.txtA->setSelLength(2);
         r.press(*r.txtA, Backspace);
     },
     {"txtA=be@1+0 txtB= cbo=-1: dtp=null"},
     {"+txtA(txtA)", "D8/0", "P8", "txtA=abcde@5", "U8/0", "D46/0", "txtA=bcde@0", "U46/0", "D8/0", "P8", "txtA=be@1",
      "U8/0"}},
    {"KeyCode changed in KeyDown: 0 cancels the key, another code acts as that key", nullptr,
     [](Rig& r) {
         r.txtA->setText("abc");
         r.log.clear();
         r.keyDownRule = [](qint16& code, qint16&) {
             if (code == KeyCodes::Back)
                 code = 0;
             else if (code == KeyCodes::Delete)
                 code = KeyCodes::Home;
         };
         r.txtA->setSelStart(3);
         r.press(*r.txtA, Backspace); // cancelled: no KeyPress
         r.txtA->setSelStart(2);
         r.press(*r.txtA, Delete); // moves home instead of deleting
         r.keyDownRule = nullptr;
         r.type(*r.txtA, "z");
     },
     {"txtA=zabc@1+0 txtB= cbo=-1: dtp=null"},
     // KeyUp starts from what KeyDown left.
     {"+txtA(txtA)", "D8/0", "U0/0", "D46/0", "U36/0", "D90/0", "P122", "txtA=zabc@1", "U90/0"}},
    {"Enter sends its character without typing it; F3 sends no character", nullptr,
     [](Rig& r) {
         r.txtA->setText("12");
         r.log.clear();
         r.press(*r.txtA, Enter);
         r.press(*r.txtA, F3);
         r.press(*r.txtA, Home);
     },
     {"txtA=12@0+0 txtB= cbo=-1: dtp=null"},
     {"+txtA(txtA)", "D13/0", "P13", "U13/0", "D114/0", "U114/0", "D36/0", "U36/0"}},
    {"a ListIndex write raises Click before it returns, also when unchanged; so does a user's choice", nullptr,
     [](Rig& r) {
         r.cbo->AddItem("one");
         r.cbo->AddItem("three");
         r.cbo->AddItem("two", 1);
         r.log << QStringLiteral("index %1 new %2").arg(r.cbo->ListIndex()).arg(r.cbo->NewIndex());
         r.cbo->setListIndex(2);
         r.cbo->setListIndex(2);
         r.cbo->RemoveItem(2);
         r.log << QStringLiteral("index %1").arg(r.cbo->ListIndex());
         r.cbo->setListIndex(0);
         r.selectNext(*r.cbo);
     },
     {"txtA=@0+0 txtB= cbo=1:two dtp=null"},
     {"index -1 new 1", "click cbo 2", "click cbo 2", "index -1", "click cbo 0", "+cbo(cbo)", "click cbo 1"}},
    {"picker writes raise no Change, a user's edit does; Null is kept until the user starts a date", nullptr,
     [](Rig& r) {
         r.dtp->setValue(May6);
         r.nextDay(*r.dtp);
         r.dtp->setValue(QDateTime());
         r.log << (r.dtp->Value().isValid() ? "dated" : "null");
         // The user's first step starts from today; the date is read around it, as midnight may pass.
         const QDate before = QDate::currentDate();
         r.nextDay(*r.dtp);
         for (const QDate& d : {before, QDate::currentDate()})
             r.log.last().replace(d.toString(QStringLiteral("yyyy-MM-dd")), QStringLiteral("today"));
     },
     {}, {"+dtp(dtp)", "dtp 2024-05-07 10:20:30", "null", "dtp today 00:00:00"}},
    {"an edit box keeps its selection while the focus is elsewhere, and has it again after SetFocus", nullptr,
     [](Rig& r) {
         r.txtA->setText("abcd");
         r.type(*r.txtA, "");
         r.txtA->setSelStart(1);
         r.txtA->setSelLength(2);
         r.tab();
         r.log << QStringLiteral("away %1+%2").arg(r.txtA->SelStart()).arg(r.txtA->SelLength());
         r.txtA->setSelStart(3); // written while away
         r.log << QStringLiteral("moved %1+%2").arg(r.txtA->SelStart()).arg(r.txtA->SelLength());
         r.txtA->setSelLength(1);
         r.txtA->SetFocus();
     },
     {"txtA=abcd@3+1 txtB= cbo=-1: dtp=null"},
     {"txtA=abcd@0", "+txtA(txtA)", "-txtA(txtB)", "+txtB(txtB)", "away 1+2", "moved 3+0", "-txtB(txtA)", "+txtA(txtA)"}},
    {"a click on a button that keeps the focus leaves the edit box focused, its text and caret as they were; the focus "
     "moves by Tab and by a click with LostFocus, then GotFocus, ActiveControl already the new widget",
     nullptr,
     [](Rig& r) {
         r.type(*r.txtA, "7");
         r.click(*r.cmdKeep);
         r.type(*r.txtA, "8");
         r.tab();
         r.tab();
         r.tab();
         r.tab();
         r.tab(); // Tab still reaches it
         r.click(*r.cmdGo);
     },
     {"txtA=78@2+0 txtB= cbo=-1: dtp=null"},
     {"+txtA(txtA)", "D55/0", "P55", "txtA=7@1", "U55/0", "click cmdKeep(txtA)", "D56/0", "P56", "txtA=78@2", "U56/0",
      "-txtA(txtB)", "+txtB(txtB)", "-txtB(cmdGo)", "+cmdGo(cmdGo)", "-cmdGo(cbo)", "+cbo(cbo)", "-cbo(dtp)",
      "+dtp(dtp)", "-dtp(cmdKeep)", "+cmdKeep(cmdKeep)", "-cmdKeep(cmdGo)", "+cmdGo(cmdGo)", "click cmdGo"}},
};

class ScenarioTest : public PtBr, public ::testing::WithParamInterface<int> {};

TEST_P(ScenarioTest, BothLayersGiveTheExpectedEventsAndState)
{
    const Scenario& s = scenarios[GetParam()];
    SCOPED_TRACE(s.name);
    const ClassDescriptor* d = nullptr;
    for (const ClassDescriptor* c : {&ZEVNumeric::descriptor(), &ZEVCodeDescription::descriptor(),
                                     &ZEVDescriptionOnly::descriptor(), &ZEVPersistCombo::descriptor(),
                                     &ZEVDateRange::descriptor()})
        if (s.className && c->className == QLatin1String(s.className))
            d = c;
    const auto clock = std::make_shared<TestClock>(Now);
    std::unique_ptr<Rig> rigs[] = {std::make_unique<TestKitRig>(d, clock), std::make_unique<QtRig>(d, clock)};
    QString states[2];
    QStringList logs[2];
    for (int i = 0; i < 2; ++i) {
        Rig& rig = *rigs[i];
        SCOPED_TRACE(rig.layer());
        if (!d)
            rig.buildForm();
        rig.start();
        rig.log.clear();
        s.run(rig);
        states[i] = rig.state();
        logs[i] = rig.log;
        if (!d) {
            EXPECT_EQ(logs[i], s.log);
            if (!s.state.isEmpty()) {
                EXPECT_EQ(states[i], s.state.first());
            }
            continue;
        }
        for (const QString& part : s.state)
            EXPECT_TRUE(states[i].contains(part)) << part.toStdString() << "\n in " << states[i].toStdString();
        qsizetype at = 0;
        for (const QString& entry : s.log) {
            const qsizetype found = logs[i].indexOf(entry, at);
            EXPECT_GE(found, 0) << entry.toStdString() << "\n not in order in " << logs[i].join(" | ").toStdString();
            at = found < 0 ? at : found + 1;
        }
    }
    EXPECT_EQ(logs[0], logs[1]);
    EXPECT_EQ(states[0], states[1]);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ScenarioTest, ::testing::Range(0, int(std::size(scenarios))));

TEST(Contract, RefusedValuesFailWithTheSameErrorsOnBothLayers)
{
    auto expectError = [](int number, const std::function<void()>& f) { EXPECT_EQ(errorOf(f), number); };
    std::unique_ptr<Rig> rigs[] = {std::make_unique<TestKitRig>(nullptr, nullptr), std::make_unique<QtRig>(nullptr, nullptr)};
    for (auto& r : rigs) {
        SCOPED_TRACE(r->layer());
        r->buildForm();
        r->start();
        r->log.clear();
        for (Widget* w : std::initializer_list<Widget*>{r->txtA, r->cmdGo, r->cbo, r->dtp}) {
            expectError(380, [w] { w->setWidth(-1); });
            expectError(380, [w] { w->setHeight(-0.5f); });
            EXPECT_EQ(w->Width(), 1500); // unchanged
            w->setWidth(0);               // zero is a size
        }
        expectError(380, [&] { r->txtA->setMaxLength(-1); });
        expectError(380, [&] { r->txtA->setSelStart(-1); });
        expectError(380, [&] { r->txtA->setSelLength(-1); });
        expectError(380, [&] { r->cbo->setListIndex(0); });
        expectError(5, [&] { r->cbo->AddItem("x", 1); });
        expectError(5, [&] { r->cbo->RemoveItem(0); });
        r->txtA->setVisible(false);
        expectError(5, [&] { r->txtA->SetFocus(); });
        EXPECT_TRUE(r->log.isEmpty()) << r->log.join(' ').toStdString();
    }
}

} // namespace
