// SPDX-License-Identifier: MIT
#pragma once

#include "datevalue.h"

#include <QString>

#include <chrono>

// The true time, pinned to a reading of the boot clock (which keeps counting through suspend and
// never jumps when the wall clock is set): the true present is the pinned wall-clock time plus
// the boot clock's advance since. It holds only within one boot.
struct TrueTimeAnchor
{
    WallTime wallClock;
    std::chrono::nanoseconds bootClock{0};
    QString bootId;

    WallTime presentAt(std::chrono::nanoseconds bootClockNow) const
    {
        return wallClock
            + std::chrono::duration_cast<std::chrono::microseconds>(bootClockNow - bootClock);
    }
};

// The note on disk while a preview has changed (or may have changed) the computer's date through
// one way of setting it: written before the first change, removed only once the true date is seen
// back. If the program ends without putting the date back (killed, crashed, the power lost), the
// next start finds it. Whatever is found at its path is read with suspicion: only a small regular
// file of this user's, never through a link, never waiting on a pipe, every number in range.
class PreviewRecord
{
public:
    struct Contents
    {
        TrueTimeAnchor anchor;
        // When the note was last written, on the boot clock: the last moment the program is
        // known to have been running.
        std::chrono::nanoseconds writtenAt{0};

        WallTime lastKnownTrueTime() const { return anchor.presentAt(writtenAt); }
    };

    // What is found at the note's path.
    struct Reading
    {
        enum class Kind {
            Nothing,
            Note,
            // Something that is not a note of ours: what it is, in words, is in damage.
            Damaged
        };

        Kind kind = Kind::Nothing;
        Contents contents;
        QString damage;
    };

    // The note of the given way ("kernel", "timedated") in the given folder.
    PreviewRecord(QString folder, const QString& way);

    const QString& way() const { return m_way; }
    const QString& path() const { return m_path; }

    // Replaces the note at once and durably (written to a new file, flushed, then renamed over
    // the old one). Returns an empty string, or what went wrong.
    QString write(const Contents& contents) const;
    Reading read() const;
    // Removes whatever is at the note's path (a link itself, not what it points to). Returns an
    // empty string, or what went wrong.
    QString remove() const;

    // $XDG_STATE_HOME/santa-count-down, or ~/.local/state/santa-count-down.
    static QString defaultFolder();
    // This boot's identity; empty where the system does not tell.
    static QString currentBootId();

private:
    QString m_folder;
    QString m_way;
    QString m_path;
};
