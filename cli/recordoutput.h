#pragma once

#include "catalogue/catalogue.h"

#include <QString>
#include <optional>

// Flange records as text for people (Chinese names and units), JSON or CSV for programs. The
// keys are kind, pressure_mpa, dn, series, then flangeFields(kind) in order; a value the row
// does not have is null in JSON and an empty field in CSV.

enum class OutputFormat { Text, Json, Csv };

// "text", "json", "csv", any case.
std::optional<OutputFormat> readOutputFormat(QStringView text);

// One record (JSON: an object; text: one line per value) or a list (JSON: an array; text: one
// line per record under a header). CSV is a header and one line per record either way.
enum class RecordLayout { One, List };

QString formatRecords(FlangeKind kind, const QList<FlangeRecord> &records, OutputFormat format,
                      RecordLayout layout);
