<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>N / A</source>
        <translation>Н / Д</translation>
    </message>
    <message>
        <source>k</source>
        <translation>к</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ом</translation>
    </message>
</context>
<context>
    <name>zarCableConfigDialog</name>
    <message>
        <source>Actions</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Current cable</source>
        <translation>Текущий кабель</translation>
    </message>
    <message>
        <source>Cable configuration</source>
        <translation>Конфигурация кабелей</translation>
    </message>
    <message>
        <source>Grounding check</source>
        <translation>Проверка заземления</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Удалённые</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message>
        <source>Check cable</source>
        <translation>Проверить кабель</translation>
    </message>
    <message>
        <source>Disable failed</source>
        <translation>Отключить плохие</translation>
    </message>
    <message>
        <source>Check remote</source>
        <translation>Проверить удалённые</translation>
    </message>
    <message>
        <source>Automatic advance</source>
        <translation>Автоматический переход</translation>
    </message>
    <message>
        <source>Stop if failed</source>
        <translation>Стоп при отказе</translation>
    </message>
    <message>
        <source>Fail grounding</source>
        <translation>Порог заземления</translation>
    </message>
    <message>
        <source>k</source>
        <translation>к</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ом</translation>
    </message>
    <message>
        <source>Are you sure you want to disable failed electrodes?</source>
        <translation>Вы уверены, что хотите отключить плохие электроды?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset current configuration?</source>
        <translation>Вы уверены, что хотите сбросить текущую конфигурацию?</translation>
    </message>
</context>
<context>
    <name>zarSignalWidget</name>
    <message>
        <source>Bad</source>
        <translation>Плохо</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Input voltage</source>
        <translation>Вх. напряжение</translation>
    </message>
    <message>
        <source>Output voltage</source>
        <translation>Вых. напряжение</translation>
    </message>
    <message>
        <source>Output current</source>
        <translation>Вых. ток</translation>
    </message>
    <message>
        <source>T i m e  [msec]</source>
        <translation>В р е м я  [мс]</translation>
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

Н
а
п
р
я
ж
е
н
и
е

[В]</translation>
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

Т
о
к

[мА]</translation>
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

Н
а
п
р
я
ж
е
н
и
е

[мВ]</translation>
    </message>
</context>
</TS>
