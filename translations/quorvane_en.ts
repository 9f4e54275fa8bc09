<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AboutWindow</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Версия 0.9</source>
        <translation>Version 0.9</translation>
    </message>
    <message>
        <source>Редактор гоночных миссий для GTA: San Andreas</source>
        <translation>Race mission editor for GTA: San Andreas</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
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
    <name>CliRecord</name>
    <message>
        <source>В миссии уже %1 чекпоинтов: дальше они не записывались</source>
        <translation>The mission already has %1 checkpoints: no more were recorded</translation>
    </message>
    <message>
        <source>В миссии уже %1 машин: дальше они не записывались</source>
        <translation>The mission already has %1 cars: no more were recorded</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Автоматическое определение координат игрока из игры</source>
        <translation>Take the player&apos;s position from the running game</translation>
    </message>
</context>
<context>
    <name>Cp1251</name>
    <message>
        <source>Символ %1(%2) нельзя записать в кодировке Windows-1251</source>
        <translation>Character %1(%2) cannot be written in the Windows-1251 encoding</translation>
    </message>
    <message>
        <source>файл &quot;%1&quot;, строка %2</source>
        <translation>file &quot;%1&quot;, line %2</translation>
    </message>
    <message>
        <source>Неверная последовательность байтов UTF-8: %1</source>
        <translation>Invalid UTF-8 byte sequence: %1</translation>
    </message>
</context>
<context>
    <name>EventText</name>
    <message>
        <source>Введите условия!</source>
        <translation>Enter the conditions!</translation>
    </message>
    <message>
        <source>Введите действия!</source>
        <translation>Enter the actions!</translation>
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
    <name>GameRoads</name>
    <message>
        <source>нет в архиве</source>
        <translation>not in the archive</translation>
    </message>
</context>
<context>
    <name>GxtTable</name>
    <message>
        <source>текст игры повреждён: нет блока %1</source>
        <translation>the game&apos;s text is damaged: no %1 block</translation>
    </message>
    <message>
        <source>текст игры обрывается</source>
        <translation>the game&apos;s text is cut short</translation>
    </message>
    <message>
        <source>не текст San Andreas (версия %1)</source>
        <translation>not a San Andreas text file (version %1)</translation>
    </message>
    <message>
        <source>текст игры в %1-битных символах не поддерживается</source>
        <translation>the game&apos;s text in %1-bit characters is not supported</translation>
    </message>
    <message>
        <source>в тексте игры нет таблиц</source>
        <translation>the game&apos;s text has no tables</translation>
    </message>
    <message>
        <source>текст игры повреждён: строка за концом TDAT</source>
        <translation>the game&apos;s text is damaged: a string lies past the end of TDAT</translation>
    </message>
</context>
<context>
    <name>ImgArchive</name>
    <message>
        <source>не архив IMG версии 2: файл короче заголовка</source>
        <translation>not a version 2 IMG archive: the file is shorter than its header</translation>
    </message>
    <message>
        <source>не архив IMG версии 2: нет «VER2» в начале</source>
        <translation>not a version 2 IMG archive: no &quot;VER2&quot; at the start</translation>
    </message>
    <message>
        <source>архив повреждён: в оглавлении %1 записей</source>
        <translation>the archive is damaged: its directory lists %1 entries</translation>
    </message>
    <message>
        <source>архив повреждён: оглавление обрывается</source>
        <translation>the archive is damaged: its directory is cut short</translation>
    </message>
    <message>
        <source>«%1» слишком велик (%2 байт)</source>
        <translation>&quot;%1&quot; is too large (%2 bytes)</translation>
    </message>
    <message>
        <source>«%1» выходит за конец архива</source>
        <translation>&quot;%1&quot; runs past the end of the archive</translation>
    </message>
</context>
<context>
    <name>IniDocument</name>
    <message>
        <source>Значение ключа %1 раздела [%2] содержит перевод строки и не может быть записано</source>
        <translation>The value of key %1 in section [%2] contains a line break and cannot be written</translation>
    </message>
</context>
<context>
    <name>InputCheck</name>
    <message>
        <source>Неверно заполнены стартовые координаты</source>
        <translation>The start coordinates are filled in incorrectly</translation>
    </message>
    <message>
        <source>Для гонки необходима как минимум одна машина противника</source>
        <translation>The race needs at least one opponent&apos;s car</translation>
    </message>
    <message>
        <source>Машина №%1: Не допускается пустое имя модели</source>
        <translation>Car #%1: The model name must not be empty</translation>
    </message>
    <message>
        <source>Машина №%1: В имя модели был введён недопустимый символ</source>
        <translation>Car #%1: The model name contains a character that is not allowed</translation>
    </message>
    <message>
        <source>Для гонки необходим как минимум один чекпоинт</source>
        <translation>The race needs at least one checkpoint</translation>
    </message>
    <message>
        <source>Для кольцевой гонки необходимо как минимум два чекпоинта</source>
        <translation>A circuit race needs at least two checkpoints</translation>
    </message>
</context>
<context>
    <name>MapPainting</name>
    <message>
        <source>Кругов: %1</source>
        <translation>Laps: %1</translation>
    </message>
    <message>
        <source>Старт</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>%1 м</source>
        <translation>%1 m</translation>
    </message>
</context>
<context>
    <name>Mission</name>
    <message>
        <source>Нельзя добавить больше %1 тюнинг-компонентов</source>
        <translation>Cannot add more than %1 tuning components</translation>
    </message>
    <message>
        <source>Машины №%1 нет в миссии</source>
        <translation>Car #%1 is not in the mission</translation>
    </message>
    <message>
        <source>Чекпоинта №%1 нет в миссии</source>
        <translation>Checkpoint #%1 is not in the mission</translation>
    </message>
    <message>
        <source>Объекта №%1 нет в миссии</source>
        <translation>Object #%1 is not in the mission</translation>
    </message>
    <message>
        <source>Нельзя добавить больше %1 машин</source>
        <translation>Cannot add more than %1 cars</translation>
    </message>
    <message>
        <source>Нельзя добавить больше %1 чекпоинтов</source>
        <translation>Cannot add more than %1 checkpoints</translation>
    </message>
    <message>
        <source>Нельзя добавить больше %1 объектов</source>
        <translation>Cannot add more than %1 objects</translation>
    </message>
    <message>
        <source>События №%1 нет в миссии</source>
        <translation>Event #%1 is not in the mission</translation>
    </message>
    <message>
        <source>Допускается не более %1 подусловий</source>
        <translation>No more than %1 conditions are allowed</translation>
    </message>
</context>
<context>
    <name>MissionCommands</name>
    <message>
        <source>Файл Quorvane (*.qvnx)</source>
        <translation>Quorvane project (*.qvnx)</translation>
    </message>
    <message>
        <source>Сохранить изменения?</source>
        <translation>Save changes?</translation>
    </message>
    <message>
        <source>Изменения в «%1» не сохранены.</source>
        <translation>The changes to “%1” are not saved.</translation>
    </message>
</context>
<context>
    <name>MissionHistory</name>
    <message>
        <source>машины %1</source>
        <translation>car %1</translation>
    </message>
    <message>
        <source>чекпоинта %1</source>
        <translation>checkpoint %1</translation>
    </message>
    <message>
        <source>объекта %1</source>
        <translation>object %1</translation>
    </message>
    <message>
        <source>события %1</source>
        <translation>event %1</translation>
    </message>
    <message>
        <source>изменение параметров</source>
        <translation>change parameters</translation>
    </message>
    <message>
        <source>изменение: %1</source>
        <translation>change: %1</translation>
    </message>
    <message>
        <source>добавление %1</source>
        <translation>add %1</translation>
    </message>
    <message>
        <source>вставка %1</source>
        <translation>insert %1</translation>
    </message>
    <message>
        <source>дублирование %1</source>
        <translation>duplicate %1</translation>
    </message>
    <message>
        <source>изменение %1</source>
        <translation>change %1</translation>
    </message>
    <message>
        <source>удаление %1</source>
        <translation>delete %1</translation>
    </message>
    <message>
        <source>перемещение %1</source>
        <translation>move %1</translation>
    </message>
    <message>
        <source>поворот %1</source>
        <translation>turn %1</translation>
    </message>
    <message>
        <source>перемещение старта</source>
        <translation>move start</translation>
    </message>
    <message>
        <source>правка строки %1</source>
        <translation>edit line of %1</translation>
    </message>
