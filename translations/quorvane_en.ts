<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AddCarWindow</name>
    <message>
        <source>Добавить машину</source>
        <translation>Add car</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Тюнинг транспорта</source>
        <translation>Vehicle tuning</translation>
    </message>
</context>
<context>
    <name>AddCheckpWindow</name>
    <message>
        <source>Добавить чекпоинт</source>
        <translation>Add checkpoint</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
</context>
<context>
    <name>AddEventWindow</name>
    <message>
        <source>Добавить событие</source>
        <translation>Add event</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>AddObjectWindow</name>
    <message>
        <source>Добавить объект</source>
        <translation>Add object</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Пользовательский список моделей</source>
        <translation>Custom model list</translation>
    </message>
</context>
<context>
    <name>EventsWindow</name>
    <message>
        <source>События (beta)</source>
        <translation>Events (beta)</translation>
    </message>
    <message>
        <source>Добавить событие</source>
        <translation>Add event</translation>
    </message>
    <message>
        <source>Удалить последнее</source>
        <translation>Delete last</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Развернуть</source>
        <translation>Expand all</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <translation>Collapse all</translation>
    </message>
    <message>
        <source>Здесь вы можете настроить события, которые будут происходить во время гонки.</source>
        <translation>Here you can set up the events that happen during the race.</translation>
    </message>
</context>
<context>
    <name>ModifyCarWindow</name>
    <message>
        <source>Изменить</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Тюнинг транспорта*</source>
        <translation>Vehicle tuning*</translation>
    </message>
</context>
<context>
    <name>ModifyCheckpWindow</name>
    <message>
        <source>Изменить</source>
        <translation>Change</translation>
    </message>
</context>
<context>
    <name>ModifyEventWindow</name>
    <message>
        <source>Изменить</source>
        <translation>Change</translation>
    </message>
</context>
<context>
    <name>ModifyObjectWindow</name>
    <message>
        <source>Изменить</source>
        <translation>Change</translation>
    </message>
</context>
<context>
    <name>ObjectsWindow</name>
    <message>
        <source>Объекты</source>
        <translation>Objects</translation>
    </message>
    <message>
        <source>Добавить объект</source>
        <translation>Add object</translation>
    </message>
    <message>
        <source>Удалить последний</source>
        <translation>Delete last</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Развернуть</source>
        <translation>Expand all</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <translation>Collapse all</translation>
    </message>
</context>
<context>
    <name>RowTarget</name>
    <message>
        <source>Машина %1 - Редактирование</source>
        <translation>Car %1 - Editing</translation>
    </message>
    <message>
        <source>Чекпоинт %1 - Редактирование</source>
        <translation>Checkpoint %1 - Editing</translation>
    </message>
    <message>
        <source>Объект %1 - Редактирование</source>
        <translation>Object %1 - Editing</translation>
    </message>
    <message>
        <source>Событие %1 - Редактирование</source>
        <translation>Event %1 - Editing</translation>
    </message>
    <message>
        <source>%1 - Редактирование</source>
        <translation>%1 - Editing</translation>
    </message>
</context>
<context>
    <name>qv::ui::CarDialog</name>
    <message>
        <source>Тюнинг транспорта</source>
        <translation>Vehicle tuning</translation>
    </message>
    <message>
        <source>Модель</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Стартовые координаты</source>
        <translation>Start coordinates</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Компоненты:</source>
        <translation>Components:</translation>
    </message>
</context>
<context>
    <name>qv::ui::CheckpointDialog</name>
    <message>
        <source>Гоночный </source>
        <translation>Racing</translation>
    </message>
    <message>
        <source>По обычным транспортным путям</source>
        <translation>Along normal traffic routes</translation>
    </message>
    <message>
        <source>Напрямик</source>
        <translation>Straight through</translation>
    </message>
    <message>
        <source>Координаты</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>Скорость езды противников</source>
        <translation>Opponents&apos; speed</translation>
    </message>
    <message>
        <source>Тип езды</source>
        <translation>Drive type</translation>
    </message>
    <message>
        <source>Гоночный</source>
        <translation>Racing</translation>
    </message>
    <message>
        <source>По обычным путям</source>
        <translation>Along normal roads</translation>
    </message>
</context>
<context>
    <name>qv::ui::CoordinateGroup</name>
    <message>
        <source>Угол</source>
        <translation>Heading</translation>
    </message>
