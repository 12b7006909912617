#include "framework/ControlError.h"

namespace zev {

namespace {
QString defaultDescription(int number)
{
    switch (number) {
    case ErrInvalidProcedureCall: return QStringLiteral("Invalid procedure call or argument");
    case ErrOverflow: return QStringLiteral("Overflow");
    case ErrTypeMismatch: return QStringLiteral("Type mismatch");
    case ErrInvalidPropertyValue: return QStringLiteral("Invalid property value");
    case ErrObjectRequired: return QStringLiteral("Object required");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}
} // namespace

ControlError::ControlError(int number, QString description)
    : number_(number),
      description_(description.isEmpty() ? defaultDescription(number) : std::move(description)),
      what_(QStringLiteral("error %1: %2").arg(number).arg(description_).toStdString())
{
}

} // namespace zev