</context>
<context>
    <name>MissionParameters</name>
    <message>
        <source>[Los Santos] Ясно</source>
        <translation>[Los Santos] Clear</translation>
    </message>
    <message>
        <source>[Los Santos] Солнечно</source>
        <translation>[Los Santos] Sunny</translation>
    </message>
    <message>
        <source>[Los Santos] Ясно (смог)</source>
        <translation>[Los Santos] Clear (smog)</translation>
    </message>
    <message>
        <source>[Los Santos] Солнечно (смог) </source>
        <translation>[Los Santos] Sunny (smog) </translation>
    </message>
    <message>
        <source>[Los Santos] Облачно</source>
        <translation>[Los Santos] Cloudy</translation>
    </message>
    <message>
        <source>[San Fierro] Солнечно</source>
        <translation>[San Fierro] Sunny</translation>
    </message>
    <message>
        <source>[San Fierro] Ясно</source>
        <translation>[San Fierro] Clear</translation>
    </message>
    <message>
        <source>[San Fierro] Облачно</source>
        <translation>[San Fierro] Cloudy</translation>
    </message>
    <message>
        <source>[San Fierro] Дождь</source>
        <translation>[San Fierro] Rain</translation>
    </message>
    <message>
        <source>[San Fierro] Туман</source>
        <translation>[San Fierro] Fog</translation>
    </message>
    <message>
        <source>[Las Venturas] Солнечно</source>
        <translation>[Las Venturas] Sunny</translation>
    </message>
    <message>
        <source>[Las Venturas] Ясно</source>
        <translation>[Las Venturas] Clear</translation>
    </message>
    <message>
        <source>[Las Venturas] Облачно</source>
        <translation>[Las Venturas] Cloudy</translation>
    </message>
    <message>
        <source>[Сельская местность] Ясно</source>
        <translation>[Countryside] Clear</translation>
    </message>
    <message>
        <source>[Сельская местность] Солнечно</source>
        <translation>[Countryside] Sunny</translation>
    </message>
    <message>
        <source>[Сельская местность] Облачно</source>
        <translation>[Countryside] Cloudy</translation>
    </message>
    <message>
        <source>[Сельская местность] Дождь</source>
        <translation>[Countryside] Rain</translation>
    </message>
    <message>
        <source>[Пустыня] Ясно</source>
        <translation>[Desert] Clear</translation>
    </message>
    <message>
        <source>[Пустыня] Солнечно</source>
        <translation>[Desert] Sunny</translation>
    </message>
    <message>
        <source>[Пустыня] Песчаная буря</source>
        <translation>[Desert] Sandstorm</translation>
    </message>
    <message>
        <source>Делать &quot;подлёт&quot; камерой во время обратного отсчёта на старте</source>
        <translation>Fly the camera in during the countdown at the start</translation>
    </message>
    <message>
        <source>Восстанавливать машину игрока на трассу, если она перевернётся или попадёт в воду</source>
        <translation>Put the player&apos;s car back on the track if it overturns or lands in water</translation>
    </message>
    <message>
        <source>Восстанавливать машины противников на трассу, если они перевернутся или попадут в воду</source>
        <translation>Put opponents&apos; cars back on the track if they overturn or land in water</translation>
    </message>
    <message>
        <source>Противники перехватывают инициативу гонки на старте (стартуют быстрее игрока)</source>
        <translation>Opponents take the lead at the start (they start faster than the player)</translation>
    </message>
    <message>
        <source>Спринт</source>
        <translation>Sprint</translation>
    </message>
    <message>
        <source>Кольцо</source>
        <translation>Circuit</translation>
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
    <name>NodeFile</name>
    <message>
        <source>файл короче заголовка</source>
        <translation>the file is shorter than its header</translation>
    </message>
    <message>
        <source>узлов %1, а машин и пешеходов вместе %2</source>
        <translation>%1 nodes, but %2 car and pedestrian nodes together</translation>
    </message>
    <message>
        <source>файл обрывается: заголовок обещает %1 байт, а в файле %2</source>
        <translation>the file is cut short: its header promises %1 bytes, but the file holds %2</translation>
    </message>
    <message>
        <source>ссылки узла %1 (%2 … %3) за концом списка из %4</source>
        <translation>the links of node %1 (%2 … %3) lie past the end of the list of %4</translation>
    </message>
</context>
<context>
    <name>ObjectModels</name>
    <message>
        <source>заграждение дорожных работ</source>
        <translation>roadworks barrier</translation>
    </message>
    <message>
        <source>дорожный конус</source>
        <translation>traffic cone</translation>
    </message>
    <message>
        <source>дорожное заграждение</source>
        <translation>road barrier</translation>
    </message>
    <message>
        <source>трамплин</source>
        <translation>ramp</translation>
    </message>
    <message>
        <source>жёлтый барьер</source>
        <translation>yellow barrier</translation>
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
    <name>ParameterFields</name>
    <message>
        <source>координата X старта</source>
        <translation>start X coordinate</translation>
    </message>
    <message>
        <source>координата Y старта</source>
        <translation>start Y coordinate</translation>
    </message>
    <message>
        <source>координата Z старта</source>
        <translation>start Z coordinate</translation>
    </message>
    <message>
        <source>переменная X старта</source>
        <translation>start X variable</translation>
    </message>
    <message>
        <source>переменная Y старта</source>
        <translation>start Y variable</translation>
    </message>
    <message>
        <source>переменная Z старта</source>
        <translation>start Z variable</translation>
    </message>
    <message>
        <source>тип гонки</source>
        <translation>race type</translation>
    </message>
    <message>
        <source>число кругов</source>
        <translation>number of laps</translation>
    </message>
    <message>
        <source>название миссии</source>
        <translation>mission name</translation>
    </message>
    <message>
        <source>номер миссии</source>
        <translation>mission number</translation>
    </message>
    <message>
        <source>префикс миссии</source>
        <translation>mission prefix</translation>
    </message>
    <message>
        <source>повторное прохождение</source>
        <translation>replay</translation>
    </message>
    <message>
        <source>своя машина</source>
        <translation>player&apos;s own car</translation>
    </message>
    <message>
        <source>номер машины игрока</source>
        <translation>player&apos;s car number</translation>
    </message>
    <message>
        <source>очень тяжёлые машины</source>
        <translation>very heavy cars</translation>
    </message>
    <message>
        <source>пуленепробиваемые машины</source>
        <translation>bulletproof cars</translation>
    </message>
    <message>
        <source>улучшенное управление</source>
        <translation>improved handling</translation>
    </message>
    <message>
        <source>погода</source>
        <translation>weather</translation>
    </message>
    <message>
        <source>транспорт</source>
        <translation>traffic</translation>
    </message>
    <message>
        <source>денежный приз</source>
        <translation>cash prize</translation>
    </message>
    <message>
        <source>время проведения</source>
        <translation>time of day</translation>
    </message>
    <message>
        <source>час</source>
        <translation>hour</translation>
    </message>
    <message>
        <source>минуты</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>флаги</source>
        <translation>flags</translation>
    </message>
