// SPDX-License-Identifier: MIT
#pragma once

#include <QLatin1String>
#include <QMetaType>

#include <array>

// The 42 controls of the window, by name. The logic addresses a control only through this name;
// the window keeps the widgets.
// clang-format off
enum class Control {
    // The day pictures, Santa1 to Santa23 first so that SantaN is entry N - 1.
    Santa1, Santa2, Santa3, Santa4, Santa5, Santa6, Santa7, Santa8, Santa9, Santa10, Santa11,
    Santa12, Santa13, Santa14, Santa15, Santa16, Santa17, Santa18, Santa19, Santa20, Santa21,
    Santa22, Santa23, NightBefore, XmassDay, SantaNotDec,
    LogoKestrel,
    // Labels
    Label1, Label2, Label3, Label4, Label5, Label6, Label9, Label10,
    DayLabel, HouLabel, MinLabel, SecLabel,
    Image1,
    Command1,
    Timer1,
};
// clang-format on

Q_DECLARE_METATYPE(Control)

inline constexpr int ControlCount = int(Control::Timer1) + 1;

// The control's name, which is also the widget's objectName.
QLatin1String controlName(Control control);

// All controls, in the order of the enumeration.
const std::array<Control, ControlCount>& allControls();

// The picture for day n of December, n from 1 to 23.
constexpr Control santaForDay(int n)
{
    return static_cast<Control>(int(Control::Santa1) + n - 1);
}

// The 26 day pictures, as the enumeration lists them: Santa1 to Santa23, NightBefore, XmassDay,
// SantaNotDec. Every other list of them is made from this one.
inline constexpr int DayPictureCount = int(Control::SantaNotDec) + 1;
constexpr std::array<Control, DayPictureCount> dayPictures()
{
    std::array<Control, DayPictureCount> pictures{};
    for (int i = 0; i < DayPictureCount; ++i)
        pictures[std::size_t(i)] = static_cast<Control>(i);
    return pictures;
}
