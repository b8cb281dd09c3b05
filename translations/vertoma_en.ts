<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Параметры системы</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>Размер матрицы:</source>
        <translation>Matrix size:</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Сегменты матрицы:</source>
        <translation>Matrix segments:</translation>
    </message>
    <message>
        <source>Размер канала:</source>
        <translation>Channel size:</translation>
    </message>
    <message>
        <source>Стоимость ставки:</source>
        <translation>Stake cost:</translation>
    </message>
    <message>
        <source>Расширенная ставка:</source>
        <translation>Extended stake:</translation>
    </message>
    <message>
        <source>Размеры выигрышей:</source>
        <translation>Prizes:</translation>
    </message>
    <message>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Сумма выигрыша</source>
        <translation>Prize amount</translation>
    </message>
    <message>
        <source>Коэффициенты столбца &quot;Вес&quot;</source>
        <translation>Coefficients of the &quot;Weight&quot; column</translation>
    </message>
    <message>
        <source>Количество:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>Отклонение:</source>
        <translation>Deviation:</translation>
    </message>
    <message>
        <source>Глубина:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <source>Использовать значения в %</source>
        <translation>Use values in %</translation>
    </message>
    <message>
        <source>Использовать абсолютные значения</source>
        <translation>Use absolute values</translation>
    </message>
</context>
<context>
    <name>DrawDialog</name>
    <message>
        <source>Данные тиража</source>
        <translation>Draw data</translation>
    </message>
    <message>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <source>Выпавшие числа, разделенные точкой с запятой или запятой:</source>
        <translation>Drawn numbers separated by semicolons or commas:</translation>
    </message>
    <message>
        <source>Дата и время тиража:</source>
        <translation>Draw date and time:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Внимание!</source>
        <translation>Attention!</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>ShreddingDialog</name>
    <message>
        <source>Методы шинковки</source>
        <translation>Shredding methods</translation>
    </message>
    <message>
        <source>Формула 1:</source>
        <translation>Formula 1:</translation>
    </message>
    <message>
        <source>Используемая формула</source>
        <translation>The formula used</translation>
    </message>
    <message>
        <source>Количество используемых знаков после запятой</source>
        <translation>Number of decimals used</translation>
    </message>
    <message>
        <source>Формула 2:</source>
        <translation>Formula 2:</translation>
    </message>
    <message>
        <source>Формула 3:</source>
        <translation>Formula 3:</translation>
    </message>
    <message>
        <source>Используемые переменные:
n1, n2, n3, ..., nX - числа текущего тиража
p1, p2, p3, ..., pX - числа предыдущего тиража</source>
        <translation>Variables:
n1, n2, n3, ..., nX - numbers of the current draw
p1, p2, p3, ..., pX - numbers of the previous draw</translation>
    </message>
</context>
<context>
    <name>app::ExclusiveFile</name>
    <message>
        <source>Файл занят другим процессом.</source>
        <translation>The file is held by another process.</translation>
    </message>
</context>
<context>
    <name>app::Languages</name>
    <message>
        <source>Языковый модуль &quot;%1&quot; не найден!</source>
        <translation>Language module &quot;%1&quot; not found!</translation>
    </message>
    <message>
        <source>Не удалось загрузить языковый модуль &quot;%1&quot;!

%2</source>
        <translation>Could not load the language module &quot;%1&quot;!

%2</translation>
    </message>
    <message>
        <source>Файл не является модулем перевода.</source>
        <translation>The file is not a translation module.</translation>
    </message>
</context>
<context>
    <name>app::Session</name>
    <message>
        <source>Подтверждение</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Загрузка файла тиражей...</source>
        <translation>Loading the draw file...</translation>
    </message>
    <message>
        <source>Ошибка чтения файла тиражей!

%1</source>
        <translation>Error reading the draw file!

%1</translation>
    </message>
    <message>
        <source>Сохранение файла тиражей...</source>
        <translation>Saving the draw file...</translation>
    </message>
    <message>
        <source>Ошибка записи в файл тиражей!

%1</source>
        <translation>Error writing the draw file!

%1</translation>
    </message>
    <message>
        <source>Введите данные следующего тиража</source>
        <translation>Enter the data of the next draw</translation>
    </message>
    <message>
        <source>Удалить выделенную запись?</source>
        <translation>Delete the selected record?</translation>
    </message>
    <message>
        <source>Удалить все выделенные записи (всего будет удалено %1 записи(ей))?</source>
        <translation>Delete all selected records (%1 record(s) will be deleted)?</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Удаление выделенных тиражей....</source>
        <translation>Deleting the selected draws....</translation>
    </message>
    <message>
        <source>Архив тиражей: %1</source>
        <translation>Draw archive: %1</translation>
    </message>
    <message>
        <source>Следующий тираж: %1</source>
        <translation>Next draw: %1</translation>
    </message>
    <message>
        <source>Ошибка записи параметров программы!

%1</source>
        <translation>Error writing the program settings!

%1</translation>
    </message>
    <message>
        <source>Сохранение файла конфигурации...</source>
        <translation>Saving the configuration file...</translation>
    </message>
    <message>
        <source>Ошибка записи в файл конфигурации!

%1</source>
        <translation>Error writing the configuration file!

%1</translation>
    </message>
    <message>
        <source>Ошибка запуска программы!

%1</source>
        <translation>Error starting the program!

%1</translation>
    </message>
    <message>
        <source>Ошибка загрузки параметров программы!

%1</source>
        <translation>Error loading the program settings!

%1</translation>
    </message>
    <message>
        <source>Загрузка файла конфигурации...</source>
        <translation>Loading the configuration file...</translation>
    </message>
    <message>
        <source>Ошибка чтения файла конфигурации!

%1</source>
        <translation>Error reading the configuration file!

%1</translation>
    </message>
    <message>
        <source>Невозможно получить монопольный доступ к файлам данных!

Возможные причины данной ошибки: 

1) Вы пытаетесь запустить вторую копию программы из одного и того же каталога. Корректная работа нескольких копий программы возможна только из разных каталогов.

2) Для программы нет прав на запись в том каталоге, где она расположена. Например: в Windows 7 и выше по умолчанию запрещена запись в c:\Program Files.

Программа будет закрыта!</source>
        <translation>Cannot get exclusive access to the data files!

Possible causes of this error: 

1) You are trying to start a second copy of the program from the same folder. Several copies of the program work correctly only from different folders.

2) The program may not write to the folder it is in. For example, writing to c:\Program Files is forbidden by default in Windows 7 and later.

The program will be closed!</translation>
    </message>
    <message>
        <source>Инициализация...</source>
        <translation>Initialising...</translation>
    </message>
    <message>
        <source>Ошибка инициализации программы!

%1</source>
        <translation>Error initialising the program!

%1</translation>
    </message>
    <message>
        <source>Комбинаций: %1</source>
        <translation>Combinations: %1</translation>
    </message>
    <message>
        <source>Файлы комбинаций (*.lcv)</source>
        <translation>Combination files (*.lcv)</translation>
    </message>
    <message>
        <source>Генерация возможных комбинаций...</source>
        <translation>Generating possible combinations...</translation>
    </message>
    <message>
        <source>Ошибка генерации файла комбинаций!

%1</source>
        <translation>Error generating the combination file!

