#include "library/LibraryIdentity.h"

#include "codedescription/ZEVCodeDescription.h"
#include "daterange/ZEVDateRange.h"
#include "descriptiononly/ZEVDescriptionOnly.h"
#include "framework/ClassDescriptor.h"
#include "numeric/ZEVNumeric.h"
#include "persistcombo/ZEVPersistCombo.h"

namespace zev {

namespace {
QUuid id(const char* text) { return QUuid::fromString(QLatin1String(text)); }
const ClassDescriptor* codeDescription() { return &ZEVCodeDescription::descriptor(); }
const ClassDescriptor* descriptionOnly() { return &ZEVDescriptionOnly::descriptor(); }
} // namespace

QUuid LibraryIdentity::LibraryId()
{
    static const QUuid library = id("{e4feb128-c68b-4196-899f-d5d82c74ae69}");
    return library;
}

// Each class's descriptor is added to its row when the class is built into the library.
const std::vector<ClassIdentity>& LibraryIdentity::Classes()
{
    static const std::vector<ClassIdentity> classes = {
        {QStringLiteral("ZEVNumeric"), id("{966533d5-8cd5-4d45-a0ed-4f8a91e8418d}"),
         QStringLiteral("_ZEVNumeric"), id("{61cf5248-df52-42ba-8eab-29b7a60e09e9}"),
         QStringLiteral("__ZEVNumeric"), id("{89d41a0d-65d4-4a43-b49e-6473a22fc679}"), 30004, StatusFlags,
         [] { return &ZEVNumeric::descriptor(); }},
        {QStringLiteral("ZEVCodeDescription"), id("{c42307a5-771a-49bd-8d52-c916663114e6}"),
         QStringLiteral("_ZEVCodeDescription"), id("{a62c6cdc-d47b-4999-a620-61bde295a4c0}"),
         QStringLiteral("__ZEVCodeDescription"), id("{383c9620-4904-494c-b9de-d98180c7173a}"), 30003,
         StatusFlags, codeDescription},
        {QStringLiteral("ZEVDescriptionOnly"), id("{aa2feda7-e18f-4b98-b81e-878ae93bdaa2}"),
         QStringLiteral("_ZEVDescriptionOnly"), id("{f5358faf-2ad3-4b33-9043-5513e01ad324}"),
         QStringLiteral("__ZEVDescriptionOnly"), id("{20e52dbc-236c-4c0f-af17-a0b2e3e16a68}"), 30002,
         StatusFlags, descriptionOnly},
        {QStringLiteral("ZEVPersistCombo"), id("{29e01757-7d57-49e4-b474-d8c92c5ac8b9}"),
         QStringLiteral("_ZEVPersistCombo"), id("{ca5fb3c6-41be-44bb-acb7-844eeb2d5f84}"),
         QStringLiteral("__ZEVPersistCombo"), id("{10fe92e7-0560-4596-adb5-ca3765dda473}"), 30001,
         StatusFlags, []() -> const ClassDescriptor* { return &ZEVPersistCombo::descriptor(); }},
        {QStringLiteral("ZEVDateRange"), id("{52d804ef-3ebf-4077-a0ea-81f7eea43080}"),
         QStringLiteral("_ZEVDateRange"), id("{f8b9c160-6d5a-4770-af0d-33aec8936f7f}"),
         QStringLiteral("__ZEVDateRange"), id("{19348f62-7efc-4907-b3e6-afdb2f0592c9}"), 30000, StatusFlags,
         [] { return &ZEVDateRange::descriptor(); }},
    };
    return classes;
}

const ClassIdentity* LibraryIdentity::FindClass(const QUuid& clsid)
{
    for (const auto& c : Classes())
        if (c.clsid == clsid)
            return &c;
    return nullptr;
}

const ClassIdentity* LibraryIdentity::FindClass(const QString& name)
{
    for (const auto& c : Classes())
        if (c.name == name)
            return &c;
    return nullptr;
}

const std::vector<EnumIdentity>& LibraryIdentity::Enumerations()
{
    static const std::vector<EnumIdentity> enums = {
        {QStringLiteral("eTipoFormatacao"), id("{9226d114-793d-477d-a4b0-546625c72307}"),
         {{QStringLiteral("StandardFormatation"), 0},
          {QStringLiteral("CurrencyFormatation"), 1},
          {QStringLiteral("CustomFormatation"), 2}}},
        {QStringLiteral("eSource"), id("{4b6aa33f-1b53-4d47-8d22-df2c0e4eee0b}"),
         {{QStringLiteral("F3"), 0}, {QStringLiteral("Enter"), 1}}},
        {QStringLiteral("ePos_"), id("{c4f845a9-1ac9-4b8e-a7aa-9e8765e4cce4}"),
         {{QStringLiteral("Before"), 1}, {QStringLiteral("After"), 2}}},
    };
    return enums;
}

} // namespace zev
