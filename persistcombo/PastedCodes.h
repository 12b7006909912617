#pragma once

#include "framework/ZEVCoreExport.h"

#include <QStringList>
#include <QStringView>

namespace zev {

// A text pasted into the list lookup's code box, read as a list of codes, as
// a spreadsheet copies a column or a row: entries separated by line breaks
// (LF, CR LF or CR), tabs, ";" or ","; each trimmed of blanks; empty ones
// skipped, so a trailing line break ends the last entry and starts none.
// Only the first `limit` entries are kept, so that a huge paste cannot keep
// the form busy for long; the rest are only counted.
class ZEV_CORE_INTERNAL_EXPORT PastedCodes {
public:
    static constexpr qsizetype Limit = 1000;

    explicit PastedCodes(QStringView pasted, qsizetype limit = Limit);

    // The entries kept, in the order pasted, repeats included.
    const QStringList& codes() const { return codes_; }
    // How many entries came after the limit.
    qsizetype beyondLimit() const { return beyondLimit_; }
    qsizetype limit() const { return limit_; }
    // More than one entry: a list to search, rather than one code to edit.
    bool isList() const { return codes_.size() + beyondLimit_ > 1; }

private:
    QStringList codes_;
    qsizetype beyondLimit_ = 0;
    qsizetype limit_;
};

} // namespace zev
