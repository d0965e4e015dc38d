// SPDX-License-Identifier: MIT
#include "leftoverpreview.h"

#include "computerdate.h"
#include "localclock.h"
#include "previewstepper.h"

using namespace std::chrono;

namespace {

// The last instant a date of this program can name.
constexpr WallTime lastDay = sys_days{year{9999} / December / 31} + hours{24} - microseconds{1};

LeftoverVerdict tell(const DateNotice& notice)
{
    return {LeftoverVerdict::Action::Tell, {}, notice};
}

} // namespace

WallTime releaseDay()
{
    return sys_days{year{SCD_RELEASE_YEAR} / month{SCD_RELEASE_MONTH} / day{SCD_RELEASE_DAY}};
}

LeftoverVerdict judgeLeftover(const PreviewRecord::Reading& found, const QString& path,
    const StartReadings& now, bool wayAvailable)
{
    switch (found.kind) {
    case PreviewRecord::Reading::Kind::Nothing:
        return {};
    case PreviewRecord::Reading::Kind::Damaged:
        return tell(DateTexts::leftoverDamaged(path, found.damage));
    case PreviewRecord::Reading::Kind::Note:
        break;
    }

    const PreviewRecord::Contents& note = found.contents;
    const TrueTimeAnchor& anchor = note.anchor;
    const bool sameBoot = !now.bootId.isEmpty() && anchor.bootId == now.bootId;
    const bool plausibleTime = anchor.wallClock >= releaseDay() && anchor.wallClock <= lastDay;
    // On this boot the boot clock only ever went forward: pinned, then written, then now.
    const bool plausibleBootClock =
        anchor.bootClock <= note.writtenAt && note.writtenAt <= now.bootClock;
    if (!plausibleTime || (sameBoot && !plausibleBootClock))
        return tell(DateTexts::leftoverImplausible(path, note.lastKnownTrueTime()));
    if (!sameBoot)
        return tell(DateTexts::leftoverFromEarlierBoot(note.lastKnownTrueTime()));

    const WallTime truePresent = anchor.presentAt(now.bootClock);
    const auto error = now.clock - truePresent;
    if (error <= ComputerDate::Tolerance && -error <= ComputerDate::Tolerance)
        return {LeftoverVerdict::Action::RemoveQuietly, {}, {}};
    if (!isPreviewDay(year_month_day{floor<days>(toLocalTime(now.clock))}))
        return tell(DateTexts::leftoverClockSetSince(truePresent));
    if (!wayAvailable)
        return tell(DateTexts::leftoverOfAnotherWay(truePresent));
    return {LeftoverVerdict::Action::Repair, anchor, {}};
}
