<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
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
</TS>
