<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>zarSessionHostWidget</name>
    <message>
        <source>System error</source>
        <translation>System error</translation>
    </message>
</context>
<context>
    <name>zarSessionMenuWidget</name>
    <message>
        <source>Can not find previous session</source>
        <translation>Can not find previous session</translation>
    </message>
</context>
<context>
    <name>zarSessionModeDialog</name>
    <message>
        <source>Session mode</source>
        <translation>Session mode</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Append</translation>
    </message>
    <message>
        <source>Cable segment to append:</source>
        <translation>Cable segment to append:</translation>
    </message>
</context>
<context>
    <name>zarSessionWidget</name>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Signals</source>
        <translation>Signals</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Current set:</source>
        <translation>Current set:</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Display:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>Pseudo section</source>
        <translation>Pseudo section</translation>
    </message>
    <message>
        <source>Sounding curves</source>
        <translation>Sounding curves</translation>
    </message>
    <message>
        <source>Profile curves</source>
        <translation>Profile curves</translation>
    </message>
    <message>
        <source>Resistivity</source>
        <translation>Resistivity</translation>
    </message>
    <message>
        <source>Chargeability</source>
        <translation>Chargeability</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>P s e u d o  d e p t h  [m]</source>
        <translation>P s e u d o  d e p t h  [m]</translation>
    </message>
    <message>
        <source>M e a s u r e m e n t  c e n t e r  [m]</source>
        <translation>M e a s u r e m e n t  c e n t e r  [m]</translation>
    </message>
    <message>
        <source>A p p a r e n t  r e s i s t i v i t y</source>
        <translation>A p p a r e n t  r e s i s t i v i t y</translation>
    </message>
    <message>
        <source>A p p a r e n t  c h a r g e a b i l i t y  [mV/V]</source>
        <translation>A p p a r e n t  c h a r g e a b i l i t y  [mV/V]</translation>
    </message>
    <message>
        <source>P
s
e
u
d
o

d
e
p
t
h

[m]</source>
        <translation>P
s
e
u
d
o

d
e
p
t
h

[m]</translation>
    </message>
    <message>
        <source>A
p
p
a
r
e
n
t

r
e
s
i
s
t
i
v
i
t
y</source>
        <translation>A
p
p
a
r
e
n
t

r
e
s
i
s
t
i
v
i
t
y</translation>
    </message>
    <message>
        <source>A
p
p
a
r
e
n
t

c
h
a
r
g
e
a
b
i
l
i
t
y

[mV/V]</source>
        <translation>A
p
p
a
r
e
n
t

c
h
a
r
g
e
a
b
i
l
i
t
y

[mV/V]</translation>
    </message>
    <message>
        <source>Do you want to save current session?</source>
        <translation>Do you want to save current session?</translation>
    </message>
    <message>
        <source>No results were received</source>
        <translation>No results were received</translation>
    </message>
    <message>
        <source>It is all done</source>
        <translation>It is all done</translation>
    </message>
    <message>
        <source>too long</source>
        <translation>too long</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Left:</translation>
    </message>
    <message>
        <source>Open ERTLab template</source>
        <translation>Open ERTLab template</translation>
    </message>
    <message>
        <source>ERTLab template is valid</source>
        <translation>ERTLab template is valid</translation>
    </message>
    <message>
        <source>Can not find templates</source>
        <translation>Can not find templates</translation>
    </message>
    <message>
        <source>There are no measurements in session</source>
        <translation>There are no measurements in session</translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation>Can not write data to file</translation>
    </message>
</context>
</TS>
