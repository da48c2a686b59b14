#include "plate/formpl.h"

#include "shell/controls.h"
#include "shell/twips.h"
#include "shell/windows.h"

#include <QPushButton>

FormPL::FormPL()
{
    designWindow(this, {"FormPL", "板式平焊钢制管法兰", 7212, 4104, QPoint(2748, 2364), QColor(224, 224, 224)});
    auto *back = addButton(this, "Command2", "返回", twipsRect(6360, 2160, 732, 372));
    connect(back, &QPushButton::clicked, this,
            [] { Windows::instance().returnToMenu(WindowKind::FormPL); });
}
