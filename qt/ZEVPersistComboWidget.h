#pragma once

#include "persistcombo/ZEVPersistCombo.h"
#include "qt/ZEVControlWidget.h"

namespace zev {

// The lookup with an item list as a QWidget. Its USER property is Code, as for
// the code lookup: the collected list is not a property (the control keeps
// its entries only as the list's texts, filled by AddItem and never saved),
// and the code is what the user types to look a record up, so a mapper
// column of codes fills the top row for the host's Search to complete.
//
// The events AddItem and RemoveItem share their names with the methods:
// connect them as qOverload<>(&ZEVPersistComboWidget::AddItem).
//
// Not kept by the control's saved properties: the list, and of CodeFont and
// DescriptionFont only the name. A .ui file's fonts are applied whole, after
// the other properties.
class ZEVPersistComboWidget : public ZEVControlWidget {
    Q_OBJECT
    Q_PROPERTY(bool AllowItemDuplication READ AllowItemDuplication WRITE setAllowItemDuplication)
    Q_PROPERTY(int Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
    Q_PROPERTY(QString Code READ Code WRITE setCode NOTIFY CodeChanged USER true)
    Q_PROPERTY(QColor CodeBackColor READ CodeBackColor WRITE setCodeBackColor NOTIFY CodeBackColorChanged)
    Q_PROPERTY(QFont CodeFont READ CodeFont WRITE setCodeFont NOTIFY CodeFontChanged)
    Q_PROPERTY(QColor CodeForeColor READ CodeForeColor WRITE setCodeForeColor NOTIFY CodeForeColorChanged)
    Q_PROPERTY(int CodeMaxLength READ CodeMaxLength WRITE setCodeMaxLength NOTIFY CodeMaxLengthChanged)
    Q_PROPERTY(int CodeSize READ CodeSize WRITE setCodeSize NOTIFY CodeSizeChanged)
    Q_PROPERTY(QString Description READ Description WRITE setDescription NOTIFY DescriptionChanged)
    Q_PROPERTY(QColor DescriptionBackColor READ DescriptionBackColor WRITE setDescriptionBackColor NOTIFY DescriptionBackColorChanged)
    Q_PROPERTY(QFont DescriptionFont READ DescriptionFont WRITE setDescriptionFont NOTIFY DescriptionFontChanged)
    Q_PROPERTY(QColor DescriptionForeColor READ DescriptionForeColor WRITE setDescriptionForeColor NOTIFY DescriptionForeColorChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(QString FieldPkey READ FieldPkey WRITE setFieldPkey NOTIFY FieldPkeyChanged)
    Q_PROPERTY(bool FillZeros READ FillZeros WRITE setFillZeros)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold NOTIFY FontBoldChanged)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic NOTIFY FontItalicChanged)
    Q_PROPERTY(bool FontStrikethrough READ FontStrikethrough WRITE setFontStrikethrough NOTIFY FontStrikethroughChanged)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline NOTIFY FontUnderlineChanged)
    Q_PROPERTY(int FontSize READ FontSize WRITE setFontSize NOTIFY FontSizeChanged)
    Q_PROPERTY(bool Loaded READ Loaded WRITE setLoaded)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(bool ShowF3 READ ShowF3 WRITE setShowF3 NOTIFY ShowF3Changed)
    Q_PROPERTY(bool ShowCodeInCombo READ ShowCodeInCombo WRITE setShowCodeInCombo)

public:
    explicit ZEVPersistComboWidget(QWidget* parent = nullptr, Start start = Start::Fresh);

    ZEVPersistCombo& persistCombo() const { return static_cast<ZEVPersistCombo&>(control()); }

    FlatEdit* ControlCode() const { return persistCombo().ControlCode(); }
    void setControlCode(FlatEdit* widget) { persistCombo().setControlCode(widget); }
    FlatEdit* ControlDescription() const { return persistCombo().ControlDescription(); }
    void setControlDescription(FlatEdit* widget) { persistCombo().setControlDescription(widget); }
    PushButton* ControlSearch() const { return persistCombo().ControlSearch(); }
    void setControlSearch(PushButton* widget) { persistCombo().setControlSearch(widget); }
    ComboBox* ControlListing() const { return persistCombo().ControlListing(); }
    void setControlListing(ComboBox* widget) { persistCombo().setControlListing(widget); }
    PushButton* ControlRemoveItem() const { return persistCombo().ControlRemoveItem(); }
    void setControlRemoveItem(PushButton* widget) { persistCombo().setControlRemoveItem(widget); }

