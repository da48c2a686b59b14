#pragma once

#include "takeoff/takeoffline.h"

#include <QHash>
#include <QMap>
#include <QString>

// What a take-off adds up to: the flanges, their net weight, and the bolts by designation.
// Lines can be taken away again, so a table that edits its lines keeps its totals current.
// Failed lines count for nothing.
class TakeoffTotals
{
public:
    void add(const TakeoffLine &line);
    void remove(const TakeoffLine &line);

    qint64 flanges() const { return m_flanges; }
    qint64 weightHundredths() const { return m_weightHundredths; }
    double weightKg() const { return double(m_weightHundredths) / 100; }
    qint64 failedLines() const { return m_failedLines; }
    // Bolts by designation: every two flanges of a joint share one bolt per hole, so the bolt
    // holes of all lines of a designation, halved and rounded up.
    QMap<QString, qint64> bolts() const;

private:
    void count(const TakeoffLine &line, int sign);

    qint64 m_flanges = 0;
    qint64 m_weightHundredths = 0;
    qint64 m_failedLines = 0;
    // Bolt holes by row, added up by designation when asked: a list has few rows and many lines.
    struct RowHoles {
        std::shared_ptr<const FlangeRecord> record;
        qint64 holes = 0;
    };
    QHash<const FlangeRecord *, RowHoles> m_holes;
};
