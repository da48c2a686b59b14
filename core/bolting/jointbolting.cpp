#include "core/bolting/jointbolting.h"

#include <QRegularExpression>
#include <cmath>

namespace
{

// The pitch stands between thread and length and is a single digit; a length has two or more.
const QRegularExpression &boltPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^M(\\d+)(?:[xX](\\d))?(?:[xX](\\d{2,}))?$"));
    return pattern;
}

int centiMpa(double pressureMpa)
{
    return static_cast<int>(std::lround(pressureMpa * 100));
}

QString threadText(const BoltText &bolt)
{
    QString text = u'M' + QString::number(bolt.diameter);
    if (bolt.finePitch)
        text += u'×' + QString::number(bolt.pitch / 100);
    return text;
}

} // namespace

std::optional<BoltText> readBoltText(QStringView text)
{
    const auto match = boltPattern().match(text);
    if (!match.hasMatch())
        return std::nullopt;
    BoltText bolt;
    bolt.diameter = match.capturedView(1).toInt();
    const ThreadRow *thread = findThread(bolt.diameter);
    if (!thread)
        return std::nullopt;
    bolt.finePitch = match.hasCaptured(2);
    bolt.pitch = bolt.finePitch ? match.capturedView(2).toInt() * 100 : thread->coarsePitch;
    bolt.length = match.hasCaptured(3) ? match.capturedView(3).toInt() : 0;
    return bolt;
}

int calculatedBoltLength(int diameter, Hundredths pitch, double thickness, double pressureMpa)
{
    const ThreadRow *thread = findThread(diameter);
    if (!thread)
        return 0;
    const Hundredths c = toHundredths(thickness);
    const FastenerRow &fastener = fastenerFor(centiMpa(pressureMpa));
    const Hundredths length = 2 * (c + thicknessTolerance(c))
                              + gasketFor(centiMpa(pressureMpa)).compressedThickness
                              + fastener.nutsPerBolt * (thread->nutHeight + 2 * pitch)
                              + fastener.allowance;
    return seriesLength(length);
}

std::optional<JointBolting> jointBolting(QStringView boltText, double thickness,
                                         double pressureMpa)
{
    const std::optional<BoltText> bolt = readBoltText(boltText);
    if (!bolt)
        return std::nullopt;
    const FastenerRow &fastener = fastenerFor(centiMpa(pressureMpa));
    JointBolting bolting;
    bolting.kind = fastener.kind;
    bolting.nutsPerBolt = fastener.nutsPerBolt;
    bolting.lengthPrinted = bolt->length > 0;
    bolting.length = bolting.lengthPrinted
                         ? bolt->length
                         : calculatedBoltLength(bolt->diameter, bolt->pitch, thickness, pressureMpa);
    if (bolting.length == 0)
        return std::nullopt;
    bolting.thread = threadText(*bolt);
    bolting.designation = bolting.thread + u'×' + QString::number(bolting.length);
    return bolting;
}

JointBolting tabledBolting(QStringView boltText, int studLength)
{
    const std::optional<BoltText> bolt = readBoltText(boltText);
    JointBolting bolting;
    bolting.kind = FastenerKind::StudBolt;
    bolting.nutsPerBolt = 2;
    bolting.length = studLength;
    bolting.lengthPrinted = true;
    bolting.thread = bolt ? threadText(*bolt) : boltText.toString();
    bolting.designation = bolting.thread + u'×' + QString::number(studLength);
    return bolting;
}
