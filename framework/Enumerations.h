#pragma once

#include <QtGlobal>

namespace zev {

// What started a search: the F3 key or the "F3" button, or the Enter key.
enum eSource : qint32 {
    F3 = 0,
    Enter = 1,
};

// Where FillWithZeros puts the zeros.
enum ePos_ : qint32 {
    Before = 1,
    After = 2,
};

// The display format of the numeric field.
enum eTipoFormatacao : qint32 {
    StandardFormatation = 0,
    CurrencyFormatation = 1,
    CustomFormatation = 2,
};

} // namespace zev
