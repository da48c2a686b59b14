#include "catalogue/sealingfaces.h"

#include "catalogue/catalogue.h"

#include <QCoreApplication>

namespace
{

// A face a kind is made with, from a pressure (MPa) up to the kind's highest.
struct FaceRange {
    FlangeKind kind;
    const char *face;
    double fromMpa;
};

// Only what public sources show is refused; a face no source limits for a kind stays accepted
// over the kind's whole pressure list (1.0 to 25.0 MPa for WN is the widest).
// - Plate flanges (HG 20593): raised or flat face only ("板式平焊法兰 … 密封面型式有平面和突面",
//   www.360docs.net/doc/ec19084478.html).
// - The ring-joint face belongs to weld-neck (and integral) flanges from 6.3 to 25.0 MPa
//   (www.zcpipefittings.com/ring-joint-facings-dimensions-class-150-to-class-2500.html); "环槽面
//   … 常与对焊连接型式配合" (hbkhgj.com/news/647.html); the 2009 edition keeps it to PN 63 to 160
//   on weld-neck flanges.
// - Male/female, tongue/groove and flat faces on slip-on and weld-neck flanges: no source found
//   that limits them by pressure in the 1997 edition, so every listed pressure.
constexpr FaceRange Ranges[] = {
    {FlangeKind::Plate, "RF", 0},     {FlangeKind::Plate, "FF", 0},
    {FlangeKind::SlipOn, "RF", 0},    {FlangeKind::SlipOn, "FF", 0},
    {FlangeKind::SlipOn, "MFM", 0},   {FlangeKind::SlipOn, "TG", 0},
    {FlangeKind::WeldNeck, "RF", 0},  {FlangeKind::WeldNeck, "FF", 0},
    {FlangeKind::WeldNeck, "MFM", 0}, {FlangeKind::WeldNeck, "TG", 0},
    {FlangeKind::WeldNeck, "RJ", 6.3},
};

} // namespace

QStringList listedFaces(FlangeKind kind, double pressureMpa)
{
    QStringList faces;
    for (const FaceRange &range : Ranges)
        // The pressures are list values (6.3 is 6.3 in both), so the comparison is exact.
        if (range.kind == kind && pressureMpa >= range.fromMpa)
            faces << QString::fromLatin1(range.face);
    return faces;
}

std::optional<LookupFailure> faceNotListed(FlangeKind kind, const Rating &rating,
                                           const QString &face)
{
    const QStringList listed = listedFaces(kind, rating.pressureMpa().value_or(0));
    if (listed.contains(face))
        return std::nullopt;
    const QString code = kindCode(kind);
    const QString shown = ratingText(rating);
    return LookupFailure{
        {},
        QStringLiteral("%1 at %2 MPa has no face %3; listed: %4")
            .arg(code, shown, face, listed.join(QStringLiteral(", "))),
        QCoreApplication::translate("FlangeInput", "%1 在 %2 MPa 下没有密封面 %3；有：%4")
            .arg(code, shown, face, listed.join(QStringLiteral("、")))};
}

LookupFailure seriesFormMissing(FlangeKind kind, const QString &pressureText, int dn,
                                PipeSeries series)
{
    const QString code = kindCode(kind);
    return {{},
            QStringLiteral("%1 DN %2 at %3 MPa has no series %4 form")
                .arg(code)
                .arg(dn)
                .arg(pressureText, seriesText(series)),
            QCoreApplication::translate("FlangeInput", "%1 在 %2 MPa 下 DN %3 没有 %4 系列")
                .arg(code, pressureText)
                .arg(dn)
                .arg(seriesText(series))};
}
