#pragma once

#include "framework/ControlError.h"
#include "qt/ZEVControlWidget.h"

#include <QColor>
#include <QFont>
class QAbstractItemModel;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zev {

class QtSuggestions;
class ZEVCodeDescription;

/**
 * The code and description lookup (`ZEVCodeDescription`) as a QWidget: a code
 * box, an "F3" button and a description panel.
 *
 * F3, Enter or the button raise Search(); the handler looks the record up,
 * sets #Description and hands back its key:
 *
 * @code
 * connect(customer, &ZEVCodeDescriptionWidget::Search, this,
 *         [=](QString& primaryKey, bool& success, zev::eSource&) {
 *             if (auto r = db.find(customer->Code())) {
 *                 customer->setDescription(r->name);
 *                 primaryKey = r->id;
 *                 success = true;
 *             }
 *         });
 * @endcode
 *
 * The events of a search, in order: with #FillZeros the code is filled first
 * (CodeChange(), Unload()); then Search(); when the handler found the record
 * (`Success` true), #Loaded is set, #PrimaryKey takes the key and Load() is
 * raised (a handler that set #Description saw Load() and DescChange() from
 * it already); otherwise the description, #Loaded and #PrimaryKey are cleared
 * and the code is selected for typing again. Each change of the code clears
 * the record: DescChange() (when a description was shown), CodeChange(),
 * Unload(). Leaving the code box while the control is not loaded runs
 * Clear().
 *
 * #Code is the USER property. `Enabled` is QWidget's `enabled`. #Loaded and
 * #PrimaryKey are hidden from the property sheet, as the library hides them
 * from a host's. Of #CodeFont and #DescriptionFont a saved form keeps only the
 * name; #FontSize, #FontBold... act on both fonts.
 *
 * Type-ahead in the code box: see setSuggestionModel().
 *
 * Failures: a write or a method throws ControlError, or with
 * setReportsFailures(true) goes to errorRaised() instead. A colour that is not
 * valid fails with 380; #CodeMaxLength and #CodeSize beyond the 16-bit range
 * with 6 (within it the control keeps them to its limits); #FontSize outside
 * 1..2048 and a #CodeFont or #DescriptionFont over 2048 points with 380; an
 * #Appearance beyond the 16-bit range with 6. A ControlError thrown by a
 * Search() (or other) handler passes on to the caller that started the search:
 * ForceSearch(), or the key or click, which reports it through errorRaised().
 */
class ZEV_QT_EXPORT ZEVCodeDescriptionWidget : public ZEVControlWidget {
    Q_OBJECT
    // In the order the control reads its saved properties (see ZEVControlWidget).
    /// The look of the code box and the "F3" button; default ZEVControlWidget::Flat. A value beyond the
    /// 16-bit range fails with 6.
    Q_PROPERTY(zev::ZEVControlWidget::AppearanceStyle Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
    /// The USER property: the code box's text; default empty. A write that changes the text clears the
    /// description and the key as the user's typing does (DescChange() when one was shown, CodeChange(),
    /// Unload()), then raises CodeChange() once more; CodeChanged() follows. A cancelled Unload() brings back
    /// the code last written here.
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
    /// Above 25 is taken as 25 and below 0 as 1; beyond the 16-bit range fails with 6.
    Q_PROPERTY(int CodeMaxLength READ CodeMaxLength WRITE setCodeMaxLength NOTIFY CodeMaxLengthChanged)
    /// The code box's width in characters of 110 twips; default 10. Above 25 is taken as 25 and below 1 as 1;
    /// beyond the 16-bit range fails with 6.
    Q_PROPERTY(int CodeSize READ CodeSize WRITE setCodeSize NOTIFY CodeSizeChanged)
    /// The description shown beside the code (a read-only panel); default empty. A write is trimmed of blanks
    /// and does nothing when the panel already shows it; otherwise a non-blank text sets #Loaded and raises
    /// Load(), a blank one clears #Loaded, then DescriptionChanged() and DescChange() follow.
    Q_PROPERTY(QString Description READ Description WRITE setDescription NOTIFY DescriptionChanged)
    /// The description panel's background; default the button face (system colour 0x8000000F). The panel
    /// shows the button face while disabled or #Locked, and this colour again after.
    Q_PROPERTY(QColor DescriptionBackColor READ DescriptionBackColor WRITE setDescriptionBackColor NOTIFY DescriptionBackColorChanged)
    /// The description panel's font; default Tahoma 8.25. A saved form keeps its name only. Over 2048 points
    /// fails with 380.
    Q_PROPERTY(QFont DescriptionFont READ DescriptionFont WRITE setDescriptionFont NOTIFY DescriptionFontChanged)
    /// The description panel's text colour; default black (0).
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
    /// Whether the control holds a record: set by a successful search or a non-blank #Description, cleared by
    /// a failed search, a change of the code or a blank #Description; default false. Writing it changes
    /// nothing else. Hidden from the property sheet.
    Q_PROPERTY(bool Loaded READ Loaded WRITE setLoaded DESIGNABLE false)
    /// Whether the user is kept from changing the code; default false. The code box shows white and the panel
    /// the button face while locked.
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    /// The key of the record that keeps the control loaded, as the Search() handler handed it back; emptied
    /// by a change of the code and by a failed search; default empty. Writing it changes nothing else. Hidden
    /// from the property sheet.
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
    explicit ZEVCodeDescriptionWidget(QWidget* parent = nullptr);

    /// The control, with the documented names and types.
    ZEVCodeDescription& codeDescription() const;
    /// The code box (`txtCode`).
    QLineEdit* ControlCode() const;
    /// The description panel (`panDescription`).
    QLabel* ControlDescription() const;
    /// The "F3" button (`cmdSearch`).
    QPushButton* ControlSearch() const;

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
    /// Reads and writes #DescriptionBackColor.
    QColor DescriptionBackColor() const;
    void setDescriptionBackColor(const QColor& descriptionBackColor);
    /** @} */
    /** @{ */
    /// Reads and writes #DescriptionFont.
    QFont DescriptionFont() const;
    void setDescriptionFont(const QFont& descriptionFont);
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
    /// Reads and writes #PrimaryKey.
    QString PrimaryKey() const;
    void setPrimaryKey(const QString& primaryKey);
    /** @} */
    /** @{ */
    /// Reads and writes #ShowF3.
    bool ShowF3() const;
    void setShowF3(bool showF3);
    /** @} */

    /// Shows the library's about form with the class name ("ZEVCodeDescription");
    /// returns when it is closed.
    Q_INVOKABLE void About();
    /// Lets go of the record: raises Unload(); unless its handler cancels,
    /// empties the code (with its change events) and the description.
    Q_INVOKABLE void Clear();
    /// Searches as the key would in the code box: zev::Enter as Enter, zev::F3
    /// as F3; any other value does nothing. For forms that take those keys
    /// before the control does. The control leaves Source as it is; it is
    /// taken by value here.
    Q_INVOKABLE void ForceSearch(zev::eSource source);

    /// The model role of a suggestion's record key (Qt::UserRole).
    static constexpr int SuggestionKeyRole = Qt::UserRole;
    /// The model role of a suggestion's code (Qt::UserRole + 1): what a pick puts in the code box.
    static constexpr int SuggestionCodeRole = Qt::UserRole + 1;
    /// Turns type-ahead on in the code box with @p model (nullptr: off, the default).
    ///
    /// When the user pauses typing (#suggestionDelay ms, default 250) with at
    /// least #suggestionMinLength characters (default 2), suggestionsRequested()
    /// asks for rows; fill the model in the handler or later. Rows that arrive
    /// for another text than the box holds by then are not shown. The list
    /// opens under the box with no row chosen; Down and Up choose a row, Enter
    /// or a click picks it, Escape closes it (Enter with no row chosen closes
    /// it and searches the text as always). A row shows its display role
    /// ("0001 - Alpha", as the model words it), holds its record's key in
    /// #SuggestionKeyRole and the code in #SuggestionCodeRole. Picking it puts
    /// the code in the box (the display text, for a row with no code), with
    /// CodeChange() and Unload(), and raises Search() as F3 does, with the key
    /// already in `PrimaryKey`. The model stays the caller's.
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
    /// The code changed: each change of the code box's text (typed, pasted or
    /// written), and once more at the end of each write of #Code.
    void CodeChange();
    /// The description changed (a write of #Description that changed it,
    /// or the clearing a change of the code makes).
    void DescChange();
    /// A search is asked for: F3 or Enter in the code box, the "F3" button,
    /// ForceSearch() or a picked suggestion. @p PrimaryKey comes empty (a
    /// picked suggestion's key), @p Success false, @p Source tells the key
    /// (zev::F3 for the button too). The handler looks #Code up; when it finds
    /// the record it calls setDescription(), sets @p PrimaryKey to the
    /// record's key and @p Success to true. @p Source is not read back.
    void Search(QString& PrimaryKey, bool& Success, zev::eSource& Source);
    /// The control holds a record: after a successful Search(), and when a
    /// write of #Description shows a non-blank text.
    void Load();
    /// The control lets go of its record: at each change of the code (after
    /// DescChange() and CodeChange()) and at the start of Clear(). A non-zero
    /// @p Cancel brings back the code last written to #Code (the description
    /// and key stay cleared), or stops Clear().
    void Unload(qint16& Cancel);

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
    void DescriptionBackColorChanged();
    void DescriptionFontChanged();
    void DescriptionForeColorChanged();
    void FieldPkeyChanged();
    void FontBoldChanged();
    void FontItalicChanged();
    void FontStrikethroughChanged();
    void FontSizeChanged();
    void FontUnderlineChanged();
    void ShowF3Changed();
    /// @}

    /// Type-ahead: the user paused typing; @p text is the code box's text. Fill the suggestion model for it.
    void suggestionsRequested(const QString& text);
    /// #suggestionDelay changed.
    void suggestionDelayChanged(int ms);
    /// #suggestionMinLength changed.
    void suggestionMinLengthChanged(int length);

private:
    QtSuggestions* suggestions_ = nullptr;
};

} // namespace zev
