<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>QObject</name>
    <message>
        <source>Template</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
</context>
<context>
    <name>zarFileTableDataModel</name>
    <message>
        <source>Cbl</source>
        <translation>Cbl</translation>
    </message>
    <message>
        <source>CS</source>
        <translation>CS</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Qdps</source>
        <translation>Qdps</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Runs</translation>
    </message>
</context>
<context>
    <name>zarFileTableDialog</name>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zarSoundingCurvePlot</name>
    <message>
        <source>Go to</source>
        <translation>Go to</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected measurement?</source>
        <translation>Are you sure you want to delete selected measurement?</translation>
    </message>
</context>
<context>
    <name>zarPseudoSectionPlot</name>
    <message>
        <source>Go to</source>
        <translation>Go to</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected measurement?</source>
        <translation>Are you sure you want to delete selected measurement?</translation>
    </message>
</context>
</TS>
