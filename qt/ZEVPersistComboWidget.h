#pragma once

#include "framework/ControlError.h"
#include "qt/ZEVControlWidget.h"

#include <QColor>
#include <QFont>
#include <QStringList>
class QComboBox;
class QLineEdit;
class QPushButton;

namespace zev {

class ZEVPersistCombo;

// The lookup with an item list as a QWidget: a lookup row (code, "F3",
// description) above a list into which Enter in the description adds the
// record found, with a duplicate check and a remove button. Each entry holds
// code, description and primary key (GetCode, GetDescription, GetPkey); the
// list shows code and description only. Enabled is QWidget's `enabled`.
//
// A list of codes pasted or dropped into the code box (separated by line
// breaks, tabs, ";" or ",", as a spreadsheet copies a column) is searched
// and added code by code, each with the events of a typed code confirmed
// with Enter; one message then sums it up in place of a warning per
// repeated code. A single code goes into the box as before.
//
// The USER property, which QDataWidgetMapper and item delegates bind, is
// `items`: the list's entries as a QStringList, each the entry's whole text
// as AddItem composes it (GetCode, GetDescription and GetPkey read a bound
// entry as an added one). Writing it replaces the list quietly, as a host's
// own fill of ControlListing() does: no duplicate test, no message box, no
// AddItem or RemoveItem event, the lookup row and the focus left alone; the
// last entry is selected. A mapper therefore writes back the very entries it
// read, with the user's additions and removals.
//
// itemAdded(index) and itemRemoved(index) follow the documented AddItem and
// RemoveItem events of the same change, with the entry's index; unlike those,
// they need no qOverload in connect().
//
// Failures: a write or a method throws ControlError, or with
// setReportsFailures(true) goes to errorRaised instead. AddItem with an index
// beyond the end of the list (or below -1) fails with 5, after the duplicate
// test and before any event; so does RemoveItem(i) with i at or beyond
// count() (RemoveItem(0) on an empty list); a negative index removes nothing.
// A colour that is not valid fails with 380; CodeMaxLength and CodeSize
// beyond the 16-bit range with 6 and below 0 with 380; FontSize outside
// 1..2048 and a CodeFont or DescriptionFont over 2048 points with 380; an
// Appearance beyond the 16-bit range with 6. A ControlError thrown by a
// handler of the control's signals passes on to the caller that started the
// change.
class ZEV_QT_EXPORT ZEVPersistComboWidget : public ZEVControlWidget {
    Q_OBJECT
    // In the order the control reads its saved properties (see ZEVControlWidget).
    Q_PROPERTY(bool AllowItemDuplication READ AllowItemDuplication WRITE setAllowItemDuplication)
    Q_PROPERTY(zev::ZEVControlWidget::AppearanceStyle Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
    Q_PROPERTY(QString Code READ Code WRITE setCode NOTIFY CodeChanged USER true)
    Q_PROPERTY(QColor CodeBackColor READ CodeBackColor WRITE setCodeBackColor NOTIFY CodeBackColorChanged)
    Q_PROPERTY(QFont CodeFont READ CodeFont WRITE setCodeFont NOTIFY CodeFontChanged)
    Q_PROPERTY(QColor CodeForeColor READ CodeForeColor WRITE setCodeForeColor NOTIFY CodeForeColorChanged)
    Q_PROPERTY(int CodeMaxLength READ CodeMaxLength WRITE setCodeMaxLength NOTIFY CodeMaxLengthChanged)
    Q_PROPERTY(int CodeSize READ CodeSize WRITE setCodeSize NOTIFY CodeSizeChanged)
    Q_PROPERTY(QString Description READ Description WRITE setDescription NOTIFY DescriptionChanged)
    Q_PROPERTY(QFont DescriptionFont READ DescriptionFont WRITE setDescriptionFont NOTIFY DescriptionFontChanged)
    Q_PROPERTY(QColor DescriptionBackColor READ DescriptionBackColor WRITE setDescriptionBackColor NOTIFY DescriptionBackColorChanged)
    Q_PROPERTY(QColor DescriptionForeColor READ DescriptionForeColor WRITE setDescriptionForeColor NOTIFY DescriptionForeColorChanged)
    Q_PROPERTY(QString FieldPkey READ FieldPkey WRITE setFieldPkey NOTIFY FieldPkeyChanged)
    Q_PROPERTY(bool FillZeros READ FillZeros WRITE setFillZeros)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold NOTIFY FontBoldChanged)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic NOTIFY FontItalicChanged)
    Q_PROPERTY(bool FontStrikethrough READ FontStrikethrough WRITE setFontStrikethrough NOTIFY FontStrikethroughChanged)
    Q_PROPERTY(int FontSize READ FontSize WRITE setFontSize NOTIFY FontSizeChanged)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline NOTIFY FontUnderlineChanged)
    Q_PROPERTY(bool Loaded READ Loaded WRITE setLoaded)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(bool ShowF3 READ ShowF3 WRITE setShowF3 NOTIFY ShowF3Changed)
    Q_PROPERTY(bool ShowCodeInCombo READ ShowCodeInCombo WRITE setShowCodeInCombo)
    Q_PROPERTY(QStringList items READ items WRITE setItems USER true DESIGNABLE false STORED false)

