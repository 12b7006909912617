#pragma once

#include "framework/ControlError.h"
#include "qt/ZEVControlWidget.h"

#include <QColor>
#include <QFont>
class QLineEdit;
class QAbstractItemModel;
class QPushButton;

namespace zev {

class QtSuggestions;
class ZEVDescriptionOnly;

/**
 * The description-only lookup (`ZEVDescriptionOnly`) as a QWidget: the user
 * types (part of) a description and searches with Enter, F3 or the "F3"
 * button; the Search() handler answers as for ZEVCodeDescriptionWidget.
 *
 * The box is both the search text and the record shown. Each keystroke
 * raises DescChange(), then Load() (the box holds text) or Unload() (it was
 * emptied), then DescChange() again. Enter or F3 raise Search() and set
 * #Loaded and #PrimaryKey from its answer, leaving the text, the caret and the
 * focus as they are (no Load()). The "F3" button raises Search() too; when the
 * record is found it raises Load() and selects the text, otherwise it empties
 * the box; either way the box takes the focus.
 *
 * #Description is the USER property. `Enabled` and `Font` are QWidget's
 * `enabled` and `font`; of the font a saved form keeps only the name,
 * #FontSize, #FontBold... keep the rest.
 *
 * Type-ahead in the box: see setSuggestionModel().
 *
 * Failures: a write or a method throws ControlError, or with
 * setReportsFailures(true) goes to errorRaised() instead. A colour that is not
 * valid fails with 380; #FontSize outside 1..2048 with 380; an #Appearance
 * beyond the 16-bit range with 6; a font over 2048 points, set with
 * QWidget::setFont (which cannot fail), goes to errorRaised() with 380. A
 * ControlError thrown by a Search() (or other) handler passes on to the caller
 * that started the search: ForceSearch(), or the key or click, which reports
 * it through errorRaised().
 */
class ZEV_QT_EXPORT ZEVDescriptionOnlyWidget : public ZEVControlWidget {
    Q_OBJECT
    // In the order the control reads its saved properties (see ZEVControlWidget).
    /// The look of the description box and the "F3" button; default ZEVControlWidget::Flat. A value beyond
    /// the 16-bit range fails with 6.
    Q_PROPERTY(zev::ZEVControlWidget::AppearanceStyle Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
    /// The description box's background; default white (0xFFFFFF). The box shows white while #Locked and the
    /// button face while disabled, and this colour again after.
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)
    /// The USER property: the description box's text, both what is searched for and the record found; default
    /// empty. Each write, changed or not, sets #Loaded and raises Load() for a non-empty text, clears #Loaded
    /// and raises Unload() for an empty one, then DescriptionChanged() and DescChange(). A write that changes
    /// the text runs the typing's events first (DescChange(), Load() or Unload(), DescChange()). The control
    /// writes it itself as the user types, so DescriptionChanged() follows typing too.
    Q_PROPERTY(QString Description READ Description WRITE setDescription NOTIFY DescriptionChanged USER true)
    /// A field name for the host to keep with the control (the key column, say); the control never uses it.
    /// Default empty.
    Q_PROPERTY(QString FieldPkey READ FieldPkey WRITE setFieldPkey NOTIFY FieldPkeyChanged)
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
    /// The description box's text colour; default black (0).
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor NOTIFY ForeColorChanged)
    /// Whether the control holds a record: set by a successful search and while the box holds text, cleared
    /// by a failed search and when the box is emptied; default false. Writing it changes nothing else.
    Q_PROPERTY(bool Loaded READ Loaded WRITE setLoaded)
    /// Whether the user is kept from changing the text; default false. The box shows white while locked.
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    /// The key of the record found, as the Search() handler handed it back; emptied by a failed search, not
    /// by typing; default empty. Writing it changes nothing else. Hidden from the property sheet.
    Q_PROPERTY(QString PrimaryKey READ PrimaryKey WRITE setPrimaryKey DESIGNABLE false)
    /// Whether the "F3" search button is shown; default true. Without it the boxes take its room.
    Q_PROPERTY(bool ShowF3 READ ShowF3 WRITE setShowF3 NOTIFY ShowF3Changed)
    // The widget's own, not saved with the control.
    /// Type-ahead: the pause in typing, in ms, after which suggestionsRequested() asks for rows; default 250.
    /// Not saved with the control.
    Q_PROPERTY(int suggestionDelay READ suggestionDelay WRITE setSuggestionDelay NOTIFY suggestionDelayChanged)
    /// Type-ahead: the fewest characters the box must hold for suggestionsRequested() (never fewer than one);
    /// default 2. Not saved with the control.
    Q_PROPERTY(int suggestionMinLength READ suggestionMinLength WRITE setSuggestionMinLength NOTIFY suggestionMinLengthChanged)

public:
    /// A working lookup with the default properties, as newly placed on a form.
    explicit ZEVDescriptionOnlyWidget(QWidget* parent = nullptr);

    /// The control, with the documented names and types.
    ZEVDescriptionOnly& descriptionOnly() const;
    /// The description box (`txtDescription`).
    QLineEdit* ControlDescription() const;
    /// The "F3" button (`cmdSearch`).
    QPushButton* ControlSearch() const;

