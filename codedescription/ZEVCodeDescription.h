#pragma once

#include "framework/Control.h"
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
class ZEV_CORE_EXPORT ZEVCodeDescription : public Control {
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

    // Lifecycle.
    void Initialize() override;
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override;
    void Terminate() override;

    // Direct access to the widgets for the host; the control never reads these.
    FlatEdit* ControlCode() const { return ControlCode_; }
    void setControlCode(FlatEdit* widget) { ControlCode_ = widget; }
    SSPanel* ControlDescription() const { return ControlDescription_; }
    void setControlDescription(SSPanel* widget) { ControlDescription_ = widget; }
    PushButton* ControlSearch() const { return ControlSearch_; }
    void setControlSearch(PushButton* widget) { ControlSearch_ = widget; }

    qint32 Appearance() const;
    void setAppearance(qint32 eaValor);
    QString Code() const;
    void setCode(const QString& sValor);
    OleColor CodeBackColor() const;
    void setCodeBackColor(OleColor ocValor);
    Font& CodeFont();
    void setCodeFont(const FontDesc& tfValor);
    void setCodeFont(const Font& tfValor);
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
    void setDescriptionFont(const FontDesc& fValor);
    void setDescriptionFont(const Font& fValor);
    OleColor DescriptionForeColor() const;
    void setDescriptionForeColor(OleColor ocValor);
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
    bool FillZeros() const { return fillZeros_; }
    void setFillZeros(bool bValor) { fillZeros_ = bValor; }
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
    void txtCode_KeyDown(qint16& KeyCode, qint16& Shift);
    void txtCode_Change();
    void txtCode_LostFocus();
    void cmdSearch_Click();

    void ArrangeSearchButton(bool showButton);
    // Raises Unload and returns the Cancel the handler left.
    qint16 raiseUnload();

    FlatEdit& txtCode;
    PushButton& cmdSearch;
    SSPanel& panDescription;

    FlatEdit* ControlCode_ = nullptr;
    SSPanel* ControlDescription_ = nullptr;
    PushButton* ControlSearch_ = nullptr;

    QString LastAssignedCode;
    OleColor CodeBackColorSetting = 0;
    OleColor DescriptionBackColorSetting = 0;
    QString fieldPkey_;
    bool fillZeros_ = false;
    bool loaded_ = false;
    QString primaryKey_;
    bool showF3_ = false;
};

} // namespace zev
