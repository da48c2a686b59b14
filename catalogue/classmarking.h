#pragma once

#include "catalogue/flangeinput.h"

#include <QStringList>

// A kind as readFlangeKind reads it, or BL ("BL", "BL-RF", "法兰盖"), which only the Class series
// lists.
ValueReading<FlangeKind> readAnyFlangeKind(QStringView text);

// A Class series flange written in one text, as American-practice line lists and drawings write
// it: the kind (with its face code), a pipe size and a class in either order ("WN 4\" CL150 RF",
// "WN-RF DN100 150#", "SO NPS 2 Class 300"), or HG/T 20615's marking, size before class after a
// dash ("HG/T 20615 法兰 WN 100-150 RF", "WN 4\"-300"). The texts of a line's kind, class,
// series (empty: the Class series has one) and size fields, for the take-off to read as it reads
// columns; nullopt when the text is no such flange (a PN marking, two bare numbers, …).
std::optional<QStringList> classMarkingFields(QStringView text);
