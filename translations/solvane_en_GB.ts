<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Presets</name>
    <message>
        <source>Spring forward</source>
        <translation>Clocks go forward</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>Clocks go back</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>Autumn equinox</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>Aeroplane</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>Aeroplane taking off</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>Shopping trolley</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>Football</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>Rubbish bin</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>Theatre masks</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>Chequered flag</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>Shown in one colour to match the widget</translation>
    </message>
</context>
</TS>