</context>
<context>
    <name>PositionCapture</name>
    <message>
        <source>Невозможно определить координаты, так как игра не запущена!</source>
        <translation>Cannot get the coordinates: the game is not running!</translation>
    </message>
    <message>
        <source>Невозможно определить координаты (ошибка поиска в памяти).</source>
        <translation>Cannot get the coordinates (the memory search failed).</translation>
    </message>
</context>
<context>
    <name>ProjectLoad</name>
    <message>
        <source>Для загрузки необходимы следующие файлы:</source>
        <translation>These files are needed to load the project:</translation>
    </message>
    <message>
        <source>Неверное значение %1 (%2) в файле &quot;%3&quot;: допускается от %4 до %5</source>
        <translation>Invalid value %1 (%2) in file &quot;%3&quot;: allowed from %4 to %5</translation>
    </message>
    <message>
        <source>Неверное значение %1 (%2) в файле &quot;%3&quot;: файл &quot;%4&quot; содержит только %5</source>
        <translation>Invalid value %1 (%2) in file &quot;%3&quot;: file &quot;%4&quot; holds only %5</translation>
    </message>
    <message>
        <source>Миссия &quot;%1&quot; успешно загружена!</source>
        <translation>Mission &quot;%1&quot; loaded successfully!</translation>
    </message>
    <message>
        <source>Тип гонки: %1</source>
        <translation>Race type: %1</translation>
    </message>
    <message>
        <source>Общее количество машин: %1</source>
        <translation>Total cars: %1</translation>
    </message>
    <message>
        <source>Общее количество чекпоинтов: %1</source>
        <translation>Total checkpoints: %1</translation>
    </message>
    <message>
        <source>Общее количество объектов: %1</source>
        <translation>Total objects: %1</translation>
    </message>
    <message>
        <source>Общее количество событий: %1</source>
        <translation>Total events: %1</translation>
    </message>
</context>
<context>
    <name>ProjectText</name>
    <message>
        <source>текст в кодировке UTF-16</source>
        <translation>text in the UTF-16 encoding</translation>
    </message>
    <message>
        <source>%1 строк, а в проекте их не бывает больше %2</source>
        <translation>%1 lines, while a project never has more than %2</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; не является проектом гонки (%2)</source>
        <translation>File &quot;%1&quot; is not a race project (%2)</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>двоичные данные: в нём нулевые байты и ни одного ключа проекта</source>
        <translation>binary data: it holds zero bytes and no project key</translation>
    </message>
    <message>
        <source>в нём нет ни одного ключа проекта</source>
        <translation>it holds no project key</translation>
    </message>
</context>
<context>
    <name>RadarTiles</name>
    <message>
        <source>в архиве нет «%1»</source>
        <translation>the archive has no &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ReadAdmission</name>
    <message>
        <source>%1 МБ</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 КБ</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 байт</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Это папка, а не файл</source>
        <translation>This is a folder, not a file</translation>
    </message>
    <message>
        <source>Это не файл, а канал или устройство</source>
        <translation>This is not a file but a pipe or a device</translation>
    </message>
    <message>
        <source>Файл слишком велик (%1 байт): файл такого рода не бывает больше %2</source>
        <translation>The file is too large (%1 bytes): a file of this kind is never larger than %2</translation>
    </message>
</context>
<context>
    <name>RecordedRouteEdit</name>
    <message>
        <source>чекпоинт</source>
        <translation>checkpoint</translation>
    </message>
    <message>
        <source>чекпоинта</source>
        <translation>checkpoints</translation>
    </message>
    <message>
        <source>чекпоинтов</source>
        <translation>checkpoints</translation>
    </message>
    <message>
        <source>машина</source>
        <translation>car</translation>
    </message>
    <message>
        <source>машины</source>
        <translation>cars</translation>
    </message>
    <message>
        <source>машин</source>
        <translation>cars</translation>
    </message>
    <message>
        <source>запись маршрута: %1 %2, %3 %4</source>
        <translation>route recording: %1 %2, %3 %4</translation>
    </message>
</context>
<context>
    <name>RecorderTexts</name>
    <message>
        <source>Игрок не в машине: запись продолжится, когда он сядет в машину.</source>
        <translation>The player is on foot: recording goes on when they get into a car.</translation>
    </message>
    <message>
        <source>Управление игрока отключено: сигнал не действует.</source>
        <translation>The player&apos;s controls are off: the horn does nothing.</translation>
    </message>
    <message>
        <source>Скачок больше 100 м (телепорт или возрождение): между этими точками чекпоинтов нет.</source>
        <translation>A jump of more than 100 m (a teleport or respawn): no checkpoints between these points.</translation>
    </message>
    <message>
        <source>В миссии 100 чекпоинтов: больше чекпоинтов не добавить.</source>
        <translation>The mission has 100 checkpoints: no more checkpoints can be added.</translation>
    </message>
    <message>
        <source>В миссии 100 машин: больше машин не добавить.</source>
        <translation>The mission has 100 cars: no more cars can be added.</translation>
    </message>
    <message>
        <source>Время: %1:%2:%3</source>
        <translation>Time: %1:%2:%3</translation>
    </message>
    <message>
        <source>Время: %1:%2</source>
        <translation>Time: %1:%2</translation>
    </message>
    <message>
        <source>Путь: %1 м</source>
        <translation>Distance: %1 m</translation>
    </message>
    <message>
        <source>Путь: %1 км</source>
        <translation>Distance: %1 km</translation>
    </message>
    <message>
        <source>Скорость: %1 км/ч</source>
        <translation>Speed: %1 km/h</translation>
    </message>
