<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CommandHelp</name>
    <message>
        <source>窗口、帮助和输出的语言：en（英文）或 zh（中文）；
不写时按区域设置</source>
        <translation>the language of the windows, the help and the output&apos;s labels: en or zh;
the locale&apos;s when left out</translation>
    </message>
    <message>
        <source>显示本帮助</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>用法：quorvit</source>
        <translation>Usage: quorvit</translation>
    </message>
    <message>
        <source>打开名为 NAME 的窗口而不是主菜单：takeoff、identify、
pl、so、wn 或 class</source>
        <translation>open the windows at NAME instead of the menu: takeoff, identify, pl,
so, wn or class</translation>
    </message>
    <message>
        <source>显示程序的版本</source>
        <translation>the program&apos;s version</translation>
    </message>
    <message>
        <source>用法：quorvit [--window NAME]     打开查询窗口
      quorvit COMMAND [ARGUMENTS]  运行命令，不开窗口（quorvit COMMAND --help）
      quorvit --help | --version
</source>
        <translation>Usage: quorvit [--window NAME]     open the lookup windows
       quorvit COMMAND [ARGUMENTS]  run a command, without windows (quorvit COMMAND --help)
       quorvit --help | --version
</translation>
    </message>
    <message>
        <source>命令：</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>选项：</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>一片法兰的图纸（DXF、SVG）或它的数据表（PDF）</source>
        <translation>a drawing of one flange to issue (DXF, SVG) or its data sheet (PDF)</translation>
    </message>
    <message>
        <source>要写的文件；原有的文件只被完整写成的新文件替换；
- 写到标准输出（DXF，除非 --format 另指格式）</source>
        <translation>the file to write; an earlier file is replaced only by a complete one;
- writes to stdout (DXF unless --format names another)</translation>
    </message>
    <message>
        <source>dxf（CAD：法兰按 1:1 以毫米绘制，图框和标题栏按出图比例）、
svg（按图幅大小的图纸）或 pdf（图纸和全部数值的表）；
不写时按文件的扩展名</source>
        <translation>dxf (CAD: the flange at 1:1 in millimetres, frame and title block at the plot
scale), svg (the sheet at its paper size) or pdf (the sheet and a table of
every value); from the file&apos;s extension when left out</translation>
    </message>
    <message>
        <source>填写标题栏的“图号”栏</source>
        <translation>fills the title block&apos;s drawing number cell</translation>
    </message>
    <message>
        <source>填写标题栏的“材料”栏</source>
        <translation>fills the title block&apos;s material cell</translation>
    </message>
    <message>
        <source>填写标题栏的“设计”栏</source>
        <translation>fills the title block&apos;s designer cell</translation>
    </message>
    <message>
        <source>图幅为 A4 或 A3（GB/T 14689），比例取 GB/T 14690 中能容纳各视图的最大比例。
</source>
        <translation>The sheet is A4 or A3 (GB/T 14689) at the largest scale of GB/T 14690 that holds the views.
</translation>
    </message>
    <message>
        <source>PL、SO 或 WN（大小写均可，也可写 WN-RF），
或 板式平焊、带颈平焊、带颈对焊（法兰）</source>
        <translation>PL, SO or WN (any case, also WN-RF), or the kind&apos;s Chinese name</translation>
    </message>
    <message>
        <source>公称压力：MPa（1.6、1.6MPa）、bar（16bar）或 PN16（按该类型所列的读作
bar 或 MPa，两者都列时拒绝）</source>
        <translation>nominal pressure: MPa (1.6, 1.6MPa), bar (16bar), or PN16, read as bar or
MPa, whichever the kind lists (refused when it lists both)</translation>
    </message>
    <message>
        <source>公称直径（100、DN100 或 100mm）</source>
        <translation>nominal diameter (100, DN100 or 100mm)</translation>
    </message>
    <message>
        <source>管子系列 A（默认）或 B</source>
        <translation>pipe series A (default) or B</translation>
    </message>
    <message>
        <source>D，法兰外径</source>
        <translation>D, the flange&apos;s outside diameter</translation>
    </message>
    <message>
        <source>K，螺栓孔中心圆直径</source>
        <translation>K, the bolt circle&apos;s diameter</translation>
    </message>
    <message>
        <source>n，螺栓孔数量（须完全相同）</source>
        <translation>n, the number of bolt holes (matched exactly)</translation>
    </message>
    <message>
        <source>L，螺栓孔直径</source>
        <translation>L, the bolt holes&apos; diameter</translation>
    </message>
    <message>
        <source>C，法兰厚度</source>
        <translation>C, the flange&apos;s thickness</translation>
    </message>
    <message>
        <source>A，配管外径（WN 为焊端外径）</source>
        <translation>A, the pipe&apos;s outside diameter (the weld end of WN)</translation>
    </message>
    <message>
        <source>长度允许的偏差，默认 2</source>
        <translation>how far a length may be off, 2 by default</translation>
    </message>
    <message>
        <source>text（默认）、json（数组）或 csv</source>
        <translation>text (default), json (an array) or csv</translation>
    </message>
    <message>
        <source>与量得的尺寸相符的法兰，最接近的在前</source>
        <translation>the listed flanges that fit measurements, best first</translation>
    </message>
    <message>
        <source>一片法兰的尺寸、螺栓、面积和重量</source>
        <translation>the dimensions, bolting, area and weight of one flange</translation>
    </message>
    <message>
        <source>text（默认）、json（一个对象）或 csv（表头和一行）</source>
        <translation>text (default), json (one object) or csv (header and one line)</translation>
    </message>
    <message>
        <source>一种法兰所列的全部规格，每行一条</source>
        <translation>every listed flange of a kind, one record per row</translation>
    </message>
    <message>
        <source>text（默认）、json（对象数组）或 csv（表头，每行一条）</source>
        <translation>text (default), json (an array of objects) or csv (header and one line per row)</translation>
    </message>
    <message>
        <source>一张法兰清单逐行的重量和螺栓，以及合计</source>
        <translation>the weights and bolts of a list of flanges, line by line, with totals</translation>
    </message>
    <message>
        <source>写到 OUT（完整写成后才替换）而不是标准输出</source>
        <translation>write to OUT (replaced only when complete) instead of stdout</translation>
    </message>
    <message>
        <source>text、csv（带字节顺序标记，供电子表格打开）、json 或 xlsx；默认按 OUT 的
扩展名，否则为 text（标准输出不是终端时才把 xlsx 写到标准输出）</source>
        <translation>text, csv (with a byte order mark for spreadsheets), json or xlsx; by
default the one OUT&apos;s extension names, else text (xlsx goes to stdout
only when stdout is not a terminal)</translation>
    </message>
    <message>
        <source>要读的工作表（不写时读第一个）</source>
        <translation>the workbook&apos;s sheet to read (the first when left out)</translation>
    </message>
    <message>
        <source>图纸和标记所写的密封面：RF（默认）、FF、
M、FM、T、G 或 RJ；也可与类型写在一起，如 WN-FF</source>
        <translation>the sealing face the drawing and its marking name: RF (the default), FF,
M, FM, T, G or RJ; also written with the kind, as WN-FF</translation>
    </message>
    <message>
        <source>填写标题栏的“审核”栏</source>
        <translation>fills the title block&apos;s checker cell</translation>
    </message>
    <message>
        <source>填写标题栏的“日期”栏</source>
        <translation>fills the title block&apos;s date cell</translation>
    </message>
    <message>
        <source>清单：CSV 或制表符分隔的文本（UTF-8、GB18030 或带字节顺序标记的 UTF-16），
或 xlsx 工作簿；按表头的列名找列（类型/型式/type、公称压力/压力/PN、
系列/series、公称直径/通径/DN/size、数量/件数/qty，或写标准标记的 标记/规格
列），按列名所写的单位读（公称压力(bar)、数量(副)、一行单位），
表头上方的标题行写在表的上方，其他各列原样带出；没有表头时各列依次为类型、
公称压力、系列、公称直径、数量；- 读标准输入</source>
        <translation>a line list: CSV or tab-separated text (UTF-8, GB18030 or UTF-16 with a byte
order mark) or an xlsx workbook; columns found by their header&apos;s names, in
Chinese or English (type, PN, series, DN/size, qty, or a designation column
holding a standard marking), with the units they name (pressure in bar, quantity
in pairs, a row of units); title rows above the header written above the table,
every other column carried through; without a header: kind, pressure, series,
dn, quantity; - reads stdin</translation>
    </message>
    <message>
        <source>合计：法兰数、重量，以及各副法兰的螺栓（按带长度的规格）、螺母（按螺纹）和
