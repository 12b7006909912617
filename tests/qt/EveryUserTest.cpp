// Every user of a form: what a screen reader learns of the controls, a form
// filled with the keyboard alone, the controls on a dark palette, and at 150%
// and 200% (the Scaling tests run again under QT_SCALE_FACTOR and on screens of
// higher DPI, see CMakeLists.txt).

#include "QtTestSupport.h"
#include "qt/QtColors.h"
#include "qt/QtUnits.h"
#include "qt/ZEVControlWidget_p.h"

#include <QAccessible>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <algorithm>
#include <map>
#include <memory>
#include <utility>
#include <vector>

using namespace zev;
using namespace zev::testing;

namespace {

// The five controls on a form, named by labels with mnemonics, and a host
// that answers every search.
struct FilledForm {
    QWidget window;
    QFormLayout* layout = new QFormLayout(&window);
    ZEVCodeDescriptionWidget* customer = new ZEVCodeDescriptionWidget;
    ZEVDescriptionOnlyWidget* salesperson = new ZEVDescriptionOnlyWidget;
    ZEVPersistComboWidget* products = new ZEVPersistComboWidget;
    ZEVNumericWidget* amount = new ZEVNumericWidget;
    ZEVDateRangeWidget* period = new ZEVDateRangeWidget;

    explicit FilledForm(bool labelled = true)
    {
        const std::pair<const char*, ZEVControlWidget*> rows[] = {
            {"&Cliente:", customer}, {"&Vendedor:", salesperson}, {"&Produtos:", products},
            {"Valor &mínimo:", amount}, {"P&eríodo:", period}};
        for (const auto& [label, control] : rows) {
            if (labelled)
                layout->addRow(QString::fromUtf8(label), control);
            else
                layout->addRow(control);
        }
        QObject::connect(customer, &ZEVCodeDescriptionWidget::Search, [this](QString& key, bool& success, eSource&) {
            customer->setDescription(QStringLiteral("Cliente ") + customer->Code());
            key = customer->Code();
            success = true;
        });
        QObject::connect(salesperson, &ZEVDescriptionOnlyWidget::Search, [this](QString& key, bool& success, eSource&) {
            salesperson->setDescription(QStringLiteral("Mariana Carvalho"));
            key = QStringLiteral("VEN-003");
            success = true;
        });
        QObject::connect(products, &ZEVPersistComboWidget::Search, [this](QString& key, bool& success, eSource&) {
            products->setDescription(QStringLiteral("Produto ") + products->Code());
            key = QStringLiteral("PRD-") + products->Code();
            success = true;
        });
    }
    std::vector<ZEVControlWidget*> controls() const { return {customer, salesperson, products, amount, period}; }
};

QAccessibleInterface* accessible(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
QString nameOf(QObject* o) { return accessible(o)->text(QAccessible::Name); }

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key(key), modifiers); // the focus or the open popup
}

} // namespace

