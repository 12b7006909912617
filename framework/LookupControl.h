#pragma once

#include "framework/Control.h"
#include "framework/Enumerations.h"
#include "framework/FlatEdit.h"
#include "framework/Font.h"
#include "framework/OleColor.h"
#include "framework/PushButton.h"
#include "framework/ZEVCoreExport.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <initializer_list>
#include <vector>

namespace zev {

/// What the three lookups (ZEVCodeDescription, ZEVDescriptionOnly, ZEVPersistCombo) have in common: the box a
/// search starts from, the "F3" button, the font attributes every box of the row follows, the flags of a
/// lookup, the search itself and the persisted properties, each declared once. A lookup with a code box (code
/// and description lookups, the list lookup) also finds its code box, its description part and their colours
/// here (see CodeLookupControl).
class ZEV_CORE_EXPORT LookupControl : public Control {
public:
    /// Destroys the lookup.
    ~LookupControl() override;

    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;

    /// The look of the search box (the lookup's #Appearance): 0 flat (the default), 1 three-dimensional.
    qint32 Appearance() const;
    /** @{ */
    /// Whether the lookup takes input; default true. Disabled, its boxes show the button face; enabled again,
    /// their own colours.
    bool Enabled() const;
    void setEnabled(bool bValor);
    /** @} */
    /** @{ */
    /// A field name for the host to keep with the control; the control never uses it. Default empty.
    QString FieldPkey() const { return fieldPkey_; }
    void setFieldPkey(const QString& sValor);
    /** @} */
    /** @{ */
    /// Bold text in every box of the row (read from the first); default false.
    bool FontBold() const;
    void setFontBold(bool bValor);
    /** @} */
    /** @{ */
    /// Italic text in every box of the row (read from the first); default false.
    bool FontItalic() const;
    void setFontItalic(bool bValor);
    /** @} */
    /** @{ */
    /// Struck-out text in every box of the row (read from the first); default false.
    bool FontStrikethrough() const;
    void setFontStrikethrough(bool bValor);
    /** @} */
    /** @{ */
    /// Underlined text in every box of the row (read from the first); default false.
    bool FontUnderline() const;
    void setFontUnderline(bool bValor);
    /** @} */
    /** @{ */
    /// The text size of every box of the row in whole points (read from the first); default 8.
    qint32 FontSize() const;
    void setFontSize(qint32 lValor);
    /** @} */
    /** @{ */
    /// Whether the lookup holds a record found by a search; default false. Writing it changes nothing else.
    bool Loaded() const { return loaded_; }
    void setLoaded(bool bValor) { loaded_ = bValor; }
    /** @} */
    /** @{ */
    /// Whether the user is kept from changing the search box; default false. Locked boxes show white (the
    /// code and description lookup's panel, the button face).
    bool Locked() const;
    void setLocked(bool bValor);
    /** @} */
    /** @{ */
    /// Whether the "F3" button is shown; default true. Writing it lays the row out again.
    bool ShowF3() const { return showF3_; }
    void setShowF3(bool bValor);
    /** @} */

    /// The F3 key's search, with the Search event's PrimaryKey argument holding @p primaryKey instead of an
    /// empty text: for a face that already knows the record the user chose (a suggestion picked), so that the
    /// host's Search handler can look it up by key. The events and their order are F3's.
    void searchWithKey(const QString& primaryKey);

    /// One persisted property: its key, the value a missing key reads as (and that is not stored), how a
    /// stored value reaches the control and what the control stores. A font keeps its current value as the
    /// default it reads and is stored with no default.
    struct PersistedProperty {
        QString key; ///< The key in the property bag.
        QVariant defaultValue; ///< The value a missing key reads as, and that is not stored.
        /// Applies a stored value through the control's setter.
        std::function<void(LookupControl&, const QVariant&)> load;
        std::function<QVariant(LookupControl&)> save; ///< The value the control stores.
        bool font = false; ///< Whether it is a font (stored with no default).
    };
    /// A control's persisted properties and the orders in which InitProperties sets, ReadProperties reads and
    /// WriteProperties writes them.
    struct PersistedProperties {
        std::vector<PersistedProperty> properties; ///< The properties.
        /** @{ */
        /// Indexes into #properties, in the order InitProperties sets, ReadProperties reads and WriteProperties
        /// writes them.
        std::vector<size_t> initOrder, readOrder, writeOrder;
        /** @} */
    };

protected:
    /// The colours of one box of the row, whatever widget shows it.
    struct ColourPart {
        std::function<OleColor()> backColor; ///< Reads the background.
        std::function<void(OleColor)> setBackColor; ///< Writes the background.
        std::function<OleColor()> foreColor; ///< Reads the text colour.
        std::function<void(OleColor)> setForeColor; ///< Writes the text colour.
    };
    /// The colours of widget @p w.
    template <typename W>
    static ColourPart colourPart(W& w)
    {
        return {[&w] { return w.BackColor(); }, [&w](OleColor c) { w.setBackColor(c); },
                [&w] { return w.ForeColor(); }, [&w](OleColor c) { w.setForeColor(c); }};
    }

