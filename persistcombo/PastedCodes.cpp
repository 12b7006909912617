#include "persistcombo/PastedCodes.h"

namespace zev {

namespace {
bool isSeparator(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case u'\t':
    case u';':
    case u',':
        return true;
    default:
        return false;
    }
}
} // namespace

PastedCodes::PastedCodes(QStringView pasted, qsizetype limit) : limit_(limit)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= pasted.size(); ++i) {
        if (i < pasted.size() && !isSeparator(pasted[i]))
            continue;
        const QStringView entry = pasted.mid(start, i - start).trimmed();
        start = i + 1;
        if (entry.isEmpty())
            continue;
        if (codes_.size() < limit_)
            codes_.append(entry.toString());
        else
            ++beyondLimit_;
    }
}

} // namespace zev
