<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>zarEngineerWidget</name>
    <message>
        <source>Adjust Rx channels</source>
        <translation>Настроить измерительные каналы</translation>
    </message>
    <message>
        <source>Check Rx channels adjustment</source>
        <translation>Проверить настройку измерительных каналов</translation>
    </message>
    <message>
        <source>Check A and B sockets and Rx channels for Tx monitoring</source>
        <translation>Проверить разъёмы A и B и измерительные каналы для генератора</translation>
    </message>
    <message>
        <source>Check Tx and Rx switches interconnections</source>
        <translation>Проверить соединения генераторных и измерительных коммутаторов </translation>
    </message>
    <message>
        <source>Check M and N sockets</source>
        <translation>Проверить разъёмы M и N</translation>
    </message>
    <message>
        <source>Check Tx%1 and Rx%1 sockets</source>
        <translation>Проверить разъёмы Tx%1 и Rx%1</translation>
    </message>
    <message>
        <source>Check 1...32 cable socket</source>
        <translation>Проверить кабельный разъём 1...32</translation>
    </message>
    <message>
        <source>Check 33...64 cable socket</source>
        <translation>Проверить кабельный разъём 33...64</translation>
    </message>
    <message>
        <source>Check USB</source>
        <translation>Проверить USB</translation>
    </message>
    <message>
        <source>Check LAN</source>
        <translation>Проверить LAN</translation>
    </message>
    <message>
        <source>Check Tx low supply voltage protection</source>
        <translation>Проверить защиту генератора от низкого напряжения питания</translation>
    </message>
    <message>
        <source>Check Tx short circuit protection</source>
        <translation>Проверить защиту генератора от короткого замыкания</translation>
    </message>
    <message>
        <source>Check Tx output power</source>
        <translation>Проверить выходную мощность генератора</translation>
    </message>
    <message>
        <source>Check Tx output voltage</source>
        <translation>Проверить выходное напряжение генератора</translation>
    </message>
    <message>
        <source>Check 1...32 cable isolation</source>
        <translation>Проверить изоляцию кабеля 1...32</translation>
    </message>
    <message>
        <source>Check 33...64 cable isolation</source>
        <translation>Проверить изоляцию кабеля 33...64</translation>
    </message>
    <message>
        <source>Check Tx operability (1 hour)</source>
        <translation>Проверить работоспособность генератора (1 час)</translation>
    </message>
    <message>
        <source>Check Rx channels polarity</source>
        <translation>Проверить полярность измерительных каналов</translation>
    </message>
    <message>
        <source>Check Tx output current</source>
        <translation>Проверить выходной ток генератора</translation>
    </message>
    <message>
        <source>Check GPS</source>
        <translation>Проверить GPS</translation>
    </message>
    <message>
        <source>Check Tx overheat protection</source>
        <translation>Проверить защиту генератора от перегрева</translation>
    </message>
    <message>
        <source>Check Rx channels reproducibility</source>
        <translation>Проверить повторяемость измерительных каналов</translation>
    </message>
    <message>
        <source>Rx channels are going to be adjusted.</source>
        <translation>Будут настроены измерительные каналы.</translation>
    </message>
    <message>
        <source>Rx channels are going to be tested.</source>
        <translation>Будут протестированы измерительные каналы.</translation>
    </message>
    <message>
        <source>Please connect checking module to 1...32 socket.</source>
        <translation>Подключите проверочный модуль к разъёму 1...32.</translation>
    </message>
    <message>
        <source>Please connect checking module to 33...64 socket.</source>
        <translation>Подключите проверочный модуль к разъёму 33...64.</translation>
    </message>
    <message>
        <source>Please connect USB sockets of this device and
powered-on computer with USB cable.</source>
        <translation>Соедините приборный разъём USB и
включённый компьютер USB кабелем. </translation>
    </message>
    <message>
        <source>Please connect LAN sockets of this device and
local network with patch cord and wait for 20 seconds.</source>
        <translation>Соедините LAN разъёмы прибора и локальной сети
