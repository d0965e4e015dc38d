// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"

#include <QIcon>
#include <QImage>

// The pictures are built into the program. Each is an 8-bit palette image, as it was drawn, shown
// straight from the program's own data for the whole run.
namespace Pictures {

QImage load(Control owner);
QIcon windowIcon();

} // namespace Pictures
