// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"

#include <QIcon>
#include <QImage>

// The pictures are built into the program. Each is held as an 8-bit palette image, as it was
// drawn, for the whole run.
namespace Pictures {

QImage load(Control owner);
QIcon windowIcon();

} // namespace Pictures
