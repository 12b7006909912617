#pragma once

#include "codedescription/ZEVCodeDescription.h"
#include "daterange/ZEVDateRange.h"
#include "descriptiononly/ZEVDescriptionOnly.h"
#include "framework/ClassDescriptor.h"
#include "framework/Widget.h"
#include "framework/frmAbout.h"
#include "numeric/ZEVNumeric.h"
#include "persistcombo/ZEVPersistCombo.h"
#include "qt/QtAdapter.h"
#include "qt/QtControlHost.h"
#include "qt/QtModal.h"
#include "qt/ZEVDialogs.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"
#include "tests/ErrorOf.h"

#include <QApplication>
#include <QDialog>
#include <QLocale>
#include <QTest>
#include <QUiLoader>
#include <QWidget>
#include <functional>
#include <memory>
#include <ostream>
#include <gtest/gtest.h>

// Readable QStrings in the failures of tests.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace zev::testing {

// Numbers and dates are typed and read as in Brazil; the locale goes back even when a test fails.
class PtBr : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

// The five controls by their classes' names.
inline const char* const controlClasses[] = {"ZEVNumeric", "ZEVCodeDescription", "ZEVDescriptionOnly",
                                             "ZEVPersistCombo", "ZEVDateRange"};

// A control's widget by its control's class ("ZEVNumeric") or by its own, as
// a .ui file names it ("zev::ZEVNumericWidget"); nullptr for another class.
inline ZEVControlWidget* makeControlWidget(QString className, QWidget* parent,
                                           std::shared_ptr<const Clock> clock = nullptr)
{
    if (className.startsWith(QLatin1String("zev::")) && className.endsWith(QLatin1String("Widget")))
        className = className.mid(5).chopped(6);
    if (className == QLatin1String("ZEVNumeric"))
        return new ZEVNumericWidget(parent);
    if (className == QLatin1String("ZEVCodeDescription"))
        return new ZEVCodeDescriptionWidget(parent);
    if (className == QLatin1String("ZEVDescriptionOnly"))
        return new ZEVDescriptionOnlyWidget(parent);
    if (className == QLatin1String("ZEVPersistCombo"))
        return new ZEVPersistComboWidget(parent);
    if (className == QLatin1String("ZEVDateRange"))
        return new ZEVDateRangeWidget(parent, std::move(clock));
    return nullptr;
}

// QUiLoader with this program's own classes of our controls.
class ControlUiLoader : public QUiLoader {
public:
    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override
    {
        if (ZEVControlWidget* w = makeControlWidget(className, parent)) {
            w->setObjectName(name);
            return w;
        }
        return QUiLoader::createWidget(className, parent, name);
    }
};

// A top-level window, shown and active, so that focus and keys behave as for a user.
inline void showActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// A widget's design: sizes in twips.
inline WidgetDesign design(const char* name, WidgetKind kind, float left = 0, float top = 0, float width = 1500,
                           float height = 300)
{
    WidgetDesign d;
    d.name = QString::fromLatin1(name);
    d.kind = kind;
    d.left = left;
    d.top = top;
    d.width = width;
    d.height = height;
    return d;
}

// The Qt widget behind a widget of the contract.
inline QWidget* q(Widget& w) { return QtAdapter::of(&w)->qwidget(); }

// Answers every modal dialog of the library with a handler for the duration of a test.
using ModalAnswer = ZEVDialogs::Scope;

// One key as a US keyboard sends it: the key, its text and Shift when the character needs it.
inline void keyboardType(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        Qt::Key key = Qt::Key(QChar(u).toUpper().unicode());
        Qt::KeyboardModifiers mods;
        if (u >= 'A' && u <= 'Z')
            mods = Qt::ShiftModifier;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), mods);
    }
}

} // namespace zev::testing
