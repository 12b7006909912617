#pragma once

#include "framework/ControlError.h"
#include "qt/ZEVControlWidget.h"

#include <QColor>
#include <QFont>
class QLineEdit;
class QAbstractItemModel;
class QPushButton;

namespace zev {

class QtSuggestions;
class ZEVDescriptionOnly;

// The description-only lookup as a QWidget: the user types (part of) a
// description and searches with Enter, F3 or the "F3" button; the Search
// handler answers as for ZEVCodeDescriptionWidget. Description is the USER
// property. Enabled and Font are QWidget's `enabled` and `font`; of the font
// a saved form keeps only the name, FontSize, FontBold... keep the rest.
//
// Failures: a write or a method throws ControlError, or with
// setReportsFailures(true) goes to errorRaised instead. A colour that is not
// valid fails with 380; FontSize outside 1..2048 with 380; an Appearance
// beyond the 16-bit range with 6; a font over 2048 points, set with
// QWidget::setFont (which cannot fail), goes to errorRaised with 380. A
// ControlError thrown by a Search (or other) handler passes on to the caller
// that started the search: ForceSearch, or the key or click, which reports
// it through errorRaised.
class ZEV_QT_EXPORT ZEVDescriptionOnlyWidget : public ZEVControlWidget {
    Q_OBJECT
    // In the order the control reads its saved properties (see ZEVControlWidget).
    Q_PROPERTY(zev::ZEVControlWidget::AppearanceStyle Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(QString Description READ Description WRITE setDescription NOTIFY DescriptionChanged USER true)
    Q_PROPERTY(QString FieldPkey READ FieldPkey WRITE setFieldPkey NOTIFY FieldPkeyChanged)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold NOTIFY FontBoldChanged)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic NOTIFY FontItalicChanged)
    Q_PROPERTY(bool FontStrikethrough READ FontStrikethrough WRITE setFontStrikethrough NOTIFY FontStrikethroughChanged)
    Q_PROPERTY(int FontSize READ FontSize WRITE setFontSize NOTIFY FontSizeChanged)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline NOTIFY FontUnderlineChanged)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(bool Loaded READ Loaded WRITE setLoaded)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(QString PrimaryKey READ PrimaryKey WRITE setPrimaryKey DESIGNABLE false)
    Q_PROPERTY(bool ShowF3 READ ShowF3 WRITE setShowF3 NOTIFY ShowF3Changed)
    // The widget's own, not saved with the control.
    Q_PROPERTY(int suggestionDelay READ suggestionDelay WRITE setSuggestionDelay NOTIFY suggestionDelayChanged)
    Q_PROPERTY(int suggestionMinLength READ suggestionMinLength WRITE setSuggestionMinLength NOTIFY suggestionMinLengthChanged)

public:
    explicit ZEVDescriptionOnlyWidget(QWidget* parent = nullptr);

    // The control, with the documented names and types.
    ZEVDescriptionOnly& descriptionOnly() const;
    // The parts, as Qt widgets.
    QLineEdit* ControlDescription() const;
    QPushButton* ControlSearch() const;

    AppearanceStyle Appearance() const;
    void setAppearance(AppearanceStyle appearance);
    QColor BackColor() const;
    void setBackColor(const QColor& backColor);
    QString Description() const;
    void setDescription(const QString& description);
    QString FieldPkey() const;
    void setFieldPkey(const QString& fieldPkey);
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
    QColor ForeColor() const;
    void setForeColor(const QColor& foreColor);
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
    // Picking a row puts its display text in the box and raises Search as
    // F3 does, with the key already in PrimaryKey. The model stays the caller's.
    static constexpr int SuggestionKeyRole = Qt::UserRole;
    void setSuggestionModel(QAbstractItemModel* model);
    QAbstractItemModel* suggestionModel() const;
    int suggestionDelay() const;
    void setSuggestionDelay(int ms);
    int suggestionMinLength() const;
    void setSuggestionMinLength(int length);

Q_SIGNALS:
    void DescChange();
    void Search(QString& PrimaryKey, bool& Success, zev::eSource& Source);
    void Load();
    void Unload();

    void AppearanceChanged();
    void BackColorChanged();
    void DescriptionChanged();
    void FieldPkeyChanged();
    void FontBoldChanged();
    void FontItalicChanged();
    void FontStrikethroughChanged();
    void FontSizeChanged();
    void FontUnderlineChanged();
    void ForeColorChanged();
    void ShowF3Changed();

    void suggestionsRequested(const QString& text);
    void suggestionDelayChanged(int ms);
    void suggestionMinLengthChanged(int length);

private:
    QtSuggestions* suggestions_ = nullptr;
};

} // namespace zev
