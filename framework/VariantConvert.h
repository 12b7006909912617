#pragma once

#include "framework/Font.h"
#include "framework/OleColor.h"
#include "framework/ZEVCoreExport.h"

#include <QVariant>

namespace zev {

// Conversions of a variant (a property-bag value or an event argument) to the
// type a property takes, with the container's rules: whole numbers round half
// to even, a value out of range fails with overflow (6), a value of the wrong
// kind with type mismatch (13), a missing object with 424.
namespace VariantConvert {
ZEV_CORE_INTERNAL_EXPORT qint16 toInteger(const QVariant& v);
ZEV_CORE_INTERNAL_EXPORT qint32 toLong(const QVariant& v);
ZEV_CORE_INTERNAL_EXPORT double toDouble(const QVariant& v);
ZEV_CORE_INTERNAL_EXPORT bool toBoolean(const QVariant& v);
ZEV_CORE_INTERNAL_EXPORT QString toString(const QVariant& v);
// A colour: any whole number that fits 32 bits, signed or not.
ZEV_CORE_INTERNAL_EXPORT OleColor toColor(const QVariant& v);
ZEV_CORE_INTERNAL_EXPORT FontDesc toFont(const QVariant& v);

// The whole number nearest to x, halves to the even neighbour.
ZEV_CORE_INTERNAL_EXPORT double roundHalfEven(double x);
} // namespace VariantConvert

} // namespace zev
