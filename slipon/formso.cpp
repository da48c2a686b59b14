#include "slipon/formso.h"

#include "shell/controls.h"
#include "shell/twips.h"
#include "shell/windows.h"

#include <QPushButton>

FormSO::FormSO()
{
    designWindow(this, {"FormSO", "带颈平焊", 7896, 4452, std::nullopt, QColor(255, 224, 192)});
    auto *back = addButton(this, "Command2", "返回", twipsRect(7200, 2040, 612, 492));
    connect(back, &QPushButton::clicked, this,
            [] { Windows::instance().returnToMenu(WindowKind::FormSO); });
}
