#pragma once

#include <QByteArray>
#include <QString>

namespace zev {

// Decodes the legacy host's text. Windows-1252 is built in (its 0x80-0x9F
// block differs from Latin-1, and Qt Core alone does not always carry it);
// other code pages go through QStringDecoder.
class Windows1252 {
public:
    static QString decode(const QByteArray& bytes);
    // Whether decodeAs can read the encoding named (case-insensitive).
    static bool isKnown(const QString& encoding);
    static QString decodeAs(const QByteArray& bytes, const QString& encoding);
};

} // namespace zev
