#include "windows/sealing/sealingfaces.h"

#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

SealingFaceChooser::SealingFaceChooser()
{
    designWindow(this,
                 {"FormMF", tr("密封面"), 4452, 3168, QPoint(3564, 2508), QColor(192, 192, 0)});

    auto *rf = addButton(this, "Command1", tr("突面（RF）"), twipsRect(240, 600, 1332, 612));
    auto *fm = addButton(this, "Command2", tr("凹凸面（FM/M）"), twipsRect(1320, 1440, 1452, 612));
    auto *tg = addButton(this, "Command3", tr("榫槽面（T/G）"), twipsRect(2520, 2280, 1452, 612));
    auto *back = addButton(this, "Command4", tr("返回"), twipsRect(3480, 360, 612, 972),
                           designFont("楷体_GB2312", 10.8));
    addLabel(this, "Label1", tr("请选择"), twipsRect(240, 120, 1212, 252),
             designFont("宋体", 10.8));
    setTabSequence({rf, fm, tg, back});
    rf->setFocus();

    connect(rf, &QPushButton::clicked, this,
            [this] { emit sheetRequested(SealingFace::RaisedFace); });
    connect(fm, &QPushButton::clicked, this,
            [this] { emit sheetRequested(SealingFace::MaleFemale); });
    connect(tg, &QPushButton::clicked, this,
            [this] { emit sheetRequested(SealingFace::TongueGroove); });
    connect(back, &QPushButton::clicked, this, &SealingFaceChooser::backRequested);
}

QWidget *createSealingSheet(SealingFace face)
{
    struct Sheet {
        const char *name;
        const char *caption;
        int width;
        int height;
        const char *missing; // what the sheet would need to show its face's dimensions
    };
    // clang-format off
    const Sheet sheet = face == SealingFace::RaisedFace
        ? Sheet{"FormRF", QT_TRANSLATE_NOOP("SealingFaceChooser", "突面"), 4860, 3792,
                QT_TRANSLATE_NOOP("SealingFaceChooser",
                    "突面的尺寸暂未收录：需要各公称压力、公称直径下的突面直径 d 和突面高度 f。")}
        : face == SealingFace::MaleFemale
        ? Sheet{"FormFM", QT_TRANSLATE_NOOP("SealingFaceChooser", "凹凸面"), 3744, 2496,
                QT_TRANSLATE_NOOP("SealingFaceChooser",
                    "凹凸面的尺寸暂未收录：需要各公称压力、公称直径下凸面和凹面的直径及高度。")}
        : Sheet{"FormTG", QT_TRANSLATE_NOOP("SealingFaceChooser", "榫槽"), 3744, 2496,
                QT_TRANSLATE_NOOP("SealingFaceChooser",
                    "榫槽面的尺寸暂未收录：需要各公称压力、公称直径下榫和槽的内外直径及榫高、槽深。")};
    // clang-format on
    auto *window = new QWidget;
    designWindow(window, {sheet.name, SealingFaceChooser::tr(sheet.caption), sheet.width,
                          sheet.height, std::nullopt, std::nullopt});
    // The sheet is not a dead end: one line, centred, says what is missing.
    const int margin = 240;
    QLabel *label =
        addLabel(window, "missingDimensions", SealingFaceChooser::tr(sheet.missing),
                 twipsRect(margin, margin, sheet.width - 2 * margin, sheet.height - 2 * margin));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return window;
}
