#include "windows/plate/formpl.h"

#include "core/plate/platequery.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/querywindow.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

FormPL::FormPL()
{
    designWindow(this, {"FormPL", "板式平焊钢制管法兰", 7212, 4104, QPoint(2748, 2364),
                        QColor(224, 224, 224)});
    const QFont song = designFont("宋体", 10.8, true);

    // The drawing and its lines lie under the boxes that stand on it.
    addPicture(this, "Image1", ":/drawings/plate.svg", twipsRect(120, 480, 3960, 2604));
    addLine(this, "Line1", {4560, 0}, {4560, 4080}, 3);
    addLine(this, "Line4", {4560, 2760}, {7200, 2760}, 2);
    addLine(this, "Line2", {1800, 840}, {1560, 480}, 1);
    addLine(this, "Line3", {3600, 1560}, {3840, 1560}, 1);

    // The query panel.
    addLabel(this, arrayName("Label1", 0), "压力 MPa", twipsRect(4680, 360, 852, 252));
    m_pressures = addList(this, "List1", twipsRect(6000, 360, 972, 264), song);
    addLabel(this, arrayName("Label1", 2), "配管外径形式", twipsRect(4680, 840, 1092, 252));
    m_series = addList(this, "List2", twipsRect(6000, 840, 972, 264), song);
    addLabel(this, arrayName("Label1", 1), "公称直径mm", twipsRect(4680, 1560, 972, 252));
    auto *dn = addTextBox(this, "Text11", twipsRect(6000, 1440, 972, 372), " ", song);
    auto *find = addButton(this, "Command1", "查找", twipsRect(4680, 2160, 732, 372));
    auto *clear = addButton(this, "Command3", "清除", twipsRect(5520, 2160, 732, 372));
    auto *back = addButton(this, "Command2", "返回", twipsRect(6360, 2160, 732, 372));
    addLabel(this, arrayName("Label2", 1), "净面积M2=", twipsRect(4800, 3000, 852, 252));
    auto *area = addTextBox(this, "Text10", twipsRect(5880, 3000, 732, 264));
    addLabel(this, arrayName("Label2", 2), "净重量Kg=", twipsRect(4800, 3480, 852, 252));
    auto *weight = addTextBox(this, "Text12", twipsRect(5880, 3480, 732, 264));

    auto *note =
        addLabel(this, "Label3", "螺栓查询不准确，待于改进！配管外径形式即为与法兰所配用的接管。",
                 twipsRect(120, 3360, 3492, 492));
    note->setWordWrap(true);

    // The boxes on the drawing's dimension lines.
    auto *bevel = addTextBox(this, "Text1", twipsRect(2400, 240, 372, 264));
    auto *pipe = addTextBox(this, "Text2", twipsRect(1320, 240, 612, 264));
    auto *holes = addTextBox(this, "Text3", twipsRect(3360, 600, 852, 264));
    auto *bolt = addTextBox(this, "Text4", twipsRect(3360, 960, 972, 264));
    auto *bore = addTextBox(this, "Text5", twipsRect(1440, 2040, 612, 264));
    auto *circle = addTextBox(this, "Text6", twipsRect(1440, 2400, 612, 264));
    auto *outside = addTextBox(this, "Text7", twipsRect(1440, 2760, 612, 264));
    auto *face = addTextBox(this, "Text8", twipsRect(3720, 1920, 252, 264));
    auto *thickness = addTextBox(this, "Text9", twipsRect(3840, 1440, 372, 264));

    setTabSequence({bevel, pipe, holes, bolt, bore, circle, outside, face, thickness, dn, find,
                    back, m_pressures, area, m_series, weight, clear});
    bevel->setFocus();

    describeControls({{m_pressures, "公称压力", "MPa"},
                      {m_series, "配管外径形式", "A 或 B"},
                      {dn, "公称直径", "mm"},
                      {bevel, "坡口宽度", "mm"},
                      {pipe, "配管外径", "mm"},
                      {holes, "螺栓孔数量和孔径"},
                      {bolt, "螺栓规格"},
                      {bore, "法兰内径", "mm"},
                      {circle, "螺栓孔中心圆直径", "mm"},
                      {outside, "法兰外径", "mm"},
                      {face, "突面高度", "mm"},
                      {thickness, "法兰厚度", "mm"},
                      {area, "净面积", "m²"},
                      {weight, "净重量", "kg"}});
    findOnEnter(dn, find);

    connect(find, &QPushButton::clicked, this, &FormPL::find);
    connect(clear, &QPushButton::clicked, this, &FormPL::clear);
    connect(back, &QPushButton::clicked, this, &FormPL::backRequested);

    fillLists(m_pressures, m_series, {"0.25", "0.6", "1.0", "1.6", "2.5"});
}

void FormPL::find()
{
    QueryRun run = startQuery(this);
    runPlateQuery(run, selectedIndex(m_pressures), selectedIndex(m_series));
    playQuery(this, run);
}

void FormPL::clear()
{
    clearBoxes(this, {1, 2, 3, 5, 4, 6, 7, 8, 9, 10, 11, 12});
}
