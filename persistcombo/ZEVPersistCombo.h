#pragma once

#include "framework/ComboBox.h"
#include "framework/LookupControl.h"
#include "framework/Enumerations.h"
#include "framework/FlatEdit.h"
#include "framework/PushButton.h"
#include "framework/WidgetDesign.h"
#include "framework/ZEVCoreExport.h"

namespace zev {

/// A lookup row (code box, "F3" button, description box) above a list that collects the records found. Each
/// list entry holds its record's code, description and primary key inside its own text; the control keeps no
/// other copy of them.
///
/// F3, Enter or the button in the code box raise Search (the code filled with zeros first under FillZeros); a
/// record found raises Load and moves the focus to the description box, none clears the description. Enter in
/// the description box adds the record: AddItem with the duplicate test, which empties the row (CodeChange,
/// DescChange) and raises the AddItem event. The list is not saved. The Qt face is ZEVPersistComboWidget.
class ZEV_CORE_EXPORT ZEVPersistCombo : public CodeLookupControl {
public:
    /// Event numbers, in the order the event interface declares them.
    enum Event : int {
        EvAddItem = 1, ///< AddItem: an entry was added.
        EvRemoveItem = 2, ///< RemoveItem: an entry was removed.
        EvCodeChange = 3, ///< CodeChange: the code changed.
        EvDescChange = 4, ///< DescChange: the description changed.
        EvSearch = 5, ///< Search(PrimaryKey, Success, Source): a search is asked for.
        EvLoad = 6, ///< Load: the row holds a record.
        EvUnload = 7, ///< Unload: raised by Clear (no Cancel).
    };

    /// Spaces between an entry's display part and its primary key: they push the key out of sight behind the
    /// list's visible width.
    static constexpr int KeyGap = 300;
    static constexpr qint16 MaxCodeLength = 25; ///< The largest CodeMaxLength and CodeSize.
    static constexpr float CodeCharWidth = 110; ///< Twips per code character.
    static constexpr float Gap = 30;            ///< Twips between widgets and rows.

    /// A lookup served by @p host, which creates its widgets.
    explicit ZEVPersistCombo(ControlHost& host);
    /// Destroys the control.
    ~ZEVPersistCombo() override;

    /// The class's members and events ("ZEVPersistCombo"; default event Search).
    static const ClassDescriptor& descriptor();
    /// The designed surface and its widgets, in tab order.
    static const ControlDesign& Design();
    const ClassDescriptor& Descriptor() const override { return descriptor(); }

    /// The Control... accessors are set to the widgets.
    void Initialize() override;
    /// Lays the two rows out for the control's size: the lookup row takes the height the list leaves.
    void Resize() override;
    /// The Control... accessors are emptied.
    void Terminate() override;

    /** @{ */
    /// The code box `txtCode`, for the host to reach directly; the control never reads it.
    FlatEdit* ControlCode() const { return ControlCode_; }
    void setControlCode(FlatEdit* widget) { ControlCode_ = widget; }
    /** @} */
    /** @{ */
    /// The description box `txtDescription`, for the host to reach directly.
    FlatEdit* ControlDescription() const { return ControlDescription_; }
    void setControlDescription(FlatEdit* widget) { ControlDescription_ = widget; }
    /** @} */
    /** @{ */
    /// The "F3" button `cmdSearch`, for the host to reach directly.
    PushButton* ControlSearch() const { return ControlSearch_; }
    void setControlSearch(PushButton* widget) { ControlSearch_ = widget; }
    /** @} */
    /** @{ */
    /// The list `cboListing`, for the host to reach directly.
    ComboBox* ControlListing() const { return ControlListing_; }
    void setControlListing(ComboBox* widget) { ControlListing_ = widget; }
    /** @} */
    /** @{ */
    /// The remove button `cmdRemoveItem`, for the host to reach directly.
    PushButton* ControlRemoveItem() const { return ControlRemoveItem_; }
    void setControlRemoveItem(PushButton* widget) { ControlRemoveItem_ = widget; }
    /** @} */