TEST(Accessibility, PartsAreNamedByTheFormsLabelAndTheirRoleInPortuguese)
{
    FilledForm form;
    showActive(form.window);
    const std::vector<std::pair<QWidget*, const char*>> parts = {
        {form.customer->ControlCode(), "Cliente, código"},
        {form.customer->ControlSearch(), "Cliente, pesquisar (F3)"},
        {form.customer->ControlDescription(), "Cliente, descrição"},
        {form.salesperson->ControlDescription(), "Vendedor, descrição"},
        {form.salesperson->ControlSearch(), "Vendedor, pesquisar (F3)"},
        {form.products->ControlCode(), "Produtos, código"},
        {form.products->ControlDescription(), "Produtos, descrição"},
        {form.products->ControlListing(), "Produtos, itens adicionados"},
        {form.products->ControlRemoveItem(), "Produtos, remover item"},
        {form.amount->ControlText(), "Valor mínimo"},
        {form.period->Control_dtpCombo(), "Período, predefinição"},
        {form.period->Control_dtpInicio(), "Período, data inicial"},
        {form.period->Control_dtpFim(), "Período, data final"},
    };
    for (const auto& [part, name] : parts) {
        SCOPED_TRACE(name);
        EXPECT_EQ(nameOf(part), QString::fromUtf8(name));
        const QAccessible::Role role = accessible(part)->role();
        EXPECT_NE(role, QAccessible::NoRole);
        EXPECT_NE(role, QAccessible::Client);
    }
    const QStringList labels = {"Cliente", "Vendedor", "Produtos", "Valor mínimo", "Período"};
    for (std::size_t i = 0; i < form.controls().size(); ++i) {
        EXPECT_EQ(accessible(form.controls()[i])->role(), QAccessible::Grouping);
        EXPECT_EQ(nameOf(form.controls()[i]), labels[qsizetype(i)]);
    }

    // Without labels: the part's own name; a name the application gives wins and stays.
    FilledForm bare(false);
    bare.customer->ControlSearch()->setAccessibleName(QStringLiteral("Buscar cliente"));
    showActive(bare.window);
    EXPECT_EQ(nameOf(bare.customer), QStringLiteral("Código e descrição"));
    EXPECT_EQ(nameOf(bare.customer->ControlCode()), QStringLiteral("Código"));
    EXPECT_EQ(nameOf(bare.customer->ControlSearch()), QStringLiteral("Buscar cliente"));
    EXPECT_EQ(nameOf(bare.amount->ControlText()), QStringLiteral("Valor"));
    // A label given the control later is heard once the user reaches the control.
    auto* late = new QLabel(QStringLiteral("Valor &máximo:"), &bare.window);
    late->setBuddy(bare.amount);
    bare.amount->setFocus();
    EXPECT_EQ(nameOf(bare.amount->ControlText()), QStringLiteral("Valor máximo"));
    EXPECT_EQ(nameOf(bare.amount), QStringLiteral("Valor máximo"));
}

TEST(Accessibility, ATranslatorGivesTheTextsInItsLanguageWhileTheFormIsOpen)
{
    struct English : QTranslator {
        QString translate(const char* context, const char* source, const char*, int) const override
        {
            const bool ours = qstrcmp(context, "zev::QtAccessibility") == 0;
            if (ours && QString::fromUtf8(source) == QStringLiteral("Código"))
                return QStringLiteral("Code");
            if (ours && QString::fromUtf8(source) == QStringLiteral("Código e descrição"))
                return QStringLiteral("Code and description");
            return QString();
        }
        bool isEmpty() const override { return false; }
    };
    QWidget window;
    auto* lookup = new ZEVCodeDescriptionWidget(&window);
    showActive(window);
    auto settle = [] {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::sendPostedEvents();
    };
    English english;
    QCoreApplication::installTranslator(&english);
    settle();
    EXPECT_EQ(nameOf(lookup), QStringLiteral("Code and description"));
    EXPECT_EQ(nameOf(lookup->ControlCode()), QStringLiteral("Code"));
    QCoreApplication::removeTranslator(&english);
    settle();
    EXPECT_EQ(nameOf(lookup->ControlCode()), QStringLiteral("Código"));
}

TEST(Accessibility, WhatChangesIsInTheNamesAndDescriptions)
{
    // Qt raises the matching events (NameChanged...) only where a platform bridge
    // listens, not offscreen: tests/a11y reads them through AT-SPI.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    FilledForm form;
    showActive(form.window);
    QLineEdit* code = form.customer->ControlCode();
    code->setFocus();
    keyboardType(code, QStringLiteral("7"));
    press(Qt::Key_F3);
    EXPECT_EQ(nameOf(form.customer->ControlDescription()), QStringLiteral("Cliente, descrição: Cliente 7"));
    EXPECT_EQ(accessible(code)->text(QAccessible::Description), QStringLiteral("Cliente 7")); // heard at the code

    QComboBox* list = form.products->ControlListing();
    form.products->AddItem(QStringLiteral("Parafuso"), QStringLiteral("PRD-1"), QStringLiteral("00001"));
    EXPECT_EQ(accessible(list)->text(QAccessible::Description), QStringLiteral("1 item"));
    EXPECT_EQ(accessible(list)->text(QAccessible::Value), QStringLiteral("Parafuso")); // no key
    form.products->RemoveItem(0);
    EXPECT_EQ(accessible(list)->text(QAccessible::Description), QStringLiteral("Nenhum item"));

    form.amount->setValue(1234.5);
    EXPECT_EQ(accessible(form.amount->ControlText())->text(QAccessible::Value), QStringLiteral("1.234,50"));

    // Shown, never focused: still told.
    QWidget other;
    auto* first = new QLineEdit(&other);
    auto* unfocused = new ZEVCodeDescriptionWidget(&other);
    unfocused->move(0, 40);
    showActive(other);
    unfocused->setDescription(QStringLiteral("Cliente 7"));
    ASSERT_TRUE(first->hasFocus());
    EXPECT_EQ(nameOf(unfocused->ControlDescription()), QStringLiteral("Descrição: Cliente 7"));
    QLocale::setDefault(QLocale::c());
}

