#pragma once

// What the three lookup widgets (ZEVCodeDescriptionWidget,
// ZEVDescriptionOnlyWidget, ZEVPersistComboWidget) share, written once: the
// binding of the events every lookup raises, and the bodies of the Q_PROPERTY
// accessors that pass straight to the control. Internal; not installed.
//
// moc needs every Q_PROPERTY and its accessors declared in the widget's own
// header, so the headers keep them; the definitions come from the macros
// below. Each accessor macro defines the read and the write of one property
// named as the control's (Name() and setName(value)); `control` is the
// widget's accessor of its control (codeDescription, descriptionOnly,
// persistCombo). Writes follow the failure rule of ZEVControlWidgetPrivate::attempt.

#include "qt/QtFlatEdit.h"
#include "qt/QtSuggestions.h"
#include "qt/ZEVControlWidget_p.h"

#include <QSizePolicy>
#include <QStringList>
#include <type_traits>

namespace zev::lookup {

// The parameter of a write: const T& for a class, T itself otherwise.
template <typename T>
using In = std::conditional_t<std::is_class_v<T>, const T&, T>;

// The events of every lookup (DescChange, Search, Load, Unload) become the
// widget's typed signals; QWidget's `enabled` drives the control's Enabled;
// the parts named take the width a layout gives beyond the design.
template <typename W, typename C>
void bindLookup(W* self, ZEVControlWidgetPrivate& p, C& (W::*control)() const, const QStringList& stretchingParts)
{
    p.bindEvent(self, &W::DescChange);
    p.bindEvent(self, &W::Search);
    p.bindEvent(self, &W::Load);
    p.bindEvent(self, &W::Unload);
    p.applyEnabled = [self, control](bool enabled) { (self->*control)().setEnabled(enabled); };
    p.controlEnabled = [self, control] { return (self->*control)().Enabled(); };
    p.stretchingParts = stretchingParts;
    self->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

// Type-ahead under the search box `box`: the widget's suggestion signals
// come from it, and a pick puts the row's text in the box as the user's
// entry (its Change runs) and then runs the F3 search with the row's key.
template <typename W, typename C>
QtSuggestions* bindSuggestions(W* self, ZEVControlWidgetPrivate& p, C& (W::*control)() const, const QString& box,
                               int textRole)
{
    QtFlatEdit* edit = p.flatEdit(box);
    auto* s = new QtSuggestions(*edit->widget(), *self, textRole,
                                [self, &p, control, edit](const QString& text, const QString& key) {
                                    p.report([&] {
                                        edit->setText(text);
                                        edit->setSelStart(qint32(text.size())); // as typing leaves the caret
                                        (self->*control)().searchWithKey(key);
                                    });
                                });
    QObject::connect(s, &QtSuggestions::requested, self, &W::suggestionsRequested);
    QObject::connect(s, &QtSuggestions::delayChanged, self, &W::suggestionDelayChanged);
    QObject::connect(s, &QtSuggestions::minLengthChanged, self, &W::suggestionMinLengthChanged);
    return s;
}

} // namespace zev::lookup

// A value the control takes as it is (an integer or enumeration type converted).
#define ZEV_LOOKUP_VALUE(Widget, control, Type, Name)                                                                \
    Type Widget::Name() const { return Type(control().Name()); }                                                     \
    void Widget::set##Name(::zev::lookup::In<Type> value) { d().attempt([&] { control().set##Name(value); }); }

// A 16-bit property: beyond its range the write fails with 6.
#define ZEV_LOOKUP_INTEGER(Widget, control, Name)                                                                    \
    int Widget::Name() const { return control().Name(); }                                                            \
    void Widget::set##Name(int value)                                                                                \
    {                                                                                                                \
        d().attempt([&] { control().set##Name(ZEVControlWidgetPrivate::toInteger(value)); });                        \
    }

// A colour: an invalid QColor is refused with 380.
#define ZEV_LOOKUP_COLOR(Widget, control, Name)                                                                      \
    QColor Widget::Name() const { return ZEVControlWidgetPrivate::toQColor(control().Name()); }                      \
    void Widget::set##Name(const QColor& value)                                                                      \
    {                                                                                                                \
        d().writeColor(QStringLiteral(#Name), value, [this](OleColor c) { control().set##Name(c); });                \
    }

// A font: the set attributes of the QFont merged into the control's.
#define ZEV_LOOKUP_FONT(Widget, control, Name)                                                                       \
    QFont Widget::Name() const { return ZEVControlWidgetPrivate::toQFont(control().Name()); }                        \
    void Widget::set##Name(const QFont& value)                                                                       \
    {                                                                                                                \
        d().writeFont(value, control().Name(), [this](const FontDesc& f) { control().set##Name(f); });               \
    }

// The properties and methods of every lookup. ForceSearch takes Source by
// value: the control may change it, the caller's stays as it was.
#define ZEV_LOOKUP_SHARED(Widget, control)                                                                           \
    ZEV_LOOKUP_VALUE(Widget, control, ZEVControlWidget::AppearanceStyle, Appearance)                                 \
    ZEV_LOOKUP_VALUE(Widget, control, QString, Description)                                                          \
    ZEV_LOOKUP_VALUE(Widget, control, QString, FieldPkey)                                                            \
    ZEV_LOOKUP_VALUE(Widget, control, bool, FontBold)                                                                \
    ZEV_LOOKUP_VALUE(Widget, control, bool, FontItalic)                                                              \
    ZEV_LOOKUP_VALUE(Widget, control, bool, FontStrikethrough)                                                       \
    ZEV_LOOKUP_VALUE(Widget, control, int, FontSize)                                                                 \
    ZEV_LOOKUP_VALUE(Widget, control, bool, FontUnderline)                                                           \
    ZEV_LOOKUP_VALUE(Widget, control, bool, Loaded)                                                                  \
    ZEV_LOOKUP_VALUE(Widget, control, bool, Locked)                                                                  \
    ZEV_LOOKUP_VALUE(Widget, control, bool, ShowF3)                                                                  \
    void Widget::About() { d().attempt([this] { control().About(); }); }                                             \
    void Widget::Clear() { d().attempt([this] { control().Clear(); }); }                                             \
    void Widget::ForceSearch(zev::eSource source)                                                                    \
    {                                                                                                                \
        d().attempt([this, source]() mutable { control().ForceSearch(source); });                                    \
    }

// The code row (code box, description, their colours and fonts) of
// ZEVCodeDescriptionWidget and ZEVPersistComboWidget.
#define ZEV_LOOKUP_CODE_ROW(Widget, control)                                                                         \
    ZEV_LOOKUP_VALUE(Widget, control, QString, Code)                                                                 \
    ZEV_LOOKUP_COLOR(Widget, control, CodeBackColor)                                                                 \
    ZEV_LOOKUP_FONT(Widget, control, CodeFont)                                                                       \
    ZEV_LOOKUP_COLOR(Widget, control, CodeForeColor)                                                                 \
    ZEV_LOOKUP_INTEGER(Widget, control, CodeMaxLength)                                                               \
    ZEV_LOOKUP_INTEGER(Widget, control, CodeSize)                                                                    \
    ZEV_LOOKUP_COLOR(Widget, control, DescriptionBackColor)                                                          \
    ZEV_LOOKUP_FONT(Widget, control, DescriptionFont)                                                                \
    ZEV_LOOKUP_COLOR(Widget, control, DescriptionForeColor)                                                          \
    ZEV_LOOKUP_VALUE(Widget, control, bool, FillZeros)

// The type-ahead accessors, passed to the widget's QtSuggestions. Type-ahead
// is off until a model is set, so the QtSuggestions is made by the first
// write: a form of many lookups without type-ahead does not pay for it.
#define ZEV_LOOKUP_SUGGESTIONS(Widget, control, box, textRole)                                                       \
    void Widget::setSuggestionModel(QAbstractItemModel* model)                                                       \
    {                                                                                                                \
        if (model || suggestions_)                                                                                   \
            ZEV_LOOKUP_TYPE_AHEAD(Widget, control, box, textRole).setModel(model);                                   \
    }                                                                                                                \
    QAbstractItemModel* Widget::suggestionModel() const { return suggestions_ ? suggestions_->model() : nullptr; }   \
    int Widget::suggestionDelay() const { return suggestions_ ? suggestions_->delay() : QtSuggestions::DefaultDelay; } \
    void Widget::setSuggestionDelay(int ms) { ZEV_LOOKUP_TYPE_AHEAD(Widget, control, box, textRole).setDelay(ms); }  \
    int Widget::suggestionMinLength() const                                                                          \
    {                                                                                                                \
        return suggestions_ ? suggestions_->minLength() : QtSuggestions::DefaultMinLength;                           \
    }                                                                                                                \
    void Widget::setSuggestionMinLength(int length)                                                                  \
    {                                                                                                                \
        ZEV_LOOKUP_TYPE_AHEAD(Widget, control, box, textRole).setMinLength(length);                                  \
    }

// The widget's QtSuggestions, made now if it is not yet.
#define ZEV_LOOKUP_TYPE_AHEAD(Widget, control, box, textRole)                                                        \
    (*(suggestions_ ? suggestions_                                                                                   \
                    : (suggestions_ = ::zev::lookup::bindSuggestions(this, d(), &Widget::control, box, textRole))))