    // Properties. Appearance, Enabled, FieldPkey, the Font... attributes, Loaded,
    // Locked and ShowF3 read (and partly write) as every lookup's; the code box
    // and the description part as every lookup with a code.

    /** @{ */
    /// Whether the list may hold two entries with the same primary key; default false.
    bool AllowItemDuplication() const { return AllowItemDuplication_; }
    void setAllowItemDuplication(bool bValor) { AllowItemDuplication_ = bValor; }
    /** @} */
    /// Sets the look of every widget of the control; beyond the 16-bit range fails with 6.
    void setAppearance(qint32 eaValor);
    /// Sets the code box's text (a change runs its handling, which clears the description), then raises
    /// CodeChange.
    void setCode(const QString& sValor);
    /** @{ */
    /// Copies a font's attributes into the code box's font.
    void setCodeFont(const Font& fValor);
    void setCodeFont(const FontDesc& fValor);
    /** @} */
    /// Sets the most characters of the code box; above 25 is ignored.
    void setCodeMaxLength(qint16 iValor);
    /** @{ */
    /// The code box's width in characters of 110 twips; default 10. A write above 25 is ignored.
    qint16 CodeSize() const;
    void setCodeSize(qint16 iValor);
    /** @} */
    /** @{ */
    /// The description box's text; default empty. A write is trimmed and does nothing when the box holds it
    /// already; otherwise DescChange, then Load for a non-blank text (setting Loaded).
    QString Description() const;
    void setDescription(const QString& sValor);
    /** @} */
    /** @{ */
    /// Copies a font's attributes into the description box's font.
    void setDescriptionFont(const Font& fValor);
    void setDescriptionFont(const FontDesc& fValor);
    /** @} */
    /** @{ */
    /// Whether entries show the code before the description ("0001 - Alpha"); default false. Entries listed
    /// keep their text; the readers use the current value.
    bool ShowCodeInCombo() const { return ShowCodeInCombo_; }
    void setShowCodeInCombo(bool bValor) { ShowCodeInCombo_ = bValor; }
    /** @} */

    /// Shows the library's about form with "ZEVPersistCombo"; returns when it is closed.
    void About();
    /// Empties the code, the description and the list, puts the focus in the code box, then raises Unload.
    /// Loaded stays.
    void Clear();
    /// Adds a record to the list at @p Index (-1: at the end). A duplicate key (unless AllowItemDuplication)
    /// shows the warning "ATENÇÃO! Este item já foi adicionado na lista de filtro.", focuses the code box and
    /// adds nothing. Otherwise the entry is inserted and selected, the code and the description are emptied,
    /// the code box takes the focus and the AddItem event is raised. An index past the end (or below -1)
    /// fails with 5.
    void AddItem(const QString& sDescription, const QString& sPrimaryKey, const QString& sCode = QString(),
                 const qint32& Index = -1);
    /// The search of a key in the code box: Enter for zev::Enter, F3 for zev::F3; other values do nothing.
    void ForceSearch(const eSource& Source);
    /// Removes the entry at @p Index, selects the last one and raises the RemoveItem event; a negative index
    /// does nothing, one past the end fails with 5.
    void RemoveItem(const qint32& Index);
    /// The code of the entry at @p Index; empty for a negative index or without ShowCodeInCombo.
    QString GetCode(const qint16& Index) const;
    /// The description of the entry at @p Index; empty for a negative index.
    QString GetDescription(const qint16& Index) const;
    /// The primary key of the entry at @p Index (the text after its last blank); empty for a negative index.
    QString GetPkey(const qint16& Index) const;

    /// A caller that adds many records in one go (a pasted column of codes) sums its duplicates up in one
    /// message of its own: while @p refused is set, AddItem hands it a refused duplicate instead of showing
    /// the warning.
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