    /// A box with a back colour of its own: shown while the lookup is enabled and unlocked, lockedColour
    /// while locked, the button face while disabled.
    struct Box {
        ColourPart colours; ///< The box's colours.
        OleColor* setting = nullptr; ///< The colour last set for it.
        OleColor lockedColour = Colors::White; ///< The colour it shows while locked.
    };

    /// What a lookup gives the shared part, once its widgets exist.
    struct Parts {
        FlatEdit* searchBox = nullptr;       ///< The box whose Enter or F3 searches.
        FlatEdit* codeBox = nullptr;         ///< Lookups with a code only.
        std::vector<Widget*> widgets;        ///< Every widget, in the order Enabled reaches them.
        std::vector<Box> boxes;              ///< The boxes with a colour setting.
        /// Back colours of parts without a setting: white while locked, the button face while disabled.
        std::vector<std::function<void(OleColor)>> plainParts;
        std::vector<Font*> fonts;            ///< The fonts the Font... attributes set, the first one read.
        Font* descriptionFont = nullptr;     ///< Lookups with a code only.
        ColourPart descriptionColours;       ///< Lookups with a code only.
        bool descriptionWhiteWhenLocked = false; ///< Whether the description part shows white while locked.
    };

    /// A lookup served by @p host.
    explicit LookupControl(ControlHost& host);
    /// Hands the shared part the lookup's widgets; called once they exist.
    void attach(Parts parts);

    /// The persisted properties of the concrete control.
    virtual const PersistedProperties& persisted() const = 0;
    /// The search box's KeyDown: Enter or F3 search, other keys do nothing.
    virtual void searchBox_KeyDown(qint16& KeyCode, qint16& Shift) = 0;
    /// Shows or hides the "F3" button and lays the row out for it.
    virtual void arrangeSearchButton(bool showButton) = 0;

    /// The code box's text (lookups with a code).
    QString Code() const;
    /// The code box's background; default white. White while locked, the button face while disabled.
    OleColor CodeBackColor() const;
    /// Sets the code box's background colour, kept and shown unless locked or disabled; then CodeBackColor is told.
    void setCodeBackColor(OleColor ocValor);
    /// The code box's font object: changing it changes the box at once.
    Font& CodeFont();
    /// The code box's text colour; default black.
    OleColor CodeForeColor() const;
    /// Sets the code box's text colour; then CodeForeColor is told.
    void setCodeForeColor(OleColor ocValor);
    /// The most characters the code box takes (0: no limit), and the length FillZeros fills to; default 4.
    qint16 CodeMaxLength() const;
    /// The description part's background; the button face while disabled.
    OleColor DescriptionBackColor() const;
    /// Sets the description part's background colour, kept and shown unless disabled (or locked, where the
    /// part shows that); then DescriptionBackColor is told.
    void setDescriptionBackColor(OleColor ocValor);
    /// The description part's font object: changing it changes the part at once.
    Font& DescriptionFont();
    /// The description part's text colour; default black.
    OleColor DescriptionForeColor() const;
    /// Sets the description part's text colour; then DescriptionForeColor is told.
    void setDescriptionForeColor(OleColor ocValor);
    /// Whether a search first fills the code with zeros in front up to CodeMaxLength; default false.
    bool FillZeros() const { return fillZeros_; }
    /// Sets whether a search first fills the code with zeros.
    void setFillZeros(bool bValor) { fillZeros_ = bValor; }

    /// A box's back colour: the setting kept, shown unless the lookup is locked (white, where the box shows
    /// that) or disabled (button face, likewise); then @p key is told.
    void applyBackColor(const ColourPart& part, OleColor& setting, OleColor value, bool whiteWhenLocked,
                        bool faceWhenDisabled, const QString& key);
    /// A box's text colour set, then @p key told.
    void applyForeColor(const ColourPart& part, OleColor value, const QString& key);

