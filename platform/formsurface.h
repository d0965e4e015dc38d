// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"

#include <QString>

/**
 * What the logic may do to the window. Every operation names its control; the window decides how
 * the control is drawn. Calls take effect in the order they are made.
 */
class FormSurface
{
public:
    virtual ~FormSurface() = default;

    /** Replaces the whole text of a label, also when it is unchanged. */
    virtual void setCaption(Control label, const QString& text) = 0;

    /** Shows or hides a picture box, a label, the image or the button. */
    virtual void setVisible(Control control, bool visible) = 0;

    /** Clears whatever was drawn on the form's own surface; the background stays. */
    virtual void clear() = 0;

    /** Brings the window's present state to the screen before returning, without an event loop. */
    virtual void repaintNow() = 0;

    /** Ends the program at once with the exit status: no further event of any kind is handled. */
    virtual void endProgram(int status) = 0;
};
