#pragma once

#include "descriptiononly/ZEVDescriptionOnly.h"
#include "qt/ZEVControlWidget.h"

namespace zev {

// The description-only lookup as a QWidget. Its USER property is Description,
// the text the user types and the record's description in one. PrimaryKey is
// hidden from the property sheet (DESIGNABLE false). The control itself is
// descriptionOnly().
//
// Not kept by the control's saved properties: of Font only the name (size and
// style come back from FontSize, FontBold...). A .ui file's Font is applied
// whole, after the other properties.
class ZEVDescriptionOnlyWidget : public ZEVControlWidget {
    Q_OBJECT
    Q_PROPERTY(int Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(QString Description READ Description WRITE setDescription NOTIFY DescriptionChanged USER true)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(QString FieldPkey READ FieldPkey WRITE setFieldPkey NOTIFY FieldPkeyChanged)
    Q_PROPERTY(QFont Font READ Font WRITE setFont NOTIFY FontChanged)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold NOTIFY FontBoldChanged)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic NOTIFY FontItalicChanged)
    Q_PROPERTY(bool FontStrikethrough READ FontStrikethrough WRITE setFontStrikethrough NOTIFY FontStrikethroughChanged)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline NOTIFY FontUnderlineChanged)
    Q_PROPERTY(int FontSize READ FontSize WRITE setFontSize NOTIFY FontSizeChanged)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(bool Loaded READ Loaded WRITE setLoaded)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(QString PrimaryKey READ PrimaryKey WRITE setPrimaryKey DESIGNABLE false)
    Q_PROPERTY(bool ShowF3 READ ShowF3 WRITE setShowF3 NOTIFY ShowF3Changed)

public:
    explicit ZEVDescriptionOnlyWidget(QWidget* parent = nullptr, Start start = Start::Fresh);

    ZEVDescriptionOnly& descriptionOnly() const { return static_cast<ZEVDescriptionOnly&>(control()); }

    FlatEdit* ControlDescription() const { return descriptionOnly().ControlDescription(); }
    void setControlDescription(FlatEdit* widget) { descriptionOnly().setControlDescription(widget); }
    PushButton* ControlSearch() const { return descriptionOnly().ControlSearch(); }
    void setControlSearch(PushButton* widget) { descriptionOnly().setControlSearch(widget); }

    int Appearance() const { return descriptionOnly().Appearance(); }
    void setAppearance(int eaValor);
    QColor BackColor() const { return toQColor(descriptionOnly().BackColor()); }
    void setBackColor(const QColor& cocValor);
    QString Description() const { return descriptionOnly().Description(); }
    void setDescription(const QString& sValor);
    bool Enabled() const { return descriptionOnly().Enabled(); }
    void setEnabled(bool bValor);
    QString FieldPkey() const { return descriptionOnly().FieldPkey(); }
    void setFieldPkey(const QString& sValor);
    QFont Font() const { return toQFont(descriptionOnly().Font()); }
    void setFont(const QFont& fValor);
    bool FontBold() const { return descriptionOnly().FontBold(); }
    void setFontBold(bool bValor);
    bool FontItalic() const { return descriptionOnly().FontItalic(); }
    void setFontItalic(bool bValor);
    bool FontStrikethrough() const { return descriptionOnly().FontStrikethrough(); }
    void setFontStrikethrough(bool bValor);
    bool FontUnderline() const { return descriptionOnly().FontUnderline(); }
    void setFontUnderline(bool bValor);
    int FontSize() const { return descriptionOnly().FontSize(); }
    void setFontSize(int lValor);
    QColor ForeColor() const { return toQColor(descriptionOnly().ForeColor()); }
    void setForeColor(const QColor& ocValor);
    bool Loaded() const { return descriptionOnly().Loaded(); }
    void setLoaded(bool bValor);
    bool Locked() const { return descriptionOnly().Locked(); }
    void setLocked(bool bValor);
    QString PrimaryKey() const { return descriptionOnly().PrimaryKey(); }
    void setPrimaryKey(const QString& sValor);
    bool ShowF3() const { return descriptionOnly().ShowF3(); }
    void setShowF3(bool bValor);

    Q_INVOKABLE void About();
    Q_INVOKABLE void Clear();
    // The control leaves Source as it is; it is taken by value here.
    Q_INVOKABLE void ForceSearch(zev::eSource Source);

Q_SIGNALS:
    void DescChange();
    void Search(QString& PrimaryKey, bool& Success, zev::eSource& Source);
    void Load();
    void Unload();

    void AppearanceChanged();
    void BackColorChanged();
    void DescriptionChanged();
    void EnabledChanged();
    void FieldPkeyChanged();
    void FontChanged();
    void FontBoldChanged();
    void FontItalicChanged();
    void FontStrikethroughChanged();
    void FontUnderlineChanged();
    void FontSizeChanged();
    void ForeColorChanged();
    void ShowF3Changed();
};

} // namespace zev