public:
    explicit ZEVPersistComboWidget(QWidget* parent = nullptr);

    // The control, with the documented names and types.
    ZEVPersistCombo& persistCombo() const;
    // The parts, as Qt widgets.
    QLineEdit* ControlCode() const;
    QLineEdit* ControlDescription() const;
    QPushButton* ControlSearch() const;
    QComboBox* ControlListing() const;
    QPushButton* ControlRemoveItem() const;

    bool AllowItemDuplication() const;
    void setAllowItemDuplication(bool allowItemDuplication);
    AppearanceStyle Appearance() const;
    void setAppearance(AppearanceStyle appearance);
    QString Code() const;
    void setCode(const QString& code);
    QColor CodeBackColor() const;
    void setCodeBackColor(const QColor& codeBackColor);
    QFont CodeFont() const;
    void setCodeFont(const QFont& codeFont);
    QColor CodeForeColor() const;
    void setCodeForeColor(const QColor& codeForeColor);
    int CodeMaxLength() const;
    void setCodeMaxLength(int codeMaxLength);
    int CodeSize() const;
    void setCodeSize(int codeSize);
    QString Description() const;
    void setDescription(const QString& description);
    QFont DescriptionFont() const;
    void setDescriptionFont(const QFont& descriptionFont);
    QColor DescriptionBackColor() const;
    void setDescriptionBackColor(const QColor& descriptionBackColor);
    QColor DescriptionForeColor() const;
    void setDescriptionForeColor(const QColor& descriptionForeColor);
    QString FieldPkey() const;
    void setFieldPkey(const QString& fieldPkey);
    bool FillZeros() const;
    void setFillZeros(bool fillZeros);
    bool FontBold() const;
    void setFontBold(bool fontBold);
    bool FontItalic() const;
    void setFontItalic(bool fontItalic);
    bool FontStrikethrough() const;
    void setFontStrikethrough(bool fontStrikethrough);
    int FontSize() const;
    void setFontSize(int fontSize);
    bool FontUnderline() const;
    void setFontUnderline(bool fontUnderline);
    bool Loaded() const;
    void setLoaded(bool loaded);
    bool Locked() const;
    void setLocked(bool locked);
    bool ShowF3() const;
    void setShowF3(bool showF3);
    bool ShowCodeInCombo() const;
    void setShowCodeInCombo(bool showCodeInCombo);

    Q_INVOKABLE void About();
    Q_INVOKABLE void Clear();
    // The control leaves Source as it is; it is taken by value here.
    Q_INVOKABLE void ForceSearch(zev::eSource source);
    // Adds a record to the list, with the duplicate check (-1: at the end).
    Q_INVOKABLE void AddItem(const QString& description, const QString& primaryKey, const QString& code = QString(),
                             qint32 index = -1);
    Q_INVOKABLE void RemoveItem(qint32 index);
    // The code, description and primary key of the list entry at index.
    Q_INVOKABLE QString GetCode(qint16 index) const;
    Q_INVOKABLE QString GetDescription(qint16 index) const;
    Q_INVOKABLE QString GetPkey(qint16 index) const;
    // The number of entries in the list.
    int count() const;
    // The entries as the list holds them; setItems replaces them without events.
    QStringList items() const;
    void setItems(const QStringList& entries);

Q_SIGNALS:
    void AddItem();
    void RemoveItem();
    void CodeChange();
    void DescChange();
    void Search(QString& PrimaryKey, bool& Success, zev::eSource& Source);
    void Load();
    void Unload();

    // Right after the AddItem (RemoveItem) event, with the entry's index.
    void itemAdded(int index);
    void itemRemoved(int index);

    void AppearanceChanged();
    void CodeChanged();
    void CodeBackColorChanged();
    void CodeFontChanged();
    void CodeForeColorChanged();
    void CodeMaxLengthChanged();
    void CodeSizeChanged();
    void DescriptionChanged();
    void DescriptionFontChanged();
    void DescriptionBackColorChanged();
    void DescriptionForeColorChanged();
    void FieldPkeyChanged();
    void FontBoldChanged();
    void FontItalicChanged();
    void FontStrikethroughChanged();
    void FontSizeChanged();
    void FontUnderlineChanged();
    void ShowF3Changed();
};

} // namespace zev
