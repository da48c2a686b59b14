#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/flangeinput.h"
#include "core/model/flangeclass.h"

// The Class series: ASME B16.5 weld-neck, slip-on and blind flanges by class and pipe size, as
// HG/T 20615 takes them over in Chinese practice (which names each class by a PN: Class 150 is
// PN20). Its rows come from the first standard compiled in that rates by class; they stand
// beside the PN series' (catalogue.h) and never mix with them: a kind's PN ratings, the windows'
// lists and the take-off see the PN series only.

// The standard of the Class series is classStandard() (core/model/flangeclass.h).
// The classes a kind is listed at, ascending; empty for a kind the series does not have (PL).
QList<Rating> classRatings(FlangeKind kind);
// The sizes listed for a kind at a class, ascending.
QList<NominalSize> classSizes(FlangeKind kind, const Rating &rating);

// An NPS in quarter inches as the tables write it: 2 → "1/2", 6 → "1-1/2", 16 → "4".
QString npsText(int quarters);
// "NPS 4 (DN 100)".
QString classSizeText(const NominalSize &size);
// The name HG/T 20615 gives a class: "PN20" for Class 150; "" where it gives none
// (classPnName(int), core/model/flangeclass.h).
QString classPnName(const Rating &rating);
// "ASME B16.5-2013 (HG/T 20615)".
QString classStandardText();

// The record of a kind, class and size (its DN, or its NPS where npsQuarters is set), or none;
// a weld-neck flange bored to the schedule (pipeSchedules(), rules.h), its weight computed so.
std::optional<FlangeRecord> lookUpClassFlange(FlangeKind kind, const Rating &rating,
                                              const NominalSize &size,
                                              const QString &schedule = QStringLiteral("STD"));
// The outside diameter of the pipe a weld-neck or slip-on record's flange takes (the standard's
// pipe table); none for a blind flange.
std::optional<double> classPipeOutsideDiameter(const FlangeRecord &record);
// Every row of a kind, class by class, ascending size; one class's when `rating` is set.
QList<FlangeRecord> classFlangeRecords(FlangeKind kind, std::optional<Rating> rating,
                                       const QString &schedule = QStringLiteral("STD"));
// A pipe schedule as written ("STD", "xs", "Sch 40", "SCH80", "40S"), one the pipe table lists.
ValueReading<QString> readSchedule(QStringView text);

// The values a Class record shows: its table's dimensions in the table's order under their
// model keys, then what is computed from them: the bore (a weld-neck's with its schedule), the
// bolting to order (stud bolts with two heavy hex nuts, "7/8-9UNC × 160"), the gasket and the
// weight, named as computed (computed_weight_kg), B16.5 giving none.
const QList<FlangeField> &classFlangeFields(FlangeKind kind);

// The gasket of a joint of two such flanges, in the interface's language: B16.21's flat ring by
// its inside and outside diameter where the data has it ("ASME B16.21 平垫片 106 × 175（厚度按
// 订货）"), else named as not included.
QString classGasketText(const FlangeRecord &record);

// Reading a class and a pipe size as written. A text that is no class spelling at all is none
// here (a PN, read as the PN series reads it): "150", "Class 150", "CL150", "150#", "150LB" and
// HG/T 20615's names "PN20" … "PN420" are classes; a class the kind is not listed at, or a PN
// the kind's PN series lists as well, is refused (the latter naming both).
std::optional<ValueReading<Rating>> readClassRating(FlangeKind kind, QStringView text);
// An NPS ("4\"", "4in", "NPS 4", "1-1/2\"", "1½\"", "1/2") or a DN ("DN100", "100").
ValueReading<NominalSize> readPipeSize(QStringView text);
// Why a kind has no row at a class and size, naming the sizes listed.
LookupFailure classSizeNotListed(FlangeKind kind, const Rating &rating, const NominalSize &size);
// Why the PN series has no kind that only the Class series lists (BL).
LookupFailure onlyInClassSeries(FlangeKind kind);

// Whether a record is of the Class series; the fields it shows (classFlangeFields or the PN
// series' flangeFields).
bool isClassRecord(const FlangeRecord &record);
const QList<FlangeField> &recordFields(const FlangeRecord &record);
// A Class record's bore to the hundredth, as its walls are given (a weld-neck flange's by its
// schedule); none for a blind flange or a schedule with no wall at the size.
std::optional<double> classBore(const FlangeRecord &record);
// The outside diameter of the pipe a Class weld-neck flange is welded to, its hub's end; none
// for the other kinds.
std::optional<double> classWeldEndDiameter(const FlangeRecord &record);
// The designation to order by: "WN 8\" CL300 RF SCH STD", "BL 1-1/2\" CL150 RF".
QString classDesignation(const FlangeRecord &record);
