#include "takeoff/linejoint.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

std::optional<LineJoint> readLineJoint(const QString &text)
{
    QString key = text.normalized(QString::NormalizationForm_KC).toLower();
    key.removeIf([](QChar c) { return c.isSpace() || c == u'-' || c == u'/'; });
    static const QStringList pairs = {"",      "成对",   "对",     "配对",    "成对法兰",
                                      "法兰",  "法兰对", "双片",   "两片",    "pair",
                                      "pairs", "paired", "flange", "flanges", "flangepair"};
    static const QStringList singles = {"单片", "单", "单个", "单侧", "single", "singles"};
    if (pairs.contains(key))
        return LineJoint::Pairs;
    if (singles.contains(key))
        return LineJoint::OwnJoints;
    // What a flange mates when its partner is no listed flange: any valve (闸阀, 球阀 …), pump or
    // piece of equipment (容器, 换热器, 塔, 罐 …) or its nozzle.
    static const QStringList partners = {"阀",         "泵",        "设备",       "管口",   "接管",
                                         "器",         "塔",        "罐",         "机",     "valve",
                                         "pump",       "equipment", "nozzle",     "vessel", "tank",
                                         "compressor", "exchanger", "instrument", "machine"};
    if (std::any_of(partners.begin(), partners.end(),
                    [&](const QString &word) { return key.contains(word); }))
        return LineJoint::OwnJoints;
    return std::nullopt;
}

TakeoffReason jointNotKnown(const QString &column, const QString &text)
{
    return {QCoreApplication::translate("Takeoff",
                                        "%1“%2”无法识别：应写成对（两片法兰成一副），或单片、阀门、"
                                        "设备、泵、管口（每片法兰与之各成一副）")
                .arg(column, text.left(60)),
            QStringLiteral("%1 \"%2\" is not a known joint: write pair (two flanges make a joint) "
                           "or single, valve, equipment, pump, nozzle (each flange makes its own)")
                .arg(column, text.left(60))};
}
