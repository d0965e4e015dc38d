// SPDX-License-Identifier: MIT
#pragma once

#include "countdowntotals.h"

#include <QLocale>

class Clock;
class FormSurface;

// Writes the four totals, then the date line and the time line, each of those two from a fresh
// clock reading of its own.
void ShowCountdownTexts(const CountdownTotals& totals, Clock& clock, FormSurface& form,
    const QLocale& locale = QLocale());