%1</translation>
    </message>
    <message>
        <source>Недостаточно памяти</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Создание файла отката...</source>
        <translation>Creating the undo file...</translation>
    </message>
    <message>
        <source>Отмена изменений...</source>
        <translation>Undoing changes...</translation>
    </message>
    <message>
        <source>Удаление из списка комбинаций %1 последних тиражей...</source>
        <translation>Removing the %1 latest draws from the combination list...</translation>
    </message>
    <message>
        <source>Удаление из списка комбинаций %1 последних тиражей ( завершено %2 % )...</source>
        <translation>Removing the %1 latest draws from the combination list ( %2 % done )...</translation>
    </message>
    <message>
        <source>Последние тиражи</source>
        <translation>Latest draws</translation>
    </message>
    <message>
        <source>Удаление выделенных комбинаций...</source>
        <translation>Deleting the selected combinations...</translation>
    </message>
    <message>
        <source>Выделенные комбинации</source>
        <translation>Selected combinations</translation>
    </message>
    <message>
        <source>Фильтрация комбинаций...</source>
        <translation>Filtering combinations...</translation>
    </message>
    <message>
        <source>В выделенном диапазоне нет значений для фильтра!</source>
        <translation>The selected range has no values to filter by!</translation>
    </message>
    <message>
        <source>Отмена последней операции</source>
        <translation>Undo last operation</translation>
    </message>
    <message>
        <source>Создание буфера комбинаций...</source>
        <translation>Creating the combination buffer...</translation>
    </message>
    <message>
        <source>Ошибка создания буфера комбинаций!

%1</source>
        <translation>Error creating the combination buffer!

%1</translation>
    </message>
    <message>
        <source>Загрузка буфера комбинаций...</source>
        <translation>Loading the combination buffer...</translation>
    </message>
    <message>
        <source>Ошибка загрузки буфера комбинаций!

%1</source>
        <translation>Error loading the combination buffer!

%1</translation>
    </message>
    <message>
        <source>Подождите пожалуйста...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>В текущем списке комбинаций содержится %1 уникальных номеров</source>
        <translation>The current combination list contains %1 unique numbers</translation>
    </message>
    <message>
        <source>Поиск по архиву тиражей...</source>
        <translation>Searching the draw archive...</translation>
    </message>
    <message>
        <source>Выделенная комбинация не найдена архиве тиражей!</source>
        <translation>The selected combination was not found in the draw archive!</translation>
    </message>
    <message>
        <source>Выделенная комбинация найдена в следующих тиражах:</source>
        <translation>The selected combination was found in the following draws:</translation>
    </message>
    <message>
        <source>Ошибка чтения файла &quot;%1&quot;!

%2</source>
        <translation>Error reading the file &quot;%1&quot;!

%2</translation>
    </message>
    <message>
        <source>Ошибка записи в файл &quot;%1&quot;!

%2</source>
        <translation>Error writing the file &quot;%1&quot;!

%2</translation>
    </message>
    <message>
        <source>Загрузка файла &quot;%1&quot;...</source>
        <translation>Loading the file &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Сохранение файла &quot;%1&quot;...</source>
        <translation>Saving the file &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Вы действительно хотите сбросить список избранных фильтров?</source>
        <translation>Do you really want to reset the list of favourite filters?</translation>
    </message>
    <message>
        <source>Метод расчета статистики &quot;%1&quot; не найден!
%2

Возможно, Вы отключили данный метод расчета либо использовали сценарий от другой модификации программы.</source>
        <translation>Statistic method &quot;%1&quot; not found!
%2

You may have disabled this method or used a script from another edition of the program.</translation>
    </message>
    <message>
        <source>Анализ тиражей и расчет статистики &quot;%1&quot; для выборки в %2 тиражей...</source>
        <translation>Analysing the draws and calculating the statistic &quot;%1&quot; over %2 draws...</translation>
    </message>
    <message>
        <source>Анализ тиражей и расчет статистики...</source>
        <translation>Analysing the draws and calculating statistics...</translation>
    </message>
    <message>
        <source>Шаг %1. Выделение строки: %2</source>
        <translation>Step %1. Selecting row: %2</translation>
    </message>
    <message>
        <source>Оставляем выделенные значения...</source>
        <translation>Keeping the selected values...</translation>
    </message>
    <message>
        <source>Удаляем выделенные значения...</source>
        <translation>Removing the selected values...</translation>
    </message>
    <message>
        <source>Количество комбинаций в списке: %1</source>
        <translation>Combinations in the list: %1</translation>
    </message>
    <message>
        <source>{UNDO} Откат изменений...</source>
        <translation>{UNDO} Rolling back changes...</translation>
    </message>
    <message>
        <source>Ошибка открытия файла данных для полного набора вариантов!

Имя файла: %1

%2</source>
        <translation>Error opening the data file for the full set!

File name: %1

%2</translation>
    </message>
    <message>
        <source>Создание файла предварительной выборки %1...</source>
        <translation>Creating the prefetch file %1...</translation>
    </message>
    <message>
        <source>Ошибка создания файла данных для полного набора вариантов!

Имя файла: %1

%2</source>
        <translation>Error creating the data file for the full set!

File name: %1

%2</translation>
    </message>
    <message>
        <source>Создание файлов для полного набора комбинаций...</source>
        <translation>Creating the files for the full set of combinations...</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Неизвестный параметр: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Не указано значение параметра.</source>
        <translation>An option has no value.</translation>
    </message>
    <message>
        <source>Укажите числа тиража одним параметром, например: 5;12;33;40;54;7</source>
        <translation>Give the draw&apos;s numbers as one argument, e.g. 5;12;33;40;54;7</translation>
    </message>
    <message>
        <source>Введена некорректная комбинация!</source>
        <translation>The combination entered is invalid!</translation>
    </message>
    <message>
        <source>Некорректный номер тиража: %1</source>
        <translation>Invalid draw number: %1</translation>
    </message>
    <message>
        <source>Некорректная дата тиража: %1</source>
        <translation>Invalid draw date: %1</translation>
    </message>
    <message>
        <source>Укажите номер удаляемого тиража.</source>
        <translation>Give the number of the draw to delete.</translation>
    </message>
    <message>
        <source>Тираж № %1 не найден в архиве.</source>
        <translation>Draw No. %1 is not in the archive.</translation>
    </message>
    <message>
        <source>Смещение должно быть от 0 до %1: %2</source>
        <translation>The offset must be from 0 to %1: %2</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Каталог данных не найден: %1</source>
        <translation>Data folder not found: %1</translation>
    </message>
    <message>
        <source>Использование:
  vertoma-cli [--data-dir DIR] draws [--sorted]
  vertoma-cli [--data-dir DIR] draws add TEXT [--num N] [--date dd/mm/yyyy]
  vertoma-cli [--data-dir DIR] draws delete NUM
  vertoma-cli [--data-dir DIR] status [--offset K]
  vertoma-cli [--data-dir DIR] methods
  vertoma-cli [--data-dir DIR] stat CODE [--len N] [--offset K] [--sorted] [--sort COL[:desc]] [--compare]
  vertoma-cli [--data-dir DIR] prefetch [--all | CODE...]
  vertoma-cli [--data-dir DIR] generate [--mode M] [--param TEXT] [--out FILE]
  vertoma-cli [--data-dir DIR] filter TEXT... [--in FILE] [--out FILE] [--offset K] [--compare]</source>
        <translation>Usage:
  vertoma-cli [--data-dir DIR] draws [--sorted]
  vertoma-cli [--data-dir DIR] draws add TEXT [--num N] [--date dd/mm/yyyy]
  vertoma-cli [--data-dir DIR] draws delete NUM
  vertoma-cli [--data-dir DIR] status [--offset K]
  vertoma-cli [--data-dir DIR] methods
  vertoma-cli [--data-dir DIR] stat CODE [--len N] [--offset K] [--sorted] [--sort COL[:desc]] [--compare]
  vertoma-cli [--data-dir DIR] prefetch [--all | CODE...]
  vertoma-cli [--data-dir DIR] generate [--mode M] [--param TEXT] [--out FILE]
  vertoma-cli [--data-dir DIR] filter TEXT... [--in FILE] [--out FILE] [--offset K] [--compare]</translation>
    </message>
    <message>
        <source>Укажите текст фильтра, например: TSD1#NUMS:10#LMV:5#SF:1</source>
        <translation>Give the filter text, e.g. TSD1#NUMS:10#LMV:5#SF:1</translation>
    </message>
    <message>
        <source>Строка сценария содержит не более %1 фильтров.</source>
        <translation>A script line holds at most %1 filters.</translation>
    </message>
    <message>
        <source>Некорректное описание фильтра: %1!</source>
        <translation>Invalid filter description: %1!</translation>
    </message>
    <message>
        <source>Укажите код метода расчета статистики, например: NUMS</source>
        <translation>Give the code of a statistic method, e.g. NUMS</translation>
    </message>
    <message>
        <source>Количество тиражей должно быть от 1 до 2147483647: %1</source>
        <translation>The number of draws must be from 1 to 2147483647: %1</translation>
    </message>
    <message>
        <source>Некорректная сортировка: %1 (ожидается номер столбца 0..%2 и, по желанию, :desc)</source>
        <translation>Invalid sort: %1 (expected a column number 0..%2, optionally followed by :desc)</translation>
    </message>
    <message>
        <source>Неизвестный метод расчета статистики: %1</source>
        <translation>Unknown statistic method: %1</translation>
    </message>
    <message>
        <source>Для метода %1 нет распределения по полному набору комбинаций.</source>
        <translation>Method %1 has no distribution over the full set of combinations.</translation>
    </message>
    <message>
        <source>Укажите --all или коды методов.</source>
        <translation>Give --all or method codes.</translation>
    </message>
    <message>
        <source>Режим генерации должен быть от 0 до %1: %2</source>
        <translation>The generation mode must be from 0 to %1: %2</translation>
    </message>
