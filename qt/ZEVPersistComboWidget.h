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

/**
 * The lookup with an item list (`ZEVPersistCombo`) as a QWidget: a lookup row
 * (code, "F3", description) above a list into which Enter in the description
 * adds the record found, with a duplicate check and a remove button.
 *
 * Each entry holds code, description and primary key (GetCode(),
 * GetDescription(), GetPkey()); the list shows code and description only.
 * `Enabled` is QWidget's `enabled`.
 *
 * The events, in order. F3, Enter or the button in the code box: with
 * #FillZeros the code is filled first (CodeChange()); then Search(); when the
 * handler found the record, Load() and the description box takes the focus
 * with its text selected; otherwise the description is cleared and the code
 * selected for typing again. Enter in the description box adds the entry:
 * CodeChange() and DescChange() as the row is emptied, then AddItem() and
 * itemAdded(); a duplicate shows the warning instead and raises nothing. The
 * remove button removes the selected entry: RemoveItem(), itemRemoved().
 *
 * A list of codes pasted or dropped into the code box (separated by line
 * breaks, tabs, ";" or ",", as a spreadsheet copies a column) is searched
 * and added code by code, each with the events of a typed code confirmed
 * with Enter; one message then sums it up in place of a warning per
 * repeated code. A single code goes into the box as before.
 *
 * The USER property, which QDataWidgetMapper and item delegates bind, is
 * #items: the list's entries as a QStringList, each the entry's whole text
 * as AddItem() composes it (GetCode(), GetDescription() and GetPkey() read a
 * bound entry as an added one). Writing it replaces the list quietly, as a
 * host's own fill of ControlListing() does: no duplicate test, no message
 * box, no AddItem() or RemoveItem() event, the lookup row and the focus left
 * alone; the last entry is selected. A mapper therefore writes back the very
 * entries it read, with the user's additions and removals.
 *
 * itemAdded(index) and itemRemoved(index) follow the documented AddItem and
 * RemoveItem events of the same change, with the entry's index; unlike those,
 * they need no qOverload in connect().
 *
 * Failures: a write or a method throws ControlError, or with
 * setReportsFailures(true) goes to errorRaised() instead. AddItem() with an
 * index beyond the end of the list (or below -1) fails with 5, after the
 * duplicate test and before any event; so does RemoveItem(i) with i at or
 * beyond count() (RemoveItem(0) on an empty list); a negative index removes
 * nothing. A colour that is not valid fails with 380; #CodeMaxLength and
 * #CodeSize beyond the 16-bit range with 6 and below 0 with 380; #FontSize
 * outside 1..2048 and a #CodeFont or #DescriptionFont over 2048 points with
 * 380; an #Appearance beyond the 16-bit range with 6. A ControlError thrown by
 * a handler of the control's signals passes on to the caller that started the
 * change.
 */
