// SPDX-License-Identifier: MIT
#pragma once

#include "systemdate.h"

#include <functional>
#include <vector>

// Tries the ways of setting the date in order (the kernel, the clock service, the window's own
// clock) and keeps to the first that works. When a way refuses, the next is tried at once; the
// person is told about the refusal once per run, with its reason. The last way, the window's own
// clock, never refuses a valid date.
class FallbackSystemDate final : public SystemDate
{
public:
    using Tell = std::function<void(const QString& reasons)>;

    explicit FallbackSystemDate(std::vector<SystemDate*> ways, Tell tellRefusal = {});

    void setTellRefusal(Tell tellRefusal) { m_tellRefusal = std::move(tellRefusal); }

    QString currentDateText() override;
    DateChange setDate(const QString& dateText) override;
    // Puts back whatever any of the ways has changed.
    DateChange restore() override;
    bool isChanged() const override;

private:
    std::vector<SystemDate*> m_ways;
    std::size_t m_current = 0;
    Tell m_tellRefusal;
    bool m_told = false;
};
