// quorvit table KIND [PN] [--series A|B] [--format text|json|csv]
#include "catalogue/sealingfaces.h"
#include "cli/commandarguments.h"
#include "cli/flangearguments.h"
#include "cli/textformat.h"

namespace
{

int runTable(const CommandArguments &arguments, const ProgramParts &)
{
    const QStringList given = arguments.positional();
    const FlangeKind kind = kindArgument(given[0]);
    const PipeSeries series = seriesOption(arguments);
    const OutputFormat format = formatOption(arguments);
    QList<FlangeRecord> records;
    if (given.size() > 1) {
        const PressureIndex pressure = pressureArgument(kind, given[1]);
        checkFace(kind, pressure, given[0]);
        records = flangeRecords(kind, series, pressure);
    } else {
        // A face code keeps the pressures the kind is made with in that face.
        const QString face = sealingFace(kindFaceCode(given[0]));
        for (PressureIndex p = 0; p < pressureTexts(kind).size(); ++p)
            if (face.isEmpty() || listedFaces(kind, pressureMpa(kind, p)).contains(face))
                records += flangeRecords(kind, series, p);
    }
    // A size without a form in the series (weld-neck PN 25.0 DN 200 and 250 in B) is no flange.
    records.removeIf([](const FlangeRecord &record) { return !record.weightKg; });
    writeOut(formatRecords(kind, records, format, RecordLayout::List));
    return ExitSuccess;
}

} // namespace

Command tableCommand()
{
    CommandPositional pressure = pressurePositional();
    pressure.description = QStringLiteral(
        "only this nominal pressure (1.6, 16bar or PN16); every pressure when left out");
    pressure.optional = true;
    return {QStringLiteral("table"),
            QStringLiteral("every listed flange of a kind, one record per row"),
            {kindPositional(), pressure},
            {seriesOptionEntry(),
             formatOptionEntry(QStringLiteral("text (default), json (an array of objects) or csv "
                                              "(header and one line per row)"))},
            {},
            runTable};
}
