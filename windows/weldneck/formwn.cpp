#include "windows/weldneck/formwn.h"

#include "core/weldneck/weldneckquery.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/querywindow.h"
#include "widgets/twips.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

FormWN::FormWN()
{
    designWindow(this, {"FormWN", "带颈对焊钢制管法兰", 7716, 4452, QPoint(2748, 2232),
                        QColor(192, 192, 255)});
    const QFont song = designFont("宋体", 10.8);

    // Drawing and separator lines; the picture stays under the boxes that stand on it.
    addPicture(this, "Image1", ":/drawings/weldneck.svg", twipsRect(120, 360, 4620, 3036));
    addLine(this, "Line1", {5160, 0}, {5160, 4320}, 2);
    addLine(this, "Line2", {5160, 2400}, {7680, 2400}, 3);
    addLine(this, "Line3", {2280, 1200}, {2880, 240}, 1);

    // The query panel, in tab order.
    addLabel(this, arrayName("Label1", 0), "公称压力MPa", twipsRect(5280, 240, 1092, 252));
    m_pressures = addList(this, "List1", twipsRect(6480, 120, 1092, 264), song);
    addLabel(this, arrayName("Label1", 1), "法兰焊端外径", twipsRect(5280, 840, 1092, 252));
    m_series = addList(this, "List2", twipsRect(6480, 720, 1092, 264), song);
    addLabel(this, arrayName("Label1", 2), "公称通径mm", twipsRect(5280, 1320, 972, 252));
    auto *dn = addTextBox(this, "Text1", twipsRect(6480, 1200, 1092, 372), " ", song);
    auto *find = addButton(this, "Command1", "查找", twipsRect(5280, 1800, 732, 372));
    auto *clear = addButton(this, "Command2", "清除", twipsRect(6120, 1800, 732, 372));
    auto *back = addButton(this, "Command3", "返回", twipsRect(6960, 1800, 612, 372));

    // The boxes on the drawing's dimension lines.
    auto *weldEnd = addTextBox(this, "Text2", twipsRect(1560, 840, 612, 264));
    auto *flange = addTextBox(this, "Text3", twipsRect(1320, 3000, 612, 264));
    auto *circle = addTextBox(this, "Text4", twipsRect(2160, 2760, 612, 264));
    auto *holes = addTextBox(this, "Text5", twipsRect(4080, 480, 732, 264));
    auto *thread = addTextBox(this, "Text6", twipsRect(4080, 840, 732, 264));
    auto *ring = addTextBox(this, "Text7", twipsRect(4200, 2640, 612, 264));
    auto *hubRoot = addTextBox(this, "Text8", twipsRect(1560, 360, 612, 264));
    auto *wall = addTextBox(this, "Text9", twipsRect(3120, 120, 612, 264));
    auto *neck = addTextBox(this, "Text10", twipsRect(3120, 720, 612, 264));
    auto *radius = addTextBox(this, "Text11", twipsRect(480, 1200, 492, 372));
    addLabel(this, arrayName("Label1", 3), "净重量Kg=", twipsRect(5280, 2640, 852, 252));
    auto *weight = addTextBox(this, "Text12", twipsRect(6240, 2520, 1092, 372), " ",
                              designFont("宋体", 12, true));
    addLabel(this, arrayName("Label1", 4), "S=", twipsRect(2880, 120, 252, 252));
    auto *height = addTextBox(this, "Text13", twipsRect(4200, 1440, 612, 264));

    setTabSequence({m_pressures, m_series, dn, find, clear, back, weldEnd, flange, circle, holes,
                    thread, ring, hubRoot, wall, neck, radius, weight, height});
    m_pressures->setFocus();

    describeControls({{m_pressures, "公称压力", "MPa"},
                      {m_series, "法兰焊端外径形式", "A 或 B"},
                      {dn, "公称通径", "mm"},
                      {weldEnd, "焊端外径", "mm"},
                      {flange, "法兰外径", "mm"},
                      {circle, "螺栓孔中心圆直径", "mm"},
                      {holes, "螺栓孔数量和孔径"},
                      {thread, "螺栓螺纹"},
                      {ring, "法兰厚度", "mm"},
                      {hubRoot, "颈部大端直径", "mm"},
                      {wall, "焊端壁厚", "mm"},
                      {neck, "焊端直段高度", "mm"},
                      {radius, "过渡圆角半径", "mm"},
                      {weight, "净重量", "kg"},
                      {height, "法兰总高度", "mm"}});
    findOnEnter(dn, find);

    connect(find, &QPushButton::clicked, this, &FormWN::find);
    connect(clear, &QPushButton::clicked, this, &FormWN::clear);
    connect(back, &QPushButton::clicked, this, &FormWN::backRequested);

    fillLists(m_pressures, m_series, {"1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"});
}

void FormWN::find()
{
    QueryRun run = startQuery(this);
    runWeldNeckQuery(run, selectedIndex(m_pressures), selectedIndex(m_series));
    playQuery(this, run);
}

void FormWN::clear()
{
    clearBoxes(this, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
}