using KeyboardOnly = PtBr;
TEST_F(KeyboardOnly, TheWholeFormIsFilledWithoutTheMouse)
{
    FilledForm form;
    showActive(form.window);
    auto focus = [] { return QApplication::focusWidget(); };
    auto type = [&](const char* text) { keyboardType(focus(), QString::fromLatin1(text)); };

    // A mnemonic, a code and F3; Tab and Shift+Tab through the parts and on.
    press(Qt::Key_C, Qt::AltModifier);
    ASSERT_EQ(focus(), form.customer->ControlCode());
    type("7");
    press(Qt::Key_F3);
    EXPECT_EQ(form.customer->Description(), QStringLiteral("Cliente 7"));
    press(Qt::Key_Tab);
    EXPECT_EQ(focus(), form.customer->ControlSearch());
    press(Qt::Key_Tab);
    EXPECT_EQ(focus(), form.salesperson->ControlDescription());
    press(Qt::Key_Backtab);
    EXPECT_EQ(focus(), form.customer->ControlSearch());

    press(Qt::Key_V, Qt::AltModifier);
    type("Ma");
    press(Qt::Key_F3);
    EXPECT_EQ(form.salesperson->Description(), QStringLiteral("Mariana Carvalho"));

    // Two products in by F3 and Enter; the remove button reached by Tab and pressed with Space.
    for (const char* code : {"1", "2"}) {
        press(Qt::Key_P, Qt::AltModifier);
        type(code);
        press(Qt::Key_F3);
        press(Qt::Key_Return);
    }
    EXPECT_EQ(form.products->ControlListing()->count(), 2);
    for (int tabs = 0; tabs < 6 && focus() != form.products->ControlRemoveItem(); ++tabs)
        press(Qt::Key_Tab);
    ASSERT_EQ(focus(), form.products->ControlRemoveItem());
    press(Qt::Key_Space);
    EXPECT_EQ(form.products->ControlListing()->count(), 1);

    press(Qt::Key_M, Qt::AltModifier);
    type("150");
    press(Qt::Key_Tab);
    EXPECT_EQ(form.amount->value(), 150.0);

    // The preset list and both calendars open with Alt+Down and close with Escape.
    press(Qt::Key_E, Qt::AltModifier);
    ASSERT_EQ(focus(), form.period->Control_dtpCombo());
    const auto before = form.period->period();
    press(Qt::Key_Down, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    press(Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(form.period->period(), before);
    press(Qt::Key_Down, Qt::AltModifier);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(form.period->period(), before + 1);
    for (QDateTimeEdit* picker : {form.period->Control_dtpInicio(), form.period->Control_dtpFim()}) {
        SCOPED_TRACE(picker->objectName().toStdString());
        press(Qt::Key_Tab);
        ASSERT_EQ(focus(), picker);
        const QDate shown = picker->date();
        press(Qt::Key_Down, Qt::AltModifier);
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        press(Qt::Key_Escape);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        press(Qt::Key_Down, Qt::AltModifier);
        press(Qt::Key_Left);
        press(Qt::Key_Return);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(picker->date(), shown.addDays(-1));
    }
    press(Qt::Key_Backtab);
    EXPECT_EQ(focus(), form.period->Control_dtpInicio());
}

namespace {
// A dark palette as dark desktop themes give Fusion: Qt derives the other
// roles from the button colour, light text on a black base among them.
QPalette darkPalette() { return QPalette(QColor(53, 53, 53)); }

// The Fusion style and a palette for the application while one lives.
class Theme {
public:
    Theme() : style_(QApplication::style()->name()), palette_(QApplication::palette())
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }
    ~Theme()
    {
        QApplication::setStyle(QStyleFactory::create(style_));
        QApplication::setPalette(palette_);
    }

private:
    QString style_;
    QPalette palette_;
};

// The roles a part paints its text and its background with (Fusion).
std::pair<QPalette::ColorRole, QPalette::ColorRole> paintRoles(const QWidget* part)
{
    if (qobject_cast<const QLabel*>(part))
        return {QPalette::WindowText, QPalette::Window};
    if (qobject_cast<const QPushButton*>(part) || qobject_cast<const QComboBox*>(part))
        return {QPalette::ButtonText, QPalette::Button};
    return {QPalette::Text, QPalette::Base};
}

int distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}
} // namespace