</context>
<context>
    <name>combos</name>
    <message>
        <source>Полный список (все возможные для данного лото варианты)</source>
        <translation>Full list (all combinations possible in this lottery)</translation>
    </message>
    <message>
        <source>Мои числа - должно присутствовать любое из указанных</source>
        <translation>My numbers - any of the given numbers must be present</translation>
    </message>
    <message>
        <source>Мои числа - комбинации только из списка указанных</source>
        <translation>My numbers - combinations of the given numbers only</translation>
    </message>
    <message>
        <source>Мои числа - исключить комбинации с любым из указанных</source>
        <translation>My numbers - exclude combinations with any of the given numbers</translation>
    </message>
    <message>
        <source>Загрузить список из заранее подготовленного CSV-файла</source>
        <translation>Load the list from a prepared CSV file</translation>
    </message>
    <message>
        <source>Весь список (без условий)</source>
        <translation>Whole list (no conditions)</translation>
    </message>
    <message>
        <source>&quot;Глубина&quot;: не менее заданного значения</source>
        <translation>&quot;Depth&quot;: at least the given value</translation>
    </message>
    <message>
        <source>&quot;Глубина&quot;: не менее заданного процента</source>
        <translation>&quot;Depth&quot;: at least the given percentage</translation>
    </message>
    <message>
        <source>&quot;Глубина&quot;: не более заданного значения</source>
        <translation>&quot;Depth&quot;: at most the given value</translation>
    </message>
    <message>
        <source>&quot;Глубина&quot;: не более заданного процента</source>
        <translation>&quot;Depth&quot;: at most the given percentage</translation>
    </message>
    <message>
        <source>&quot;Глубина&quot;: из заданного списка значений</source>
        <translation>&quot;Depth&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>&quot;Глубина&quot;: из заданного списка процентов</source>
        <translation>&quot;Depth&quot;: from the given list of percentages</translation>
    </message>
    <message>
        <source>&quot;Отклонение&quot;: не менее заданного значения</source>
        <translation>&quot;Deviation&quot;: at least the given value</translation>
    </message>
    <message>
        <source>&quot;Отклонение&quot;: не менее заданного процента</source>
        <translation>&quot;Deviation&quot;: at least the given percentage</translation>
    </message>
    <message>
        <source>&quot;Отклонение&quot;: не более заданного значения</source>
        <translation>&quot;Deviation&quot;: at most the given value</translation>
    </message>
    <message>
        <source>&quot;Отклонение&quot;: не более заданного процента</source>
        <translation>&quot;Deviation&quot;: at most the given percentage</translation>
    </message>
    <message>
        <source>&quot;Отклонение&quot;: из заданного списка значений</source>
        <translation>&quot;Deviation&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>&quot;Отклонение&quot;: из заданного списка процентов</source>
        <translation>&quot;Deviation&quot;: from the given list of percentages</translation>
    </message>
    <message>
        <source>&quot;Количество&quot;: не менее заданного значения</source>
        <translation>&quot;Count&quot;: at least the given value</translation>
    </message>
    <message>
        <source>&quot;Количество&quot;: не менее заданного процента</source>
        <translation>&quot;Count&quot;: at least the given percentage</translation>
    </message>
    <message>
        <source>&quot;Количество&quot;: не более заданного значения</source>
        <translation>&quot;Count&quot;: at most the given value</translation>
    </message>
    <message>
        <source>&quot;Количество&quot;: не более заданного процента</source>
        <translation>&quot;Count&quot;: at most the given percentage</translation>
    </message>
    <message>
        <source>&quot;Количество&quot;: из заданного списка значений</source>
        <translation>&quot;Count&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>&quot;Количество&quot;: из заданного списка процентов</source>
        <translation>&quot;Count&quot;: from the given list of percentages</translation>
    </message>
    <message>
        <source>&quot;Вес&quot;: не менее заданного значения</source>
        <translation>&quot;Weight&quot;: at least the given value</translation>
    </message>
    <message>
        <source>&quot;Вес&quot;: не более заданного значения</source>
        <translation>&quot;Weight&quot;: at most the given value</translation>
    </message>
    <message>
        <source>&quot;Вес&quot;: из заданного списка значений</source>
        <translation>&quot;Weight&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>&quot;Период min&quot;: не менее заданного значения</source>
        <translation>&quot;Period min&quot;: at least the given value</translation>
    </message>
    <message>
        <source>&quot;Период min&quot;: не более заданного значения</source>
        <translation>&quot;Period min&quot;: at most the given value</translation>
    </message>
    <message>
        <source>&quot;Период min&quot;: из заданного списка значений</source>
        <translation>&quot;Period min&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>&quot;Период&quot;: не менее заданного значения</source>
        <translation>&quot;Period&quot;: at least the given value</translation>
    </message>
    <message>
        <source>&quot;Период&quot;: не более заданного значения</source>
        <translation>&quot;Period&quot;: at most the given value</translation>
    </message>
    <message>
        <source>&quot;Период&quot;: из заданного списка значений</source>
        <translation>&quot;Period&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>&quot;Период max&quot;: не менее заданного значения</source>
        <translation>&quot;Period max&quot;: at least the given value</translation>
    </message>
    <message>
        <source>&quot;Период max&quot;: не более заданного значения</source>
        <translation>&quot;Period max&quot;: at most the given value</translation>
    </message>
    <message>
        <source>&quot;Период max&quot;: из заданного списка значений</source>
        <translation>&quot;Period max&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>&quot;Значения&quot;: из заданного списка значений</source>
        <translation>&quot;Values&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>Обработать все записи</source>
        <translation>Process all records</translation>
    </message>
    <message>
        <source>Количеству оставшихся комбинаций</source>
        <translation>Number of remaining combinations</translation>
    </message>
    <message>
        <source>Пока список не будет пуст и откатить на шаг</source>
        <translation>Until the list is empty, then step back</translation>
    </message>
    <message>
        <source>Количеству шагов</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <source>Значению в списке статистики</source>
        <translation>Value in the statistics list</translation>
    </message>
    <message>
        <source>Процентному соотношению в списке статистики</source>
        <translation>Percentage in the statistics list</translation>
    </message>
    <message>
        <source>&apos;%1&apos; не является допустимым числом</source>
        <translation>&apos;%1&apos; is not a valid number</translation>
    </message>
    <message>
        <source>Некорректное описание фильтра: %1!</source>
        <translation>Invalid filter description: %1!</translation>
    </message>
    <message>
        <source>Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!
