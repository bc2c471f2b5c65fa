<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>zarGPSWidget</name>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Широта:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Долгота:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Качество:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>high</source>
        <translation>высокое</translation>
    </message>
    <message>
        <source>low</source>
        <translation>низкое</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Н/Д</translation>
    </message>
</context>
<context>
    <name>zarDeviceTableWidget</name>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
</context>
<context>
    <name>zarClockWidget</name>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин</translation>
    </message>
</context>
<context>
    <name>zarReleaseWidget</name>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Выпуск</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Текущая версия</translation>
    </message>
    <message>
        <source>eng</source>
        <translation>rus</translation>
    </message>
</context>
<context>
    <name>zarUpdateWidget</name>
    <message>
        <source>Update</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Download, install, restart</source>
        <translation>Загрузка, установка, перезапуск</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Connecting to server...</source>
        <translation>Соединение с сервером...</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Вход в систему...</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Closing...</source>
        <translation>Закрытие...</translation>
    </message>
    <message>
        <source>Network error</source>
        <translation>Сетевая ошибка</translation>
    </message>
    <message>
        <source>System error</source>
        <translation>Системная ошибка</translation>
    </message>
    <message>
        <source>There is no update yet</source>
        <translation>Пока обновления нет</translation>
    </message>
    <message>
        <source>Update is available</source>
        <translation>Доступно обновление</translation>
    </message>
    <message>
        <source>Downloaded update is corrupted</source>
        <translation>Загруженное обновление повреждено</translation>
    </message>
    <message>
        <source>Restarting...</source>
        <translation>Перезапуск...</translation>
    </message>
    <message>
        <source>Stop all activities to update</source>
        <translation>Остановите все процессы для обновления</translation>
    </message>
</context>
</TS>
