#pragma once

#include "framework/ComboBox.h"
#include "framework/LookupControl.h"
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
class ZEV_CORE_EXPORT ZEVPersistCombo : public CodeLookupControl {
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

    // Lifecycle (the persisted properties are declared once, in the source).
    void Initialize() override;
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

    // Properties. Appearance, Enabled, FieldPkey, the Font... attributes, Loaded,
    // Locked and ShowF3 read (and partly write) as every lookup's; the code box
    // and the description part as every lookup with a code.

    bool AllowItemDuplication() const { return AllowItemDuplication_; }
    void setAllowItemDuplication(bool bValor) { AllowItemDuplication_ = bValor; }
    void setAppearance(qint32 eaValor);
    void setCode(const QString& sValor);
    void setCodeFont(const Font& fValor);
    void setCodeFont(const FontDesc& fValor);
    void setCodeMaxLength(qint16 iValor);
    qint16 CodeSize() const;
    void setCodeSize(qint16 iValor);
    QString Description() const;
    void setDescription(const QString& sValor);
    void setDescriptionFont(const Font& fValor);
    void setDescriptionFont(const FontDesc& fValor);
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

    // A caller that adds many records in one go (a pasted column of codes)
    // sums its duplicates up in one message of its own: while `refused` is
    // set, AddItem hands it a refused duplicate instead of showing the warning.
    void setDuplicateRefusal(std::function<void()> refused) { duplicateRefusal_ = std::move(refused); }

protected:
    void clearDescription() override { setDescription(QString()); }
    const PersistedProperties& persisted() const override;
    void searchBox_KeyDown(qint16& KeyCode, qint16& Shift) override; // the code box's: the search
    void arrangeSearchButton(bool show) override;

private:
    // An entry's text: display part, the gap of spaces, the primary key.
    static QString ComposeEntry(bool showCode, const QString& sCode, const QString& sDescription,
                                const QString& sPrimaryKey);
    bool CanAddItem(const QString& sDescription, const QString& sCode, const QString& sPrimaryKey) const;
    void linkParts(bool linked);

    // Widget event handlers.
    void txtCode_Change();
    void txtCode_GotFocus();
    void txtDescription_KeyDown(qint16& KeyCode, qint16& Shift);
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
    bool ShowCodeInCombo_ = false;
    // The key the host handed back in the last Search: what Enter in the description box adds.
    QString PendingPrimaryKey_;
    std::function<void()> duplicateRefusal_;
};

} // namespace zev