Пожалуйста, уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, а затем повторите попытку.</source>
        <translation>You have set too many filter variants - the program cannot process them all!
Please reduce the number of sample length and depth variants in each filter, then try again.</translation>
    </message>
    <message>
        <source>Недостаточно памяти</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>&lt; [%1] кол-во: %2 (%3 %), отклонение: %4 (%5 %), глубина: %6 (%7 %), вес: %8 &gt;</source>
        <translation>&lt; [%1] count: %2 (%3 %), deviation: %4 (%5 %), depth: %6 (%7 %), weight: %8 &gt;</translation>
    </message>
</context>
<context>
    <name>combos::Expander</name>
    <message>
        <source>Недостаточно памяти</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Создание всех вариантов фильтров ( %1 )...</source>
        <translation>Creating all filter variants ( %1 )...</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Некорректная дата: %1.%2.%3</source>
        <translation>Invalid date: %1.%2.%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; - некорректная дата</source>
        <translation>&quot;%1&quot; is not a valid date</translation>
    </message>
    <message>
        <source>Файл слишком велик для архива тиражей (%1 байт).</source>
        <translation>The file is too large for a draw archive (%1 bytes).</translation>
    </message>
    <message>
        <source>Неожиданный конец файла: прочитано записей %1 из %2.</source>
        <translation>Unexpected end of file: %1 of %2 records read.</translation>
    </message>
    <message>
        <source>Запись со индексом %1 в файле данных не найдена!</source>
        <translation>Record with index %1 not found in the data file!</translation>
    </message>
    <message>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Дата тиража</source>
        <translation>Draw date</translation>
    </message>
    <message>
        <source>Тираж № %1 от %2, значения: %3</source>
        <translation>Draw No. %1 of %2, values: %3</translation>
    </message>
    <message>
        <source>Некорректная комбинация: &quot;%1&quot;!</source>
        <translation>Invalid combination: &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Вручную</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Регуляр</source>
        <translation>Regular</translation>
    </message>
    <message>
        <source>Сценарий</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Система</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Файл больше %1 байт.</source>
        <translation>The file is larger than %1 bytes.</translation>
    </message>
    <message>
        <source>Не задано имя файла.</source>
        <translation>No file name given.</translation>
    </message>
    <message>
        <source>Файл записан не полностью (%1).</source>
        <translation>The file could not be written completely (%1).</translation>
    </message>
