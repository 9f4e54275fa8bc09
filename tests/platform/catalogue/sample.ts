<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Main</name>
    <message>
        <source>Файл &quot;%1&quot; [a;b] &lt;c&gt; &amp; \d</source>
        <translation>File &quot;%1&quot; [a;b] &lt;c&gt; &amp; \d</translation>
    </message>
    <message>
        <source>Две
строки</source>
        <comment>меню</comment>
        <translation>Two
lines</translation>
    </message>
    <message>
        <source>Не готово</source>
        <translation type="unfinished">Not ready</translation>
    </message>
    <message>
        <source>Пусто</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Other</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
</context>
</TS>
