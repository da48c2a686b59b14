#pragma once

#include "takeoff/takeoffwriter.h"

#include <QIODevice>
#include <QJsonObject>
#include <QTextStream>
#include <memory>

// The take-off's text forms, written through a buffer into a device (a file being saved, or
// standard output), UTF-8.

// Shared: the stream and its failure.
class TakeoffStreamWriter : public TakeoffWriter
{
public:
    explicit TakeoffStreamWriter(QIODevice &device);
    bool finish(QString &error) override;

protected:
    QTextStream m_out;
    QIODevice &m_device;
};

// An aligned table for people, Chinese column names with units, then the totals.
class TakeoffTableWriter : public TakeoffStreamWriter
{
public:
    explicit TakeoffTableWriter(QIODevice &device);
    void writeLine(const TakeoffLine &line) override;
    void writeTotals(const TakeoffTotals &totals) override;

private:
    void writeRow(const QList<TakeoffCell> &cells);
    QList<int> m_widths;
};

// CSV with a byte order mark (so a spreadsheet reads the Chinese names), a header with units,
// one row per line (failed lines keep their place, with the reason), then the totals rows.
class TakeoffCsvWriter : public TakeoffStreamWriter
{
public:
    explicit TakeoffCsvWriter(QIODevice &device);
    void writeLine(const TakeoffLine &line) override;
    void writeTotals(const TakeoffTotals &totals) override;

private:
    void writeRow(const QList<TakeoffCell> &cells);
};

// {"lines": [...], "totals": {...}}, the array written as the lines come.
class TakeoffJsonWriter : public TakeoffStreamWriter
{
public:
    explicit TakeoffJsonWriter(QIODevice &device);
    void writeLine(const TakeoffLine &line) override;
    void writeTotals(const TakeoffTotals &totals) override;

private:
    bool m_first = true;
};

// A line as the JSON form writes it: what it asks for, its weights, its error (or null), and
// the catalogue's values of its row under their catalogue keys.
QJsonObject takeoffLineJson(const TakeoffLine &line);
