#pragma once

#include <QString>
#include <exception>

namespace zev {

// A form file that cannot be read: where, and why. Printed as FILE:LINE: message.
class FormReadError : public std::exception {
public:
    FormReadError(QString file, int line, QString message)
        : file_(std::move(file)), line_(line), message_(std::move(message)),
          what_((file_ + QLatin1Char(':') + QString::number(line_) + QLatin1String(": ") + message_).toStdString())
    {
    }
    const QString& file() const { return file_; }
    int line() const { return line_; }
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    QString file_;
    int line_;
    QString message_;
    std::string what_;
};

} // namespace zev