垫片（按密封面、公称直径和压力；两片法兰为一副）；清单有材质列
（材质/材料/material）时按材质分开。
不能计算的行保留原位并注明原因（text、CSV 和 xlsx 中用所选的语言，JSON 和
标准错误输出中用英文，后者只列前 100 条），不计入合计；此时退出码为 1。
小计、注释、单位行和重复的表头作为跳过的行列出，不影响退出码；
每条原因都按清单自己的行号注明。</source>
        <translation>The totals: flanges, weight, and the joints&apos; bolts by designation with length,
nuts by thread and gaskets by face, DN and pressure (two flanges a joint), for
each material when the list has a material column (material, in Chinese or
English).
A line that cannot be taken off keeps its place with the reason (in the chosen
language in the text, CSV and xlsx forms; English in JSON and on stderr, the
first 100 there), and counts for nothing in the totals; the exit code is then 1.
Subtotals, notes, rows of units and repeated headers are reported as skipped
and do not change the exit code; every reason cites the list&apos;s own row.</translation>
    </message>
    <message>
        <source>清单是已经读过的各行（批量计算窗口交给本命令的形式）：每行前五列
为行号、跳过的原因和出错的原因（中文、英文），各行保留这些，
不再判断</source>
        <translation>the list holds lines read before (the form in which the take-off window
hands them on): each row&apos;s first five columns are the line number and why
it was skipped or refused (Chinese, English), which the lines keep</translation>
    </message>
    <message>
        <source>结果完整写出即退出码为 0，即使有不能计算的行或超出范围的
合计（结果中已注明）</source>
        <translation>exit 0 once the output is written whole, even with lines that cannot be
computed or totals past their limit (the output says so)</translation>
    </message>
    <message>
        <source>ASME B16.5 法兰在某一温度下的最高工作压力，或承受设计压力的最低压力等级</source>
        <translation>the maximum working pressure of ASME B16.5 flanges at a temperature, or the lowest class that holds a design pressure</translation>
    </message>
    <message>
        <source>材料组（1.1、2.1）或材料：A105、A216 WCB、A515-70、A516-70（1.1），
A182 F304、A351 CF8、304（2.1）</source>
        <translation>a material group (1.1, 2.1) or a material: A105, A216 WCB, A515-70, A516-70 (1.1),
A182 F304, A351 CF8, 304 (2.1)</translation>
    </message>
    <message>
        <source>温度，°C（250、250°C、-20℃）</source>
        <translation>the temperature in °C (250, 250°C, -20℃)</translation>
    </message>
    <message>
        <source>压力等级：150、Class 150、CL150、150#、150LB 或 PN20（HG/T 20615 的写法）</source>
        <translation>the class: 150, Class 150, CL150, 150#, 150LB or PN20 (as HG/T 20615 writes it)</translation>
    </message>
    <message>
        <source>设计压力（表压）：40bar、4MPa、4.0（MPa）或 40.8kgf/cm²；
不写 --class 时给出承受它的最低压力等级和裕量</source>
        <translation>the design pressure, gauge: 40bar, 4MPa, 4.0 (MPa) or 40.8kgf/cm²;
without --class, the lowest class that holds it and the margin</translation>
    </message>
    <message>
        <source>text（默认）或 json（一个对象）</source>
        <translation>text (default) or json (an object)</translation>
    </message>
    <message>
        <source>在所列温度之间按线性插值，B16.5 允许这样做；低于或高于所列温度、或没有额定值的材料组
和压力等级不予接受（退出码 1）。只写 --class：该等级的最高工作压力；只写 --pressure：
承受它的最低压力等级（150、300、600、900、1500、2500；Class 400 有额定值，但 HG/T 20615
和法兰尺寸表中没有，用 --class 400 查）；两者都写：该等级是否承受（不承受时退出码 1）；
两者都不写：各压力等级的最高工作压力。</source>
        <translation>Interpolated linearly between the listed temperatures, as B16.5 allows; a temperature below or
above those listed, or a group or class without ratings, is refused (exit status 1). --class
alone: that class&apos;s maximum working pressure; --pressure alone: the lowest class that holds it
(150, 300, 600, 900, 1500, 2500; Class 400 is rated but neither HG/T 20615 nor the flange tables
make it: ask with --class 400); both: whether that class holds it (exit status 1 if not);
neither: the maximum working pressure of every class.</translation>
    </message>
    <message>
        <source>PL、SO 或 WN（大小写均可，也可写 WN-RF），
或 板式平焊、带颈平焊、带颈对焊（法兰）；
Class 系列另有 BL（法兰盖）；
或只写一个完整的标记：&quot;HG 20595 法兰 WN 100-2.5 RF&quot;（标准号，
(B) 表示 B 系列，横线后是公称压力）</source>
        <translation>PL, SO or WN (any case, also WN-RF), or the kind&apos;s Chinese name;
in the Class series also BL (blind);
or alone, a whole marking: &quot;HG 20595 ... WN 100-2.5 RF&quot; (its standard&apos;s
number, (B) for series B, the PN after the dash)</translation>
    </message>
    <message>
        <source>公称压力（见 table --help），或 Class 等级：150、Class 150、CL150、
150#、150LB 或 HG/T 20615 的 PN20、PN50、PN110、PN150、PN260、PN420</source>
        <translation>nominal pressure (see table --help), or a class: 150, Class 150, CL150,
150#, 150LB or HG/T 20615&apos;s PN20, PN50, PN110, PN150, PN260, PN420</translation>
    </message>
    <message>
        <source>公称直径（100、DN100 或 100mm）；Class 系列也可写 NPS：
4&quot;、4in、NPS 4、1-1/2&quot;、1½&quot;</source>
        <translation>nominal diameter (100, DN100 or 100mm); in the Class series also an NPS:
4&quot;, 4in, NPS 4, 1-1/2&quot;, 1½&quot;</translation>
    </message>
    <message>
        <source>只列这个公称压力（1.6、16bar 或 PN16）；不写时列出所有压力；
或 Class 等级（150、CL150、150#、PN20），列出 Class 系列（ASME B16.5）；
BL（法兰盖）只有 Class 系列</source>
        <translation>only this nominal pressure (1.6, 16bar or PN16); every pressure when left out;
