<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Success</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>Simulated error</source>
        <translation>Симулированная ошибка</translation>
    </message>
    <message>
        <source>Can not establish connection with core</source>
        <translation>Не удаётся установить соединение с ядром</translation>
    </message>
    <message>
        <source>Can not send command</source>
        <translation>Не удаётся послать команду</translation>
    </message>
    <message>
        <source>Can not receive data</source>
        <translation>Не удаётся принять данные</translation>
    </message>
    <message>
        <source>Device "%1" does not respond</source>
        <translation>Устройство "%1" не отвечает</translation>
    </message>
    <message>
        <source>External battery is low</source>
        <translation>Внешняя батарея разряжена</translation>
    </message>
    <message>
        <source>Condensation inside</source>
        <translation>Внутри образовался конденсат</translation>
    </message>
    <message>
        <source>Short circuit (detected by software)</source>
        <translation>Короткое замыкание (обнаружено программно)</translation>
    </message>
    <message>
        <source>Short circuit (detected by hardware)</source>
        <translation>Короткое замыкание (обнаружено аппаратно)</translation>
    </message>
    <message>
        <source>Open circuit (detected by software)</source>
        <translation>Обрыв цепи (обнаружен программно)</translation>
    </message>
    <message>
        <source>Open circuit (detected by hardware)</source>
        <translation>Обрыв цепи (обнаружен аппаратно)</translation>
    </message>
    <message>
        <source>External battery is low or short circuit</source>
        <translation>Внешняя батарея разряжена или короткое замыкание</translation>
    </message>
    <message>
        <source>Generator is overheated</source>
        <translation>Перегрев генератора</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Отменено пользователем</translation>
    </message>
    <message>
        <source>Code bug</source>
        <translation>Ошибка в программном коде</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Wenner</source>
        <translation>Веннер</translation>
    </message>
    <message>
        <source>Schlumberger</source>
        <translation>Шлюмберже</translation>
    </message>
    <message>
        <source>Dipole-Dipole</source>
        <translation>Дипольная</translation>
    </message>
    <message>
        <source>Forward Pole-Dipole</source>
        <translation>Прямая 3-электродная</translation>
    </message>
    <message>
        <source>Backward Pole-Dipole</source>
        <translation>Обратная 3-электродная</translation>
    </message>
    <message>
        <source>Pole-Pole</source>
        <translation>2-электродная</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Градиентная</translation>
    </message>
    <message>
        <source>Reciprocal Wenner</source>
        <translation>Взаим. Веннер</translation>
    </message>
    <message>
        <source>Reciprocal Schlumberger</source>
        <translation>Взаим. Шлюмберже</translation>
    </message>
    <message>
        <source>Reciprocal Dipole-Dipole</source>
        <translation>Взаим. Дипольная</translation>
    </message>
    <message>
        <source>Reciprocal Pole-Pole</source>
        <translation>Взаим. 2-электродная</translation>
    </message>
    <message>
        <source>Reciprocal Gradient</source>
        <translation>Взаим. Градиентная</translation>
    </message>
    <message>
        <source>Unknown array</source>
        <translation>Неизвестная установка</translation>
    </message>
    <message>
        <source>Core</source>
        <translation>Ядро</translation>
    </message>
    <message>
        <source>Internal battery indicator</source>
        <translation>Индикатор внутренней батареи</translation>
    </message>
    <message>
        <source>External battery indicator</source>
        <translation>Индикатор внешней батареи</translation>
    </message>
    <message>
        <source>Moisture indicator</source>
        <translation>Индикатор влажности</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Динамик</translation>
    </message>
    <message>
        <source>Real-time clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Reference voltage gererator</source>
        <translation>Источник опорного напряжения</translation>
    </message>
    <message>
        <source>Internal generator</source>
        <translation>Внутренний генератор</translation>
    </message>
    <message>
        <source>Input voltage registrator %1</source>
        <translation>Измеритель входного напряжения %1</translation>
    </message>
    <message>
        <source>Output voltage registrator</source>
        <translation>Измеритель выходного напряжения</translation>
    </message>
    <message>
        <source>Output current registrator</source>
        <translation>Измеритель выходного тока</translation>
    </message>
    <message>
        <source>Input voltage registrator %1 switch</source>
        <translation>Коммутатор измерителя входного напряжения %1</translation>
    </message>
    <message>
        <source>Generator switch</source>
        <translation>Коммутатор генератора</translation>
    </message>
    <message>
        <source>Unknown device</source>
        <translation>Неизвестное устройство</translation>
    </message>
</context>
</TS>
