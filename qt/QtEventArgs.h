#pragma once

#include "framework/VariantConvert.h"

#include <QString>
#include <QVariant>
#include <type_traits>

namespace zev {

// How an event argument travels between the QVariant the control raises and
// the typed parameter of a Qt signal, and back: converted as the container
// converts (QString, bool, qint16 for Integer, qint32 for Long and
// enumerations, double; QVariant as it is).
template <typename T, typename = void>
struct QtEventArg;

template <>
struct QtEventArg<QString> {
    static QString in(const QVariant& v) { return VariantConvert::toString(v); }
    static QVariant out(const QString& v) { return v; }
};
template <>
struct QtEventArg<bool> {
    static bool in(const QVariant& v) { return VariantConvert::toBoolean(v); }
    static QVariant out(bool v) { return v; }
};
template <>
struct QtEventArg<qint16> {
    static qint16 in(const QVariant& v) { return VariantConvert::toInteger(v); }
    static QVariant out(qint16 v) { return QVariant::fromValue(v); }
};
template <>
struct QtEventArg<qint32> {
    static qint32 in(const QVariant& v) { return VariantConvert::toLong(v); }
    static QVariant out(qint32 v) { return QVariant::fromValue(v); }
};
template <>
struct QtEventArg<double> {
    static double in(const QVariant& v) { return VariantConvert::toDouble(v); }
    static QVariant out(double v) { return v; }
};
template <>
struct QtEventArg<QVariant> {
    static QVariant in(const QVariant& v) { return v; }
    static QVariant out(const QVariant& v) { return v; }
};
template <typename E>
struct QtEventArg<E, std::enable_if_t<std::is_enum_v<E>>> {
    static E in(const QVariant& v) { return static_cast<E>(VariantConvert::toLong(v)); }
    static QVariant out(E v) { return QVariant::fromValue(qint32(v)); }
};

} // namespace zev