or a class (150, CL150, 150#, PN20): the Class series (ASME B16.5);
BL (blind) is in the Class series only</translation>
    </message>
    <message>
        <source>Class 系列带颈对焊法兰的内径按哪个管子表号（默认 STD）</source>
        <translation>the pipe schedule a Class series weld-neck flange is bored to (STD by default)</translation>
    </message>
    <message>
        <source>PL、SO 或 WN（大小写均可，也可写 WN-RF），
或 板式平焊、带颈平焊、带颈对焊（法兰）；
Class 系列另有 BL（法兰盖）</source>
        <translation>PL, SO or WN (any case, also WN-RF), or the kind&apos;s Chinese name;
in the Class series also BL (blind)</translation>
    </message>
    <message>
        <source>至少给出一个尺寸。查遍各类型和两个系列；与每个尺寸都相符的行按总偏差
从小到大列出，其后是相符的 Class 系列（ASME B16.5）法兰。
没有相符的：退出码 1。</source>
        <translation>Give at least one measurement. Every kind and both series are searched; the rows
that fit every measurement are listed by total deviation, smallest first, then the Class
series (ASME B16.5) flanges that fit. None: exit 1.</translation>
    </message>
</context>
<context>
    <name>DataSheet</name>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>符号</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source> 系列</source>
        <translation> series </translation>
    </message>
    <message>
        <source>数据表</source>
        <translation> data sheet</translation>
    </message>
</context>
<context>
    <name>FlangeDrawing</name>
    <message>
        <source>no drawing: the table gives %1 of %2 PN%3 DN%4 series %5 as 0</source>
        <translation>no drawing: the table gives %1 of %2 PN%3 DN%4 series %5 as 0</translation>
    </message>
    <message>
        <source>法兰</source>
        <translation> flange</translation>
    </message>
    <message>
        <source>突面 RF 的 d、f 未收录，图中未画出突台</source>
        <translation>raised face RF: d and f not on record, the raised face is not drawn</translation>
    </message>
    <message>
        <source>密封面 %1 的尺寸未收录，图中未画出</source>
        <translation>sealing face %1: its sizes are not on record, it is not drawn</translation>
    </message>
    <message>
        <source>no drawing: the pipe table gives no %1 wall for %2</source>
        <translation>no drawing: the pipe table gives no %1 wall for %2</translation>
    </message>
</context>
<context>
    <name>FlangeField</name>
    <message>
        <source>螺栓孔数量</source>
        <translation>Number of bolt holes</translation>
    </message>
    <message>
        <source>螺栓孔直径</source>
        <translation>Bolt hole diameter</translation>
    </message>
    <message>
        <source>螺栓孔数量和孔径</source>
        <translation>Number and diameter of bolt holes</translation>
    </message>
    <message>
        <source>螺栓规格</source>
        <translation>Bolt thread</translation>
    </message>
    <message>
        <source>螺栓规格及长度</source>
        <translation>Bolt with length</translation>
    </message>
    <message>
        <source>螺栓长度</source>
        <translation>Bolt length</translation>
    </message>
    <message>
        <source>每根螺栓的螺母数</source>
        <translation>Nuts per bolt</translation>
    </message>
    <message>
        <source>净面积</source>
        <translation>Net area</translation>
    </message>
    <message>
        <source>净重量</source>
        <translation>Net weight</translation>
    </message>
    <message>
        <source>坡口宽度</source>
        <translation>Bevel width</translation>
    </message>
    <message>
        <source>配管外径</source>
        <translation>Pipe outside diameter</translation>
    </message>
    <message>
        <source>法兰内径</source>
        <translation>Flange bore</translation>
    </message>
    <message>
        <source>螺栓孔中心圆直径</source>
        <translation>Bolt circle diameter</translation>
    </message>
    <message>
        <source>法兰外径</source>
        <translation>Flange outside diameter</translation>
    </message>
    <message>
        <source>突面高度</source>
        <translation>Raised face height</translation>
    </message>
    <message>
        <source>法兰厚度</source>
        <translation>Flange thickness</translation>
    </message>
    <message>
        <source>颈根圆角半径</source>
        <translation>Hub root fillet radius</translation>
    </message>
    <message>
        <source>法兰总高度</source>
        <translation>Overall flange height</translation>
    </message>
    <message>
        <source>法兰颈外径</source>
        <translation>Hub outside diameter</translation>
    </message>
    <message>
        <source>焊端外径</source>
        <translation>Weld end outside diameter</translation>
    </message>
    <message>
        <source>颈部大端直径</source>
        <translation>Hub diameter at the base</translation>
    </message>
    <message>
        <source>焊端壁厚</source>
        <translation>Weld end wall thickness</translation>
    </message>
    <message>
        <source>焊端直段高度</source>
        <translation>Straight weld end length</translation>
    </message>
    <message>
        <source>过渡圆角半径</source>
        <translation>Transition fillet radius</translation>
    </message>
    <message>
        <source>行号</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>公称压力</source>
        <translation>Nominal pressure</translation>
    </message>
    <message>
        <source>系列</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>公称直径</source>
        <translation>Nominal diameter</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>单重</source>
        <translation>Unit weight</translation>
    </message>
    <message>
        <source>重量</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>法兰外径（公制表）</source>
        <translation>Outside diameter (metric table)</translation>
    </message>
    <message>
        <source>法兰厚度（不含突面）</source>
        <translation>Flange thickness (without raised face)</translation>
    </message>
    <message>
        <source>突面直径</source>
        <translation>Raised face diameter</translation>
    </message>
    <message>
        <source>螺栓直径</source>
        <translation>Bolt diameter</translation>
    </message>
    <message>
        <source>螺柱长度</source>
        <translation>Stud bolt length</translation>
    </message>
    <message>
        <source>法兰高度（不含突面）</source>
        <translation>Length through hub (without raised face)</translation>
    </message>
    <message>
        <source>管子表号</source>
        <translation>Pipe schedule</translation>
    </message>
    <message>
        <source>计算重量</source>
        <translation>Computed weight</translation>
    </message>
    <message>
        <source>未包括（数据中没有 Class %1 NPS %2 的 B16.21 平垫片）</source>
        <translation>not included (the data has no B16.21 flat ring for Class %1 NPS %2)</translation>
    </message>
    <message>
        <source>ASME B16.21 平垫片 %1 × %2（厚度按订货）</source>
        <translation>ASME B16.21 flat ring %1 × %2 (thickness as ordered)</translation>
    </message>
    <message>
        <source>螺母</source>
        <translation>Nut</translation>
    </message>
    <message>
        <source>垫片</source>
        <translation>Gasket</translation>
    </message>
    <message>
        <source>垫片内径</source>
        <translation>Gasket inside diameter</translation>
    </message>
    <message>
        <source>垫片外径</source>
        <translation>Gasket outside diameter</translation>
    </message>
    <message>
        <source>重型六角螺母</source>
        <translation>heavy hex nuts</translation>
    </message>
</context>
<context>
    <name>FlangeInput</name>
    <message>
        <source>%1 可能是板式平焊（PL）或带颈平焊（SO）：请写 PL 或 SO</source>
        <translation>%1 could be a plate slip-on (PL) or a hubbed slip-on (SO) flange: write PL or SO</translation>
    </message>
    <message>
        <source>未知的法兰类型 %1（PL、SO、WN、板式平焊、带颈平焊、带颈对焊）</source>
        <translation>unknown flange kind %1 (PL, SO, WN, or their Chinese names)</translation>
    </message>
    <message>
        <source>公称压力 %1 不是压力（1.6、1.6MPa、16bar 或 PN16）</source>
        <translation>pressure %1 is not a pressure (1.6, 1.6MPa, 16bar or PN16)</translation>
    </message>
    <message>
        <source>%1 可能是 %2 MPa 或 %3 MPa：请写 %4MPa 或 %5MPa</source>
        <translation>%1 could be %2 MPa or %3 MPa: write %4MPa or %5MPa</translation>
    </message>
    <message>
        <source>公称直径 %1 不是数（100、DN100 或 100mm）</source>
        <translation>DN %1 is not a number (100, DN100 or 100mm)</translation>
    </message>
    <message>
        <source>公称直径 %1 不是整数</source>
        <translation>DN %1 is not a whole number</translation>
    </message>
    <message>
        <source>系列 %1 不是 A 或 B</source>
        <translation>series %1 is not A or B</translation>
    </message>
    <message>
        <source>没有数量</source>
        <translation>no quantity</translation>
    </message>
    <message>
        <source>数量 %1 不是数</source>
        <translation>quantity %1 is not a number</translation>
    </message>
    <message>
        <source>数量 %1 不是整数</source>
        <translation>quantity %1 is not a whole number</translation>
    </message>
    <message>
        <source>数量 %1 不是正数</source>
        <translation>quantity %1 is not a positive number</translation>
    </message>
    <message>
        <source>数量 %1 超过一行的上限 %2</source>
        <translation>quantity %1 is more than %2 on one line</translation>
    </message>
    <message>
        <source>%2 没有公称压力 %1；有：%3</source>
        <translation>pressure %1 is not listed for %2; listed: %3</translation>
    </message>
    <message>
        <source>%2 在 %3 MPa 下没有 DN %1；有：%4</source>
        <translation>DN %1 is not listed for %2 at %3 MPa; listed: %4</translation>
    </message>
    <message>
        <source>%1 不是法兰标记（如 PL 100(B)-1.6 RF）</source>
        <translation>%1 is no flange marking (as PL 100(B)-1.6 RF)</translation>
    </message>
    <message>
        <source>%1 在 %2 MPa 下没有密封面 %3；有：%4</source>
        <translation>%1 at %2 MPa has no face %3; listed: %4</translation>
    </message>
    <message>
        <source>%1 在 %2 MPa 下 DN %3 没有 %4 系列</source>
        <translation>%1 DN %3 at %2 MPa has no series %4 form</translation>
    </message>
    <message>
        <source>%1：%2 是%3（%4）法兰的标准，不是 %5 的：请写 HG %6-97 或 HG %7</source>
        <translation>%1: %2 is the standard of %3 (%4) flanges, not of %5: write HG %6-97 or HG %7</translation>
    </message>
    <message>
        <source>%1：%2 只有 1997 年版：请写 HG %3-97 或 HG %4</source>
        <translation>%1: %2 is of the 1997 edition only: write HG %3-97 or HG %4</translation>
    </message>
    <message>
        <source>%1：%2 不是 PL、SO、WN 法兰的标准：请写 HG %3-97 或 HG %4</source>
        <translation>%1: %2 is not a standard of PL, SO or WN flanges: write HG %3-97 or HG %4</translation>
    </message>
    <message>
        <source>%1 %2 含有上标数字</source>
        <translation>%1 %2 holds a superscript digit</translation>
    </message>
    <message>
        <source>%1 %2 含有下标数字</source>
        <translation>%1 %2 holds a subscript digit</translation>
    </message>
    <message>
        <source>%1 %2 含有带圈数字</source>
        <translation>%1 %2 holds a circled digit</translation>
    </message>
    <message>
        <source>%1 %2 含有非半角、非全角的数字</source>
        <translation>%1 %2 holds a digit that is neither ASCII nor full-width</translation>
    </message>
    <message>
        <source>公称压力</source>
        <translation>pressure</translation>
    </message>
    <message>
        <source>公称直径</source>
        <translation>DN</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>quantity</translation>
    </message>
    <message>
        <source>%1 可能是 Class %2（HG/T 20615）或 PN %3 MPa：请写 CL%2 或 %3MPa</source>
        <translation>%1 could be Class %2 (HG/T 20615) or PN %3 MPa: write CL%2 or %3MPa</translation>
    </message>
    <message>
        <source>%1 是 Class 等级：Class 系列（ASME B16.5）没有 %2 法兰，只有 WN、SO、BL</source>
        <translation>%1 is a class: the Class series (ASME B16.5) has no %2 flanges, only WN, SO and BL</translation>
    </message>
    <message>
        <source>%2 没有 Class %1；有：%3</source>
        <translation>%2 is not listed at Class %1; listed: %3</translation>
    </message>
    <message>
        <source>尺寸 %1 既不是 NPS（4&quot;、4in、1-1/2&quot;）也不是 DN（DN100）</source>
        <translation>size %1 is neither an NPS (4&quot;, 4in, 1-1/2&quot;) nor a DN (DN100)</translation>
    </message>
    <message>
        <source>NPS %1 不是以 1/4 英寸计的管子尺寸</source>
        <translation>NPS %1 is no pipe size in quarter inches</translation>
    </message>
    <message>
        <source>%2 在 Class %3 下没有 %1；有：NPS %4</source>
        <translation>%1 is not listed for %2 at Class %3; listed: NPS %4</translation>
    </message>
    <message>
        <source>PN 系列的 %1 法兰暂未收录；Class 系列有（%1 CL150 4&quot;）</source>
        <translation>the PN series&apos; %1 flanges are not included yet; the Class series lists them (%1 CL150 4&quot;)</translation>
    </message>
    <message>
        <source>管子表号 %1 不在表中；有：%2</source>
        <translation>schedule %1 is not listed; listed: %2</translation>
    </message>
</context>
<context>
    <name>FlangeKind</name>
    <message>
        <source>板式平焊</source>
        <translation>Plate slip-on</translation>
    </message>
    <message>
        <source>带颈平焊</source>
        <translation>Hubbed slip-on</translation>
    </message>
    <message>
        <source>带颈对焊</source>
        <translation>Weld-neck</translation>
    </message>
    <message>
        <source>法兰盖</source>
        <translation>Blind</translation>
    </message>
</context>
<context>
    <name>IdentifyMatchModel</name>
    <message>
        <source>双击或按回车键在%1窗口中查找</source>
        <translation>Double-click or press Enter to look it up in the %1 window</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>公称压力(MPa)</source>
        <translation>PN (MPa)</translation>
    </message>
    <message>
        <source>公称直径</source>
        <translation>DN</translation>
    </message>
    <message>
        <source>系列</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>总偏差(mm)</source>
        <translation>Total deviation (mm)</translation>
    </message>
    <message>
        <source>%1偏差</source>
        <translation>%1 deviation</translation>
    </message>
    <message>
        <source>%1偏差(mm)</source>
        <translation>%1 deviation (mm)</translation>
    </message>
</context>
<context>
    <name>IdentifyWindow</name>
    <message>
        <source>法兰外径 D</source>
        <translation>Outside diameter D</translation>
    </message>
    <message>
        <source>螺栓孔中心圆直径 K</source>
        <translation>Bolt circle K</translation>
    </message>
    <message>
        <source>螺栓孔数量 n</source>
        <translation>Bolt holes n</translation>
    </message>
    <message>
        <source>螺栓孔直径 L</source>
        <translation>Hole diameter L</translation>
    </message>
    <message>
        <source>法兰厚度 C</source>
        <translation>Thickness C</translation>
    </message>
    <message>
        <source>配管外径 A</source>
        <translation>Pipe OD A</translation>
    </message>
    <message>
        <source>反查法兰</source>
        <translation>Identify a flange</translation>
    </message>
    <message>
        <source>个</source>
        <translation>number</translation>
    </message>
    <message>
        <source>公差</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>mm，每项尺寸允许的偏差</source>
        <translation>mm, the deviation allowed in each dimension</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>相符的法兰</source>
        <translation>Matching flanges</translation>
    </message>
    <message>
        <source>按总偏差排序；双击或按回车键在查询窗口中查找</source>
        <translation>By total deviation; double-click or press Enter to look one up in its query window</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>返回主菜单</source>
        <translation>Back to the main menu</translation>
    </message>
    <message>
        <source>请至少输入一项尺寸</source>
        <translation>Enter at least one dimension</translation>
    </message>
    <message>
        <source>公差 %1 mm 内没有相符的法兰</source>
        <translation>No flange matches within %1 mm</translation>
    </message>
    <message numerus="yes">
        <source>相符的法兰 %n 种，双击一行在查询窗口中查找</source>
        <translation>
            <numerusform>%n matching flange, double-click it to look it up in its query window</numerusform>
            <numerusform>%n matching flanges, double-click one to look it up in its query window</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--lang 只能是 en（英文）或 zh（中文），不是 “%1”</source>
        <translation>--lang takes en (English) or zh (Chinese), not “%1”</translation>
    </message>
</context>
<context>
    <name>ClassFlangeWindow</name>
    <message>
        <source>Class 系列</source>
        <translation>Class series</translation>
    </message>
    <message>
        <source>所选类型、压力等级和尺寸的法兰</source>
        <translation>the flange of the kind, class and size chosen</translation>
    </message>
    <message>
        <source>返回主菜单</source>
        <translation>back to the main menu</translation>
    </message>
    <message>
        <source>所查的法兰</source>
        <translation>the flange looked up</translation>
    </message>
    <message>
        <source>最高工作压力</source>
        <translation>maximum working pressure</translation>
    </message>
    <message>
        <source>法兰内径</source>
        <translation>Bore</translation>
    </message>
    <message>
        <source>法兰颈外径</source>
        <translation>Hub diameter</translation>
    </message>
    <message>
        <source>法兰高度（不含突面）</source>
        <translation>Length through hub (without raised face)</translation>
    </message>
    <message>
        <source>螺栓孔数量和孔径</source>
        <translation>Bolt holes: count and diameter</translation>
    </message>
    <message>
        <source>螺栓直径</source>
        <translation>Bolt diameter</translation>
    </message>
    <message>
        <source>法兰厚度（不含突面）</source>
        <translation>Flange thickness (without raised face)</translation>
    </message>
    <message>
        <source>突面高度</source>
        <translation>Raised face height</translation>
    </message>
    <message>
        <source>突面直径</source>
        <translation>Raised face diameter</translation>
    </message>
    <message>
        <source>螺栓孔中心圆直径</source>
        <translation>Bolt circle diameter</translation>
    </message>
    <message>
        <source>法兰外径</source>
        <translation>Outside diameter</translation>
    </message>
    <message>
        <source>法兰类型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>WN、SO 或 BL</source>
        <translation>WN, SO or BL</translation>
    </message>
    <message>
        <source>压力等级</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Class 150～2500</source>
        <translation>Class 150 to 2500</translation>
    </message>
    <message>
        <source>公称尺寸</source>
        <translation>Pipe size</translation>
    </message>
    <message>
        <source>NPS 如 4&quot;、1-1/2&quot;，或 DN100</source>
        <translation>an NPS such as 4&quot;, 1-1/2&quot;, or DN100</translation>
    </message>
    <message>
        <source>，按回车键查找</source>
        <translation>; Enter looks it up</translation>
    </message>
    <message>
        <source>管子表号</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>带颈对焊法兰的内径按此，默认 STD</source>
        <translation>the weld-neck bore follows it; STD by default</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>双头螺柱</source>
        <translation>Stud bolts</translation>
    </message>
    <message>
        <source>双头螺柱规格及长度</source>
        <translation>Stud bolt designation and length</translation>
    </message>
    <message>
        <source>螺柱数量</source>
        <translation>Studs</translation>
    </message>
    <message>
        <source>每副法兰的螺柱数量</source>
        <translation>Stud bolts per joint</translation>
    </message>
    <message>
        <source>重型六角螺母</source>
        <translation>Heavy hex nuts</translation>
    </message>
    <message>
        <source>每副法兰的重型六角螺母数量</source>
        <translation>Heavy hex nuts per joint</translation>
    </message>
    <message>
        <source>垫片</source>
        <translation>Gasket</translation>
    </message>
    <message>
        <source>计算重量</source>
        <translation>Computed weight</translation>
    </message>
    <message>
        <source>按几何尺寸计算的重量</source>
        <translation>Weight computed from the geometry</translation>
    </message>
    <message>
        <source>压力-温度额定值（ASME B16.5）</source>
        <translation>Pressure–temperature rating (ASME B16.5)</translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>材料或材料组</source>
        <translation>Material or material group</translation>
    </message>
    <message>
        <source>A105、WCB、F304 或 1.1、2.1</source>
        <translation>A105, WCB, F304 or 1.1, 2.1</translation>
    </message>
    <message>
        <source>温度 °C</source>
        <translation>Temperature °C</translation>
    </message>
    <message>
        <source>温度</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>法兰盖只有 Class 系列（ASME B16.5 / HG/T 20615）；PN 系列（HG 20592）的法兰盖暂未收录。</source>
        <translation>Blind flanges are in the Class series only (ASME B16.5 / HG/T 20615); the PN series&apos; (HG 20592) are not included yet.</translation>
    </message>
    <message>
        <source>请选择法兰类型！</source>
        <translation>Choose the kind!</translation>
    </message>
    <message>
        <source>请选择压力等级！</source>
        <translation>Choose the class!</translation>
    </message>
    <message>
        <source>请输入公称尺寸！</source>
        <translation>Type the pipe size!</translation>
    </message>
    <message>
        <source>%1（每根 %2 个）</source>
        <translation>%1 (%2 a stud)</translation>
    </message>
    <message>
        <source>输入材料和温度，得出所选压力等级的最高工作压力。</source>
        <translation>Type a material and a temperature for the chosen class&apos;s maximum working pressure.</translation>
    </message>
    <message>
        <source>请选择压力等级。</source>
        <translation>Choose the class.</translation>
    </message>
    <message>
        <source>Class %1 在 %2 °C：最高工作压力 %3 bar（%4 MPa）</source>
        <translation>Class %1 at %2 °C: maximum working pressure %3 bar (%4 MPa)</translation>
    </message>
    <message>
        <source>Class %1 没有额定值。</source>
        <translation>Class %1 is not rated.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Class 系列</source>
        <translation>Class series</translation>
    </message>
    <message>
        <source>ASME B16.5 / HG/T 20615 的 WN、SO、BL 法兰，Ctrl+K</source>
        <translation>WN, SO and BL flanges of ASME B16.5 / HG/T 20615, Ctrl+K</translation>
    </message>
    <message>
        <source>Class 系列…</source>
        <translation>Class series…</translation>
    </message>
    <message>
        <source>法兰盖（BL）：Class 系列（ASME B16.5）；PN 系列的法兰盖暂未收录</source>
        <translation>Blind flanges (BL): the Class series (ASME B16.5); the PN series&apos; are not included yet</translation>
    </message>
    <message>
        <source>批量计算</source>
        <translation>Take-off</translation>
    </message>
    <message>
        <source>反查法兰</source>
        <translation>Identify</translation>
    </message>
    <message>
        <source>清单中各法兰的尺寸、螺栓和重量，Ctrl+T</source>
        <translation>Dimensions, bolts and weight of every flange of a list, Ctrl+T</translation>
    </message>
    <message>
        <source>按量得的尺寸找出法兰，Ctrl+I</source>
        <translation>Find a flange from measured dimensions, Ctrl+I</translation>
    </message>
    <message>
        <source>批量计算…</source>
        <translation>Take-off…</translation>
    </message>
    <message>
        <source>反查法兰…</source>
        <translation>Identify a flange…</translation>
    </message>
    <message>
        <source>Quorvit查询</source>
        <translation>Quorvit lookup</translation>
    </message>
    <message>
        <source>PL(板式)</source>
        <translation>PL (plate)</translation>
    </message>
    <message>
        <source>SO(带颈平焊)</source>
        <translation>SO (hubbed)</translation>
    </message>
    <message>
        <source>WN(带颈对焊)</source>
        <translation>WN (weld-neck)</translation>
    </message>
    <message>
        <source>BL(法兰盖)</source>
        <translation>BL (blind)</translation>
    </message>
    <message>
        <source>密封面尺寸</source>
        <translation>Sealing faces</translation>
    </message>
    <message>
        <source>退  出</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>OneLineList</name>
    <message>
        <source>请选择</source>
        <translation>Choose</translation>
    </message>
</context>
<context>
    <name>PlateFlangeWindow</name>
    <message>
        <source>板式平焊钢制管法兰</source>
        <translation>Plate slip-on steel pipe flange</translation>
    </message>
    <message>
        <source>压力 MPa</source>
        <translation>Pressure MPa</translation>
    </message>
    <message>
        <source>公称压力</source>
        <translation>Nominal pressure</translation>
    </message>
    <message>
        <source>配管外径形式</source>
        <translation>Pipe OD series</translation>
    </message>
    <message>
        <source>A 或 B</source>
        <translation>A or B</translation>
    </message>
    <message>
        <source>公称直径mm</source>
        <translation>DN mm</translation>
    </message>
    <message>
        <source>公称直径</source>
        <translation>Nominal diameter</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>净面积M2=</source>
        <translation>Net area m²=</translation>
    </message>
    <message>
        <source>净面积</source>
        <translation>Net area</translation>
    </message>
    <message>
        <source>净重量Kg=</source>
        <translation>Net weight kg=</translation>
    </message>
    <message>
        <source>净重量</source>
        <translation>Net weight</translation>
    </message>
    <message>
        <source>坡口宽度</source>
        <translation>Bevel width</translation>
    </message>
    <message>
        <source>配管外径</source>
        <translation>Pipe outside diameter</translation>
    </message>
    <message>
        <source>螺栓孔数量和孔径</source>
        <translation>Number and diameter of bolt holes</translation>
    </message>
    <message>
        <source>螺栓规格</source>
        <translation>Bolt size</translation>
    </message>
    <message>
        <source>法兰内径</source>
        <translation>Flange bore</translation>
    </message>
    <message>
        <source>螺栓孔中心圆直径</source>
        <translation>Bolt circle diameter</translation>
    </message>
    <message>
        <source>法兰外径</source>
        <translation>Flange outside diameter</translation>
    </message>
    <message>
        <source>突面高度</source>
        <translation>Raised face height</translation>
    </message>
    <message>
        <source>法兰厚度</source>
        <translation>Flange thickness</translation>
    </message>
    <message>
        <source>尺寸按 HG 20593-97 标准。配管外径形式即为与法兰所配用的接管。</source>
        <translation>Dimensions to HG 20593-97. The pipe OD series is that of the pipe fitted to the flange.</translation>
    </message>
</context>
<context>
    <name>PressureRating</name>
    <message>
        <source>温度 %1 是华氏度：请写摄氏度</source>
        <translation>temperature %1 is in °F: write it in °C</translation>
    </message>
    <message>
        <source>温度 %1 不是温度（250、250°C、-20℃）</source>
        <translation>temperature %1 is not a temperature (250, 250°C, -20℃)</translation>
    </message>
    <message>
        <source>设计压力 %1 不是以 MPa、bar 或 kgf/cm² 表示的压力（4.0、4MPa、40bar）</source>
        <translation>design pressure %1 is not a pressure in MPa, bar or kgf/cm² (4.0, 4MPa, 40bar)</translation>
    </message>
    <message>
        <source>设计压力 %1 小于零：额定值是表压</source>
        <translation>design pressure %1 is below zero: the ratings are gauge pressures</translation>
    </message>
    <message>
        <source>材料组 %1 没有收录额定值（收录的材料组：%2）</source>
        <translation>material group %1 has no ratings here (groups rated: %2)</translation>
    </message>
    <message>
        <source>材料 %1 没有收录所属的材料组（收录的材料：%2；或写材料组：%3）</source>
        <translation>material %1 has no material group here (materials: %2; or a group: %3)</translation>
    </message>
    <message>
        <source>材料组 %1 没有 Class %2 的额定值（有：%3）</source>
        <translation>group %1 has no Class %2 ratings (classes rated: %3)</translation>
    </message>
    <message>
        <source>材料组 %1 Class %2 低于 %3 °C 没有额定值（额定温度 %4 ~ %5 °C）</source>
        <translation>group %1 Class %2 has no rating below %3 °C (rated from %4 to %5 °C)</translation>
    </message>
    <message>
        <source>材料组 %1 Class %2 高于 %3 °C 没有额定值（额定温度 %4 ~ %5 °C）</source>
        <translation>group %1 Class %2 has no rating above %3 °C (rated from %4 to %5 °C)</translation>
    </message>
    <message>
        <source>材料组 %3 在 %2 °C 下没有能承受 %1 bar 的压力等级：Class %4 为 %5 bar</source>
        <translation>no class holds %1 bar at %2 °C in group %3: Class %4 is rated %5 bar</translation>
    </message>
    <message>
        <source>材料 %1 属于材料组 %2，该组没有收录额定值（收录的材料组：%3）</source>
        <translation>material %1 is in material group %2, which has no ratings here (groups rated: %3)</translation>
    </message>
</context>
<context>
    <name>PrintDocument</name>
    <message>
        <source>预览只显示前 %1 页，打印时印出全部各页。</source>
        <translation>The preview shows the first %1 pages; printing prints every page.</translation>
    </message>
</context>
<context>
    <name>QueryMessage</name>
    <message>
        <source>请确认公称通径！</source>
        <translation>Check the nominal diameter!</translation>
    </message>
    <message>
        <source>请确定焊端外径！</source>
        <translation>Choose the weld end outside diameter!</translation>
    </message>
    <message>
        <source>压力不对，重新输入！</source>
        <translation>Wrong pressure, enter it again!</translation>
    </message>
    <message>
        <source>请重新输入公称直径！</source>
        <translation>Enter the nominal diameter again!</translation>
    </message>
    <message>
        <source>请选择配管外径形式！</source>
        <translation>Choose the pipe OD series!</translation>
    </message>
    <message>
        <source>公称压力不对，请重新输入！</source>
        <translation>Wrong nominal pressure, enter it again!</translation>
    </message>
    <message>
        <source>公称直径不对，请重新输入！</source>
        <translation>Wrong nominal diameter, enter it again!</translation>
    </message>
    <message>
        <source>请选择法兰内径形式！</source>
        <translation>Choose the bore series!</translation>
    </message>
    <message>
        <source>请确定公称压力！</source>
        <translation>Choose the nominal pressure!</translation>
    </message>
</context>
<context>
    <name>QueryWindow</name>
    <message>
        <source>，按回车键查找</source>
        <translation>, Enter finds</translation>
    </message>
    <message>
        <source>此窗口没有法兰数据</source>
        <translation>This window has no flange data</translation>
    </message>
    <message>
        <source>请先选择公称压力</source>
        <translation>Choose a nominal pressure first</translation>
    </message>
    <message>
        <source>请先选择系列</source>
        <translation>Choose a series first</translation>
    </message>
    <message>
        <source>请先输入公称直径</source>
        <translation>Enter a nominal diameter first</translation>
    </message>
    <message>
        <source>此公称直径未列出</source>
        <translation>This nominal diameter is not listed</translation>
    </message>
    <message>
        <source>此公称直径没有 %1 系列的规格</source>
        <translation>This nominal diameter has no size in series %1</translation>
    </message>
</context>
<context>
    <name>RatingOutput</name>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>%1 bar（%2 MPa）</source>
        <translation>%1 bar (%2 MPa)</translation>
    </message>
    <message>
        <source>ASME B16.5 表中所列</source>
        <translation>listed in ASME B16.5</translation>
    </message>
    <message>
        <source>在 %1 °C 与 %2 °C 之间线性插值</source>
        <translation>interpolated linearly between %1 °C and %2 °C</translation>
    </message>
    <message>
        <source>材料组 %1</source>
        <translation>material group %1</translation>
    </message>
    <message>
        <source>%1（材料组 %2）</source>
        <translation>%1 (material group %2)</translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>温度</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>设计压力</source>
        <translation>Design pressure</translation>
    </message>
    <message>
        <source>最低压力等级</source>
        <translation>Lowest class</translation>
    </message>
    <message>
        <source>压力等级</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>最高工作压力</source>
        <translation>Maximum working pressure</translation>
    </message>
    <message>
        <source>依据</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>裕量</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>最高工作压力(bar)</source>
        <translation>Max. working pressure(bar)</translation>
    </message>
    <message>
        <source>最高工作压力(MPa)</source>
        <translation>Max. working pressure(MPa)</translation>
    </message>
</context>
<context>
    <name>RecordOutput</name>
    <message>
        <source>%1偏差</source>
        <translation>%1 deviation</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>公称压力(MPa)</source>
        <translation>PN (MPa)</translation>
    </message>
    <message>
        <source>公称直径</source>
        <translation>DN</translation>
    </message>
    <message>
        <source>系列</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>总偏差(mm)</source>
        <translation>Total deviation (mm)</translation>
    </message>
    <message>
        <source>法兰类型</source>
        <translation>Flange kind</translation>
    </message>
    <message>
        <source>公称压力</source>
        <translation>Nominal pressure</translation>
    </message>
    <message>
        <source>公称通径</source>
        <translation>Nominal diameter</translation>
    </message>
    <message>
        <source>管子系列</source>
        <translation>Pipe series</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>压力等级</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>公称尺寸</source>
        <translation>Nominal size</translation>
    </message>
</context>
<context>
    <name>ResultActions</name>
    <message>
        <source>未能打印：%1</source>
        <translation>Could not print: %1</translation>
    </message>
    <message>
        <source>%1法兰 %2 MPa DN%3 系列 %4</source>
        <translation>%1 flange %2 MPa DN%3 series %4</translation>
    </message>
    <message>
        <source>复制数据</source>
        <translation>Copy data</translation>
    </message>
    <message>
        <source>导出图纸…</source>
        <translation>Export drawing…</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>导出 PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>导出图纸</source>
        <translation>Export drawing</translation>
    </message>
    <message>
        <source>DXF 图纸 (*.dxf)</source>
        <translation>DXF drawing (*.dxf)</translation>
    </message>
    <message>
        <source>SVG 图纸 (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF 数据表 (*.pdf)</source>
        <translation>PDF data sheet (*.pdf)</translation>
    </message>
    <message>
        <source>文件未能保存：%1</source>
        <translation>The file was not saved: %1</translation>
    </message>
</context>
<context>
    <name>SealingFaceChooser</name>
    <message>
        <source>密封面</source>
        <translation>Sealing faces</translation>
    </message>
    <message>
        <source>突面（RF）</source>
        <translation>Raised face (RF)</translation>
    </message>
    <message>
        <source>凹凸面（FM/M）</source>
        <translation>Male/female (FM/M)</translation>
    </message>
    <message>
        <source>榫槽面（T/G）</source>
        <translation>Tongue/groove (T/G)</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>请选择</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>突面</source>
        <translation>Raised face</translation>
    </message>
    <message>
        <source>突面的尺寸暂未收录：需要各公称压力、公称直径下的突面直径 d 和突面高度 f。</source>
        <translation>Raised face dimensions are not yet included: they need the face diameter d and height f for every nominal pressure and diameter.</translation>
    </message>
    <message>
        <source>凹凸面</source>
        <translation>Male/female face</translation>
    </message>
    <message>
        <source>凹凸面的尺寸暂未收录：需要各公称压力、公称直径下凸面和凹面的直径及高度。</source>
        <translation>Male/female face dimensions are not yet included: they need the diameters and heights of the male and the female face for every nominal pressure and diameter.</translation>
    </message>
    <message>
        <source>榫槽</source>
        <translation>Tongue and groove</translation>
    </message>
    <message>
        <source>榫槽面的尺寸暂未收录：需要各公称压力、公称直径下榫和槽的内外直径及榫高、槽深。</source>
        <translation>Tongue/groove face dimensions are not yet included: they need the inner and outer diameters of tongue and groove, the tongue height and the groove depth for every nominal pressure and diameter.</translation>
    </message>
</context>
<context>
    <name>SlipOnFlangeWindow</name>
    <message>
        <source>带颈平焊</source>
        <translation>Hubbed slip-on flange</translation>
    </message>
    <message>
        <source>压力 MPa</source>
        <translation>Pressure MPa</translation>
    </message>
    <message>
        <source>公称直径</source>
        <comment>label</comment>
        <translation>DN mm</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>配管外径</source>
        <translation>Pipe outside diameter</translation>
    </message>
    <message>
        <source>法兰外径</source>
        <translation>Flange outside diameter</translation>
    </message>
    <message>
        <source>螺栓孔中心圆直径</source>
        <translation>Bolt circle diameter</translation>
    </message>
    <message>
        <source>螺栓孔数量和孔径</source>
        <translation>Number and diameter of bolt holes</translation>
    </message>
    <message>
        <source>螺栓螺纹</source>
        <translation>Bolt thread</translation>
    </message>
    <message>
        <source>法兰厚度</source>
        <translation>Flange thickness</translation>
    </message>
    <message>
        <source>法兰内径</source>
        <translation>Flange bore</translation>
    </message>
    <message>
        <source>法兰颈外径</source>
        <translation>Hub outside diameter</translation>
    </message>
    <message>
        <source>颈根圆角半径</source>
        <translation>Hub root fillet radius</translation>
    </message>
    <message>
        <source>法兰总高度</source>
        <translation>Overall flange height</translation>
    </message>
    <message>
        <source>坡口宽度</source>
        <translation>Bevel width</translation>
    </message>
    <message>
        <source>法兰内径形式</source>
        <translation>Bore series</translation>
    </message>
    <message>
        <source>公称压力</source>
        <translation>Nominal pressure</translation>
    </message>
    <message>
        <source>A 或 B</source>
        <translation>A or B</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>净面积M2</source>
        <translation>Net area m²</translation>
    </message>
    <message>
        <source>净重量Kg</source>
        <translation>Net wt. kg</translation>
    </message>
    <message>
        <source>净面积</source>
        <translation>Net area</translation>
    </message>
    <message>
        <source>净重量</source>
        <translation>Net weight</translation>
    </message>
    <message>
        <source>公称直径</source>
        <translation>Nominal diameter</translation>
    </message>
    <message>
        <source>净面积为法兰用整块板下料面积。净重即为法兰去掉内径和螺栓孔的重量。</source>
        <translation>The net area is that of the whole plate the flange is cut from. The net weight is the flange&apos;s without its bore and bolt holes.</translation>
    </message>
</context>
<context>
    <name>Takeoff</name>
    <message>
        <source>第 %1 列</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>应有 5 列（类型、公称压力、系列、公称直径、数量），实有 %1 列</source>
        <translation>expected 5 fields (kind, pressure, series, dn, quantity), found %1</translation>
    </message>
    <message>
        <source>第 %1 行：%2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>这一行的引号到清单结尾或 %1 KiB 内没有闭合</source>
        <translation>the quote opened on this line is not closed before the end of the list or within %1 KiB</translation>
    </message>
    <message>
        <source>%1 以 xlsx 命名，却不是 xlsx 工作簿</source>
        <translation>%1 is named as an xlsx workbook but is not one</translation>
    </message>
    <message>
        <source>这一行超过 %1 KiB，其余部分已跳过</source>
        <translation>the line is longer than %1 KiB; the rest of it was skipped</translation>
    </message>
    <message>
        <source>这一行不是 %1 文本（清单的其余部分是 %1）</source>
        <translation>the line is not %1 text, as the rest of the list is (%1)</translation>
    </message>
    <message>
        <source>这一行在表头的最后一列之后还有 %1 格</source>
        <translation>the line has text beyond the header&apos;s last column (%1 more cells)</translation>
    </message>
    <message>
        <source>%1 不是文本或 xlsx 清单，请另存为 CSV 或 xlsx 文件</source>
        <translation>%1 is not a text or xlsx line list; save it as CSV or xlsx</translation>
    </message>
    <message>
        <source>%1 第 %2 行超过 %3 KiB 仍未结束，这个输入流不是清单，已停止读取</source>
        <translation>line %2 of %1 passed %3 KiB without ending; a stream like this is no line list, reading stopped</translation>
    </message>
    <message>
        <source>无法读取 %1：%2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>无法读取 %1 的工作表：%2</source>
        <translation>cannot read the sheet of %1: %2</translation>
    </message>
    <message>
        <source>%1 没有名为“%2”的工作表（有：%3）</source>
        <translation>%1 has no sheet named &quot;%2&quot; (sheets: %3)</translation>
    </message>
    <message>
        <source>%1 是文本清单，没有工作表</source>
        <translation>%1 is a text list and has no sheets</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>公称压力</source>
        <translation>nominal pressure</translation>
    </message>
    <message>
        <source>系列</source>
        <translation>series</translation>
    </message>
    <message>
        <source>公称直径</source>
        <translation>DN</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>quantity</translation>
    </message>
    <message>
        <source>“%1”列的单位 %2 不能用于%3，这一列未作%3读取</source>
        <translation>the unit %2 of column “%1” cannot be a %3’s; the column is not read as the %3</translation>
    </message>
    <message>
        <source>又一行表头，已跳过</source>
        <translation>a header row again, skipped</translation>
    </message>
    <message>
        <source>单位行，已跳过</source>
        <translation>a row of units, skipped</translation>
    </message>
    <message>
        <source>小计行（%1），不计入</source>
        <translation>a subtotal row (%1), not counted</translation>
    </message>
    <message>
        <source>注释行，已跳过</source>
        <translation>a note row, skipped</translation>
    </message>
    <message>
        <source>这一行没有法兰（没有公称压力、公称直径和数量），已跳过</source>
        <translation>no flange on the row (no pressure, DN or quantity), skipped</translation>
    </message>
    <message>
        <source>%1 即 PN %2 MPa，%3 没有这一公称压力</source>
        <translation>%1 stands for PN %2 MPa, which %3 does not list</translation>
    </message>
    <message>
        <source>%1“%2”无法识别：应写成对（两片法兰成一副），或单片、阀门、设备、泵、管口（每片法兰与之各成一副）</source>
        <translation>%1 &quot;%2&quot; is not a known joint: write pair (two flanges make a joint), or single, valve, equipment, pump, nozzle (each flange makes its own)</translation>
    </message>
    <message>
        <source>%1 法兰用</source>
        <translation>for %1 flanges</translation>
    </message>
    <message>
        <source>未写材质</source>
        <translation>No material</translation>
    </message>
    <message>
        <source>Class 等级的校核需要设计压力、设计温度和材质三者，这一行缺少其一</source>
        <translation>checking a class takes the design pressure, the design temperature and the material; the line lacks one</translation>
    </message>
    <message>
        <source>Class %1 在 %2 °C 下（材料组 %3）额定 %4 bar，低于设计压力 %5 bar</source>
        <translation>Class %1 is rated %4 bar at %2 °C (group %3), below the design pressure of %5 bar</translation>
    </message>
    <message>
        <source>Class 系列（ASME B16.5）不分 A、B 系列，系列应为空，不是 %1</source>
        <translation>the Class series (ASME B16.5) has no series A or B: leave the series empty, not %1</translation>
    </message>
    <message>
        <source>%1 Class %2 DN %3 的重量无法计算</source>
        <translation>%1 Class %2 DN %3 has no weight that can be computed</translation>
    </message>
</context>
<context>
    <name>TakeoffDelegate</name>
    <message>
        <source>类型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>公称压力（MPa）</source>
        <translation>Nominal pressure (MPa)</translation>
    </message>
    <message>
        <source>系列</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>片</source>
        <translation>pieces</translation>
    </message>
    <message>
        <source>公称直径</source>
        <translation>Nominal diameter</translation>
    </message>
</context>
<context>
    <name>TakeoffTableModel</name>
    <message>
        <source>修改%1</source>
        <translation>Change %1</translation>
    </message>
    <message>
        <source>删除行</source>
        <translation>Delete rows</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>TakeoffTotals</name>
    <message>
        <source>螺栓</source>
        <translation>Bolts</translation>
    </message>
    <message>
        <source>螺柱</source>
        <translation>Stud bolts</translation>
    </message>
    <message>
        <source>非金属平垫片</source>
        <translation>Non-metallic flat gaskets</translation>
    </message>
    <message>
        <source>缠绕式垫片</source>
        <translation>Spiral-wound gaskets</translation>
    </message>
    <message>
        <source>重型六角螺母</source>
        <translation>Heavy hex nuts</translation>
    </message>
    <message>
        <source>螺母</source>
        <translation>Nuts</translation>
    </message>
    <message>
        <source>垫片未包括</source>
        <translation>Gasket not included</translation>
    </message>
</context>
<context>
    <name>TakeoffTotalsTable</name>
    <message>
        <source>名称</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>规格</source>
        <translation>Designation</translation>
    </message>
    <message>
        <source>材质</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>法兰</source>
        <translation>Flanges</translation>
    </message>
    <message>
        <source>片</source>
        <translation>pcs</translation>
    </message>
    <message>
        <source>总重</source>
        <translation>Total weight</translation>
    </message>
    <message>
        <source>根</source>
        <translation>pcs</translation>
    </message>
    <message>
        <source>螺母</source>
        <translation>Nuts</translation>
    </message>
    <message>
        <source>个</source>
        <translation>pcs</translation>
    </message>
    <message>
        <source>未写材质</source>
        <translation>No material given</translation>
    </message>
    <message>
        <source>重量</source>
        <translation>Weight</translation>
    </message>
</context>
<context>
    <name>TakeoffWindow</name>
    <message numerus="yes">
        <source>打开清单将替换表中现有的 %n 行，其中的改动尚未导出（替换后可按 Ctrl+Z 恢复）。</source>
        <translation>
            <numerusform>Opening a list replaces the %n line in the table, whose changes have not been exported (Ctrl+Z brings it back after the replacement).</numerusform>
            <numerusform>Opening a list replaces the %n lines in the table, whose changes have not been exported (Ctrl+Z brings them back after the replacement).</numerusform>
        </translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>批量计算</source>
        <translation>Take-off</translation>
    </message>
    <message>
        <source>打开…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>打开清单文件（类型、公称压力、系列、公称直径、数量）</source>
        <translation>Open a list file (kind, nominal pressure, series, nominal diameter, quantity)</translation>
    </message>
    <message>
        <source>导出…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>导出为 CSV 或 Excel 文件</source>
        <translation>Export as a CSV or Excel file</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>打印材料表（Ctrl+P）</source>
        <translation>Print the bill of materials (Ctrl+P)</translation>
    </message>
    <message>
        <source>添加行</source>
        <translation>Add row</translation>
    </message>
    <message>
        <source>在当前行下添加一行（Insert）</source>
        <translation>Add a row below the current one (Insert)</translation>
    </message>
    <message>
        <source>删除行</source>
        <translation>Delete rows</translation>
    </message>
    <message>
        <source>删除选中的行（Delete）</source>
        <translation>Delete the selected rows (Delete)</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>撤销（Ctrl+Z）</source>
        <translation>Undo (Ctrl+Z)</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>重做（Ctrl+Y）</source>
        <translation>Redo (Ctrl+Y)</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>返回主菜单</source>
        <translation>Back to the main menu</translation>
    </message>
    <message>
        <source>批量计算清单</source>
        <translation>Take-off list</translation>
    </message>
    <message>
        <source>双击单元格编辑；Ctrl+V 粘贴 Excel 中复制的行</source>
        <translation>Double-click a cell to edit it; Ctrl+V pastes rows copied in Excel</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>打开清单</source>
        <translation>Open a list</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>文件未能保存：%1</source>
        <translation>The file was not saved: %1</translation>
    </message>
    <message>
        <source>法兰材料表</source>
        <translation>Flange bill of materials</translation>
    </message>
    <message>
        <source>清单有 %1 行，太长，无法打印（最多打印 %2 行）。可以先导出为 CSV 或 Excel 文件。</source>
        <translation>The list has %1 lines, too many to print (at most %2 lines are printed). It can be exported as CSV or as an Excel workbook instead.</translation>
    </message>
    <message>
        <source>合计超出可以准确给出的范围（%1）</source>
        <translation>The totals pass what can be given exactly (%1)</translation>
    </message>
    <message>
        <source>清单文件 (*.csv *.txt *.tsv *.xlsx)</source>
        <translation>Line lists (*.csv *.txt *.tsv *.xlsx)</translation>
    </message>
    <message>
        <source>法兰数量、总重，以及各规格螺栓、螺母和垫片的数量（清单有材质列时按材质分开）</source>
        <translation>Number of flanges, total weight, and the bolts, nuts and gaskets of each size (by material when the list has a material column)</translation>
    </message>
    <message>
        <source>未计入合计的内容</source>
        <translation>What the totals leave out</translation>
    </message>
    <message>
        <source>%1 行有误，未计入合计</source>
        <translation>%1 lines with errors, not counted in the totals</translation>
    </message>
    <message>
        <source>正在写入 Excel 工作簿…</source>
        <translation>Writing the Excel workbook…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TitleBlock</name>
    <message>
        <source>设计</source>
        <translation>Drawn</translation>
    </message>
    <message>
        <source>审核</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>比例</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>重量</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>规格</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>图号</source>
        <translation>Dwg. No.</translation>
    </message>
    <message>
        <source>计算 %1 kg</source>
        <translation>%1 kg computed</translation>
    </message>
</context>
<context>
    <name>WeldNeckFlangeWindow</name>
    <message>
        <source>带颈对焊钢制管法兰</source>
        <translation>Weld-neck steel pipe flange</translation>
    </message>
    <message>
        <source>公称压力MPa</source>
        <translation>Pressure MPa</translation>
    </message>
    <message>
        <source>公称压力</source>
        <translation>Nominal pressure</translation>
    </message>
    <message>
        <source>法兰焊端外径</source>
        <translation>Weld end OD</translation>
    </message>
    <message>
        <source>法兰焊端外径形式</source>
        <translation>Weld end OD series</translation>
    </message>
    <message>
        <source>A 或 B</source>
        <translation>A or B</translation>
    </message>
    <message>
        <source>公称通径mm</source>
        <translation>DN mm</translation>
    </message>
    <message>
        <source>公称通径</source>
        <translation>Nominal diameter</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>焊端外径</source>
        <translation>Weld end outside diameter</translation>
    </message>
    <message>
        <source>法兰外径</source>
        <translation>Flange outside diameter</translation>
    </message>
    <message>
        <source>螺栓孔中心圆直径</source>
        <translation>Bolt circle diameter</translation>
    </message>
    <message>
        <source>螺栓孔数量和孔径</source>
        <translation>Number and diameter of bolt holes</translation>
    </message>
    <message>
        <source>螺栓螺纹</source>
        <translation>Bolt thread</translation>
    </message>
    <message>
        <source>法兰厚度</source>
        <translation>Flange thickness</translation>
    </message>
    <message>
        <source>颈部大端直径</source>
        <translation>Hub diameter at the base</translation>
    </message>
    <message>
        <source>焊端壁厚</source>
        <translation>Weld end wall thickness</translation>
    </message>
    <message>
        <source>焊端直段高度</source>
        <translation>Straight weld end length</translation>
    </message>
    <message>
        <source>过渡圆角半径</source>
        <translation>Transition fillet radius</translation>
    </message>
    <message>
        <source>净重量Kg=</source>
        <translation>Net weight kg=</translation>
    </message>
    <message>
        <source>净重量</source>
        <translation>Net weight</translation>
    </message>
    <message>
        <source>法兰总高度</source>
        <translation>Overall flange height</translation>
    </message>
</context>
<context>
    <name>WindowsApplication</name>
    <message>
        <source>quorvit: --window “%1” 不是窗口；窗口有：%2</source>
        <translation>quorvit: --window “%1” is not a window; windows: %2</translation>
    </message>
    <message>
        <source>quorvit: 无法打开窗口：平台 “%1”（QT_QPA_PLATFORM）无法启动</source>
        <translation>quorvit: cannot open the windows: the platform “%1” (QT_QPA_PLATFORM) cannot be started</translation>
    </message>
    <message>
        <source>quorvit: 无法打开窗口：无法连接显示器 “%1”（%2）</source>
        <translation>quorvit: cannot open the windows: the display “%1” (%2) cannot be opened</translation>
    </message>
    <message>
        <source>quorvit: 无法打开窗口：没有显示器（DISPLAY 和 WAYLAND_DISPLAY 都没有设置）</source>
        <translation>quorvit: cannot open the windows: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</translation>
    </message>
    <message>
        <source>；请在桌面会话中运行，或把 DISPLAY 或 WAYLAND_DISPLAY 设为可以连接的显示器；各命令（quorvit --help）不需要显示器</source>
        <translation>; run it from a desktop session, or set DISPLAY or WAYLAND_DISPLAY to a display it can reach; the commands (quorvit --help) need no display</translation>
    </message>
</context>
<context>
    <name>describe</name>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
</TS>
