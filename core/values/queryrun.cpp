#include "core/values/queryrun.h"

QueryRun::QueryRun(BoxReader initialText) : m_initial(std::move(initialText)) {}

void QueryRun::write(int box, const QString &text)
{
    m_written.insert(box, text);
    m_steps.append({QueryStep::Kind::Write, box, text});
}

void QueryRun::message(const QString &text)
{
    m_steps.append({QueryStep::Kind::Message, 0, text});
}

QString QueryRun::text(int box) const
{
    const auto written = m_written.constFind(box);
    return written != m_written.cend() ? *written : m_initial(box);
}

QStringList QueryRun::messages() const
{
    QStringList shown;
    for (const QueryStep &step : m_steps)
        if (step.kind == QueryStep::Kind::Message)
            shown.append(step.text);
    return shown;
}
