// SPDX-License-Identifier: MIT
#pragma once

#include "formsurface.h"

#include <QHash>

class EventLog;

// A form that records every operation, in order, as "caption SecLabel = 1.00", "show Santa1",
// "hide Santa2", "clear", "repaint" and "end", and keeps the resulting captions and visibility.
class RecordingForm final : public FormSurface
{
public:
    explicit RecordingForm(EventLog& log);

    void setCaption(Control label, const QString& text) override;
    void setVisible(Control control, bool visible) override;
    void clear() override;
    void repaintNow() override;
    void endProgram() override;

    QString caption(Control label) const { return m_captions.value(label); }
    bool isVisible(Control control) const { return m_visible.value(control, false); }
    QList<Control> visibleControls() const;
    bool ended() const { return m_ended; }

private:
    EventLog& m_log;
    QHash<Control, QString> m_captions;
    QHash<Control, bool> m_visible;
    bool m_ended = false;
};
