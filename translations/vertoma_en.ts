<?xml version='1.0' encoding='utf-8'?>
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
        <source>Коэффициенты столбца "Вес"</source>
        <translation>Coefficients of the "Weight" column</translation>
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
        <source>Языковый модуль "%1" не найден!</source>
        <translation>Language module "%1" not found!</translation>
    </message>
    <message>
        <source>Не удалось загрузить языковый модуль "%1"!

%2</source>
        <translation>Could not load the language module "%1"!

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
        <translation>Give the draw's numbers as one argument, e.g. 5;12;33;40;54;7</translation>
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
        <source>Использование:
  vertoma-cli [--data-dir DIR] draws [--sorted]
  vertoma-cli [--data-dir DIR] draws add TEXT [--num N] [--date dd/mm/yyyy]
  vertoma-cli [--data-dir DIR] draws delete NUM
  vertoma-cli [--data-dir DIR] status [--offset K]</source>
        <translation>Usage:
  vertoma-cli [--data-dir DIR] draws [--sorted]
  vertoma-cli [--data-dir DIR] draws add TEXT [--num N] [--date dd/mm/yyyy]
  vertoma-cli [--data-dir DIR] draws delete NUM
  vertoma-cli [--data-dir DIR] status [--offset K]</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Каталог данных не найден: %1</source>
        <translation>Data folder not found: %1</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Некорректная дата: %1.%2.%3</source>
        <translation>Invalid date: %1.%2.%3</translation>
    </message>
    <message>
        <source>"%1" - некорректная дата</source>
        <translation>"%1" is not a valid date</translation>
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
        <source>Некорректная комбинация: "%1"!</source>
        <translation>Invalid combination: "%1"!</translation>
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
        <translation>Author's page</translation>
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
        <source>Вкладка "Графики"</source>
        <translation>"Graphs" page</translation>
    </message>
    <message>
        <source>Вкладка "Карта"</source>
        <translation>"Card" page</translation>
    </message>
    <message>
        <source>Вкладка "Схема"</source>
        <translation>"Layout" page</translation>
    </message>
    <message>
        <source>Вкладка "Неделя"</source>
        <translation>"Week" page</translation>
    </message>
    <message>
        <source>Вкладка "Регуляры"</source>
        <translation>"Regulars" page</translation>
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
        <source>Языковый модуль "%1" не найден!</source>
        <translation>Language module "%1" not found!</translation>
    </message>
    <message>
        <source>Вертома 5x54 версия %1

Анализатор лотереи "5 из 54" с ключевым числом.</source>
        <translation>Vertoma 5x54 version %1

An analyzer of the "5 of 54" lottery with a key number.</translation>
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
</TS>