</context>
<context>
    <name>qv::ui::EventDialog</name>
    <message>
        <source>Чтобы корректно настраивать события, вы должны иметь по крайней мере базовые знания в скриптинге!</source>
        <translation>To set up events properly you need at least a basic knowledge of scripting!</translation>
    </message>
    <message>
        <source>Используется синтаксис Sanny Builder.</source>
        <translation>The syntax is Sanny Builder&apos;s.</translation>
    </message>
    <message>
        <source>Во избежание глюков с загрузкой не ставьте пробелов в начале строк!!!</source>
        <translation>To avoid loading glitches, do not put spaces at the start of lines!!!</translation>
    </message>
    <message>
        <source>IF - действия активируются, если указанное (ОДНО) условие будет выполнено.</source>
        <translation>IF - the actions run if the (ONE) condition given is met.</translation>
    </message>
    <message>
        <source>IF AND - действия активируются, если все указанные условия будут выполнены.</source>
        <translation>IF AND - the actions run if all the conditions given are met.</translation>
    </message>
    <message>
        <source>IF OR - действия активируются, если хотя бы одно указанное условие будет выполнено.</source>
        <translation>IF OR - the actions run if at least one of the conditions given is met.</translation>
    </message>
    <message>
        <source>Не забывайте использовать в действиях следующие конструкции/операторы:</source>
        <translation>Remember to use these constructs/operators in the actions:</translation>
    </message>
    <message>
        <source>WHILE &lt;подусловие&gt;</source>
        <translation>WHILE &lt;condition&gt;</translation>
    </message>
    <message>
        <source>Чтобы получить более полный список операторов, читайте ReadMe к Sanny Builder.</source>
        <translation>For a fuller list of operators, read Sanny Builder&apos;s ReadMe.</translation>
    </message>
    <message>
        <source>Небольшая справочка :)</source>
        <translation>A little help :)</translation>
    </message>
    <message>
        <source>Условия:</source>
        <translation>Conditions:</translation>
    </message>
    <message>
        <source>Действия:</source>
        <translation>Actions:</translation>
    </message>
</context>
<context>
    <name>qv::ui::ObjectDialog</name>
    <message>
        <source>Модель</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Модель#</source>
        <translation>Model#</translation>
    </message>
    <message>
        <source>Координаты</source>
        <translation>Coordinates</translation>
    </message>
</context>
<context>
    <name>qv::ui::OptionsWindow</name>
    <message>
        <source>Настройки программы</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Обзор...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Язык сменится при следующем запуске программы.</source>
        <translation>The language will change the next time the program starts.</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Путь к GTA: San Andreas:</source>
        <translation>GTA: San Andreas folder:</translation>
    </message>
    <message>
        <source>Путь к Sanny Builder:</source>
        <translation>Sanny Builder folder:</translation>
    </message>
    <message>
        <source>Укажите путь к папке с Sanny Builder</source>
        <translation>Choose the Sanny Builder folder</translation>
    </message>
    <message>
        <source>Укажите путь к папке с GTA: San Andreas</source>
        <translation>Choose the GTA: San Andreas folder</translation>
    </message>
    <message>
        <source>Указан неверный путь!</source>
        <translation>Wrong folder!</translation>
    </message>
    <message>
        <source>В этой папке есть карта радара, но нет gta_sa.exe или data\script\main.scm: карта маршрута покажет фон, а проверка скрипта миссии с этой папкой не запустится.</source>
        <translation>This folder has the radar map but no gta_sa.exe or data\script\main.scm: the route map will show its background, but the test run of the mission will not start with this folder.</translation>
    </message>
    <message>
        <source>Внимание!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Для проверки скрипта миссии требуется Sanny Builder не ниже версии 3.00!</source>
        <translation>The test run of the mission needs Sanny Builder 3.00 or later!</translation>
    </message>
    <message>
        <source>Версия Sanny Builder не определена</source>
        <translation>Sanny Builder version unknown</translation>
    </message>
</context>
<context>
    <name>qv::ui::TestRunLink</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sanny Builder ещё компилирует скрипт проверки. Программа закроется, когда он закончит (не дольше двух минут), и вернёт ваш main.scm на место.</source>
        <translation>Sanny Builder is still compiling the test script. The program will close when it is done (in two minutes at most) and put your main.scm back.</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Проверка была прервана: main.scm вернётся, когда закроется %1</source>
        <translation>Test run interrupted: main.scm goes back when %1 closes</translation>
    </message>
    <message>
        <source>Прошлая проверка скрипта миссии была прервана, а %1 ещё работает. Ваш main.scm вернётся на место, когда %1 закроется. «Отмена» оставляет файлы как есть до следующего запуска программы.</source>
        <translation>The last test run of the mission was interrupted, and %1 is still running. Your main.scm goes back in place when %1 closes. &quot;Cancel&quot; leaves the files as they are until the program&apos;s next start.</translation>
    </message>
    <message>
        <source>Прошлая проверка ещё не закончена: main.scm в папке игры останется тестовым скриптом, пока Quorvane не будет запущен снова после того, как закроется %1.</source>
        <translation>The last test run is not finished yet: main.scm in the game folder stays the test script until Quorvane is started again after %1 closes.</translation>
    </message>
</context>
<context>
    <name>qv::ui::UserModelList</name>
    <message>
        <source>Пользовательский список моделей</source>
        <translation>Custom model list</translation>
    </message>
    <message>
        <source>(Описание)</source>
        <translation>(Label)</translation>
    </message>
    <message>
        <source>(Модель)</source>
        <translation>(Model)</translation>
    </message>
    <message>
        <source>Sanny Builder не понимает номер модели после «#»: впишите имя модели из файлов .ide игры.</source>
        <translation>After &quot;#&quot; Sanny Builder needs the model&apos;s name from the game&apos;s .ide files, not its number.</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>« Выбрать</source>
        <translation>« Choose</translation>
    </message>
</context>
</TS>
