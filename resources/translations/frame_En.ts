<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>zarMainWidget</name>
    <message>
        <source>MAIN</source>
        <translation>MAIN</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>TEMPLATES</source>
        <translation>TEMPLATES</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>DATA</translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation>SYSTEM</translation>
    </message>
</context>
<context>
    <name>zarWarningDialog</name>
    <message>
        <source>Attention!</source>
        <translation>Attention!</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Please wait...</translation>
    </message>
</context>
<context>
    <name>zarLanguageWidget</name>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>RU</source>
        <translation>RU</translation>
    </message>
    <message>
        <source>US</source>
        <translation>US</translation>
    </message>
</context>
<context>
    <name>zarKeyboardDialog</name>
    <message>
        <source>Input file name:</source>
        <translation>Input file name:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>File name is empty</source>
        <translation>File name is empty</translation>
    </message>
</context>
<context>
    <name>zarPasswordDialog</name>
    <message>
        <source>Enter password</source>
        <translation>Enter password</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zarOptionsWidget</name>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>msec</translation>
    </message>
    <message>
        <source>RESISTIVITY</source>
        <translation>RESISTIVITY</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Pulses</source>
        <translation>Pulses</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Transmitter voltage</source>
        <translation>Transmitter voltage</translation>
    </message>
    <message>
        <source>Pulse duration</source>
        <translation>Pulse duration</translation>
    </message>
    <message>
        <source>Pause duration</source>
        <translation>Pause duration</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>Relative standart deviation</source>
        <translation>Relative standard deviation</translation>
    </message>
    <message>
        <source>Min stacking:</source>
        <translation>Min stacking:</translation>
    </message>
    <message>
        <source>Max stacking:</source>
        <translation>Max stacking:</translation>
    </message>
</context>
<context>
    <name>zarStatusBar</name>
    <message>
        <source>Moisture:</source>
        <translation>Moisture:</translation>
    </message>
    <message>
        <source>Ext. battery:</source>
        <translation>Ext. battery:</translation>
    </message>
    <message>
        <source>Int. battery:</source>
        <translation>Int. battery:</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>System time seems to be invalid</source>
        <translation>System time seems to be invalid</translation>
    </message>
</context>
<context>
    <name>zarSystemWidget</name>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation>Engineer</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Stop all activities to exit</source>
        <translation>Stop all activities to exit</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Are you sure you want to exit?</translation>
    </message>
    <message>
        <source>Stop all activities to enter USB storage mode</source>
        <translation>Stop all activities to enter USB storage mode</translation>
    </message>
    <message>
        <source>Press OK to leave USB storage mode</source>
        <translation>Press OK to leave USB storage mode</translation>
    </message>
    <message>
        <source>Can not enter USB storage mode</source>
        <translation>Can not enter USB storage mode</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>Can not leave USB storage mode</source>
        <translation>Can not leave USB storage mode</translation>
    </message>
    <message>
        <source>Stop all activities to enter engineer mode</source>
        <translation>Stop all activities to enter engineer mode</translation>
    </message>
    <message>
        <source>Stop all activities to update</source>
        <translation>Stop all activities to update</translation>
    </message>
    <message>
        <source>System error</source>
        <translation>System error</translation>
    </message>
</context>
<context>
    <name>zarTemplateMenuWidget</name>
    <message>
        <source>New template</source>
        <translation>New template</translation>
    </message>
    <message>
        <source>Open template</source>
        <translation>Open template</translation>
    </message>
</context>
<context>
    <name>zarSessionMenuWidget</name>
    <message>
        <source>Start new session</source>
        <translation>Start new session</translation>
    </message>
    <message>
        <source>Start new ERTLab session</source>
        <translation>Start new ERTLab session</translation>
    </message>
    <message>
        <source>Open previous session</source>
        <translation>Open previous session</translation>
    </message>
</context>
<context>
    <name>zarDataMenuWidget</name>
    <message>
        <source>Open session</source>
        <translation>Open session</translation>
    </message>
</context>
</TS>
