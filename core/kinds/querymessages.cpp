#include "core/kinds/querymessages.h"

#include <QCoreApplication>

QueryMessages queryMessages(FlangeKind kind)
{
    // Each window keeps its own wording; the series messages name each window's series list.
    static constexpr const char *Texts[][3] = {
        {QT_TRANSLATE_NOOP("QueryMessage", "压力不对，重新输入！"),
         QT_TRANSLATE_NOOP("QueryMessage", "请重新输入公称直径！"),
         QT_TRANSLATE_NOOP("QueryMessage", "请选择配管外径形式！")},
        {QT_TRANSLATE_NOOP("QueryMessage", "公称压力不对，请重新输入！"),
         QT_TRANSLATE_NOOP("QueryMessage", "公称直径不对，请重新输入！"),
         QT_TRANSLATE_NOOP("QueryMessage", "请选择法兰内径形式！")},
        {QT_TRANSLATE_NOOP("QueryMessage", "请确定公称压力！"),
         QT_TRANSLATE_NOOP("QueryMessage", "请确认公称通径！"),
         QT_TRANSLATE_NOOP("QueryMessage", "请确定焊端外径！")},
    };
    const int row = kind == FlangeKind::Plate ? 0 : kind == FlangeKind::SlipOn ? 1 : 2;
    const auto tr = [](const char *text) {
        return QCoreApplication::translate("QueryMessage", text);
    };
    return {tr(Texts[row][0]), tr(Texts[row][1]), tr(Texts[row][2])};
}
