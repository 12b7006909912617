#pragma once

// The persisted properties of the lookups, declared once each: a key, its
// default (of the type the bag stores), the conversion a stored value takes and
// the control's getter and setter. Used by the lookups' own sources only.

#include "framework/LookupControl.h"
#include "framework/VariantConvert.h"

#include <QHash>

namespace zev::lookup {

using Property = LookupControl::PersistedProperty;
using Properties = LookupControl::PersistedProperties;

// A property read through `convert` into `set` and stored as `get` returns it.
template <class C, class Convert, class Get, class Set>
Property property(const QString& key, const QVariant& defaultValue, Convert convert, Get get, Set set)
{
    return {key, defaultValue,
            [convert, set](LookupControl& c, const QVariant& v) { (static_cast<C&>(c).*set)(convert(v)); },
            [get](LookupControl& c) { return QVariant((static_cast<C&>(c).*get)()); }};
}

// A colour, stored as a Long.
template <class C, class Get, class Set>
Property colour(const QString& key, OleColor defaultValue, Get get, Set set)
{
    return {key, QVariant(qint32(defaultValue)),
            [set](LookupControl& c, const QVariant& v) { (static_cast<C&>(c).*set)(VariantConvert::toColor(v)); },
            [get](LookupControl& c) { return QVariant(qint32((static_cast<C&>(c).*get)())); }};
}

// A font object: only its name comes back from a stored font; the Font... keys give the attributes.
template <class C, class Get>
Property fontName(const QString& key, Get get)
{
    return {key, QVariant(),
            [get](LookupControl& c, const QVariant& v) {
                (static_cast<C&>(c).*get)().setName(VariantConvert::toFont(v).name);
            },
            [get](LookupControl& c) { return QVariant::fromValue((static_cast<C&>(c).*get)().value()); }, true};
}

template <class C>
Property flag(const QString& key, bool defaultValue, bool (C::*get)() const, void (C::*set)(bool))
{
    return property<C>(key, defaultValue, VariantConvert::toBoolean, get, set);
}

template <class C, class Get, class Set>
Property text(const QString& key, Get get, Set set)
{
    return property<C>(key, QString(), VariantConvert::toString, get, set);
}

// The properties of every lookup.
template <class C>
void addShared(std::vector<Property>& p)
{
    using namespace VariantConvert;
    p.push_back(flag<C>(QStringLiteral("Enabled"), true, &C::Enabled, &C::setEnabled));
    p.push_back(text<C>(QStringLiteral("FieldPkey"), &C::FieldPkey, &C::setFieldPkey));
    p.push_back(flag<C>(QStringLiteral("FontBold"), false, &C::FontBold, &C::setFontBold));
    p.push_back(flag<C>(QStringLiteral("FontItalic"), false, &C::FontItalic, &C::setFontItalic));
    p.push_back(flag<C>(QStringLiteral("FontStrikethrough"), false, &C::FontStrikethrough, &C::setFontStrikethrough));
    p.push_back(property<C>(QStringLiteral("FontSize"), qint32(8), toLong, &C::FontSize, &C::setFontSize));
    p.push_back(flag<C>(QStringLiteral("FontUnderline"), false, &C::FontUnderline, &C::setFontUnderline));
    p.push_back(flag<C>(QStringLiteral("Loaded"), false, &C::Loaded, &C::setLoaded));
    p.push_back(flag<C>(QStringLiteral("Locked"), false, &C::Locked, &C::setLocked));
    p.push_back(flag<C>(QStringLiteral("ShowF3"), true, &C::ShowF3, &C::setShowF3));
}

// The properties of the code box and the description part.
template <class C>
void addCodeRow(std::vector<Property>& p, OleColor descriptionBackColor)
{
    using namespace VariantConvert;
    p.push_back(text<C>(QStringLiteral("Code"), &C::Code, &C::setCode));
    p.push_back(colour<C>(QStringLiteral("CodeBackColor"), Colors::White, &C::CodeBackColor, &C::setCodeBackColor));
    p.push_back(fontName<C>(QStringLiteral("CodeFont"), &C::CodeFont));
    p.push_back(colour<C>(QStringLiteral("CodeForeColor"), Colors::Black, &C::CodeForeColor, &C::setCodeForeColor));
    p.push_back(property<C>(QStringLiteral("CodeMaxLength"), qint16(4), toInteger, &C::CodeMaxLength,
                            &C::setCodeMaxLength));
    p.push_back(property<C>(QStringLiteral("CodeSize"), qint16(10), toInteger, &C::CodeSize, &C::setCodeSize));
    p.push_back(text<C>(QStringLiteral("Description"), &C::Description, &C::setDescription));
    p.push_back(colour<C>(QStringLiteral("DescriptionBackColor"), descriptionBackColor, &C::DescriptionBackColor,
                          &C::setDescriptionBackColor));
    p.push_back(fontName<C>(QStringLiteral("DescriptionFont"), &C::DescriptionFont));
    p.push_back(colour<C>(QStringLiteral("DescriptionForeColor"), Colors::Black, &C::DescriptionForeColor,
                          &C::setDescriptionForeColor));
    p.push_back(flag<C>(QStringLiteral("FillZeros"), false, &C::FillZeros, &C::setFillZeros));
}

// A class's members, by kind, each a list of names separated by spaces, in declaration order.
using Members = std::vector<MemberDecl>;
Members members(const QString& accessors, const QString& properties, const QString& methods);
// A lookup's events: those named first (no arguments), then Search, Load and Unload.
std::vector<EventInfo> events(const QString& leading, const QStringList& unloadArguments);

// A lookup class's descriptor: its name and design size in twips, its members
// and events, and its default event (none when empty).
template <class C>
ClassDescriptor descriptor(const QString& className, float width, float height, std::vector<MemberInfo> members,
                           std::vector<EventInfo> events, const QString& defaultEvent = QString())
{
    ClassDescriptor c;
    c.className = className;
    c.designWidth = width;
    c.designHeight = height;
    c.members = std::move(members);
    c.events = std::move(events);
    c.defaultEvent = defaultEvent;
    c.create = [](ControlHost& host) -> std::unique_ptr<Control> { return std::make_unique<C>(host); };
    return c;
}

// A font assigned attribute by attribute, in one of the two orders the lookups
// copy a font in, each read from the source as it is at that step (a Font may
// be its own target's object).
enum class FontAttribute { Name, Bold, Italic, Size, Strikethrough, Charset, Underline, Weight };
inline const FontDesc& fontNow(const FontDesc& source) { return source; }
inline FontDesc fontNow(const Font& source) { return source.value(); }

template <class Source>
void copyFont(Font& target, const Source& source, std::initializer_list<FontAttribute> order)
{
    for (FontAttribute attribute : order) {
        const FontDesc now = fontNow(source);
        switch (attribute) {
        case FontAttribute::Name: target.setName(now.name); break;
        case FontAttribute::Bold: target.setBold(now.bold); break;
        case FontAttribute::Italic: target.setItalic(now.italic); break;
        case FontAttribute::Size: target.setSize(now.size); break;
        case FontAttribute::Strikethrough: target.setStrikethrough(now.strikethrough); break;
        case FontAttribute::Charset: target.setCharset(now.charset); break;
        case FontAttribute::Underline: target.setUnderline(now.underline); break;
        case FontAttribute::Weight: target.setWeight(now.weight); break;
        }
    }
}

// The code box's order (and the code lookup's description panel's).
template <class Source>
void copyCodeFont(Font& target, const Source& source)
{
    using A = FontAttribute;
    copyFont(target, source, {A::Name, A::Bold, A::Italic, A::Size, A::Strikethrough, A::Charset, A::Underline, A::Weight});
}

// The description box's order.
template <class Source>
void copyDescriptionFont(Font& target, const Source& source)
{
    using A = FontAttribute;
    copyFont(target, source, {A::Bold, A::Charset, A::Italic, A::Name, A::Size, A::Strikethrough, A::Underline, A::Weight});
}

// The three orders, each a list of keys separated by spaces.
Properties ordered(std::vector<Property> properties, const QString& initOrder,
                   const QString& readOrder, const QString& writeOrder);

} // namespace zev::lookup
