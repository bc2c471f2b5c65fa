<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>zarTemplateDataModel</name>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Template contains too many measurements</source>
        <translation>Template contains too many measurements</translation>
    </message>
    <message>
        <source>Template is empty</source>
        <translation>Template is empty</translation>
    </message>
    <message>
        <source>Template contains an empty set</source>
        <translation>Template contains an empty set</translation>
    </message>
    <message>
        <source>Can not add one more set</source>
        <translation>Can not add one more set</translation>
    </message>
    <message>
        <source>Set was cloned successfully</source>
        <translation>Set was cloned successfully</translation>
    </message>
    <message>
        <source>Are you sure you want to remove current set?</source>
        <translation>Are you sure you want to remove current set?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear surrent set?</source>
        <translation>Are you sure you want to clear current set?</translation>
    </message>
    <message>
        <source>Save template</source>
        <translation>Save template</translation>
    </message>
    <message>
        <source>File exists, do you want to overwrite it?</source>
        <translation>File exists, do you want to overwrite it?</translation>
    </message>
    <message>
        <source>Can not open file for writing</source>
        <translation>Can not open file for writing</translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation>Can not write data to file</translation>
    </message>
    <message>
        <source>Can not open file for reading</source>
        <translation>Can not open file for reading</translation>
    </message>
    <message>
        <source>Can not read data from file</source>
        <translation>Can not read data from file</translation>
    </message>
    <message>
        <source>Template is corrupted</source>
        <translation>Template is corrupted</translation>
    </message>
    <message>
        <source>Can not find the beginning of header (# X Y Z)</source>
        <translation>Can not find the beginning of header (# X Y Z)</translation>
    </message>
    <message>
        <source>Electrode number %1 is not supported</source>
        <translation>Electrode number %1 is not supported</translation>
    </message>
    <message>
        <source>Electrode %1 appears more than once</source>
        <translation>Electrode %1 appears more than once</translation>
    </message>
    <message>
        <source>Coordinate of electrode %1 is not a finite number</source>
        <translation>Coordinate of electrode %1 is not a finite number</translation>
    </message>
    <message>
        <source>(row: %1)</source>
        <translation>(row: %1)</translation>
    </message>
    <message>
        <source>Quadripole row can not be read</source>
        <translation>Quadripole row can not be read</translation>
    </message>
    <message>
        <source>Header does not contains electrode %1</source>
        <translation>Header does not contains electrode %1</translation>
    </message>
    <message>
        <source>A electrode can not be remote</source>
        <translation>A electrode can not be remote</translation>
    </message>
    <message>
        <source>M electrode can not be remote</source>
        <translation>M electrode can not be remote</translation>
    </message>
    <message>
        <source>Electrode %1 appears more than once in quadripole</source>
        <translation>Electrode %1 appears more than once in quadripole</translation>
    </message>
</context>
<context>
    <name>zarAddModifyArrayDialog</name>
    <message>
        <source>Add / modify array</source>
        <translation>Add / modify array</translation>
    </message>
    <message>
        <source>Array:</source>
        <translation>Array:</translation>
    </message>
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
    <name>zarSessionDataModel</name>
    <message>
        <source>N / A</source>
        <translation>N / A</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Measurement center:</source>
        <translation>Measurement center:</translation>
    </message>
    <message>
        <source>Pseudo depth:</source>
        <translation>Pseudo depth:</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>mV/V</source>
        <translation>mV/V</translation>
    </message>
    <message>
        <source>Session name is not valid</source>
        <translation>Session name is not valid</translation>
    </message>
    <message>
        <source>File exists, do you want to overwrite it?</source>
        <translation>File exists, do you want to overwrite it?</translation>
    </message>
    <message>
        <source>Can not open file for writing</source>
        <translation>Can not open file for writing</translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation>Can not write data to file</translation>
    </message>
    <message>
        <source>Can not open file for reading</source>
        <translation>Can not open file for reading</translation>
    </message>
    <message>
        <source>Session is corrupted</source>
        <translation>Session is corrupted</translation>
    </message>
    <message>
        <source>Can not read data from file</source>
        <translation>Can not read data from file</translation>
    </message>
    <message>
        <source>Session file is incomplete. Rows read: %1</source>
        <translation>Session file is incomplete. Rows read: %1</translation>
    </message>
    <message>
        <source>IP options were changed since last session. Change back?</source>
        <translation>IP options were changed since last session. Change back?</translation>
    </message>
</context>
</TS>
