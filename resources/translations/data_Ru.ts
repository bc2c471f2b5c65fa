<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>zarTemplateDataModel</name>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>Template contains too many measurements</source>
        <translation>Шаблон содержит слишком много измерений</translation>
    </message>
    <message>
        <source>Template is empty</source>
        <translation>Шаблон пуст</translation>
    </message>
    <message>
        <source>Template contains an empty set</source>
        <translation>Шаблон содержит пустой набор</translation>
    </message>
    <message>
        <source>Can not add one more set</source>
        <translation>Невозможно добавить ещё один набор</translation>
    </message>
    <message>
        <source>Set was cloned successfully</source>
        <translation>Набор успешно скопирован</translation>
    </message>
    <message>
        <source>Are you sure you want to remove current set?</source>
        <translation>Вы уверены, что хотите удалить текущий набор?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear surrent set?</source>
        <translation>Вы уверены, что хотите очистить текущий набор?</translation>
    </message>
    <message>
        <source>Save template</source>
        <translation>Сохранить шаблон</translation>
    </message>
    <message>
        <source>File exists, do you want to overwrite it?</source>
        <translation>Файл существует, перезаписать его?</translation>
    </message>
    <message>
        <source>Can not open file for writing</source>
        <translation>Невозможно открыть файл для записи</translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation>Невозможно записать данные в файл</translation>
    </message>
    <message>
        <source>Can not open file for reading</source>
        <translation>Невозможно открыть файл для чтения</translation>
    </message>
    <message>
        <source>Can not read data from file</source>
        <translation>Невозможно прочитать данные из файла</translation>
    </message>
    <message>
        <source>Template is corrupted</source>
        <translation>Шаблон повреждён</translation>
    </message>
    <message>
        <source>Can not find the beginning of header (# X Y Z)</source>
        <translation>Не найдено начало заголовка (# X Y Z)</translation>
    </message>
    <message>
        <source>Electrode number %1 is not supported</source>
        <translation>Номер электрода %1 не поддерживается</translation>
    </message>
    <message>
        <source>Electrode %1 appears more than once</source>
        <translation>Электрод %1 встречается более одного раза</translation>
    </message>
    <message>
        <source>Coordinate of electrode %1 is not a finite number</source>
        <translation>Координата электрода %1 не является конечным числом</translation>
    </message>
    <message>
        <source>(row: %1)</source>
        <translation>(строка: %1)</translation>
    </message>
    <message>
        <source>Quadripole row can not be read</source>
        <translation>Невозможно прочитать строку установки</translation>
    </message>
    <message>
        <source>Header does not contains electrode %1</source>
        <translation>Заголовок не содержит электрод %1</translation>
    </message>
    <message>
        <source>A electrode can not be remote</source>
        <translation>Электрод A не может быть удалённым</translation>
    </message>
    <message>
        <source>M electrode can not be remote</source>
        <translation>Электрод M не может быть удалённым</translation>
    </message>
    <message>
        <source>Electrode %1 appears more than once in quadripole</source>
        <translation>Электрод %1 встречается в установке более одного раза</translation>
    </message>
</context>
<context>
    <name>zarAddModifyArrayDialog</name>
    <message>
        <source>Add / modify array</source>
        <translation>Добавить / изменить установку</translation>
    </message>
    <message>
        <source>Array:</source>
        <translation>Установка:</translation>
    </message>
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
    <name>zarSessionDataModel</name>
    <message>
        <source>N / A</source>
        <translation>Н / Д</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>Measurement center:</source>
        <translation>Центр измерения:</translation>
    </message>
    <message>
        <source>Pseudo depth:</source>
        <translation>Псевдоглубина:</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ом</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Пр</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>мА</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>мВ</translation>
    </message>
    <message>
        <source>mV/V</source>
        <translation>мВ/В</translation>
    </message>
    <message>
        <source>Session name is not valid</source>
        <translation>Недопустимое имя сессии</translation>
    </message>
    <message>
        <source>File exists, do you want to overwrite it?</source>
        <translation>Файл существует, перезаписать его?</translation>
    </message>
    <message>
        <source>Can not open file for writing</source>
        <translation>Невозможно открыть файл для записи</translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation>Невозможно записать данные в файл</translation>
    </message>
    <message>
        <source>Can not open file for reading</source>
        <translation>Невозможно открыть файл для чтения</translation>
    </message>
    <message>
        <source>Session is corrupted</source>
        <translation>Сессия повреждена</translation>
    </message>
    <message>
        <source>Can not read data from file</source>
        <translation>Невозможно прочитать данные из файла</translation>
    </message>
    <message>
        <source>Session file is incomplete. Rows read: %1</source>
        <translation>Файл сессии неполный. Прочитано строк: %1</translation>
    </message>
    <message>
        <source>IP options were changed since last session. Change back?</source>
        <translation>Параметры ВП изменились с прошлой сессии. Вернуть их?</translation>
    </message>
</context>
</TS>