    /** @{ */
    /// Reads and writes #Appearance.
    AppearanceStyle Appearance() const;
    void setAppearance(AppearanceStyle appearance);
    /** @} */
    /** @{ */
    /// Reads and writes #BackColor.
    QColor BackColor() const;
    void setBackColor(const QColor& backColor);
    /** @} */
    /** @{ */
    /// Reads and writes #Description.
    QString Description() const;
    void setDescription(const QString& description);
    /** @} */
    /** @{ */
    /// Reads and writes #FieldPkey.
    QString FieldPkey() const;
    void setFieldPkey(const QString& fieldPkey);
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
    /// Reads and writes #ForeColor.
    QColor ForeColor() const;
    void setForeColor(const QColor& foreColor);
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
    /// Reads and writes #PrimaryKey.
    QString PrimaryKey() const;
    void setPrimaryKey(const QString& primaryKey);
    /** @} */
    /** @{ */
    /// Reads and writes #ShowF3.
    bool ShowF3() const;
    void setShowF3(bool showF3);
    /** @} */

    /// Shows the library's about form with the class name ("ZEVDescriptionOnly");
    /// returns when it is closed.
    Q_INVOKABLE void About();
    /// Empties the description (Unload(), DescChange()), then raises Unload()
    /// once more. #PrimaryKey stays.
    Q_INVOKABLE void Clear();
    /// Searches as the key would in the box: zev::Enter as Enter, zev::F3 as
    /// F3 (never as the button: no Load(), no focus change); any other value
    /// does nothing. The control leaves Source as it is; it is taken by value
    /// here.
    Q_INVOKABLE void ForceSearch(zev::eSource source);

    /// The model role of a suggestion's record key (Qt::UserRole).
    static constexpr int SuggestionKeyRole = Qt::UserRole;
    /// Turns type-ahead on in the box with @p model (nullptr: off, the default).
    ///
    /// When the user pauses typing (#suggestionDelay ms, default 250) with at
    /// least #suggestionMinLength characters (default 2), suggestionsRequested()
    /// asks for rows; fill the model in the handler or later. Rows that arrive
    /// for another text than the box holds by then are not shown. The list
    /// opens under the box with no row chosen; Down and Up choose a row, Enter
    /// or a click picks it, Escape closes it (Enter with no row chosen closes
    /// it and searches the text as always). A row shows its display role and
    /// holds its record's key in #SuggestionKeyRole. Picking a row puts its
    /// display text in the box, with the typing's events, and raises Search()
    /// as F3 does, with the key already in `PrimaryKey`. The model stays the
    /// caller's.
    void setSuggestionModel(QAbstractItemModel* model);
    /// The type-ahead model, or nullptr.
    QAbstractItemModel* suggestionModel() const;
    /** @{ */
    /// Reads and writes #suggestionDelay (a negative value is taken as 0).
    int suggestionDelay() const;
    void setSuggestionDelay(int ms);
    /** @} */
    /** @{ */
    /// Reads and writes #suggestionMinLength (a negative value is taken as 0).
    int suggestionMinLength() const;
    void setSuggestionMinLength(int length);
    /** @} */

Q_SIGNALS:
    /// The description changed: twice for each change the user makes (before
    /// and after Load() or Unload()), and at the end of each write of #Description.
    void DescChange();
    /// A search is asked for: Enter or F3 in the box, the "F3" button,
    /// ForceSearch() or a picked suggestion. @p PrimaryKey comes empty (a
    /// picked suggestion's key), @p Success false, @p Source tells the key
    /// (zev::F3 for the button too). The handler looks #Description up; when it
    /// finds the record it may call setDescription(), and sets @p PrimaryKey to
    /// the record's key and @p Success to true.
    void Search(QString& PrimaryKey, bool& Success, zev::eSource& Source);
    /// The control holds a record: the box got a non-empty text (typed or
    /// written), or the "F3" button's search found one.
    void Load();
    /// The box was emptied (typed or written), or Clear() ran. It cannot be cancelled.
    void Unload();

    /// @name Property notifications
    /// @{

    /// The property of the same name changed through its setter: a write by the program or a saved form,
    /// or one the control makes itself; each follows propertyChanged().
    void AppearanceChanged();
    void BackColorChanged();
    void DescriptionChanged();
    void FieldPkeyChanged();
    void FontBoldChanged();
    void FontItalicChanged();
    void FontStrikethroughChanged();
    void FontSizeChanged();
    void FontUnderlineChanged();
    void ForeColorChanged();
    void ShowF3Changed();
    /// @}

    /// Type-ahead: the user paused typing; @p text is the box's text. Fill the suggestion model for it.
    void suggestionsRequested(const QString& text);
    /// #suggestionDelay changed.
    void suggestionDelayChanged(int ms);
    /// #suggestionMinLength changed.
    void suggestionMinLengthChanged(int length);

private:
    QtSuggestions* suggestions_ = nullptr;
};

} // namespace zev
