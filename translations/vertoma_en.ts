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
    <name>MultiStakeDialog</name>
    <message>
        <source>Добавление мультиставки</source>
        <translation>Add a multi-stake</translation>
    </message>
    <message>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <source>Номер тиража</source>
        <translation>Draw number</translation>
    </message>
    <message>
        <source>Кол-во тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <source>Количество тиражей, на которые нужно сделать ставку (начиная с указанного)</source>
        <translation>Number of draws to place the stake on (starting with the given one)</translation>
    </message>
    <message>
        <source>Комментарий к ставке:</source>
        <translation>Stake comment:</translation>
    </message>
    <message>
        <source>Комментарий к ставке</source>
        <translation>Stake comment</translation>
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
    <name>StakeDialog</name>
    <message>
        <source>Добавление ставки</source>
        <translation>Add a stake</translation>
    </message>
    <message>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <source>Номер первого тиража</source>
        <translation>Number of the first draw</translation>
    </message>
    <message>
        <source>Кол-во тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <source>Количество тиражей, на которые нужно сделать ставку (начиная с указанного)</source>
        <translation>Number of draws to place the stake on (starting with the given one)</translation>
    </message>
    <message>
        <source>Ставка:</source>
        <translation>Stake:</translation>
    </message>
    <message>
        <source>Введите числа, разделенные точкой с запятой или запятой</source>
        <translation>Enter the numbers separated by semicolons or commas</translation>
    </message>
    <message>
        <source>Сумма:</source>
        <translation>Sum:</translation>
    </message>
    <message>
        <source>Сумма введенных чисел</source>
        <translation>Sum of the numbers entered</translation>
    </message>
    <message>
        <source>Комментарий к ставке:</source>
        <translation>Stake comment:</translation>
    </message>
    <message>
        <source>Комментарий к ставке</source>
        <translation>Stake comment</translation>
    </message>
</context>
<context>
    <name>StakeFilterDialog</name>
    <message>
        <source>Удаление по условию</source>
        <translation>Delete by condition</translation>
    </message>
    <message>
        <source>Выберите условие:</source>
        <translation>Choose the condition:</translation>
    </message>
    <message>
        <source>Режим сравнения с количеством совпадений</source>
        <translation>How to compare with the number of matches</translation>
    </message>
    <message>
        <source>Равно [ = ]</source>
        <translation>Equal to [ = ]</translation>
    </message>
    <message>
        <source>Более [ &gt; ]</source>
        <translation>More than [ &gt; ]</translation>
    </message>
    <message>
        <source>Не менее [ &gt;= ]</source>
        <translation>At least [ &gt;= ]</translation>
    </message>
    <message>
        <source>Менее [ &lt; ]</source>
        <translation>Less than [ &lt; ]</translation>
    </message>
    <message>
        <source>Не более [ &lt;= ]</source>
        <translation>At most [ &lt;= ]</translation>
    </message>
    <message>
        <source>Количество совпадений</source>
        <translation>Number of matches</translation>
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
    <name>app::RatingsController</name>
    <message>
        <source>Загрузка файла рейтинга...</source>
        <translation>Loading the rating file...</translation>
    </message>
    <message>
        <source>Ошибка чтения файла рейтинга!</source>
        <translation>Error reading the rating file!</translation>
    </message>
    <message>
        <source>Файл рейтинга &quot;%1&quot; оканчивается неполной записью (%2 байт): прочитаны все целые записи, остаток будет удален при следующем сохранении.</source>
        <translation>The rating file &quot;%1&quot; ends with an incomplete record (%2 bytes): all whole records were read, the rest will be removed at the next save.</translation>
    </message>
    <message>
        <source>Сохранение файла рейтинга...</source>
        <translation>Saving the rating file...</translation>
    </message>
    <message>
        <source>Ошибка записи в файл рейтинга!</source>
        <translation>Error writing the rating file!</translation>
    </message>
    <message>
        <source>Сортировка рейтинга...</source>
        <translation>Sorting the rating...</translation>
    </message>
    <message>
        <source>Пересчитать рейтинг только по текущим ставкам?

Накопленные ранее данные по удаленным ставкам будут потеряны.</source>
        <translation>Recalculate the rating from the current stakes only?

