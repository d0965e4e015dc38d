// SPDX-License-Identifier: MIT
#pragma once

#include "datechange.h"
#include "datevalue.h"

#include <QString>

#include <chrono>
#include <optional>

// What the person is told about the computer's date: a short line and the details.
struct DateNotice
{
    QString text;
    QString details;

    // Both, as one line for a terminal.
    QString oneLine() const { return text + QLatin1Char(' ') + details; }
};

// Every sentence the program says about the computer's date, in one place. Times are given in the
// person's own locale and time zone.
namespace DateTexts {

// Why a change was not made, or what else the person should know about one, in one sentence or
// two.
QString reason(const DateChange& change);

// The preview could not change the computer's date and goes on in the window: nothing was
// changed at all, or an earlier change of this preview set the computer's date (computerDate).
DateNotice previewInWindow(
    const QString& reasons, std::optional<std::chrono::year_month_day> computerDate);
// A change was not answered: the computer's date may read the preview day.
DateNotice changeUnanswered(const QString& reasons, std::chrono::year_month_day computerDate);

// What a restore leaves to tell: that the date could not be put back, that it may still change,
// or a remark on a restore that was done. Nothing when there is nothing to say.
std::optional<DateNotice> afterRestore(const DateChange& restored);

// What an earlier run left: the date put back at this start, or putting it back failed.
DateNotice leftoverRepaired(WallTime now);
DateNotice leftoverRepairFailed(const DateChange& restored, WallTime truePresent);
// A note of an earlier run that this start does not act on, and why.
DateNotice leftoverFromEarlierBoot(WallTime lastKnownTrueTime);
DateNotice leftoverOfAnotherWay(WallTime truePresent);
DateNotice leftoverClockSetSince(WallTime truePresent);
DateNotice leftoverImplausible(const QString& path, WallTime lastKnownTrueTime);
DateNotice leftoverDamaged(const QString& path, const QString& whatWasFound);
// A note that this start removes and cannot.
DateNotice noteNotRemoved(const QString& path, const QString& error);

// A second request to end comes before the date is back: the program ends at once.
QString endingWithoutRestore();

// An instant as a person reads it.
QString peopleTime(WallTime instant);

} // namespace DateTexts
