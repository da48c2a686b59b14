<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
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
