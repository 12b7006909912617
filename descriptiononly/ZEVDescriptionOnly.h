#pragma once

#include "framework/Control.h"
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
class ZEV_CORE_EXPORT ZEVDescriptionOnly : public Control {
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

    // Lifecycle.
    void Initialize() override;
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override;
    void Terminate() override;

    // Direct access to the widgets for the host; the control never reads these.
    FlatEdit* ControlDescription() const { return ControlDescription_; }
    void setControlDescription(FlatEdit* widget) { ControlDescription_ = widget; }
    PushButton* ControlSearch() const { return ControlSearch_; }
    void setControlSearch(PushButton* widget) { ControlSearch_ = widget; }

    qint32 Appearance() const;
    void setAppearance(qint32 eaValor);
    OleColor BackColor() const;
    void setBackColor(OleColor cocValor);
    QString Description() const;
    void setDescription(const QString& sValor);
    bool Enabled() const;
    void setEnabled(bool bValor);
    QString FieldPkey() const { return fieldPkey_; }
    void setFieldPkey(const QString& sValor);
    zev::Font& Font();
    void setFont(const FontDesc& fValor);
    void setFont(const zev::Font& fValor);
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
    OleColor ForeColor() const;
    void setForeColor(OleColor ocValor);
    bool Loaded() const { return loaded_; }
    void setLoaded(bool bValor) { loaded_ = bValor; }
    bool Locked() const;
    void setLocked(bool bValor);
    QString PrimaryKey() const { return primaryKey_; }
    void setPrimaryKey(const QString& sValor) { primaryKey_ = sValor; }
    bool ShowF3() const { return showF3_; }
    void setShowF3(bool bValor);

    void About();
    void Clear();
    void ForceSearch(eSource& Source);

private:
    // Widget events.
    void txtDescription_KeyDown(qint16& KeyCode, qint16& Shift);
    void txtDescription_Change();
    void cmdSearch_Click();

    void ArrangeSearchButton(bool showButton);

    FlatEdit& txtDescription;
    PushButton& cmdSearch;

    FlatEdit* ControlDescription_ = nullptr;
    PushButton* ControlSearch_ = nullptr;

    OleColor BackColorSetting = 0;
    QString fieldPkey_;
    bool loaded_ = false;
    QString primaryKey_;
    bool showF3_ = false;
};

} // namespace zev