class ZEV_QT_EXPORT ZEVPersistComboWidget : public ZEVControlWidget {
    Q_OBJECT
    // In the order the control reads its saved properties (see ZEVControlWidget).
    /// Whether the list may hold two entries with the same primary key; default false. With false, AddItem()
    /// of a key already listed shows the warning "ATENÇÃO! Este item já foi adicionado na lista de filtro."
    /// and adds nothing.
    Q_PROPERTY(bool AllowItemDuplication READ AllowItemDuplication WRITE setAllowItemDuplication)
    /// The look of the boxes, the buttons and the list; default ZEVControlWidget::Flat. A value beyond the
    /// 16-bit range fails with 6.
    Q_PROPERTY(zev::ZEVControlWidget::AppearanceStyle Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
    /// The USER property: the code box's text; default empty. A write raises CodeChange() (a write that
    /// changes the text first runs the typing's handling, which clears the description) and CodeChanged().
    /// The control writes it itself as the user types, so both follow typing too.
    Q_PROPERTY(QString Code READ Code WRITE setCode NOTIFY CodeChanged USER true)
    /// The code box's background; default white (0xFFFFFF). The box shows white while #Locked and the button
    /// face while disabled, and this colour again after.
    Q_PROPERTY(QColor CodeBackColor READ CodeBackColor WRITE setCodeBackColor NOTIFY CodeBackColorChanged)
    /// The code box's font; default Tahoma 8.25. A saved form keeps its name only (the #FontSize,
    /// #FontBold... properties keep the rest). Over 2048 points fails with 380.
    Q_PROPERTY(QFont CodeFont READ CodeFont WRITE setCodeFont NOTIFY CodeFontChanged)
    /// The code box's text colour; default black (0).
    Q_PROPERTY(QColor CodeForeColor READ CodeForeColor WRITE setCodeForeColor NOTIFY CodeForeColorChanged)
    /// The most characters the code box takes (0: no limit), and the length #FillZeros fills to; default 4.
    /// Above 25 is ignored; below 0 fails with 380, beyond the 16-bit range with 6.
    Q_PROPERTY(int CodeMaxLength READ CodeMaxLength WRITE setCodeMaxLength NOTIFY CodeMaxLengthChanged)
    /// The code box's width in characters of 110 twips; default 10. Above 25 is ignored; below 0 fails with
    /// 380, beyond the 16-bit range with 6.
    Q_PROPERTY(int CodeSize READ CodeSize WRITE setCodeSize NOTIFY CodeSizeChanged)
    /// The description box's text: the record found, which Enter there adds to the list; default empty. A
    /// write is trimmed of blanks and does nothing when the box already holds it; otherwise DescChange(),
    /// then Load() for a non-blank text (which sets #Loaded), then DescriptionChanged().
    Q_PROPERTY(QString Description READ Description WRITE setDescription NOTIFY DescriptionChanged)
    /// The description box's font; default Tahoma 8.25. A saved form keeps its name only. Over 2048 points
    /// fails with 380.
    Q_PROPERTY(QFont DescriptionFont READ DescriptionFont WRITE setDescriptionFont NOTIFY DescriptionFontChanged)
    /// The description box's background; default white (0xFFFFFF). The box shows white while #Locked and the
    /// button face while disabled, and this colour again after.
    Q_PROPERTY(QColor DescriptionBackColor READ DescriptionBackColor WRITE setDescriptionBackColor NOTIFY DescriptionBackColorChanged)
    /// The description box's text colour; default black (0).
    Q_PROPERTY(QColor DescriptionForeColor READ DescriptionForeColor WRITE setDescriptionForeColor NOTIFY DescriptionForeColorChanged)
    /// A field name for the host to keep with the control (the key column, say); the control never uses it.
    /// Default empty.
    Q_PROPERTY(QString FieldPkey READ FieldPkey WRITE setFieldPkey NOTIFY FieldPkeyChanged)
    /// Whether a search first fills the code with zeros in front up to #CodeMaxLength ("7" becomes "0007"),
    /// after trimming its blanks; default false. The filled code is written to the box before Search(), with
    /// its change events.
    Q_PROPERTY(bool FillZeros READ FillZeros WRITE setFillZeros)
    /// Bold text in every box of the control (read from the first); default false.
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold NOTIFY FontBoldChanged)
    /// Italic text in every box of the control (read from the first); default false.
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic NOTIFY FontItalicChanged)
    /// Struck-out text in every box of the control (read from the first); default false.
    Q_PROPERTY(bool FontStrikethrough READ FontStrikethrough WRITE setFontStrikethrough NOTIFY FontStrikethroughChanged)
    /// The text size of every box of the control in whole points (read from the first); default 8 (the design
    /// fonts' 8.25). Outside 1..2048 fails with 380.
    Q_PROPERTY(int FontSize READ FontSize WRITE setFontSize NOTIFY FontSizeChanged)
    /// Underlined text in every box of the control (read from the first); default false.
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline NOTIFY FontUnderlineChanged)
    /// Whether the lookup row holds a record: set by a successful search or a non-blank #Description, cleared
    /// by a failed search; a change of the code and Clear() leave it; default false. Writing it changes
    /// nothing else. Saved with the control.
    Q_PROPERTY(bool Loaded READ Loaded WRITE setLoaded)
    /// Whether the user is kept from changing the code; default false. Both boxes and the list show white
    /// while locked.
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    /// Whether the "F3" search button is shown; default true. Without it the boxes take its room.
    Q_PROPERTY(bool ShowF3 READ ShowF3 WRITE setShowF3 NOTIFY ShowF3Changed)
    /// Whether list entries show the code before the description ("0001 - Alpha"); default false. Entries
    /// already listed keep their text; GetCode() and GetDescription() read every entry by the current value.
    Q_PROPERTY(bool ShowCodeInCombo READ ShowCodeInCombo WRITE setShowCodeInCombo)
    /// The USER property: the list's entries as AddItem() composes them (see setItems()). Not saved with the
    /// control.
    Q_PROPERTY(QStringList items READ items WRITE setItems USER true DESIGNABLE false STORED false)

