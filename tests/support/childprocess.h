// SPDX-License-Identifier: MIT
#pragma once

class QProcess;

// Makes a process that a test starts end with the test: if the test dies (a crash, a sanitizer's
// abort, a timeout's kill) before it could stop its helpers, the kernel stops them. A standard
// error descriptor of the test's, if given, becomes the process's own.
void endWithTest(QProcess& process, int standardError = -1);
