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

// A lookup field: a code box, an "F3" button and a description panel. F3, Enter
// or the button raise Search; the host looks the record up, sets Description
// and hands back the primary key, and the control counts as loaded until the
// code changes again.
class ZEV_CORE_EXPORT ZEVCodeDescription : public CodeLookupControl {
public:
    // Event numbers of __ZEVCodeDescription.
    enum Event : int {
        CodeChangeEvent = 1,
        DescChangeEvent = 2,
        SearchEvent = 3,
        LoadEvent = 4,
        UnloadEvent = 5,
    };

    explicit ZEVCodeDescription(ControlHost& host);
    ~ZEVCodeDescription() override;

    static const ClassDescriptor& descriptor();
    const ClassDescriptor& Descriptor() const override { return descriptor(); }

    // Lifecycle (the persisted properties are declared once, in the source).
    void Initialize() override;
    void Resize() override;
    void Terminate() override;

    // Direct access to the widgets for the host; the control never reads these.
    FlatEdit* ControlCode() const { return ControlCode_; }
    void setControlCode(FlatEdit* widget) { ControlCode_ = widget; }
    SSPanel* ControlDescription() const { return ControlDescription_; }
    void setControlDescription(SSPanel* widget) { ControlDescription_ = widget; }
    PushButton* ControlSearch() const { return ControlSearch_; }
    void setControlSearch(PushButton* widget) { ControlSearch_ = widget; }

    // Appearance, Enabled, FieldPkey, the Font... attributes, Loaded, Locked and
    // ShowF3 read (and partly write) as every lookup's; the code box and the
    // description part as every lookup with a code.

    void setAppearance(qint32 eaValor);
    void setCode(const QString& sValor);
    void setCodeFont(const FontDesc& tfValor);
    void setCodeFont(const Font& tfValor);
    void setCodeMaxLength(qint16 iValor);
    qint16 CodeSize() const;
    void setCodeSize(qint16 iValor);
    QString Description() const;
    void setDescription(const QString& sValor);
    void setDescriptionFont(const FontDesc& fValor);
    void setDescriptionFont(const Font& fValor);
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
