#pragma once

#include "framework/LookupControl.h"
#include "framework/Enumerations.h"
#include "framework/FlatEdit.h"
#include "framework/Font.h"
#include "framework/OleColor.h"
#include "framework/PushButton.h"
#include "framework/SSPanel.h"
#include "framework/ZEVCoreExport.h"

#include <QString>

namespace zev {

/// A lookup field: a code box, an "F3" button and a description panel. F3, Enter or the button raise Search;
/// the host looks the record up, sets Description and hands back the primary key, and the control counts as
/// loaded until the code changes again.
///
/// The events of a search, in order: with FillZeros the code is filled first (CodeChange, Unload); then
/// Search; when the handler set Success, Loaded is set, PrimaryKey takes the key and Load is raised;
/// otherwise the description, Loaded and PrimaryKey are cleared and the code selected. Each change of the
/// code box clears the description and the key, then raises CodeChange and Unload(Cancel); a non-zero Cancel
/// brings back the code last set through setCode. Leaving the code box while not loaded runs Clear. The Qt
/// face is ZEVCodeDescriptionWidget.
class ZEV_CORE_EXPORT ZEVCodeDescription : public CodeLookupControl {
public:
    /// Event numbers of the event interface, for ControlHost::RaiseEvent.
    enum Event : int {
        CodeChangeEvent = 1, ///< CodeChange: the code changed.
        DescChangeEvent = 2, ///< DescChange: the description changed.
        SearchEvent = 3, ///< Search(PrimaryKey, Success, Source): a search is asked for.
        LoadEvent = 4, ///< Load: the control holds a record.
        UnloadEvent = 5, ///< Unload(Cancel): the control lets go of its record.
    };

    /// A lookup served by @p host, which creates its widgets.
    explicit ZEVCodeDescription(ControlHost& host);
    /// Destroys the control.
    ~ZEVCodeDescription() override;

    /// The class's members and events ("ZEVCodeDescription"; default event Search).
    static const ClassDescriptor& descriptor();
    const ClassDescriptor& Descriptor() const override { return descriptor(); }

    /// The Control... accessors are set to the widgets.
    void Initialize() override;
    /// The "F3" button after the code box, the panel taking the rest of the width; heights follow the
    /// control's, never below the design.
    void Resize() override;
    /// The Control... accessors are emptied.
    void Terminate() override;

    /** @{ */
    /// The code box `txtCode`, for the host to reach directly; the control never reads it.
    FlatEdit* ControlCode() const { return ControlCode_; }
    void setControlCode(FlatEdit* widget) { ControlCode_ = widget; }
    /** @} */
    /** @{ */
    /// The description panel `panDescription`, for the host to reach directly.
    SSPanel* ControlDescription() const { return ControlDescription_; }
    void setControlDescription(SSPanel* widget) { ControlDescription_ = widget; }
    /** @} */
    /** @{ */
    /// The "F3" button `cmdSearch`, for the host to reach directly.
    PushButton* ControlSearch() const { return ControlSearch_; }
    void setControlSearch(PushButton* widget) { ControlSearch_ = widget; }
    /** @} */

    // Appearance, Enabled, FieldPkey, the Font... attributes, Loaded, Locked and
    // ShowF3 read (and partly write) as every lookup's; the code box and the
    // description part as every lookup with a code.

    /// Sets the look of the code box and the "F3" button; beyond the 16-bit range fails with 6.
    void setAppearance(qint32 eaValor);
    /// Sets the code box's text, remembered as the code a cancelled Unload brings back. A change runs the
    /// code box's handling (DescChange when a description was shown, CodeChange, Unload); then CodeChange is
    /// raised once more.
    void setCode(const QString& sValor);
    /** @{ */
    /// Copies a font's attributes into the code box's font.
    void setCodeFont(const FontDesc& tfValor);
    void setCodeFont(const Font& tfValor);
    /** @} */
    /// Sets the most characters of the code box: above 25 is taken as 25, below 0 as 1 (0: no limit).
    void setCodeMaxLength(qint16 iValor);
    /** @{ */
    /// The code box's width in characters of 110 twips; default 10. A write above 25 is taken as 25, below 1
    /// as 1.
    qint16 CodeSize() const;
    void setCodeSize(qint16 iValor);
    /** @} */
    /** @{ */
    /// The description panel's text; default empty. A write is trimmed and does nothing when the panel shows
    /// it already; otherwise a non-blank text sets Loaded and raises Load, a blank one clears Loaded, then
    /// DescChange.
    QString Description() const;
    void setDescription(const QString& sValor);
    /** @} */
    /** @{ */
    /// Copies a font's attributes into the panel's font.
    void setDescriptionFont(const FontDesc& fValor);
    void setDescriptionFont(const Font& fValor);
    /** @} */
    /** @{ */
    /// The key of the record that keeps the control loaded; default empty. Emptied by a change of the code
    /// and a failed search; writing it changes nothing else.
    QString PrimaryKey() const { return primaryKey_; }
    void setPrimaryKey(const QString& sValor) { primaryKey_ = sValor; }
    /** @} */

    /// Shows the library's about form with "ZEVCodeDescription"; returns when it is closed.
    void About();
    /// Raises Unload; unless cancelled, empties the code (with its change handling) and the description.
    void Clear();
    /// The search of a key in the code box: Enter for zev::Enter, F3 for zev::F3; other values do nothing.
    /// For forms that take the keys before the control.
    void ForceSearch(eSource& Source);

protected:
    const PersistedProperties& persisted() const override;
    void searchBox_KeyDown(qint16& KeyCode, qint16& Shift) override;
    void arrangeSearchButton(bool showButton) override;
    void clearDescription() override { setDescription(QString()); }

private:
    // Widget events.
    void txtCode_Change();
    void txtCode_LostFocus();

    // Raises Unload and returns the Cancel the handler left.
    qint16 raiseUnload();

    FlatEdit& txtCode;
    PushButton& cmdSearch;
    SSPanel& panDescription;

    FlatEdit* ControlCode_ = nullptr;
    SSPanel* ControlDescription_ = nullptr;
    PushButton* ControlSearch_ = nullptr;

    QString LastAssignedCode;
};

} // namespace zev
