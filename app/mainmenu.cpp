#include "app/mainmenu.h"

#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/twips.h"

#include <QAction>
#include <QPushButton>

MainMenu::MainMenu()
{
    designWindow(this, {"Form1", "Quorvit查询", 4176, 2976, QPoint(3828, 2364), std::nullopt});

    const QFont font = designFont("隶书", 10.8);
    auto *pl = addButton(this, "Command1", "PL(板式)", twipsRect(360, 240, 1452, 612), font);
    auto *so = addButton(this, "Command2", "SO(带颈平焊)", twipsRect(2160, 240, 1572, 612), font);
    auto *wn = addButton(this, "Command3", "WN(带颈对焊)", twipsRect(360, 1200, 1452, 612), font);
    auto *bl = addButton(this, "Command4", "BL(法兰盖)", twipsRect(2160, 1200, 1572, 612), font);
    auto *mf = addButton(this, "Command5", "密封面尺寸", twipsRect(360, 2160, 1452, 612), font);
    auto *exit = addButton(this, "Command6", "退  出", twipsRect(2160, 2160, 1572, 612),
                           designFont("隶书", 13.8));
    setTabSequence({pl, so, wn, bl, mf, exit});
    pl->setFocus();

    connect(pl, &QPushButton::clicked, this, [this] { emit openRequested(WindowKind::FormPL); });
    connect(so, &QPushButton::clicked, this, [this] { emit openRequested(WindowKind::FormSO); });
    connect(wn, &QPushButton::clicked, this, [this] { emit openRequested(WindowKind::FormWN); });
    connect(mf, &QPushButton::clicked, this, [this] { emit openRequested(WindowKind::FormMF); });
    // The take-off and the identification have no button on the designed menu: they are in the
    // menu's context menu and on its keys.
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
    addWindowAction("actionTakeoff", QStringLiteral("批量计算…"), Qt::CTRL | Qt::Key_T,
                    WindowKind::FormTakeoff);
    addWindowAction("actionIdentify", QStringLiteral("反查法兰…"), Qt::CTRL | Qt::Key_I,
                    WindowKind::FormIdentify);

    // The blind flange has no window: its button does nothing.
    connect(exit, &QPushButton::clicked, this, &MainMenu::exitRequested);
}
