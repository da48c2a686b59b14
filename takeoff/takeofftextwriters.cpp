#include "takeoff/takeofftextwriters.h"

#include "catalogue/classseries.h"

#include "catalogue/flangeinput.h"
#include "core/values/valuetext.h"
#include "takeoff/outputtext.h"
#include "takeoff/writeall.h"

#include <QFileDevice>
#include <charconv>
#include <cstring>
#ifdef Q_OS_LINUX
#include <fcntl.h> // sync_file_range
#endif

namespace
{

// A count as ASCII digits in `buffer`.
QByteArrayView integerText(char (&buffer)[48], qint64 value)
{
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return QByteArrayView(buffer, end - buffer);
}

// A weight in hundredths as "12.34".
QByteArrayView hundredthsText(char (&buffer)[48], qint64 hundredths)
{
    char *end = std::to_chars(buffer, buffer + 40, hundredths / 100).ptr;
    const qint64 rest = hundredths % 100;
    *end++ = '.';
    *end++ = char('0' + rest / 10);
    *end++ = char('0' + rest % 10);
    return QByteArrayView(buffer, end - buffer);
}

// A weight in hundredths as the shortest JSON number: "12.3", "12".
QByteArrayView jsonHundredths(char (&buffer)[48], qint64 hundredths)
{
    QByteArrayView text = hundredthsText(buffer, hundredths);
    if (text.endsWith('0'))
        text.chop(text.endsWith(".00") ? 3 : 1);
    return text;
}

char *copied(char *to, QByteArrayView bytes)
{
    std::memcpy(to, bytes.data(), bytes.size());
    return to + bytes.size();
}

// `"key":value,`
void appendJsonMember(QByteArray &object, const char *key, QByteArrayView value)
{
    object += '"';
    object += key;
    object += "\":";
    object += value;
    object += ',';
}

QByteArray jsonValue(const FieldValue &value)
{
    if (const double *number = std::get_if<double>(&value))
        return plainNumberText(*number).toLatin1();
    if (const QString *text = std::get_if<QString>(&value))
        return jsonStringLiteral(*text);
    return "null";
}

template <typename T> QByteArray jsonCount(const std::optional<T> &value)
{
    return value ? QByteArray::number(qint64(*value)) : QByteArray("null");
}

// The values a line's row shows: the Class series' own (every BL is one), else the PN series'.
const QList<FlangeField> &lineFields(FlangeKind kind, bool classRow)
{
    return classRow || kind == FlangeKind::Blind ? classFlangeFields(kind) : flangeFields(kind);
}

// The pressure as `quorvit lookup` writes it: the kind's list text ("1.0") when the kind lists
// it, otherwise the text as written, and null when the text is no pressure.
QByteArray jsonPressure(const TakeoffLine &line)
{
    if (line.record)
        return jsonStringLiteral(line.record->pressureText);
    if (line.kind && line.pressureMpa) {
        if (const std::optional<Rating> listed = listedRating(*line.kind, *line.pressureMpa))
            return jsonStringLiteral(ratingText(*listed));
    }
    return readPressureSpelling(line.fields.value(1)) ? jsonStringLiteral(line.fields.value(1))
                                                      : QByteArray("null");
}

// The members from kind to DN and the quantity's key: the same for every line of a row.
QByteArray jsonFlangeMembers(const FlangeRecord &r)
{
    QByteArray members;
    appendJsonMember(members, "kind", jsonStringLiteral(kindCode(r.kind)));
    // A Class row has a class in place of a pressure and no series.
    if (r.rating.system == RatingSystem::Class) {
        appendJsonMember(members, "pressure_mpa", "null");
        appendJsonMember(members, "class", jsonStringLiteral(ratingText(r.rating)));
        appendJsonMember(members, "series", "null");
    } else {
        appendJsonMember(members, "pressure_mpa", jsonStringLiteral(r.pressureText));
        appendJsonMember(members, "series", jsonStringLiteral(seriesText(r.series)));
    }
    appendJsonMember(members, "dn", QByteArray::number(r.dn));
    members += "\"quantity\":";
    return members;
}

// After the quantity: the row's values under their catalogue keys, the unit weight and the key
// of the line's own weight.
QByteArray jsonValueMembers(const FlangeRecord &r)
{
    QByteArray members = ",";
    for (const FlangeField &field : lineFields(r.kind, r.rating.system == RatingSystem::Class))
        if (qstrcmp(field.key, "weight_kg") != 0 && qstrcmp(field.key, "computed_weight_kg") != 0)
            appendJsonMember(members, field.key, jsonValue(field.value(r)));
    char digits[48];
    appendJsonMember(members, "unit_weight_kg",
                     jsonHundredths(digits, std::llround(*r.weightKg * 100)));
    members += "\"weight_kg\":";
    return members;
}

// A failed line after its number: what it could read, null values and its reason.
QByteArray takeoffFailedLineJson(const TakeoffLine &line)
{
    QByteArray members;
    appendJsonMember(members, "kind",
                     line.kind ? jsonStringLiteral(kindCode(*line.kind)) : QByteArray("null"));
    appendJsonMember(members, "pressure_mpa",
                     line.skipped || line.flangeClass ? "null" : jsonPressure(line));
    if (line.flangeClass)
        appendJsonMember(members, "class", jsonStringLiteral(ratingText(*line.flangeClass)));
    appendJsonMember(members, "series",
                     line.series ? jsonStringLiteral(seriesText(*line.series))
                                 : QByteArray("null"));
    appendJsonMember(members, "dn", jsonCount(line.dn));
    appendJsonMember(members, "quantity", jsonCount(line.quantity));
    if (line.kind) {
        for (const FlangeField &field : lineFields(*line.kind, line.flangeClass.has_value()))
            if (qstrcmp(field.key, "weight_kg") != 0 &&
                qstrcmp(field.key, "computed_weight_kg") != 0)
                appendJsonMember(members, field.key, "null");
    }
    appendJsonMember(members, "unit_weight_kg", "null");
    appendJsonMember(members, "weight_kg", "null");
    if (line.skipped)
        members += "\"error\":null,\"skipped\":" + jsonStringLiteral(line.reason.english);
    else
        members += "\"error\":" + jsonStringLiteral(line.reason.english);
    return members;
}

} // namespace

