// SPDX-License-Identifier: MIT
#include "controls.h"

namespace {

// clang-format off
constexpr std::array<const char*, ControlCount> names = {
    "Santa1", "Santa2", "Santa3", "Santa4", "Santa5", "Santa6", "Santa7", "Santa8", "Santa9",
    "Santa10", "Santa11", "Santa12", "Santa13", "Santa14", "Santa15", "Santa16", "Santa17",
    "Santa18", "Santa19", "Santa20", "Santa21", "Santa22", "Santa23", "NightBefore", "XmassDay",
    "SantaNotDec", "LogoKestrel", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6",
    "Label9", "Label10", "DayLabel", "HouLabel", "MinLabel", "SecLabel", "Image1", "Command1",
    "Timer1",
};
// clang-format on

constexpr std::array<Control, ControlCount> makeAll()
{
    std::array<Control, ControlCount> all{};
    for (int i = 0; i < ControlCount; ++i)
        all[i] = static_cast<Control>(i);
    return all;
}

constexpr std::array<Control, ControlCount> all = makeAll();

} // namespace

QLatin1String controlName(Control control)
{
    return QLatin1String(names[std::size_t(control)]);
}

const std::array<Control, ControlCount>& allControls()
{
    return all;
}