</context>
<context>
    <name>RowButtons</name>
    <message>
        <source>Вставить после выбранного</source>
        <translation>Insert after selected</translation>
    </message>
    <message>
        <source>Дублировать</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Удалить выбранный</source>
        <translation>Delete selected</translation>
    </message>
    <message>
        <source>Переместить вверх</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Переместить вниз</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Вставить после выбранного (станет №%1)</source>
        <translation>Insert after selected (becomes #%1)</translation>
    </message>
</context>
<context>
    <name>RowTarget</name>
    <message>
        <source>%1 - Редактирование</source>
        <translation>%1 - Editing</translation>
    </message>
</context>
<context>
    <name>ScriptWarnings</name>
    <message>
        <source>Машина №%1</source>
        <translation>Car #%1</translation>
    </message>
    <message>
        <source>Чекпоинт №%1</source>
        <translation>Checkpoint #%1</translation>
    </message>
    <message>
        <source>Объект №%1</source>
        <translation>Object #%1</translation>
    </message>
    <message>
        <source>Событие №%1</source>
        <translation>Event #%1</translation>
    </message>
    <message>
        <source>Переменная X старта</source>
        <translation>Start X variable</translation>
    </message>
    <message>
        <source>Переменная Y старта</source>
        <translation>Start Y variable</translation>
    </message>
    <message>
        <source>Переменная Z старта</source>
        <translation>Start Z variable</translation>
    </message>
    <message>
        <source>Имя переменной пусто, и Sanny Builder не скомпилирует «$» без имени: впишите имя из латинских букв, своё в каждой миссии.</source>
        <translation>The variable name is empty, and Sanny Builder will not compile &quot;$&quot; without a name: enter a name of Latin letters, a different one in each mission.</translation>
    </message>
    <message>
        <source>Имя переменной «$%1» состоит из одних цифр, и Sanny Builder его не примет: начните имя с латинской буквы.</source>
        <translation>The variable name &quot;$%1&quot; is all digits, and Sanny Builder will not accept it: start the name with a Latin letter.</translation>
    </message>
    <message>
        <source>Имя миссии</source>
        <translation>Mission name</translation>
    </message>
    <message>
        <source>Имя потока миссии пусто, и Sanny Builder не скомпилирует «thread &apos;&apos;»: впишите имя миссии, которого ещё нет в вашем main.scm.</source>
        <translation>The mission&apos;s thread name is empty, and Sanny Builder will not compile &quot;thread &apos;&apos;&quot;: enter a mission name that is not in your main.scm yet.</translation>
    </message>
    <message>
        <source>Префикс лейблов миссии</source>
        <translation>Mission label prefix</translation>
    </message>
    <message>
        <source>Префикс лейблов пуст, и лейблы этой гонки совпадут с лейблами другой гонки в main.scm, так что Sanny Builder её не скомпилирует: впишите префикс, свой в каждой миссии.</source>
        <translation>The label prefix is empty, so this race&apos;s labels will clash with another race&apos;s labels in main.scm and Sanny Builder will not compile it: enter a prefix, a different one in each mission.</translation>
    </message>
    <message>
        <source>Угол</source>
        <translation>Heading</translation>
    </message>
    <message>
        <source>%1 = «%2» — не число, а скрипт пишет его как есть, и Sanny Builder такой скрипт не скомпилирует: впишите число с точкой, например -1234.5.</source>
        <translation>%1 = &quot;%2&quot; is not a number, but the script writes it as it is, and Sanny Builder will not compile such a script: enter a number with a decimal point, such as -1234.5.</translation>
    </message>
    <message>
        <source>%1 = %2 лежит за краем карты (от -3000 до 3000), где в игре нет ни земли, ни дорог: проверьте координату.</source>
        <translation>%1 = %2 lies beyond the edge of the map (-3000 to 3000), where the game has neither ground nor roads: check the coordinate.</translation>
    </message>
    <message>
        <source>Модель записана числом, а скрипт пишет перед ней «#», после которого Sanny Builder понимает только имя модели, так что «#%1» он не скомпилирует: впишите имя, например %2.</source>
        <translation>The model is written as a number, but the script puts &quot;#&quot; before it, after which Sanny Builder understands only a model name, so it will not compile &quot;#%1&quot;: enter the name, such as %2.</translation>
    </message>
    <message>
        <source>«%1» — не имя модели транспорта игры, и Sanny Builder не скомпилирует «#%1», если эта модель не добавлена в вашу игру: выберите модель из подсказок поля модели.</source>
        <translation>&quot;%1&quot; is not the name of one of the game&apos;s vehicle models, and Sanny Builder will not compile &quot;#%1&quot; unless this model has been added to your game: choose a model from the model field&apos;s suggestions.</translation>
    </message>
    <message>
        <source>«%1» — %2, и по дорогам маршрута гонщик на нём не поедет: выберите автомобиль или мотоцикл.</source>
        <translation>&quot;%1&quot; (%2): a racer in it will not drive along the route&apos;s roads: choose a car or a motorbike.</translation>
    </message>
    <message>
        <source>Чекпоинт стоит там же, где предыдущий, и игра засчитает оба сразу: удалите его или передвиньте.</source>
        <translation>The checkpoint stands where the one before it stands, and the game will count both at once: delete it or move it.</translation>
    </message>
    <message>
        <source>Последний чекпоинт кольца ближе 12 метров к первому, и игра засчитает круг сразу после него: отодвиньте последний чекпоинт от первого.</source>
        <translation>The circuit&apos;s last checkpoint is closer than 12 metres to the first, and the game will count the lap right after it: move the last checkpoint away from the first.</translation>
    </message>
    <message>
        <source>Модель объекта записана числом, а скрипт пишет перед ней «#», после которого Sanny Builder понимает только имя модели, так что «#%1» он не скомпилирует: впишите имя модели из файлов .ide игры, здесь %2.</source>
        <translation>The object&apos;s model is written as a number, but the script puts &quot;#&quot; before it, after which Sanny Builder understands only a model name, so it will not compile &quot;#%1&quot;: enter a model name from the game&apos;s .ide files, here %2.</translation>
    </message>
    <message>
        <source>Модель объекта записана числом, а скрипт пишет перед ней «#», после которого Sanny Builder понимает только имя модели, так что «#%1» он не скомпилирует: впишите имя модели из файлов .ide игры.</source>
        <translation>The object&apos;s model is written as a number, but the script puts &quot;#&quot; before it, after which Sanny Builder understands only a model name, so it will not compile &quot;#%1&quot;: enter a model name from the game&apos;s .ide files.</translation>
    </message>
    <message>
        <source>Условий несколько, а перед ними простое «if», и Sanny Builder такое условие не скомпилирует: выберите «and» или «or».</source>
        <translation>There are several conditions with a plain &quot;if&quot; before them, and Sanny Builder will not compile such a condition: choose &quot;and&quot; or &quot;or&quot;.</translation>
    </message>
    <message>
        <source>«if %1» стоит перед одним условием, а Sanny Builder ждёт после него от двух до восьми: выберите простое «if» или добавьте условие.</source>
        <translation>&quot;if %1&quot; stands before a single condition, while Sanny Builder expects two to eight after it: choose a plain &quot;if&quot; or add a condition.</translation>
    </message>
    <message>
        <source>События</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>В дереве событий их %1, а в проекте записано %2, и в скрипт попадут только первые %2: добавьте недостающие события заново или исправьте EventNum в файле проекта.</source>
        <translation>The events tree holds %1 of them but the project records %2, so only the first %2 go into the script: add the missing events again or correct EventNum in the project file.</translation>
    </message>
    <message>
        <source>Номер миссии в мэйне</source>
        <translation>Mission number in main.scm</translation>
    </message>
    <message>
        <source>Улучшенное управление машин противников</source>
        <translation>Improved handling of opponents&apos; cars</translation>
    </message>
    <message>
        <source>Погодные условия</source>
        <translation>Weather</translation>
    </message>
    <message>
        <source>Время проведения (часы)</source>
        <translation>Time of day (hours)</translation>
    </message>
    <message>
        <source>Время проведения (минуты)</source>
        <translation>Time of day (minutes)</translation>
    </message>
    <message>
        <source>Номер машины игрока</source>
        <translation>Player&apos;s car number</translation>
    </message>
    <message>
        <source>Значение %1 лежит вне пределов от %2 до %3, и редактор покажет и построит вместо него %4, а quorvane-cli построит как есть: задайте значение в редакторе и сохраните проект.</source>
        <translation>The value %1 lies outside %2 to %3, and the editor will show and build %4 instead, while quorvane-cli builds it as it is: set the value in the editor and save the project.</translation>
    </message>
    <message>
        <source>Машины и объекты</source>
        <translation>Cars and objects</translation>
    </message>
    <message>
        <source>Гонка создаёт %1 машин, водителей и объектов, а игра убирает после миссии не больше 75, так что остальные останутся в мире: уменьшите число машин или объектов.</source>
        <translation>The race creates %1 cars, drivers and objects, but the game cleans up no more than 75 after a mission, so the rest will stay in the world: reduce the number of cars or objects.</translation>
    </message>
    <message>
        <source>Маркеры на радаре</source>
        <translation>Radar blips</translation>
    </message>
    <message>
        <source>Гонка держит на радаре %1 маркеров, а игра показывает не больше 175, так что лишние не появятся: уменьшите число соперников или маркеров в событиях.</source>
        <translation>The race keeps %1 blips on the radar, but the game shows no more than 175, so the extra ones will not appear: reduce the number of opponents or of blips in events.</translation>
    </message>
    <message>
        <source>Машины</source>
        <translation>Cars</translation>
    </message>
    <message>
        <source>Машины гонки занимают %1 мест из 110, которые игра отводит всему транспорту, и на дорогах не хватит места для движения: оставьте не больше 55 машин.</source>
        <translation>The race&apos;s cars take %1 of the 110 places the game keeps for all vehicles, and there will be no room for traffic on the roads: keep no more than 55 cars.</translation>
    </message>
    <message>
        <source>Старт гонки</source>
        <translation>Race start</translation>
    </message>
</context>
<context>
    <name>TestRun</name>
    <message>
        <source>Проверка скрипта миссии уже идёт в другой копии программы: скрипт построен, но не проверяется. Закройте GTA: San Andreas, чтобы закончить прошлую проверку, и постройте миссию снова.</source>
        <translation>A test run of the mission is already under way in another copy of the program: the script was built but is not being tested. Close GTA: San Andreas to end the earlier test run, and build the mission again.</translation>
    </message>
    <message>
        <source>Проверка скрипта миссии уже идёт: скрипт построен, но не проверяется. Закройте GTA: San Andreas, чтобы закончить прошлую проверку, и постройте миссию снова.</source>
        <translation>A test run of the mission is already under way: the script was built but is not being tested. Close GTA: San Andreas to end the earlier test run, and build the mission again.</translation>
    </message>
    <message>
        <source>Ошибка.
%1: «Файл» → «Настройки программы...» (F10)</source>
        <translation>Error.
%1: File → Options... (F10)</translation>
    </message>
    <message>
        <source>Не задана папка игры</source>
        <translation>The game folder is not set</translation>
    </message>
    <message>
        <source>Не задана папка Sanny Builder</source>
        <translation>The Sanny Builder folder is not set</translation>
    </message>
    <message>
        <source>Нет файла %1</source>
        <translation>The file %1 is missing</translation>
    </message>
    <message>
        <source>Прошлая проверка скрипта миссии не закончена: остался её журнал %1. Перезапустите программу, чтобы вернуть ваш main.scm на место.</source>
        <translation>The last test run of the mission has not finished: its journal %1 is still there. Restart the program to put your main.scm back.</translation>
    </message>
    <message>
        <source>В папке игры уже есть файл %1 — возможно, это ваш main.scm, оставшийся от прерванной проверки. Проверка скрипта миссии отменена, чтобы не вернуть этот файл поверх нынешнего main.scm: сравните файлы и уберите или переименуйте лишний.</source>
        <translation>The game folder already has a file %1 — it may be your main.scm, left over from an interrupted test run. The test run was cancelled so that this file is not put back over your current main.scm: compare the files and remove or rename the one you do not need.</translation>
    </message>
    <message>
        <source>файл остался под обоими именами</source>
        <translation>the file remained under both names</translation>
    </message>
    <message>
        <source>Ошибка.
Не удалось переименовать %1 в %2: %3</source>
        <translation>Error.
Cannot rename %1 to %2: %3</translation>
    </message>
    <message>
        <source>Проверка скрипта миссии: Sanny Builder компилирует скрипт...</source>
        <translation>Test run: Sanny Builder is compiling the script...</translation>
    </message>
    <message>
        <source>Не удалось запустить Sanny Builder (%1): %2.</source>
        <translation>Cannot start Sanny Builder (%1): %2.</translation>
    </message>
    <message>
        <source>Sanny Builder не закончил компиляцию за %1 с и был остановлен; игра не запущена.</source>
        <translation>Sanny Builder did not finish compiling in %1 s and was stopped; the game was not started.</translation>
    </message>
    <message>
        <source>Sanny Builder не создал %1, поэтому игра не запущена. Если Sanny Builder был уже открыт, закройте его и постройте миссию снова.</source>
        <translation>Sanny Builder did not create %1, so the game was not started. If Sanny Builder was already open, close it and build the mission again.</translation>
    </message>
    <message>
        <source>Сообщение Sanny Builder (%1):
%2</source>
        <translation>Sanny Builder&apos;s message (%1):
%2</translation>
    </message>
    <message>
        <source>Чтобы проверить скрипт миссии, переключитесь в GTA: San Andreas и начните новую игру.</source>
        <translation>To test the mission, switch to GTA: San Andreas and start a new game.</translation>
    </message>
    <message>
        <source>Не удалось запустить GTA: San Andreas (%1): %2.</source>
        <translation>Cannot start GTA: San Andreas (%1): %2.</translation>
    </message>
    <message>
        <source>Идёт проверка скрипта миссии: когда вы закроете GTA: San Andreas, ваш main.scm вернётся на место.</source>
        <translation>Test run under way: when you close GTA: San Andreas, your main.scm will be put back.</translation>
    </message>
    <message>
        <source>%1 Ваш main.scm возвращён на место.</source>
        <translation>%1 Your main.scm has been put back.</translation>
    </message>
    <message>
        <source>Проверка скрипта миссии закончена, но вернуть ваш main.scm на место не удалось (%1): он сохранён как %2, программа вернёт его при следующем запуске.</source>
        <translation>The test run has finished, but your main.scm could not be put back (%1): it is kept as %2, and the program will put it back at its next start.</translation>
    </message>
    <message>
        <source>%1 Вернуть ваш main.scm на место не удалось (%2): он сохранён как %3, программа вернёт его при следующем запуске.</source>
        <translation>%1 Your main.scm could not be put back (%2): it is kept as %3, and the program will put it back at its next start.</translation>
    </message>
</context>
<context>
    <name>TestRunJournal</name>
    <message>
        <source>Журнал прерванной проверки скрипта миссии (%1) сейчас не прочитать: %2. Программа попробует снова при следующем запуске; до тех пор проверьте, что в папке игры на месте ваш main.scm: он мог остаться под именем main.BAK.</source>
        <translation>The journal of an interrupted test run (%1) cannot be read now: %2. The program will try again at its next start; until then, check that your main.scm is in place in the game folder: it may have been left as main.BAK.</translation>
    </message>
    <message>
        <source>Найден повреждённый журнал прерванной проверки скрипта миссии (%1). Проверьте, что в папке игры на месте ваш main.scm: он мог остаться под именем main.BAK.</source>
        <translation>Found a damaged journal of an interrupted test run (%1). Check that your main.scm is in place in the game folder: it may have been left as main.BAK.</translation>
    </message>
    <message>
        <source>Прошлая проверка скрипта миссии была прервана, и вернуть ваш main.scm на место не удалось: %1. Ваш скрипт сохранён как %2; программа попробует вернуть его при следующем запуске.</source>
        <translation>The last test run was interrupted, and your main.scm could not be put back: %1. Your script is kept as %2; the program will try to put it back at its next start.</translation>
    </message>
    <message>
        <source>Прошлая проверка скрипта миссии была прервана. Ваш main.scm возвращён на место: %1</source>
        <translation>The last test run was interrupted. Your main.scm has been put back: %1</translation>
    </message>
</context>
<context>
    <name>TreeTextFile</name>
    <message>
        <source>Текст узла &quot;%1&quot; содержит перевод строки и не может быть записан</source>
        <translation>The node text &quot;%1&quot; contains a line break and cannot be written</translation>
    </message>
    <message>
        <source>Неверный уровень (%1) в строке %2 файла &quot;%3&quot;: «%4»; допускается от 0 до %5</source>
        <translation>Invalid level (%1) on line %2 of file &quot;%3&quot;: &quot;%4&quot;; allowed from 0 to %5</translation>
    </message>
</context>
<context>
    <name>TreeTexts</name>
    <message>
        <source>Машины (%1 всего)</source>
        <translation>Cars (%1 in all)</translation>
    </message>
    <message>
        <source>Чекпоинты (%1 всего)</source>
        <translation>Checkpoints (%1 in all)</translation>
    </message>
    <message>
        <source>Машина %1</source>
        <translation>Car %1</translation>
    </message>
    <message>
        <source>Чекпоинт %1</source>
        <translation>Checkpoint %1</translation>
    </message>
    <message>
        <source>Объект %1</source>
        <translation>Object %1</translation>
    </message>
    <message>
        <source>Событие %1</source>
        <translation>Event %1</translation>
    </message>
    <message>
        <source>Модель: #%1</source>
        <translation>Model: #%1</translation>
    </message>
    <message>
        <source>Угол: %1</source>
        <translation>Heading: %1</translation>
    </message>
    <message>
        <source>Тюнинг-компоненты (%1)</source>
        <translation>Tuning components (%1)</translation>
    </message>
    <message>
        <source>Тип езды: %1</source>
        <translation>Drive type: %1</translation>
    </message>
    <message>
        <source>Координаты старта</source>
        <translation>Start coordinates</translation>
    </message>
    <message>
        <source>Координаты</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>Объекты</source>
        <translation>Objects</translation>
    </message>
    <message>
        <source>События</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Гоночный </source>
        <translation>Racing </translation>
    </message>
    <message>
        <source>Гоночный</source>
        <translation>Racing</translation>
    </message>
    <message>
        <source>По обычным транспортным путям</source>
        <translation>Along normal traffic routes</translation>
    </message>
    <message>
        <source>По обычным путям</source>
        <translation>Along normal roads</translation>
    </message>
    <message>
        <source>Напрямик</source>
        <translation>Straight through</translation>
    </message>
    <message>
        <source>Обычный (VC)</source>
        <translation>Normal (VC)</translation>
    </message>
    <message>
        <source>Скорость: %1.0</source>
        <translation>Speed: %1.0</translation>
    </message>
</context>
<context>
    <name>TxdReader</name>
    <message>
        <source>словарь текстур обрывается</source>
        <translation>the texture dictionary is cut short</translation>
    </message>
    <message>
        <source>не словарь текстур RenderWare: нет %1</source>
        <translation>not a RenderWare texture dictionary: no %1</translation>
    </message>
    <message>
        <source>текстура не для Direct3D (платформа %1)</source>
        <translation>the texture is not for Direct3D (platform %1)</translation>
    </message>
    <message>
        <source>текстура с палитрой не поддерживается</source>
        <translation>textures with a palette are not supported</translation>
    </message>
    <message>
        <source>размер текстуры %1×%2 вне пределов</source>
        <translation>the texture size %1×%2 is out of range</translation>
    </message>
    <message>
        <source>у текстуры нет ни одного уровня</source>
        <translation>the texture has no levels</translation>
    </message>
    <message>
        <source>формат текстуры не поддерживается</source>
        <translation>the texture format is not supported</translation>
    </message>
    <message>
        <source>данных текстуры меньше, чем нужно для её размера</source>
        <translation>the texture has less data than its size needs</translation>
    </message>
    <message>
        <source>словаря</source>
        <translation>dictionary</translation>
    </message>
    <message>
        <source>заголовка словаря</source>
        <translation>dictionary header</translation>
    </message>
    <message>
        <source>в словаре нет текстур</source>
        <translation>the dictionary has no textures</translation>
    </message>
    <message>
        <source>текстуры</source>
        <translation>texture</translation>
    </message>
    <message>
        <source>данных текстуры</source>
        <translation>texture data</translation>
    </message>
</context>
<context>
    <name>VehicleModels</name>
    <message>
        <source>автомобиль</source>
        <translation>car</translation>
    </message>
    <message>
        <source>мотоцикл</source>
        <translation>motorbike</translation>
    </message>
    <message>
        <source>лодка</source>
        <translation>boat</translation>
    </message>
    <message>
        <source>самолёт или вертолёт</source>
        <translation>plane or helicopter</translation>
    </message>
    <message>
        <source>поезд</source>
        <translation>train</translation>
    </message>
    <message>
        <source>прицеп</source>
        <translation>trailer</translation>
    </message>
</context>
<context>
    <name>qv::ui::BasePage</name>
    <message>
        <source>Имя переменной координаты. В каждой миссии следует давать новое значение</source>
        <translation>Name of the coordinate&apos;s variable. Give it a new name in every mission</translation>
    </message>
    <message>
        <source>Координаты старта гонки</source>
        <translation>Race start coordinates</translation>
    </message>
    <message>
        <source>Координаты старта гонки (по оси X)</source>
        <translation>Race start coordinates (X axis)</translation>
    </message>
    <message>
        <source>Координаты старта гонки (по оси Y)</source>
        <translation>Race start coordinates (Y axis)</translation>
    </message>
    <message>
        <source>Координаты старта гонки (по оси Z)</source>
        <translation>Race start coordinates (Z axis)</translation>
    </message>
    <message>
        <source>Тип гоночной миссии</source>
        <translation>Type of the race mission</translation>
    </message>
    <message>
        <source>Спринт</source>
        <translation>Sprint</translation>
    </message>
    <message>
        <source>Кольцо</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Количество кругов</source>
        <translation>Number of laps</translation>
    </message>
    <message>
        <source>Количество кругов в кольцевой гонке</source>
        <translation>Number of laps in a circuit race</translation>
    </message>
    <message>
        <source>Тип гонки</source>
        <translation>Race type</translation>
    </message>
    <message>
        <source>Имя потока миссии. В мэйне имена потоков не должны повторяться</source>
        <translation>Name of the mission&apos;s thread. Thread names must not repeat in main.scm</translation>
    </message>
    <message>
        <source>Имя миссии</source>
        <translation>Mission name</translation>
    </message>
    <message>
        <source>Номер миссии в файле main.scm</source>
        <translation>Number of the mission in main.scm</translation>
    </message>
    <message>
        <source>Номер миссии в мэйне</source>
        <translation>Mission number in main.scm</translation>
    </message>
    <message>
        <source>Префикс всех лейблов (Labels), которые будет использоваться в коде миссии.</source>
        <translation>Prefix of all the labels used in the mission&apos;s code.</translation>
    </message>
    <message>
        <source>Префикс лейблов миссии</source>
        <translation>Mission label prefix</translation>
    </message>
    <message>
        <source>Повторное прохождение миссии после выполнения</source>
        <translation>The mission can be replayed once passed</translation>
    </message>
    <message>
        <source>После победы заезд можно будет повторять</source>
        <translation>After a win the race can be run again</translation>
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
    <name>qv::ui::CarsPage</name>
    <message>
        <source>Здесь указаны все машины, которые будут участвовать в гонке</source>
        <translation>All the cars that take part in the race</translation>
    </message>
    <message>
        <source>Добавить машину</source>
        <translation>Add car</translation>
    </message>
    <message>
        <source>Добавить машину в гонку</source>
        <translation>Add a car to the race</translation>
    </message>
    <message>
        <source>Удалить последнюю</source>
        <translation>Delete last</translation>
    </message>
    <message>
        <source>Удалить последнюю машину из гонки</source>
        <translation>Delete the last car from the race</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Изменить параметры выбранной машины</source>
        <translation>Change the selected car</translation>
    </message>
    <message>
        <source>Номер машины игрока в массиве</source>
        <translation>Number of the player&apos;s car in the list of cars</translation>
    </message>
    <message>
        <source>Своя машина*</source>
        <translation>Own car*</translation>
    </message>
    <message>
        <source>*Если выбрано, то из указанных программе параметров машины используются только координаты старта. После выбора этого параметра миссия начинается только в том случае, если игрок будет находиться в координатах старта в машине.</source>
        <translation>*If ticked, only the start coordinates of this car are used. The mission then starts only when the player is at the start coordinates in a car.</translation>
    </message>
    <message>
        <source>Если улучшить управление, машины противников смогут точнее выполнять крутые виражи.</source>
        <translation>With better handling, opponents&apos; cars take sharp turns more precisely.</translation>
    </message>
    <message>
        <source>Все машины пуленепробиваемые</source>
        <translation>All cars bulletproof</translation>
    </message>
    <message>
        <source>Рекомендуется в заездах на большие расстояния.</source>
        <translation>Recommended for long races.</translation>
    </message>
    <message>
        <source>Все машины очень тяжёлые (very heavy)</source>
        <translation>All cars very heavy</translation>
    </message>
    <message>
        <source>Повышает устойчивость машины на дороге при столкновениях с обычным транспортом</source>
        <translation>Keeps a car steadier on the road when it hits traffic</translation>
    </message>
    <message>
        <source>Номер машины игрока</source>
        <translation>Player&apos;s car number</translation>
    </message>
    <message>
        <source>Улучшенное управление машин противников</source>
        <translation>Better handling of opponents&apos; cars</translation>
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
    <name>qv::ui::CheckpointsPage</name>
    <message>
        <source>Чекпоинты - это контрольные точки, которые в совокупности представляют собой маршрут гонки</source>
        <translation>Checkpoints are the points that together make up the route of the race</translation>
    </message>
    <message>
        <source>Здесь указаны все чекпоинты гонки</source>
        <translation>All the checkpoints of the race</translation>
    </message>
    <message>
        <source>Добавить чекпоинт</source>
        <translation>Add checkpoint</translation>
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
        <source>В кольцевой гонке первый чекпоинт используется в качестве<byte value="xd"/>
начала круга.</source>
        <translation>In a circuit race the first checkpoint is used as<byte value="xd"/>
the start of a lap.</translation>
    </message>
    <message>
        <source>Карта маршрута</source>
        <translation>Route map</translation>
    </message>
    <message>
        <source>Маршрут гонки на карте San Andreas</source>
        <translation>The route of the race on the map of San Andreas</translation>
    </message>
    <message>
        <source>Запись маршрута</source>
        <translation>Route recording</translation>
    </message>
    <message>
        <source>Проедьте гонку в игре, и чекпоинты лягут по пути</source>
        <translation>Drive the race in the game, and the checkpoints are laid along your way</translation>
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
    <name>qv::ui::EditMenu</name>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Отменить: %1</source>
        <translation>&amp;Undo: %1</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Повторить: %1</source>
        <translation>&amp;Redo: %1</translation>
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
    <name>qv::ui::GoToLineBar</name>
    <message>
        <source>Перейти</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Строка:</source>
        <translation>Line:</translation>
    </message>
</context>
<context>
    <name>qv::ui::MainWindow</name>
    <message>
        <source>Базовые параметры миссии</source>
        <translation>Basic mission parameters</translation>
    </message>
    <message>
        <source>Параметры машин</source>
        <translation>Car parameters</translation>
    </message>
    <message>
        <source>Чекпоинты</source>
        <translation>Checkpoints</translation>
    </message>
    <message>
        <source>Прочие параметры</source>
        <translation>Other parameters</translation>
    </message>
    <message>
        <source>Проверка скрипта миссии после создания</source>
        <translation>Test-run the mission after building</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Открыть...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Со&amp;хранить как...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Настройки программы...</source>
        <translation>O&amp;ptions...</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Скрипт</source>
        <translation>&amp;Script</translation>
    </message>
    <message>
        <source>Построить</source>
        <translation>&amp;Build</translation>
    </message>
    <message>
        <source>Проверить введённые данные</source>
        <translation>&amp;Check input</translation>
    </message>
    <message>
        <source>Карта маршрута</source>
        <translation>Route &amp;map</translation>
    </message>
    <message>
        <source>Запись маршрута</source>
        <translation>&amp;Route recording</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;О программе...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Вы действительно хотите выйти?</source>
        <translation>Do you really want to quit?</translation>
    </message>
    <message>
        <source>Вы действительно хотите выйти?

%1</source>
        <translation>Do you really want to quit?

%1</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>qv::ui::MapBackground</name>
    <message>
        <source>Нет фона: не указана папка игры (Файл → Настройки программы...).</source>
        <translation>No background: the game folder is not set (File → Options...).</translation>
    </message>
    <message>
        <source>Нет фона: %1: %2</source>
        <translation>No background: %1: %2</translation>
    </message>
    <message>
        <source>Не прочитано плиток радара: %1 (первая: %2).</source>
        <translation>Radar tiles not read: %1 (first: %2).</translation>
    </message>
    <message>
        <source>Не прочитано файлов дорог: %1 (первый: %2).</source>
        <translation>Road files not read: %1 (first: %2).</translation>
    </message>
    <message>
        <source>Нет названий районов: %1.</source>
        <translation>No zone names: %1.</translation>
    </message>
</context>
<context>
    <name>qv::ui::MapEditor</name>
    <message>
        <source>Привязка к дорогам</source>
        <translation>Snap to roads</translation>
    </message>
    <message>
        <source>Перенесённая или добавленная точка встаёт на ближайший узел дороги (или держите Ctrl)</source>
        <translation>A moved or added point goes to the nearest road node (or hold Ctrl)</translation>
    </message>
    <message>
        <source>Добавить чекпоинт здесь</source>
        <translation>Add checkpoint here</translation>
    </message>
    <message>
        <source>Добавить машину здесь</source>
        <translation>Add car here</translation>
    </message>
    <message>
        <source>Добавить объект здесь</source>
        <translation>Add object here</translation>
    </message>
    <message>
        <source>Удалить выбранный</source>
        <translation>Delete selected</translation>
    </message>
    <message>
        <source>Высота %1: узел дороги (привязка)</source>
        <translation>Height %1: road node (snapped)</translation>
    </message>
    <message>
        <source>Высота %1: узел дороги в %2 м</source>
        <translation>Height %1: road node %2 m away</translation>
    </message>
    <message>
        <source>Высота %1: между чекпоинтами %2 и %3</source>
        <translation>Height %1: between checkpoints %2 and %3</translation>
    </message>
    <message>
        <source>Высота %1: как у чекпоинта %2</source>
        <translation>Height %1: as checkpoint %2</translation>
    </message>
    <message>
        <source>Высота (Z) не меняется: дороги дальше %1 м</source>
        <translation>Height (Z) unchanged: no road within %1 m</translation>
    </message>
    <message>
        <source>Высота (Z) не меняется: дороги игры не прочитаны</source>
        <translation>Height (Z) unchanged: the game&apos;s roads are not read</translation>
    </message>
</context>
<context>
    <name>qv::ui::MapWindow</name>
    <message>
        <source>Старт</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Чекпоинт %1</source>
        <translation>Checkpoint %1</translation>
    </message>
    <message>
        <source>Машина %1 (игрока): %2</source>
        <translation>Car %1 (player&apos;s): %2</translation>
    </message>
    <message>
        <source>Машина %1: %2</source>
        <translation>Car %1: %2</translation>
    </message>
    <message>
        <source>Объект %1: %2</source>
        <translation>Object %1: %2</translation>
    </message>
    <message>
        <source>Карта маршрута</source>
        <translation>Route map</translation>
    </message>
    <message>
        <source>Показать всё</source>
        <translation>Show all</translation>
    </message>
    <message>
        <source>Следовать за выделением</source>
        <translation>Follow selection</translation>
    </message>
    <message>
        <source>Показывать игрока</source>
        <translation>Show player</translation>
    </message>
    <message>
        <source>Машина игрока на карте, пока игра запущена</source>
        <translation>The player&apos;s car on the map while the game runs</translation>
    </message>
    <message>
        <source>Дороги</source>
        <translation>Roads</translation>
    </message>
    <message>
        <source>Дороги игры (пути машин) поверх карты</source>
        <translation>The game&apos;s roads (car paths) over the map</translation>
    </message>
    <message>
        <source>(игрок не найден в памяти игры)</source>
        <translation>(player not found in the game&apos;s memory)</translation>
    </message>
    <message>
        <source>(игра не запущена)</source>
        <translation>(game not running)</translation>
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
    <name>qv::ui::OtherPage</name>
    <message>
        <source>Если ничего не выбрано, то погода во время старта гонки не изменяется</source>
        <translation>If nothing is chosen, the weather does not change at the start of the race</translation>
    </message>
    <message>
        <source>Транспортное движение</source>
        <translation>Traffic</translation>
    </message>
    <message>
        <source>Есть</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Пусто</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Сумма денег, которая будет вручена победителю гонки</source>
        <translation>The money the winner of the race gets</translation>
    </message>
    <message>
        <source>Время проведения</source>
        <translation>Time of day</translation>
    </message>
    <message>
        <source>Если не выбрано, время начала гонки не изменяется</source>
        <translation>If not ticked, the time of day does not change at the start of the race</translation>
    </message>
    <message>
        <source>Врема проведения гонки (часы)</source>
        <translation>Time of day of the race (hours)</translation>
    </message>
    <message>
        <source>Врема проведения гонки (минуты)</source>
        <translation>Time of day of the race (minutes)</translation>
    </message>
    <message>
        <source>Флажки</source>
        <translation>Flags</translation>
    </message>
    <message>
        <source>Различные настройки</source>
        <translation>Various settings</translation>
    </message>
    <message>
        <source>Объекты...</source>
        <translation>Objects...</translation>
    </message>
    <message>
        <source>Добавление/удаление/изменение объектов</source>
        <translation>Add, delete and change objects</translation>
    </message>
    <message>
        <source>События (beta)...</source>
        <translation>Events (beta)...</translation>
    </message>
    <message>
        <source>Добавление/удаление/изменение событий</source>
        <translation>Add, delete and change events</translation>
    </message>
    <message>
        <source>Погодные условия</source>
        <translation>Weather</translation>
    </message>
    <message>
        <source>Денежный приз</source>
        <translation>Cash prize</translation>
    </message>
</context>
<context>
    <name>qv::ui::RecentProjectsMenu</name>
    <message>
        <source>Список «Последние проекты» не сохранён: %1</source>
        <translation>The list &quot;Recent projects&quot; was not saved: %1</translation>
    </message>
    <message>
        <source>Последние проекты</source>
        <translation>Recent projects</translation>
    </message>
    <message>
        <source>(пусто)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>Проект «%1» не найден. Убрать его из списка?</source>
        <translation>Project &quot;%1&quot; was not found. Remove it from the list?</translation>
    </message>
</context>
<context>
    <name>qv::ui::RecorderWindow</name>
    <message>
        <source>Запись маршрута</source>
        <translation>Route recording</translation>
    </message>
    <message>
        <source>Начать запись</source>
        <translation>Start recording</translation>
    </message>
    <message>
        <source>Начать запись маршрута из запущенной игры</source>
        <translation>Start recording the route from the running game</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Приостановить запись и продолжить её</source>
        <translation>Pause the recording and resume it</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Закончить запись и добавить записанное в миссию</source>
        <translation>End the recording and add what was recorded to the mission</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Закончить запись, ничего не добавляя</source>
        <translation>End the recording without adding anything</translation>
    </message>
    <message>
        <source>Как ставятся чекпоинты</source>
        <translation>How checkpoints are laid</translation>
    </message>
    <message>
        <source>Чекпоинты по форме пути и по сигналу</source>
        <translation>Checkpoints by the path&apos;s shape and by the horn</translation>
    </message>
    <message>
        <source>Только по сигналу</source>
        <translation>Horn only</translation>
    </message>
    <message>
        <source>Насколько далеко путь может отходить от прямой между чекпоинтами</source>
        <translation>How far the path may stray from the straight line between checkpoints</translation>
    </message>
    <message>
        <source>Наибольшее расстояние по пути между чекпоинтами</source>
        <translation>The largest distance along the path between checkpoints</translation>
    </message>
    <message>
        <source>Режим</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Точность, м</source>
        <translation>Tolerance, m</translation>
    </message>
    <message>
        <source>Наибольший шаг, м</source>
        <translation>Largest spacing, m</translation>
    </message>
    <message>
        <source>Сигнал (гудок) — пульт: коротко — чекпоинт, секунду и дольше на месте — машина старта.</source>
        <translation>The horn is the remote: a tap lays a checkpoint; a second or longer standing still adds a starting car.</translation>
    </message>
    <message>
        <source>Сядьте в машину в игре, нажмите «Начать запись» и проедьте маршрут гонки.</source>
        <translation>Get into a car in the game, press &quot;Start recording&quot; and drive the race route.</translation>
    </message>
    <message>
        <source>Идёт запись маршрута: то, что записано, не попадёт в миссию. Чтобы сохранить запись, нажмите «Стоп» в окне «Запись маршрута».</source>
        <translation>A route is being recorded: what is recorded will not go into the mission. To keep the recording, press &quot;Stop&quot; in the &quot;Route recording&quot; window.</translation>
    </message>
    <message>
        <source>Игра не запущена: запустите GTA: San Andreas и нажмите «Начать запись».</source>
        <translation>The game is not running: start GTA: San Andreas and press &quot;Start recording&quot;.</translation>
    </message>
    <message>
        <source>Идёт запись.</source>
        <translation>Recording.</translation>
    </message>
    <message>
        <source>Запись приостановлена.</source>
        <translation>Recording paused.</translation>
    </message>
    <message>
        <source>Игра закрыта: запись окончена. «Стоп» добавит записанное в миссию, «Отмена» отбросит его.</source>
        <translation>The game has closed: the recording has ended. &quot;Stop&quot; adds what was recorded to the mission, &quot;Cancel&quot; discards it.</translation>
    </message>
    <message>
        <source>Игрок не читается из памяти игры (загрузка, другая версия игры или нет прав на чтение её памяти).</source>
        <translation>The player cannot be read from the game&apos;s memory (loading, another version of the game or no right to read its memory).</translation>
    </message>
    <message>
        <source>Чекпоинты: %1</source>
        <translation>Checkpoints: %1</translation>
    </message>
    <message>
        <source>Машины: %1</source>
        <translation>Cars: %1</translation>
    </message>
    <message>
        <source>Ничего не записано: миссия не изменилась.</source>
        <translation>Nothing was recorded: the mission is unchanged.</translation>
    </message>
    <message>
        <source>Добавлено в миссию: %1. Не всё поместилось: в миссии не больше %2 строк каждого вида.</source>
        <translation>Added to the mission: %1. Not everything fit: a mission holds at most %2 rows of each kind.</translation>
    </message>
    <message>
        <source>Добавлено в миссию: %1.</source>
        <translation>Added to the mission: %1.</translation>
    </message>
    <message>
        <source>Запись отменена: миссия не изменилась.</source>
        <translation>Recording cancelled: the mission is unchanged.</translation>
    </message>
</context>
<context>
    <name>qv::ui::ScriptFindBar</name>
    <message>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Найти:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>Не найдено</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Найдено: %1</source>
        <translation>Found: %1</translation>
    </message>
</context>
<context>
    <name>qv::ui::ScriptWindow</name>
    <message>
        <source>Копировать всё</source>
        <translation>Copy all</translation>
    </message>
    <message>
        <source>Сохранить скрипт...</source>
        <translation>Save script...</translation>
    </message>
    <message>
        <source>Режим Sanny Builder: %1</source>
        <translation>Sanny Builder mode: %1</translation>
    </message>
    <message>
        <source>Скрипт написан для этого режима редактирования Sanny Builder: выберите его в Sanny Builder, прежде чем вставить скрипт.</source>
        <translation>The script is written for this Sanny Builder edit mode: choose it in Sanny Builder before you paste the script.</translation>
    </message>
    <message>
        <source>Скрипт Sanny Builder (*.txt)</source>
        <translation>Sanny Builder script (*.txt)</translation>
    </message>
    <message>
        <source>Сохранено: %1</source>
        <translation>Saved: %1</translation>
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
<context>
    <name>qv::ui::WarningsPanel</name>
    <message>
        <source>Предупреждения (%1)</source>
        <translation>Warnings (%1)</translation>
    </message>
    <message>
        <source>Где</source>
        <translation>Where</translation>
    </message>
    <message>
        <source>Что случится в игре</source>
        <translation>What happens in the game</translation>
    </message>
</context>
</TS>
