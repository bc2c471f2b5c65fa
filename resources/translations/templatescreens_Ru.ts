<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>zarTemplateMenuWidget</name>
    <message>
        <source>System error</source>
        <translation>Системная ошибка</translation>
    </message>
</context>
<context>
    <name>zarTemplateDataModel</name>
    <message>
        <source>Template name is not valid</source>
        <translation>Недопустимое имя шаблона</translation>
    </message>
</context>
<context>
    <name>zarTemplateWidget</name>
    <message>
        <source>Do you want to save this template?</source>
        <translation>Сохранить этот шаблон?</translation>
    </message>
    <message>
        <source>System error</source>
        <translation>Системная ошибка</translation>
    </message>
    <message>
        <source>Measurements:</source>
        <translation>Измерений:</translation>
    </message>
    <message>
        <source>runs:</source>
        <translation>циклов:</translation>
    </message>
    <message>
        <source>duration:</source>
        <translation>длительность:</translation>
    </message>
    <message>
        <source>Arrangement</source>
        <translation>Расстановка</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Estimate duration</source>
        <translation>Оценить время</translation>
    </message>
    <message>
        <source>Save template</source>
        <translation>Сохранить шаблон</translation>
    </message>
    <message>
        <source>Check grounding</source>
        <translation>Проверить заземление</translation>
    </message>
    <message>
        <source>Close template</source>
        <translation>Закрыть шаблон</translation>
    </message>
    <message>
        <source>Edit arrangement</source>
        <translation>Изменить расстановку</translation>
    </message>
    <message>
        <source>Cables:</source>
        <translation>Косы:</translation>
    </message>
    <message>
        <source>Cable spacing:</source>
        <translation>Шаг электродов:</translation>
    </message>
    <message>
        <source>Profile length:</source>
        <translation>Длина профиля:</translation>
    </message>
    <message>
        <source>Electrodes:</source>
        <translation>Электродов:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Current set:</source>
        <translation>Текущий набор:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>Копия</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>M e a s u r e m e n t  c e n t e r  [m]</source>
        <translation>Ц е н т р  и з м е р е н и я  [м]</translation>
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
        <source>L e v e l</source>
        <translation>У р о в е н ь</translation>
    </message>
    <message>
        <source>S
p
a
c
i
n
g</source>
        <translation>Р
а
з
н
о
с</translation>
    </message>
</context>
<context>
    <name>zarArrangementDialog</name>
    <message>
        <source>Edit arrangement</source>
        <translation>Изменить расстановку</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Cables:</source>
        <translation>Косы:</translation>
    </message>
    <message>
        <source>Cable spacing:</source>
        <translation>Шаг электродов:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
</context>
<context>
    <name>zarERTTableDialog</name>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
