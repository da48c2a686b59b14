#include "app/mainmenu.h"

#include "widgets/controls.h"
#include "widgets/describe.h"
#include "widgets/fonts.h"
#include "widgets/twips.h"

#include <QAction>
#include <QPushButton>

MainMenu::MainMenu()
{
    // The designed menu with one more row of buttons below it, for the take-off, the
    // identification and the Class series: 960 twips, the step between the designed rows; the
    // third button one column step (1800 twips) on, the menu as much wider.
    designWindow(this, {"Form1", tr("Quorvit查询"), 4176 + 1800, 2976 + 960, QPoint(3828, 2364),
                        std::nullopt});

    const QFont font = designFont("隶书", 10.8);
    auto *pl = addButton(this, "Command1", tr("PL(板式)"), twipsRect(360, 240, 1452, 612), font);
    auto *so =
        addButton(this, "Command2", tr("SO(带颈平焊)"), twipsRect(2160, 240, 1572, 612), font);
    auto *wn =
        addButton(this, "Command3", tr("WN(带颈对焊)"), twipsRect(360, 1200, 1452, 612), font);
    auto *bl =
        addButton(this, "Command4", tr("BL(法兰盖)"), twipsRect(2160, 1200, 1572, 612), font);
    auto *mf = addButton(this, "Command5", tr("密封面尺寸"), twipsRect(360, 2160, 1452, 612), font);
    auto *exit = addButton(this, "Command6", tr("退  出"), twipsRect(2160, 2160, 1572, 612),
                           designFont("隶书", 13.8));
    auto *takeoff =
        addButton(this, "takeoffButton", tr("批量计算"), twipsRect(360, 3120, 1452, 612), font);
    auto *identify =
        addButton(this, "identifyButton", tr("反查法兰"), twipsRect(2160, 3120, 1572, 612), font);
    auto *classSeries = addButton(this, "classButton", tr("Class 系列"),
                                  twipsRect(3960, 3120, 1572, 612), font);
    describe(takeoff, tr("批量计算"), tr("清单中各法兰的尺寸、螺栓和重量，Ctrl+T"));
    describe(identify, tr("反查法兰"), tr("按量得的尺寸找出法兰，Ctrl+I"));
    describe(classSeries, tr("Class 系列"), tr("ASME B16.5 / HG/T 20615 的 WN、SO、BL 法兰，Ctrl+K"));
    setTabSequence({pl, so, wn, bl, mf, exit, takeoff, identify, classSeries});
    pl->setFocus();

    const auto opens = [this](QPushButton *button, WindowKind kind) {
        connect(button, &QPushButton::clicked, this, [this, kind] { emit openRequested(kind); });
    };
    opens(pl, WindowKind::FormPL);
    opens(so, WindowKind::FormSO);
    opens(wn, WindowKind::FormWN);
    opens(mf, WindowKind::FormMF);
    opens(takeoff, WindowKind::FormTakeoff);
    opens(identify, WindowKind::FormIdentify);
    opens(classSeries, WindowKind::FormClass);
    // They are also in the menu's context menu and on its keys, as before their buttons came.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto addWindowAction = [this](const char *name, const QString &text, QKeyCombination key,
                                        WindowKind kind) {
        auto *action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, kind] { emit openRequested(kind); });
        addAction(action);
    };
    addWindowAction("actionTakeoff", tr("批量计算…"), Qt::CTRL | Qt::Key_T,
                    WindowKind::FormTakeoff);
    addWindowAction("actionIdentify", tr("反查法兰…"), Qt::CTRL | Qt::Key_I,
                    WindowKind::FormIdentify);
    addWindowAction("actionClass", tr("Class 系列…"), Qt::CTRL | Qt::Key_K, WindowKind::FormClass);

    // Blind flanges are listed in the Class series only.
    bl->setToolTip(tr("法兰盖（BL）：Class 系列（ASME B16.5）；PN 系列的法兰盖暂未收录"));
    connect(bl, &QPushButton::clicked, this, &MainMenu::blindFlangesRequested);
    connect(exit, &QPushButton::clicked, this, &MainMenu::exitRequested);
}
