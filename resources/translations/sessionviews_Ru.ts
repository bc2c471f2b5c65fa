<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Template</source>
        <translation>Шаблон</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Сессия</translation>
    </message>
</context>
<context>
    <name>zarFileTableDataModel</name>
    <message>
        <source>Cbl</source>
        <translation>Кбл</translation>
    </message>
    <message>
        <source>CS</source>
        <translation>ШК</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>Qdps</source>
        <translation>Квдр</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Серии</translation>
    </message>
</context>
<context>
    <name>zarFileTableDialog</name>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>zarSoundingCurvePlot</name>
    <message>
        <source>Go to</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected measurement?</source>
        <translation>Вы уверены, что хотите удалить выбранное измерение?</translation>
    </message>
</context>
<context>
    <name>zarPseudoSectionPlot</name>
    <message>
        <source>Go to</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected measurement?</source>
        <translation>Вы уверены, что хотите удалить выбранное измерение?</translation>
    </message>
</context>
</TS>