    /// The widgets' appearance is an Integer; a code beyond it overflows (6) as the container's conversion
    /// does.
    static qint16 narrowAppearance(qint32 value);
    /// The "F3" button of a lookup's row, at @p left twips.
    static WidgetDesign searchButtonDesign(float left);

    /// What a Search handler answered.
    struct SearchAnswer {
        QString primaryKey; ///< The key it handed back.
        bool success = false; ///< Whether it found the record.
    };
    /// Which search a key starts (false: none); with FillZeros the code is padded first.
    bool beginSearch(qint16 KeyCode, eSource& source);
    /// Raises Search with an empty key and no success; reads the slots back as the container would, the key
    /// first: a @p keyHolder has it even when Success then fails to read.
    SearchAnswer raiseSearch(int searchEvent, eSource source, QString* keyHolder = nullptr);
    /// The search a key in the search box starts (false: the key starts none).
    bool searchFromKey(qint16 KeyCode, int searchEvent, SearchAnswer& answer, QString* keyHolder = nullptr);
    /// A search's answer taken by a lookup with a primary key: the record loaded (Load raised), or the
    /// description, Loaded and the key cleared, in that order. True when the record was found.
    bool takeAnswer(const SearchAnswer& answer, int loadEvent);
    /// The description emptied, as the lookup's own setDescription("") does.
    virtual void clearDescription() = 0;
    /// ForceSearch: the key's search, as if the key were pressed in the search box.
    void forceSearch(eSource Source);
    /// The "F3" button of the lookups with a code: the F3 key's search.
    void searchAsF3();
    /// Selects the whole text of @p edit.
    static void selectAll(FlatEdit& edit);
    /// Writes the text the user typed back through @p write (a property setter, which would put the caret at
    /// 0 under the user's next key): the user's caret and selection stay where they were.
    static void writeBackKeepingCaret(FlatEdit& box, const std::function<void(const QString&)>& write);

    FlatEdit* searchBox_ = nullptr; ///< The box whose Enter or F3 searches.
    FlatEdit* codeBox_ = nullptr; ///< The code box (lookups with a code).
    OleColor codeBackColorSetting_ = 0; ///< The code box's colour last set.
    OleColor descriptionBackColorSetting_ = 0; ///< The description part's colour last set.
    QString fieldPkey_; ///< The FieldPkey property.
    QString primaryKey_; ///< The lookups with a PrimaryKey property.
    bool fillZeros_ = false; ///< The FillZeros property.
    bool loaded_ = false; ///< The Loaded property.
    bool showF3_ = false; ///< The ShowF3 property.

private:
    // One attribute set on every font of the lookup's parts, then `key` told.
    void setEveryFont(void (Font::*set)(bool), bool value, const QString& key);
    std::vector<Widget*> widgets_;
    std::vector<Box> boxes_;
    std::vector<std::function<void(OleColor)>> plainParts_;
    std::vector<Font*> fonts_;
    Font* descriptionFont_ = nullptr;
    ColourPart codeColours_;
    ColourPart descriptionColours_;
    bool descriptionWhiteWhenLocked_ = false;
    QString offeredKey_; // the PrimaryKey argument of the next Search (searchWithKey)
};

/// A lookup whose row starts with a code box (code and description lookups, the list lookup): the code box
/// and the description part, public.
class ZEV_CORE_EXPORT CodeLookupControl : public LookupControl {
public:
    using LookupControl::Code;
    using LookupControl::CodeBackColor;
    using LookupControl::setCodeBackColor;
    using LookupControl::CodeFont;
    using LookupControl::CodeForeColor;
    using LookupControl::setCodeForeColor;
    using LookupControl::CodeMaxLength;
    using LookupControl::DescriptionBackColor;
    using LookupControl::setDescriptionBackColor;
    using LookupControl::DescriptionFont;
    using LookupControl::DescriptionForeColor;
    using LookupControl::setDescriptionForeColor;
    using LookupControl::FillZeros;
    using LookupControl::setFillZeros;

protected:
    using LookupControl::LookupControl;
    /// The code box @p size steps of @p unit twips wide, the row laid out again; then CodeSize is told.
    void applyCodeSize(qint16 size, float unit);
    /// The code box's font copied from @p font attribute by attribute, then CodeFont told.
    void applyCodeFont(const Font& font);
};

} // namespace zev
