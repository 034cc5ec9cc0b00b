<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A few entries of a German translation, for the tests of loading one. -->
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Dates</name>
    <message>
        <source>en</source>
        <translation>de</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>frmHUD</name>
    <message>
        <source>Rate of %1</source>
        <translation>Kurs vom %1</translation>
    </message>
</context>
</TS>
