#include "app/mainmenu.h"

#include "widgets/controls.h"
#include "widgets/describe.h"
#include "widgets/fonts.h"
#include "widgets/querywindow.h"
#include "widgets/twips.h"

#include <QAction>
#include <QPushButton>

MainMenu::MainMenu()
{
    // The designed menu with one more row of buttons below it, for the take-off and the
    // identification: 960 twips, the step between the designed rows.
    designWindow(this,
                 {"Form1", tr("Quorvit查询"), 4176, 2976 + 960, QPoint(3828, 2364), std::nullopt});

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
    describe(takeoff, tr("批量计算"), tr("清单中各法兰的尺寸、螺栓和重量，Ctrl+T"));
    describe(identify, tr("反查法兰"), tr("按量得的尺寸找出法兰，Ctrl+I"));
    setTabSequence({pl, so, wn, bl, mf, exit, takeoff, identify});
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

    // The blind flange has no window: its button says so rather than doing nothing.
    bl->setToolTip(tr("法兰盖（BL）的尺寸暂未收录"));
    connect(bl, &QPushButton::clicked, this, [this] {
        showMessage(this,
                    tr("法兰盖（BL）的尺寸暂未收录。现有板式平焊、带颈平焊和带颈对焊法兰的尺寸。"));
    });
    connect(exit, &QPushButton::clicked, this, &MainMenu::exitRequested);
}
