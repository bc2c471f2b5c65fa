<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>zarTemplateMenuWidget</name>
    <message>
        <source>System error</source>
        <translation>System error</translation>
    </message>
</context>
<context>
    <name>zarTemplateDataModel</name>
    <message>
        <source>Template name is not valid</source>
        <translation>Template name is not valid</translation>
    </message>
</context>
<context>
    <name>zarTemplateWidget</name>
    <message>
        <source>Do you want to save this template?</source>
        <translation>Do you want to save this template?</translation>
    </message>
    <message>
        <source>System error</source>
        <translation>System error</translation>
    </message>
    <message>
        <source>Measurements:</source>
        <translation>Measurements:</translation>
    </message>
    <message>
        <source>runs:</source>
        <translation>runs:</translation>
    </message>
    <message>
        <source>duration:</source>
        <translation>duration:</translation>
    </message>
    <message>
        <source>Arrangement</source>
        <translation>Arrangement</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Estimate duration</source>
        <translation>Estimate duration</translation>
    </message>
    <message>
        <source>Save template</source>
        <translation>Save template</translation>
    </message>
    <message>
        <source>Check grounding</source>
        <translation>Check grounding</translation>
    </message>
    <message>
        <source>Close template</source>
        <translation>Close template</translation>
    </message>
    <message>
        <source>Edit arrangement</source>
        <translation>Edit arrangement</translation>
    </message>
    <message>
        <source>Cables:</source>
        <translation>Cables:</translation>
    </message>
    <message>
        <source>Cable spacing:</source>
        <translation>Cable spacing:</translation>
    </message>
    <message>
        <source>Profile length:</source>
        <translation>Profile length:</translation>
    </message>
    <message>
        <source>Electrodes:</source>
        <translation>Electrodes:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>Current set:</source>
        <translation>Current set:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>Clone</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>M e a s u r e m e n t  c e n t e r  [m]</source>
        <translation>M e a s u r e m e n t  c e n t e r  [m]</translation>
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
        <source>L e v e l</source>
        <translation>L e v e l</translation>
    </message>
    <message>
        <source>S
p
a
c
i
n
g</source>
        <translation>S
p
a
c
i
n
g</translation>
    </message>
</context>
<context>
    <name>zarArrangementDialog</name>
    <message>
        <source>Edit arrangement</source>
        <translation>Edit arrangement</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Cables:</source>
        <translation>Cables:</translation>
    </message>
    <message>
        <source>Cable spacing:</source>
        <translation>Cable spacing:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
</context>
<context>
    <name>zarERTTableDialog</name>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
