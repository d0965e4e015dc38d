// SPDX-License-Identifier: MIT
#pragma once

// What assistive technology (a screen reader, through AT-SPI) is told of the window: the window
// itself as a window, the pictures as images with their content as description, the emblem as a
// decoration it passes over, the heading as a heading, each unit caption as the label of its
// total, and "Days" as something that can be pressed. Installed once, before the window is made.
void installAccessibility();