The data accumulated earlier for deleted stakes will be lost.</translation>
    </message>
    <message>
        <source>Обновление рейтинга...</source>
        <translation>Updating the rating...</translation>
    </message>
    <message>
        <source>Ошибка обновления рейтинга!</source>
        <translation>Error updating the rating!</translation>
    </message>
    <message>
        <source>CSV-файлы (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Экспорт в CSV-файл...</source>
        <translation>Exporting to a CSV file...</translation>
    </message>
    <message>
        <source>Ошибка записи в файл &quot;%1&quot;!</source>
        <translation>Error writing the file &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>График количества совпадений для выделенных строк рейтинга</source>
        <translation>Graph of the number of matches for the selected rating rows</translation>
    </message>
    <message>
        <source>Создание графиков...</source>
        <translation>Creating graphs...</translation>
    </message>
    <message>
        <source>Нормальные значения</source>
        <translation>Normal values</translation>
    </message>
    <message>
        <source>Рейтинг: %1</source>
        <translation>Rating: %1</translation>
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
    <name>app::StakesController</name>
    <message>
        <source>Создание ставок...</source>
        <translation>Creating stakes...</translation>
    </message>
    <message>
        <source>Загрузка файла ставок...</source>
        <translation>Loading the stake file...</translation>
    </message>
    <message>
        <source>Ошибка чтения файла ставок!</source>
        <translation>Error reading the stake file!</translation>
    </message>
    <message>
        <source>Не удалось сохранить копию файла ставок перед его исправлением: %1</source>
        <translation>Could not save a copy of the stake file before repairing it: %1</translation>
    </message>
    <message>
        <source>Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!</source>
        <translation>The stake file is of an outdated version - the stakes it holds will be deleted!</translation>
    </message>
    <message>
        <source>Копия прежнего файла сохранена: %1</source>
        <translation>A copy of the previous file was saved: %1</translation>
    </message>
    <message>
        <source>Файл ставок оканчивается неполной записью (%1 байт): она будет удалена, все целые записи сохранены.</source>
        <translation>The stake file ends with an incomplete record (%1 bytes): it will be removed, all whole records are kept.</translation>
    </message>
    <message>
        <source>Сохранение файла ставок...</source>
        <translation>Saving the stake file...</translation>
    </message>
    <message>
        <source>Ошибка записи в файл ставок!</source>
        <translation>Error writing the stake file!</translation>
    </message>
    <message>
        <source>Ошибка чтения записи из файла ставок!</source>
        <translation>Error reading a record from the stake file!</translation>
    </message>
    <message>
        <source>Ошибка добавления записи в файл ставок!</source>
        <translation>Error adding a record to the stake file!</translation>
    </message>
    <message>
        <source>Ошибка поиска записи в файле ставок!</source>
        <translation>Error searching for a record in the stake file!</translation>
    </message>
    <message>
        <source>Файл ставок не открыт!</source>
        <translation>The stake file is not open!</translation>
    </message>
    <message>
        <source>Добавление в конец файла уже проверенной ставки!</source>
        <translation>An already checked stake is being appended to the end of the file!</translation>
    </message>
    <message>
        <source>Создание ставки...</source>
        <translation>Creating the stake...</translation>
    </message>
    <message>
        <source>Ошибка удаления записи из файла ставок!</source>
        <translation>Error deleting a record from the stake file!</translation>
    </message>
    <message>
        <source>Ставок: %1</source>
        <translation>Stakes: %1</translation>
    </message>
    <message>
        <source>{-} Ставка на тираж %1 не добавлена, так как уже имеется в списке ставок: [%2]</source>
        <translation>{-} The stake on draw %1 was not added, as it is already in the stake list: [%2]</translation>
    </message>
    <message>
        <source>{+} Ставка на тираж %1 добавлена в список ставок: [%2]</source>
        <translation>{+} The stake on draw %1 was added to the stake list: [%2]</translation>
    </message>
    <message>
        <source>Ставка &quot;вручную&quot;</source>
        <translation>&quot;Manual&quot; stake</translation>
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
        <source>Удаление ставок...</source>
        <translation>Deleting stakes...</translation>
    </message>
    <message>
        <source>Проверка результатов ставок...</source>
        <translation>Checking the stake results...</translation>
    </message>
    <message>
        <source>Проверка результатов ставок ( завершено %1 % )...</source>
        <translation>Checking the stake results ( %1 % done )...</translation>
    </message>
    <message>
        <source>Ошибка проверки ставок!</source>
        <translation>Error checking the stakes!</translation>
    </message>
    <message>
        <source>Ошибка поиска записи по номеру тиража в файле ставок!</source>
        <translation>Error searching the stake file for a record by draw number!</translation>
    </message>
    <message>
        <source>Ошибка удаления файла &quot;%1&quot;!</source>
        <translation>Error deleting the file &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Ошибка записи в файл &quot;%1&quot;!</source>
        <translation>Error writing the file &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Файлы журналов не найдены!</source>
        <translation>No log files found!</translation>
    </message>
    <message>
        <source>Поиск файлов журналов...</source>
        <translation>Searching for log files...</translation>
    </message>
    <message>
        <source>Создание графиков...</source>
        <translation>Creating graphs...</translation>
    </message>
    <message>
        <source>График суммарного профита ставок по тиражам</source>
        <translation>Graph of the total stake profit by draw</translation>
    </message>
    <message>
        <source>График количества совпадений для всех ставок по тиражам</source>
        <translation>Graph of the number of matches for all stakes by draw</translation>
    </message>
    <message>
        <source>График профита для всех ставок по тиражам</source>
        <translation>Graph of the profit for all stakes by draw</translation>
    </message>
</context>
<context>
    <name>app::ViewsController</name>
    <message>
        <source>Анализ тиражей и построение графиков...</source>
        <translation>Analysing the draws and building graphs...</translation>
    </message>
    <message>
        <source>Обновление карты тиражей...</source>
        <translation>Updating the draw card...</translation>
    </message>
    <message>
        <source>Построение схемы выпадения номеров...</source>
        <translation>Building the layout of drawn numbers...</translation>
    </message>
    <message>
        <source>Построение статистики по дням недели...</source>
        <translation>Building statistics by day of the week...</translation>
    </message>
    <message>
        <source>В выделенном диапазоне нет значений для фильтра!</source>
        <translation>The selected range has no values to filter by!</translation>
    </message>
    <message>
        <source>Идет сбор статистики....</source>
        <translation>Collecting statistics....</translation>
    </message>
    <message>
        <source>Распределение сумм тиражей и всех возможных комбинаций</source>
        <translation>Distribution of the sums of draws and of all possible combinations</translation>
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
    <message>
        <source>Числа каждого тиража по возрастанию.</source>
        <translation>The numbers of each draw in ascending order.</translation>
    </message>
    <message>
        <source>Список тиражей, новые первыми.</source>
        <translation>List of draws, newest first.</translation>
    </message>
    <message>
        <source>Номер тиража.</source>
        <translation>Draw number.</translation>
    </message>
    <message>
        <source>Дата тиража.</source>
        <translation>Draw date.</translation>
    </message>
    <message>
        <source>Пять чисел и ключевое число, например: 5;12;33;40;54;7</source>
        <translation>Five numbers and the key number, e.g. 5;12;33;40;54;7</translation>
    </message>
    <message>
        <source>Добавить тираж в архив.</source>
        <translation>Add a draw to the archive.</translation>
    </message>
    <message>
        <source>Удалить тираж из архива.</source>
        <translation>Delete a draw from the archive.</translation>
    </message>
    <message>
        <source>Смещение точки анализа от последнего тиража.</source>
        <translation>Offset of the analysis point from the last draw.</translation>
    </message>
    <message>
        <source>Три панели архива в строке состояния.</source>
        <translation>The three archive panels of the status bar.</translation>
    </message>
    <message>
        <source>Использование:</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>СЛОВО</source>
        <translation>WORD</translation>
    </message>
    <message>
        <source>Начальный список из файла комбинаций.</source>
        <translation>Starting list from a combination file.</translation>
    </message>
    <message>
        <source>Сохранить последний список в файле.</source>
        <translation>Save the last list to a file.</translation>
    </message>
    <message>
        <source>Сравнение с полным набором комбинаций.</source>
        <translation>Comparison with the full set of combinations.</translation>
    </message>
    <message>
        <source>Фильтры строки сценария.</source>
        <translation>The filters of a script line.</translation>
    </message>
    <message>
        <source>Применить варианты фильтров, по строке на вариант.</source>
        <translation>Apply the filter variants, one line per variant.</translation>
    </message>
    <message>
        <source>Первая выводимая запись (с 1).</source>
        <translation>First record to print (from 1).</translation>
    </message>
    <message>
        <source>Список ставок в порядке файла.</source>
        <translation>List of stakes in file order.</translation>
    </message>
    <message>
        <source>Некорректный номер записи: %1</source>
        <translation>Invalid record number: %1</translation>
    </message>
    <message>
        <source>Ошибка чтения файла ставок!</source>
        <translation>Error reading the stake file!</translation>
    </message>
    <message>
        <source>Пять чисел ставки, например: 5;12;33;40;54</source>
        <translation>The five numbers of the stake, e.g. 5;12;33;40;54</translation>
    </message>
    <message>
        <source>Сделать ставку и сразу проверить ее по архиву тиражей.</source>
        <translation>Place a stake and check it against the draw archive at once.</translation>
    </message>
    <message>
        <source>Укажите числа ставки одним параметром, например: 5;12;33;40;54</source>
        <translation>Give the stake&apos;s numbers as one argument, e.g. 5;12;33;40;54</translation>
    </message>
    <message>
        <source>Комбинации из файла вместо сгенерированного списка.</source>
        <translation>Combinations from a file instead of the generated list.</translation>
    </message>
    <message>
        <source>Сделать ставки для всех комбинаций списка.</source>
        <translation>Place stakes on all combinations of the list.</translation>
    </message>
    <message>
        <source>Проверить ставки по архиву тиражей и вывести, сколько проверено.</source>
        <translation>Check the stakes against the draw archive and print how many were checked.</translation>
    </message>
    <message>
        <source>0 равно, 1 более, 2 не менее, 3 менее, 4 не более (количество совпадений).</source>
        <translation>0 equal to, 1 more than, 2 at least, 3 less than, 4 at most (number of matches).</translation>
    </message>
    <message>
        <source>Количество совпадений 0..5.</source>
        <translation>Number of matches 0..5.</translation>
    </message>
    <message>
        <source>Удалить ставки с заданным количеством совпадений.</source>
        <translation>Delete the stakes with the given number of matches.</translation>
    </message>
    <message>
        <source>Укажите условие (0..4) и количество совпадений (0..5).</source>
        <translation>Give the condition (0..4) and the number of matches (0..5).</translation>
    </message>
    <message>
        <source>Удалить все ставки; накопленный рейтинг сохраняется.</source>
        <translation>Delete all stakes; the accumulated rating is kept.</translation>
    </message>
    <message>
        <source>Сортировка по столбцу (0..17), по убыванию с :desc.</source>
        <translation>Sort by column (0..17), descending with :desc.</translation>
    </message>
    <message>
        <source>Режим столбцов E0..E5: 0, 1 или 2.</source>
        <translation>Mode of the columns E0..E5: 0, 1 or 2.</translation>
    </message>
    <message>
        <source>Рейтинг: 18 столбцов списка, по строке на запись.</source>
        <translation>Rating: the 18 columns of the list, one line per record.</translation>
    </message>
    <message>
        <source>Режим должен быть 0, 1 или 2: %1</source>
        <translation>The mode must be 0, 1 or 2: %1</translation>
    </message>
    <message>
        <source>Ошибка чтения файла рейтинга!</source>
        <translation>Error reading the rating file!</translation>
    </message>
    <message>
        <source>Пересчитать рейтинг по текущим ставкам.</source>
        <translation>Recalculate the rating from the current stakes.</translation>
    </message>
    <message>
        <source>CSV-файл.</source>
        <translation>CSV file.</translation>
    </message>
    <message>
        <source>Экспорт рейтинга в CSV-файл.</source>
        <translation>Export the rating to a CSV file.</translation>
    </message>
    <message>
        <source>Укажите CSV-файл.</source>
        <translation>Give the CSV file.</translation>
    </message>
    <message>
        <source>Код и название каждого предлагаемого метода расчета статистики.</source>
        <translation>Code and name of every statistic method offered.</translation>
    </message>
    <message>
        <source>Количество тиражей для расчета.</source>
        <translation>Number of draws for the calculation.</translation>
    </message>
    <message>
        <source>Сортировка по столбцу (0..19), по убыванию с :desc.</source>
        <translation>Sort by column (0..19), descending with :desc.</translation>
    </message>
    <message>
        <source>Числа тиражей по возрастанию.</source>
        <translation>Draw numbers in ascending order.</translation>
    </message>
    <message>
        <source>Код метода расчета статистики, например: NUMS</source>
        <translation>Code of a statistic method, e.g. NUMS</translation>
    </message>
    <message>
        <source>Таблица значений одного метода расчета статистики (20 столбцов).</source>
        <translation>Value table of one statistic method (20 columns).</translation>
    </message>
    <message>
        <source>Все методы с распределением по полному набору.</source>
        <translation>All methods with a distribution over the full set.</translation>
    </message>
    <message>
        <source>Коды методов.</source>
        <translation>Method codes.</translation>
    </message>
    <message>
        <source>Построить файлы распределений по полному набору комбинаций.</source>
        <translation>Build the distribution files over the full set of combinations.</translation>
    </message>
    <message>
        <source>Режим генерации.</source>
        <translation>Generation mode.</translation>
    </message>
    <message>
        <source>Параметры генерации.</source>
        <translation>Generation parameters.</translation>
    </message>
    <message>
        <source>Сохранить список в файле комбинаций.</source>
        <translation>Save the list to a combination file.</translation>
    </message>
    <message>
        <source>Генерировать список комбинаций и вывести его размер.</source>
        <translation>Generate the combination list and print its size.</translation>
    </message>
    <message>
        <source>Показать эту справку.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>Не указано значение параметра: %1</source>
        <translation>No value given for the option: %1</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Код метода с графиком, например: SUMS</source>
        <translation>Code of a method with a graph, e.g. SUMS</translation>
    </message>
    <message>
        <source>Значение метода по тиражам окна, среднее и наиболее частое значение.</source>
        <translation>The method&apos;s value in each draw of the window, the average and the most frequent value.</translation>
    </message>
    <message>
        <source>Укажите код метода с графиком, например: SUMS</source>
        <translation>Give the code of a method with a graph, e.g. SUMS</translation>
    </message>
    <message>
        <source>Метод %1 не строит графиков.</source>
        <translation>Method %1 has no graphs.</translation>
    </message>
    <message>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Пять списков сравнения вместо схемы.</source>
        <translation>The five comparison lists instead of the layout.</translation>
    </message>
    <message>
        <source>Окна пяти списков сравнения (по умолчанию 50,100,200,300,400).</source>
        <translation>Windows of the five comparison lists (50,100,200,300,400 by default).</translation>
    </message>
    <message>
        <source>Схема выпадения номеров: строки по количеству, столбцы по последнему тиражу.</source>
        <translation>Layout of drawn numbers: rows by count, columns by last draw.</translation>
    </message>
    <message>
        <source>Укажите пять окон от 1 до 2147483647 через запятую: %1</source>
        <translation>Give five windows from 1 to 2147483647, separated by commas: %1</translation>
    </message>
    <message>
        <source>Список</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Тиражи</source>
        <translation>Draws</translation>
    </message>
    <message>
        <source>Кол-во</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Номера</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Сколько раз каждый номер выпадал в каждый день недели.</source>
        <translation>How many times each number was drawn on each day of the week.</translation>
    </message>
    <message>
        <source>День</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Сколько предыдущих тиражей сравнивается с каждым.</source>
        <translation>How many previous draws each draw is compared with.</translation>
    </message>
    <message>
        <source>Количество повторов в зависимости от тиража (без смещения).</source>
        <translation>Number of repeats by draw (no offset).</translation>
    </message>
    <message>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Кол-во повторов</source>
        <translation>Repeats</translation>
    </message>
    <message>
        <source>Список тиражей</source>
        <translation>Draw list</translation>
    </message>
    <message>
        <source>Номер тиража архива.</source>
        <translation>Number of an archive draw.</translation>
    </message>
    <message>
        <source>Числа тиража по возрастанию.</source>
        <translation>The draw&apos;s numbers in ascending order.</translation>
    </message>
    <message>
        <source>Пять чисел комбинации, например: 1;2;3;4;5</source>
        <translation>The five numbers of the combination, e.g. 1;2;3;4;5</translation>
    </message>
    <message>
        <source>Подробная информация о комбинации или тираже: значения всех методов с графиком.</source>
        <translation>Detailed information on a combination or draw: the values of all methods with a graph.</translation>
    </message>
    <message>
        <source>Укажите комбинацию или --draw NUM.</source>
        <translation>Give a combination or --draw NUM.</translation>
    </message>
    <message>
        <source>Смещение задается только для комбинации.</source>
        <translation>The offset applies only to a combination.</translation>
    </message>
    <message>
        <source>Свойство</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Распределение сумм тиражей и всех возможных комбинаций, три диапазона.</source>
        <translation>Distribution of the sums of draws and of all possible combinations, three ranges.</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>Теоретически</source>
        <translation>Theoretical</translation>
    </message>
    <message>
        <source>Фактически</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Диапазон</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>От</source>
        <translation>From</translation>
    </message>
    <message>
        <source>До</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Номер тиража (по умолчанию следующий).</source>
        <translation>Draw number (the next one by default).</translation>
    </message>
    <message>
        <source>Количество тиражей, начиная с указанного.</source>
        <translation>Number of draws, starting with the given one.</translation>
    </message>
    <message>
        <source>Комментарий к ставке.</source>
        <translation>Stake comment.</translation>
    </message>
    <message>
        <source>Количество тиражей должно быть от 1 до 65535: %1</source>
        <translation>The number of draws must be from 1 to 65535: %1</translation>
    </message>
    <message>
        <source>Необходимо ввести комментарий!</source>
        <translation>You must enter a comment!</translation>
    </message>
    <message>
        <source>Комментарий к ставке длиннее 64 символов.</source>
        <translation>The stake comment is longer than 64 characters.</translation>
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
    <message>
        <source>Создание всех вариантов фильтров ( %1 )...</source>
        <translation>Creating all filter variants ( %1 )...</translation>
    </message>
    <message>
        <source>&apos;%1&apos; не является допустимым целым числом</source>
        <translation>&apos;%1&apos; is not a valid integer</translation>
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
    <message>
        <source>Удаление файлов</source>
        <translation>Deleting files</translation>
    </message>
    <message>
        <source>Удалено файлов: %1 из %2.</source>
        <translation>Files deleted: %1 of %2.</translation>
    </message>
</context>
<context>
    <name>scripts</name>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Ставок</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <source>Угадано</source>
        <translation>Guessed</translation>
    </message>
    <message>
        <source>Среднее</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Профит</source>
        <translation>Profit</translation>
    </message>
    <message>
        <source>Ср. профит</source>
        <translation>Avg. profit</translation>
    </message>
    <message>
        <source># bad data #</source>
        <translation># bad data #</translation>
    </message>
</context>
<context>
    <name>stakes</name>
    <message>
        <source>№ тиража</source>
        <translation>Draw No.</translation>
    </message>
    <message>
        <source>Вид ставки</source>
        <translation>Stake type</translation>
    </message>
    <message>
        <source>Моя ставка</source>
        <translation>My stake</translation>
    </message>
    <message>
        <source>Выборка</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>Результаты тиража</source>
        <translation>Draw results</translation>
    </message>
    <message>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Совпадения</source>
        <translation>Matched</translation>
    </message>
    <message>
        <source>Профит</source>
        <translation>Profit</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Тираж № %1. Ставка: &quot;%2&quot; [%3] {%4}. Результаты тиража: [%5]. Совпадений: %6. Профит: %7.</source>
        <translation>Draw No. %1. Stake: &quot;%2&quot; [%3] {%4}. Draw results: [%5]. Matches: %6. Profit: %7.</translation>
    </message>
    <message>
        <source>Для построения графиков необходимо, чтобы в выделенном диапазоне данных было более одного тиража!</source>
        <translation>To build graphs, the selected data range must contain more than one draw!</translation>
    </message>
    <message>
        <source>Суммарный профит ставок по тиражу</source>
        <translation>Total stake profit per draw</translation>
    </message>
    <message>
        <source>Среднее значение</source>
        <translation>Average value</translation>
    </message>
    <message>
        <source>Накопленное значение</source>
        <translation>Cumulative value</translation>
    </message>
    <message>
        <source>Файл ставок не открыт!</source>
        <translation>The stake file is not open!</translation>
    </message>
    <message>
        <source>Неожиданный конец файла ставок.</source>
        <translation>Unexpected end of the stake file.</translation>
    </message>
    <message>
        <source>Запись со индексом %1 в файле данных не найдена!</source>
        <translation>Record with index %1 not found in the data file!</translation>
    </message>
    <message>
        <source>Ошибка переименования / удаления временного файла ставок %1!

%2</source>
        <translation>Error renaming / deleting the temporary stake file %1!

%2</translation>
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
    <name>ui::CardPage</name>
    <message>
        <source>Карта</source>
        <translation>Card</translation>
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
    <name>ui::DetailModel</name>
    <message>
        <source>Свойство</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>ui::DetailWindow</name>
    <message>
        <source>Подробная информация</source>
        <translation>Detailed information</translation>
    </message>
    <message>
        <source>Количество столбцов:</source>
        <translation>Number of columns:</translation>
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
    <name>ui::GraphWindow</name>
    <message>
        <source>График</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Отображать метки на графиках</source>
        <translation>Show labels on the graphs</translation>
    </message>
</context>
<context>
    <name>ui::GraphsPage</name>
    <message>
        <source>Отображать метки на графике</source>
        <translation>Show labels on the graph</translation>
    </message>
    <message>
        <source>Тип графика</source>
        <translation>Graph type</translation>
    </message>
    <message>
        <source>Количество тиражей, использующихся для построения графиков</source>
        <translation>Number of draws used to build the graphs</translation>
    </message>
    <message>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
</context>
<context>
    <name>ui::LayoutCompareModel</name>
    <message>
        <source>Кол-во</source>
        <translation>Count</translation>
    </message>
</context>
<context>
    <name>ui::LayoutPage</name>
    <message>
        <source>Количество тиражей, использующихся для расчета статистики</source>
        <translation>Number of draws used to calculate the statistic</translation>
    </message>
    <message>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
    <message>
        <source>Количество тиражей, использующихся для расчета статистики в списке %1</source>
        <translation>Number of draws used to calculate the statistic in list %1</translation>
    </message>
    <message>
        <source>Схема</source>
        <translation>Layout</translation>
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
    <message>
        <source>Сделать ставку</source>
        <translation>Place a stake</translation>
    </message>
    <message>
        <source>Добавить текущую комбинацию в список ставок с возможностью ручного ввода</source>
        <translation>Add the current combination to the stake list, allowing manual entry</translation>
    </message>
    <message>
        <source>Сделать случайную ставку</source>
        <translation>Place a random stake</translation>
    </message>
    <message>
        <source>Добавить ставку, выбранную случайным образом из списка комбинаций</source>
        <translation>Add a stake chosen at random from the combination list</translation>
    </message>
    <message>
        <source>Сделать ставки для выделенных комбинаций</source>
        <translation>Place stakes on the selected combinations</translation>
    </message>
    <message>
        <source>Добавить выделенные комбинации в список ввода</source>
        <translation>Add the selected combinations to the entry list</translation>
    </message>
    <message>
        <source>Сделать ставки для всех комбинаций</source>
        <translation>Place stakes on all combinations</translation>
    </message>
    <message>
        <source>Добавить все существующие комбинации в список ввода</source>
        <translation>Add all existing combinations to the entry list</translation>
    </message>
    <message>
        <source>Удалить ставку</source>
        <translation>Delete stake</translation>
    </message>
    <message>
        <source>Удалить выделенные ставки из списка ставок</source>
        <translation>Delete the selected stakes from the stake list</translation>
    </message>
    <message>
        <source>Удалить по условию</source>
        <translation>Delete by condition</translation>
    </message>
    <message>
        <source>Удалить ставки с заданным количеством совпадений из списка ставок</source>
        <translation>Delete the stakes with the given number of matches from the stake list</translation>
    </message>
    <message>
        <source>Удалить все ставки</source>
        <translation>Delete all stakes</translation>
    </message>
    <message>
        <source>Очистить список ставок</source>
        <translation>Clear the stake list</translation>
    </message>
    <message>
        <source>Прокручивать список при добавлении</source>
        <translation>Scroll the list when adding</translation>
    </message>
    <message>
        <source>Прокручивать список ставок при добавлении новой ставки</source>
        <translation>Scroll the stake list when a new stake is added</translation>
    </message>
    <message>
        <source>Проверять ставки после каждой строки сценария</source>
        <translation>Check the stakes after every script line</translation>
    </message>
    <message>
        <source>Проверить ставки</source>
        <translation>Check stakes</translation>
    </message>
    <message>
        <source>Выполнить проверку ставок по архиву тиражей</source>
        <translation>Check the stakes against the draw archive</translation>
    </message>
    <message>
        <source>Журналы ставок</source>
        <translation>Stake logs</translation>
    </message>
    <message>
        <source>Создавать текстовые файлы журналов ставок</source>
        <translation>Write the stake logs to text files</translation>
    </message>
    <message>
        <source>Удалить журналы ставок</source>
        <translation>Delete stake logs</translation>
    </message>
    <message>
        <source>Удалить имеющиеся файлы журналов ставок</source>
        <translation>Delete the existing stake log files</translation>
    </message>
    <message>
        <source>Суммарный профит по тиражам</source>
        <translation>Total profit by draw</translation>
    </message>
    <message>
        <source>График суммарного профита ставок по тиражам</source>
        <translation>Graph of the total stake profit by draw</translation>
    </message>
    <message>
        <source>График совпадений ставок</source>
        <translation>Stake matches graph</translation>
    </message>
    <message>
        <source>График количества совпадений для всех ставок по тиражам</source>
        <translation>Graph of the number of matches for all stakes by draw</translation>
    </message>
    <message>
        <source>График профита ставок</source>
        <translation>Stake profit graph</translation>
    </message>
    <message>
        <source>График профита для всех ставок по тиражам</source>
        <translation>Graph of the profit for all stakes by draw</translation>
    </message>
    <message>
        <source>Обновить рейтинг</source>
        <translation>Refresh rating</translation>
    </message>
    <message>
        <source>Пересчитать рейтинг по текущим данным</source>
        <translation>Recalculate the rating from the current data</translation>
    </message>
    <message>
        <source>Экспорт рейтинга в CSV-файл</source>
        <translation>Export the rating to a CSV file</translation>
    </message>
    <message>
        <source>Количество совпадений</source>
        <translation>Number of matches</translation>
    </message>
    <message>
        <source>График количества совпадений для выделенных строк рейтинга</source>
        <translation>Graph of the number of matches for the selected rating rows</translation>
    </message>
    <message>
        <source>Ожидаемые значения совпадений</source>
        <translation>Expected match values</translation>
    </message>
    <message>
        <source>Абсолютные значения эффективности</source>
        <translation>Absolute efficiency values</translation>
    </message>
    <message>
        <source>Относительные значения эффективности</source>
        <translation>Relative efficiency values</translation>
    </message>
    <message>
        <source>Эффективность (столбцы E0..n)</source>
        <translation>Efficiency (columns E0..n)</translation>
    </message>
    <message>
        <source>Выделять каналы в карте тиражей</source>
        <translation>Highlight channels in the draw card</translation>
    </message>
    <message>
        <source>Выделять последовательности в карте тиражей</source>
        <translation>Highlight sequences in the draw card</translation>
    </message>
    <message>
        <source>Градиентная раскраска схемы</source>
        <translation>Gradient colouring of the layout</translation>
    </message>
    <message>
        <source>График по дням недели</source>
        <translation>Graph by day of the week</translation>
    </message>
    <message>
        <source>График / диаграмма</source>
        <translation>Graph / chart</translation>
    </message>
    <message>
        <source>Распределение сумм тиражей и всех возможных комбинаций</source>
        <translation>Distribution of the sums of draws and of all possible combinations</translation>
    </message>
    <message>
        <source>Количество повторов в зависимости от тиража</source>
        <translation>Number of repeats by draw</translation>
    </message>
    <message>
        <source>Сведения о комбинации</source>
        <translation>Combination information</translation>
    </message>
</context>
<context>
    <name>ui::MultiStakeDialog</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Необходимо ввести комментарий!</source>
        <translation>You must enter a comment!</translation>
    </message>
</context>
<context>
    <name>ui::RepeatsModel</name>
    <message>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Кол-во повторов</source>
        <translation>Repeats</translation>
    </message>
    <message>
        <source>Список тиражей</source>
        <translation>Draw list</translation>
    </message>
</context>
<context>
    <name>ui::RepeatsWindow</name>
    <message>
        <source>Количество повторов в зависимости от тиража</source>
        <translation>Number of repeats by draw</translation>
    </message>
    <message>
        <source>Количество тиражей, использующихся для расчета статистики</source>
        <translation>Number of draws used to calculate the statistic</translation>
    </message>
    <message>
        <source>Количество тиражей, просматриваемых &quot;в глубину&quot; для поиска совпадений</source>
        <translation>Number of draws looked through &quot;in depth&quot; for matches</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
    <message>
        <source>Глубина:</source>
        <translation>Depth:</translation>
    </message>
</context>
<context>
    <name>ui::StakeDialog</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Введена некорректная комбинация!</source>
        <translation>The combination entered is invalid!</translation>
    </message>
    <message>
        <source>Необходимо ввести комментарий!</source>
        <translation>You must enter a comment!</translation>
    </message>
</context>
<context>
    <name>ui::StakeFilterDialog</name>
    <message>
        <source>Удалить ставки</source>
        <translation>Delete stakes</translation>
    </message>
    <message>
        <source>Отменить операцию и закрыть окно</source>
        <translation>Cancel the operation and close the window</translation>
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
    <name>ui::WeekPage</name>
    <message>
        <source>Количество тиражей, использующихся для расчета статистики</source>
        <translation>Number of draws used to calculate the statistic</translation>
    </message>
    <message>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
    <message>
        <source>Неделя</source>
        <translation>Week</translation>
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
    <message>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <source>Дата тиража:</source>
        <translation>Draw date:</translation>
    </message>
    <message>
        <source>Среднее значение</source>
        <translation>Average value</translation>
    </message>
    <message>
        <source>Наиболее часто встречающееся значение</source>
        <translation>Most frequent value</translation>
    </message>
    <message>
        <source>Совпадений: %1</source>
        <translation>Matches: %1</translation>
    </message>
    <message>
        <source>Фактическое распределение сумм (по тиражам)</source>
        <translation>Actual distribution of sums (by draw)</translation>
    </message>
    <message>
        <source>Теоретическое распределение сумм (по комбинациям)</source>
        <translation>Theoretical distribution of sums (by combination)</translation>
    </message>
    <message>
        <source>Диапазон %1 (от %2 и выше по оси Y) - суммы %3-%4</source>
        <translation>Range %1 (from %2 up on the Y axis) - sums %3-%4</translation>
    </message>
</context>
</TS>
