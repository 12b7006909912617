#pragma once

#include "framework/ControlError.h"
#include "qt/ZEVControlWidget.h"

#include <QColor>
#include <QFont>
class QAbstractItemModel;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zev {

class QtSuggestions;
class ZEVCodeDescription;

// The code and description lookup as a QWidget: a code box, an "F3" button
// and a description panel. F3, Enter or the button raise Search; the handler
// looks the record up, sets Description and hands back its key:
//
//     connect(customer, &ZEVCodeDescriptionWidget::Search, this,
//             [=](QString& primaryKey, bool& success, zev::eSource&) {
//                 if (auto r = db.find(customer->Code())) {
//                     customer->setDescription(r->name);
//                     primaryKey = r->id;
//                     success = true;
//                 }
//             });
//
// Code is the USER property. Enabled is QWidget's `enabled`. Loaded and
// PrimaryKey are hidden from the property sheet, as the library hides them
// from a host's. Of CodeFont and DescriptionFont a saved form keeps only the
// name; FontSize, FontBold... act on both fonts.
//
// Failures: a write or a method throws ControlError, or with
// setReportsFailures(true) goes to errorRaised instead. A colour that is not
// valid fails with 380; CodeMaxLength and CodeSize beyond the 16-bit range
// with 6 (within it the control keeps them to its limits); FontSize outside
// 1..2048 and a CodeFont or DescriptionFont over 2048 points with 380; an
// Appearance beyond the 16-bit range with 6. A ControlError thrown by a
// Search (or other) handler passes on to the caller that started the search:
// ForceSearch, or the key or click, which reports it through errorRaised.
class ZEV_QT_EXPORT ZEVCodeDescriptionWidget : public ZEVControlWidget {
    Q_OBJECT
    // In the order the control reads its saved properties (see ZEVControlWidget).
    Q_PROPERTY(zev::ZEVControlWidget::AppearanceStyle Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
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
    Q_PROPERTY(QString FieldPkey READ FieldPkey WRITE setFieldPkey NOTIFY FieldPkeyChanged)
    Q_PROPERTY(bool FillZeros READ FillZeros WRITE setFillZeros)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold NOTIFY FontBoldChanged)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic NOTIFY FontItalicChanged)
    Q_PROPERTY(bool FontStrikethrough READ FontStrikethrough WRITE setFontStrikethrough NOTIFY FontStrikethroughChanged)
    Q_PROPERTY(int FontSize READ FontSize WRITE setFontSize NOTIFY FontSizeChanged)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline NOTIFY FontUnderlineChanged)
    Q_PROPERTY(bool Loaded READ Loaded WRITE setLoaded DESIGNABLE false)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(QString PrimaryKey READ PrimaryKey WRITE setPrimaryKey DESIGNABLE false)
    Q_PROPERTY(bool ShowF3 READ ShowF3 WRITE setShowF3 NOTIFY ShowF3Changed)
    // The widget's own, not saved with the control.
    Q_PROPERTY(int suggestionDelay READ suggestionDelay WRITE setSuggestionDelay NOTIFY suggestionDelayChanged)
    Q_PROPERTY(int suggestionMinLength READ suggestionMinLength WRITE setSuggestionMinLength NOTIFY suggestionMinLengthChanged)

public:
    explicit ZEVCodeDescriptionWidget(QWidget* parent = nullptr);

    // The control, with the documented names and types.
    ZEVCodeDescription& codeDescription() const;
    // The parts, as Qt widgets.
    QLineEdit* ControlCode() const;
    QLabel* ControlDescription() const;
    QPushButton* ControlSearch() const;

    AppearanceStyle Appearance() const;
    void setAppearance(AppearanceStyle appearance);
    QString Code() const;
    void setCode(const QString& code);
    QColor CodeBackColor() const;
    void setCodeBackColor(const QColor& codeBackColor);
    QFont CodeFont() const;
    void setCodeFont(const QFont& codeFont);
    QColor CodeForeColor() const;
    void setCodeForeColor(const QColor& codeForeColor);
    int CodeMaxLength() const;
    void setCodeMaxLength(int codeMaxLength);
    int CodeSize() const;
    void setCodeSize(int codeSize);
    QString Description() const;
    void setDescription(const QString& description);
    QColor DescriptionBackColor() const;
    void setDescriptionBackColor(const QColor& descriptionBackColor);
    QFont DescriptionFont() const;
    void setDescriptionFont(const QFont& descriptionFont);
    QColor DescriptionForeColor() const;
    void setDescriptionForeColor(const QColor& descriptionForeColor);
    QString FieldPkey() const;
    void setFieldPkey(const QString& fieldPkey);
    bool FillZeros() const;
    void setFillZeros(bool fillZeros);
    bool FontBold() const;
    void setFontBold(bool fontBold);
    bool FontItalic() const;
    void setFontItalic(bool fontItalic);
    bool FontStrikethrough() const;
    void setFontStrikethrough(bool fontStrikethrough);
    int FontSize() const;
    void setFontSize(int fontSize);
    bool FontUnderline() const;
    void setFontUnderline(bool fontUnderline);
    bool Loaded() const;
    void setLoaded(bool loaded);
    bool Locked() const;
    void setLocked(bool locked);
    QString PrimaryKey() const;
    void setPrimaryKey(const QString& primaryKey);
    bool ShowF3() const;
    void setShowF3(bool showF3);

    Q_INVOKABLE void About();
    Q_INVOKABLE void Clear();
    // The control leaves Source as it is; it is taken by value here.
    Q_INVOKABLE void ForceSearch(zev::eSource source);

    // Type-ahead, off until a model is set. When the user pauses typing
    // (suggestionDelay ms, default 250) with at least suggestionMinLength
    // characters (default 2), suggestionsRequested asks for rows; fill the
    // model in the handler or later. Rows that arrive for another text than
    // the box holds by then are not shown. The list opens under the box with
    // no row chosen; Down and Up choose a row, Enter or a click picks it,
    // Escape closes it (Enter with no row chosen closes it and searches the
    // text as always). A row shows its display role and holds its record's
    // key in Qt::UserRole (SuggestionKeyRole).
    // A row of the code box shows the code and the description as the
    // model words them ("0001 - Alpha"), and holds the code in
    // SuggestionCodeRole (Qt::UserRole + 1). Picking it puts the code in the
    // box (the display text, for a row with no code) and raises Search as F3
    // does, with the key already in PrimaryKey. The model stays the caller's.
    static constexpr int SuggestionKeyRole = Qt::UserRole;
    static constexpr int SuggestionCodeRole = Qt::UserRole + 1;
    void setSuggestionModel(QAbstractItemModel* model);
    QAbstractItemModel* suggestionModel() const;
    int suggestionDelay() const;
    void setSuggestionDelay(int ms);
    int suggestionMinLength() const;
    void setSuggestionMinLength(int length);

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
    void FieldPkeyChanged();
    void FontBoldChanged();
    void FontItalicChanged();
    void FontStrikethroughChanged();
    void FontSizeChanged();
    void FontUnderlineChanged();
    void ShowF3Changed();

    void suggestionsRequested(const QString& text);
    void suggestionDelayChanged(int ms);
    void suggestionMinLengthChanged(int length);

private:
    QtSuggestions* suggestions_ = nullptr;
};

} // namespace zev