using DarkTheme = PtBr;
TEST_F(DarkTheme, EveryDefaultColouredPartReadsOnALightAndADarkPalette)
{
    Theme fusion;
    QApplication::setPalette(QApplication::style()->standardPalette());
    FilledForm form;
    form.customer->setCode(QStringLiteral("7"));
    form.customer->setDescription(QStringLiteral("Cliente 7"));
    form.salesperson->setDescription(QStringLiteral("Mariana Carvalho"));
    form.products->AddItem(QStringLiteral("Parafuso"), QStringLiteral("PRD-1"), QStringLiteral("00001"));
    form.amount->setValue(0);
    form.period->setPeriod(ZEVDateRangeWidget::Today);
    ZEVNumericWidget fixed; // an explicit colour is kept on any theme
    fixed.setForeColorZero(QColor(0, 128, 0));
    showActive(form.window);

    // The dark palette arrives while the form is open, as a theme switch does.
    for (const auto& [theme, palette] : {std::pair{"light", QApplication::palette()}, std::pair{"dark", darkPalette()}}) {
        QApplication::setPalette(palette);
        QApplication::processEvents();
        for (ZEVControlWidget* control : form.controls()) {
            EXPECT_EQ(control->palette().color(QPalette::Window), palette.color(QPalette::Button)); // ButtonFace
            for (QWidget* part : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (part->isHidden())
                    continue;
                SCOPED_TRACE(std::string(theme) + " " + control->objectName().toStdString() + "."
                             + part->objectName().toStdString());
                const auto [textRole, backRole] = paintRoles(part);
                const QColor text = part->palette().color(QPalette::Active, textRole);
                const QColor back = part->palette().color(QPalette::Active, backRole);
                EXPECT_GE(QtColors::contrast(text, back), QtColors::ReadableContrast)
                    << text.name().toStdString() << " on " << back.name().toStdString();
                // Those colours are what is painted: the background fills most of
                // the part and the text colour is among its pixels.
                if (qobject_cast<QPushButton*>(part) || qobject_cast<QComboBox*>(part))
                    continue; // Fusion shades buttons with a gradient
                const QImage shot = part->grab().toImage().convertToFormat(QImage::Format_RGB32);
                std::map<QRgb, int> counts;
                bool textSeen = false;
                for (int y = 0; y < shot.height(); ++y)
                    for (int x = 0; x < shot.width(); ++x) {
                        ++counts[shot.pixel(x, y)];
                        textSeen = textSeen || distance(shot.pixel(x, y), text.rgb()) <= 24;
                    }
                const QRgb most = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                      return a.second < b.second;
                                  })->first;
                EXPECT_LE(distance(most, back.rgb()), 8) << QColor(most).name().toStdString();
                const auto* edit = qobject_cast<QLineEdit*>(part);
                const auto* label = qobject_cast<QLabel*>(part);
                if ((edit && !edit->text().isEmpty()) || (label && !label->text().isEmpty()) || (!edit && !label)) {
                    EXPECT_TRUE(textSeen) << text.name().toStdString();
                }
            }
        }
        EXPECT_EQ(fixed.ControlText()->palette().color(QPalette::Text), QColor(0, 128, 0));
    }
    // Made on the dark theme: its fixed default colours, not the theme's.
    ZEVNumericWidget late;
    EXPECT_EQ(late.ControlText()->palette().color(QPalette::Base), QColor(Qt::white));
}

