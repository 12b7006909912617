#pragma once

#include "framework/ZEVCoreExport.h"

#include <QMetaType>
#include <QString>
#include <functional>

namespace zev {

// The value of a font: what a property bag stores and what a font copy reads.
struct FontDesc {
    QString name = QStringLiteral("Tahoma");
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    qint16 weight = 400;
    qint16 charset = 0;

    // The same font in bold.
    FontDesc bolded() const
    {
        FontDesc f = *this;
        f.bold = true;
        f.weight = 700;
        return f;
    }

    friend bool operator==(const FontDesc& a, const FontDesc& b)
    {
        return a.name == b.name && a.size == b.size && a.bold == b.bold && a.italic == b.italic
            && a.underline == b.underline && a.strikethrough == b.strikethrough
            && a.weight == b.weight && a.charset == b.charset;
    }
    friend bool operator!=(const FontDesc& a, const FontDesc& b) { return !(a == b); }
};

// A widget's font object. Controls hand out a reference to it, so a host that
// changes an attribute changes the widget's font at once; the widget layer
// listens through onChanged to redraw.
class ZEV_CORE_EXPORT Font {
public:
    explicit Font(FontDesc value = FontDesc()) : value_(std::move(value)) {}
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    QString Name() const { return value_.name; }
    void setName(const QString& name);
    double Size() const { return value_.size; }
    void setSize(double size);
    bool Bold() const { return value_.bold; }
    void setBold(bool bold);
    bool Italic() const { return value_.italic; }
    void setItalic(bool italic);
    bool Underline() const { return value_.underline; }
    void setUnderline(bool underline);
    bool Strikethrough() const { return value_.strikethrough; }
    void setStrikethrough(bool strikethrough);
    qint16 Weight() const { return value_.weight; }
    void setWeight(qint16 weight);
    qint16 Charset() const { return value_.charset; }
    void setCharset(qint16 charset);

    const FontDesc& value() const { return value_; }
    // Replaces every attribute at once (one notification).
    void assign(const FontDesc& value);

    std::function<void()> onChanged;

private:
    void changed();
    FontDesc value_;
};

} // namespace zev

Q_DECLARE_METATYPE(zev::FontDesc)
