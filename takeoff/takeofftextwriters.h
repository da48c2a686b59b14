#pragma once

#include "takeoff/takeoffwriter.h"

#include <QHash>
#include <QIODevice>
#include <memory>

// The take-off's text forms, written through a buffer into a device (a file being saved, or
// standard output), UTF-8.

// UTF-8 into a device through a buffer that is written out in large blocks; remembers the
// first failure. A line may also be put together in the buffer itself: room() gives space for
// it, advance() takes what was written, so a line is copied once.
class Utf8Output
{
public:
    explicit Utf8Output(QIODevice &device) : m_device(device) {}
    Utf8Output &operator<<(QByteArrayView bytes);
    Utf8Output &operator<<(const QString &text) { return *this << QByteArrayView(text.toUtf8()); }
    Utf8Output &operator<<(const QByteArray &bytes) { return *this << QByteArrayView(bytes); }
    Utf8Output &operator<<(const char *bytes) { return *this << QByteArrayView(bytes); }
    Utf8Output &operator<<(char c) { return *this << QByteArrayView(&c, 1); }
    // Space for at least `size` bytes after what is buffered.
    char *room(qsizetype size);
    // Keeps what was written into room() up to `end`.
    void advance(const char *end);
    // False with the device's reason when a write failed.
    bool flush(QString &error);
    bool failed() const { return !m_error.isEmpty(); }

private:
    static constexpr qsizetype BlockSize = 1 << 16;
    void writeBuffered();
    void startWriteBack();

    QIODevice &m_device;
    QByteArray m_buffer; // only its first m_used bytes are output
    qsizetype m_used = 0;
    qint64 m_written = 0;  // bytes handed to the device
    qint64 m_unsynced = 0; // where the bytes not yet sent to disk start
    QString m_error;
};

// What a form writes of a catalogue row, made once for all the lines of the row.
struct TakeoffRecordTexts {
    std::shared_ptr<const FlangeRecord> record; // keeps the key alive
    QByteArray flange;                          // kind to DN
    QByteArray values;                          // the row's values and unit weight
};

// Shared: the output and its failure.
class TakeoffStreamWriter : public TakeoffWriter
{
public:
    explicit TakeoffStreamWriter(QIODevice &device) : m_out(device) {}
    bool finish(QString &error) override { return m_out.flush(error); }
    bool failed() const override { return m_out.failed(); }

protected:
    Utf8Output m_out;
};

// Shared by the forms that write a line as a row of the columns: a good line's cells are its
// row's but for the line number, quantity and weight, so each row's texts are made once.
class TakeoffRowWriter : public TakeoffStreamWriter
{
public:
    void writeTitles(const QStringList &titles) override { m_titles = titles; }
    void begin(const CarriedColumns &carried) override;
    void writeLine(const TakeoffLine &line) override;

protected:
    using TakeoffStreamWriter::TakeoffStreamWriter;
    void writeRow(const QList<TakeoffCell> &cells);
    // The header row; the columns are known.
    virtual void writeHeader() = 0;
    // A cell as the form writes it, with what separates it from the next column; the same for
    // the ASCII text of a number. `column` counts the carried columns.
    virtual QString cellText(const TakeoffCell &cell, qsizetype column) const = 0;
    virtual void appendCell(QByteArray &row, QByteArrayView ascii, qsizetype column) const = 0;
    virtual void endRow(QByteArray &row) const = 0;

    QList<TakeoffColumn> m_columns; // with the list's carried columns
    CarriedColumns m_carried;
    QStringList m_titles; // the list's title rows, written above the header

private:
    // Where a program column stands among m_columns.
    qsizetype placed(TakeoffColumnIndex column) const;
    QByteArray cellsText(const QList<TakeoffCell> &cells, qsizetype from, qsizetype to) const;
    void appendCarried(const QStringList &texts, qsizetype from, qsizetype count, qsizetype column);
    QHash<const FlangeRecord *, TakeoffRecordTexts> m_recordTexts;
    QByteArray m_row;
};

// An aligned table for people, Chinese column names with units, then the totals. Columns are as
// wide as their title and the widest text of the first lines (a Chinese character counts two),
// which are held back until the widths are known.
class TakeoffTableWriter : public TakeoffRowWriter
{
public:
    using TakeoffRowWriter::TakeoffRowWriter;
    void writeLine(const TakeoffLine &line) override;
    void writeTotals(const TakeoffTotals &totals) override;

protected:
    void writeHeader() override;
    QString cellText(const TakeoffCell &cell, qsizetype column) const override;
    void appendCell(QByteArray &row, QByteArrayView ascii, qsizetype column) const override;
    void endRow(QByteArray &row) const override;

private:
    void writeHeldLines();
    // A cell's text as the table shows it, before its padding.
    QString shownCell(const TakeoffCell &cell, qsizetype column) const;

    QList<int> m_widths;
    bool m_holding = true;
    QList<TakeoffLine> m_held;
};

// CSV with a byte order mark (so a spreadsheet reads the Chinese names), a header with units,
// one row per line (failed lines keep their place, with the reason), then an empty row and the
// totals as a block of their own (takeoffTotalsBlock()).
class TakeoffCsvWriter : public TakeoffRowWriter
{
public:
    using TakeoffRowWriter::TakeoffRowWriter;
    void writeTotals(const TakeoffTotals &totals) override;

protected:
    void writeHeader() override;
    QString cellText(const TakeoffCell &cell, qsizetype column) const override;
    void appendCell(QByteArray &row, QByteArrayView ascii, qsizetype column) const override;
    void endRow(QByteArray &row) const override;
};

// {"lines": [...], "totals": {...}}, the array written as the lines come. A line is an object of
// what it asks for, the catalogue's values of its row under their catalogue keys, its unit
// weight, its own weight (under weight_kg) and its error in English (or null), and when the
// list has columns of its own, "list_columns": an object of their texts under their names; keys
// as `quorvit lookup` writes them, pressure_mpa as the list text. A row's members are made once.
// The totals: flanges, weight_kg, and bolts, nuts and gaskets as arrays of objects with their
// designation, material (null without one), material_column (the list's column it was read
// from, the item's own or the flanges') and count (a bolt its kind, hex_bolt or stud_bolt; a
// gasket its type, standard, face, pressure_mpa and dn); with a material column,
// flanges_by_material (material, flanges, weight_kg); or all null with the error when one passed
// its limit.
class TakeoffJsonWriter : public TakeoffStreamWriter
{
public:
    using TakeoffStreamWriter::TakeoffStreamWriter;
    void writeTitles(const QStringList &titles) override { m_titles = titles; }
    void begin(const CarriedColumns &carried) override;
    void writeLine(const TakeoffLine &line) override;
    void writeTotals(const TakeoffTotals &totals) override;

private:
    QStringList m_titles;
    QByteArray carriedMembers(const TakeoffLine &line) const;
    QHash<const FlangeRecord *, TakeoffRecordTexts> m_recordTexts;
    QList<QByteArray> m_carriedKeys; // `"name":` of each carried column
    QStringList m_carriedNames;
    CarriedRoles m_roles;
    bool m_first = true;
};
