// SPDX-License-Identifier: MIT
#include "exitsequence.h"

#include "clock.h"
#include "datekeeper.h"
#include "formsurface.h"

#include <algorithm>
#include <array>

namespace {

// The day pictures in the order EXIT hides them: Santa1 to Santa23, then SantaNotDec,
// NightBefore and XmassDay.
constexpr std::array<Control, DayPictureCount> dayPicturesAsHidden = [] {
    std::array<Control, DayPictureCount> order = dayPictures();
    std::rotate(order.end() - 3, order.end() - 1, order.end());
    return order;
}();

constexpr std::array<Control, 12> labelsAsHidden = {
    Control::Label5,
    Control::SecLabel,
    Control::MinLabel,
    Control::HouLabel,
    Control::DayLabel,
    Control::Label1,
    Control::Label2,
    Control::Label3,
    Control::Label4,
    Control::Label9,
    Control::Label10,
    Control::Label6,
};

void farewell(Clock& clock, FormSurface& form, const ExitServices& services, int status)
{
    for (Control picture : dayPicturesAsHidden)
        form.setVisible(picture, false);
    for (Control label : labelsAsHidden)
        form.setVisible(label, false);
    form.setVisible(Control::Image1, false);
    form.setVisible(Control::Command1, false);
    form.setVisible(Control::LogoKestrel, true);
    form.clear();

    // The farewell is timed on the elapsed-time clock, so midnight, a daylight-saving change or
    // a clock set meanwhile cannot stretch or cut it; the wait sleeps instead of spinning.
    const std::chrono::nanoseconds FarewellDeadline = clock.elapsed() + FarewellTime;
    form.setVisible(Control::Santa16, true);
    form.repaintNow();
    for (auto now = clock.elapsed(); now < FarewellDeadline; now = clock.elapsed())
        services.sleep(FarewellDeadline - now);
    form.endProgram(status);
}

} // namespace

void ExitSequence(DateKeeper& keeper, Clock& clock, FormSurface& form, const ExitServices& services)
{
    keeper.endRun([&keeper, &clock, &form, services](const DateChange& restored) {
        if (const auto notice = DateTexts::afterRestore(restored))
            services.tell(*notice);
        farewell(clock, form, services, keeper.exitStatus(0));
    });
}
