#pragma once

#include "framework/ZEVCoreExport.h"

#include <QString>
#include <QStringView>

namespace zev {

class NumberEngine;

// What a text pasted or dropped into a numeric field stands for.
//
// A paste reads more strictly than typing: group marks count only where they
// stand every three digits (or in Indian lakh groups, 12,34,567: a second
// mark two digits from the first can be nothing but a group mark, so no
// text reads both ways). Whatever reads so in the field's own notation is
// the field's (Own), ambiguous or not: "1,234" is 1,234 in a pt-BR field.
// Otherwise the text may read in one other common notation: "." or "," as
// the decimal mark; ".", ",", blanks, no-break and thin spaces or
// apostrophes as group marks; a currency symbol or a three-letter code, a
// sign or parentheses before or after the digits. When all the notations in
// which it reads give one number, that number is Converted into the field's
// notation, its digits kept ("USD 1,234.50" is 1.234,50 in a pt-BR field);
// when they give different ones ("1.234" in fr-FR: 1,234 or 1234) or none,
// the paste is Refused.
class ZEV_CORE_INTERNAL_EXPORT PastedNumber {
public:
    enum class Kind { Own, Converted, Refused };

    PastedNumber(QStringView pasted, const NumberEngine& field);

    Kind kind() const { return kind_; }
    // Converted: the number in the field's notation, with the field's
    // minus sign and group marks, no currency and no blanks.
    const QString& text() const { return text_; }
    // Converted: whether the number is below zero (the field may refuse it).
    bool negative() const { return negative_; }

private:
    static bool readsInField(QStringView text, const NumberEngine& field);
    bool readOther(QStringView text, const NumberEngine& field);

    Kind kind_ = Kind::Refused;
    QString text_;
    bool negative_ = false;
};

} // namespace zev
