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

// What the three lookups (ZEVCodeDescription, ZEVDescriptionOnly, ZEVPersistCombo)
// have in common: the box a search starts from, the "F3" button, the font
// attributes every box of the row follows, the flags of a lookup, the search
// itself and the persisted properties, each declared once. A lookup with a code
// box (code and description lookups, the list lookup) also finds its code box,
// its description part and their colours here.
class ZEV_CORE_EXPORT LookupControl : public Control {
public:
    ~LookupControl() override;

    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;

    qint32 Appearance() const;
    bool Enabled() const;
    void setEnabled(bool bValor);
    QString FieldPkey() const { return fieldPkey_; }
    void setFieldPkey(const QString& sValor);
    bool FontBold() const;
    void setFontBold(bool bValor);
    bool FontItalic() const;
    void setFontItalic(bool bValor);
    bool FontStrikethrough() const;
    void setFontStrikethrough(bool bValor);
    bool FontUnderline() const;
    void setFontUnderline(bool bValor);
    qint32 FontSize() const;
    void setFontSize(qint32 lValor);
    bool Loaded() const { return loaded_; }
    void setLoaded(bool bValor) { loaded_ = bValor; }
    bool Locked() const;
    void setLocked(bool bValor);
    bool ShowF3() const { return showF3_; }
    void setShowF3(bool bValor);

    // The F3 key's search, with the Search event's PrimaryKey argument holding
    // `primaryKey` instead of an empty text: for a face that already knows the
    // record the user chose (a suggestion picked), so that the host's Search
    // handler can look it up by key. The events and their order are F3's.
    void searchWithKey(const QString& primaryKey);

    // One persisted property: its key, the value a missing key reads as (and
    // that is not stored), how a stored value reaches the control and what the
    // control stores. A font keeps its current value as the default it reads
    // and is stored with no default.
    struct PersistedProperty {
        QString key;
        QVariant defaultValue;
        std::function<void(LookupControl&, const QVariant&)> load;
        std::function<QVariant(LookupControl&)> save;
        bool font = false;
    };
    // A control's persisted properties and the orders in which InitProperties
    // sets, ReadProperties reads and WriteProperties writes them.
    struct PersistedProperties {
        std::vector<PersistedProperty> properties;
        std::vector<size_t> initOrder, readOrder, writeOrder;
    };

protected:
    // The colours of one box of the row, whatever widget shows it.
    struct ColourPart {
        std::function<OleColor()> backColor;
        std::function<void(OleColor)> setBackColor;
        std::function<OleColor()> foreColor;
        std::function<void(OleColor)> setForeColor;
    };
    template <typename W>
    static ColourPart colourPart(W& w)
    {
        return {[&w] { return w.BackColor(); }, [&w](OleColor c) { w.setBackColor(c); },
                [&w] { return w.ForeColor(); }, [&w](OleColor c) { w.setForeColor(c); }};
    }

    // A box with a back colour of its own: shown while the lookup is enabled and
    // unlocked, lockedColour while locked, the button face while disabled.
    struct Box {
        ColourPart colours;
        OleColor* setting = nullptr;
        OleColor lockedColour = Colors::White;
    };

    // What a lookup gives the shared part, once its widgets exist.
    struct Parts {
        FlatEdit* searchBox = nullptr;       // the box whose Enter or F3 searches
        FlatEdit* codeBox = nullptr;         // lookups with a code only
        std::vector<Widget*> widgets;        // every widget, in the order Enabled reaches them
        std::vector<Box> boxes;              // the boxes with a colour setting
        std::vector<std::function<void(OleColor)>> plainParts; // back colours: white while locked, the button face while disabled
        std::vector<Font*> fonts;            // the fonts the Font... attributes set, the first one read
        Font* descriptionFont = nullptr;     // lookups with a code only
        ColourPart descriptionColours;       // lookups with a code only
        bool descriptionWhiteWhenLocked = false;
    };

    explicit LookupControl(ControlHost& host);
    void attach(Parts parts);

