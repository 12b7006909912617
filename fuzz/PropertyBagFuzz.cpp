// Feeds arbitrary bytes, decoded as a property bag, to each control's
// ReadProperties. The only acceptable outcomes are a control that loads (and
// then takes a user's keys, saves a bag and that bag loads again) or one of
// the container's conversion errors (6, 13, 380, 424). Anything else aborts.
//
// Decoding, tolerant of any input (missing bytes read as zero):
//   byte 0          the control (modulo 5)
//   then records:   key byte: below 0xF0 a persisted key of that control
//                   (modulo their count), else an unknown key whose name
//                   follows (length byte, Latin-1 bytes);
//                   type byte (modulo 12) and its value:
//                   0 none, 1 Boolean, 2 Integer, 3 Long, 4 64-bit, 5 unsigned
//                   64-bit, 6 Double (raw: NaN and infinities too), 7 Single,
//                   8 text (16-bit length, UTF-16 units), 9 a repeated unit
//                   (24-bit count, up to a million), 10 font (name, raw size,
//                   flags, weight, charset), 11 a list or byte array.

#include "library/ComRuntime.h"
#include "framework/Control.h"
#include "framework/ControlError.h"
#include "framework/KeyCodes.h"
#include "framework/MemoryPropertyBag.h"
#include "testkit/TestHost.h"
#include "tests/RobustnessKit.h"

#include <QLocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <vector>

using namespace zev;

namespace {

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool atEnd() const { return at_ >= size_; }
    uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    template <typename T>
    T raw()
    {
        unsigned char bytes[sizeof(T)] = {};
        for (auto& b : bytes)
            b = byte();
        T value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    QString utf16(size_t units)
    {
        QString s;
        for (size_t i = 0; i < units && !atEnd(); ++i)
            s += QChar(char16_t(raw<quint16>()));
        return s;
    }
    QString latin1(size_t count)
    {
        QString s;
        for (size_t i = 0; i < count && !atEnd(); ++i)
            s += QChar(char16_t(byte()));
        return s;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

QVariant value(Reader& in)
{
    switch (in.byte() % 12) {
    case 0: return QVariant();
    case 1: return QVariant(bool(in.byte() & 1));
    case 2: return QVariant(in.raw<qint16>());
    case 3: return QVariant(in.raw<qint32>());
    case 4: return QVariant(in.raw<qint64>());
    case 5: return QVariant(in.raw<quint64>());
    case 6: return QVariant(in.raw<double>());
    case 7: return QVariant(in.raw<float>());
    case 8: return QVariant(in.utf16(in.raw<quint16>()));
    case 9: {
        const quint32 count = (quint32(in.byte()) | quint32(in.byte()) << 8 | quint32(in.byte()) << 16) % (1u << 20);
        return QVariant(QString(qsizetype(count), QChar(char16_t(in.raw<quint16>()))));
    }
    case 10: {
        FontDesc f;
        f.name = in.utf16(in.byte());
        f.size = in.raw<double>();
        const uint8_t flags = in.byte();
        f.bold = flags & 1;
        f.italic = flags & 2;
        f.underline = flags & 4;
        f.strikethrough = flags & 8;
        f.weight = in.raw<qint16>();
        f.charset = in.raw<qint16>();
        return QVariant::fromValue(f);
    }
    default:
        if (in.byte() & 1)
            return QVariant(QVariantList{in.byte(), in.utf16(2)});
        return QVariant(in.latin1(in.byte()).toLatin1());
    }
}

[[noreturn]] void broken(const char* what, const QString& className, const QString& detail)
{
    std::fprintf(stderr, "BAG BROKE %s (%s): %s\n", qPrintable(className), what, qPrintable(detail));
    std::abort();
}

bool documented(int number)
{
    return number == ErrOverflow || number == ErrTypeMismatch || number == ErrInvalidPropertyValue
        || number == ErrObjectRequired;
}

void useIt(TestHost& host)
{
    for (const auto& w : host.widgets())
        if (auto* edit = dynamic_cast<TestFlatEdit*>(w.get())) {
            host.type(*edit, QStringLiteral("1,5"));
            host.pressKey(*edit, KeyCodes::Return);
            host.tab();
        }
    host.focusElsewhere();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Reader in(data, size);
    // The keys each control saves, found once.
    static const auto saved = [] {
        std::vector<std::vector<std::pair<QString, QVariant>>> all;
        for (const char* name : robust::ClassNames)
            all.push_back(robust::savedKeys(name));
        return all;
    }();
    const size_t which = in.byte() % std::size(robust::ClassNames);
    const QString className = QString::fromLatin1(robust::ClassNames[which]);
    const auto& keys = saved[which];
    MemoryPropertyBag bag;
    for (int records = 0; !in.atEnd() && records < 64; ++records) {
        const uint8_t k = in.byte();
        const QString key = k < 0xF0 ? keys[k % keys.size()].first : in.latin1(in.byte());
        bag.insert(key, value(in));
    }

    TestHost host;
    host.setScaleSize(3000, 800);
    auto control = ComRuntime::instance().CreateControl(className, host);
    control->Initialize();
    try {
        control->ReadProperties(bag);
    } catch (const ControlError& e) {
        if (!documented(e.Number()))
            broken("load failed", className, QStringLiteral("error %1 %2").arg(e.Number()).arg(e.Description()));
        control->Terminate();
        return 0;
    }
    try {
        control->Resize();
        useIt(host);
        MemoryPropertyBag saved;
        control->WriteProperties(saved);
        TestHost again;
        again.setScaleSize(3000, 800);
        auto twin = ComRuntime::instance().CreateControl(className, again);
        twin->Initialize();
        twin->ReadProperties(saved);
        twin->Terminate();
        control->Terminate();
    } catch (const ControlError& e) {
        broken("loaded control failed", className, QStringLiteral("error %1 %2").arg(e.Number()).arg(e.Description()));
    }
    return 0;
}
