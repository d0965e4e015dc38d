// SPDX-License-Identifier: MIT
#include "label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>

#include <cmath>
#include <vector>

namespace {

// Lays the text out in lines for the given width and keeps the lines that lie whole inside the
// height; a line that would be cut by the bottom edge is not shown at all.
struct WrappedText
{
    QTextLayout layout;
    std::vector<QTextLine> lines;
};

void wrapText(WrappedText& wrapped, const QString& text, const QFont& font, Qt::Alignment alignment,
    QSizeF box)
{
    wrapped.layout.setText(text);
    wrapped.layout.setFont(font);
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    wrapped.layout.setTextOption(option);
    wrapped.layout.beginLayout();
    qreal y = 0;
    bool full = false;
    for (QTextLine line = wrapped.layout.createLine(); line.isValid();
         line = wrapped.layout.createLine()) {
        line.setLineWidth(box.width());
        line.setPosition(QPointF(0, y));
        y += line.height();
        if (!full && y <= box.height())
            wrapped.lines.push_back(line);
        else
            full = true;
    }
    wrapped.layout.endLayout();
}

} // namespace

Label::Label(Layout::Box box, QWidget* parent)
    : QLabel(parent)
    , m_box(box)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    setMargin(0);
    setIndent(0);
    setWordWrap(box == Layout::Box::Fixed);
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    if (m_box == Layout::Box::Fitted)
        fitToText();
    updateAccessibleName();
    Q_EMIT captionChanged(caption);
}

void Label::setPressable(const QKeySequence& shortcut)
{
    m_pressable = true;
    m_shortcut = shortcut;
}

void Label::setMinimumBox(QSize box)
{
    m_minimumBox = box;
    if (m_box == Layout::Box::Fitted)
        fitToText();
}

void Label::setUnit(const QString& unit)
{
    m_unit = unit;
    updateAccessibleName();
}

// Told only when it changes: the totals are written every second, mostly with the same text, and
// a screen reader should not hear about the unchanged ones.
void Label::updateAccessibleName()
{
    const QString name =
        m_unit.isEmpty() || text().isEmpty() ? text() : QStringLiteral("%1 %2").arg(text(), m_unit);
    if (accessibleName() != name)
        setAccessibleName(name);
}

void Label::fitToText()
{
    const QFontMetrics metrics(font());
    resize(QSize(metrics.horizontalAdvance(text()), metrics.height()).expandedTo(m_minimumBox));
}

void Label::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_box == Layout::Box::Fitted)
        fitToText();
}

QStringList Label::visibleLines() const
{
    if (m_box == Layout::Box::Fitted)
        return {text()};
    WrappedText wrapped;
    wrapText(wrapped, text(), font(), alignment(), size());
    QStringList lines;
    for (const QTextLine& line : wrapped.lines)
        lines << text().mid(line.textStart(), line.textLength()).trimmed();
    return lines;
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    if (m_box == Layout::Box::Fitted) {
        painter.setFont(font());
        painter.drawText(QPointF(0, QFontMetricsF(font()).ascent()), text());
        return;
    }
    WrappedText wrapped;
    wrapText(wrapped, text(), font(), alignment(), size());
    for (const QTextLine& line : wrapped.lines) {
        // Centred and right-aligned lines start on whole pixels, so they look as sharp as
        // left-aligned ones.
        const qreal left = line.naturalTextRect().left();
        line.draw(&painter, QPointF(std::round(left) - left, 0));
    }
}

void Label::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}
