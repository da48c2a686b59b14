#include "windows/slipon/sliponflangewindow.h"

#include "catalogue/query/sliponquery.h"

namespace
{

using C = ControlDesign;
const FontDesign Song = {"宋体", 10.8};
const FontDesign SongBold = {"宋体", 10.8, true};

} // namespace

QueryWindowDesign SlipOnFlangeWindow::design()
{
    // One line a control, as in the designed table.
    // clang-format off
    return {
        .kind = FlangeKind::SlipOn,
        .window = {"FormSO", tr("带颈平焊"), 7896, 4452, std::nullopt, QColor(255, 224, 192)},
        .lines = {{"Line1", {5400, 0}, {5400, 4440}, 3}},
        // control, kind, left, top, width, height, tab, font, caption or initial text, hint;
        // a text box then its number in the query
        .controls = {
            {C::Label, arrayName("Label1", 0), {5520, 360, 852, 252}, 0, {}, tr("压力 MPa")},
            {C::Label, arrayName("Label1", 1), {5520, 1440, 852, 252}, 1, {}, tr("公称直径", "label")},
            {C::TextBox, "Text1", {6720, 1320, 972, 372}, 2, SongBold, " ", tr("公称直径"), "mm",
             SlipOnBox::Dn},
            {C::Button, "Command1", {5520, 2040, 612, 492}, 3, Song, tr("查找")},
            {C::Button, "Command2", {7200, 2040, 612, 492}, 4, Song, tr("返回")},
            {C::TextBox, "Text2", {1680, 840, 492, 264}, 5, {}, " ", tr("配管外径"), "mm",
             SlipOnBox::PipeOutside},
            {C::TextBox, "Text3", {1320, 3240, 612, 264}, 6, {}, " ", tr("法兰外径"), "mm",
             SlipOnBox::OutsideDiameter},
            {C::TextBox, "Text4", {2160, 3000, 612, 264}, 7, {}, " ", tr("螺栓孔中心圆直径"), "mm",
             SlipOnBox::BoltCircle},
            {C::TextBox, "Text5", {4080, 600, 732, 264}, 8, {}, " ", tr("螺栓孔数量和孔径"), {},
             SlipOnBox::BoltHoles},
            {C::TextBox, "Text6", {4080, 840, 732, 264}, 9, {}, " ", tr("螺栓螺纹"), {},
             SlipOnBox::Bolt},
            {C::TextBox, "Text7", {4680, 1920, 372, 264}, 10, {}, " ", tr("法兰厚度"), "mm",
             SlipOnBox::Thickness},
            {C::TextBox, "Text8", {1680, 2400, 612, 264}, 11, {}, " ", tr("法兰内径"), "mm",
             SlipOnBox::Bore},
            {C::TextBox, "Text9", {1680, 480, 612, 264}, 12, {}, " ", tr("法兰颈外径"), "mm",
             SlipOnBox::HubDiameter},
            {C::TextBox, "Text10", {480, 1080, 372, 264}, 13, {}, " ", tr("颈根圆角半径"), "mm",
             SlipOnBox::FilletRadius},
            {C::TextBox, "Text11", {4680, 1560, 372, 264}, 14, {}, " ", tr("法兰总高度"), "mm",
             SlipOnBox::OverallHeight},
            {C::TextBox, "Text13", {2760, 120, 372, 264}, 15, {}, " ", tr("坡口宽度"), "mm",
             SlipOnBox::BevelWidth},
            {C::Label, arrayName("Label1", 2), {5520, 840, 972, 252}, 16, FontDesign{"宋体", 7.8},
             tr("法兰内径形式")},
            {C::List, "List1", {6720, 360, 972, 288}, 17, FontDesign{"宋体", 12, true}, {},
             tr("公称压力"), "MPa"},
            {C::List, "List2", {6720, 840, 972, 288}, 18, FontDesign{"宋体", 12, true}, {},
             tr("法兰内径形式"), tr("A 或 B")},
            {C::Button, "Command3", {6360, 2040, 612, 492}, 19, {}, tr("清除")},
            {C::Label, arrayName("Label1", 3), {5520, 3000, 732, 252}, 20, {}, tr("净面积M2")},
            {C::Label, arrayName("Label1", 4), {5520, 3600, 732, 252}, 21, {}, tr("净重量Kg")},
            {C::TextBox, "Text12", {6480, 2880, 852, 372}, 22, Song, "", tr("净面积"), "m²",
             SlipOnBox::NetArea},
            {C::TextBox, "Text14", {6480, 3480, 852, 372}, 23, Song, "", tr("净重量"), "kg",
             SlipOnBox::NetWeight},
            {C::Note, "Label2", {120, 3720, 3612, 492}, 24, {},
             tr("净面积为法兰用整块板下料面积。净重即为法兰去掉内径和螺栓孔的重量。")},
            {C::Picture, "Image1", {120, 0, 4836, 3588}, -1, {}, ":/drawings/slipon.svg"},
        },
        .pressures = pressureTexts(FlangeKind::SlipOn),
        .dnBox = SlipOnBox::Dn,
        .findButton = "Command1",
        .clearButton = "Command3",
        .backButton = "Command2",
        .clearOrder = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14},
        .query = runSlipOnQuery,
    };
    // clang-format on
}

SlipOnFlangeWindow::SlipOnFlangeWindow() : QueryWindow(design()) {}