Utf8Output &Utf8Output::operator<<(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return *this;
    char *to = room(bytes.size());
    std::memcpy(to, bytes.data(), bytes.size());
    advance(to + bytes.size());
    return *this;
}

char *Utf8Output::room(qsizetype size)
{
    if (m_buffer.size() - m_used < size)
        m_buffer.resize(m_used + std::max(size, BlockSize));
    return m_buffer.data() + m_used;
}

void Utf8Output::advance(const char *end)
{
    m_used = end - m_buffer.constData();
    if (m_used >= BlockSize)
        writeBuffered();
}

void Utf8Output::writeBuffered()
{
    if (m_error.isEmpty())
        m_error = writeAll(m_device, QByteArrayView(m_buffer.constData(), m_used));
    m_written += m_used;
    m_used = 0;
    constexpr qint64 Stretch = 8 << 20;
    if (m_written - m_unsynced >= Stretch) {
        startWriteBack();
        m_unsynced = m_written;
    }
}

void Utf8Output::startWriteBack()
{
    // A saved file is synced to disk when it is committed; a take-off of hundreds of megabytes
    // would wait for all of it there. Asking the system to start writing each stretch as it is
    // done lets the disk work while the next lines are made (no effect on a pipe).
#ifdef Q_OS_LINUX
    auto *file = qobject_cast<QFileDevice *>(&m_device);
    if (m_error.isEmpty() && file && file->flush() && file->handle() >= 0)
        sync_file_range(file->handle(), m_unsynced, m_written - m_unsynced, SYNC_FILE_RANGE_WRITE);
#endif
}

bool Utf8Output::flush(QString &error)
{
    writeBuffered();
    // A file (standard output too) may hold the last block until flushed.
    auto *file = qobject_cast<QFileDevice *>(&m_device);
    if (m_error.isEmpty() && file && !file->flush())
        m_error = file->errorString();
    error = m_error;
    return m_error.isEmpty();
}

