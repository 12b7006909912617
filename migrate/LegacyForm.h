#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace zev {

// One value as the legacy form file writes it, after "Key =".
struct LegacyValue {
    enum Kind {
        Number,   // 1440, 8.25, -1 (Booleans are -1 / 0 with a 'True / 'False comment)
        String,   // "text" with "" for a quote
        Color,    // &H00BBGGRR&
        SideFile, // $"form.frx":0000 or "form.frx":0000
        Word,     // anything else, kept as written
    };
    Kind kind = Word;
    QString text;        // String: the text unquoted; otherwise the value as written
    double number = 0;   // Number
    quint32 color = 0;   // Color (decimal colours are Numbers: see asColor)
    QString sideFile;    // SideFile: the side file's name as written
    quint32 offset = 0;  // SideFile: the record's offset
    bool dollar = false; // SideFile: written with a leading $ (a string record)
    QString comment;     // after ' (True, False, an enumeration's name), trimmed

    bool isNumber() const { return kind == Number; }
    // A number or &H..& as a 32-bit colour (negative decimals wrap: -2147483633 is 0x8000000F).
    bool asColor(quint32* out) const;
    // -1/0 (any non-zero number is true) or True/False.
    bool asBool(bool* out) const;
};

struct LegacyProperty {
    QString name;
    LegacyValue value;
    int line = 0;
};

// BeginProperty Name [{GUID}] ... EndProperty (a font, a data format...), nested.
struct LegacyGroup {
    QString name;
    QString guid;
    int line = 0;
    QList<LegacyProperty> properties;
    QList<LegacyGroup> groups;

    const LegacyProperty* property(const QString& name) const;
};

// Begin Library.Class name ... End: the form, a control or a container's child.
struct LegacyObject {
    QString library;   // "VB", "ZEVSuiteControls", "MSComctlLib"...
    QString className; // "Form", "TextBox", "ZEVNumeric"
    QString name;
    int line = 0;      // the Begin line
    QList<LegacyProperty> properties; // in file order
    QList<LegacyGroup> groups;
    QList<LegacyObject> children;     // in file order

    QString qualifiedClass() const { return library + QLatin1Char('.') + className; }
    // Names compare without case, as the legacy language does.
    const LegacyProperty* property(const QString& name) const;
    const LegacyGroup* group(const QString& name) const;
};

// Private Sub cmdOk_Click() ... End Sub (also Public/Friend, Function).
struct LegacyProcedure {
    QString name;      // "cmdOk_Click"
    QString control;   // "cmdOk" (before the last underscore; empty for a general procedure)
    QString event;     // "Click"
    QString arguments; // as written between the parentheses
    QString header;    // the whole first line
    QStringList body;  // the lines between the header and End Sub
    int line = 0;
};

// A whole form file.
struct LegacyForm {
    QString path;
    QString version;                          // "5.00"
    QStringList objectLibraries;              // the Object = ... lines' values
    LegacyObject form;                        // the VB.Form block
    QList<QPair<QString, QString>> attributes; // Attribute VB_Name = "frmX"...
    QStringList code;                         // every line after the attributes
    int codeLine = 0;                         // the line number of code.first()
    QList<LegacyProcedure> procedures;        // the Sub / Function blocks of the code

    // The form's class name: Attribute VB_Name, else the form block's name.
    QString formName() const;
};

} // namespace zev
