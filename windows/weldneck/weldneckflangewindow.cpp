#include "windows/weldneck/weldneckflangewindow.h"

#include "catalogue/query/weldneckquery.h"

namespace
{

using C = ControlDesign;
const FontDesign Song = {"宋体", 10.8};

} // namespace

QueryWindowDesign WeldNeckFlangeWindow::design()
{
    // One line a control, as in the designed table.
    // clang-format off
    return {
        .kind = FlangeKind::WeldNeck,
        .window = {"FormWN", tr("带颈对焊钢制管法兰"), 7716, 4452, QPoint(2748, 2232),
                   QColor(192, 192, 255)},
        .lines = {{"Line1", {5160, 0}, {5160, 4320}, 2},
                  {"Line2", {5160, 2400}, {7680, 2400}, 3},
                  {"Line3", {2280, 1200}, {2880, 240}, 1}},
        // control, kind, left, top, width, height, tab, font, caption or initial text, hint;
        // a text box then its number in the query
        .controls = {
            {C::Label, arrayName("Label1", 0), {5280, 240, 1092, 252}, 0, {}, tr("公称压力MPa")},
            {C::List, "List1", {6480, 120, 1092, 264}, 1, Song, {}, tr("公称压力"), "MPa"},
            {C::Label, arrayName("Label1", 1), {5280, 840, 1092, 252}, 2, {}, tr("法兰焊端外径")},
            {C::List, "List2", {6480, 720, 1092, 264}, 3, Song, {}, tr("法兰焊端外径形式"), tr("A 或 B")},
            {C::Label, arrayName("Label1", 2), {5280, 1320, 972, 252}, 4, {}, tr("公称通径mm")},
            {C::TextBox, "Text1", {6480, 1200, 1092, 372}, 5, Song, " ", tr("公称通径"), "mm",
             WeldNeckBox::Dn},
            {C::Button, "Command1", {5280, 1800, 732, 372}, 6, {}, tr("查找")},
            {C::Button, "Command2", {6120, 1800, 732, 372}, 7, {}, tr("清除")},
            {C::Button, "Command3", {6960, 1800, 612, 372}, 8, {}, tr("返回")},
            {C::TextBox, "Text2", {1560, 840, 612, 264}, 9, {}, " ", tr("焊端外径"), "mm",
             WeldNeckBox::WeldEndDiameter},
            {C::TextBox, "Text3", {1320, 3000, 612, 264}, 10, {}, " ", tr("法兰外径"), "mm",
             WeldNeckBox::OutsideDiameter},
            {C::TextBox, "Text4", {2160, 2760, 612, 264}, 11, {}, " ", tr("螺栓孔中心圆直径"), "mm",
             WeldNeckBox::BoltCircle},
            {C::TextBox, "Text5", {4080, 480, 732, 264}, 12, {}, " ", tr("螺栓孔数量和孔径"), {},
             WeldNeckBox::BoltHoles},
            {C::TextBox, "Text6", {4080, 840, 732, 264}, 13, {}, " ", tr("螺栓螺纹"), {},
             WeldNeckBox::Bolt},
            {C::TextBox, "Text7", {4200, 2640, 612, 264}, 14, {}, " ", tr("法兰厚度"), "mm",
             WeldNeckBox::Thickness},
            {C::TextBox, "Text8", {1560, 360, 612, 264}, 15, {}, " ", tr("颈部大端直径"), "mm",
             WeldNeckBox::HubDiameter},
            {C::TextBox, "Text9", {3120, 120, 612, 264}, 16, {}, " ", tr("焊端壁厚"), "mm",
             WeldNeckBox::WallThickness},
            {C::TextBox, "Text10", {3120, 720, 612, 264}, 17, {}, " ", tr("焊端直段高度"), "mm",
             WeldNeckBox::NeckHeight},
            {C::TextBox, "Text11", {480, 1200, 492, 372}, 18, {}, " ", tr("过渡圆角半径"), "mm",
             WeldNeckBox::FilletRadius},
            {C::Label, arrayName("Label1", 3), {5280, 2640, 852, 252}, 19, {}, tr("净重量Kg=")},
            {C::TextBox, "Text12", {6240, 2520, 1092, 372}, 20, FontDesign{"宋体", 12, true}, " ",
             tr("净重量"), "kg", WeldNeckBox::NetWeight},
            {C::Label, arrayName("Label1", 4), {2880, 120, 252, 252}, 21, {}, "S="},
            {C::TextBox, "Text13", {4200, 1440, 612, 264}, 22, {}, " ", tr("法兰总高度"), "mm",
             WeldNeckBox::OverallHeight},
            {C::Picture, "Image1", {120, 360, 4620, 3036}, -1, {}, ":/drawings/weldneck.svg"},
        },
        .pressures = pressureTexts(FlangeKind::WeldNeck),
        .dnBox = WeldNeckBox::Dn,
        .findButton = "Command1",
        .clearButton = "Command2",
        .backButton = "Command3",
        .clearOrder = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13},
        .query = runWeldNeckQuery,
    };
    // clang-format on
}

WeldNeckFlangeWindow::WeldNeckFlangeWindow() : QueryWindow(design()) {}
