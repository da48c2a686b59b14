#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/flangeinput.h"
#include "cli/command.h"
#include "cli/recordoutput.h"

class CommandArguments;

// The flange arguments every command reads the same way, through the catalogue's readers. An
// unreadable text is a usage error; a readable pressure the kind does not list is rejected
// with the window's message and an English line naming what is listed.

FlangeKind kindArgument(const QString &text);
Rating pressureArgument(FlangeKind kind, const QString &text);
int dnArgument(const QString &text);

// The row KIND (as written, with its face code if any), PN (as written), DN and the series
// name; a pressure or DN the kind does not list is rejected as the windows reject it, and so are
// a face the kind is not made with at that pressure and a size without a form in the series.
FlangeRecord flangeArgument(const QString &kindText, const QString &pressureText, int dn,
                            PipeSeries series);
// Rejects a face code in KIND that the kind is not made with at the pressure.
void checkFace(FlangeKind kind, const Rating &rating, const QString &kindText);

// The Class series (catalogue/classseries.h) for lookup and table: KIND also as BL (法兰盖),
// which only that series lists; the class RATING names, none where it is a PN; the record of a
// Class flange of SIZE (refused where not listed, or with a face other than the raised face its
// tables are for, or with --series, which it has none of).
FlangeKind anyKindArgument(const QString &text);
std::optional<Rating> classArgument(FlangeKind kind, const QString &text);
// The schedule a Class weld-neck flange is bored to (`--schedule`, STD when left out), after
// refusing the options the Class series has no use for.
QString classOptions(const QString &kindText, FlangeKind kind, const CommandArguments &arguments);
// `--schedule` is refused outside the Class series.
void refuseSchedule(const CommandArguments &arguments);
FlangeRecord classFlangeArgument(FlangeKind kind, const Rating &rating, const QString &sizeText,
                                 const QString &schedule);
CommandOption scheduleOptionEntry();

// KIND, PN and DN as every command describes them.
CommandPositional kindPositional();
CommandPositional pressurePositional();
CommandPositional dnPositional();
// The same for the commands that take the Class series too: BL, a class, an NPS.
CommandPositional classKindPositional();
CommandPositional classRatingPositional();
CommandPositional pipeSizePositional();

// `--series A|B` (A when left out) and `--format text|json|csv` (text when left out), the
// second described by the command (what one record or a list looks like in each format).
CommandOption seriesOptionEntry();
CommandOption formatOptionEntry(const QString &description);
PipeSeries seriesOption(const CommandArguments &arguments);
OutputFormat formatOption(const CommandArguments &arguments);

// One line for failRejected: the window's message (when it has one), then the English reason.
QStringList failureLines(const LookupFailure &failure);