</context>
<context>
    <name>stats</name>
    <message>
        <source>Не выбран метод расчета статистики (cb: %1)!</source>
        <translation>No statistic method selected (cb: %1)!</translation>
    </message>
    <message>
        <source>Не хватает скобочки</source>
        <translation>Missing bracket</translation>
    </message>
    <message>
        <source>Синтаксическая ошибка</source>
        <translation>Syntax error</translation>
    </message>
    <message>
        <source>Деление на нуль</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Выражение под логарифмом меньне нуля</source>
        <translation>Expression under the logarithm is less than zero</translation>
    </message>
    <message>
        <source>Выражение под корнем меньне нуля</source>
        <translation>Expression under the root is less than zero</translation>
    </message>
    <message>
        <source>Ошибка в операции с плавающей точкой</source>
        <translation>Floating-point operation error</translation>
    </message>
    <message>
        <source>Слишком длинное выражение</source>
        <translation>Expression too long</translation>
    </message>
    <message>
        <source>Слишком много вложенных скобок</source>
        <translation>Too many nested brackets</translation>
    </message>
    <message>
        <source>Числа тиража</source>
        <translation>Draw numbers</translation>
    </message>
    <message>
        <source>Сумма чисел тиража</source>
        <translation>Sum of the draw numbers</translation>
    </message>
    <message>
        <source>Разности между числами тиража</source>
        <translation>Differences between the draw numbers</translation>
    </message>
    <message>
        <source>Каналы (группы чисел)</source>
        <translation>Channels (groups of numbers)</translation>
    </message>
    <message>
        <source>Матрица тиража</source>
        <translation>Draw matrix</translation>
    </message>
    <message>
        <source>Сегменты матрицы тиража</source>
        <translation>Draw matrix segments</translation>
    </message>
    <message>
        <source>Последовательности чисел в одном тираже</source>
        <translation>Number sequences within a draw</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в нескольких тиражах</source>
        <translation>Numbers repeated in several draws</translation>
    </message>
    <message>
        <source>Серии (цепочки) значений</source>
        <translation>Series (chains) of values</translation>
    </message>
    <message>
        <source>Периоды повторения значений</source>
        <translation>Value repetition periods</translation>
    </message>
    <message>
        <source>Переходы (изменения) значений между тиражами</source>
        <translation>Value transitions (changes) between draws</translation>
    </message>
    <message>
        <source>Характеристическое число Quellin</source>
        <translation>Quellin characteristic number</translation>
    </message>
    <message>
        <source>Методы шинковки</source>
        <translation>Shredding methods</translation>
    </message>
    <message>
        <source>Цифры тиража</source>
        <translation>Draw digits</translation>
    </message>
    <message>
        <source>Количество четных чисел в тираже (Ч:Н)</source>
        <translation>Count of even numbers in the draw (E:O)</translation>
    </message>
    <message>
        <source>Четные и нечетные числа в тираже (Чн..нЧ)</source>
        <translation>Even and odd numbers in the draw (Чн..нЧ)</translation>
    </message>
    <message>
        <source>Количество чисел из первой половины диапазона (1П:2П)</source>
        <translation>Count of numbers from the first half of the range (1H:2H)</translation>
    </message>
    <message>
        <source>Числа из первой половины диапазона (12..12)</source>
        <translation>Numbers from the first half of the range (12..12)</translation>
    </message>
    <message>
        <source>Количество простых чисел (П:С)</source>
        <translation>Count of prime numbers (P:C)</translation>
    </message>
    <message>
        <source>Простые и составные числа (ПС..СП)</source>
        <translation>Prime and composite numbers (ПС..СП)</translation>
    </message>
    <message>
        <source>Сумма тиража: все значения</source>
        <translation>Draw sum: all values</translation>
    </message>
    <message>
        <source>Сумма тиража: диапазон %d (%d/%d)</source>
        <translation>Draw sum: range %d (%d/%d)</translation>
    </message>
    <message>
        <source>Сумма тиража: изменения (точно)</source>
        <translation>Draw sum: changes (exact)</translation>
    </message>
    <message>
        <source>Сумма тиража: изменения (диапазон)</source>
        <translation>Draw sum: changes (range)</translation>
    </message>
    <message>
        <source>Сумма тиража: направление изменения</source>
        <translation>Draw sum: direction of change</translation>
    </message>
    <message>
        <source>Сумма тиража: только четные</source>
        <translation>Draw sum: even numbers only</translation>
    </message>
    <message>
        <source>Сумма тиража: только простые</source>
        <translation>Draw sum: prime numbers only</translation>
    </message>
    <message>
        <source>Сумма двух чисел тиража равна третьему числу</source>
        <translation>Sum of two draw numbers equals a third number</translation>
    </message>
    <message>
        <source>Все разности между соседними позициями</source>
        <translation>All differences between adjacent positions</translation>
    </message>
    <message>
        <source>Максимальная разность между соседними позициями</source>
        <translation>Largest difference between adjacent positions</translation>
    </message>
    <message>
        <source>Разность между минимальным и максимальным числом</source>
        <translation>Difference between the smallest and largest number</translation>
    </message>
    <message>
        <source>Одинаковые разности между соседними позициями</source>
        <translation>Equal differences between adjacent positions</translation>
    </message>
    <message>
        <source>Количество одинаковых разностей между соседними позициями</source>
        <translation>Number of equal differences between adjacent positions</translation>
    </message>
    <message>
        <source>Каналы</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Количество чисел в канале</source>
        <translation>Count of numbers in a channel</translation>
    </message>
    <message>
        <source>Количество каналов в тираже</source>
        <translation>Number of channels in the draw</translation>
    </message>
    <message>
        <source>Столбцы матрицы (не пустые)</source>
        <translation>Matrix columns (non-empty)</translation>
    </message>
    <message>
        <source>Строки матрицы (не пустые)</source>
        <translation>Matrix rows (non-empty)</translation>
    </message>
    <message>
        <source>Количество чисел в столбце матрицы</source>
        <translation>Count of numbers in a matrix column</translation>
    </message>
    <message>
        <source>Количество чисел в строке матрицы</source>
        <translation>Count of numbers in a matrix row</translation>
    </message>
    <message>
        <source>Количество не пустых столбцов в матрице</source>
        <translation>Number of non-empty matrix columns</translation>
    </message>
    <message>
        <source>Количество не пустых строк в матрице</source>
        <translation>Number of non-empty matrix rows</translation>
    </message>
    <message>
        <source>Сочетания столбцов матрицы</source>
        <translation>Matrix column combinations</translation>
    </message>
    <message>
        <source>Сочетания строк матрицы</source>
        <translation>Matrix row combinations</translation>
    </message>
    <message>
        <source>Столбцы матрицы со смежными числами</source>
        <translation>Matrix columns with adjacent numbers</translation>
    </message>
    <message>
        <source>Строки матрицы со смежными числами</source>
        <translation>Matrix rows with adjacent numbers</translation>
    </message>
    <message>
        <source>Количество столбцов матрицы со смежными числами</source>
        <translation>Number of matrix columns with adjacent numbers</translation>
    </message>
    <message>
        <source>Количество строк матрицы со смежными числами</source>
        <translation>Number of matrix rows with adjacent numbers</translation>
    </message>
    <message>
        <source>Сегменты матрицы</source>
        <translation>Matrix segments</translation>
    </message>
    <message>
        <source>Количество чисел в сегменте матрицы</source>
        <translation>Count of numbers in a matrix segment</translation>
    </message>
    <message>
        <source>Количество не пустых сегментов в матрице</source>
        <translation>Number of non-empty matrix segments</translation>
    </message>
    <message>
        <source>Длина последовательности в тираже</source>
        <translation>Sequence length in the draw</translation>
    </message>
    <message>
        <source>Количество последовательностей в тираже</source>
        <translation>Number of sequences in the draw</translation>
    </message>
    <message>
        <source>Макс. длина последовательности в тираже</source>
        <translation>Max. sequence length in the draw</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в 2-х тиражах подряд</source>
        <translation>Numbers repeated in 2 draws in a row</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в 3-х тиражах подряд</source>
        <translation>Numbers repeated in 3 draws in a row</translation>
    </message>
    <message>
        <source>Повторяющиеся числа не более чем в 2-х тиражах</source>
        <translation>Numbers repeated in at most 2 draws</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в 2-х тиражах через %d тираж(а)</source>
        <translation>Numbers repeated in 2 draws with %d draw(s) in between</translation>
    </message>
    <message>
        <source>Данные предыдущего тиража %s</source>
        <translation>Previous draw data %s</translation>
    </message>
    <message>
        <source>Количество повторов в 2-х тиражах подряд</source>
        <translation>Number of repeats in 2 draws in a row</translation>
    </message>
    <message>
        <source>Количество повторов в 3-х тиражах подряд</source>
        <translation>Number of repeats in 3 draws in a row</translation>
    </message>
    <message>
        <source>Количество повторов не более чем в 2-х тиражах</source>
        <translation>Number of repeats in at most 2 draws</translation>
    </message>
    <message>
        <source>Количество повторов в 2-х тиражах через %d тираж(а)</source>
        <translation>Number of repeats in 2 draws with %d draw(s) in between</translation>
    </message>
    <message>
        <source>Количество совпадений &quot;значений %s&quot;</source>
        <translation>Number of matches of &quot;values %s&quot;</translation>
    </message>
    <message>
        <source>Сочетания из %0:d чисел по всем числам тиража</source>
        <translation>Combinations of %0:d numbers over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из %0:d соседних чисел тиража</source>
        <translation>Combinations of %0:d adjacent draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из 2-х чисел тиража начиная с %0:d позиции</source>
        <translation>Combinations of 2 draw numbers from position %0:d</translation>
    </message>
    <message>
        <source>Сочетания из 3-х чисел тиража начиная с %0:d позиции</source>
        <translation>Combinations of 3 draw numbers from position %0:d</translation>
    </message>
    <message>
        <source>Сочетания из 4-х чисел тиража начиная с %0:d позиции</source>
        <translation>Combinations of 4 draw numbers from position %0:d</translation>
    </message>
    <message>
        <source>Сочетания из %0:d чисел тиража по возрастанию</source>
        <translation>Combinations of %0:d draw numbers in ascending order</translation>
    </message>
    <message>
        <source>Сочетания из %0:d разностей между числами</source>
        <translation>Combinations of %0:d differences between numbers</translation>
    </message>
    <message>
        <source>Сочетания из %0:d каналов по всем числам тиража</source>
        <translation>Combinations of %0:d channels over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из %0:d каналов по соседним числам</source>
        <translation>Combinations of %0:d channels over adjacent numbers</translation>
    </message>
    <message>
        <source>Сочетания из %0:d столбцов по всем числам тиража</source>
        <translation>Combinations of %0:d columns over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из %0:d столбцов по соседним числам</source>
        <translation>Combinations of %0:d columns over adjacent numbers</translation>
    </message>
    <message>
        <source>Сочетания из %0:d строк по всем числам тиража</source>
        <translation>Combinations of %0:d rows over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из %0:d строк по соседним числам</source>
        <translation>Combinations of %0:d rows over adjacent numbers</translation>
    </message>
    <message>
        <source>Сочетания из %0:d сегментов по всем числам тиража</source>
        <translation>Combinations of %0:d segments over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из %0:d сегментов по соседним числам</source>
        <translation>Combinations of %0:d segments over adjacent numbers</translation>
    </message>
    <message>
        <source>Число в %0:d позиции тиража</source>
        <translation>Number at position %0:d of the draw</translation>
    </message>
    <message>
        <source>Extra (Bonus, Star...) - число (!без фильтра!)</source>
        <translation>Extra (Bonus, Star...) - number (!no filter!)</translation>
    </message>
    <message>
        <source>Количество чисел в %0:d канале</source>
        <translation>Count of numbers in channel %0:d</translation>
    </message>
    <message>
        <source>Количество чисел в %0:d столбце матрицы</source>
        <translation>Count of numbers in matrix column %0:d</translation>
    </message>
    <message>
        <source>Количество чисел в %0:d строке матрицы</source>
        <translation>Count of numbers in matrix row %0:d</translation>
    </message>
    <message>
        <source>Количество чисел в %0:d сегменте матрицы</source>
        <translation>Count of numbers in matrix segment %0:d</translation>
    </message>
    <message>
        <source>Повторы чисел в нескольких тиражах подряд</source>
        <translation>Number repeats over several draws in a row</translation>
    </message>
    <message>
        <source>Интервалы между повторениями чисел</source>
        <translation>Intervals between number repeats</translation>
    </message>
    <message>
        <source>Повторы каналов в нескольких тиражах подряд</source>
        <translation>Channel repeats over several draws in a row</translation>
    </message>
    <message>
        <source>Интервалы между повторениями каналов</source>
        <translation>Intervals between channel repeats</translation>
    </message>
    <message>
        <source>Повторы сегментов в нескольких тиражах подряд</source>
        <translation>Segment repeats over several draws in a row</translation>
    </message>
    <message>
        <source>Интервалы между повторениями сегментов</source>
        <translation>Intervals between segment repeats</translation>
    </message>
    <message>
        <source>Периоды повторения чисел</source>
        <translation>Number repetition periods</translation>
    </message>
    <message>
        <source>Периоды повторения каналов</source>
        <translation>Channel repetition periods</translation>
    </message>
    <message>
        <source>Периоды повторения сегментов</source>
        <translation>Segment repetition periods</translation>
    </message>
    <message>
        <source>Переходы чисел между %0:d тиражами без учета позиции</source>
        <translation>Number transitions between %0:d draws regardless of position</translation>
    </message>
    <message>
        <source>Переходы чисел между %0:d тиражами с учетом позиции</source>
        <translation>Number transitions between %0:d draws by position</translation>
    </message>
    <message>
        <source>Переходы чисел между %0:d тиражами в %%d позиции</source>
        <translation>Number transitions between %0:d draws at position %%d</translation>
    </message>
    <message>
        <source>Переходы каналов между %0:d тиражами без учета позиции</source>
        <translation>Channel transitions between %0:d draws regardless of position</translation>
    </message>
    <message>
        <source>Переходы каналов между %0:d тиражами с учетом позиции</source>
        <translation>Channel transitions between %0:d draws by position</translation>
    </message>
    <message>
        <source>Переходы каналов между %0:d тиражами в %%d позиции</source>
        <translation>Channel transitions between %0:d draws at position %%d</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в %%d канале между %0:d тиражами</source>
        <translation>Transitions of the count of numbers in channel %%d between %0:d draws</translation>
    </message>
    <message>
        <source>Переходы чисел в пределах каналов (все)</source>
        <translation>Number transitions within channels (all)</translation>
    </message>
    <message>
        <source>Переходы чисел в пределах каналов (N-M, удачные)</source>
        <translation>Number transitions within channels (N-M, successful)</translation>
    </message>
    <message>
        <source>Переходы чисел в пределах каналов (N-0, не удачные)</source>
        <translation>Number transitions within channels (N-0, unsuccessful)</translation>
    </message>
    <message>
        <source>Переходы чисел в пределах каналов (количество)</source>
        <translation>Number transitions within channels (count)</translation>
    </message>
    <message>
        <source>Переходы сегментов между %0:d тиражами без учета позиции</source>
        <translation>Segment transitions between %0:d draws regardless of position</translation>
    </message>
    <message>
        <source>Переходы сегментов между %0:d тиражами с учетом позиции</source>
        <translation>Segment transitions between %0:d draws by position</translation>
    </message>
    <message>
        <source>Переходы сегментов между %0:d тиражами в %%d позиции</source>
        <translation>Segment transitions between %0:d draws at position %%d</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в %%d сегменте между %0:d тиражами</source>
        <translation>Transitions of the count of numbers in segment %%d between %0:d draws</translation>
    </message>
    <message>
        <source>Число Quellin 1 (только разность)</source>
        <translation>Quellin number 1 (difference only)</translation>
    </message>
    <message>
        <source>Число Quellin 2 (разность + сложение, если {0,1})</source>
        <translation>Quellin number 2 (difference + addition if {0,1})</translation>
    </message>
    <message>
        <source>Числа Quellin 3 (динамический, только фильтр)</source>
        <translation>Quellin numbers 3 (dynamic, filter only)</translation>
    </message>
    <message>
        <source>Метод шинковки %0:d: %%s</source>
        <translation>Shredding method %0:d: %%s</translation>
    </message>
    <message>
        <source>Ошибка загрузки списка фильтров!

