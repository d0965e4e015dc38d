// SPDX-License-Identifier: MIT
#include "layout.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace Layout {
namespace {

const QColor green{0, 255, 0};
const QColor yellow{255, 255, 0};
const QColor red{255, 0, 0};
const QColor blue{0, 0, 255};
const QColor grey{128, 128, 128};

constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;

QString greeting()
{
    return QStringLiteral("Season's Greating's From %1!").arg(QLatin1String(webAddress));
}

// clang-format off
const std::array<LabelLayout, 12> labelTable = {{
    {Control::Label10, "", {250, 480}, {}, 13, blue, centred, Box::Fitted},
    {Control::Label9, "", {250, 450}, {}, 13, blue, centred, Box::Fitted},
    {Control::Label6, greeting(), {99, 510}, {311, 21}, 13, grey, left, Box::Fixed},
    {Control::Label5, "Santa Claus Will be here in:", {500, 9}, {171, 151}, 30, green, centred,
     Box::Fixed},
    {Control::Label4, "Days", {640, 390}, {}, 13, red, right, Box::Fitted},
    {Control::Label3, "Hours", {630, 330}, {}, 13, red, right, Box::Fitted},
    {Control::Label2, "Minutes", {620, 270}, {}, 13, red, right, Box::Fitted},
    {Control::Label1, "Seconds", {610, 210}, {}, 13, red, right, Box::Fitted},
    {Control::DayLabel, "", {510, 360}, {151, 41}, 20, yellow, right, Box::Fixed},
    {Control::HouLabel, "", {510, 300}, {151, 41}, 20, yellow, right, Box::Fixed},
    {Control::MinLabel, "", {510, 240}, {151, 41}, 20, yellow, right, Box::Fixed},
    {Control::SecLabel, "", {510, 180}, {151, 41}, 20, yellow, right, Box::Fixed},
}};
// clang-format on

// clang-format off
const std::array<PictureBoxLayout, 27> pictureTable = {{
    {Control::SantaNotDec, {174, 18}, false, 39, QT_TRANSLATE_NOOP("Layout", "Picture for days outside December"),
     QT_TRANSLATE_NOOP("Layout", "Cartoon Santa holding a large white placard that says he will be back in December")},
    {Control::Santa23, {198, 18}, false, 38, QT_TRANSLATE_NOOP("Layout", "Picture for 23 December"),
     QT_TRANSLATE_NOOP("Layout", "Full-length cartoon Santa standing and raising a red-and-white candy cane")},
    {Control::Santa22, {90, 36}, false, 37, QT_TRANSLATE_NOOP("Layout", "Picture for 22 December"),
     QT_TRANSLATE_NOOP("Layout", "Cartoon Santa behind a long green garland with red berries, holding its ends in his mittens")},
    {Control::Santa21, {186, 21}, false, 36, QT_TRANSLATE_NOOP("Layout", "Picture for 21 December"),
     QT_TRANSLATE_NOOP("Layout", "Cartoon Santa walking with a sack of toys over his shoulder and bells on his boots")},
    {Control::Santa20, {132, 24}, false, 35, QT_TRANSLATE_NOOP("Layout", "Picture for 20 December"),
     QT_TRANSLATE_NOOP("Layout", "Cartoon Santa bending over an open sack full of toys, with gift boxes and a toy horse")},
    {Control::Santa19, {132, 27}, false, 34, QT_TRANSLATE_NOOP("Layout", "Picture for 19 December"),
     QT_TRANSLATE_NOOP("Layout", "Grey engraving of four reindeer drawing Santa's sleigh up through the sky over a village")},
    {Control::Santa18, {96, 27}, false, 33, QT_TRANSLATE_NOOP("Layout", "Picture for 18 December"),
     QT_TRANSLATE_NOOP("Layout", "White woodcut of Santa in a fur hat reading a large book by a lantern under yellow stars")},
    {Control::Santa17, {96, 24}, false, 32, QT_TRANSLATE_NOOP("Layout", "Picture for 17 December"),
     QT_TRANSLATE_NOOP("Layout", "Grey engraving on cream of Santa leaning out of the clouds into a tied bundle of toys")},
    {Control::Santa16, {99, 27}, false, 31, QT_TRANSLATE_NOOP("Layout", "Picture for 16 December"),
     QT_TRANSLATE_NOOP("Layout", "Engraving of Santa in reading glasses on an old telephone, writing a list with a quill")},
    {Control::Santa15, {159, 21}, false, 30, QT_TRANSLATE_NOOP("Layout", "Picture for 15 December"),
     QT_TRANSLATE_NOOP("Layout", "Snowy Christmas tree with candles and a star, carol singers and a red greeting ribbon")},
    {Control::Santa14, {189, 36}, false, 29, QT_TRANSLATE_NOOP("Layout", "Picture for 14 December"),
     QT_TRANSLATE_NOOP("Layout", "Gold engraving of Santa standing and waving, a ring behind his head, toys over his shoulder")},
    {Control::Santa13, {126, 21}, false, 28, QT_TRANSLATE_NOOP("Layout", "Picture for 13 December"),
     QT_TRANSLATE_NOOP("Layout", "Grey outline drawing of Santa striding through the snow, bent under a huge sack")},
    {Control::Santa12, {27, 48}, false, 27, QT_TRANSLATE_NOOP("Layout", "Picture for 12 December"),
     QT_TRANSLATE_NOOP("Layout", "Old-fashioned colour picture of Santa seated in a red robe, a little girl on his knee")},
    {Control::Santa11, {150, 50}, false, 26, QT_TRANSLATE_NOOP("Layout", "Picture for 11 December"),
     QT_TRANSLATE_NOOP("Layout", "Stippled drawing of Santa from behind, bent under a huge brown sack of toys in the snow")},
    {Control::Santa10, {120, 40}, false, 25, QT_TRANSLATE_NOOP("Layout", "Picture for 10 December"),
     QT_TRANSLATE_NOOP("Layout", "Santa winking, a finger laid beside his nose, framed by a round holly wreath with berries")},
    {Control::Santa9, {51, 15}, true, 19, QT_TRANSLATE_NOOP("Layout", "Picture for 9 December"),
     QT_TRANSLATE_NOOP("Layout", "Engraving of Santa in round spectacles hanging a toy drum on a hook, a doll at his side")},
    {Control::Santa8, {9, 12}, true, 18, QT_TRANSLATE_NOOP("Layout", "Picture for 8 December"),
     QT_TRANSLATE_NOOP("Layout", "Engraving of Santa in a fur-trimmed hood leaning over a huge book of names, pointing")},
    {Control::Santa7, {9, 12}, true, 17, QT_TRANSLATE_NOOP("Layout", "Picture for 7 December"),
     QT_TRANSLATE_NOOP("Layout", "Engraving of Santa at his workbench, hammer raised over a rocking horse, tools on the wall")},
    {Control::Santa6, {27, 12}, true, 16, QT_TRANSLATE_NOOP("Layout", "Picture for 6 December"),
     QT_TRANSLATE_NOOP("Layout", "Engraving of Santa seen from behind, looking at the moon through a telescope at a window")},
    {Control::Santa5, {180, 80}, true, 15, QT_TRANSLATE_NOOP("Layout", "Picture for 5 December"),
     QT_TRANSLATE_NOOP("Layout", "Cartoon Santa smoking a pipe, a holly sprig on his cap")},
    {Control::Santa4, {210, 80}, true, 14, QT_TRANSLATE_NOOP("Layout", "Picture for 4 December"),
     QT_TRANSLATE_NOOP("Layout", "Cartoon Santa smiling in front of a dark blue disc with falling snow")},
    {Control::Santa3, {200, 140}, true, 13, QT_TRANSLATE_NOOP("Layout", "Picture for 3 December"),
     QT_TRANSLATE_NOOP("Layout", "Cartoon Santa, head thrown back in laughter and eyes squeezed shut, before a green disc")},
    {Control::Santa2, {260, 110}, true, 12, QT_TRANSLATE_NOOP("Layout", "Picture for 2 December"),
     QT_TRANSLATE_NOOP("Layout", "Cartoon Santa in profile in front of a pale yellow moon")},
    {Control::XmassDay, {24, 9}, true, 11, QT_TRANSLATE_NOOP("Layout", "Picture for Christmas Day"),
     QT_TRANSLATE_NOOP("Layout", "Engraving of Santa asleep in a wing chair, boots up on a stool before a blazing fire")},
    {Control::Santa1, {200, 140}, true, 10, QT_TRANSLATE_NOOP("Layout", "Picture for 1 December"),
     QT_TRANSLATE_NOOP("Layout", "Cartoon Santa's head turned and tilted in a hearty laugh, his red cap flopping over")},
    {Control::NightBefore, {111, 6}, true, 9, QT_TRANSLATE_NOOP("Layout", "Picture for Christmas Eve"),
     QT_TRANSLATE_NOOP("Layout", "Engraving of Santa with his sack climbing into a snowy chimney above a moonlit village")},
    {Control::LogoKestrel, {231, 198}, true, 4, QT_TRANSLATE_NOOP("Layout", "Santa Count Down logo"),
     QT_TRANSLATE_NOOP("Layout", "A gold star on a snowy fir tree under a gold dome, Santa Count Down arched over it in red")},
}};
// clang-format on

std::array<Control, 28> makeTabOrder()
{
    std::array<std::pair<int, Control>, 28> entries{};
    for (std::size_t i = 0; i < pictureTable.size(); ++i)
        entries[i] = {pictureTable[i].tabOrder, pictureTable[i].control};
    entries.back() = {24, Control::Command1};
    std::sort(entries.begin(), entries.end());
    std::array<Control, 28> order{};
    std::transform(entries.begin(), entries.end(), order.begin(),
        [](const auto& entry) { return entry.second; });
    return order;
}

const std::array<Control, 28> tabOrderTable = makeTabOrder();

} // namespace

