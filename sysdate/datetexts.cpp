// SPDX-License-Identifier: MIT
#include "datetexts.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QLocale>

using namespace std::chrono;

namespace DateTexts {

namespace {

// Two sentences, or groups of them, one after the other.
QString then(const QString& first, const QString& second)
{
    return first.isEmpty() ? second : first + QLatin1Char(' ') + second;
}

QString peopleDate(year_month_day date)
{
    return QLocale().toString(
        QDate(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day()))),
        QLocale::LongFormat);
}

QString lastEndedDuringPreview()
{
    return QCoreApplication::translate("DateTexts",
        "Santa Count Down last ended during a December preview without putting the computer's "
        "date back.");
}

QString pleaseCheck()
{
    return QCoreApplication::translate(
        "DateTexts", "Please check the date and time in the system settings.");
}

QString dateMayBeWrong()
{
    return QCoreApplication::translate("DateTexts", "The computer's date may be wrong.");
}

// A note of a run that ended mid-preview, which this start leaves alone: what can be known of
// the true time, and a plea to look.
DateNotice leftoverLeftAlone(const QString& whatIsKnown)
{
    return {dateMayBeWrong(), then(then(lastEndedDuringPreview(), whatIsKnown), pleaseCheck())};
}

} // namespace

QString peopleTime(WallTime instant)
{
    const auto ms = duration_cast<milliseconds>(instant.time_since_epoch()).count();
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(ms), QLocale::LongFormat);
}

QString reason(const DateChange& change)
{
    using Cause = DateChange::Cause;
    switch (change.cause) {
    case Cause::None:
        return {};
    case Cause::NoRight:
        return QCoreApplication::translate(
            "DateTexts", "This program does not have the right to set the computer's clock.");
    case Cause::ClockError:
        //: %1 is the system's own description of the error.
        return QCoreApplication::translate(
            "DateTexts", "The computer's clock could not be set (%1).")
            .arg(change.detail);
    case Cause::NoBus:
        return QCoreApplication::translate(
            "DateTexts", "The system message bus is not available, so the date cannot be changed.");
    case Cause::NoService:
        return QCoreApplication::translate(
            "DateTexts", "The date and time service (systemd-timedated) is not available.");
    case Cause::AutomaticTimeSync:
        return QCoreApplication::translate("DateTexts",
            "The computer keeps its clock in step automatically (network time synchronisation is "
            "on), so the date cannot be set by hand.");
    case Cause::NotAuthorized:
        return QCoreApplication::translate("DateTexts",
            "Permission to change the date was not given (or the password prompt was dismissed).");
    case Cause::NoPasswordPrompt:
        return QCoreApplication::translate("DateTexts",
            "Changing the date needs an administrator's permission, and no password prompt could "
            "be shown.");
    case Cause::ServiceError:
        if (change.detail.isEmpty())
            return QCoreApplication::translate("DateTexts", "The date could not be changed.");
        //: %1 is the date and time service's own message.
        return QCoreApplication::translate("DateTexts", "The date could not be changed: %1")
            .arg(change.detail);
    case Cause::NoAnswer:
        return QCoreApplication::translate("DateTexts",
            "The date and time service did not answer, so the computer's date may have been "
            "changed.");
    case Cause::NoteNotKept:
        //: %1 says what went wrong with the file.
        return QCoreApplication::translate("DateTexts",
            "The program cannot keep a note of the change (%1), so it leaves the date alone.")
            .arg(change.detail);
    case Cause::AlreadyPreviewing:
        return QCoreApplication::translate("DateTexts",
            "The computer's clock already shows a day of December 1992, perhaps set by another "
            "copy of Santa Count Down, so this copy leaves the date alone.");
    case Cause::NoLock:
        //: %1 says why, for instance that another copy uses the notes in a folder.
        return QCoreApplication::translate("DateTexts",
            "This copy cannot make sure that it is the only one running (%1), so it leaves the "
            "date alone.")
            .arg(change.detail);
    case Cause::NotBack:
        //: %1 is what the clock reads, %2 the true date and time.
        return QCoreApplication::translate("DateTexts",
            "The computer's clock reads %1 after putting the date back, but the true time is %2.")
            .arg(peopleTime(change.clockReads), peopleTime(change.truePresent));
    case Cause::MayStillLand:
        return QCoreApplication::translate("DateTexts",
            "The computer's clock is right now, but the date and time service never answered an "
            "earlier change, and may still make it. The note of the true time is kept: should the "
            "date change, start Santa Count Down again and it will put the date back.");
    case Cause::NoteNotRemoved:
        //: %1 is the note's file and what went wrong.
        return QCoreApplication::translate(
            "DateTexts", "Its note of the true time could not be removed (%1).")
            .arg(change.detail);
    }
    return {};
}