public:
    /// A working lookup with the default properties and an empty list, as newly placed on a form.
    explicit ZEVPersistComboWidget(QWidget* parent = nullptr);

    /// The control, with the documented names and types.
    ZEVPersistCombo& persistCombo() const;
    /// The code box (`txtCode`).
    QLineEdit* ControlCode() const;
    /// The description box (`txtDescription`).
    QLineEdit* ControlDescription() const;
    /// The "F3" button (`cmdSearch`).
    QPushButton* ControlSearch() const;
    /// The list of entries (`cboListing`, in Courier New 8.25).
    QComboBox* ControlListing() const;
    /// The button that removes the selected entry (`cmdRemoveItem`).
    QPushButton* ControlRemoveItem() const;

    /** @{ */
    /// Reads and writes #AllowItemDuplication.
    bool AllowItemDuplication() const;
    void setAllowItemDuplication(bool allowItemDuplication);
    /** @} */
    /** @{ */
    /// Reads and writes #Appearance.
    AppearanceStyle Appearance() const;
    void setAppearance(AppearanceStyle appearance);
    /** @} */
    /** @{ */
    /// Reads and writes #Code.
    QString Code() const;
    void setCode(const QString& code);
    /** @} */
    /** @{ */
    /// Reads and writes #CodeBackColor.
    QColor CodeBackColor() const;
    void setCodeBackColor(const QColor& codeBackColor);
    /** @} */
    /** @{ */
    /// Reads and writes #CodeFont.
    QFont CodeFont() const;
    void setCodeFont(const QFont& codeFont);
    /** @} */
    /** @{ */
    /// Reads and writes #CodeForeColor.
    QColor CodeForeColor() const;
    void setCodeForeColor(const QColor& codeForeColor);
    /** @} */
    /** @{ */
    /// Reads and writes #CodeMaxLength.
    int CodeMaxLength() const;
    void setCodeMaxLength(int codeMaxLength);
    /** @} */
    /** @{ */
    /// Reads and writes #CodeSize.
    int CodeSize() const;
    void setCodeSize(int codeSize);
    /** @} */
    /** @{ */
    /// Reads and writes #Description.
    QString Description() const;
    void setDescription(const QString& description);
    /** @} */
    /** @{ */
    /// Reads and writes #DescriptionFont.
    QFont DescriptionFont() const;
    void setDescriptionFont(const QFont& descriptionFont);
    /** @} */
    /** @{ */
    /// Reads and writes #DescriptionBackColor.
    QColor DescriptionBackColor() const;
    void setDescriptionBackColor(const QColor& descriptionBackColor);
    /** @} */
    /** @{ */
    /// Reads and writes #DescriptionForeColor.
    QColor DescriptionForeColor() const;
    void setDescriptionForeColor(const QColor& descriptionForeColor);
    /** @} */
    /** @{ */
    /// Reads and writes #FieldPkey.
    QString FieldPkey() const;
    void setFieldPkey(const QString& fieldPkey);
    /** @} */
    /** @{ */
    /// Reads and writes #FillZeros.
    bool FillZeros() const;
    void setFillZeros(bool fillZeros);
    /** @} */
    /** @{ */
    /// Reads and writes #FontBold.
    bool FontBold() const;
    void setFontBold(bool fontBold);
    /** @} */
    /** @{ */
    /// Reads and writes #FontItalic.
    bool FontItalic() const;
    void setFontItalic(bool fontItalic);
    /** @} */
    /** @{ */
    /// Reads and writes #FontStrikethrough.
    bool FontStrikethrough() const;
    void setFontStrikethrough(bool fontStrikethrough);
    /** @} */
    /** @{ */
    /// Reads and writes #FontSize.
    int FontSize() const;
    void setFontSize(int fontSize);
    /** @} */
    /** @{ */
    /// Reads and writes #FontUnderline.
    bool FontUnderline() const;
    void setFontUnderline(bool fontUnderline);
    /** @} */
    /** @{ */
    /// Reads and writes #Loaded.
    bool Loaded() const;
    void setLoaded(bool loaded);
    /** @} */
    /** @{ */
    /// Reads and writes #Locked.
    bool Locked() const;
    void setLocked(bool locked);
    /** @} */
    /** @{ */
    /// Reads and writes #ShowF3.
    bool ShowF3() const;
    void setShowF3(bool showF3);
    /** @} */
    /** @{ */
    /// Reads and writes #ShowCodeInCombo.
    bool ShowCodeInCombo() const;
    void setShowCodeInCombo(bool showCodeInCombo);
    /** @} */

    /// Shows the library's about form with the class name ("ZEVPersistCombo");
    /// returns when it is closed.
    Q_INVOKABLE void About();
    /// Empties the code and the description (their change events) and the
    /// list, puts the focus in the code box, then raises Unload(). #Loaded stays.
    Q_INVOKABLE void Clear();
    /// Searches as the key would in the code box: zev::Enter as Enter, zev::F3
    /// as F3; any other value does nothing. The control leaves Source as it
    /// is; it is taken by value here.
    Q_INVOKABLE void ForceSearch(zev::eSource source);
    /// Adds a record to the list, with the duplicate check (-1: at the end).
    /// A duplicate (see #AllowItemDuplication) shows the warning, puts the
    /// focus in the code box and adds nothing. Otherwise the entry is inserted
    /// at @p index and selected, the code and the description are emptied
    /// (CodeChange(), DescChange()), the code box takes the focus, and the
    /// AddItem() and itemAdded() signals follow.
    Q_INVOKABLE void AddItem(const QString& description, const QString& primaryKey, const QString& code = QString(),
                             qint32 index = -1);
    /// Removes the entry at @p index, selects the last one, then raises the
    /// RemoveItem() and itemRemoved() signals; a negative index does nothing.
    Q_INVOKABLE void RemoveItem(qint32 index);
    /// The code of the entry at @p index; empty for a negative index or
    /// without #ShowCodeInCombo.
    Q_INVOKABLE QString GetCode(qint16 index) const;
    /// The description of the entry at @p index; empty for a negative index.
    Q_INVOKABLE QString GetDescription(qint16 index) const;
    /// The primary key of the entry at @p index (the text after its last
    /// blank); empty for a negative index.
    Q_INVOKABLE QString GetPkey(qint16 index) const;
    /// The number of entries in the list.
    int count() const;
    /** @{ */
    /// Reads and writes #items: the entries as the list holds them; setItems()
    /// replaces them without events, duplicate test or message, and selects
    /// the last one.
    QStringList items() const;
    void setItems(const QStringList& entries);
    /** @} */

