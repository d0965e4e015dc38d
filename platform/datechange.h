// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The outcome of an attempt to change the computer's date: done, or refused with a reason that a
// person understands ("automatic time synchronisation is on").
struct DateChange
{
    bool done = true;
    QString reason;

    static DateChange success() { return {}; }
    static DateChange refused(const QString& why) { return {false, why}; }
    explicit operator bool() const { return done; }
};
