#include "widgets/describe.h"

#include <QCoreApplication>
#include <QWidget>

void describe(QWidget *control, const QString &name, const QString &detail)
{
    control->setAccessibleName(name);
    control->setToolTip(detail.isEmpty()
                           ? name
                           : QCoreApplication::translate("describe", "%1（%2）").arg(name, detail));
}
