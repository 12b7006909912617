#pragma once

#include <QString>

#include <algorithm>

namespace zev {

// Builds a QString in place: one allocation for the usual case, where the
// caller's estimate of the length holds; it grows when it does not.
class Utf16Writer {
public:
    explicit Utf16Writer(qsizetype capacity)
        : text_(std::max<qsizetype>(capacity, 16), Qt::Uninitialized)
        , data_(text_.data())
        , capacity_(text_.size())
    {
    }

    void put(QChar c)
    {
        if (size_ == capacity_)
            grow(1);
        data_[size_++] = c;
    }

    void put(QStringView text)
    {
        const qsizetype n = text.size();
        if (capacity_ - size_ < n)
            grow(n);
        std::copy_n(text.data(), n, data_ + size_);
        size_ += n;
    }

    QString take()
    {
        text_.truncate(size_);
        return std::move(text_);
    }

private:
    void grow(qsizetype needed)
    {
        text_.resize(std::max(capacity_ * 2, size_ + needed));
        data_ = text_.data();
        capacity_ = text_.size();
    }

    QString text_;
    QChar* data_;
    qsizetype capacity_;
    qsizetype size_ = 0;
};

} // namespace zev
