<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Language</name>
    <message>
        <source>quorvit: --lang 只能是 en（英文）或 zh（中文），不是 “%1”</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowsApplication</name>
    <message>
        <source>quorvit: --window “%1” 不是窗口；窗口有：%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
