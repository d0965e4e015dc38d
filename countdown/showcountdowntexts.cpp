// SPDX-License-Identifier: MIT
#include "showcountdowntexts.h"

#include "clock.h"
#include "formsurface.h"
#include "textformats.h"

void ShowCountdownTexts(
    const CountdownTotals& totals, Clock& clock, FormSurface& form, const QLocale& locale)
{
    form.setCaption(Control::SecLabel, FormatTotal(totals.SecondsLeft, locale));
    form.setCaption(Control::MinLabel, FormatTotal(totals.MinutesLeft, locale));
    form.setCaption(Control::HouLabel, FormatTotal(totals.HoursLeft, locale));
    form.setCaption(Control::DayLabel, FormatTotal(totals.DaysLeft, locale));
    form.setCaption(
        Control::Label9, QStringLiteral("Today is, ") + FormatDateLine(clock.now(), locale));
    form.setCaption(Control::Label10, QStringLiteral("at, ") + FormatTimeLine(clock.now(), locale));
}
