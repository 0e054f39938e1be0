<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A few German texts for the tool's translator tests; built with lrelease. -->
<TS version="2.1" language="de_DE">
<context>
    <name>QuarnMessageBoxClass</name>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
</context>
<context>
    <name>QuarnTitleBar</name>
    <message>
        <source>HH:MM</source>
        <translation>Stunden und Minuten der Uhrzeit</translation>
    </message>
</context>
<context>
    <name>SomeOtherFormClass</name>
    <message>
        <source>OK</source>
        <translation>Jawohl</translation>
    </message>
</context>
</TS>
