#pragma once

#include "framework/LookupControl.h"
#include "framework/Enumerations.h"
#include "framework/FlatEdit.h"
#include "framework/Font.h"
#include "framework/OleColor.h"
#include "framework/PushButton.h"
#include "framework/ZEVCoreExport.h"

#include <QString>

namespace zev {

/// A lookup field with a description box only: the user types (part of) a description and presses Enter or
/// F3, or clicks "F3"; the host answers Search and the control reports through Loaded and PrimaryKey whether
/// it holds a record.
///
/// Each change of the text raises DescChange, then Load (text) or Unload (empty), then DescChange. Enter or
/// F3 raise Search and set Loaded and PrimaryKey from its answer, leaving text, caret and focus alone. The
/// button raises Search; a record found raises Load and selects the text, none empties the box; the box takes
/// the focus. The Qt face is ZEVDescriptionOnlyWidget.
class ZEV_CORE_EXPORT ZEVDescriptionOnly : public LookupControl {
public:
    /// Event numbers of the event interface, for ControlHost::RaiseEvent.
    enum Event : int {
        DescChangeEvent = 1, ///< DescChange: the description changed.
        SearchEvent = 2, ///< Search(PrimaryKey, Success, Source): a search is asked for.
        LoadEvent = 3, ///< Load: the control holds a record.
        UnloadEvent = 4, ///< Unload: the description was emptied, or Clear ran (no Cancel).
    };

    /// A lookup served by @p host, which creates its widgets.
    explicit ZEVDescriptionOnly(ControlHost& host);
    /// Destroys the control.
    ~ZEVDescriptionOnly() override;

    /// The class's members and events ("ZEVDescriptionOnly").
    static const ClassDescriptor& descriptor();
    const ClassDescriptor& Descriptor() const override { return descriptor(); }

    /// The Control... accessors are set to the widgets.
    void Initialize() override;
    /// The box takes the width the "F3" button leaves; heights follow the control's.
    void Resize() override;
    /// The Control... accessors are emptied.
    void Terminate() override;

    /** @{ */
    /// The description box `txtDescription`, for the host to reach directly; the control never reads it.
    FlatEdit* ControlDescription() const { return ControlDescription_; }
    void setControlDescription(FlatEdit* widget) { ControlDescription_ = widget; }
    /** @} */
    /** @{ */
    /// The "F3" button `cmdSearch`, for the host to reach directly.
    PushButton* ControlSearch() const { return ControlSearch_; }
    void setControlSearch(PushButton* widget) { ControlSearch_ = widget; }
    /** @} */

    /// Sets the look of the button and the box; beyond the 16-bit range fails with 6.
    void setAppearance(qint32 eaValor);
    /** @{ */
    /// The box's background; default white. White while locked, the button face while disabled.
    OleColor BackColor() const;
    void setBackColor(OleColor cocValor);
    /** @} */
    /** @{ */
    /// The box's text; default empty. Each write, changed or not, sets Loaded and raises Load (non-empty) or
    /// clears Loaded and raises Unload (empty), then DescChange; a change runs the typing's events first.
    QString Description() const;
    void setDescription(const QString& sValor);
    /** @} */
    /// The box's font object; default Tahoma 8.25.
    zev::Font& Font();
    /** @{ */
    /// Copies a font's attributes into the box's font.
    void setFont(const FontDesc& fValor);
    void setFont(const zev::Font& fValor);
    /** @} */
    /** @{ */
    /// The box's text colour; default black.
    OleColor ForeColor() const;
    void setForeColor(OleColor ocValor);
    /** @} */
    /** @{ */
    /// The key of the record found; default empty. Set or emptied by a search only; writing it changes
    /// nothing else.
    QString PrimaryKey() const { return primaryKey_; }
    void setPrimaryKey(const QString& sValor) { primaryKey_ = sValor; }
    /** @} */

    /// Shows the library's about form with "ZEVDescriptionOnly"; returns when it is closed.
    void About();
    /// Empties the description (Unload, DescChange), then raises Unload once more; PrimaryKey stays.
    void Clear();
    /// The search of a key in the box: Enter for zev::Enter, F3 for zev::F3 (never the button's); other
    /// values do nothing.
    void ForceSearch(eSource& Source);

protected:
    const PersistedProperties& persisted() const override;
    void searchBox_KeyDown(qint16& KeyCode, qint16& Shift) override;
    void arrangeSearchButton(bool showButton) override;
    void clearDescription() override { setDescription(QString()); }

private:
    // Widget events.
    void txtDescription_Change();
    void cmdSearch_Click();

    FlatEdit& txtDescription;
    PushButton& cmdSearch;

    FlatEdit* ControlDescription_ = nullptr;
    PushButton* ControlSearch_ = nullptr;

    OleColor BackColorSetting = 0;
};

} // namespace zev
