<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>zarEngineerWidget</name>
    <message>
        <source>Adjust Rx channels</source>
        <translation>Adjust Rx channels</translation>
    </message>
    <message>
        <source>Check Rx channels adjustment</source>
        <translation>Check Rx channels adjustment</translation>
    </message>
    <message>
        <source>Check A and B sockets and Rx channels for Tx monitoring</source>
        <translation>Check A and B sockets and Rx channels for Tx monitoring</translation>
    </message>
    <message>
        <source>Check Tx and Rx switches interconnections</source>
        <translation>Check Tx and Rx switches interconnections</translation>
    </message>
    <message>
        <source>Check M and N sockets</source>
        <translation>Check M and N sockets</translation>
    </message>
    <message>
        <source>Check Tx%1 and Rx%1 sockets</source>
        <translation>Check Tx%1 and Rx%1 sockets</translation>
    </message>
    <message>
        <source>Check 1...32 cable socket</source>
        <translation>Check 1...32 cable socket</translation>
    </message>
    <message>
        <source>Check 33...64 cable socket</source>
        <translation>Check 33...64 cable socket</translation>
    </message>
    <message>
        <source>Check USB</source>
        <translation>Check USB</translation>
    </message>
    <message>
        <source>Check LAN</source>
        <translation>Check LAN</translation>
    </message>
    <message>
        <source>Check Tx low supply voltage protection</source>
        <translation>Check Tx low supply voltage protection</translation>
    </message>
    <message>
        <source>Check Tx short circuit protection</source>
        <translation>Check Tx short circuit protection</translation>
    </message>
    <message>
        <source>Check Tx output power</source>
        <translation>Check Tx output power</translation>
    </message>
    <message>
        <source>Check Tx output voltage</source>
        <translation>Check Tx output voltage</translation>
    </message>
    <message>
        <source>Check 1...32 cable isolation</source>
        <translation>Check 1...32 cable isolation</translation>
    </message>
    <message>
        <source>Check 33...64 cable isolation</source>
        <translation>Check 33...64 cable isolation</translation>
    </message>
    <message>
        <source>Check Tx operability (1 hour)</source>
        <translation>Check Tx operability (1 hour)</translation>
    </message>
    <message>
        <source>Check Rx channels polarity</source>
        <translation>Check Rx channels polarity</translation>
    </message>
    <message>
        <source>Check Tx output current</source>
        <translation>Check Tx output current</translation>
    </message>
    <message>
        <source>Check GPS</source>
        <translation>Check GPS</translation>
    </message>
    <message>
        <source>Check Tx overheat protection</source>
        <translation>Check Tx overheat protection</translation>
    </message>
    <message>
        <source>Check Rx channels reproducibility</source>
        <translation>Check Rx channels reproducibility</translation>
    </message>
    <message>
        <source>Rx channels are going to be adjusted.</source>
        <translation>Rx channels are going to be adjusted.</translation>
    </message>
    <message>
        <source>Rx channels are going to be tested.</source>
        <translation>Rx channels are going to be tested.</translation>
    </message>
    <message>
        <source>Please connect checking module to 1...32 socket.</source>
        <translation>Please connect checking module to 1...32 socket.</translation>
    </message>
    <message>
        <source>Please connect checking module to 33...64 socket.</source>
        <translation>Please connect checking module to 33...64 socket.</translation>
    </message>
    <message>
        <source>Please connect USB sockets of this device and
powered-on computer with USB cable.</source>
        <translation>Please connect USB sockets of this device and
powered-on computer with USB cable.</translation>
    </message>
    <message>
        <source>Please connect LAN sockets of this device and
local network with patch cord and wait for 20 seconds.</source>
        <translation>Please connect LAN sockets of this device and
local network with patch cord and wait for 20 seconds.</translation>
    </message>
    <message>
        <source>Please make supply voltage less than %1 V.</source>
        <translation>Please make supply voltage less than %1 V.</translation>
    </message>
    <message>
        <source>Please connect A and B sockets with a wire to
make short circuit.</source>
        <translation>Please connect A and B sockets with a wire to
make short circuit.</translation>
    </message>
    <message>
        <source>Please connect multi-electrode cable to 1...32 socket.</source>
        <translation>Please connect multi-electrode cable to 1...32 socket.</translation>
    </message>
    <message>
        <source>Please connect multi-electrode cable to 33...64 socket.</source>
        <translation>Please connect multi-electrode cable to 33...64 socket.</translation>
    </message>
    <message>
        <source>GPS receiver is going to be tested.</source>
        <translation>GPS receiver is going to be tested.</translation>
    </message>
    <message>
        <source>Please start heating Tx.</source>
        <translation>Please start heating Tx.</translation>
    </message>
    <message>
        <source>Please connect reference voltage source (%1 %2 mV) to A and B sockets.</source>
        <translation>Please connect reference voltage source (%1 %2 mV) to A and B sockets.</translation>
    </message>
    <message>
        <source>Please connect A and B sockets with resistor:</source>
        <translation>Please connect A and B sockets with resistor:</translation>
    </message>
    <message>
        <source>Please connect M and N sockets with resistor:</source>
        <translation>Please connect M and N sockets with resistor:</translation>
    </message>
    <message>
        <source>Please connect Tx%1 and Rx%1 sockets with resistor:</source>
        <translation>Please connect Tx%1 and Rx%1 sockets with resistor:</translation>
    </message>
    <message>
        <source>resistance: %1 kOhm %2 %3 %,</source>
        <translation>resistance: %1 kOhm %2 %3 %,</translation>
    </message>
    <message>
        <source>resistance: %1 kOhm %2 %3 % or more,</source>
        <translation>resistance: %1 kOhm %2 %3 % or more,</translation>
    </message>
    <message>
        <source>resistance: %1 Ohm %2 %3 %,</source>
        <translation>resistance: %1 Ohm %2 %3 %,</translation>
    </message>
    <message>
        <source>resistance: %1 Ohm %2 %3 % or more,</source>
        <translation>resistance: %1 Ohm %2 %3 % or more,</translation>
    </message>
    <message>
        <source>max. power: %1 W or more,</source>
        <translation>max. power: %1 W or more,</translation>
    </message>
    <message>
        <source>max power: %1 W or more.</source>
        <translation>max power: %1 W or more.</translation>
    </message>
    <message>
        <source>max voltage: %1 V or more.</source>
        <translation>max voltage: %1 V or more.</translation>
    </message>
    <message>
        <source>Setup and testing</source>
        <translation>Setup and testing</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Please remove everything (except supply) connected to device sockets before starting every operation!</source>
        <translation>Please remove everything (except supply) connected to device sockets before starting every operation!</translation>
    </message>
    <message>
        <source>Are you ready to continue?</source>
        <translation>Are you ready to continue?</translation>
    </message>
    <message>
        <source>Detecting USB appearance</source>
        <translation>Detecting USB appearance</translation>
    </message>
    <message>
        <source>Did USB drive appear?</source>
        <translation>Did USB drive appear?</translation>
    </message>
    <message>
        <source>IPv4/IPv6 address: %1</source>
        <translation>IPv4/IPv6 address: %1</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Save log?</source>
        <translation>Save log?</translation>
    </message>
    <message>
        <source>Can not enter USB storage mode</source>
        <translation>Can not enter USB storage mode</translation>
    </message>
    <message>
        <source>Can not leave USB storage mode</source>
        <translation>Can not leave USB storage mode</translation>
    </message>
    <message>
        <source>Can not save the log to %1</source>
        <translation>Can not save the log to %1</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Invalid date</translation>
    </message>
</context>
</TS>
