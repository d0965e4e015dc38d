// SPDX-License-Identifier: MIT
#include "textformats.h"

#include <cmath>

using namespace std::chrono;

namespace {

// Rounds value * 100 to a whole number, halves away from zero. Totals come from whole seconds, so
// a true half (18 seconds is 0.005 hours) arrives as a hair above or below x.5 depending on the
// arithmetic; the small tolerance puts it on the half, where std::round takes it away from zero.
// Genuine values never lie that close to a half without being one.
double roundedHundredths(double value)
{
    const double scaled = value * 100.0;
    const double tolerance = 1e-9 + std::fabs(scaled) * 1e-13;
    return std::round(scaled + std::copysign(tolerance, scaled));
}

QString twoDigits(long long n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// The totals are written in Western digits. A locale that writes digits of its own (Arabic,
// Persian) has a decimal separator of that system too, which would stand among digits of another;
// the Western point goes with Western digits there.
QString decimalPointFor(const QLocale& locale)
{
    return locale.zeroDigit() == QLatin1String("0") ? locale.decimalPoint() : QStringLiteral(".");
}

// A name written right to left (Arabic, Hebrew) is isolated from the left-to-right line around
// it, so that the line keeps its order: weekday, month, day, year.
QString isolated(const QString& name)
{
    if (!name.isRightToLeft())
        return name;
    return QChar(0x2068) + name + QChar(0x2069); // FIRST STRONG ISOLATE ... POP DIRECTIONAL ISOLATE
}

} // namespace

QString FormatTotal(double value, const QLocale& locale)
{
    const double hundredths = roundedHundredths(value);
    // All digits of the rounded amount, at least three so that the last two are the decimals.
    QString digits = QString::number(std::fabs(hundredths), 'f', 0);
    if (digits.size() < 3)
        digits = digits.rightJustified(3, QLatin1Char('0'));
    QString integerPart = digits.left(digits.size() - 2);
    if (integerPart == QLatin1String("0"))
        integerPart.clear();

    QString text;
    if (hundredths < 0)
        text += QLatin1Char('-');
    text += integerPart;
    text += decimalPointFor(locale);
    text += QStringView(digits).right(2);
    return text;
}

QString FormatDateLine(DateValue value, const QLocale& locale)
{
    const year_month_day date = calendarDateOf(value);
    // Qt numbers the days of the week from Monday = 1 to Sunday = 7, as ISO 8601 does.
    const int isoWeekday = int(weekdayOf(value).iso_encoding());
    return QStringLiteral("%1 %2 %3, %4")
        .arg(isolated(locale.standaloneDayName(isoWeekday, QLocale::LongFormat)),
            isolated(locale.standaloneMonthName(int(unsigned(date.month())), QLocale::LongFormat)),
            twoDigits(unsigned(date.day())),
            QStringLiteral("%1").arg(int(date.year()), 4, 10, QLatin1Char('0')));
}

QString FormatTimeLine(DateValue value, const QLocale& locale)
{
    const hh_mm_ss<seconds> time = timeOfDayOf(value);
    const hours hour = time.hours();
    const long long hour12 = make12(hour).count();
    const QString separator = timeSeparator(locale);
    return twoDigits(hour12) + separator + twoDigits(time.minutes().count()) + separator
        + twoDigits(time.seconds().count())
        + (is_am(hour) ? QLatin1String(" am") : QLatin1String(" pm"));
}

QString timeSeparator(const QLocale& locale)
{
    // The time format is a pattern such as "HH:mm:ss" or "H.mm.ss"; quoted parts are literal text.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    bool quoted = false;
    qsizetype i = 0;
    for (; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && (c == u'h' || c == u'H'))
            break;
    }
    while (i < format.size() && (format[i] == u'h' || format[i] == u'H'))
        ++i;
    QString separator;
    for (; i < format.size() && !format[i].isLetter(); ++i) {
        if (format[i] != u'\'')
            separator += format[i];
    }
    return separator.isEmpty() ? QStringLiteral(":") : separator;
}