void TakeoffRowWriter::begin(const CarriedColumns &carried)
{
    m_carried = carried;
    m_columns = takeoffColumns(carried);
    writeHeader();
}

qsizetype TakeoffRowWriter::placed(TakeoffColumnIndex column) const
{
    return takeoffColumnPlace(column, m_carried);
}

void TakeoffRowWriter::writeRow(const QList<TakeoffCell> &cells)
{
    m_row = cellsText(cells, 0, cells.size());
    endRow(m_row);
    m_out << m_row;
}

QByteArray TakeoffRowWriter::cellsText(const QList<TakeoffCell> &cells, qsizetype from,
                                       qsizetype to) const
{
    QString text;
    for (qsizetype i = from; i < to; ++i)
        text += cellText(cells[i], i);
    return text.toUtf8();
}

void TakeoffRowWriter::appendCarried(const QStringList &texts, qsizetype from, qsizetype count,
                                     qsizetype column)
{
    if (count == 0)
        return;
    QString text;
    for (qsizetype i = 0; i < count; ++i) {
        const QString carried = texts.value(from + i);
        text += cellText(carried.isEmpty() ? TakeoffCell() : TakeoffCell(carried), column + i);
    }
    m_row += text.toUtf8();
}

void TakeoffRowWriter::writeLine(const TakeoffLine &line)
{
    if (!line.ok()) {
        writeRow(takeoffCells(line, m_carried));
        return;
    }
    TakeoffRecordTexts &texts = m_recordTexts[line.record.get()];
    if (!texts.record) {
        const QList<TakeoffCell> cells = takeoffCells(line, m_carried);
        texts = {line.record, cellsText(cells, placed(KindColumn), placed(QuantityColumn)),
                 cellsText(cells, placed(OutsideDiameterColumn), placed(WeightColumn))};
    }
    char digits[48];
    m_row.resize(0); // keeps its capacity
    appendCell(m_row, integerText(digits, line.number), LineColumn);
    appendCarried(line.carried, 0, m_carried.leading.size(), LineColumn + 1);
    m_row += texts.flange;
    appendCell(m_row, integerText(digits, *line.quantity), placed(QuantityColumn));
    appendCarried(line.carried, m_carried.leading.size(), m_carried.trailing.size(),
                  placed(QuantityColumn) + 1);
    m_row += texts.values;
    appendCell(m_row, hundredthsText(digits, line.weightHundredths), placed(WeightColumn));
    appendCell(m_row, {}, placed(ErrorColumn));
    endRow(m_row);
    m_out << m_row;
}

void TakeoffTableWriter::writeHeader()
{
    m_holding = true; // until the first lines have given the widths
}

void TakeoffTableWriter::writeLine(const TakeoffLine &line)
{
    constexpr qsizetype LinesMeasured = 1000;
    if (!m_holding) {
        TakeoffRowWriter::writeLine(line);
        return;
    }
    m_held.append(line);
    if (m_held.size() >= LinesMeasured)
        writeHeldLines();
}

void TakeoffTableWriter::writeHeldLines()
{
    for (const QString &title : std::as_const(m_titles))
        m_out << oneLineText(title) << '\n';
    if (!m_titles.isEmpty())
        m_out << '\n';
    QList<TakeoffCell> header;
    for (const TakeoffColumn &column : m_columns) {
        const QString title = takeoffColumnTitle(column);
        header.append(title);
        // At least as wide as the usual numbers of a column.
        m_widths.append(std::max(displayWidth(oneLineText(title)), 8));
    }
    for (const TakeoffLine &line : std::as_const(m_held)) {
        const QList<TakeoffCell> cells = takeoffCells(line, m_carried);
        // A long remark overflows its column rather than widen it for every line.
        constexpr int WidestColumn = 40;
        for (qsizetype i = 0; i + 1 < cells.size(); ++i)
            m_widths[i] =
                std::max(m_widths[i], std::min(WidestColumn, displayWidth(shownCell(cells[i], i))));
    }
    writeRow(header);
    m_holding = false;
    for (const TakeoffLine &line : std::as_const(m_held))
        TakeoffRowWriter::writeLine(line);
    m_held.clear();
}

