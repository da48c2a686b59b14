#include "windows/plate/plateflangewindow.h"

#include "catalogue/query/platequery.h"

namespace
{

using C = ControlDesign;
const FontDesign SongBold = {"宋体", 10.8, true};

} // namespace

QueryWindowDesign PlateFlangeWindow::design()
{
    // One line a control, as in the designed table.
    // clang-format off
    return {
        .kind = FlangeKind::Plate,
        .window = {"FormPL", tr("板式平焊钢制管法兰"), 7212, 4104, QPoint(2748, 2364),
                   QColor(224, 224, 224)},
        .lines = {{"Line1", {4560, 0}, {4560, 4080}, 3},
                  {"Line4", {4560, 2760}, {7200, 2760}, 2},
                  {"Line2", {1800, 840}, {1560, 480}, 1},
                  {"Line3", {3600, 1560}, {3840, 1560}, 1}},
        // control, kind, left, top, width, height, tab, font, caption or initial text, hint;
        // a text box then its number in the query
        .controls = {
            {C::Label, arrayName("Label1", 0), {4680, 360, 852, 252}, 9, {}, tr("压力 MPa")},
            {C::List, "List1", {6000, 360, 972, 264}, 15, SongBold, {}, tr("公称压力"), "MPa"},
            {C::Label, arrayName("Label1", 2), {4680, 840, 1092, 252}, 18, {}, tr("配管外径形式")},
            {C::List, "List2", {6000, 840, 972, 264}, 19, SongBold, {}, tr("配管外径形式"), tr("A 或 B")},
            {C::Label, arrayName("Label1", 1), {4680, 1560, 972, 252}, 10, {}, tr("公称直径mm")},
            {C::TextBox, "Text11", {6000, 1440, 972, 372}, 11, SongBold, " ", tr("公称直径"), "mm",
             PlateBox::Dn},
            {C::Button, "Command1", {4680, 2160, 732, 372}, 12, {}, tr("查找")},
            {C::Button, "Command3", {5520, 2160, 732, 372}, 22, {}, tr("清除")},
            {C::Button, "Command2", {6360, 2160, 732, 372}, 13, {}, tr("返回")},
            {C::Label, arrayName("Label2", 1), {4800, 3000, 852, 252}, 16, {}, tr("净面积M2=")},
            {C::TextBox, "Text10", {5880, 3000, 732, 264}, 17, {}, " ", tr("净面积"), "m²",
             PlateBox::NetArea},
            {C::Label, arrayName("Label2", 2), {4800, 3480, 852, 252}, 20, {}, tr("净重量Kg=")},
            {C::TextBox, "Text12", {5880, 3480, 732, 264}, 21, {}, " ", tr("净重量"), "kg",
             PlateBox::NetWeight},
            {C::Note, "Label3", {120, 3360, 3492, 492}, 14, {},
             tr("尺寸按 HG 20593-97 标准。配管外径形式即为与法兰所配用的接管。")},
            {C::Picture, "Image1", {120, 480, 3960, 2604}, -1, {}, ":/drawings/plate.svg"},
            {C::TextBox, "Text1", {2400, 240, 372, 264}, 0, {}, " ", tr("坡口宽度"), "mm",
             PlateBox::BevelWidth},
            {C::TextBox, "Text2", {1320, 240, 612, 264}, 1, {}, " ", tr("配管外径"), "mm",
             PlateBox::PipeOutside},
            {C::TextBox, "Text3", {3360, 600, 852, 264}, 2, {}, " ", tr("螺栓孔数量和孔径"), {},
             PlateBox::BoltHoles},
            {C::TextBox, "Text4", {3360, 960, 972, 264}, 3, {}, " ", tr("螺栓规格"), {},
             PlateBox::Bolt},
            {C::TextBox, "Text5", {1440, 2040, 612, 264}, 4, {}, " ", tr("法兰内径"), "mm",
             PlateBox::Bore},
            {C::TextBox, "Text6", {1440, 2400, 612, 264}, 5, {}, " ", tr("螺栓孔中心圆直径"), "mm",
             PlateBox::BoltCircle},
            {C::TextBox, "Text7", {1440, 2760, 612, 264}, 6, {}, " ", tr("法兰外径"), "mm",
             PlateBox::OutsideDiameter},
            {C::TextBox, "Text8", {3720, 1920, 252, 264}, 7, {}, " ", tr("突面高度"), "mm",
             PlateBox::FaceHeight},
            {C::TextBox, "Text9", {3840, 1440, 372, 264}, 8, {}, " ", tr("法兰厚度"), "mm",
             PlateBox::Thickness},
        },
        .pressures = pressureTexts(FlangeKind::Plate),
        .dnBox = PlateBox::Dn,
        .findButton = "Command1",
        .clearButton = "Command3",
        .backButton = "Command2",
        .clearOrder = {1, 2, 3, 5, 4, 6, 7, 8, 9, 10, 11, 12},
        .query = runPlateQuery,
    };
    // clang-format on
}

PlateFlangeWindow::PlateFlangeWindow() : QueryWindow(design()) {}
