#pragma once

#include "takeoff/takeoffline.h"

#include <QHash>
#include <QMap>
#include <QString>

// The most a total may reach: fifteen digits, what a spreadsheet's number cell and a JSON
// reader's double hold exactly; for the weight, in hundredths, 9,999,999,999,999.99 kg.
inline constexpr qint64 TakeoffTotalLimit = 999'999'999'999'999;

// What a take-off adds up to: the flanges, their net weight (summed exactly, in hundredths of a
// kilogram), and the bolts by designation. Lines can be taken away again, so a table that edits
// its lines keeps its totals current. Failed lines count for nothing. Every sum is checked: a
// total past TakeoffTotalLimit is never given as a number, exceeded() says which.
class TakeoffTotals
{
public:
    void add(const TakeoffLine &line);
    void remove(const TakeoffLine &line);

    // "" while every total is within TakeoffTotalLimit, else which one passed it: "the total
    // weight passes 9999999999999.99 kg". The totals are then not to be written.
    QString exceeded() const;

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
    bool m_overflowed = false; // a sum passed what 64 bits hold (it then stays unknown)
    qint64 m_failedLines = 0;
    // Bolt holes by row, added up by designation when asked: a list has few rows and many lines.
    struct RowHoles {
        std::shared_ptr<const FlangeRecord> record;
        qint64 holes = 0;
    };
    QHash<const FlangeRecord *, RowHoles> m_holes;
};
