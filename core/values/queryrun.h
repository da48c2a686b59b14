#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <functional>

// One step a query procedure takes on its window: write a text box, or show a message and wait.
struct QueryStep {
    enum class Kind { Write, Message };
    Kind kind;
    int box; // n of the box "Text<n>"; unused for a message
    QString text;

    friend bool operator==(const QueryStep &, const QueryStep &) = default;
};

// A query procedure run without widgets. It starts from the texts the window's boxes hold,
// records what it writes and shows, in order, and reads its own writes back, as reading the
// boxes after writing them would. The window then plays the steps on its real controls.
class QueryRun
{
public:
    using BoxReader = std::function<QString(int box)>;
    explicit QueryRun(BoxReader initialText);

    void write(int box, const QString &text);
    void message(const QString &text);

    QString text(int box) const;

    const QList<QueryStep> &steps() const { return m_steps; }
    // The message shown, if any (empty when none).
    QStringList messages() const;

private:
    BoxReader m_initial;
    QHash<int, QString> m_written;
    QList<QueryStep> m_steps;
};
