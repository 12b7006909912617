#pragma once

#include "framework/ZEVCoreExport.h"

#include <QString>
#include <exception>
#include <string>

namespace zev {

// Error numbers that callers test; widgets and hosts may raise others.
enum ErrorNumber : int {
    ErrInvalidProcedureCall = 5,
    ErrOverflow = 6,
    ErrTypeMismatch = 13,
    ErrInvalidPropertyValue = 380,
    ErrObjectRequired = 424,
};

// The one failure type of the library: an error number plus a description.
// A failed widget or host call throws it; it passes on to the caller unless
// a control states a handler.
class ZEV_CORE_EXPORT ControlError : public std::exception {
public:
    explicit ControlError(int number, QString description = QString());

    int Number() const noexcept { return number_; }
    const QString& Description() const noexcept { return description_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    QString description_;
    std::string what_;
};

} // namespace zev
