// A form with a thousand controls of each kind: each created through the
// library's class table over the test kit, initialised, loaded from a saved
// property bag and resized. The goal is under 100 ms for all 5,000. Beside the
// time, the heap bytes each instance keeps (its host, widgets and control):
// those allocated with operator new (counted by a replacement below) and all of
// the C heap in use (mallinfo2, which also sees Qt's own string and list
// buffers), beside those of an empty host alone.

#include "library/ComRuntime.h"
#include "framework/Control.h"
#include "framework/MemoryPropertyBag.h"
#include "testkit/TestHost.h"

#include <benchmark/benchmark.h>

#include <QLocale>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <new>
#include <vector>

#include <malloc.h>

namespace {
std::atomic<long long> liveBytes{0};

void* counted(std::size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    liveBytes += static_cast<long long>(malloc_usable_size(p));
    return p;
}

void release(void* p) noexcept
{
    if (!p)
        return;
    liveBytes -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}
} // namespace

void* operator new(std::size_t size) { return counted(size); }
void* operator new[](std::size_t size) { return counted(size); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }

using namespace zev;

namespace {

constexpr int PerKind = 1000;
const char* const Kinds[] = {"ZEVNumeric", "ZEVCodeDescription", "ZEVDescriptionOnly", "ZEVPersistCombo",
                             "ZEVDateRange"};

// One control on its form.
struct Placed {
    std::unique_ptr<TestHost> host;
    std::unique_ptr<Control> control;
};

// The bag a form file gives each kind: a control saved with a few properties set.
const MemoryPropertyBag& savedBag(const QString& kind)
{
    static std::map<QString, MemoryPropertyBag> bags;
    auto it = bags.find(kind);
    if (it != bags.end())
        return it->second;
    TestHost host;
    host.setScaleSize(4275, 720);
    auto control = ComRuntime::instance().CreateControl(kind, host);
    control->Initialize();
    control->InitProperties();
    MemoryPropertyBag bag;
    control->WriteProperties(bag);
    // What a designer typically changes.
    bag.insert(QStringLiteral("Appearance"), qint32(1));
    if (kind == QLatin1String("ZEVNumeric")) {
        bag.insert(QStringLiteral("Text"), QStringLiteral("1234,5"));
        bag.insert(QStringLiteral("Format"), qint32(1));
    } else if (kind != QLatin1String("ZEVDateRange")) {
        bag.insert(QStringLiteral("FieldPkey"), QStringLiteral("ID_CLIENTE"));
        bag.insert(QStringLiteral("FontBold"), true);
    }
    control->Terminate();
    return bags.emplace(kind, bag).first->second;
}

Placed place(const QString& kind, const MemoryPropertyBag& bag)
{
    Placed p;
    p.host = std::make_unique<TestHost>();
    p.host->setScaleSize(3420, 720);
    p.control = ComRuntime::instance().CreateControl(kind, *p.host);
    p.control->Initialize();
    MemoryPropertyBag copy = bag;
    p.control->ReadProperties(copy);
    p.control->Resize();
    return p;
}

void setUp()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    for (const char* kind : Kinds)
        savedBag(QString::fromLatin1(kind));
}

// All 5,000: the figure with the 100 ms goal.
void BM_FiveThousandControls(benchmark::State& state)
{
    setUp();
    std::vector<Placed> form;
    form.reserve(5 * PerKind);
    for (auto _ : state) {
        for (const char* name : Kinds) {
            const QString kind = QString::fromLatin1(name);
            const MemoryPropertyBag& bag = savedBag(kind);
            for (int i = 0; i < PerKind; ++i)
                form.push_back(place(kind, bag));
        }
        state.PauseTiming();
        for (auto& p : form)
            p.control->Terminate();
        form.clear();
        state.ResumeTiming();
    }
    state.counters["controls"] = 5 * PerKind;
    state.counters["us_per_control"] =
        benchmark::Counter(5.0 * PerKind, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FiveThousandControls)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A thousand of one kind, with the bytes each instance keeps.
void BM_ThousandOfOneKind(benchmark::State& state)
{
    setUp();
    const QString kind = QString::fromLatin1(Kinds[state.range(0)]);
    state.SetLabel(kind.toStdString());
    const MemoryPropertyBag& bag = savedBag(kind);
    std::vector<Placed> form;
    form.reserve(PerKind);
    long long perInstance = 0, heapPerInstance = 0;
    for (auto _ : state) {
        const long long before = liveBytes.load();
        const long long heapBefore = static_cast<long long>(mallinfo2().uordblks);
        for (int i = 0; i < PerKind; ++i)
            form.push_back(place(kind, bag));
        state.PauseTiming();
        perInstance = (liveBytes.load() - before) / PerKind;
        heapPerInstance = (static_cast<long long>(mallinfo2().uordblks) - heapBefore) / PerKind;
        for (auto& p : form)
            p.control->Terminate();
        form.clear();
        state.ResumeTiming();
    }
    // An empty host of the test kit, for comparison: what is not the control's.
    long long hostOnly = 0, heapHostOnly = 0;
    {
        std::vector<std::unique_ptr<TestHost>> hosts;
        hosts.reserve(PerKind);
        const long long before = liveBytes.load();
        const long long heapBefore = static_cast<long long>(mallinfo2().uordblks);
        for (int i = 0; i < PerKind; ++i)
            hosts.push_back(std::make_unique<TestHost>());
        hostOnly = (liveBytes.load() - before) / PerKind;
        heapHostOnly = (static_cast<long long>(mallinfo2().uordblks) - heapBefore) / PerKind;
    }
    state.counters["new_bytes_per_instance"] = double(perInstance);
    state.counters["new_bytes_empty_host"] = double(hostOnly);
    state.counters["heap_bytes_per_instance"] = double(heapPerInstance);
    state.counters["heap_bytes_control"] = double(heapPerInstance - heapHostOnly);
}
BENCHMARK(BM_ThousandOfOneKind)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->MinTime(0.5);

} // namespace
