#include "framework/Font.h"

#include "framework/ControlError.h"

#include <cmath>

namespace zev {

namespace {
// Bold and weight are two views of one attribute, as in the form designers' fonts.
constexpr qint16 NormalWeight = 400;
constexpr qint16 BoldWeight = 700;
constexpr qint16 BoldThreshold = 600;
} // namespace

void Font::setName(const QString& name)
{
    value_.name = name;
    changed();
}

void Font::setSize(double size)
{
    if (!std::isfinite(size) || size <= 0 || size > 2048)
        throw ControlError(ErrInvalidPropertyValue);
    value_.size = size;
    changed();
}

void Font::setBold(bool bold)
{
    value_.bold = bold;
    value_.weight = bold ? BoldWeight : NormalWeight;
    changed();
}

void Font::setItalic(bool italic)
{
    value_.italic = italic;
    changed();
}

void Font::setUnderline(bool underline)
{
    value_.underline = underline;
    changed();
}

void Font::setStrikethrough(bool strikethrough)
{
    value_.strikethrough = strikethrough;
    changed();
}

void Font::setWeight(qint16 weight)
{
    if (weight < 0 || weight > 1000)
        throw ControlError(ErrInvalidPropertyValue);
    value_.weight = weight;
    value_.bold = weight >= BoldThreshold;
    changed();
}

void Font::setCharset(qint16 charset)
{
    value_.charset = charset;
    changed();
}

void Font::assign(const FontDesc& value)
{
    if (!std::isfinite(value.size) || value.size <= 0 || value.size > 2048 || value.weight < 0
        || value.weight > 1000)
        throw ControlError(ErrInvalidPropertyValue);
    value_ = value;
    changed();
}

void Font::changed()
{
    if (onChanged)
        onChanged();
}

} // namespace zev
