// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

#include <memory>

// Opens the connection to the window system. Where there is no graphical display to reach, it
// says so plainly and ends the program with status 1, instead of Qt's generic advice about
// reinstalling.
std::unique_ptr<QApplication> openWindowSystem(int& argc, char* argv[]);

// Names the program to the desktop: its name, and its application id, which is the name of its
// desktop entry (the Wayland app id, by which docks find its icon and pin it).
void nameApplication();
