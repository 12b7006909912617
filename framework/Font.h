#pragma once

#include "framework/ZEVCoreExport.h"

#include <QMetaType>
#include <QString>
#include <functional>

namespace zev {

/// The value of a font: what a property bag stores and what a font copy reads. The default is Tahoma 8.25,
/// regular.
struct FontDesc {
    QString name = QStringLiteral("Tahoma"); ///< The family name.
    double size = 8.25; ///< The size in points.
    bool bold = false; ///< Bold.
    bool italic = false; ///< Italic.
    bool underline = false; ///< Underlined.
    bool strikethrough = false; ///< Struck out.
    qint16 weight = 400; ///< The weight: 400 regular, 700 bold.
    qint16 charset = 0; ///< The character set (0: Western).

    /// The same font in bold (weight 700).
    FontDesc bolded() const
    {
        FontDesc f = *this;
        f.bold = true;
        f.weight = 700;
        return f;
    }

    /// Whether every attribute is the same.
    friend bool operator==(const FontDesc& a, const FontDesc& b)
    {
        return a.name == b.name && a.size == b.size && a.bold == b.bold && a.italic == b.italic
            && a.underline == b.underline && a.strikethrough == b.strikethrough
            && a.weight == b.weight && a.charset == b.charset;
    }
    /// Whether any attribute differs.
    friend bool operator!=(const FontDesc& a, const FontDesc& b) { return !(a == b); }
};

/// A widget's font object. Controls hand out a reference to it, so a host that changes an attribute changes
/// the widget's font at once; the widget layer listens through onChanged to redraw.
class ZEV_CORE_EXPORT Font {
public:
    /// A font with the attributes of @p value.
    explicit Font(FontDesc value = FontDesc()) : value_(std::move(value)) {}
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    /// The family name.
    QString Name() const { return value_.name; }
    /// Sets the family name.
    void setName(const QString& name);
    /// The size in points.
    double Size() const { return value_.size; }
    /// Sets the size in points.
    void setSize(double size);
    /// Whether it is bold.
    bool Bold() const { return value_.bold; }
    /// Makes it bold or regular.
    void setBold(bool bold);
    /// Whether it is italic.
    bool Italic() const { return value_.italic; }
    /// Makes it italic or upright.
    void setItalic(bool italic);
    /// Whether it is underlined.
    bool Underline() const { return value_.underline; }
    /// Underlines it or not.
    void setUnderline(bool underline);
    /// Whether it is struck out.
    bool Strikethrough() const { return value_.strikethrough; }
    /// Strikes it out or not.
    void setStrikethrough(bool strikethrough);
    /// The weight: 400 regular, 700 bold.
    qint16 Weight() const { return value_.weight; }
    /// Sets the weight.
    void setWeight(qint16 weight);
    /// The character set.
    qint16 Charset() const { return value_.charset; }
    /// Sets the character set.
    void setCharset(qint16 charset);

    /// Every attribute, as a value.
    const FontDesc& value() const { return value_; }
    /// Replaces every attribute at once (one notification).
    void assign(const FontDesc& value);

    /// Run after each change of an attribute (once for assign()); set by the widget layer.
    std::function<void()> onChanged;

private:
    void changed();
    FontDesc value_;
};

} // namespace zev

Q_DECLARE_METATYPE(zev::FontDesc)
