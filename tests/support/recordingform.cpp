// SPDX-License-Identifier: MIT
#include "recordingform.h"

#include "eventlog.h"

RecordingForm::RecordingForm(EventLog& log)
    : m_log(log)
{ }

void RecordingForm::setCaption(Control label, const QString& text)
{
    m_captions[label] = text;
    m_log.add(QStringLiteral("caption %1 = %2").arg(controlName(label), text));
}

void RecordingForm::setVisible(Control control, bool visible)
{
    m_visible[control] = visible;
    m_log.add((visible ? QStringLiteral("show ") : QStringLiteral("hide ")) + controlName(control));
}

void RecordingForm::clear()
{
    m_log.add(QStringLiteral("clear"));
}

void RecordingForm::repaintNow()
{
    m_log.add(QStringLiteral("repaint"));
}

void RecordingForm::endProgram(int status)
{
    m_log.add(QStringLiteral("end %1").arg(status));
    m_status = status;
}

QList<Control> RecordingForm::visibleControls() const
{
    QList<Control> shown;
    for (Control control : allControls()) {
        if (isVisible(control))
            shown << control;
    }
    return shown;
}
