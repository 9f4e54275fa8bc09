<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
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
        <translation>Camera &quot;fly-in&quot; during the countdown at the start</translation>
    </message>
    <message>
        <source>Восстанавливать машину игрока на трассу, если она перевернётся или попадёт в воду</source>
        <translation>Put the player&apos;s car back on the track if it flips over or ends up in water</translation>
    </message>
    <message>
        <source>Восстанавливать машины противников на трассу, если они перевернутся или попадут в воду</source>
        <translation>Put the opponents&apos; cars back on the track if they flip over or end up in water</translation>
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
    <name>ProjectLoad</name>
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
    <message>
        <source>Для загрузки необходимы следующие файлы:</source>
        <translation>These files are needed to load the project:</translation>
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
        <source>Тюнинг-компоненты (%1)</source>
        <translation>Tuning components (%1)</translation>
    </message>
    <message>
        <source>Скорость: %1.0</source>
        <translation>Speed: %1.0</translation>
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
        <translation>Racing</translation>
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
</context>
</TS>