QString TakeoffTableWriter::shownCell(const TakeoffCell &cell, qsizetype column) const
{
    // Text from the list may hold control characters and line breaks: shown escaped, never sent
    // raw, so that a cell can neither drive the terminal nor forge a line of the table.
    return oneLineText(takeoffCellText(cell, m_columns[column].decimals));
}

QString TakeoffTableWriter::cellText(const TakeoffCell &cell, qsizetype column) const
{
    const QString text = shownCell(cell, column);
    if (column + 1 == m_columns.size())
        return text;
    return text + QString(std::max(m_widths[column] - displayWidth(text), 0) + 2, u' ');
}

void TakeoffTableWriter::appendCell(QByteArray &row, QByteArrayView ascii, qsizetype column) const
{
    row += ascii;
    if (column + 1 != m_columns.size())
        row.append(std::max(m_widths[column] - int(ascii.size()), 0) + 2, ' ');
}

void TakeoffTableWriter::endRow(QByteArray &row) const
{
    while (row.endsWith(' '))
        row.chop(1);
    row += '\n';
}

void TakeoffTableWriter::writeTotals(const TakeoffTotals &totals)
{
    if (m_holding)
        writeHeldLines();
    if (const QString exceeded = totals.exceeded(); !exceeded.isEmpty()) {
        m_out << QStringLiteral("\n合计: %1\n").arg(exceeded);
        return;
    }
    m_out << '\n'
          << QStringLiteral("法兰总数: %1").arg(totals.flanges()) << '\n'
          << QStringLiteral("总净重: %1 kg").arg(takeoffCellText(totals.weightKg(), 2)) << '\n';
    const CarriedRoles roles = carriedRoles(m_carried);
    // Each item on a line of its own, with what to order it in: "螺栓 M16×80 (35CrMoA): 12".
    const auto item = [&](const QString &name, const QString &designation, BoltingItem of,
                          const QString &material, qint64 count) {
        const QString written = boltingMaterialLabel(roles, of, material);
        m_out << QStringLiteral("%1 %2%3: %4\n")
                     .arg(name, designation,
                          written.isEmpty() ? QString()
                                            : QStringLiteral(" (%1)").arg(oneLineText(written)))
                     .arg(count);
    };
    totals.forEachItem([&](const TotalsItem &total) {
        if (const auto *material = std::get_if<MaterialFlanges>(&total)) {
            if (roles.material >= 0)
                m_out << QStringLiteral("法兰 %1: %2 片, %3 kg\n")
                             .arg(material->material.isEmpty() ? QStringLiteral("(未写材质)")
                                                               : oneLineText(material->material))
                             .arg(material->flanges)
                             .arg(takeoffCellText(material->weightKg(), 2));
        } else if (const auto *bolt = std::get_if<BoltTotal>(&total)) {
            item(fastenerName(bolt->kind), bolt->designation, BoltingItem::Bolts, bolt->material,
                 bolt->count);
        } else if (const auto *nut = std::get_if<NutTotal>(&total)) {
            item(nutName(*nut), nut->thread, BoltingItem::Nuts, nut->material, nut->count);
        } else if (const auto *gasket = std::get_if<GasketTotal>(&total)) {
            item(gasketTypeName(*gasket), gasketDesignation(*gasket), BoltingItem::Gaskets,
                 gasket->material, gasket->count);
        }
    });
    if (totals.failedLines() > 0)
        m_out << QStringLiteral("未计入的行: %1").arg(totals.failedLines()) << '\n';
}

void TakeoffCsvWriter::writeTotals(const TakeoffTotals &totals)
{
    // As wide as the block: none of its fields stands under the lines' quantity or weight.
    const auto write = [&](const QList<TakeoffCell> &row, bool header) {
        QString text;
        for (qsizetype i = 0; i < row.size(); ++i)
            text += (i ? QStringLiteral(",") : QString()) +
                    csvField(takeoffCellText(row[i], header ? -1 : takeoffTotalsDecimals(row, i)));
        m_out << text << "\r\n";
    };
    m_out << "\r\n";
    write(takeoffTotalsHeader(), true);
    forEachTotalsRow(totals, m_carried, [&](const QList<TakeoffCell> &row) { write(row, false); });
}