    bool AllowItemDuplication() const { return persistCombo().AllowItemDuplication(); }
    void setAllowItemDuplication(bool bValor);
    int Appearance() const { return persistCombo().Appearance(); }
    void setAppearance(int eaValor);
    QString Code() const { return persistCombo().Code(); }
    void setCode(const QString& sValor);
    QColor CodeBackColor() const { return toQColor(persistCombo().CodeBackColor()); }
    void setCodeBackColor(const QColor& ocValor);
    QFont CodeFont() const { return toQFont(persistCombo().CodeFont()); }
    void setCodeFont(const QFont& fValor);
    QColor CodeForeColor() const { return toQColor(persistCombo().CodeForeColor()); }
    void setCodeForeColor(const QColor& ocValor);
    int CodeMaxLength() const { return persistCombo().CodeMaxLength(); }
    void setCodeMaxLength(int iValor);
    int CodeSize() const { return persistCombo().CodeSize(); }
    void setCodeSize(int iValor);
    QString Description() const { return persistCombo().Description(); }
    void setDescription(const QString& sValor);
    QColor DescriptionBackColor() const { return toQColor(persistCombo().DescriptionBackColor()); }
    void setDescriptionBackColor(const QColor& ocValor);
    QFont DescriptionFont() const { return toQFont(persistCombo().DescriptionFont()); }
    void setDescriptionFont(const QFont& fValor);
    QColor DescriptionForeColor() const { return toQColor(persistCombo().DescriptionForeColor()); }
    void setDescriptionForeColor(const QColor& ocValor);
    bool Enabled() const { return persistCombo().Enabled(); }
    void setEnabled(bool bValor);
    QString FieldPkey() const { return persistCombo().FieldPkey(); }
    void setFieldPkey(const QString& sValor);
    bool FillZeros() const { return persistCombo().FillZeros(); }
    void setFillZeros(bool bValor);
    bool FontBold() const { return persistCombo().FontBold(); }
    void setFontBold(bool bValor);
    bool FontItalic() const { return persistCombo().FontItalic(); }
    void setFontItalic(bool bValor);
    bool FontStrikethrough() const { return persistCombo().FontStrikethrough(); }
    void setFontStrikethrough(bool bValor);
    bool FontUnderline() const { return persistCombo().FontUnderline(); }
    void setFontUnderline(bool bValor);
    int FontSize() const { return persistCombo().FontSize(); }
    void setFontSize(int lValor);
    bool Loaded() const { return persistCombo().Loaded(); }
    void setLoaded(bool bValor);
    bool Locked() const { return persistCombo().Locked(); }
    void setLocked(bool bValor);
    bool ShowF3() const { return persistCombo().ShowF3(); }
    void setShowF3(bool bValor);
    bool ShowCodeInCombo() const { return persistCombo().ShowCodeInCombo(); }
    void setShowCodeInCombo(bool bValor);

    Q_INVOKABLE void About();
    Q_INVOKABLE void Clear();
    Q_INVOKABLE void AddItem(const QString& sDescription, const QString& sPrimaryKey, const QString& sCode = QString(),
                             qint32 Index = -1);
    Q_INVOKABLE void ForceSearch(zev::eSource Source);
    Q_INVOKABLE void RemoveItem(qint32 Index);
    Q_INVOKABLE QString GetCode(qint16 Index) const { return persistCombo().GetCode(Index); }
    Q_INVOKABLE QString GetDescription(qint16 Index) const { return persistCombo().GetDescription(Index); }
    Q_INVOKABLE QString GetPkey(qint16 Index) const { return persistCombo().GetPkey(Index); }

Q_SIGNALS:
    void AddItem();
    void RemoveItem();
    void CodeChange();
    void DescChange();
    void Search(QString& PrimaryKey, bool& Success, zev::eSource& Source);
    void Load();
    void Unload();

    void AppearanceChanged();
    void CodeChanged();
    void CodeBackColorChanged();
    void CodeFontChanged();
    void CodeForeColorChanged();
    void CodeMaxLengthChanged();
    void CodeSizeChanged();
    void DescriptionChanged();
    void DescriptionBackColorChanged();
    void DescriptionFontChanged();
    void DescriptionForeColorChanged();
    void EnabledChanged();
    void FieldPkeyChanged();
    void FontBoldChanged();
    void FontItalicChanged();
    void FontStrikethroughChanged();
    void FontUnderlineChanged();
    void FontSizeChanged();
    void ShowF3Changed();
};

} // namespace zev
