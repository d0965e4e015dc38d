// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The outcome of an attempt to change the computer's date: done; refused, so nothing changed; or
// unanswered (a timeout or a lost reply), so the date may or may not have changed. Each outcome
// other than done comes with a reason that a person understands.
struct DateChange
{
    enum class Outcome
    {
        Done,
        Refused,
        Unanswered
    };

    Outcome outcome = Outcome::Done;
    QString reason;

    static DateChange success() { return {}; }
    static DateChange refused(const QString& why) { return {Outcome::Refused, why}; }
    static DateChange unanswered(const QString& why) { return {Outcome::Unanswered, why}; }

    explicit operator bool() const { return outcome == Outcome::Done; }
    bool isRefused() const { return outcome == Outcome::Refused; }
    // Done, or perhaps done: either way the date must be put back later.
    bool mayHaveChanged() const { return outcome != Outcome::Refused; }
};