std::span<const LabelLayout> labels()
{
    return labelTable;
}

std::span<const PictureBoxLayout> pictureBoxes()
{
    return pictureTable;
}

std::span<const Control> tabOrder()
{
    return tabOrderTable;
}

QString daysToolTip()
{
    //: %1 is a key combination.
    return QCoreApplication::translate("Layout", "Preview the next day of December (%1)")
        .arg(QLatin1String(daysShortcut));
}

QString daysDescription()
{
    //: %1 is a key combination.
    return QCoreApplication::translate("Layout",
        "Each press shows the next day of December 1992, so that its picture can be seen; the "
        "26th comes back to today. Keyboard: %1.")
        .arg(QLatin1String(daysShortcut));
}

QString timeLeftDescription(const QString& daysLeft)
{
    //: What a screen reader reads first. %1 is the days left as the window shows them ("15.42");
    //: %2 a key combination.
    return QCoreApplication::translate(
        "Layout", "%1 days until Christmas. %2 previews the days of December.")
        .arg(daysLeft, QLatin1String(daysShortcut));
}

QString dayPictureName(const QString& date)
{
    //: A screen reader's name for the day's picture; %1 is a date.
    return QCoreApplication::translate("Layout", "Picture for %1").arg(date);
}

QString unitOfTotal(const char* unit)
{
    return QCoreApplication::translate("Layout", unit);
}

QString pictureText(const char* text)
{
    return QCoreApplication::translate("Layout", text);
}

QString image1ToolTip()
{
    return QCoreApplication::translate(
        "Layout", "Copyright \u00a9 2026 the Santa Count Down developers");
}

QStringList fontSubstitutes()
{
    return {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
        QStringLiteral("Arimo"), QStringLiteral("Arial"), QStringLiteral("Helvetica")};
}

} // namespace Layout