%1</source>
        <translation>Error loading the filter list!

%1</translation>
    </message>
    <message>
        <source>Ошибка сохранения списка фильтров!

%1</source>
        <translation>Error saving the filter list!

%1</translation>
    </message>
    <message>
        <source>Остальные</source>
        <translation>Others</translation>
    </message>
</context>
<context>
    <name>std</name>
    <message>
        <source>&apos;%1&apos; не является допустимым целым числом</source>
        <translation>&apos;%1&apos; is not a valid integer</translation>
    </message>
</context>
<context>
    <name>ui::CombListModel</name>
    <message>
        <source>№ п.п.</source>
        <translation>No.</translation>
    </message>
</context>
<context>
    <name>ui::CombsPage</name>
    <message>
        <source>Исключить указанное количество последних тиражей из списка комбинаций</source>
        <translation>Exclude the given number of latest draws from the combination list</translation>
    </message>
</context>
<context>
    <name>ui::ConfigDialog</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Некорректное значение: %1!

Укажите любое число от 1 до 9</source>
        <translation>Invalid value: %1!

Enter any number from 1 to 9</translation>
    </message>
</context>
<context>
    <name>ui::DrawDialog</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Введена некорректная комбинация!</source>
        <translation>The combination entered is invalid!</translation>
    </message>
</context>
<context>
    <name>ui::DrawsPage</name>
    <message>
        <source>Смещение назад:</source>
        <translation>Offset back:</translation>
    </message>
    <message>
        <source>Смещение относительно последнего загруженного номера тиража</source>
        <translation>Offset from the last loaded draw</translation>
    </message>
</context>
<context>
    <name>ui::FilterDialog</name>
    <message>
        <source>Фильтр</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Тип фильтра:</source>
        <translation>Filter type:</translation>
    </message>
    <message>
        <source>Допустимые форматы:
1 - одно значение
1, 2, 3 - список значений через запятую
1-10;2 - нижняя и верхняя граница диапазона; шаг изменения</source>
        <translation>Accepted formats:
1 - a single value
1, 2, 3 - a comma-separated list of values
1-10;2 - lower and upper bound of a range; step</translation>
    </message>
    <message>
        <source>Количество тиражей для расчета статистики</source>
        <translation>Number of draws used to calculate the statistic</translation>
    </message>
    <message>
        <source>Количество тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <source>Сортировать по столбцу:</source>
        <translation>Sort by column:</translation>
    </message>
    <message>
        <source>Сверху-вниз</source>
        <translation>Top to bottom</translation>
    </message>
    <message>
        <source>Снизу-вверх</source>
        <translation>Bottom to top</translation>
    </message>
    <message>
        <source>Направление:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Удалить выделенные</source>
        <translation>Remove selected</translation>
    </message>
    <message>
        <source>Оставить выделенные</source>
        <translation>Keep selected</translation>
    </message>
    <message>
        <source>Режим фильтра:</source>
        <translation>Filter mode:</translation>
    </message>
    <message>
        <source>Использовать режим одновременного выделения нескольких значений в списке</source>
        <translation>Select several values in the list at once</translation>
    </message>
    <message>
        <source>Режим выделения значений в списке статистики:</source>
        <translation>Selection of values in the statistics list:</translation>
    </message>
    <message>
        <source>Учитываемые значения глубины</source>
        <translation>Depth values taken into account</translation>
    </message>
    <message>
        <source>Значения:</source>
        <translation>Values:</translation>
    </message>
    <message>
        <source> Коэффициенты для расчета значений &quot;Вес&quot; </source>
        <translation> Coefficients for calculating &quot;Weight&quot; values </translation>
    </message>
    <message>
        <source>Использовать приведенные ниже коэффициенты для расчета значений &quot;Вес&quot;</source>
        <translation>Use the coefficients below to calculate &quot;Weight&quot; values</translation>
    </message>
    <message>
        <source>Использовать значения в %</source>
        <translation>Use values in %</translation>
    </message>
    <message>
        <source>Использовать абсолютные значения</source>
        <translation>Use absolute values</translation>
    </message>
    <message>
        <source>Количество:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>Отклонение:</source>
        <translation>Deviation:</translation>
    </message>
    <message>
        <source>Глубина:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <source>Значение:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>Остановка по:</source>
        <translation>Stop by:</translation>
    </message>
    <message>
        <source>Введен некорректный диапазон значений!</source>
        <translation>The range of values entered is invalid!</translation>
    </message>
    <message>
        <source>Для данного вида статистики не доступен режим выделения по списку значений!</source>
        <translation>Selection by a list of values is not available for this statistic!</translation>
    </message>
    <message>
        <source>В режиме мультивыделения остановка сценария по количеству комбинаций или чисел не может быть выполнена!
