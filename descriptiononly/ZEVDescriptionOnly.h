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

// A lookup field with a description box only: the user types (part of) a
// description and presses Enter or F3, or clicks "F3"; the host answers Search
// and the control reports through Loaded and PrimaryKey whether it holds a record.
class ZEV_CORE_EXPORT ZEVDescriptionOnly : public LookupControl {
public:
    // Event numbers of __ZEVDescriptionOnly.
    enum Event : int {
        DescChangeEvent = 1,
        SearchEvent = 2,
        LoadEvent = 3,
        UnloadEvent = 4,
    };

    explicit ZEVDescriptionOnly(ControlHost& host);
    ~ZEVDescriptionOnly() override;

    static const ClassDescriptor& descriptor();
    const ClassDescriptor& Descriptor() const override { return descriptor(); }

    // Lifecycle (the persisted properties are declared once, in the source).
    void Initialize() override;
    void Resize() override;
    void Terminate() override;

    // Direct access to the widgets for the host; the control never reads these.
    FlatEdit* ControlDescription() const { return ControlDescription_; }
    void setControlDescription(FlatEdit* widget) { ControlDescription_ = widget; }
    PushButton* ControlSearch() const { return ControlSearch_; }
    void setControlSearch(PushButton* widget) { ControlSearch_ = widget; }

    // Appearance, Enabled, FieldPkey, the Font... attributes, Loaded, Locked and
    // ShowF3 read (and partly write) as every lookup's.
    void setAppearance(qint32 eaValor);
    OleColor BackColor() const;
    void setBackColor(OleColor cocValor);
    QString Description() const;
    void setDescription(const QString& sValor);
    zev::Font& Font();
    void setFont(const FontDesc& fValor);
    void setFont(const zev::Font& fValor);
    OleColor ForeColor() const;
    void setForeColor(OleColor ocValor);
    QString PrimaryKey() const { return primaryKey_; }
    void setPrimaryKey(const QString& sValor) { primaryKey_ = sValor; }

    void About();
    void Clear();
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
