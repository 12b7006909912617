#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zev {

// A side file: values the form text keeps out of line, as a run of records
// found by their offsets. Every read is bounded by the file: a record that
// runs past the end fails with FormReadError (the side file, line 0).
//
// Record kinds, told apart by their first bytes:
//   picture  u32 size, "lt\0\0", u32 data size, data
//   text     0xFF, u16 length, text            (up to 65,535 bytes)
//            u32 length, text                  (a longer text; a 0 byte among the four)
//            u8 length, text                   (under 255 bytes)
//   list     u16 count, u16 marker, then count times u16 length + text
// Text is in the form's code page.
class FrxFile {
public:
    FrxFile(QByteArray bytes, QString name, QString encoding = QStringLiteral("windows-1252"));

    const QString& name() const { return name_; }
    QString text(quint32 offset) const;
    QStringList list(quint32 offset) const;
    QByteArray picture(quint32 offset) const;

private:
    QByteArray slice(quint64 from, quint64 length, quint32 offset, const char* what) const;
    quint32 u8(quint64 at, quint32 offset) const;
    quint32 u16(quint64 at, quint32 offset) const;
    quint32 u32(quint64 at, quint32 offset) const;

    QByteArray bytes_;
    QString name_;
    QString encoding_;
};

} // namespace zev