Выберите другой способ останова.</source>
        <translation>In multi-select mode the script cannot stop by the number of combinations or numbers!
Choose another way to stop.</translation>
    </message>
    <message>
        <source>Некорректное значение коэффициента: &quot;%1&quot;!</source>
        <translation>Invalid coefficient value: &quot;%1&quot;!</translation>
    </message>
</context>
<context>
    <name>ui::FilterHistoryModel</name>
    <message>
        <source>Примененные фильтры</source>
        <translation>Applied filters</translation>
    </message>
    <message>
        <source>Значения</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Комбинаций</source>
        <translation>Combinations</translation>
    </message>
</context>
<context>
    <name>ui::FilterInfoWindow</name>
    <message>
        <source>Описание методики расчета</source>
        <translation>Calculation method description</translation>
    </message>
    <message>
        <source>Описание этого метода расчета статистики отсутствует.</source>
        <translation>There is no description of this statistic method.</translation>
    </message>
</context>
<context>
    <name>ui::FiltersManagerDialog</name>
    <message>
        <source>Сортировать списки по названию метода</source>
        <translation>Sort the lists by method name</translation>
    </message>
    <message>
        <source>Отображать идентификатор группы { xxx } перед названием метода</source>
        <translation>Show the group identifier { xxx } before the method name</translation>
    </message>
    <message>
        <source>Отображать особенности метода [ YYY ] после названия метода</source>
        <translation>Show the method features [ YYY ] after the method name</translation>
    </message>
    <message>
        <source>Менеджер избранных методов расчета статистики</source>
        <translation>Manager of favourite statistic methods</translation>
    </message>
    <message>
        <source>Переименование</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Введите наименование фильтра:</source>
        <translation>Enter the filter name:</translation>
    </message>
    <message>
        <source>Отметьте методы расчета статистики, которые Вы хотите использовать:</source>
        <translation>Check the statistic methods you want to use:</translation>
    </message>
    <message>
        <source> Параметры вывода наименований в списках методов расчета статистики </source>
        <translation> Display of names in the statistic method lists </translation>
    </message>
    <message>
        <source>Сбросить все</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Снять отметки со всех фильтров</source>
        <translation>Uncheck all filters</translation>
    </message>
    <message>
        <source>Выбрать все</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Поставить отметки у всех фильтров</source>
        <translation>Check all filters</translation>
    </message>
    <message>
        <source>Сбросить группу</source>
        <translation>Clear group</translation>
    </message>
    <message>
        <source>Снять отметки со всех фильтров группы</source>
        <translation>Uncheck all filters of the group</translation>
    </message>
    <message>
        <source>Выбрать группу</source>
        <translation>Select group</translation>
    </message>
    <message>
        <source>Поставить отметки у всех фильтров группы</source>
        <translation>Check all filters of the group</translation>
    </message>
    <message>
        <source>Переименовать</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Переименовать фильтр</source>
        <translation>Rename the filter</translation>
    </message>
    <message>
        <source>Вернуть</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Вернуть наименование &quot;по умолчанию&quot;</source>
        <translation>Restore the &quot;default&quot; name</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Справочная информация о выделенном методе расчета статистики</source>
        <translation>Reference information on the selected statistic method</translation>
    </message>
    <message>
        <source>Импорт названий</source>
        <translation>Import names</translation>
    </message>
    <message>
        <source>Импорт названий фильтров из файла</source>
        <translation>Import filter names from a file</translation>
    </message>
    <message>
        <source>Экспорт названий</source>
        <translation>Export names</translation>
    </message>
    <message>
        <source>Экспорт названий фильтров в файл</source>
        <translation>Export filter names to a file</translation>
    </message>
    <message>
        <source>всего %1 методов</source>
        <translation>%1 methods in all</translation>
    </message>
    <message>
        <source>Наименования фильтров (*.flt)</source>
        <translation>Filter names (*.flt)</translation>
    </message>
</context>
<context>
    <name>ui::FirstRunDialog</name>
    <message>
        <source>Больше не показывать данный диалог</source>
        <translation>Do not show this dialog again</translation>
    </message>
    <message>
        <source>Справочная информация</source>
        <translation>Reference information</translation>
    </message>
    <message>
        <source>Прежде чем начать работу, познакомьтесь с программой:</source>
        <translation>Before you start, get to know the program:</translation>
    </message>
    <message>
        <source>Открыть файл встроенной справочной системы</source>
        <translation>Open the built-in help file</translation>
    </message>
    <message>
        <source>Статьи для начинающих</source>
        <translation>Articles for beginners</translation>
    </message>
    <message>
        <source>Блог</source>
        <translation>Blog</translation>
    </message>
    <message>
        <source>Видеоканал</source>
        <translation>Video channel</translation>
    </message>
    <message>
        <source>Группа в социальной сети 1</source>
        <translation>Social network group 1</translation>
    </message>
    <message>
        <source>Группа в социальной сети 2</source>
        <translation>Social network group 2</translation>
    </message>
    <message>
        <source>Новости</source>
        <translation>News</translation>
    </message>
</context>
<context>
    <name>ui::GenCombsDialog</name>
    <message>
        <source>Создание нового списка комбинаций</source>
        <translation>New combination list</translation>
    </message>
    <message>
        <source>Режим генерации списка комбинаций:</source>
        <translation>Combination list generation mode:</translation>
    </message>
    <message>
        <source>Мои числа или имя файла для загрузки:</source>
        <translation>My numbers or the name of the file to load:</translation>
    </message>
    <message>
        <source>Сохранить эти параметры для генерации комбинаций &quot;по умолчанию&quot;</source>
        <translation>Save these settings as the &quot;default&quot; for generating combinations</translation>
    </message>
    <message>
        <source>Создать список возможных комбинаций</source>
        <translation>Create a list of possible combinations</translation>
    </message>
    <message>
        <source>Файлы комбинаций (*.lcv)</source>
        <translation>Combination files (*.lcv)</translation>
    </message>
</context>
<context>
    <name>ui::MainWindow</name>
    <message>
        <source>Архив тиражей</source>
        <translation>Draw archive</translation>
    </message>
    <message>
        <source>Комбинации</source>
        <translation>Combinations</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Карта</source>
        <translation>Card</translation>
    </message>
    <message>
        <source>Схема</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Неделя</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Ставки</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <source>Рейтинг</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Регуляры</source>
        <translation>Regulars</translation>
    </message>
    <message>
        <source>Системы</source>
        <translation>Systems</translation>
    </message>
    <message>
        <source>Сценарий</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Ошибка записи параметров программы!

%1</source>
        <translation>Error writing the program settings!

