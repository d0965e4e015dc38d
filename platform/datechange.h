// SPDX-License-Identifier: MIT
#pragma once

#include "datevalue.h"

#include <QString>

// The outcome of an attempt to change the computer's date: done; refused, so nothing changed; or
// unanswered (a timeout or a lost reply), so the date may or may not have changed, or may yet.
// Each outcome other than done comes with its cause; a change that is done may still come with
// one for the person to know (the note of the true time could not be removed). The words for a
// person are made from the cause where the person is told.
struct DateChange
{
    enum class Outcome { Done, Refused, Unanswered };

    enum class Cause {
        None,
        // The kernel: no right to set the clock; another error, named in detail.
        NoRight,
        ClockError,
        // The date and time service: no message bus; no service; network time synchronisation
        // on; permission not given (or the prompt dismissed); no prompt could be shown; another
        // error, named in detail; no answer in time.
        NoBus,
        NoService,
        AutomaticTimeSync,
        NotAuthorized,
        NoPasswordPrompt,
        ServiceError,
        NoAnswer,
        // This program: no note of the true time can be kept (detail); the
        // clock already shows a preview day; no lock shows this to be the only copy (detail);
        // the clock is not back after a restore (clockReads, truePresent); a change that was not
        // answered may still be made; the note cannot be removed (detail).
        NoteNotKept,
        AlreadyPreviewing,
        NoLock,
        NotBack,
        MayStillLand,
        NoteNotRemoved,
    };

    Outcome outcome = Outcome::Done;
    Cause cause = Cause::None;
    QString detail;
    WallTime clockReads;
    WallTime truePresent;

    static DateChange success(Cause remark = Cause::None, const QString& detail = {})
    {
        return {Outcome::Done, remark, detail, {}, {}};
    }
    static DateChange refused(Cause cause, const QString& detail = {})
    {
        return {Outcome::Refused, cause, detail, {}, {}};
    }
    static DateChange unanswered(Cause cause, const QString& detail = {})
    {
        return {Outcome::Unanswered, cause, detail, {}, {}};
    }

    explicit operator bool() const { return outcome == Outcome::Done; }
    bool isRefused() const { return outcome == Outcome::Refused; }
    // Done, or perhaps done: either way the date must be put back later.
    bool mayHaveChanged() const { return outcome != Outcome::Refused; }
};
