<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>zarMainWidget</name>
    <message>
        <source>MAIN</source>
        <translation>ГЛАВНАЯ</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>НАСТРОЙКИ</translation>
    </message>
    <message>
        <source>TEMPLATES</source>
        <translation>ШАБЛОНЫ</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>ДАННЫЕ</translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation>СИСТЕМА</translation>
    </message>
</context>
<context>
    <name>zarWarningDialog</name>
    <message>
        <source>Attention!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Пожалуйста, подождите...</translation>
    </message>
</context>
<context>
    <name>zarLanguageWidget</name>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>RU</source>
        <translation>РУС</translation>
    </message>
    <message>
        <source>US</source>
        <translation>США</translation>
    </message>
</context>
<context>
    <name>zarKeyboardDialog</name>
    <message>
        <source>Input file name:</source>
        <translation>Введите имя файла:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Регистр</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Стереть</translation>
    </message>
    <message>
        <source>File name is empty</source>
        <translation>Имя файла не задано</translation>
    </message>
</context>
<context>
    <name>zarPasswordDialog</name>
    <message>
        <source>Enter password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>zarOptionsWidget</name>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>RESISTIVITY</source>
        <translation>СОПРОТИВЛЕНИЕ</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>ВП</translation>
    </message>
    <message>
        <source>Pulses</source>
        <translation>Импульсы</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Качество</translation>
    </message>
    <message>
        <source>Transmitter voltage</source>
        <translation>Напряжение генератора</translation>
    </message>
    <message>
        <source>Pulse duration</source>
        <translation>Длительность импульса</translation>
    </message>
    <message>
        <source>Pause duration</source>
        <translation>Длительность паузы</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>Relative standart deviation</source>
        <translation>Относительное стандартное отклонение</translation>
    </message>
    <message>
        <source>Min stacking:</source>
        <translation>Мин. накоплений:</translation>
    </message>
    <message>
        <source>Max stacking:</source>
        <translation>Макс. накоплений:</translation>
    </message>
</context>
<context>
    <name>zarStatusBar</name>
    <message>
        <source>Moisture:</source>
        <translation>Влажность:</translation>
    </message>
    <message>
        <source>Ext. battery:</source>
        <translation>Внеш. батарея:</translation>
    </message>
    <message>
        <source>Int. battery:</source>
        <translation>Внутр. батарея:</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>System time seems to be invalid</source>
        <translation>Системное время, по-видимому, неверно</translation>
    </message>
</context>
<context>
    <name>zarSystemWidget</name>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation>Инженер</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Выпуск</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Stop all activities to exit</source>
        <translation>Остановите все процессы для выхода</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Вы уверены, что хотите выйти?</translation>
    </message>
    <message>
        <source>Stop all activities to enter USB storage mode</source>
        <translation>Остановите все процессы для входа в режим USB-накопителя</translation>
    </message>
    <message>
        <source>Press OK to leave USB storage mode</source>
        <translation>Нажмите OK для выхода из режима USB-накопителя</translation>
    </message>
    <message>
        <source>Can not enter USB storage mode</source>
        <translation>Не удаётся войти в режим USB-накопителя</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Пожалуйста, подождите...</translation>
    </message>
    <message>
        <source>Can not leave USB storage mode</source>
        <translation>Не удаётся выйти из режима USB-накопителя</translation>
    </message>
    <message>
        <source>Stop all activities to enter engineer mode</source>
        <translation>Остановите все процессы для входа в инженерный режим</translation>
    </message>
    <message>
        <source>Stop all activities to update</source>
        <translation>Остановите все процессы для обновления</translation>
    </message>
    <message>
        <source>System error</source>
        <translation>Системная ошибка</translation>
    </message>
</context>
<context>
    <name>zarTemplateMenuWidget</name>
    <message>
        <source>New template</source>
        <translation>Новый шаблон</translation>
    </message>
    <message>
        <source>Open template</source>
        <translation>Открыть шаблон</translation>
    </message>
</context>
<context>
    <name>zarSessionMenuWidget</name>
    <message>
        <source>Start new session</source>
        <translation>Начать новую сессию</translation>
    </message>
    <message>
        <source>Start new ERTLab session</source>
        <translation>Начать новую сессию ERTLab</translation>
    </message>
    <message>
        <source>Open previous session</source>
        <translation>Открыть предыдущую сессию</translation>
    </message>
</context>
<context>
    <name>zarDataMenuWidget</name>
    <message>
        <source>Open session</source>
        <translation>Открыть сессию</translation>
    </message>
</context>
</TS>
