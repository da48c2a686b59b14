<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
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
</context>
<context>
    <name>FormMF</name>
    <message>
        <source>突面的尺寸暂未收录：需要各公称压力、公称直径下的突面直径 d 和突面高度 f。</source>
        <translation>Raised face dimensions are not yet included: they need the face diameter d and height f for every nominal pressure and diameter.</translation>
    </message>
    <message>
        <source>凹凸面的尺寸暂未收录：需要各公称压力、公称直径下凸面和凹面的直径及高度。</source>
        <translation>Male/female face dimensions are not yet included: they need the diameters and heights of the male and the female face for every nominal pressure and diameter.</translation>
    </message>
    <message>
        <source>榫槽面的尺寸暂未收录：需要各公称压力、公称直径下榫和槽的内外直径及榫高、槽深。</source>
        <translation>Tongue/groove face dimensions are not yet included: they need the inner and outer diameters of tongue and groove, the tongue height and the groove depth for every nominal pressure and diameter.</translation>
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
    <name>MainMenu</name>
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
        <source>法兰盖（BL）的尺寸暂未收录</source>
        <translation>Blind flange (BL) dimensions are not yet included</translation>
    </message>
    <message>
        <source>法兰盖（BL）的尺寸暂未收录。现有板式平焊、带颈平焊和带颈对焊法兰的尺寸。</source>
        <translation>Blind flange (BL) dimensions are not yet included. Plate slip-on, hubbed slip-on and weld-neck flanges are.</translation>
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
    <name>Takeoff</name>
    <message>
        <source>无法加载读取 xlsx 的模块：%1</source>
        <translation>cannot load the list readers module: %1</translation>
    </message>
    <message>
        <source>第 %1 列</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>应有 5 列（类型、公称压力、系列、公称直径、数量），实有 %1 列</source>
        <translation>expected 5 fields (kind, pressure, series, dn, quantity), found %1</translation>
    </message>
    <message>
        <source>%1 在 %2 MPa 下 DN %3 没有 B 系列</source>
        <translation>%1 DN %3 at %2 MPa has no series B form</translation>
    </message>
    <message>
        <source>第 %1 行：%2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>引号没有闭合</source>
        <translation>a quoted field is not closed</translation>
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
        <translation>the line has text beyond the header's last column (%1 more cells)</translation>
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
        <translation>%1 has no sheet named "%2" (sheets: %3)</translation>
    </message>
    <message>
        <source>%1 是文本清单，没有工作表</source>
        <translation>%1 is a text list and has no sheets</translation>
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
        <source>清单有 %1 行，太长，无法打印（最多打印 %2 行）。可以先导出为 CSV 或 Excel 文件。</source>
        <translation>The list has %1 lines, too many to print (at most %2 lines are printed). It can be exported as CSV or as an Excel workbook instead.</translation>
    </message>
    <message>
        <source>合计超出可以准确给出的范围（%1）</source>
        <translation>The totals pass what can be given exactly (%1)</translation>
    </message>
</context>
<context>
    <name>WindowsApplication</name>
    <message>
        <source>quorvit: --window “%1” 不是窗口；窗口有：%2</source>
        <translation>quorvit: --window “%1” is not a window; windows: %2</translation>
    </message>
    <message>
        <source>；在源代码目录中运行 ./run.sh 可经 VNC 显示这些窗口</source>
        <translation>; ./run.sh in the source folder serves them over VNC</translation>
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
</context>
</TS>
