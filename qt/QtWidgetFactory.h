#pragma once

#include "framework/Widget.h"
#include "framework/WidgetDesign.h"

#include <memory>

class QWidget;

namespace zev {

class QtControlHost;

// The Qt adapter of one design entry, its QWidget a child of parent, placed
// and shown as designed. A design without a font takes defaultFont.
std::unique_ptr<Widget> makeQtWidget(const WidgetDesign& design, QWidget* parent, const FontDesc& defaultFont,
                                     QtControlHost* host);

} // namespace zev
