<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>wizard::PagesPage</name>
    <message numerus="yes">
        <source>%1 of %n page(s) ticked</source>
        <translation>
            <numerusform>%1 of %n page ticked</numerusform>
            <numerusform>%1 of %n pages ticked</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wizard::RunPage</name>
    <message numerus="yes">
        <source>Stopped: %1 of %n page(s) done, the rest not:</source>
        <translation>
            <numerusform>Stopped: %1 of %n page done, the rest not:</numerusform>
            <numerusform>Stopped: %1 of %n pages done, the rest not:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n skipped</numerusform>
            <numerusform>%n skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n failed</numerusform>
            <numerusform>%n failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) not changed (%1):</source>
        <translation>
            <numerusform>%n page not changed (%1):</numerusform>
            <numerusform>%n pages not changed (%1):</numerusform>
        </translation>
    </message>
</context>
</TS>
