#include "catalogue/classmarking.h"

#include "catalogue/classseries.h"
#include "core/model/flangeclass.h"
#include "core/values/numberreading.h"

#include <QRegularExpression>

namespace
{

// A size or class token that carries its own mark ("4\"", "DN100", "CL150", "150#"), not a bare
// number.
bool marked(const QString &token)
{
    return std::any_of(token.cbegin(), token.cend(), [](QChar c) { return !c.isDigit(); });
}

// A class as written: one B16.5 rates ("150", "CL300", "600#") or HG/T 20615's PN name ("PN50").
bool isClass(const QString &token)
{
    const std::optional<ClassSpelling> spelling = readClassSpelling(token);
    return spelling && (spelling->pnName || isFlangeClass(spelling->number));
}

bool isSize(const QString &token)
{
    return !readPipeSize(token).unreadable;
}

} // namespace

ValueReading<FlangeKind> readAnyFlangeKind(QStringView text)
{
    static const QRegularExpression blind(QStringLiteral("^(?:BL(?:[-/ ]*[A-Z]{1,3})?|法兰盖)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    ValueReading<FlangeKind> kind = readFlangeKind(text);
    if (!kind && kind.unreadable && blind.match(plainTypedText(text).trimmed()).hasMatch())
        return ValueReading<FlangeKind>::of(FlangeKind::Blind);
    return kind;
}

std::optional<QStringList> classMarkingFields(QStringView text)
{
    QString plain = plainTypedText(text).simplified();
    if (plain.size() > 80)
        return std::nullopt;
    // HG/T 20615's number and "法兰" lead its marking; the kind follows.
    static const QRegularExpression lead(
        QStringLiteral("^(?:HG(?:/T)? *20615(?:-(?:19|20)?[0-9]{2})? *)?(?:法兰 *)?"),
        QRegularExpression::CaseInsensitiveOption);
    plain.remove(lead);
    // The words before a number belong to it: "Class 150", "NPS 4", "DN 100", "PN 20".
    static const QRegularExpression joined(QStringLiteral("\\b(class|cl|nps|dn|pn) +(?=[0-9])"),
                                           QRegularExpression::CaseInsensitiveOption);
    plain.replace(joined, QStringLiteral("\\1"));
    QStringList tokens = plain.split(u' ', Qt::SkipEmptyParts);
    if (tokens.size() < 2 || tokens.size() > 4)
        return std::nullopt;
    QString kind = tokens.takeFirst();
    if (!readAnyFlangeKind(kind))
        return std::nullopt;
    // A face code standing alone goes with the kind, as the take-off reads it.
    if (tokens.size() > 1 && !sealingFace(tokens.constLast()).isEmpty())
        kind += u'-' + tokens.takeLast();
    QString size, flangeClass;
    if (tokens.size() == 1) {
        // HG/T 20615's "100-150", "4\"-CL300": the size, a dash, the class.
        const qsizetype dash = tokens[0].lastIndexOf(u'-');
        if (dash <= 0)
            return std::nullopt;
        size = tokens[0].first(dash);
        flangeClass = tokens[0].sliced(dash + 1);
        // A PN marking's pressure ("WN 100-2.5") is no class.
        if (!isClass(flangeClass) || !isSize(size))
            return std::nullopt;
    } else if (tokens.size() == 2) {
        // Either order; a bare number takes the role the marked token beside it leaves.
        const QString &a = tokens[0], &b = tokens[1];
        const bool aClass = isClass(a) && (!isClass(b) || (marked(a) && !marked(b)));
        const bool bClass = isClass(b) && (!isClass(a) || (marked(b) && !marked(a)));
        if (aClass == bClass)
            return std::nullopt;
        flangeClass = aClass ? a : b;
        size = aClass ? b : a;
        if (!isSize(size))
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    return QStringList{kind, flangeClass, QString(), size};
}