Q_SIGNALS:
    /// An entry was added (by Enter in the description box or AddItem()),
    /// after the lookup row was emptied. itemAdded() follows.
    void AddItem();
    /// An entry was removed (by the remove button or RemoveItem()). itemRemoved() follows.
    void RemoveItem();
    /// The code changed: each write of #Code, and each change the user makes
    /// in the code box.
    void CodeChange();
    /// The description changed (a write of #Description that changed it,
    /// or the clearing a change of the code makes).
    void DescChange();
    /// A search is asked for: F3 or Enter in the code box, the "F3" button,
    /// ForceSearch() or a pasted code. @p PrimaryKey comes empty, @p Success
    /// false, @p Source tells the key (zev::F3 for the button too). The
    /// handler looks #Code up; when it finds the record it calls
    /// setDescription(), sets @p PrimaryKey to the record's key (what Enter in
    /// the description box then adds) and @p Success to true.
    void Search(QString& PrimaryKey, bool& Success, zev::eSource& Source);
    /// The lookup row holds a record: after a successful Search(), and when a
    /// write of #Description shows a non-blank text.
    void Load();
    /// Raised by Clear(), at its end.
    void Unload();

    /// Right after the AddItem() signal, with the new entry's index.
    void itemAdded(int index);
    /// Right after the RemoveItem() signal, with the removed entry's index.
    void itemRemoved(int index);

    /// @name Property notifications
    /// @{

    /// The property of the same name changed through its setter: a write by the program or a saved form,
    /// or one the control makes itself; each follows propertyChanged().
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
    /// @}
};

} // namespace zev
