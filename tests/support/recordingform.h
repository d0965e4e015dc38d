// SPDX-License-Identifier: MIT
#pragma once

#include "formsurface.h"

#include <QHash>

#include <optional>

class EventLog;

// A form that records every operation, in order, as "caption SecLabel = 1.00", "show Santa1",
// "hide Santa2", "clear", "repaint" and "end 0", and keeps the resulting captions and visibility.
class RecordingForm final : public FormSurface
{
public:
    explicit RecordingForm(EventLog& log);

    void setCaption(Control label, const QString& text) override;
    void setVisible(Control control, bool visible) override;
    void clear() override;
    void repaintNow() override;
    void endProgram(int status) override;

    QString caption(Control label) const { return m_captions.value(label); }
    bool isVisible(Control control) const { return m_visible.value(control, false); }
    QList<Control> visibleControls() const;
    bool ended() const { return m_status.has_value(); }
    int exitStatus() const { return m_status.value_or(-1); }

private:
    EventLog& m_log;
    QHash<Control, QString> m_captions;
    QHash<Control, bool> m_visible;
    std::optional<int> m_status;
};
