// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// What the command line asks for before any window opens. --help and --version answer on standard
// output; anything the program does not know is an error on standard error. Qt's own options
// (-platform, -display, -style, ...) are left for the window system to take.
namespace CommandLine {

// The exit status when the command line has been answered (0) or refused (2); nothing when the
// program should start.
std::optional<int> handle(int argc, char* argv[]);

} // namespace CommandLine