using Scaling = PtBr;
TEST_F(Scaling, ControlsKeepTheirTwipsAndNothingIsCut)
{
    FilledForm form;
    form.customer->setDescription(QStringLiteral("Distribuidora Araújo S.A."));
    form.period->setPeriodStart(QDateTime(QDate(2026, 12, 28), QTime()));
    form.period->setPeriodEnd(QDateTime(QDate(2026, 12, 31), QTime()));
    auto* plain = new QLineEdit;
    plain->setFont(form.amount->font());
    form.layout->addRow(QStringLiteral("Outro:"), plain);
    showActive(form.window);
    // On its form row: the numeric field as tall as a QLineEdit at its font,
    // the date range ending where its lowest part ends (it draws no frame).
    const auto lowestPartEnd = [](QWidget* control) {
        int bottom = 0;
        for (QWidget* part : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!part->isHidden())
                bottom = std::max(bottom, part->geometry().bottom() + 1);
        return bottom;
    };
    const std::pair<ZEVControlWidget*, int> rowHeights[] = {{form.amount, plain->height()},
                                                             {form.period, lowestPartEnd(form.period)}};
    for (const auto& [control, height] : rowHeights) {
        EXPECT_EQ(control->height(), height) << control->className().toStdString();
        EXPECT_EQ(control->minimumSizeHint().height(), height) << control->className().toStdString();
    }
    // The suite runs this again at other scales (CMakeLists.txt): the scale must be the one asked for.
    const double dpi = form.window.screen()->logicalDotsPerInchX(), ratio = form.window.devicePixelRatioF();
    if (qEnvironmentVariableIsSet("ZEV_EXPECT_DPI")) {
        ASSERT_EQ(dpi, qEnvironmentVariable("ZEV_EXPECT_DPI").toDouble());
    }
    if (qEnvironmentVariableIsSet("ZEV_EXPECT_DPR")) {
        ASSERT_EQ(ratio, qEnvironmentVariable("ZEV_EXPECT_DPR").toDouble());
    }
    for (ZEVControlWidget* control : form.controls()) {
        SCOPED_TRACE(control->objectName().toStdString());
        QtControlHost& host = ZEVControlWidgetPrivate::hostOf(*control);
        EXPECT_EQ(host.dpiX(), dpi * host.fitX());
        EXPECT_EQ(control->height(), QtUnits::toPixels(control->heightTwips(), host.dpiY()));
        EXPECT_EQ(control->grab().size(), control->size() * ratio);
        for (const auto& w : host.widgets()) {
            QWidget* part = QtAdapter::of(w.get())->qwidget();
            if (part->isHidden())
                continue;
            SCOPED_TRACE(part->objectName().toStdString());
            // Where the twips put it.
            const auto x = QtUnits::toPixelRun(w->Left(), w->Width(), host.dpiX());
            const auto y = QtUnits::toPixelRun(w->Top(), w->Height(), host.dpiY());
            EXPECT_EQ(part->geometry(), QRect(x.start, y.start, x.length, y.length));
            // Room for what it shows.
            const QFontMetrics fm = part->fontMetrics();
            if (qobject_cast<QDateTimeEdit*>(part)) {
                EXPECT_GE(part->width(), part->minimumSizeHint().width()); // "31/12/2026" whole
            }
            if (auto* button = qobject_cast<QPushButton*>(part); button && !button->text().isEmpty()) {
                EXPECT_GE(part->width(), fm.horizontalAdvance(button->text()) + 4); // "F3"
            }
            if (qobject_cast<QLabel*>(part) || qobject_cast<QPushButton*>(part)) {
                EXPECT_GE(part->height(), fm.height()); // a style's button bevel may be cut, not its caption
            } else {
                EXPECT_GE(part->height(), part->minimumSizeHint().height());
            }
        }
    }
}

