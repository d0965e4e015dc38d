// SPDX-License-Identifier: MIT
#pragma once

#include "datevalue.h"

#include <QLocale>
#include <QString>

// A total with two decimals and no grouping: 0.5 gives ".50", 1234567.891 gives "1234567.89".
// The value is rounded to the nearest hundredth; a value that lies on a half (within the noise of
// double arithmetic) rounds away from zero, so 0.005 hours always shows ".01". The sign follows
// the rounded value: a total that rounds to zero shows ".00", never "-.00". The decimal separator
// is the locale's, unless the locale writes its own digits: the digits are always Western.
QString FormatTotal(double value, const QLocale& locale = QLocale());

// "Sunday December 01, 2024": weekday, month, two-digit day, comma, four-digit year. Names
// written right to left are set apart with Unicode isolates, so the order holds in every locale.
QString FormatDateLine(DateValue value, const QLocale& locale = QLocale());

// "12:00:00 pm": 12-hour clock with two-digit fields; "am" and "pm" are the same in every locale.
QString FormatTimeLine(DateValue value, const QLocale& locale = QLocale());

// The separator the locale puts between hours and minutes; ":" if its time format has none.
QString timeSeparator(const QLocale& locale);
