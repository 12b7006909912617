#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace zev {

// An enumeration value as a .ui file writes it: <enum>Qt::AlignRight</enum>.
struct UiEnum {
    QString value;
};
// A set of flags: <set>Qt::AlignRight|Qt::AlignVCenter</set>.
struct UiSet {
    QString value;
};

// A picture file beside the .ui: <pixmap>logo.bmp</pixmap>.
struct UiPixmap {
    QString path;
};

// One <property> of a widget. value holds bool, int, double, QString,
// QColor, QFont, QRect, QSize, QStringList, UiEnum, UiSet or UiPixmap.
// A property that is not one of the class's own (stdset false) is a dynamic
// property, as Designer writes them.
struct UiProperty {
    QString name;
    QVariant value;
    bool stdset = true;
    bool translatable = true; // strings: false writes notr="true"
};

struct UiLayout;

// One cell of a layout: a child widget of the layout's widget (by name), a
// nested layout, or a stretch.
struct UiLayoutItem {
    enum Kind { Widget, Layout, Spacer };
    Kind kind = Widget;
    QString widget;                  // Widget: the child's name
    std::shared_ptr<UiLayout> layout; // Layout
    Qt::Orientation spacerOrientation = Qt::Horizontal; // Spacer
    int row = -1, column = -1;       // QGridLayout / QFormLayout cells; -1 in a box
    int rowSpan = 1, columnSpan = 1;
};

// A layout of a container: QFormLayout (columns 0 label, 1 field),
// QGridLayout, QHBoxLayout, QVBoxLayout.
struct UiLayout {
    QString className;
    QString name;
    QList<UiLayoutItem> items;
};

// A widget as the converter made it, before it is written out.
struct UiWidget {
    QString className;   // "QLabel", "zev::ZEVNumericWidget", "QWidget" for a placeholder
    QString name;        // unique on the form ("txtItem_0" for a control array)
    QRect geometry;      // pixels, relative to the parent
    QList<UiProperty> properties; // written after geometry, in this order
    QStringList items;   // QComboBox / QListWidget entries
    std::vector<UiWidget> children;
    std::shared_ptr<UiLayout> layout; // set by --layouts; every child then sits in it

    // What the legacy control was, for the report, tab order, buddies and handlers.
    QString legacyClass; // "VB.TextBox"
    QString legacyName;  // "txtItem" (a control array's shared name)
    int legacyIndex = -1; // Index of a control array member, else -1
    int line = 0;
    int tabIndex = -1;   // TabIndex, -1 when the control has none
    bool takesFocus = false; // a control the legacy host would give the focus to
    bool isLabel = false;    // a label whose buddy is the next control in tab order
    QString buddy;           // set for labels with a mnemonic

    const UiProperty* property(const QString& propertyName) const;
    void setProperty(const QString& propertyName, const QVariant& value, bool stdset = true);
};

// A whole converted form.
struct UiForm {
    QString className;   // the .ui <class>: the form's name
    UiWidget root;       // the form itself, a QWidget
    QStringList tabOrder; // widget names in tab order
    QStringList customClasses; // our widget classes used, for <customwidgets>

    // Every widget of the form, depth first, the root first.
    QList<const UiWidget*> all() const;
    const UiWidget* find(const QString& name) const;
};

// What a conversion found besides what it converted: one line per finding.
struct MigrationReport {
    struct Finding {
        int line = 0;       // in the form file, 0 when there is none
        QString message;
    };
    QList<Finding> findings;
    int converted = 0;      // controls with a counterpart
    int ours = 0;           // of which our five controls
    int placeholders = 0;   // controls without a counterpart

    void add(int line, const QString& message) { findings.append({line, message}); }
};

} // namespace zev

Q_DECLARE_METATYPE(zev::UiEnum)
Q_DECLARE_METATYPE(zev::UiSet)
Q_DECLARE_METATYPE(zev::UiPixmap)
