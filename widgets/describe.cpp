#include "widgets/describe.h"

#include <QWidget>

void describe(QWidget *control, const QString &name, const QString &detail)
{
    control->setAccessibleName(name);
    control->setToolTip(detail.isEmpty() ? name : QStringLiteral("%1（%2）").arg(name, detail));
}
