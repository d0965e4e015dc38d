// SPDX-License-Identifier: MIT
#include "daypicture.h"

#include "clock.h"
#include "formsurface.h"

namespace {

constexpr unsigned December = 12;

// Shows one picture, then hides every other in the day picture order: 26 writes, each once.
void showPicture(FormSurface& form, Control picture)
{
    form.setVisible(picture, true);
    for (Control other : dayPictureOrder) {
        if (other != picture)
            form.setVisible(other, false);
    }
}

} // namespace

Control DayPictureFor(unsigned month, unsigned day)
{
    if (month != December)
        return Control::SantaNotDec;
    if (day >= 1 && day <= 23)
        return santaForDay(int(day));
    if (day == 24)
        return Control::NightBefore;
    if (day == 25)
        return Control::XmassDay;
    return Control::SantaNotDec;
}

void ShowDayPicture(Clock& clock, FormSurface& form)
{
    // The December rule and the rule for every other month each take their own month reading.
    // They are two tests, not two branches of one: when the month changes between the readings
    // (New Year's Eve to New Year), the second one still puts the right picture up, and in a tick
    // that moves from November into December neither applies and the pictures stay as they were.
    const unsigned firstMonth = monthOf(clock.now());
    if (firstMonth == December) {
        const unsigned day = dayOf(clock.now());
        showPicture(form, DayPictureFor(December, day));
    }
    const unsigned secondMonth = monthOf(clock.now());
    if (secondMonth != December)
        showPicture(form, Control::SantaNotDec);
}
