<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>QObject</name>
    <message>
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Simulated error</source>
        <translation>Simulated error</translation>
    </message>
    <message>
        <source>Can not establish connection with core</source>
        <translation>Can not establish connection with core</translation>
    </message>
    <message>
        <source>Can not send command</source>
        <translation>Can not send command</translation>
    </message>
    <message>
        <source>Can not receive data</source>
        <translation>Can not receive data</translation>
    </message>
    <message>
        <source>Device "%1" does not respond</source>
        <translation>Device "%1" does not respond</translation>
    </message>
    <message>
        <source>External battery is low</source>
        <translation>External battery is low</translation>
    </message>
    <message>
        <source>Condensation inside</source>
        <translation>Condensation inside</translation>
    </message>
    <message>
        <source>Short circuit (detected by software)</source>
        <translation>Short circuit (detected by software)</translation>
    </message>
    <message>
        <source>Short circuit (detected by hardware)</source>
        <translation>Short circuit (detected by hardware)</translation>
    </message>
    <message>
        <source>Open circuit (detected by software)</source>
        <translation>Open circuit (detected by software)</translation>
    </message>
    <message>
        <source>Open circuit (detected by hardware)</source>
        <translation>Open circuit (detected by hardware)</translation>
    </message>
    <message>
        <source>External battery is low or short circuit</source>
        <translation>External battery is low or short circuit</translation>
    </message>
    <message>
        <source>Generator is overheated</source>
        <translation>Generator is overheated</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Canceled by user</translation>
    </message>
    <message>
        <source>Code bug</source>
        <translation>Code bug</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Wenner</source>
        <translation>Wenner</translation>
    </message>
    <message>
        <source>Schlumberger</source>
        <translation>Schlumberger</translation>
    </message>
    <message>
        <source>Dipole-Dipole</source>
        <translation>Dipole-Dipole</translation>
    </message>
    <message>
        <source>Forward Pole-Dipole</source>
        <translation>Forward Pole-Dipole</translation>
    </message>
    <message>
        <source>Backward Pole-Dipole</source>
        <translation>Backward Pole-Dipole</translation>
    </message>
    <message>
        <source>Pole-Pole</source>
        <translation>Pole-Pole</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>Reciprocal Wenner</source>
        <translation>Reciprocal Wenner</translation>
    </message>
    <message>
        <source>Reciprocal Schlumberger</source>
        <translation>Reciprocal Schlumberger</translation>
    </message>
    <message>
        <source>Reciprocal Dipole-Dipole</source>
        <translation>Reciprocal Dipole-Dipole</translation>
    </message>
    <message>
        <source>Reciprocal Pole-Pole</source>
        <translation>Reciprocal Pole-Pole</translation>
    </message>
    <message>
        <source>Reciprocal Gradient</source>
        <translation>Reciprocal Gradient</translation>
    </message>
    <message>
        <source>Unknown array</source>
        <translation>Unknown array</translation>
    </message>
    <message>
        <source>Core</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>Internal battery indicator</source>
        <translation>Internal battery indicator</translation>
    </message>
    <message>
        <source>External battery indicator</source>
        <translation>External battery indicator</translation>
    </message>
    <message>
        <source>Moisture indicator</source>
        <translation>Moisture indicator</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Speaker</translation>
    </message>
    <message>
        <source>Real-time clock</source>
        <translation>Real-time clock</translation>
    </message>
    <message>
        <source>Reference voltage gererator</source>
        <translation>Reference voltage generator</translation>
    </message>
    <message>
        <source>Internal generator</source>
        <translation>Internal generator</translation>
    </message>
    <message>
        <source>Input voltage registrator %1</source>
        <translation>Input voltage registrator %1</translation>
    </message>
    <message>
        <source>Output voltage registrator</source>
        <translation>Output voltage registrator</translation>
    </message>
    <message>
        <source>Output current registrator</source>
        <translation>Output current registrator</translation>
    </message>
    <message>
        <source>Input voltage registrator %1 switch</source>
        <translation>Input voltage registrator %1 switch</translation>
    </message>
    <message>
        <source>Generator switch</source>
        <translation>Generator switch</translation>
    </message>
    <message>
        <source>Unknown device</source>
        <translation>Unknown device</translation>
    </message>
</context>
</TS>