// Every visible part lies inside its control, wherever the control is placed
// and at both of its hints: alone, in the three usual layouts, at the
// window's preferred and least size.
TEST_F(Scaling, EveryPartLiesInsideItsControlAloneAndInLayouts)
{
    enum class Place { Alone, VBox, Form, Grid };
    const std::pair<Place, const char*> places[] = {
        {Place::Alone, "alone"}, {Place::VBox, "QVBoxLayout"}, {Place::Form, "QFormLayout"}, {Place::Grid, "QGridLayout"}};
    for (const char* name : controlClasses)
        for (const auto& [place, placeName] : places)
            for (const bool least : {false, true}) {
                SCOPED_TRACE(std::string(name) + " " + placeName + (least ? " at its minimum" : " at its hint"));
                QWidget window;
                ZEVControlWidget* control = makeControlWidget(QString::fromLatin1(name), nullptr);
                QWidget* shown = control;
                std::unique_ptr<ZEVControlWidget> own; // alone, the control is its own window
                if (place == Place::Alone) {
                    own.reset(control);
                    control->resize(least ? control->minimumSizeHint() : control->sizeHint());
                } else {
                    shown = &window;
                    if (place == Place::VBox) {
                        auto* layout = new QVBoxLayout(&window);
                        layout->addWidget(new QLineEdit);
                        layout->addWidget(control);
                    } else if (place == Place::Form) {
                        auto* layout = new QFormLayout(&window);
                        layout->addRow(QStringLiteral("Campo:"), control);
                        layout->addRow(QStringLiteral("Outro:"), new QLineEdit);
                    } else {
                        auto* layout = new QGridLayout(&window);
                        layout->addWidget(new QLabel(QStringLiteral("Campo:")), 0, 0);
                        layout->addWidget(control, 0, 1);
                        layout->addWidget(new QLineEdit, 1, 0, 1, 2);
                    }
                    window.resize(least ? window.minimumSizeHint() : window.sizeHint());
                }
                showActive(*shown);
                QApplication::processEvents();
                EXPECT_EQ(control->height(), control->sizeHint().height());
                for (QWidget* part : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    if (part->isHidden())
                        continue;
                    EXPECT_TRUE(control->rect().contains(part->geometry()))
                        << part->objectName().toStdString() << " at (" << part->x() << ", " << part->y() << ") "
                        << part->width() << "x" << part->height() << " in " << control->width() << "x"
                        << control->height();
                }
            }
}

using Screenshots = PtBr;
TEST_F(Screenshots, TheFiveControlsDarkAndAtDoubleSize)
{
    // Writes the README's pictures: ZEV_SCREENSHOTS=DIR, once as is (dark
    // palette) and once under QT_SCALE_FACTOR=2 (the light one, at 200%).
    const QString dir = qEnvironmentVariable("ZEV_SCREENSHOTS");
    if (dir.isEmpty())
        GTEST_SKIP() << "set ZEV_SCREENSHOTS=DIR to write the screenshots";
    Theme fusion;
    FilledForm form;
    const bool doubled = form.window.devicePixelRatioF() >= 2;
    QApplication::setPalette(doubled ? QApplication::style()->standardPalette() : darkPalette());
    showActive(form.window);
    press(Qt::Key_C, Qt::AltModifier);
    keyboardType(QApplication::focusWidget(), QStringLiteral("7"));
    press(Qt::Key_F3);
    for (const char* code : {"1", "2"}) {
        press(Qt::Key_P, Qt::AltModifier);
        keyboardType(QApplication::focusWidget(), QString::fromLatin1(code));
        press(Qt::Key_F3);
        press(Qt::Key_Return);
    }
    form.salesperson->setDescription(QStringLiteral("Mariana Carvalho"));
    form.amount->setValue(1500);
    form.period->setPeriod(ZEVDateRangeWidget::ThisMonth);
    form.window.setWindowTitle(QStringLiteral("ZEV Suite Controls"));
    form.window.resize(form.window.sizeHint().width() + 40, form.window.sizeHint().height());
    QApplication::processEvents();
    const QString file = QDir(dir).filePath(doubled ? QStringLiteral("controls-200.png") : QStringLiteral("controls-dark.png"));
    ASSERT_TRUE(QDir().mkpath(dir));
    ASSERT_TRUE(form.window.grab().save(file)) << file.toStdString();
}