DateNotice previewInWindow(const QString& reasons, std::optional<year_month_day> computerDate)
{
    if (!computerDate) {
        return {QCoreApplication::translate("DateTexts", "The computer's date was not changed."),
            then(reasons,
                QCoreApplication::translate("DateTexts",
                    "The December preview goes on in this window only; the computer's clock is "
                    "not touched."))};
    }
    return {
        QCoreApplication::translate("DateTexts", "The computer's date could not be changed again."),
        then(reasons,
            //: %1 is a date.
            QCoreApplication::translate("DateTexts",
                "The computer's date is %1 now, set by this preview, and it will be put back to "
                "the true date when the preview ends. The preview goes on in this window only.")
                .arg(peopleDate(*computerDate)))};
}

DateNotice changeUnanswered(const QString& reasons, year_month_day computerDate)
{
    return {QCoreApplication::translate("DateTexts", "The date and time service did not answer."),
        then(reasons,
            //: %1 is a date.
            QCoreApplication::translate("DateTexts",
                "The computer's date reads %1 now. It will be put back to the true date when the "
                "preview ends, or at the next start.")
                .arg(peopleDate(computerDate)))};
}

std::optional<DateNotice> afterRestore(const DateChange& restored)
{
    if (restored.cause == DateChange::Cause::MayStillLand)
        return DateNotice{
            QCoreApplication::translate("DateTexts", "The computer's date may still change."),
            reason(restored)};
    if (!restored) {
        return DateNotice{
            QCoreApplication::translate("DateTexts", "The computer's date could not be put back."),
            then(reason(restored),
                QCoreApplication::translate(
                    "DateTexts", "Please set the date and time in the system settings."))};
    }
    if (restored.cause == DateChange::Cause::NoteNotRemoved) {
        return DateNotice{QCoreApplication::translate("DateTexts", "The computer's date is back."),
            then(reason(restored),
                QCoreApplication::translate("DateTexts",
                    "Please remove it by hand; until then, every start checks the date."))};
    }
    return std::nullopt;
}

DateNotice leftoverRepaired(WallTime now)
{
    return {QCoreApplication::translate("DateTexts", "The computer's date has been put back."),
        then(lastEndedDuringPreview(),
            //: %1 is the date and time now.
            QCoreApplication::translate("DateTexts", "The true date and time are set again: %1.")
                .arg(peopleTime(now)))};
}

DateNotice leftoverRepairFailed(const DateChange& restored, WallTime truePresent)
{
    return {dateMayBeWrong(),
        then(lastEndedDuringPreview(),
            //: %1 says why it failed; %2 is the true date and time.
            QCoreApplication::translate("DateTexts",
                "Putting it back now failed. %1 The true time is about %2; please set the date "
                "and time in the system settings.")
                .arg(reason(restored), peopleTime(truePresent)))};
}

DateNotice leftoverFromEarlierBoot(WallTime lastKnownTrueTime)
{
    return leftoverLeftAlone(
        //: %1 is a date and time.
        QCoreApplication::translate("DateTexts",
            "The computer has been restarted since, so the true time cannot be worked out "
            "here; the last time known to be true was %1.")
            .arg(peopleTime(lastKnownTrueTime)));
}

DateNotice leftoverOfAnotherWay(WallTime truePresent)
{
    return leftoverLeftAlone(
        //: %1 is the true date and time.
        QCoreApplication::translate("DateTexts",
            "This run may not set the clock the way that run did. The true time is about "
            "%1.")
            .arg(peopleTime(truePresent)));
}

DateNotice leftoverClockSetSince(WallTime truePresent)
{
    return leftoverLeftAlone(
        //: %1 is the true date and time.
        QCoreApplication::translate("DateTexts",
            "The clock has been set since to a day that no preview sets, so it is left as "
            "it is. By the note that run left, the true time is about %1.")
            .arg(peopleTime(truePresent)));
}

DateNotice leftoverImplausible(const QString& path, WallTime lastKnownTrueTime)
{
    return {QCoreApplication::translate(
                "DateTexts", "A note of the true time that cannot be right was found."),
        then(
            //: %1 is the note's file; %2 a date and time.
            QCoreApplication::translate("DateTexts",
                "The note %1 says that the true time was last %2, which no preview of this program "
                "can have left. It was not used and nothing was changed; it has been removed.")
                .arg(path, peopleTime(lastKnownTrueTime)),
            pleaseCheck())};
}

DateNotice leftoverDamaged(const QString& path, const QString& whatWasFound)
{
    return {QCoreApplication::translate("DateTexts", "A damaged note of the true time was found."),
        then(
            //: %1 is a file's path; %2 says what is there, such as "a named pipe".
            QCoreApplication::translate("DateTexts",
                "Where Santa Count Down keeps its note of the true time during a preview, %1, "
                "there is %2. It was not used and nothing was changed; it has been removed.")
                .arg(path, whatWasFound),
            pleaseCheck())};
}

DateNotice noteNotRemoved(const QString& path, const QString& error)
{
    return {
        QCoreApplication::translate("DateTexts", "A note of the true time could not be removed."),
        //: %1 is a file's path; %2 what went wrong.
        QCoreApplication::translate(
            "DateTexts", "%1 could not be removed (%2). Please remove it by hand.")
            .arg(path, error)};
}

QString endingWithoutRestore()
{
    return QCoreApplication::translate("DateTexts",
        "Ending without waiting for the date to be put back; the next start will put it back.");
}

} // namespace DateTexts
