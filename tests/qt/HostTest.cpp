#include "QtTestSupport.h"
#include "framework/ComboBox.h"
#include "framework/DateTimePicker.h"
#include "framework/FlatEdit.h"
#include "framework/Label.h"
#include "framework/PushButton.h"
#include "framework/SSPanel.h"
#include "qt/QtKeys.h"
#include "qt/QtUnits.h"
#include "testkit/TestForm.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

using namespace zev;
using namespace zev::testing;

namespace {

struct Surface {
    QWidget window;
    QtControlHost host{&window};
    Surface() { window.resize(300, 200); }
};

} // namespace

TEST(QtUnits, TwipsFollowTheLogicalDpi)
{
    struct Case {
        double dpi, twips;
        int pixels;
    };
    const Case cases[] = {{96, 1440, 96}, {96, 15, 1}, {96, 1100, 73}, {96, -375, -25}, {120, 1440, 120},
                          {144, 660, 66}, {192, 2235, 298}, {96, 1e30, (1 << 24) - 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(QtUnits::toPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
    }
    EXPECT_EQ(QtUnits::toTwips(73, 96), 1095.0f);
    EXPECT_EQ(QtUnits::toTwips(100, 192), 750.0f);
    // Runs that meet in twips meet in pixels: 0-1100, then 30 twips, then 1130-1505.
    const auto a = QtUnits::toPixelRun(0, 1100, 96), b = QtUnits::toPixelRun(1130, 375, 96);
    EXPECT_EQ(b.start - (a.start + a.length), QtUnits::toPixels(1130, 96) - QtUnits::toPixels(1100, 96));
    EXPECT_EQ(QtUnits::logicalDpiX(nullptr), 96.0); // the offscreen screen
}

TEST(QtHost, WidgetsArePlacedInTwipsAndKeepTheExactValues)
{
    Surface s;
    auto& label = createWidget<Label>(s.host, design("lbl", WidgetKind::Label, 660, 2340, 2235, 375));
    EXPECT_EQ(q(label)->geometry(), QRect(44, 156, 149, 25));
    label.setLeft(1130.5f);
    EXPECT_EQ(label.Left(), 1130.5f);
    EXPECT_EQ(q(label)->x(), 75);
    EXPECT_EQ(q(label)->parentWidget(), &s.window);

    s.host.setScaleSize(4000, 300);
    EXPECT_EQ(s.window.size(), QSize(267, 20));
    EXPECT_EQ(s.host.ScaleWidth(), 4000.0f); // exact while the pixels are those of 4000 twips
    EXPECT_EQ(s.host.ScaleHeight(), 300.0f);
    s.window.resize(100, 40); // the user's size: whole pixels
    EXPECT_EQ(s.host.ScaleWidth(), 1500.0f);
    EXPECT_EQ(s.host.ScaleHeight(), 600.0f);
}

TEST(QtHost, WidgetColoursFollowTheirValuesAndTheApplicationPalette)
{
    Surface s;
    auto& edit = createWidget<FlatEdit>(s.host, design("txt", WidgetKind::FlatEdit));
    auto& panel = createWidget<SSPanel>(s.host, design("pan", WidgetKind::SSPanel));
    auto& plain = createWidget<FlatEdit>(s.host, design("txtRed", WidgetKind::FlatEdit));
    plain.setBackColor(Colors::Red);
    EXPECT_EQ(q(plain)->palette().color(QPalette::Base), QColor(Qt::red));
    plain.setForeColor(Colors::Blue);
    EXPECT_EQ(q(plain)->palette().color(QPalette::Text), QColor(Qt::blue));
    EXPECT_EQ(edit.BackColor(), Colors::WindowBackground);
    EXPECT_EQ(panel.BackColor(), Colors::ButtonFace);
    EXPECT_EQ(panel.ForeColor(), Colors::ButtonText);

    const QPalette saved = QGuiApplication::palette();
    QPalette themed = saved;
    themed.setColor(QPalette::Base, QColor(0, 128, 0));
    themed.setColor(QPalette::Button, QColor(1, 2, 3));
    themed.setColor(QPalette::Text, QColor(250, 250, 200));
    themed.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    QApplication::setPalette(themed);
    QCoreApplication::processEvents(); // Qt tells the widgets through the event loop
    EXPECT_EQ(q(edit)->palette().color(QPalette::Base), QColor(0, 128, 0)); // system colours follow the theme
    EXPECT_EQ(q(panel)->palette().color(QPalette::Window), QColor(1, 2, 3));
    EXPECT_EQ(q(edit)->palette().color(QPalette::Text), QColor(250, 250, 200));
    EXPECT_EQ(q(panel)->palette().color(QPalette::WindowText), QColor(240, 240, 240));
    EXPECT_EQ(q(plain)->palette().color(QPalette::Base), QColor(Qt::red)); // a plain colour stays
    QApplication::setPalette(saved);
    QCoreApplication::processEvents();
}

// A fixed background is written for the disabled look only once the part is
// disabled (the theme greys it): whichever way it is disabled, it stays.
TEST(QtHost, AFixedBackgroundStaysWhenThePartIsDisabled)
{
    Surface s;
    auto& white = createWidget<FlatEdit>(s.host, design("txtWhite", WidgetKind::FlatEdit));
    white.setBackColor(Colors::White);
    auto& themed = createWidget<FlatEdit>(s.host, design("txtThemed", WidgetKind::FlatEdit));
    const std::function<void(bool)> ways[] = {[&](bool on) { s.window.setEnabled(on); },
                                              [&](bool on) { white.setEnabled(on), themed.setEnabled(on); }};
    for (const auto& enable : ways)
        for (const bool on : {false, true, false, true}) {
            enable(on);
            const QPalette::ColorGroup group = on ? QPalette::Active : QPalette::Disabled;
            SCOPED_TRACE(on);
            EXPECT_EQ(q(white)->palette().color(group, QPalette::Base), QColor(Qt::white));
            EXPECT_EQ(q(themed)->palette().color(group, QPalette::Base),
                      QApplication::palette(q(themed)).color(group, QPalette::Base));
        }
}

TEST(QtHost, TheFontObjectDrivesTheWidgetFont)
{
    Surface s;
    WidgetDesign d = design("cmd", WidgetKind::PushButton);
    d.font = FontDesc{QStringLiteral("Tahoma"), 8.25, true, false, false, false, 700, 0};
    auto& button = createWidget<PushButton>(s.host, d);
    EXPECT_EQ(q(button)->font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(q(button)->font().pointSizeF(), 8.25);
    EXPECT_EQ(q(button)->font().weight(), QFont::Bold);

    Font& f = button.font();
    f.setName(QStringLiteral("Courier New"));
    f.setSize(12);
    f.setBold(false);
    f.setItalic(true);
    f.setUnderline(true);
    f.setStrikethrough(true);
    f.setCharset(2);
    const QFont shown = q(button)->font();
    EXPECT_EQ(shown.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(shown.pointSizeF(), 12.0);
    EXPECT_EQ(shown.weight(), QFont::Normal);
    EXPECT_TRUE(shown.italic() && shown.underline() && shown.strikeOut());
    // The object keeps what it was given, whatever face the machine shows.
    EXPECT_EQ(f.Name(), QStringLiteral("Courier New"));
    EXPECT_EQ(f.Charset(), 2);
    f.setWeight(900);
    EXPECT_EQ(q(button)->font().weight(), QFont::Black);
}

TEST(QtKeys, QtKeysBecomeTheOriginalKeyCodes)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        qint16 code;
    };
    const Case cases[] = {
        {Qt::Key_Return, {}, 13},         {Qt::Key_Enter, Qt::KeypadModifier, 13}, {Qt::Key_F3, {}, 114},
        {Qt::Key_F1, {}, 112},            {Qt::Key_F12, {}, 123},                  {Qt::Key_Backspace, {}, 8},
        {Qt::Key_Delete, {}, 46},         {Qt::Key_Left, {}, 37},                  {Qt::Key_Down, {}, 40},
        {Qt::Key_Home, {}, 36},           {Qt::Key_End, {}, 35},                   {Qt::Key_Escape, {}, 27},
        {Qt::Key_0, {}, 48},              {Qt::Key_9, {}, 57},                     {Qt::Key_5, Qt::KeypadModifier, 101},
        {Qt::Key_A, Qt::ShiftModifier, 65}, {Qt::Key_Z, {}, 90},                   {Qt::Key_Semicolon, {}, 186},
        {Qt::Key_Plus, {}, 187},          {Qt::Key_Comma, {}, 188},                {Qt::Key_Minus, {}, 189},
        {Qt::Key_Minus, Qt::KeypadModifier, 109}, {Qt::Key_Period, {}, 190},       {Qt::Key_Question, {}, 191},
        {Qt::Key_AsciiTilde, {}, 192},    {Qt::Key_VolumeUp, {}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QtKeys::keyCode(c.key, c.mods), c.code) << std::hex << c.key;
    EXPECT_EQ(QtKeys::shiftBits(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(QtKeys::shiftBits(Qt::ControlModifier), 2);
    for (qint16 code : {8, 13, 27, 35, 36, 37, 40, 46, 48, 65, 90, 112, 123})
        EXPECT_EQ(QtKeys::keyCode(QtKeys::qtKey(code), {}), code);
}

TEST(QtFlatEdit, ShortcutsAndPastesAreQtsButPastesKeepMaxLength)
{
    Surface s;
    auto& edit = createWidget<FlatEdit>(s.host, design("txt", WidgetKind::FlatEdit));
    QStringList log;
    edit.onKeyPress = [&](qint16& a) { log << QString::number(a); };
    edit.onChange = [&] { log << "change:" + edit.Text(); };
    showActive(s.window);
    QApplication::clipboard()->setText(QStringLiteral("123456"));
    edit.setText(QStringLiteral("ab"));
    edit.setSelStart(2);
    edit.setMaxLength(4);
    log.clear();
    QTest::keyClick(q(edit), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), QStringLiteral("ab12")); // cut to the room left
    QTest::keyClick(q(edit), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit.SelLength(), 4);
    QTest::keyClick(q(edit), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("ab12"));
    EXPECT_EQ(log, (QStringList{"22", "change:ab12", "1", "3"})); // KeyAscii of Ctrl+V, Ctrl+A, Ctrl+C
    edit.setLocked(true);
    QTest::keyClick(q(edit), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), QStringLiteral("ab12"));
    // A program's text is not cut to MaxLength.
    edit.setText(QStringLiteral("123456789"));
    EXPECT_EQ(edit.Text(), QStringLiteral("123456789"));
}

TEST(QtFlatEdit, WithoutMaxLengthNeitherProgramNorPasteIsCutToQLineEditsLimit)
{
    Surface s;
    auto& other = createWidget<FlatEdit>(s.host, design("other", WidgetKind::FlatEdit)); // takes the focus first
    auto& written = createWidget<FlatEdit>(s.host, design("written", WidgetKind::FlatEdit));
    auto& pasted = createWidget<FlatEdit>(s.host, design("pasted", WidgetKind::FlatEdit));
    showActive(s.window);
    ASSERT_TRUE(q(other)->hasFocus());
    const QString longText(40000, u'7');
    written.setText(longText); // never focused
    EXPECT_EQ(qobject_cast<QLineEdit*>(q(written))->text().size(), longText.size());
    QApplication::clipboard()->setText(longText);
    pasted.SetFocus();
    QTest::keyClick(q(pasted), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(pasted.Text().size(), longText.size());
}

TEST(QtHost, MessageBoxesAreModalAndAnsweredByTheHook)
{
    Surface s;
    s.window.setObjectName(QStringLiteral("ZEVPersistCombo1"));
    auto& edit = createWidget<FlatEdit>(s.host, design("txt", WidgetKind::FlatEdit));
    QStringList focusLog;
    edit.onGotFocus = [&] { focusLog << "got"; };
    edit.onLostFocus = [&] { focusLog << "lost"; };
    showActive(s.window);
    edit.SetFocus();
    QStringList seen;
    {
        ModalAnswer answer([&](QDialog& d) {
            auto* box = qobject_cast<QMessageBox*>(&d);
            ASSERT_NE(box, nullptr);
            seen << QStringLiteral("%1|%2|%3|%4|%5")
                        .arg(box->windowTitle(), box->text())
                        .arg(box->icon())
                        .arg(box->isModal())
                        .arg(QApplication::activeModalWidget() == box);
            box->accept();
        });
        s.host.MsgBox(QStringLiteral("ATENÇÃO! Este item já foi adicionado na lista de filtro."), 48,
                      s.host.ControlName());
        s.host.MsgBox(QStringLiteral("<b>v1</b>"), 64, QStringLiteral("ZEV Suite Controls"));
    }
    EXPECT_EQ(seen, (QStringList{"ZEVPersistCombo1|ATENÇÃO! Este item já foi adicionado na lista de filtro.|2|1|1",
                                 "ZEV Suite Controls|<b>v1</b>|1|1|1"}));
    EXPECT_EQ(focusLog, QStringList{"got"}); // the box took no focus from the widget
    // Offscreen without a hook, a box closes by itself rather than wait for nobody.
    s.host.MsgBox(QStringLiteral("x"), 64, QStringLiteral("t"));
    EXPECT_EQ(s.host.ActiveControl(), &edit);
}

TEST(QtHost, TheAboutFormIsOneModalDialogWithItsDesignedLabel)
{
    frmAbout::Unload();
    Surface s;
    QStringList seen;
    QDialog* first = nullptr;
    ModalAnswer answer([&](QDialog& d) {
        if (!first)
            first = &d;
        auto* label = d.findChild<QLabel*>(QStringLiteral("lblDescription"));
        ASSERT_NE(label, nullptr);
        seen << QStringLiteral("%1 %2x%3 %4 %5 modal=%6 same=%7")
                    .arg(d.windowTitle())
                    .arg(d.width())
                    .arg(d.height())
                    .arg(QStringLiteral("%1,%2,%3,%4").arg(label->x()).arg(label->y()).arg(label->width()).arg(label->height()))
                    .arg(label->text())
                    .arg(d.isModal())
                    .arg(first == &d);
        d.done(0);
    });
    frmAbout::ShowFor(s.host, QStringLiteral("ZEVCodeDescription"));
    frmAbout::ShowFor(s.host, QStringLiteral("ZEVPersistCombo"));
    EXPECT_EQ(seen, (QStringList{"Form1 343x222 44,156,149,25 ZEVCodeDescription modal=1 same=1",
                                 "Form1 343x222 44,156,149,25 ZEVPersistCombo modal=1 same=1"}));
    Widget& label = frmAbout::Instance(s.host).form().widget(QStringLiteral("lblDescription"));
    EXPECT_EQ(label.Width(), 2235.0f);
    EXPECT_EQ(QtAdapter::of(&label)->qwidget()->font().pointSizeF(), 8.25);

    TestForm foreign(frmAbout::Design());
    EXPECT_EQ(errorOf([&] { s.host.ShowModal(foreign); }), 13); // a form of another layer
    // The form stays loaded past its host, to the end of the application, which must unload it cleanly.
}

TEST(QtHost, ActiveControlIsTheFocusedWidgetOfThisControlOnly)
{
    Surface s;
    auto& edit = createWidget<FlatEdit>(s.host, design("txt", WidgetKind::FlatEdit));
    auto& picker = createWidget<DateTimePicker>(s.host, design("dtp", WidgetKind::DateTimePicker, 0, 330));
    auto* other = new QLineEdit(&s.window); // a widget of the form, not of the control
    showActive(s.window);
    other->setFocus();
    EXPECT_EQ(s.host.ActiveControl(), nullptr);
    picker.SetFocus();
    EXPECT_EQ(s.host.ActiveControl(), &picker);
    // Inside the picker the keys go to its own line edit: still the picker.
    q(picker)->findChild<QLineEdit*>()->setFocus();
    EXPECT_EQ(s.host.ActiveControl(), &picker);
    edit.SetFocus();
    EXPECT_EQ(s.host.ActiveControl(), &edit);
}

TEST(QtHost, DoEventsHandlesPendingEvents)
{
    Surface s;
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    s.host.DoEvents();
    EXPECT_TRUE(ran);
}

TEST(QtHost, FailuresInHandlersRunByQtAreReportedNotThrownIntoQt)
{
    Surface s;
    auto& button = createWidget<PushButton>(s.host, design("cmd", WidgetKind::PushButton));
    QSignalSpy errors(&s.host, &QtControlHost::errorRaised);
    button.onClick = [] { throw ControlError(380, QStringLiteral("refused")); };
    showActive(s.window);
    QTest::mouseClick(q(button), Qt::LeftButton);
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors[0][0].toInt(), 380);

    // An endless chain of events fails with 28 at the set depth.
    int depth = 0;
    QObject::connect(&s.host, &QtControlHost::eventRaised, [&](int, QVariantList&) {
        ++depth;
        s.host.RaiseEvent(1);
    });
    EXPECT_EQ(errorOf([&] { s.host.RaiseEvent(1); }), 28);
    EXPECT_EQ(depth, s.host.maxEventDepth);
}

TEST(QtHost, HeldPartsShowOrHideAsTheirLastWriteSaysOnceReleased)
{
    QWidget window;
    window.resize(300, 200);
    QtControlHost host(&window, FontDesc(), QtControlHost::Writes::Held);
    auto& shown = createWidget<FlatEdit>(host, design("txtShown", WidgetKind::FlatEdit));
    auto& hidden = createWidget<FlatEdit>(host, design("txtHidden", WidgetKind::FlatEdit, 0, 330));
    shown.setVisible(false);
    shown.setVisible(true);
    hidden.setVisible(true);
    hidden.setVisible(false);
    host.holdWrites(false);
    showActive(window);
    EXPECT_TRUE(q(shown)->isVisible());
    EXPECT_FALSE(q(hidden)->isVisible());
    EXPECT_FALSE(hidden.Visible());
}

TEST(QtHost, AHostGoingAwayRaisesNothingAndTakesItsWidgets)
{
    QWidget window;
    window.resize(200, 100);
    QStringList log;
    {
        QtControlHost host(&window);
        auto& a = createWidget<FlatEdit>(host, design("txtA", WidgetKind::FlatEdit));
        auto& b = createWidget<FlatEdit>(host, design("txtB", WidgetKind::FlatEdit, 0, 330));
        for (FlatEdit* e : {&a, &b}) {
            e->onGotFocus = [&log, e] { log << "got " + e->Name(); };
            e->onLostFocus = [&log, e] { log << "lost " + e->Name(); };
        }
        showActive(window);
        a.SetFocus();
        log.clear();
    }
    EXPECT_TRUE(log.isEmpty()) << log.join(' ').toStdString();
    EXPECT_TRUE(window.findChildren<QLineEdit*>().isEmpty());
}

TEST(QtDateTimePicker, NullIsAnEmptyFieldAndDatesOutsideTheRangeAreRefused)
{
    Surface s;
    auto& picker = createWidget<DateTimePicker>(s.host, design("dtp", WidgetKind::DateTimePicker));
    auto* edit = static_cast<QDateTimeEdit*>(q(picker));
    EXPECT_FALSE(picker.Value().isValid());
    EXPECT_TRUE(edit->text().trimmed().isEmpty());
    const QDateTime zero(QDate(1899, 12, 30), QTime(0, 0));
    picker.setValue(zero);
    EXPECT_EQ(picker.Value(), zero);
    EXPECT_FALSE(edit->text().trimmed().isEmpty());
    for (const QDateTime& bad : {QDateTime(QDate(1600, 12, 31), QTime(23, 0)), QDateTime(QDate(10000, 1, 1), QTime())})
        EXPECT_EQ(errorOf([&] { picker.setValue(bad); }), 380) << bad.toString().toStdString();
    EXPECT_EQ(picker.Value(), zero);

    // In an empty field the calendar opens on today and leaves the value alone;
    // the first digit starts a date from today: one Change.
    int changes = 0;
    picker.onChange = [&] { ++changes; };
    picker.setValue(QDateTime());
    showActive(s.window);
    edit->setFocus();
    // Today is read around each step that uses it: midnight may pass between.
    const QDate before = QDate::currentDate();
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 4, edit->height() / 2));
    ASSERT_TRUE(edit->calendarWidget()->isVisible());
    const QDate opened = edit->calendarWidget()->selectedDate();
    EXPECT_TRUE(opened == before || opened == QDate::currentDate()) << opened.toString().toStdString();
    QTest::keyClick(edit->calendarWidget(), Qt::Key_Escape);
    EXPECT_FALSE(picker.Value().isValid());
    QTest::keyClick(edit, Qt::Key_Up, Qt::AltModifier); // not a step
    EXPECT_FALSE(picker.Value().isValid());
    EXPECT_EQ(changes, 0);
    const QDate typedOn = QDate::currentDate();
    QTest::keyClick(edit, Qt::Key_1);
    EXPECT_EQ(changes, 1);
    const int month = picker.Value().date().month();
    EXPECT_TRUE(month == typedOn.month() || month == QDate::currentDate().month()) << month;
}

// As the README's "Testing your form" shows it: the list lookup's warning,
// seen and answered through the public dialog handler, on the real widget.
TEST(QtHost, AFormTestSeesAndAnswersTheControlsMessage)
{
    QWidget window;
    auto* products = new ZEVPersistComboWidget(&window);
    QObject::connect(products, &ZEVPersistComboWidget::Search, products,
                     [&](QString& primaryKey, bool& success, eSource&) {
                         products->setDescription(QStringLiteral("Parafuso"));
                         primaryKey = QStringLiteral("P-") + products->Code();
                         success = true;
                     });
    showActive(window);
    QStringList shown;
    ZEVDialogs::Scope answer([&](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            shown << box->text();
        dialog.accept();
    });
    for (int i = 0; i < 2; ++i) {
        QTest::keyClicks(products->ControlCode(), QStringLiteral("7"));
        QTest::keyClick(products->ControlCode(), Qt::Key_F3);
        QTest::keyClick(products->ControlDescription(), Qt::Key_Return);
    }
    EXPECT_EQ(shown, QStringList{QStringLiteral("ATENÇÃO! Este item já foi adicionado na lista de filtro.")});
    EXPECT_EQ(products->count(), 1);
}