    // The persisted properties of the concrete control.
    virtual const PersistedProperties& persisted() const = 0;
    // The search box's KeyDown: Enter or F3 search, other keys do nothing.
    virtual void searchBox_KeyDown(qint16& KeyCode, qint16& Shift) = 0;
    virtual void arrangeSearchButton(bool showButton) = 0;

    // ---- Code box and description part (lookups with a code) ---------------
    QString Code() const;
    OleColor CodeBackColor() const;
    void setCodeBackColor(OleColor ocValor);
    Font& CodeFont();
    OleColor CodeForeColor() const;
    void setCodeForeColor(OleColor ocValor);
    qint16 CodeMaxLength() const;
    OleColor DescriptionBackColor() const;
    void setDescriptionBackColor(OleColor ocValor);
    Font& DescriptionFont();
    OleColor DescriptionForeColor() const;
    void setDescriptionForeColor(OleColor ocValor);
    bool FillZeros() const { return fillZeros_; }
    void setFillZeros(bool bValor) { fillZeros_ = bValor; }

    // A box's back colour: the setting kept, shown unless the lookup is locked
    // (white, where the box shows that) or disabled (button face, likewise).
    void applyBackColor(const ColourPart& part, OleColor& setting, OleColor value, bool whiteWhenLocked,
                        bool faceWhenDisabled, const QString& key);
    void applyForeColor(const ColourPart& part, OleColor value, const QString& key);

    // The widgets' appearance is an Integer; a code beyond it overflows as the container's conversion does.
    static qint16 narrowAppearance(qint32 value);
    // The "F3" button of a lookup's row, at `left` twips.
    static WidgetDesign searchButtonDesign(float left);

    // ---- The search ------------------------------------------------------
    struct SearchAnswer {
        QString primaryKey;
        bool success = false;
    };
    // Which search a key starts (false: none); with FillZeros the code is padded first.
    bool beginSearch(qint16 KeyCode, eSource& source);
    // Raises Search with an empty key and no success; reads the slots back as the
    // container would, the key first: a `keyHolder` has it even when Success then fails to read.
    SearchAnswer raiseSearch(int searchEvent, eSource source, QString* keyHolder = nullptr);
    // The search a key in the search box starts (false: the key starts none).
    bool searchFromKey(qint16 KeyCode, int searchEvent, SearchAnswer& answer, QString* keyHolder = nullptr);
    // A search's answer taken by a lookup with a primary key: the record loaded
    // (Load raised), or the description, Loaded and the key cleared, in that
    // order. True when the record was found.
    bool takeAnswer(const SearchAnswer& answer, int loadEvent);
    // The description emptied, as the lookup's own setDescription("") does.
    virtual void clearDescription() = 0;
    // ForceSearch: the key's search, as if the key were pressed in the search box.
    void forceSearch(eSource Source);
    // The "F3" button of the lookups with a code: the F3 key's search.
    void searchAsF3();
    static void selectAll(FlatEdit& edit);
    // Writes the text the user typed back through `write` (a property setter,
    // which would put the caret at 0 under the user's next key): the user's
    // caret and selection stay where they were.
    static void writeBackKeepingCaret(FlatEdit& box, const std::function<void(const QString&)>& write);

    FlatEdit* searchBox_ = nullptr;
    FlatEdit* codeBox_ = nullptr;
    OleColor codeBackColorSetting_ = 0;
    OleColor descriptionBackColorSetting_ = 0;
    QString fieldPkey_;
    QString primaryKey_; // the lookups with a PrimaryKey property
    bool fillZeros_ = false;
    bool loaded_ = false;
    bool showF3_ = false;

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

// A lookup whose row starts with a code box (code and description lookups, the
// list lookup): the code box and the description part, public.
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
    // The code box `size` steps of `unit` twips wide, the row laid out again.
    void applyCodeSize(qint16 size, float unit);
    // The code box's font copied from `font` attribute by attribute, then CodeFont told.
    void applyCodeFont(const Font& font);
};

} // namespace zev
