#pragma once

// What the three lookups' tests share: a lookup placed on the test kit's
// form, and the ways a user or the host asks it to search.

#include "framework/Enumerations.h"
#include "framework/KeyCodes.h"
#include "testkit/TestHost.h"

#include <functional>
#include <vector>

namespace zev::testing {

// A lookup as a container places a new one: initialised, sized, given its
// defaults (or left for a bag to load); the log cleared.
template <typename C>
struct Placed {
    TestHost host;
    C c{host};
    Placed(float width, float height, bool newlyPlaced = true, const QString& name = QStringLiteral("Control1"))
        : host(name)
    {
        c.Initialize();
        host.setScaleSize(width, height);
        if (newlyPlaced) {
            c.InitProperties();
            c.Resize();
        }
        host.clearLog();
    }
};

// The ways to ask for a search, and the Source each passes (-1: none).
template <typename C>
struct SearchTrigger {
    const char* name;
    std::function<void(TestHost&, C&)> act;
    qint32 source;
    bool button = false;
};

template <typename C>
std::vector<SearchTrigger<C>> searchTriggers(const char* box)
{
    const auto key = [box](qint16 code, qint16 shift = 0) {
        return [box, code, shift](TestHost& h, C&) { h.pressKey(h.edit(QString::fromLatin1(box)), code, shift); };
    };
    const auto force = [](int source) {
        return [source](TestHost&, C& c) {
            eSource s = eSource(source);
            c.ForceSearch(s);
        };
    };
    return {
        {"F3", key(KeyCodes::F3), F3},
        {"Ctrl+F3", key(KeyCodes::F3, ShiftBits::Ctrl), F3},
        {"Enter", key(KeyCodes::Return), Enter},
        {"button", [](TestHost& h, C&) { h.click(h.button(QStringLiteral("cmdSearch"))); }, F3, true},
        {"ForceSearch F3", force(F3), F3},
        {"ForceSearch Enter", force(Enter), Enter},
        {"ForceSearch 5", force(5), -1},
        {"F2", key(113), -1},
    };
}

} // namespace zev::testing
