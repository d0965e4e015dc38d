// SPDX-License-Identifier: MIT
#pragma once

#include "previewrecord.h"

#include <optional>

// What an earlier run left behind when it ended during a preview without putting the date back:
// on this boot, the true time it pinned, from which the true present follows; after a restart,
// only the last moment the true time was known; or a record that cannot be read.
struct LeftoverPreview
{
    enum class Kind
    {
        ThisBoot,
        EarlierBoot,
        Unreadable
    };

    Kind kind = Kind::Unreadable;
    TrueTimeAnchor anchor;
    WallTime lastKnownTrueTime;
    QString unreadable;
};

std::optional<LeftoverPreview> findLeftoverPreview(
    const PreviewRecord& record, const QString& bootId);
