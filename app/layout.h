// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <span>
#include <utility>

// The window's fixed layout, in pixels of its client area. Nothing here moves at run time; only
// captions and visibility change.
namespace Layout {

inline constexpr QSize clientSize{682, 570};
inline const QColor background{0, 0, 0};

// A fixed box keeps its size and wraps its text; a fitted box is one line, exactly its text's size.
enum class Box { Fixed, Fitted };

struct LabelLayout
{
    Control control;
    QString caption;
    QPoint topLeft;
    QSize fixedSize; // only for Box::Fixed
    int fontPixelSize;
    QColor colour;
    Qt::Alignment alignment;
    Box box;
};

struct PictureBoxLayout
{
    Control control;
    // The box takes its picture's size (and its border); only its place is laid out.
    QPoint topLeft;
    bool bordered;
    int tabOrder;
    const char* accessibleName;
    const char* description;
};

inline constexpr int borderWidth = 1;

// The greeting ends with the project's web address.
inline constexpr const char* webAddress = "www.santa.example";

// Labels, and Image1 among them, from the top of the stacking order down.
std::span<const LabelLayout> labels();

// Picture boxes from the top of the stacking order down. Command1 lies between Santa10 and Santa9.
std::span<const PictureBoxLayout> pictureBoxes();
inline constexpr Control lastPictureAboveButton = Control::Santa10;

// The controls that take the keyboard focus, by ascending tab order.
std::span<const Control> tabOrder();

inline constexpr QRect command1Geometry{550, 450, 51, 31};
inline constexpr int command1FontPixelSize = 13;

inline constexpr QRect image1Geometry{642, 528, 31, 31};
QString image1ToolTip();

// The heading over the countdown.
inline constexpr Control heading = Control::Label5;
// The stand-in font is a hair wider than the face the heading was laid out for: "Santa Claus"
// takes 171.6 px of the 171-px box and would wrap as "Santa / Claus Will / be here in:". A tenth
// of a pixel less between letters keeps the designed lines "Santa Claus / Will be here / in:".
inline constexpr qreal headingLetterSpacing = -0.1;

// Each unit caption, the total it names, and the unit as a screen reader reads it with the total.
struct UnitCaption
{
    Control caption;
    Control total;
    const char* unit;
};
inline constexpr UnitCaption unitCaptions[] = {
    //: Read after a total, as in "2030400.00 seconds".
    {Control::Label1, Control::SecLabel, QT_TRANSLATE_NOOP("Layout", "seconds")},
    {Control::Label2, Control::MinLabel, QT_TRANSLATE_NOOP("Layout", "minutes")},
    {Control::Label3, Control::HouLabel, QT_TRANSLATE_NOOP("Layout", "hours")},
    {Control::Label4, Control::DayLabel, QT_TRANSLATE_NOOP("Layout", "days")},
};
// A unit, a picture's name or its description, in the person's language.
QString unitOfTotal(const char* unit);
QString pictureText(const char* text);

// "Days" takes a click anywhere in its own box, however narrow the font draws the word.
inline constexpr QSize daysClickBox{36, 16};
// The keys that press "Days", for those who do not use a mouse.
inline constexpr const char* daysShortcut = "Alt+D";
QString daysToolTip();
QString daysDescription();
// What a screen reader reads of EXIT and the window, with the days total as shown: the time
// left, and how to preview the days.
QString timeLeftDescription(const QString& daysLeft);
// The name of the day picture showing, with the date it shows.
QString dayPictureName(const QString& date);

// Image1 sits between Label5 and Label4 in the stacking order of the labels.
inline constexpr Control image1StacksBelow = Control::Label5;

inline constexpr const char* windowTitle = "Santa Count Down";

// The face the window's texts ask for, and the faces that stand in where it is missing.
inline constexpr const char* fontFamily = "MS Sans Serif";
QStringList fontSubstitutes();

} // namespace Layout
