// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

#include <memory>

// Opens the connection to the window system. Where there is no graphical display to reach, it
// says so plainly and ends the program with status 1, instead of Qt's generic advice about
// reinstalling.
std::unique_ptr<QApplication> openWindowSystem(int& argc, char* argv[]);
