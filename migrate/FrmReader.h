#pragma once

#include "migrate/LegacyForm.h"

#include <QByteArray>

namespace zev {

// Reads a legacy form file (.frm): VERSION, the Object lines, the nested
// Begin ... End blocks with their Key = value lines and BeginProperty groups,
// then the Attribute lines and the code with its procedures. Values that live
// in the side file stay references here; FrxFile reads them.
//
// Anything that is not a form file fails with FormReadError naming the line;
// nothing is read past MaxDepth nested blocks, so no input can exhaust the stack.
class FrmReader {
public:
    static LegacyForm read(const QByteArray& bytes, const QString& path,
                           const QString& encoding = QStringLiteral("windows-1252"));
    // One value as written after "Key =" (the comment included); line for errors.
    static LegacyValue parseValue(const QString& text, const QString& path, int line);

    static constexpr int MaxDepth = 64;
};

} // namespace zev
