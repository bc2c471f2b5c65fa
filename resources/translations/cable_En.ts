<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>N / A</source>
        <translation>N / A</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
</context>
<context>
    <name>zarCableConfigDialog</name>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Current cable</source>
        <translation>Current cable</translation>
    </message>
    <message>
        <source>Cable configuration</source>
        <translation>Cable configuration</translation>
    </message>
    <message>
        <source>Grounding check</source>
        <translation>Grounding check</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Check cable</source>
        <translation>Check cable</translation>
    </message>
    <message>
        <source>Disable failed</source>
        <translation>Disable failed</translation>
    </message>
    <message>
        <source>Check remote</source>
        <translation>Check remote</translation>
    </message>
    <message>
        <source>Automatic advance</source>
        <translation>Automatic advance</translation>
    </message>
    <message>
        <source>Stop if failed</source>
        <translation>Stop if failed</translation>
    </message>
    <message>
        <source>Fail grounding</source>
        <translation>Fail grounding</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>Are you sure you want to disable failed electrodes?</source>
        <translation>Are you sure you want to disable failed electrodes?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset current configuration?</source>
        <translation>Are you sure you want to reset current configuration?</translation>
    </message>
</context>
<context>
    <name>zarSignalWidget</name>
    <message>
        <source>Bad</source>
        <translation>Bad</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Input voltage</source>
        <translation>Input voltage</translation>
    </message>
    <message>
        <source>Output voltage</source>
        <translation>Output voltage</translation>
    </message>
    <message>
        <source>Output current</source>
        <translation>Output current</translation>
    </message>
    <message>
        <source>T i m e  [msec]</source>
        <translation>T i m e  [msec]</translation>
    </message>
    <message>
        <source>Tx

V
o
l
t
a
g
e

[V]</source>
        <translation>Tx

V
o
l
t
a
g
e

[V]</translation>
    </message>
    <message>
        <source>Tx

C
u
r
r
e
n
t

[mA]</source>
        <translation>Tx

C
u
r
r
e
n
t

[mA]</translation>
    </message>
    <message>
        <source>Rx

V
o
l
t
a
g
e

[mV]</source>
        <translation>Rx

V
o
l
t
a
g
e

[mV]</translation>
    </message>
</context>
</TS>