%1</translation>
    </message>
    <message>
        <source>Вертома 5x54</source>
        <translation>Vertoma 5x54</translation>
    </message>
    <message>
        <source> версия </source>
        <translation> version </translation>
    </message>
    <message>
        <source> [демо]</source>
        <translation> [demo]</translation>
    </message>
    <message>
        <source>Сайт программы</source>
        <translation>Program website</translation>
    </message>
    <message>
        <source>Страница автора</source>
        <translation>Author&apos;s page</translation>
    </message>
    <message>
        <source>Статьи для начинающих</source>
        <translation>Articles for beginners</translation>
    </message>
    <message>
        <source>Новости</source>
        <translation>News</translation>
    </message>
    <message>
        <source>Блог</source>
        <translation>Blog</translation>
    </message>
    <message>
        <source>Видеоканал</source>
        <translation>Video channel</translation>
    </message>
    <message>
        <source>Группа в социальной сети 1</source>
        <translation>Social network group 1</translation>
    </message>
    <message>
        <source>Группа в социальной сети 2</source>
        <translation>Social network group 2</translation>
    </message>
    <message>
        <source>Сайт лотереи</source>
        <translation>Lottery website</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Формулы шинковки</source>
        <translation>Shredding formulas</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Добавить новый тираж</source>
        <translation>Add a new draw</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Изменить выделенный тираж</source>
        <translation>Edit the selected draw</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Удалить выделенные тиражи</source>
        <translation>Delete the selected draws</translation>
    </message>
    <message>
        <source>Сведения о тираже</source>
        <translation>Draw information</translation>
    </message>
    <message>
        <source>Упорядочить MIN-&gt;MAX</source>
        <translation>Sort MIN-&gt;MAX</translation>
    </message>
    <message>
        <source>Выделять каналы в архиве тиражей</source>
        <translation>Highlight channels in the draw archive</translation>
    </message>
    <message>
        <source>Вкладка &quot;Графики&quot;</source>
        <translation>&quot;Graphs&quot; page</translation>
    </message>
    <message>
        <source>Вкладка &quot;Карта&quot;</source>
        <translation>&quot;Card&quot; page</translation>
    </message>
    <message>
        <source>Вкладка &quot;Схема&quot;</source>
        <translation>&quot;Layout&quot; page</translation>
    </message>
    <message>
        <source>Вкладка &quot;Неделя&quot;</source>
        <translation>&quot;Week&quot; page</translation>
    </message>
    <message>
        <source>Вкладка &quot;Регуляры&quot;</source>
        <translation>&quot;Regulars&quot; page</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Язык интерфейса</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Языковый модуль &quot;%1&quot; не найден!</source>
        <translation>Language module &quot;%1&quot; not found!</translation>
    </message>
    <message>
        <source>Вертома 5x54 версия %1

Анализатор лотереи &quot;5 из 54&quot; с ключевым числом.</source>
        <translation>Vertoma 5x54 version %1

An analyzer of the &quot;5 of 54&quot; lottery with a key number.</translation>
    </message>
    <message>
        <source>Генерировать</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>Новый</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Загрузить список комбинаций из файла</source>
        <translation>Load a combination list from a file</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить список комбинаций в файле</source>
        <translation>Save the combination list to a file</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Исключить тиражи</source>
        <translation>Exclude draws</translation>
    </message>
    <message>
        <source>[-] Тиражи</source>
        <translation>[-] Draws</translation>
    </message>
    <message>
        <source>Удалить выделенные</source>
        <translation>Remove selected</translation>
    </message>
    <message>
        <source>Копировать в буфер</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Копировать выделенные комбинации в буфер обмена</source>
        <translation>Copy the selected combinations to the clipboard</translation>
    </message>
    <message>
        <source>Вставить из буфера</source>
        <translation>Paste from clipboard</translation>
    </message>
    <message>
        <source>Вставить комбинации из буфера обмена</source>
        <translation>Paste combinations from the clipboard</translation>
    </message>
    <message>
        <source>Выделить все</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Количество уникальных номеров</source>
        <translation>Count unique numbers</translation>
    </message>
    <message>
        <source>Проверить по архиву тиражей</source>
        <translation>Check against the draw archive</translation>
    </message>
    <message>
        <source>Выделять каналы в списке комбинаций</source>
        <translation>Highlight channels in the combination list</translation>
    </message>
    <message>
        <source>Избранные статистики</source>
        <translation>Favourite statistics</translation>
    </message>
    <message>
        <source>Настройка списка избранных видов статистики (фильтров)</source>
        <translation>Set up the list of favourite statistics (filters)</translation>
    </message>
    <message>
        <source>Все доступные статистики</source>
        <translation>All available statistics</translation>
    </message>
    <message>
        <source>Отображать все доступные виды статистики (фильтры)</source>
        <translation>Show all available statistics (filters)</translation>
    </message>
    <message>
        <source>Описание статистики</source>
        <translation>Statistic description</translation>
    </message>
    <message>
        <source>Сведения о выбранном методе расчета статистики</source>
        <translation>Information on the selected statistic method</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Оставить выделенные</source>
        <translation>Keep selected</translation>
    </message>
    <message>
        <source>Использовать сравнение с полным набором комбинаций</source>
        <translation>Compare with the full set of combinations</translation>
    </message>
    <message>
        <source>График идеального распределения</source>
        <translation>Ideal distribution graph</translation>
    </message>
    <message>
        <source>Создание графиков...</source>
        <translation>Creating graphs...</translation>
    </message>
</context>
<context>
    <name>ui::StatChartView</name>
    <message>
        <source>Все возможные комбинации</source>
        <translation>All possible combinations</translation>
    </message>
    <message>
        <source>Фактические данные</source>
        <translation>Actual data</translation>
    </message>
</context>
<context>
    <name>ui::StatPage</name>
    <message>
        <source>Вид расчета статистики</source>
        <translation>Statistic calculation method</translation>
    </message>
    <message>
        <source>Количество тиражей, использующихся для расчета статистики</source>
        <translation>Number of draws used to calculate the statistic</translation>
    </message>
    <message>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
</context>
<context>
    <name>views</name>
    <message>
        <source>Длина файла не кратна 12 байтам: %1</source>
        <translation>The file length is not a multiple of 12 bytes: %1</translation>
    </message>
    <message>
        <source>Не удалось создать каталог %1</source>
        <translation>Could not create the folder %1</translation>
    </message>
    <message>
        <source>Слишком большой файл: %1 байт</source>
        <translation>File too large: %1 bytes</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Количество</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Кол-во в %</source>
        <translation>Count in %</translation>
    </message>
    <message>
        <source>Норма</source>
        <translation>Norm</translation>
    </message>
    <message>
        <source>Отклонение</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Откл-ие в %</source>
        <translation>Dev. in %</translation>
    </message>
    <message>
        <source>Глубина</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>Глубина в %</source>
        <translation>Depth in %</translation>
    </message>
    <message>
        <source>Вес</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Посл. тираж</source>
        <translation>Last draw</translation>
    </message>
    <message>
        <source>Период min</source>
        <translation>Period min</translation>
    </message>
    <message>
        <source>Период</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Период max</source>
        <translation>Period max</translation>
    </message>
    <message>
        <source>Ожд. ПРД</source>
        <translation>Exp. PRD</translation>
    </message>
    <message>
        <source>Ожд. СТФ</source>
        <translation>Exp. STF</translation>
    </message>
    <message>
        <source>Ожд. КРН</source>
        <translation>Exp. KRN</translation>
    </message>
    <message>
        <source>Факт</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>+/- ПРД</source>
        <translation>+/- PRD</translation>
    </message>
    <message>
        <source>+/- СТФ</source>
        <translation>+/- STF</translation>
    </message>
    <message>
        <source>+/- КРН</source>
        <translation>+/- KRN</translation>
    </message>
</context>
</TS>
