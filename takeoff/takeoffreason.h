#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Why a line of a list (or a whole list) could not be taken: for people in the interface's
// language, as the window, the text table, CSV and the spreadsheet show it ("PL 在 1.0 MPa 下没有
// DN 11"), and in English for standard error and JSON, which scripts read ("DN 11 is not listed
// for PL at 1.0 MPa"). The texts are written for QCoreApplication::translate (context
// "Takeoff"), Chinese being the interface's own language.
struct TakeoffReason {
    QString text;
    QString english;

    bool isEmpty() const { return english.isEmpty(); }
    // The same reason with the line it concerns in front: "第 7 行：…", "line 7: …".
    TakeoffReason onLine(qint64 number) const;
};

// Why a line of a list could not be read whole.
TakeoffReason quoteNotClosed();
TakeoffReason lineTooLong();
TakeoffReason lineNotDecodable(const char *encoding);
// A line of a list with a header that has texts in columns the header does not name.
TakeoffReason cellsBeyondHeader(qsizetype count);

// Why a list could not be read at all, naming it: `what` is its path or "standard input".
TakeoffReason listNotText(const QString &what);
// Named as an xlsx workbook ("list.xlsx") but holding none.
TakeoffReason listNotWorkbook(const QString &what);
TakeoffReason listLineEndless(const QString &what, qint64 line);
TakeoffReason listUnreadable(const QString &what, const QString &systemReason);
// A workbook: damaged or beyond what is read of one ("a part inflates to more than 1024 MiB").
TakeoffReason listSheetUnreadable(const QString &what, const QString &why);
TakeoffReason listHasNoSheet(const QString &what, const QString &sheet, const QStringList &sheets);
// --sheet given for a text list.
TakeoffReason listHasNoSheets(const QString &what);
