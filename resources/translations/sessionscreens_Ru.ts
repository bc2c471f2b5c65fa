<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>zarSessionHostWidget</name>
    <message>
        <source>System error</source>
        <translation>Системная ошибка</translation>
    </message>
</context>
<context>
    <name>zarSessionMenuWidget</name>
    <message>
        <source>Can not find previous session</source>
        <translation>Предыдущая сессия не найдена</translation>
    </message>
</context>
<context>
    <name>zarSessionModeDialog</name>
    <message>
        <source>Session mode</source>
        <translation>Режим сессии</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Полный</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Дополнить</translation>
    </message>
    <message>
        <source>Cable segment to append:</source>
        <translation>Дополняемый сегмент кабеля:</translation>
    </message>
</context>
<context>
    <name>zarSessionWidget</name>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Графика</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Signals</source>
        <translation>Сигналы</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <source>Current set:</source>
        <translation>Текущий набор:</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Вид:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>Pseudo section</source>
        <translation>Псевдоразрез</translation>
    </message>
    <message>
        <source>Sounding curves</source>
        <translation>Кривые зондирования</translation>
    </message>
    <message>
        <source>Profile curves</source>
        <translation>Кривые профилирования</translation>
    </message>
    <message>
        <source>Resistivity</source>
        <translation>Сопротивление</translation>
    </message>
    <message>
        <source>Chargeability</source>
        <translation>Поляризуемость</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ом</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>P s e u d o  d e p t h  [m]</source>
        <translation>П с е в д о г л у б и н а  [м]</translation>
    </message>
    <message>
        <source>M e a s u r e m e n t  c e n t e r  [m]</source>
        <translation>Ц е н т р  и з м е р е н и я  [м]</translation>
    </message>
    <message>
        <source>A p p a r e n t  r e s i s t i v i t y</source>
        <translation>К а ж у щ е е с я  с о п р о т и в л е н и е</translation>
    </message>
    <message>
        <source>A p p a r e n t  c h a r g e a b i l i t y  [mV/V]</source>
        <translation>К а ж у щ а я с я  п о л я р и з у е м о с т ь  [мВ/В]</translation>
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
        <translation>Г
л
у
б
и
н
а

[м]</translation>
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
        <translation>С
о
п
р
о
т
и
в
л
е
н
и
е</translation>
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
        <translation>П
о
л
я
р
и
з
у
е
м
о
с
т
ь

[мВ/В]</translation>
    </message>
    <message>
        <source>Do you want to save current session?</source>
        <translation>Сохранить текущую сессию?</translation>
    </message>
    <message>
        <source>No results were received</source>
        <translation>Результаты измерений не получены</translation>
    </message>
    <message>
        <source>It is all done</source>
        <translation>Измерения завершены</translation>
    </message>
    <message>
        <source>too long</source>
        <translation>слишком долго</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Осталось:</translation>
    </message>
    <message>
        <source>Open ERTLab template</source>
        <translation>Открыть шаблон ERTLab</translation>
    </message>
    <message>
        <source>ERTLab template is valid</source>
        <translation>Шаблон ERTLab корректен</translation>
    </message>
    <message>
        <source>Can not find templates</source>
        <translation>Шаблоны не найдены</translation>
    </message>
    <message>
        <source>There are no measurements in session</source>
        <translation>В сессии нет измерений</translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation>Невозможно записать данные в файл</translation>
    </message>
</context>
</TS>
