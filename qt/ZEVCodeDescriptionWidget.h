#pragma once

#include "codedescription/ZEVCodeDescription.h"
#include "qt/ZEVControlWidget.h"

namespace zev {

// The code and description lookup as a QWidget. Its USER property is Code, the
// value the user types: a QDataWidgetMapper column fills the code box, and the
// host's Search handler finds the record as for a typed code. Colours are
// QColors and fonts QFonts (the control, with its exact colour values and font
// objects, is codeDescription()). Loaded and PrimaryKey are hidden from the
// property sheet (DESIGNABLE false), as the library hides them from a host's.
//
// Not kept by the control's saved properties: of CodeFont and DescriptionFont
// only the name (their size and style come back from FontSize, FontBold...,
// which act on both fonts). A .ui file's fonts are applied whole, after the
// other properties.
class ZEVCodeDescriptionWidget : public ZEVControlWidget {
    Q_OBJECT
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
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold NOTIFY FontBoldChanged)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic NOTIFY FontItalicChanged)
    Q_PROPERTY(bool FontStrikethrough READ FontStrikethrough WRITE setFontStrikethrough NOTIFY FontStrikethroughChanged)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline NOTIFY FontUnderlineChanged)
    Q_PROPERTY(int FontSize READ FontSize WRITE setFontSize NOTIFY FontSizeChanged)
    Q_PROPERTY(bool FillZeros READ FillZeros WRITE setFillZeros)
    Q_PROPERTY(bool Loaded READ Loaded WRITE setLoaded DESIGNABLE false)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(QString PrimaryKey READ PrimaryKey WRITE setPrimaryKey DESIGNABLE false)
    Q_PROPERTY(bool ShowF3 READ ShowF3 WRITE setShowF3 NOTIFY ShowF3Changed)

public:
    explicit ZEVCodeDescriptionWidget(QWidget* parent = nullptr, Start start = Start::Fresh);

    ZEVCodeDescription& codeDescription() const { return static_cast<ZEVCodeDescription&>(control()); }

    FlatEdit* ControlCode() const { return codeDescription().ControlCode(); }
    void setControlCode(FlatEdit* widget) { codeDescription().setControlCode(widget); }
    SSPanel* ControlDescription() const { return codeDescription().ControlDescription(); }
    void setControlDescription(SSPanel* widget) { codeDescription().setControlDescription(widget); }
    PushButton* ControlSearch() const { return codeDescription().ControlSearch(); }
    void setControlSearch(PushButton* widget) { codeDescription().setControlSearch(widget); }

    int Appearance() const { return codeDescription().Appearance(); }
    void setAppearance(int eaValor);
    QString Code() const { return codeDescription().Code(); }
    void setCode(const QString& sValor);
    QColor CodeBackColor() const { return toQColor(codeDescription().CodeBackColor()); }
    void setCodeBackColor(const QColor& ocValor);
    QFont CodeFont() const { return toQFont(codeDescription().CodeFont()); }
    void setCodeFont(const QFont& tfValor);
    QColor CodeForeColor() const { return toQColor(codeDescription().CodeForeColor()); }
    void setCodeForeColor(const QColor& ocValor);
    int CodeMaxLength() const { return codeDescription().CodeMaxLength(); }
    void setCodeMaxLength(int iValor);
    int CodeSize() const { return codeDescription().CodeSize(); }
    void setCodeSize(int iValor);
    QString Description() const { return codeDescription().Description(); }
    void setDescription(const QString& sValor);
    QColor DescriptionBackColor() const { return toQColor(codeDescription().DescriptionBackColor()); }
    void setDescriptionBackColor(const QColor& ocValor);
    QFont DescriptionFont() const { return toQFont(codeDescription().DescriptionFont()); }
    void setDescriptionFont(const QFont& fValor);
    QColor DescriptionForeColor() const { return toQColor(codeDescription().DescriptionForeColor()); }
    void setDescriptionForeColor(const QColor& ocValor);
    bool Enabled() const { return codeDescription().Enabled(); }
    void setEnabled(bool bValor);
    QString FieldPkey() const { return codeDescription().FieldPkey(); }
    void setFieldPkey(const QString& sValor);
    bool FontBold() const { return codeDescription().FontBold(); }
    void setFontBold(bool bValor);
    bool FontItalic() const { return codeDescription().FontItalic(); }
    void setFontItalic(bool bValor);
    bool FontStrikethrough() const { return codeDescription().FontStrikethrough(); }
    void setFontStrikethrough(bool bValor);
    bool FontUnderline() const { return codeDescription().FontUnderline(); }
    void setFontUnderline(bool bValor);
    int FontSize() const { return codeDescription().FontSize(); }
    void setFontSize(int lValor);
    bool FillZeros() const { return codeDescription().FillZeros(); }
    void setFillZeros(bool bValor);
    bool Loaded() const { return codeDescription().Loaded(); }
    void setLoaded(bool bValor);
    bool Locked() const { return codeDescription().Locked(); }
    void setLocked(bool bValor);
    QString PrimaryKey() const { return codeDescription().PrimaryKey(); }
    void setPrimaryKey(const QString& sValor);
    bool ShowF3() const { return codeDescription().ShowF3(); }
    void setShowF3(bool bValor);

    Q_INVOKABLE void About();
    Q_INVOKABLE void Clear();
    // The control leaves Source as it is; it is taken by value here.
    Q_INVOKABLE void ForceSearch(zev::eSource Source);

Q_SIGNALS:
    void CodeChange();
    void DescChange();
    void Search(QString& PrimaryKey, bool& Success, zev::eSource& Source);
    void Load();
    void Unload(qint16& Cancel);

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
