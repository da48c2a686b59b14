#include "core/kinds/querymessages.h"

const QueryMessages &queryMessages(FlangeKind kind)
{
    // Each window keeps its own wording; the series messages name each window's series list.
    static const QueryMessages plate{QStringLiteral("压力不对，重新输入！"),
                                     QStringLiteral("请重新输入公称直径！"),
                                     QStringLiteral("请选择配管外径形式！")};
    static const QueryMessages slipOn{QStringLiteral("公称压力不对，请重新输入！"),
                                      QStringLiteral("公称直径不对，请重新输入！"),
                                      QStringLiteral("请选择法兰内径形式！")};
    static const QueryMessages weldNeck{QStringLiteral("请确定公称压力！"),
                                        QStringLiteral("请确认公称通径！"),
                                        QStringLiteral("请确定焊端外径！")};
    switch (kind) {
    case FlangeKind::Plate:
        return plate;
    case FlangeKind::SlipOn:
        return slipOn;
    case FlangeKind::WeldNeck:
        break;
    }
    return weldNeck;
}
