<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
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
