#include "weldneck/formwn.h"

#include "shell/controls.h"
#include "shell/twips.h"
#include "shell/windows.h"

#include <QPushButton>

FormWN::FormWN()
{
    designWindow(this, {"FormWN", "带颈对焊钢制管法兰", 7716, 4452, QPoint(2748, 2232), QColor(192, 192, 255)});
    auto *back = addButton(this, "Command3", "返回", twipsRect(6960, 1800, 612, 372));
    connect(back, &QPushButton::clicked, this,
            [] { Windows::instance().returnToMenu(WindowKind::FormWN); });
}
