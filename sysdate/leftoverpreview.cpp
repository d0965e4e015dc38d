// SPDX-License-Identifier: MIT
#include "leftoverpreview.h"

std::optional<LeftoverPreview> findLeftoverPreview(
    const PreviewRecord& record, const QString& bootId)
{
    const auto found = record.read();
    if (!found)
        return std::nullopt;
    LeftoverPreview leftover;
    if (!found->contents) {
        leftover.unreadable = found->unreadable;
        return leftover;
    }
    leftover.anchor = found->contents->anchor;
    leftover.lastKnownTrueTime = found->contents->lastKnownTrueTime();
    // Without a boot identity on either side, the boot clock cannot be trusted to continue.
    const bool sameBoot = !bootId.isEmpty() && leftover.anchor.bootId == bootId;
    leftover.kind = sameBoot ? LeftoverPreview::Kind::ThisBoot : LeftoverPreview::Kind::EarlierBoot;
    return leftover;
}
