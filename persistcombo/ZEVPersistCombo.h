#pragma once

#include "framework/ComboBox.h"
#include "framework/Control.h"
#include "framework/Enumerations.h"
#include "framework/FlatEdit.h"
#include "framework/PushButton.h"
#include "framework/WidgetDesign.h"
#include "framework/ZEVCoreExport.h"

namespace zev {

// A lookup row (code box, "F3" button, description box) above a list that
// collects the records found. Each list entry holds its record's code,
// description and primary key inside its own text; the control keeps no other
// copy of them.
class ZEV_CORE_EXPORT ZEVPersistCombo : public Control {
public:
    // Event numbers, in the order the event interface declares them.
    enum Event : int {
        EvAddItem = 1,
        EvRemoveItem = 2,
        EvCodeChange = 3,
        EvDescChange = 4,
        EvSearch = 5,
        EvLoad = 6,
        EvUnload = 7,
    };

    // Spaces between an entry's display part and its primary key: they push
    // the key out of sight behind the list's visible width.
    static constexpr int KeyGap = 300;
    static constexpr qint16 MaxCodeLength = 25;
    static constexpr float CodeCharWidth = 110; // twips per code character
    static constexpr float Gap = 30;            // twips between widgets and rows

    explicit ZEVPersistCombo(ControlHost& host);
    ~ZEVPersistCombo() override;

    static const ClassDescriptor& descriptor();
    static const ControlDesign& Design();
    const ClassDescriptor& Descriptor() const override { return descriptor(); }

    // Lifecycle
    void Initialize() override;
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override;
    void Terminate() override;

    // Widget accessors: set by Initialize, emptied by Terminate.
    FlatEdit* ControlCode() const { return ControlCode_; }
    void setControlCode(FlatEdit* widget) { ControlCode_ = widget; }
    FlatEdit* ControlDescription() const { return ControlDescription_; }
    void setControlDescription(FlatEdit* widget) { ControlDescription_ = widget; }
    PushButton* ControlSearch() const { return ControlSearch_; }
    void setControlSearch(PushButton* widget) { ControlSearch_ = widget; }
    ComboBox* ControlListing() const { return ControlListing_; }
    void setControlListing(ComboBox* widget) { ControlListing_ = widget; }
    PushButton* ControlRemoveItem() const { return ControlRemoveItem_; }
    void setControlRemoveItem(PushButton* widget) { ControlRemoveItem_ = widget; }

    // Properties
    bool AllowItemDuplication() const { return AllowItemDuplication_; }
    void setAllowItemDuplication(bool bValor) { AllowItemDuplication_ = bValor; }
    qint32 Appearance() const;
    void setAppearance(qint32 eaValor);
    QString Code() const;
    void setCode(const QString& sValor);
    OleColor CodeBackColor() const;
    void setCodeBackColor(OleColor ocValor);
    Font& CodeFont();
    void setCodeFont(const Font& fValor);
    void setCodeFont(const FontDesc& fValor);
    OleColor CodeForeColor() const;
    void setCodeForeColor(OleColor ocValor);
    qint16 CodeMaxLength() const;
    void setCodeMaxLength(qint16 iValor);
    qint16 CodeSize() const;
    void setCodeSize(qint16 iValor);
    QString Description() const;
    void setDescription(const QString& sValor);
    OleColor DescriptionBackColor() const;
    void setDescriptionBackColor(OleColor ocValor);
    Font& DescriptionFont();
    void setDescriptionFont(const Font& fValor);
    void setDescriptionFont(const FontDesc& fValor);
    OleColor DescriptionForeColor() const;
    void setDescriptionForeColor(OleColor ocValor);
    bool Enabled() const;
    void setEnabled(bool bValor);
    QString FieldPkey() const { return FieldPkey_; }
    void setFieldPkey(const QString& sValor);
    bool FillZeros() const { return FillZeros_; }
    void setFillZeros(bool bValor) { FillZeros_ = bValor; }
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
    bool Loaded() const { return Loaded_; }
    void setLoaded(bool bValor) { Loaded_ = bValor; }
    bool Locked() const;
    void setLocked(bool bValor);
    bool ShowF3() const { return ShowF3_; }
    void setShowF3(bool bValor);
    bool ShowCodeInCombo() const { return ShowCodeInCombo_; }
    void setShowCodeInCombo(bool bValor) { ShowCodeInCombo_ = bValor; }

    // Methods
    void About();
    void Clear();
    void AddItem(const QString& sDescription, const QString& sPrimaryKey, const QString& sCode = QString(),
                 const qint32& Index = -1);
    void ForceSearch(const eSource& Source);
    void RemoveItem(const qint32& Index);
    QString GetCode(const qint16& Index) const;
    QString GetDescription(const qint16& Index) const;
    QString GetPkey(const qint16& Index) const;

private:
    // An entry's text: display part, the gap of spaces, the primary key.
    static QString ComposeEntry(bool showCode, const QString& sCode, const QString& sDescription,
                                const QString& sPrimaryKey);
    bool CanAddItem(const QString& sDescription, const QString& sCode, const QString& sPrimaryKey) const;
    void ArrangeSearchButton(bool show);
    void SelectAll(FlatEdit& edit);
    template <typename Source>
    static void copyCodeFont(Font& target, const Source& source);
    template <typename Source>
    static void copyDescriptionFont(Font& target, const Source& source);

    // Widget event handlers.
    void txtCode_KeyDown(qint16& KeyCode, qint16& Shift); // the search
    void txtCode_Change();
    void txtCode_GotFocus();
    void txtDescription_KeyDown(qint16& KeyCode, qint16& Shift);
    void cmdSearch_Click();
    void cmdRemoveItem_Click();

    FlatEdit& txtCode;
    PushButton& cmdSearch;
    FlatEdit& txtDescription;
    ComboBox& cboListing;
    PushButton& cmdRemoveItem;

    FlatEdit* ControlCode_ = nullptr;
    FlatEdit* ControlDescription_ = nullptr;
    PushButton* ControlSearch_ = nullptr;
    ComboBox* ControlListing_ = nullptr;
    PushButton* ControlRemoveItem_ = nullptr;

    bool AllowItemDuplication_ = false;
    // The colours last given to CodeBackColor and DescriptionBackColor.
    OleColor CodeBackColorSetting_ = 0;
    OleColor DescriptionBackColorSetting_ = 0;
    QString FieldPkey_;
    bool FillZeros_ = false;
    bool Loaded_ = false;
    bool ShowF3_ = false;
    bool ShowCodeInCombo_ = false;
    // The key the host handed back in the last Search: what Enter in the description box adds.
    QString PendingPrimaryKey_;
};

} // namespace zev