кабелем и подождите 20 секунд. </translation>
    </message>
    <message>
        <source>Please make supply voltage less than %1 V.</source>
        <translation>Установите напряжение питания менее %1 В.</translation>
    </message>
    <message>
        <source>Please connect A and B sockets with a wire to
make short circuit.</source>
        <translation>Соедините разъёмы A и B проводником, чтобы
обеспечить короткое замыкание.</translation>
    </message>
    <message>
        <source>Please connect multi-electrode cable to 1...32 socket.</source>
        <translation>Подключите многоэлектродный кабель к разъёму 1...32.</translation>
    </message>
    <message>
        <source>Please connect multi-electrode cable to 33...64 socket.</source>
        <translation>Подключите многоэлектродный кабель к разъёму 33...64.</translation>
    </message>
    <message>
        <source>GPS receiver is going to be tested.</source>
        <translation>Будет протестирован приёмник GPS.</translation>
    </message>
    <message>
        <source>Please start heating Tx.</source>
        <translation>Начните нагревание генератора.</translation>
    </message>
    <message>
        <source>Please connect reference voltage source (%1 %2 mV) to A and B sockets.</source>
        <translation>Подключите источник опорного напряжения (%1 %2 мВ) к разъёмам A и B.</translation>
    </message>
    <message>
        <source>Please connect A and B sockets with resistor:</source>
        <translation>Подключите к разъёмам A и B резистор:</translation>
    </message>
    <message>
        <source>Please connect M and N sockets with resistor:</source>
        <translation>Подключите к разъёмам M и N резистор:</translation>
    </message>
    <message>
        <source>Please connect Tx%1 and Rx%1 sockets with resistor:</source>
        <translation>Подключите к разъёмам Tx%1 и Rx%1 резистор:</translation>
    </message>
    <message>
        <source>resistance: %1 kOhm %2 %3 %,</source>
        <translation>сопротивление: %1 кОм %2 %3 %,</translation>
    </message>
    <message>
        <source>resistance: %1 kOhm %2 %3 % or more,</source>
        <translation>сопротивление: %1 кОм %2 %3 % или больше,</translation>
    </message>
    <message>
        <source>resistance: %1 Ohm %2 %3 %,</source>
        <translation>сопротивление: %1 Ом %2 %3 %,</translation>
    </message>
    <message>
        <source>resistance: %1 Ohm %2 %3 % or more,</source>
        <translation>сопротивление: %1 Ом %2 %3 % или больше,</translation>
    </message>
    <message>
        <source>max. power: %1 W or more,</source>
        <translation>макс. мощность: %1 Вт или больше,</translation>
    </message>
    <message>
        <source>max power: %1 W or more.</source>
        <translation>макс. мощность: %1 Вт или больше.</translation>
    </message>
    <message>
        <source>max voltage: %1 V or more.</source>
        <translation>макс. напряжение: %1 В или больше.</translation>
    </message>
    <message>
        <source>Setup and testing</source>
        <translation>Настройка и тестирование</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Please remove everything (except supply) connected to device sockets before starting every operation!</source>
        <translation>Отключите всё, что подключено к разъёмам прибора (кроме питания) перед началом каждой операции!</translation>
    </message>
    <message>
        <source>Are you ready to continue?</source>
        <translation>Вы готовы продолжить?</translation>
    </message>
    <message>
        <source>Detecting USB appearance</source>
        <translation>Обнаружение USB</translation>
    </message>
    <message>
        <source>Did USB drive appear?</source>
        <translation>Появился ли USB накопитель?</translation>
    </message>
    <message>
        <source>IPv4/IPv6 address: %1</source>
        <translation>Адрес IPv4/IPv6: %1</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Save log?</source>
        <translation>Сохранить журнал?</translation>
    </message>
    <message>
        <source>Can not enter USB storage mode</source>
        <translation>Не удаётся войти в режим USB-накопителя</translation>
    </message>
    <message>
        <source>Can not leave USB storage mode</source>
        <translation>Не удаётся выйти из режима USB-накопителя</translation>
    </message>
    <message>
        <source>Can not save the log to %1</source>
        <translation>Не удаётся сохранить журнал в %1</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Неверная дата</translation>
    </message>
</context>
</TS>
