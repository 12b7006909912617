#pragma once

#include <QString>

class QWidget;

namespace zev {

class QtControlHost;

// What assistive technology (a screen reader, through AT-SPI) learns of a
// control: the control is a grouping named like the form's label for it, and
// each part is named by that label and its own role ("Cliente, código").
// The texts are Portuguese, through QCoreApplication::translate (context
// "zev::QtAccessibility"), so a QTranslator can give them in another language.
namespace QtAccessibility {
// Makes the control widgets groupings for assistive technology (once).
void installFactory();
// The text of the label that names a widget: a QLabel of its window whose
// buddy is the widget, its focus proxy or one of its parts, without the
// mnemonic marks and a closing colon; empty when there is none.
QString buddyText(const QWidget& widget);
// Names and describes the control and its parts from the label, the
// control's kind and what the parts show. Names the application set itself
// are kept.
// lookForLabel: find the buddy label again (shown, focus entering); otherwise
// the one found last names the control (its content changed).
void describe(QWidget& control, const QString& className, const QtControlHost& host, bool lookForLabel);
// describe with lookForLabel, for a control being shown: the controls shown
// with one container in the same pass of the event loop look through its
// labels once between them, not once each.
void describeShown(QWidget& control, const QString& className, const QtControlHost& host);
// The name of a lookup's list of suggestions, and what it says of their number.
QString suggestionsName();
QString suggestionCount(int count);
} // namespace QtAccessibility

} // namespace zev
