#pragma once

#include "framework/ZEVCoreExport.h"

#include <QString>
#include <exception>
#include <string>

namespace zev {

/// Error numbers that callers test; widgets and hosts may raise others.
enum ErrorNumber : int {
    ErrInvalidProcedureCall = 5, ///< An argument out of range for a call (a list index, a widget name).
    ErrOverflow = 6, ///< A number too large for its type (an Appearance beyond 16 bits).
    ErrTypeMismatch = 13, ///< A value of the wrong type (a saved property, a widget of another kind).
    ErrInvalidPropertyValue = 380, ///< A property value out of its range.
    ErrObjectRequired = 424, ///< A part that should be there is missing.
};

/// The one failure type of the library: an error number plus a description. A failed widget or host call
/// throws it; it passes on to the caller unless a control states a handler.
class ZEV_CORE_EXPORT ControlError : public std::exception {
public:
    /// An error @p number (an ErrorNumber or another) with an optional description.
    explicit ControlError(int number, QString description = QString());

    /// The error number.
    int Number() const noexcept { return number_; }
    /// The description; may be empty.
    const QString& Description() const noexcept { return description_; }
    /// The number and the description, as UTF-8.
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    QString description_;
    std::string what_;
};

} // namespace zev