void TakeoffCsvWriter::writeHeader()
{
    m_out << "\xEF\xBB\xBF";
    // A title in the first field of its own row, as a spreadsheet shows a merged title.
    for (const QString &title : std::as_const(m_titles))
        m_out << csvField(title) << "\r\n";
    QList<TakeoffCell> header;
    for (const TakeoffColumn &column : m_columns)
        header.append(takeoffColumnTitle(column));
    writeRow(header);
}

QString TakeoffCsvWriter::cellText(const TakeoffCell &cell, qsizetype column) const
{
    QString text = csvField(takeoffCellText(cell, m_columns[column].decimals));
    if (column + 1 != m_columns.size())
        text += u',';
    return text;
}

void TakeoffCsvWriter::appendCell(QByteArray &row, QByteArrayView ascii, qsizetype column) const
{
    row += ascii;
    if (column + 1 != m_columns.size())
        row += ',';
}

void TakeoffCsvWriter::endRow(QByteArray &row) const
{
    row += "\r\n";
}

void TakeoffJsonWriter::begin(const CarriedColumns &carried)
{
    m_roles = carriedRoles(carried);
    m_carriedNames = carried.leading + carried.trailing;
    for (const QStringList &names : {carried.leading, carried.trailing})
        for (const QString &name : names)
            m_carriedKeys.append(jsonStringLiteral(name) + ':');
    m_out << "{";
    if (!m_titles.isEmpty()) {
        QByteArray titles = "\"titles\": [";
        for (qsizetype i = 0; i < m_titles.size(); ++i)
            titles += (i > 0 ? ", " : "") + jsonStringLiteral(m_titles[i]);
        m_out << titles << "],\n";
    }
    m_out << "\"lines\": [";
}

QByteArray TakeoffJsonWriter::carriedMembers(const TakeoffLine &line) const
{
    if (m_carriedKeys.isEmpty())
        return {};
    QByteArray members = ",\"list_columns\":{";
    for (qsizetype i = 0; i < m_carriedKeys.size(); ++i) {
        if (i > 0)
            members += ',';
        members += m_carriedKeys[i] + jsonStringLiteral(line.carried.value(i));
    }
    return members + '}';
}

void TakeoffJsonWriter::writeLine(const TakeoffLine &line)
{
    const QByteArrayView start = m_first ? "\n{\"line\":" : ",\n{\"line\":";
    m_first = false;
    char digits[48];
    if (!line.ok()) {
        m_out << start << integerText(digits, line.number) << ',' << takeoffFailedLineJson(line)
              << carriedMembers(line) << '}';
        return;
    }
    TakeoffRecordTexts &texts = m_recordTexts[line.record.get()];
    if (!texts.record)
        texts = {line.record, jsonFlangeMembers(*line.record), jsonValueMembers(*line.record)};
    // Put together in the output itself: the row's members around the line's three numbers.
    constexpr qsizetype NumbersRoom = 128;
    char *to = m_out.room(texts.flange.size() + texts.values.size() + NumbersRoom);
    to = copied(to, start);
    to = std::to_chars(to, to + 20, line.number).ptr;
    *to++ = ',';
    to = copied(to, texts.flange);
    to = std::to_chars(to, to + 20, *line.quantity).ptr;
    to = copied(to, texts.values);
    to = copied(to, jsonHundredths(digits, line.weightHundredths));
    if (!m_carriedKeys.isEmpty()) {
        m_out.advance(copied(to, ",\"error\":null"));
        m_out << carriedMembers(line) << '}';
        return;
    }
    m_out.advance(copied(to, ",\"error\":null}"));
}

