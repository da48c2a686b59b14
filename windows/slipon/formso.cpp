#include "windows/slipon/formso.h"

#include "core/slipon/sliponquery.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/querywindow.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

FormSO::FormSO()
{
    designWindow(this, {"FormSO", "带颈平焊", 7896, 4452, std::nullopt, QColor(255, 224, 192)});
    const QFont song = designFont("宋体", 10.8);
    const QFont songBold = designFont("宋体", 10.8, true);
    const QFont songSmall = designFont("宋体", 7.8);
    const QFont listFont = designFont("宋体", 12, true);

    // The drawing lies under the boxes that stand on its dimension lines.
    addPicture(this, "Image1", ":/drawings/slipon.svg", twipsRect(120, 0, 4836, 3588));
    addLine(this, "Line1", {5400, 0}, {5400, 4440}, 3);

    addLabel(this, arrayName("Label1", 0), "压力 MPa", twipsRect(5520, 360, 852, 252));
    addLabel(this, arrayName("Label1", 1), "公称直径", twipsRect(5520, 1440, 852, 252));
    auto *dn = addTextBox(this, "Text1", twipsRect(6720, 1320, 972, 372), " ", songBold);
    auto *find = addButton(this, "Command1", "查找", twipsRect(5520, 2040, 612, 492), song);
    auto *back = addButton(this, "Command2", "返回", twipsRect(7200, 2040, 612, 492), song);

    // The boxes on the drawing, in tab order.
    auto *pipe = addTextBox(this, "Text2", twipsRect(1680, 840, 492, 264));
    auto *outside = addTextBox(this, "Text3", twipsRect(1320, 3240, 612, 264));
    auto *boltCircle = addTextBox(this, "Text4", twipsRect(2160, 3000, 612, 264));
    auto *holes = addTextBox(this, "Text5", twipsRect(4080, 600, 732, 264));
    auto *thread = addTextBox(this, "Text6", twipsRect(4080, 840, 732, 264));
    auto *thickness = addTextBox(this, "Text7", twipsRect(4680, 1920, 372, 264));
    auto *bore = addTextBox(this, "Text8", twipsRect(1680, 2400, 612, 264));
    auto *hub = addTextBox(this, "Text9", twipsRect(1680, 480, 612, 264));
    auto *fillet = addTextBox(this, "Text10", twipsRect(480, 1080, 372, 264));
    auto *height = addTextBox(this, "Text11", twipsRect(4680, 1560, 372, 264));
    auto *bevel = addTextBox(this, "Text13", twipsRect(2760, 120, 372, 264));

    addLabel(this, arrayName("Label1", 2), "法兰内径形式", twipsRect(5520, 840, 972, 252),
             songSmall);
    m_pressures = addList(this, "List1", twipsRect(6720, 360, 972, 288), listFont);
    m_series = addList(this, "List2", twipsRect(6720, 840, 972, 288), listFont);
    auto *clear = addButton(this, "Command3", "清除", twipsRect(6360, 2040, 612, 492));
    addLabel(this, arrayName("Label1", 3), "净面积M2", twipsRect(5520, 3000, 732, 252));
    addLabel(this, arrayName("Label1", 4), "净重量Kg", twipsRect(5520, 3600, 732, 252));
    auto *area = addTextBox(this, "Text12", twipsRect(6480, 2880, 852, 372), QString(), song);
    auto *weight = addTextBox(this, "Text14", twipsRect(6480, 3480, 852, 372), QString(), song);
    auto *note = addLabel(this, "Label2",
                          "净面积为法兰用整块板下料面积。净重及为法兰去掉内径和螺栓孔的重量。",
                          twipsRect(120, 3720, 3612, 492));
    note->setWordWrap(true);

    setTabSequence({dn, find, back, pipe, outside, boltCircle, holes, thread, thickness, bore, hub,
                    fillet, height, bevel, m_pressures, m_series, clear, area, weight});

    describeControls({{m_pressures, "公称压力", "MPa"},
                      {m_series, "法兰内径形式", "A 或 B"},
                      {dn, "公称直径", "mm"},
                      {pipe, "配管外径", "mm"},
                      {outside, "法兰外径", "mm"},
                      {boltCircle, "螺栓孔中心圆直径", "mm"},
                      {holes, "螺栓孔数量和孔径"},
                      {thread, "螺栓螺纹"},
                      {thickness, "法兰厚度", "mm"},
                      {bore, "法兰内径", "mm"},
                      {hub, "法兰颈外径", "mm"},
                      {fillet, "颈根圆角半径", "mm"},
                      {height, "法兰总高度", "mm"},
                      {bevel, "坡口宽度", "mm"},
                      {area, "净面积", "m²"},
                      {weight, "净重量", "kg"}});
    findOnEnter(dn, find);

    connect(find, &QPushButton::clicked, this, &FormSO::find);
    connect(clear, &QPushButton::clicked, this, &FormSO::clear);
    connect(back, &QPushButton::clicked, this, &FormSO::backRequested);

    fillLists(m_pressures, m_series, slipOnPressureTexts());
}

void FormSO::find()
{
    auto run = startQuery(this);
    runSlipOnQuery(run, selectedIndex(m_pressures), selectedIndex(m_series));
    playQuery(this, run);
}

void FormSO::clear()
{
    clearBoxes(this, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
}
