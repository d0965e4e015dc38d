// SPDX-License-Identifier: MIT
#include "previewstepper.h"

#include "datekeeper.h"
#include "formstate.h"

namespace {
constexpr std::int16_t RestoreClick = 26;
}

void Label4_Click(FormState& state, DateKeeper& keeper, const SystemDate::Finished& restored)
{
    // The counter and the day text are updated before the date is set.
    state.PreviewDay = static_cast<std::int16_t>(state.PreviewDay + 1);
    const QString digits = QString::number(state.PreviewDay).trimmed();
    state.PreviewDayText = state.PreviewDay < 10 ? QLatin1Char('0') + digits : digits;

    // A refusal is told by the system date itself, which then previews in the window.
    keeper.setDate(QStringLiteral("12-") + state.PreviewDayText + QStringLiteral("-1992"));

    if (state.PreviewDay == RestoreClick) {
        keeper.restore([restored](const DateChange& outcome) {
            if (restored)
                restored(outcome);
        });
        // Back to the start even when putting the date back fails, so the counter never runs
        // past the 26th click.
        state.PreviewDay = 0;
    }
}