void TakeoffJsonWriter::writeTotals(const TakeoffTotals &totals)
{
    m_out << "\n],\n\"totals\": ";
    if (const QString exceeded = totals.exceeded(); !exceeded.isEmpty()) { // no wrong number
        m_out << "{\"flanges\":null,\"weight_kg\":null,\"flanges_by_material\":null,"
                 "\"bolts\":null,\"nuts\":null,\"gaskets\":null,\"error\":"
              << jsonStringLiteral(exceeded) << "}}\n";
        return;
    }
    char digits[48];
    const auto text = [](const QString &t) {
        return t.isEmpty() ? QByteArray("null") : jsonStringLiteral(t);
    };
    // The column a total's material was read from (its own, or the flanges'), null for none.
    const auto column = [&](BoltingItem item) {
        const qsizetype at = m_roles.materialOf(item);
        return at < 0 ? QByteArray("null") : jsonStringLiteral(m_carriedNames.value(at));
    };
    const QByteArray boltColumn = column(BoltingItem::Bolts), nutColumn = column(BoltingItem::Nuts),
                     gasketColumn = column(BoltingItem::Gaskets);
    m_out << "{\"flanges\":" << integerText(digits, totals.flanges())
          << ",\"weight_kg\":" << jsonHundredths(digits, totals.weightHundredths());
    // An array for each kind of item, in the items' order, written as they are read back.
    static const char *const arrays[] = {"flanges_by_material", "bolts", "nuts", "gaskets"};
    int open = -1; // the array being written
    bool first = true;
    const auto openArray = [&](int array) {
        for (; open < array; first = true) {
            if (open >= 0)
                m_out << "]";
            m_out << ",\"" << arrays[++open] << "\":[";
        }
    };
    const auto openUpTo = [&](int array) {
        openArray(array);
        m_out << (first ? "" : ",");
        first = false;
    };
    totals.forEachItem([&](const TotalsItem &item) {
        if (const auto *flanges = std::get_if<MaterialFlanges>(&item)) {
            if (m_roles.material < 0)
                return;
            openUpTo(0);
            m_out << "{\"material\":" << text(flanges->material)
                  << ",\"flanges\":" << integerText(digits, flanges->flanges)
                  << ",\"weight_kg\":" << jsonHundredths(digits, flanges->weightHundredths) << '}';
        } else if (const auto *bolt = std::get_if<BoltTotal>(&item)) {
            openUpTo(1);
            m_out << "{\"designation\":" << jsonStringLiteral(bolt->designation) << ",\"kind\":"
                  << (bolt->kind == FastenerKind::StudBolt ? "\"stud_bolt\"" : "\"hex_bolt\"")
                  << ",\"material\":" << text(bolt->material)
                  << ",\"material_column\":" << boltColumn
                  << ",\"count\":" << integerText(digits, bolt->count) << '}';
        } else if (const auto *nut = std::get_if<NutTotal>(&item)) {
            openUpTo(2);
            m_out << "{\"designation\":" << jsonStringLiteral(nut->thread)
                  << ",\"material\":" << text(nut->material) << ",\"material_column\":" << nutColumn
                  << ",\"count\":" << integerText(digits, nut->count) << '}';
        } else if (const auto *gasket = std::get_if<GasketTotal>(&item)) {
            openUpTo(3);
            m_out << "{\"designation\":" << jsonStringLiteral(gasketDesignation(*gasket))
                  << ",\"type\":" << jsonStringLiteral(gasketTypeName(*gasket, false, true))
                  << ",\"standard\":" << jsonStringLiteral(gasket->standard)
                  << ",\"face\":" << jsonStringLiteral(gasket->face)
                  << (isClassGasket(*gasket)
                          ? ",\"pressure_mpa\":null,\"class\":" +
                                jsonStringLiteral(
                                    gasket->pressureText.sliced(ClassGasketPrefix.size()))
                          : ",\"pressure_mpa\":" + jsonStringLiteral(gasket->pressureText))
                  << ",\"dn\":" << integerText(digits, gasket->dn)
                  << ",\"material\":" << text(gasket->material)
                  << ",\"material_column\":" << gasketColumn
                  << ",\"count\":" << integerText(digits, gasket->count) << '}';
        }
    });
    openArray(3); // every array, empty or not
    m_out << "],\"error\":null}}\n";
}
