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

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QWidget>
#include <functional>
#include <ostream>
#include <gtest/gtest.h>

// Readable QStrings in the failures of tests.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace zev::testing {

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
class ModalAnswer {
public:
    explicit ModalAnswer(QtModal::Hook hook) : previous_(QtModal::setHook(std::move(hook))) {}
    ~ModalAnswer() { QtModal::setHook(std::move(previous_)); }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

private:
    QtModal::Hook previous_;
};

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
