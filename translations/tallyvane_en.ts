<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>ImportExport</name>
    <message numerus="yes">
        <source>%n rows of the file were left out:</source>
        <extracomment>Followed by the rows, one a line.</extracomment>
        <translation>
            <numerusform>%n row of the file was left out:</numerusform>
            <numerusform>%n rows of the file were left out:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rates imported from %1.</source>
        <translation>
            <numerusform>%n rate imported from %1.</numerusform>
            <numerusform>%n rates imported from %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rates exported to %1.</source>
        <translation>
            <numerusform>%n rate exported to %1.</numerusform>
            <numerusform>%n rates exported to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... and %n more.</numerusform>
            <numerusform>... and %n more.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RateAge</name>
    <message numerus="yes">
        <source>The rate of %1 is of %2, older than %n days. Update the rates before recording this deal.</source>
        <extracomment>%1 is a country, %2 the rate&apos;s date; %n the days after which rates are old.</extracomment>
        <translation>
            <numerusform>The rate of %1 is of %2, older than %n day. Update the rates before recording this deal.</numerusform>
            <numerusform>The rate of %1 is of %2, older than %n days. Update the rates before recording this deal.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmImportRates</name>
    <message numerus="yes">
        <source>%n of %1 ticked</source>
        <extracomment>%n rows ticked of %1 rows in all.</extracomment>
        <translation>
            <numerusform>%n of %1 ticked</numerusform>
            <numerusform>%n of %1 ticked</numerusform>
        </translation>
    </message>
</context>
</TS>
