#pragma once

#include <QtGlobal>

namespace zev {

/// What started a search: the F3 key or the "F3" button, or the Enter key.
enum eSource : qint32 {
    F3 = 0, ///< The F3 key, the "F3" button or a picked suggestion.
    Enter = 1, ///< The Enter key.
};

/// Where zero filling puts the zeros.
enum ePos_ : qint32 {
    Before = 1, ///< In front of the text ("0042").
    After = 2, ///< Behind the text ("4200").
};

/// The display format of the numeric field (ZEVNumeric::Format, ZEVNumericWidget::Format).
enum eTipoFormatacao : qint32 {
    StandardFormatation = 0, ///< The locale's grouping and exactly two decimals ("1.234,50").
    CurrencyFormatation = 1, ///< The locale's currency format ("R$ 1.234,50").
    CustomFormatation = 2, ///< The pattern in CustomFormat.
};

} // namespace zev
