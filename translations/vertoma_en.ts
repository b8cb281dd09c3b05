<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>ConfigDialog</name>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="6"/>
        <source>Параметры системы</source>
        <translation>System settings</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="16"/>
        <source>Основные</source>
        <translation>General</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="26"/>
        <source>Размер матрицы:</source>
        <translation>Matrix size:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="46"/>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="81"/>
        <source>Сегменты матрицы:</source>
        <translation>Matrix segments:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="116"/>
        <source>Размер канала:</source>
        <translation>Channel size:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="136"/>
        <source>Стоимость ставки:</source>
        <translation>Stake cost:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="159"/>
        <source>Расширенная ставка:</source>
        <translation>Extended stake:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="181"/>
        <source>Размеры выигрышей:</source>
        <translation>Prizes:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="201"/>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="206"/>
        <source>Сумма выигрыша</source>
        <translation>Prize amount</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="214"/>
        <source>Коэффициенты столбца &quot;Вес&quot;</source>
        <translation>Coefficients of the &quot;Weight&quot; column</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="220"/>
        <source>Количество:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="233"/>
        <source>Отклонение:</source>
        <translation>Deviation:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="246"/>
        <source>Глубина:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="259"/>
        <source>Использовать значения в %</source>
        <translation>Use values in %</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="266"/>
        <source>Использовать абсолютные значения</source>
        <translation>Use absolute values</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="279"/>
        <source>Сеть</source>
        <translation>Network</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="287"/>
        <source>Сайт лотереи:</source>
        <translation>Lottery site:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="297"/>
        <source>Адрес сайта лотереи с результатами тиражей: https://имя-сервера[:порт] (OperatorUrl)</source>
        <translation>Address of the lottery site with the draw results: https://server-name[:port] (OperatorUrl)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="300"/>
        <location filename="../work/main/ui/ConfigDialog.ui" line="340"/>
        <source>https://имя-сервера</source>
        <translation>https://server-name</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="307"/>
        <source>Служба списка proxy-серверов:</source>
        <translation>Proxy list service:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="317"/>
        <source>Адрес службы, у которой запрашивается список proxy-серверов для автоматического поиска (ProxyListUrl)</source>
        <translation>Address of the service asked for the list of proxy servers for the automatic search (ProxyListUrl)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="320"/>
        <source>http://имя-сервера</source>
        <translation>http://server-name</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="327"/>
        <source>Сервер программы:</source>
        <translation>Program server:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="337"/>
        <source>Адрес сервера библиотек сценариев, систем и обновлений программы (ServiceUrl)</source>
        <translation>Address of the server of the script and system libraries and the program updates (ServiceUrl)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="347"/>
        <source>Дополнительные сертификаты:</source>
        <translation>Extra certificates:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="359"/>
        <source>Файл сертификатов в формате PEM, которым доверять кроме системных, например для собственного сервера (CaFile)</source>
        <translation>PEM certificate file to trust besides the system ones, for example for your own server (CaFile)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="366"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="369"/>
        <source>Выбрать файл сертификатов</source>
        <translation>Choose a certificate file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="380"/>
        <source>Пользователь библиотек сценариев и систем</source>
        <translation>User of the script and system libraries</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="386"/>
        <source>Имя:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="396"/>
        <source>Имя, под которым Вы публикуете сценарии и системы</source>
        <translation>The name under which you publish scripts and systems</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="406"/>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="416"/>
        <source>Адрес электронной почты: по нему сервер узнает Ваши сценарии и системы</source>
        <translation>E-mail address: the server recognises your scripts and systems by it</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="422"/>
        <source>имя@почта</source>
        <translation>name@mail</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.ui" line="432"/>
        <source>Адреса хранятся в разделе [NETWORK], имя и e-mail - в разделе [CLIENT] файла Vertoma_5x54.ini. Соединения по протоколу https проверяются по системным сертификатам и сертификатам из указанного файла.</source>
        <translation>The addresses are kept in the [NETWORK] section, the name and e-mail in the [CLIENT] section of Vertoma_5x54.ini. Https connections are verified against the system certificates and the certificates of the given file.</translation>
    </message>
    <message>
        <source>Адреса хранятся в разделе [NETWORK] файла Vertoma_5x54.ini. Соединения по протоколу https проверяются по системным сертификатам и сертификатам из указанного файла.</source>
        <translation type="vanished">The addresses are kept in the [NETWORK] section of Vertoma_5x54.ini. Https connections are verified against the system certificates and the certificates of the given file.</translation>
    </message>
</context>
<context>
    <name>DrawDialog</name>
    <message>
        <location filename="../work/main/ui/DrawDialog.ui" line="9"/>
        <source>Данные тиража</source>
        <translation>Draw data</translation>
    </message>
    <message>
        <location filename="../work/main/ui/DrawDialog.ui" line="14"/>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/DrawDialog.ui" line="26"/>
        <source>Выпавшие числа, разделенные точкой с запятой или запятой:</source>
        <translation>Drawn numbers separated by semicolons or commas:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/DrawDialog.ui" line="35"/>
        <source>Дата и время тиража:</source>
        <translation>Draw date and time:</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="9"/>
        <source>Экспорт в Microsoft Excel</source>
        <translation>Export to Microsoft Excel</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="16"/>
        <source>Параметры листа</source>
        <translation>Sheet settings</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="20"/>
        <source>Наименование отчета:</source>
        <translation>Report title:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="26"/>
        <source>Название отчета</source>
        <translation>Report title</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="31"/>
        <source>Дополнительные сведения:</source>
        <translation>Additional information:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="37"/>
        <source>Дополнительная информация</source>
        <translation>Additional information</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="42"/>
        <source>Добавить строку с датой и временем формирования отчета (экспорта).</source>
        <translation>Add a line with the date and time the report (export) was made.</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="47"/>
        <source> Параметры листа Microsoft Excel </source>
        <translation> Microsoft Excel sheet settings </translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="51"/>
        <source>Ориентация:</source>
        <translation>Orientation:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="57"/>
        <source>Ориентация страницы</source>
        <translation>Page orientation</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="58"/>
        <source>Не устанавливать</source>
        <translation>Do not set</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="59"/>
        <source>Книжная</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="60"/>
        <source>Альбомная</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="65"/>
        <source>Базовый размер шрифта:</source>
        <translation>Base font size:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="71"/>
        <source>Базовый размер шрифта</source>
        <translation>Base font size</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="79"/>
        <source>Наименование листа:</source>
        <translation>Sheet name:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="85"/>
        <source>Наименование листа</source>
        <translation>Sheet name</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="94"/>
        <source> Режим передачи данных </source>
        <translation> Data transfer mode </translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="98"/>
        <source>Число строк:</source>
        <translation>Number of rows:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="106"/>
        <source>Режим передачи данных в Microsoft Excel</source>
        <translation>Mode of data transfer to Microsoft Excel</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="107"/>
        <source>Экспортировать все отображенные записи</source>
        <translation>Export all displayed records</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="108"/>
        <source>Экспортировать выделенные записи</source>
        <translation>Export selected records</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="113"/>
        <source>Число строк, которые будут переданы в Microsoft Excel</source>
        <translation>Number of rows to be transferred to Microsoft Excel</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="131"/>
        <source>Столбцы таблицы</source>
        <translation>Table columns</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="135"/>
        <source>Перечень экспортируемых полей:</source>
        <translation>List of exported fields:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="146"/>
        <source>Наименование столбца</source>
        <translation>Column name</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="147"/>
        <source>Выравнивание</source>
        <translation>Alignment</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="148"/>
        <source>Ширина</source>
        <translation>Width</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="149"/>
        <source>Физическое поле</source>
        <translation>Physical field</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="156"/>
        <source>Вверх</source>
        <translation>Up</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="157"/>
        <source>Переместить на одну строку вверх</source>
        <translation>Move one row up</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="158"/>
        <source>Ctrl+Up</source>
        <translation>Ctrl+Up</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="163"/>
        <source>Вниз</source>
        <translation>Down</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="164"/>
        <source>Переместить на одну строку вниз</source>
        <translation>Move one row down</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="165"/>
        <source>Ctrl+Down</source>
        <translation>Ctrl+Down</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="170"/>
        <source>Свойства</source>
        <translation>Properties</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="171"/>
        <source>Изменить свойства экспортируемого поля</source>
        <translation>Change the properties of the exported field</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="172"/>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="190"/>
        <source>Сохранить параметры экспорта в файле конфигурации</source>
        <translation>Save the export settings in the configuration file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="197"/>
        <source>Параметры</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.ui" line="198"/>
        <source>Сохранение параметров экспорта в файле</source>
        <translation>Save the export settings to a file</translation>
    </message>
</context>
<context>
    <name>ExportFieldDialog</name>
    <message>
        <location filename="../work/main/ui/ExportFieldDialog.ui" line="9"/>
        <source>Параметры поля</source>
        <translation>Field settings</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportFieldDialog.ui" line="16"/>
        <source>Заголовок столбца:</source>
        <translation>Column header:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportFieldDialog.ui" line="25"/>
        <source>Выравнивание данных:</source>
        <translation>Data alignment:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportFieldDialog.ui" line="31"/>
        <source>по левому краю</source>
        <translation>left</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportFieldDialog.ui" line="32"/>
        <source>по правому краю</source>
        <translation>right</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportFieldDialog.ui" line="33"/>
        <source>по центру</source>
        <translation>centre</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportFieldDialog.ui" line="38"/>
        <source>Ширина:</source>
        <translation>Width:</translation>
    </message>
</context>
<context>
    <name>MultiStakeDialog</name>
    <message>
        <location filename="../work/main/ui/MultiStakeDialog.ui" line="9"/>
        <source>Добавление мультиставки</source>
        <translation>Add a multi-stake</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MultiStakeDialog.ui" line="16"/>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MultiStakeDialog.ui" line="22"/>
        <source>Номер тиража</source>
        <translation>Draw number</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MultiStakeDialog.ui" line="29"/>
        <source>Кол-во тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MultiStakeDialog.ui" line="35"/>
        <source>Количество тиражей, на которые нужно сделать ставку (начиная с указанного)</source>
        <translation>Number of draws to place the stake on (starting with the given one)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MultiStakeDialog.ui" line="42"/>
        <source>Комментарий к ставке:</source>
        <translation>Stake comment:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MultiStakeDialog.ui" line="48"/>
        <source>Комментарий к ставке</source>
        <translation>Stake comment</translation>
    </message>
</context>
<context>
    <name>ProxyDialog</name>
    <message>
        <location filename="../work/main/ui/ProxyDialog.ui" line="9"/>
        <source>Параметры proxy-сервера</source>
        <translation>Proxy server settings</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ProxyDialog.ui" line="14"/>
        <source>Не использовать proxy-сервер</source>
        <translation>Do not use a proxy server</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ProxyDialog.ui" line="19"/>
        <source>Автоматический поиск сервера (возможны задержки)</source>
        <translation>Automatic server search (may take a while)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ProxyDialog.ui" line="24"/>
        <source>Ручной выбор proxy-сервера:</source>
        <translation>Manual choice of the proxy server:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ProxyDialog.ui" line="32"/>
        <source>Имя или адрес сервера:</source>
        <translation>Server name or address:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ProxyDialog.ui" line="45"/>
        <source>Порт:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ProxyDialog.ui" line="60"/>
        <source>Имя пользователя:</source>
        <translation>User name:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ProxyDialog.ui" line="71"/>
        <source>Пароль:</source>
        <translation>Password:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../work/main/ui/QtUserIo.cpp" line="57"/>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../work/main/ui/QtUserIo.cpp" line="60"/>
        <source>Информация</source>
        <translation>Information</translation>
    </message>
    <message>
        <location filename="../work/main/ui/QtUserIo.cpp" line="63"/>
        <source>Внимание!</source>
        <translation>Attention!</translation>
    </message>
    <message>
        <location filename="../work/main/ui/QtUserIo.cpp" line="66"/>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.cpp" line="22"/>
        <source>Файлы параметров экспорта (*.exp);;Все файлы (*)</source>
        <translation>Export settings files (*.exp);;All files (*)</translation>
    </message>
</context>
<context>
    <name>ScriptLineDialog</name>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="13"/>
        <source>Начальный список комбинаций:</source>
        <translation>Initial combination list:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="19"/>
        <source>Начальный список комбинаций</source>
        <translation>Initial combination list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="25"/>
        <source>Кол-во тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="31"/>
        <source>Исключить указанное количество тиражей из списка комбинаций перед применением фильтров</source>
        <translation>Exclude the given number of draws from the combination list before the filters are applied</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="38"/>
        <source>В случае неоднозначного результата после применения фильтров:</source>
        <translation>If the result is ambiguous after the filters:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="44"/>
        <source>В случае неоднозначного результата после применения фильтров выполнить действие</source>
        <translation>Action to take if the result is ambiguous after the filters</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="49"/>
        <source>Перед выполнением строки будет очищен файл ставок (для очень &quot;массивных&quot; сценариев, дающих огромное количество ставок за раз)
На накопление рейтинга не влияет</source>
        <translation>The stake file is cleared before the line runs (for very &quot;massive&quot; scripts that give a huge number of stakes at once)
Does not affect the rating accumulation</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="51"/>
        <source>Удалить все ставки перед выполнением (накопление только рейтинга)</source>
        <translation>Delete all stakes before running (accumulate the rating only)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="56"/>
        <source>Если комбинация уже есть в списке ставок, то она не будет добавлена в список ставок</source>
        <translation>If the combination is already in the stake list, it is not added to the stake list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="57"/>
        <source>Только новые ставки (пропускать те ставки, которые уже есть в списке)</source>
        <translation>New stakes only (skip the stakes already in the list)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="71"/>
        <source>Фильтр 1:</source>
        <translation>Filter 1:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="77"/>
        <source>Фильтр 1</source>
        <translation>Filter 1</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="82"/>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="99"/>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="116"/>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="133"/>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="150"/>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="167"/>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="184"/>
        <source>Редактировать фильтр</source>
        <translation>Edit the filter</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="83"/>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="100"/>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="117"/>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="134"/>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="151"/>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="168"/>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="185"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="88"/>
        <source>Фильтр 2:</source>
        <translation>Filter 2:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="94"/>
        <source>Фильтр 2</source>
        <translation>Filter 2</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="105"/>
        <source>Фильтр 3:</source>
        <translation>Filter 3:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="111"/>
        <source>Фильтр 3</source>
        <translation>Filter 3</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="122"/>
        <source>Фильтр 4:</source>
        <translation>Filter 4:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="128"/>
        <source>Фильтр 4</source>
        <translation>Filter 4</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="139"/>
        <source>Фильтр 5:</source>
        <translation>Filter 5:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="145"/>
        <source>Фильтр 5</source>
        <translation>Filter 5</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="156"/>
        <source>Фильтр 6:</source>
        <translation>Filter 6:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="162"/>
        <source>Фильтр 6</source>
        <translation>Filter 6</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="173"/>
        <source>Фильтр 7:</source>
        <translation>Filter 7:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="179"/>
        <source>Фильтр 7</source>
        <translation>Filter 7</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="190"/>
        <source>Комментарии:</source>
        <translation>Comments:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptLineDialog.ui" line="196"/>
        <source>Комментарии (можно оставить пустым)</source>
        <translation>Comments (may be left empty)</translation>
    </message>
</context>
<context>
    <name>ScriptPropertiesDialog</name>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="9"/>
        <source>Свойства сценария</source>
        <translation>Script Properties</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="16"/>
        <source>Название:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="22"/>
        <source>Название сценария</source>
        <translation>Script title</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="28"/>
        <source>Автор:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="34"/>
        <source>Автор сценария</source>
        <translation>Script author</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="40"/>
        <source>Язык:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="46"/>
        <source>Язык сценария</source>
        <translation>Script language</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="55"/>
        <source> Доступность </source>
        <translation> Availability </translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="56"/>
        <source>Разрешаете ли Вы использовать данный сценарий другим членам сообщества</source>
        <translation>Do you allow other community members to use this script</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="60"/>
        <source>Сценарий виден всем пользователям</source>
        <translation>Script is visible to all users</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="66"/>
        <source>Сценарий виден только мне</source>
        <translation>Script is visible only to me</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="74"/>
        <source> Применяемость </source>
        <translation> Applicability </translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="75"/>
        <source>В каком приложении можно использовать данный сценарий</source>
        <translation>Which application this script can be used in</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="85"/>
        <source>В любом приложении Numeko</source>
        <translation>In any Numeko application</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="95"/>
        <source>Описание:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.ui" line="101"/>
        <source>Описание сценария</source>
        <translation>Script description</translation>
    </message>
</context>
<context>
    <name>ShreddingDialog</name>
    <message>
        <location filename="../work/main/ui/ShreddingDialog.ui" line="6"/>
        <source>Методы шинковки</source>
        <translation>Shredding methods</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ShreddingDialog.ui" line="14"/>
        <source>Формула 1:</source>
        <translation>Formula 1:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ShreddingDialog.ui" line="30"/>
        <location filename="../work/main/ui/ShreddingDialog.ui" line="69"/>
        <location filename="../work/main/ui/ShreddingDialog.ui" line="108"/>
        <source>Используемая формула</source>
        <translation>The formula used</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ShreddingDialog.ui" line="37"/>
        <location filename="../work/main/ui/ShreddingDialog.ui" line="76"/>
        <location filename="../work/main/ui/ShreddingDialog.ui" line="115"/>
        <source>Количество используемых знаков после запятой</source>
        <translation>Number of decimals used</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ShreddingDialog.ui" line="53"/>
        <source>Формула 2:</source>
        <translation>Formula 2:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ShreddingDialog.ui" line="92"/>
        <source>Формула 3:</source>
        <translation>Formula 3:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ShreddingDialog.ui" line="133"/>
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
        <location filename="../work/main/ui/StakeDialog.ui" line="9"/>
        <source>Добавление ставки</source>
        <translation>Add a stake</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeDialog.ui" line="16"/>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeDialog.ui" line="22"/>
        <source>Номер первого тиража</source>
        <translation>Number of the first draw</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeDialog.ui" line="29"/>
        <source>Кол-во тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeDialog.ui" line="35"/>
        <source>Количество тиражей, на которые нужно сделать ставку (начиная с указанного)</source>
        <translation>Number of draws to place the stake on (starting with the given one)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeDialog.ui" line="42"/>
        <source>Ставка:</source>
        <translation>Stake:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeDialog.ui" line="48"/>
        <source>Введите числа, разделенные точкой с запятой или запятой</source>
        <translation>Enter the numbers separated by semicolons or commas</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeDialog.ui" line="53"/>
        <source>Сумма:</source>
        <translation>Sum:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeDialog.ui" line="59"/>
        <source>Сумма введенных чисел</source>
        <translation>Sum of the numbers entered</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeDialog.ui" line="65"/>
        <source>Комментарий к ставке:</source>
        <translation>Stake comment:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeDialog.ui" line="71"/>
        <source>Комментарий к ставке</source>
        <translation>Stake comment</translation>
    </message>
</context>
<context>
    <name>StakeFilterDialog</name>
    <message>
        <location filename="../work/main/ui/StakeFilterDialog.ui" line="9"/>
        <source>Удаление по условию</source>
        <translation>Delete by condition</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeFilterDialog.ui" line="14"/>
        <source>Выберите условие:</source>
        <translation>Choose the condition:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeFilterDialog.ui" line="22"/>
        <source>Режим сравнения с количеством совпадений</source>
        <translation>How to compare with the number of matches</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeFilterDialog.ui" line="23"/>
        <source>Равно [ = ]</source>
        <translation>Equal to [ = ]</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeFilterDialog.ui" line="24"/>
        <source>Более [ &gt; ]</source>
        <translation>More than [ &gt; ]</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeFilterDialog.ui" line="25"/>
        <source>Не менее [ &gt;= ]</source>
        <translation>At least [ &gt;= ]</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeFilterDialog.ui" line="26"/>
        <source>Менее [ &lt; ]</source>
        <translation>Less than [ &lt; ]</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeFilterDialog.ui" line="27"/>
        <source>Не более [ &lt;= ]</source>
        <translation>At most [ &lt;= ]</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeFilterDialog.ui" line="32"/>
        <source>Количество совпадений</source>
        <translation>Number of matches</translation>
    </message>
</context>
<context>
    <name>SystemDialog</name>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="6"/>
        <source>Система</source>
        <translation>System</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Наименование:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Название системы</source>
        <translation>System name</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Числа:</source>
        <translation>Numbers:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Количество используемых чисел</source>
        <translation>Number of numbers used</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Длина:</source>
        <translation>Length:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Длина одной комбинации</source>
        <translation>Length of one combination</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Блок:</source>
        <translation>Block:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Длина блока</source>
        <translation>Block size</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Комбинаций:</source>
        <translation>Combinations:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Количество комбинаций в списке</source>
        <translation>Number of combinations in the list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Автор:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Автор системы</source>
        <translation>Author of the system</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Ссылка:</source>
        <translation>Link:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Ссылка на интернет-ресурс</source>
        <translation>Link to a web resource</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Открыть ссылку в браузере</source>
        <translation>Open the link in the browser</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Создана:</source>
        <translation>Created:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Время создания системы</source>
        <translation>Time the system was created</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Загрузок:</source>
        <translation>Downloads:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Количество загрузок пользователями</source>
        <translation>Number of downloads by users</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Последняя:</source>
        <translation>Last:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Время последней загрузки</source>
        <translation>Time of the last download</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Описание:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Описание системы</source>
        <translation>Description of the system</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Список комбинаций:</source>
        <translation>Combination list:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Список комбинаций системы</source>
        <translation>Combination list of the system</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.ui" line="7"/>
        <source>Проверка по всем тиражам из пяти чисел системы</source>
        <translation>Check over all draws of five of the system&apos;s numbers</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <location filename="../work/main/ui/TableDialog.ui" line="9"/>
        <source>Добавление регулярной ставки</source>
        <translation>Adding a regular stake</translation>
    </message>
    <message>
        <location filename="../work/main/ui/TableDialog.ui" line="14"/>
        <source>Комментарий к ставке:</source>
        <translation>Stake comment:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/TableDialog.ui" line="25"/>
        <source>Использовать постоянную стартовую комбинацию:</source>
        <translation>Use a constant start combination:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/TableDialog.ui" line="34"/>
        <source>Введите числа, разделенные точкой с запятой или запятой</source>
        <translation>Enter the numbers separated by semicolons or commas</translation>
    </message>
    <message>
        <location filename="../work/main/ui/TableDialog.ui" line="41"/>
        <source>Использовать данные предыдущего тиража</source>
        <translation>Use the data of the previous draw</translation>
    </message>
    <message>
        <location filename="../work/main/ui/TableDialog.ui" line="48"/>
        <source>Шаг:</source>
        <translation>Step:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/TableDialog.ui" line="54"/>
        <source>Шаг изменения элементов комбинации</source>
        <translation>Step of change of the combination&apos;s numbers</translation>
    </message>
</context>
<context>
    <name>TestCountDialog</name>
    <message>
        <location filename="../work/main/ui/TestCountDialog.ui" line="9"/>
        <source>Количество тестов</source>
        <translation>Number of tests</translation>
    </message>
    <message>
        <location filename="../work/main/ui/TestCountDialog.ui" line="16"/>
        <source>Укажите количество тестов:</source>
        <translation>Enter the number of tests:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/TestCountDialog.ui" line="22"/>
        <source>Укажите количество последних тиражей, на которых будет производится тестирование</source>
        <translation>Enter the number of last draws to test on</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <location filename="../work/main/ui/UpdateDialog.ui" line="9"/>
        <source>Найдена новая версия программы</source>
        <translation>A new version of the program is available</translation>
    </message>
    <message>
        <location filename="../work/main/ui/UpdateDialog.ui" line="16"/>
        <source>Текущая версия программы:</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/UpdateDialog.ui" line="27"/>
        <source>Новая версия программы:</source>
        <translation>New version:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/UpdateDialog.ui" line="40"/>
        <source>Описание версии:</source>
        <translation>Release notes:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/UpdateDialog.ui" line="58"/>
        <source>Установить</source>
        <translation>Install</translation>
    </message>
    <message>
        <location filename="../work/main/ui/UpdateDialog.ui" line="59"/>
        <source>Установить это обновление</source>
        <translation>Install this update</translation>
    </message>
    <message>
        <location filename="../work/main/ui/UpdateDialog.ui" line="65"/>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../work/main/ui/UpdateDialog.ui" line="66"/>
        <source>Отказаться от обновления</source>
        <translation>Skip this update</translation>
    </message>
</context>
<context>
    <name>app::ExclusiveFile</name>
    <message>
        <location filename="../work/main/app/ExclusiveFile.cpp" line="30"/>
        <source>Файл занят другим процессом.</source>
        <translation>The file is held by another process.</translation>
    </message>
</context>
<context>
    <name>app::ExportController</name>
    <message>
        <location filename="../work/main/app/ExportController.cpp" line="22"/>
        <source>Архив тиражей</source>
        <translation>Draw archive</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportController.cpp" line="24"/>
        <source>Комбинации</source>
        <translation>Combinations</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportController.cpp" line="26"/>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportController.cpp" line="28"/>
        <source>Рейтинг</source>
        <translation>Rating</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportController.cpp" line="30"/>
        <source>Карта</source>
        <translation>Card</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportController.cpp" line="32"/>
        <source>Схема</source>
        <translation>Layout</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportController.cpp" line="34"/>
        <source>Ставки</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportController.cpp" line="30"/>
        <source>Вызов Microsoft Excel...</source>
        <translation>Calling Microsoft Excel...</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportController.cpp" line="38"/>
        <source>Ошибка экспорта данных в Microsoft Excel!
%1</source>
        <translation>Error exporting data to Microsoft Excel!
%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportController.cpp" line="63"/>
        <location filename="../work/main/app/ExportController.cpp" line="108"/>
        <location filename="../work/main/app/ExportController.cpp" line="114"/>
        <source>Ошибка загрузки параметров экспорта из файла &quot;%1&quot;!

%2</source>
        <translation>Error loading the export settings from the file &quot;%1&quot;!

%2</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportController.cpp" line="78"/>
        <source>Ошибка экспорта данных в Microsoft Excel!
Не удалось создать папку &quot;%1&quot;.</source>
        <translation>Error exporting data to Microsoft Excel!
Could not create the folder &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportController.cpp" line="95"/>
        <source>Рабочая книга сохранена в файле &quot;%1&quot;.

Программа для открытия таких файлов не найдена.</source>
        <translation>The workbook is saved in the file &quot;%1&quot;.

No program to open such files was found.</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportController.cpp" line="115"/>
        <source>Файл не найден.</source>
        <translation>File not found.</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportSources.cpp" line="60"/>
        <source>№ п.п.</source>
        <translation>No.</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportSources.cpp" line="109"/>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <location filename="../work/main/app/ExportSources.cpp" line="127"/>
        <source>Кол-во</source>
        <translation>Count</translation>
    </message>
</context>
<context>
    <name>app::Languages</name>
    <message>
        <location filename="../work/main/app/Languages.cpp" line="161"/>
        <source>Языковый модуль &quot;%1&quot; не найден!</source>
        <translation>Language module &quot;%1&quot; not found!</translation>
    </message>
    <message>
        <location filename="../work/main/app/Languages.cpp" line="168"/>
        <source>Не удалось загрузить языковый модуль &quot;%1&quot;!

%2</source>
        <translation>Could not load the language module &quot;%1&quot;!

%2</translation>
    </message>
    <message>
        <location filename="../work/main/app/Languages.cpp" line="169"/>
        <source>Файл не является модулем перевода.</source>
        <translation>The file is not a translation module.</translation>
    </message>
</context>
<context>
    <name>app::OnlineScripts</name>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="29"/>
        <source>Скрытые</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="30"/>
        <source>Все, включая скрытые</source>
        <translation>All, including hidden</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="31"/>
        <source>Все, кроме скрытых (по умолчанию)</source>
        <translation>All except hidden (default)</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="32"/>
        <source>Только мои</source>
        <translation>Mine only</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="33"/>
        <source>Только публичные</source>
        <translation>Public only</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="34"/>
        <source>С моими оценками</source>
        <translation>Rated by me</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="35"/>
        <source>Без моих оценок</source>
        <translation>Not rated by me</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="36"/>
        <source>Новые (24 часа с момента публикации)</source>
        <translation>New (24 hours since publication)</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="41"/>
        <source>Мой</source>
        <translation>Mine</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="41"/>
        <source>Общий</source>
        <translation>Shared</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="46"/>
        <source>Универсальный</source>
        <translation>Universal</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="52"/>
        <source>Скрытый</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="153"/>
        <source>Ошибка загрузки каталога online-сценариев!</source>
        <translation>Error loading the online script catalog!</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="174"/>
        <source>Загрузка online-каталога сценариев...</source>
        <translation>Loading the online script catalog...</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="188"/>
        <source>Ошибка загрузки online-сценария!</source>
        <translation>Error loading the online script!</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="191"/>
        <source>Сценарий предназначен для другой программы.</source>
        <translation>The script is intended for another program.</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="192"/>
        <location filename="../work/main/app/OnlineScripts.cpp" line="459"/>
        <location filename="../work/main/app/OnlineScripts.cpp" line="479"/>
        <location filename="../work/main/app/OnlineScripts.cpp" line="501"/>
        <source>Сценарий не выбран.</source>
        <translation>No script selected.</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="199"/>
        <source>Скачивание сценария из online-каталога...</source>
        <translation>Downloading the script from the online catalog...</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="206"/>
        <source>Сервер не прислал текст сценария.</source>
        <translation>The server did not send the script text.</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="263"/>
        <source>Название сценария должно быть указано обязательно!</source>
        <translation>The script title is required!</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="267"/>
        <source>Название сценария не может быть длиннее %1 символов!</source>
        <translation>The script title cannot be longer than %1 characters!</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="271"/>
        <source>Проверка названия сценария...</source>
        <translation>Checking the script title...</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="276"/>
        <source>Сервер не ответил на проверку названия.</source>
        <translation>The server did not respond to the title check.</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="278"/>
        <source>Ошибка проверки уникальности online-сценария!</source>
        <translation>Error checking the online script for uniqueness!</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="282"/>
        <source>Сценарий с таким названием уже существует!
Выберите другое название.</source>
        <translation>A script with this title already exists!
Please choose a different title.</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="288"/>
        <source>Имя автора должно быть указано обязательно!</source>
        <translation>The author&apos;s name is required!</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="292"/>
        <source>Имя автора не может быть длиннее %1 символов!</source>
        <translation>The author&apos;s name cannot be longer than %1 characters!</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="308"/>
        <location filename="../work/main/app/OnlineScripts.cpp" line="371"/>
        <location filename="../work/main/app/OnlineScripts.cpp" line="417"/>
        <source>Ошибка публикации online-сценария!</source>
        <translation>Error publishing the online script!</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="310"/>
        <location filename="../work/main/app/OnlineScripts.cpp" line="374"/>
        <source>Текущий сценарий не содержит ни одной строки.</source>
        <translation>The current script contains no lines.</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="315"/>
        <location filename="../work/main/app/OnlineScripts.cpp" line="380"/>
        <source>Сохранение сценария в базе данных...</source>
        <translation>Saving the script to the database...</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="328"/>
        <source>Ошибка сохранения online-сценария в базе данных!</source>
        <translation>Error saving the online script to the database!</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="332"/>
        <location filename="../work/main/app/OnlineScripts.cpp" line="391"/>
        <source>Сервер не вернул идентификатор сценария.</source>
        <translation>The server did not return a script ID.</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="375"/>
        <source>Изменять можно только свои сценарии этой программы.</source>
        <translation>You can only modify your own scripts for this program.</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="419"/>
        <source>Удалять можно только свои сценарии этой программы.</source>
        <translation>You can only delete your own scripts for this program.</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="423"/>
        <source>Вы действительно хотите удалить сценарий &quot;%1&quot;?</source>
        <translation>Are you sure you want to delete the script &quot;%1&quot;?</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="427"/>
        <source>Удаление сценария из базы данных...</source>
        <translation>Deleting the script from the database...</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="436"/>
        <location filename="../work/main/app/OnlineScripts.cpp" line="441"/>
        <source>Ошибка удаления online-сценария из базы данных!</source>
        <translation>Error deleting the online script from the database!</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="442"/>
        <source>Сервер ответил кодом %1 вместо 0.</source>
        <translation>The server responded with code %1 instead of 0.</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="443"/>
        <source>Сервер не подтвердил удаление.</source>
        <translation>The server did not confirm the deletion.</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="459"/>
        <source>Ошибка просмотра свойств online-сценария!</source>
        <translation>Error viewing the online script properties!</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="470"/>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="470"/>
        <source>Вы можете оставить свой комментарий:</source>
        <translation>You can leave a comment:</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="477"/>
        <source>Ошибка сохранения оценки online-сценария!</source>
        <translation>Error saving the online script rating!</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="485"/>
        <source>Отправка оценки на сервер...</source>
        <translation>Sending the rating to the server...</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="499"/>
        <source>Ошибка просмотра оценок online-сценария!</source>
        <translation>Error viewing the online script ratings!</translation>
    </message>
    <message>
        <location filename="../work/main/app/OnlineScripts.cpp" line="504"/>
        <source>Загрузка списка оценок...</source>
        <translation>Loading ratings...</translation>
    </message>
</context>
<context>
    <name>app::ProgressWindow</name>
    <message>
        <location filename="../work/main/app/ProgressWindow.cpp" line="14"/>
        <source>Окно индикатора уже создано!</source>
        <translation>The progress window is already open!</translation>
    </message>
    <message>
        <location filename="../work/main/app/ProgressWindow.cpp" line="16"/>
        <source>Подождите пожалуйста...</source>
        <translation>Please wait...</translation>
    </message>
</context>
<context>
    <name>app::RatingsController</name>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="61"/>
        <source>Загрузка файла рейтинга...</source>
        <translation>Loading the rating file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="68"/>
        <source>Ошибка чтения файла рейтинга!</source>
        <translation>Error reading the rating file!</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="70"/>
        <source>Файл рейтинга &quot;%1&quot; оканчивается неполной записью (%2 байт): прочитаны все целые записи, остаток будет удален при следующем сохранении.</source>
        <translation>The rating file &quot;%1&quot; ends with an incomplete record (%2 bytes): all whole records were read, the rest will be removed at the next save.</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="82"/>
        <source>Сохранение файла рейтинга...</source>
        <translation>Saving the rating file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="85"/>
        <source>Ошибка записи в файл рейтинга!</source>
        <translation>Error writing the rating file!</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="99"/>
        <source>Сортировка рейтинга...</source>
        <translation>Sorting the rating...</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="114"/>
        <source>Пересчитать рейтинг только по текущим ставкам?

Накопленные ранее данные по удаленным ставкам будут потеряны.</source>
        <translation>Recalculate the rating from the current stakes only?

The data accumulated earlier for deleted stakes will be lost.</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="121"/>
        <source>Обновление рейтинга...</source>
        <translation>Updating the rating...</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="135"/>
        <source>Ошибка обновления рейтинга!</source>
        <translation>Error updating the rating!</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="142"/>
        <source>CSV-файлы (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="153"/>
        <source>Экспорт в CSV-файл...</source>
        <translation>Exporting to a CSV file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="158"/>
        <source>Ошибка записи в файл &quot;%1&quot;!</source>
        <translation>Error writing the file &quot;%1&quot;!</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="164"/>
        <source>График количества совпадений для выделенных строк рейтинга</source>
        <translation>Graph of the number of matches for the selected rating rows</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="166"/>
        <source>Создание графиков...</source>
        <translation>Creating graphs...</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="173"/>
        <source>Нормальные значения</source>
        <translation>Normal values</translation>
    </message>
    <message>
        <location filename="../work/main/app/RatingsController.cpp" line="194"/>
        <source>Рейтинг: %1</source>
        <translation>Rating: %1</translation>
    </message>
</context>
<context>
    <name>app::ScriptController</name>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="28"/>
        <source>Файлы сценариев (*.lsc)</source>
        <translation>Script files (*.lsc)</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="97"/>
        <location filename="../work/main/app/ScriptController.cpp" line="106"/>
        <source>Запись со индексом %1 в файле данных не найдена!</source>
        <translation>Record with index %1 not found in the data file!</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="117"/>
        <source>Загрузка файла &quot;%1&quot;...</source>
        <translation>Loading the file &quot;%1&quot;...</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="121"/>
        <location filename="../work/main/app/ScriptController.cpp" line="163"/>
        <source>Ошибка чтения файла &quot;%1&quot;!</source>
        <translation>Error reading the file &quot;%1&quot;!</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="132"/>
        <source>Файл &quot;%1&quot; прочитан не полностью: слишком длинных строк - %2%3.</source>
        <translation>The file &quot;%1&quot; was not read completely: lines too long - %2%3.</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="135"/>
        <source>, файл больше 64 МБ</source>
        <translation>, the file is larger than 64 MB</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="146"/>
        <source>Сохранение файла &quot;%1&quot;...</source>
        <translation>Saving the file &quot;%1&quot;...</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="77"/>
        <location filename="../work/main/app/ScriptController.cpp" line="150"/>
        <location filename="../work/main/app/ScriptController.cpp" line="173"/>
        <source>Ошибка записи в файл &quot;%1&quot;!</source>
        <translation>Error writing the file &quot;%1&quot;!</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="179"/>
        <source>Комментарии</source>
        <translation>Comments</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="179"/>
        <source>Опции</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="181"/>
        <source>Фильтр %1</source>
        <translation>Filter %1</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="208"/>
        <source>Строк: %1</source>
        <translation>Lines: %1</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="210"/>
        <source>Цикл: %1</source>
        <translation>Cycle: %1</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="212"/>
        <source>Строка: %1</source>
        <translation>Line: %1</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="214"/>
        <source>Ставок: %1</source>
        <translation>Stakes: %1</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="253"/>
        <location filename="../work/main/app/ScriptController.cpp" line="272"/>
        <source>Создание новой строки</source>
        <translation>New line</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="283"/>
        <source>Редактирование строки</source>
        <translation>Editing the line</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="298"/>
        <location filename="../work/main/app/ScriptController.cpp" line="339"/>
        <source>Удалить выделенную запись?</source>
        <translation>Delete the selected record?</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="299"/>
        <location filename="../work/main/app/ScriptController.cpp" line="340"/>
        <source>Удалить все выделенные записи (всего будет удалено %1 записи(ей))?</source>
        <translation>Delete all selected records (%1 record(s) will be deleted)?</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="300"/>
        <location filename="../work/main/app/ScriptController.cpp" line="342"/>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="303"/>
        <location filename="../work/main/app/ScriptController.cpp" line="345"/>
        <source>Удаление строк...</source>
        <translation>Deleting lines...</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="361"/>
        <source>Генерация новых строк в сценарии...</source>
        <translation>Generating new script lines...</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="386"/>
        <source>Строку

%1

невозможно добавить в сценарий!</source>
        <translation>The line

%1

cannot be added to the script!</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="404"/>
        <source>Файлы журналов не найдены!</source>
        <translation>No log files found!</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptController.cpp" line="409"/>
        <source>Поиск файлов журналов...</source>
        <translation>Searching for log files...</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="88"/>
        <source>Фильтр %1 из %2: %3</source>
        <translation>Filter %1 of %2: %3</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="110"/>
        <source>Подтверждение</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="110"/>
        <source>Остановить выполнение сценария?</source>
        <translation>Stop running the script?</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="112"/>
        <source>### ВЫПОЛНЕНИЕ СЦЕНАРИЯ ПРЕРВАНО </source>
        <translation>### SCRIPT RUN INTERRUPTED </translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="147"/>
        <location filename="../work/main/app/ScriptRun.cpp" line="159"/>
        <source>Ошибка записи журнала: %1!</source>
        <translation>Error writing the log: %1!</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="178"/>
        <location filename="../work/main/app/ScriptRun.cpp" line="192"/>
        <location filename="../work/main/app/ScriptRun.cpp" line="251"/>
        <source>Выполнение сценария...</source>
        <translation>Running the script...</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="181"/>
        <source>### ЗАПУСК СЦЕНАРИЯ </source>
        <translation>### SCRIPT START </translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="200"/>
        <location filename="../work/main/app/ScriptRun.cpp" line="274"/>
        <source>Сценарий завершен!</source>
        <translation>The script has finished!</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="208"/>
        <source>### ЗАВЕРШЕНИЕ СЦЕНАРИЯ </source>
        <translation>### SCRIPT END </translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="220"/>
        <location filename="../work/main/app/ScriptRun.cpp" line="258"/>
        <source>=== Выполнение сценария для смещения %1 </source>
        <translation>=== Running the script for offset %1 </translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="305"/>
        <source>Выполнение строки %1: &quot;%2&quot;</source>
        <translation>Running line %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="342"/>
        <location filename="../work/main/app/ScriptRun.cpp" line="343"/>
        <source>Создание всех вариантов фильтров...</source>
        <translation>Building all filter variants...</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="347"/>
        <source>Создано %1 вариантов фильтров.</source>
        <translation>%1 filter variants built.</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="352"/>
        <source>{ERROR} Фильтры не применялись!</source>
        <translation>{ERROR} No filters were applied!</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="355"/>
        <location filename="../work/main/app/ScriptRun.cpp" line="377"/>
        <source>Создание начального списка комбинаций...</source>
        <translation>Building the initial combination list...</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="358"/>
        <location filename="../work/main/app/ScriptRun.cpp" line="380"/>
        <source>Количество комбинаций в списке: %1</source>
        <translation>Combinations in the list: %1</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="374"/>
        <source>Применение набора фильтров %1: &quot;%2&quot;</source>
        <translation>Applying filter set %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="404"/>
        <source>Недостаточно памяти для выполнения строки сценария %1.</source>
        <translation>Not enough memory to run script line %1.</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="559"/>
        <source>{*} Добавление ставки, режим: &quot;%1&quot;</source>
        <translation>{*} Adding a stake, mode: &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="567"/>
        <source>{!} Сценарий остановлен!</source>
        <translation>{!} Script stopped!</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="569"/>
        <source>Выполнение сценария прервано, т.к. после применения всех фильтров в списке комбинаций их осталось более одной: %1!

Фильтры: %2</source>
        <translation>The script run was interrupted because more than one combination remains in the list after all filters: %1!

Filters: %2</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="576"/>
        <source>{-} Ставка игнорирована!</source>
        <translation>{-} Stake ignored!</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="612"/>
        <source>{#} Системная игра для %1 чисел [ОШИБКА]: &quot;%2&quot;</source>
        <translation>{#} System game for %1 numbers [ERROR]: &quot;%2&quot;</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="618"/>
        <source>Ошибка загрузки комбинаций системы!</source>
        <translation>Error loading the system combinations!</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="620"/>
        <source>Перед системной игрой необходимо предварительно загрузить системы на Ваш компьютер через меню &quot;Системы&quot; - &quot;Загрузить&quot;.</source>
        <translation>Before a system game, download the systems to your computer through the menu &quot;Systems&quot; - &quot;Download&quot;.</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="627"/>
        <source>{#} Системная игра для %1 чисел [система * комбинации]: загружен файл &quot;%2&quot;</source>
        <translation>{#} System game for %1 numbers [system * combinations]: loaded the file &quot;%2&quot;</translation>
    </message>
    <message>
        <location filename="../work/main/app/ScriptRun.cpp" line="630"/>
        <source>{#} Системная игра для %1 чисел [все система]: загружен файл &quot;%2&quot;</source>
        <translation>{#} System game for %1 numbers [whole system]: loaded the file &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>app::Services</name>
    <message>
        <source>Файл справки &quot;%1&quot; не найден.

Справка ищется рядом с программой, в папке &quot;help&quot; рядом с ней и в папке &quot;help&quot; установленной программы; установите программу заново, чтобы вернуть файлы справки.</source>
        <translation>The help file &quot;%1&quot; was not found.

Help is looked for beside the program, in the &quot;help&quot; folder beside it and in the &quot;help&quot; folder of the installed program; install the program again to get the help files back.</translation>
    </message>
    <message>
        <source>Не удалось открыть справку: в системе не найдена программа для просмотра веб-страниц (браузер).

Файлы справки находятся в папке &quot;%1&quot;. Откройте в браузере файл &quot;%2&quot;.</source>
        <translation>The help could not be opened: no program for viewing web pages (browser) was found on this system.

The help files are in the folder &quot;%1&quot;. Open the file &quot;%2&quot; in a browser.</translation>
    </message>
    <message>
        <source>Не удалось открыть файл &quot;%1&quot;: в системе не найдена программа для просмотра файлов этого типа.

Откройте файл вручную, например в текстовом редакторе.</source>
        <translation>The file &quot;%1&quot; could not be opened: no program for viewing files of this type was found on this system.

Open the file yourself, for example in a text editor.</translation>
    </message>
    <message>
        <source>Не удалось открыть адрес &quot;%1&quot;: в системе не найдена программа для просмотра веб-страниц (браузер).

Скопируйте адрес и откройте его в браузере.</source>
        <translation>The address &quot;%1&quot; could not be opened: no program for viewing web pages (browser) was found on this system.

Copy the address and open it in a browser.</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="119"/>
        <source>Подтверждение</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="368"/>
        <location filename="../work/main/app/Session.cpp" line="375"/>
        <location filename="../work/main/app/SessionStartup.cpp" line="99"/>
        <source>Ошибка записи параметров программы!

%1</source>
        <translation>Error writing the program settings!

%1</translation>
    </message>
</context>
<context>
    <name>app::ArchiveController</name>
    <message>
        <location filename="../work/main/app/Session.cpp" line="140"/>
        <source>Загрузка файла тиражей...</source>
        <translation>Loading the draw file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="145"/>
        <source>Ошибка чтения файла тиражей!

%1</source>
        <translation>Error reading the draw file!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="153"/>
        <source>Сохранение файла тиражей...</source>
        <translation>Saving the draw file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="165"/>
        <source>Ошибка записи в файл тиражей!

%1</source>
        <translation>Error writing the draw file!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="221"/>
        <location filename="../work/main/app/Session.cpp" line="249"/>
        <source>Введите данные следующего тиража</source>
        <translation>Enter the data of the next draw</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="272"/>
        <source>Удалить выделенную запись?</source>
        <translation>Delete the selected record?</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="273"/>
        <source>Удалить все выделенные записи (всего будет удалено %1 записи(ей))?</source>
        <translation>Delete all selected records (%1 record(s) will be deleted)?</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="274"/>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="278"/>
        <source>Удаление выделенных тиражей....</source>
        <translation>Deleting the selected draws....</translation>
    </message>
</context>
<context>
    <name>app::StatisticsController</name>
    <message>
        <location filename="../work/main/app/Session.cpp" line="394"/>
        <location filename="../work/main/app/Session.cpp" line="416"/>
        <source>Сохранение файла конфигурации...</source>
        <translation>Saving the configuration file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="397"/>
        <location filename="../work/main/app/Session.cpp" line="419"/>
        <location filename="../work/main/app/SessionCombs.cpp" line="313"/>
        <source>Ошибка записи в файл конфигурации!

%1</source>
        <translation>Error writing the configuration file!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="354"/>
        <location filename="../work/main/app/SessionCombs.cpp" line="452"/>
        <location filename="../work/main/app/SessionCombs.cpp" line="468"/>
        <location filename="../work/main/app/SessionFavorites.cpp" line="15"/>
        <location filename="../work/main/app/SessionFavorites.cpp" line="26"/>
        <location filename="../work/main/app/SessionFavorites.cpp" line="51"/>
        <source>Подождите пожалуйста...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionFavorites.cpp" line="49"/>
        <source>Вы действительно хотите сбросить список избранных фильтров?</source>
        <translation>Do you really want to reset the list of favourite filters?</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionFilters.cpp" line="58"/>
        <location filename="../work/main/app/SessionStats.cpp" line="37"/>
        <source>Анализ тиражей и расчет статистики...</source>
        <translation>Analysing the draws and calculating statistics...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionStats.cpp" line="68"/>
        <source>Ошибка открытия файла данных для полного набора вариантов!

Имя файла: %1

%2</source>
        <translation>Error opening the data file for the full set!

File name: %1

%2</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionStats.cpp" line="81"/>
        <source>Создание файла предварительной выборки %1...</source>
        <translation>Creating the prefetch file %1...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionStats.cpp" line="88"/>
        <source>Ошибка создания файла данных для полного набора вариантов!

Имя файла: %1

%2</source>
        <translation>Error creating the data file for the full set!

File name: %1

%2</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionStats.cpp" line="100"/>
        <location filename="../work/main/app/SessionStats.cpp" line="101"/>
        <source>Создание файлов для полного набора комбинаций...</source>
        <translation>Creating the files for the full set of combinations...</translation>
    </message>
</context>
<context>
    <name>app::CandidatesController</name>
    <message>
        <source>Некорректное количество тиражей: "%1"</source>
        <translation>Invalid number of draws: "%1"</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="397"/>
        <location filename="../work/main/app/Session.cpp" line="419"/>
        <location filename="../work/main/app/SessionCombs.cpp" line="313"/>
        <source>Ошибка записи в файл конфигурации!

%1</source>
        <translation>Error writing the configuration file!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="56"/>
        <source>Файлы комбинаций (*.lcv)</source>
        <translation>Combination files (*.lcv)</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="65"/>
        <source>Генерация возможных комбинаций...</source>
        <translation>Generating possible combinations...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="80"/>
        <location filename="../work/main/app/SessionCombs.cpp" line="83"/>
        <source>Ошибка генерации файла комбинаций!

%1</source>
        <translation>Error generating the combination file!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="83"/>
        <source>Недостаточно памяти</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="98"/>
        <location filename="../work/main/app/SessionCombs.cpp" line="505"/>
        <source>Создание файла отката...</source>
        <translation>Creating the undo file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="115"/>
        <source>Отмена изменений...</source>
        <translation>Undoing changes...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="137"/>
        <source>Удаление из списка комбинаций %1 последних тиражей...</source>
        <translation>Removing the %1 latest draws from the combination list...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="143"/>
        <source>Удаление из списка комбинаций %1 последних тиражей ( завершено %2 % )...</source>
        <translation>Removing the %1 latest draws from the combination list ( %2 % done )...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="155"/>
        <source>Удаление выделенных комбинаций...</source>
        <translation>Deleting the selected combinations...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="158"/>
        <source>Выделенные комбинации</source>
        <translation>Selected combinations</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="166"/>
        <source>Фильтрация комбинаций...</source>
        <translation>Filtering combinations...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="210"/>
        <source>В выделенном диапазоне нет значений для фильтра!</source>
        <translation>The selected range has no values to filter by!</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="265"/>
        <source>Создание буфера комбинаций...</source>
        <translation>Creating the combination buffer...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="271"/>
        <source>Ошибка создания буфера комбинаций!

%1</source>
        <translation>Error creating the combination buffer!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="281"/>
        <source>Загрузка буфера комбинаций...</source>
        <translation>Loading the combination buffer...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="289"/>
        <source>Ошибка загрузки буфера комбинаций!

%1</source>
        <translation>Error loading the combination buffer!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="354"/>
        <location filename="../work/main/app/SessionCombs.cpp" line="452"/>
        <location filename="../work/main/app/SessionCombs.cpp" line="468"/>
        <location filename="../work/main/app/SessionFavorites.cpp" line="15"/>
        <location filename="../work/main/app/SessionFavorites.cpp" line="26"/>
        <location filename="../work/main/app/SessionFavorites.cpp" line="51"/>
        <source>Подождите пожалуйста...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="357"/>
        <source>В текущем списке комбинаций содержится %1 уникальных номеров</source>
        <translation>The current combination list contains %1 unique numbers</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="366"/>
        <source>Поиск по архиву тиражей...</source>
        <translation>Searching the draw archive...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="370"/>
        <source>Выделенная комбинация не найдена архиве тиражей!</source>
        <translation>The selected combination was not found in the draw archive!</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="372"/>
        <source>Выделенная комбинация найдена в следующих тиражах:</source>
        <translation>The selected combination was found in the following draws:</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="381"/>
        <source>Ошибка чтения файла &quot;%1&quot;!

%2</source>
        <translation>Error reading the file &quot;%1&quot;!

%2</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="406"/>
        <source>Сохранение файла &quot;%1&quot; ( завершено %2 % )...</source>
        <translation>Saving file &quot;%1&quot; ( %2 % done )...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="414"/>
        <source>Ошибка записи в файл &quot;%1&quot;!

%2</source>
        <translation>Error writing the file &quot;%1&quot;!

%2</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="425"/>
        <source>Загрузка файла &quot;%1&quot;...</source>
        <translation>Loading the file &quot;%1&quot;...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="442"/>
        <source>Сохранение файла &quot;%1&quot;...</source>
        <translation>Saving the file &quot;%1&quot;...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionCombs.cpp" line="458"/>
        <location filename="../work/main/app/SessionCombs.cpp" line="482"/>
        <source>Подождите пожалуйста ( завершено %1 % )...</source>
        <translation>Please wait ( %1 % done )...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionFilters.cpp" line="42"/>
        <source>Метод расчета статистики &quot;%1&quot; не найден!
%2

Возможно, Вы отключили данный метод расчета либо использовали сценарий от другой модификации программы.</source>
        <translation>Statistic method &quot;%1&quot; not found!
%2

You may have disabled this method or used a script from another edition of the program.</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionFilters.cpp" line="51"/>
        <source>Анализ тиражей и расчет статистики &quot;%1&quot; для выборки в %2 тиражей...</source>
        <translation>Analysing the draws and calculating the statistic &quot;%1&quot; over %2 draws...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionFilters.cpp" line="58"/>
        <location filename="../work/main/app/SessionStats.cpp" line="37"/>
        <source>Анализ тиражей и расчет статистики...</source>
        <translation>Analysing the draws and calculating statistics...</translation>
    </message>
</context>
<context>
    <name>app::Session</name>
    <message>
        <location filename="../work/main/app/Session.cpp" line="321"/>
        <source>Архив тиражей: %1</source>
        <translation>Draw archive: %1</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="323"/>
        <source>Следующий тираж: %1</source>
        <translation>Next draw: %1</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="368"/>
        <location filename="../work/main/app/Session.cpp" line="375"/>
        <location filename="../work/main/app/SessionStartup.cpp" line="99"/>
        <source>Ошибка записи параметров программы!

%1</source>
        <translation>Error writing the program settings!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionStartup.cpp" line="49"/>
        <source>Ошибка запуска программы!

%1</source>
        <translation>Error starting the program!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionStartup.cpp" line="102"/>
        <source>Ошибка загрузки параметров программы!

%1</source>
        <translation>Error loading the program settings!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionStartup.cpp" line="108"/>
        <source>Загрузка файла конфигурации...</source>
        <translation>Loading the configuration file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionStartup.cpp" line="115"/>
        <source>Ошибка чтения файла конфигурации!

%1</source>
        <translation>Error reading the configuration file!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionStartup.cpp" line="128"/>
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
        <location filename="../work/main/app/SessionStartup.cpp" line="141"/>
        <source>Инициализация...</source>
        <translation>Initialising...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SessionStartup.cpp" line="198"/>
        <source>Ошибка инициализации программы!

%1</source>
        <translation>Error initialising the program!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/Session.cpp" line="327"/>
        <source>Комбинаций: %1</source>
        <translation>Combinations: %1</translation>
    </message>
</context>
<context>
    <name>app::StakesController</name>
    <message>
        <location filename="../work/main/app/StakesControllerCheck.cpp"/>
        <source>Не удалось завершить прерванную проверку ставок (журнал &quot;%1&quot;)!</source>
        <translation>Could not finish the interrupted stake check (journal &quot;%1&quot;)!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesControllerCheck.cpp"/>
        <source>Журнал прерванной проверки ставок поврежден и перенесен в файл &quot;%1&quot;: рейтинг может не учитывать часть проверенных тогда ставок (&quot;Обновить рейтинг&quot; пересчитает его).</source>
        <translation>The journal of the interrupted stake check is damaged and was moved to the file &quot;%1&quot;: the rating may lack some of the stakes checked then (&quot;Refresh rating&quot; recomputes it).</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="18"/>
        <location filename="../work/main/app/StakesController.cpp" line="452"/>
        <source>Создание ставок...</source>
        <translation>Creating stakes...</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="66"/>
        <source>Загрузка файла ставок...</source>
        <translation>Loading the stake file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="69"/>
        <location filename="../work/main/app/StakesController.cpp" line="74"/>
        <location filename="../work/main/app/StakesController.cpp" line="80"/>
        <location filename="../work/main/app/StakesController.cpp" line="89"/>
        <location filename="../work/main/app/StakesController.cpp" line="98"/>
        <location filename="../work/main/app/StakesController.cpp" line="124"/>
        <source>Ошибка чтения файла ставок!</source>
        <translation>Error reading the stake file!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="81"/>
        <source>Не удалось сохранить копию файла ставок перед его исправлением: %1</source>
        <translation>Could not save a copy of the stake file before repairing it: %1</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="86"/>
        <source>Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!</source>
        <translation>The stake file is of an outdated version - the stakes it holds will be deleted!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="87"/>
        <location filename="../work/main/app/StakesController.cpp" line="96"/>
        <source>Копия прежнего файла сохранена: %1</source>
        <translation>A copy of the previous file was saved: %1</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp"/>
        <source>Копия прежнего файла будет сохранена: %1</source>
        <translation>A copy of the previous file will be saved: %1</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp"/>
        <source>Байты неполной записи сохранены в файле: %1</source>
        <translation>The bytes of the incomplete record were saved in the file: %1</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="93"/>
        <source>Файл ставок оканчивается неполной записью (%1 байт): она будет удалена, все целые записи сохранены.</source>
        <translation>The stake file ends with an incomplete record (%1 bytes): it will be removed, all whole records are kept.</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="113"/>
        <source>Сохранение файла ставок...</source>
        <translation>Saving the stake file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="116"/>
        <location filename="../work/main/app/StakesController.cpp" line="132"/>
        <location filename="../work/main/app/StakesController.cpp" line="139"/>
        <source>Ошибка записи в файл ставок!</source>
        <translation>Error writing the stake file!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="148"/>
        <source>Ошибка чтения записи из файла ставок!</source>
        <translation>Error reading a record from the stake file!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="164"/>
        <location filename="../work/main/app/StakesController.cpp" line="181"/>
        <location filename="../work/main/app/StakesController.cpp" line="213"/>
        <location filename="../work/main/app/StakesController.cpp" line="467"/>
        <source>Ошибка добавления записи в файл ставок!</source>
        <translation>Error adding a record to the stake file!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="173"/>
        <source>Ошибка поиска записи в файле ставок!</source>
        <translation>Error searching for a record in the stake file!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="185"/>
        <location filename="../work/main/app/StakesController.cpp" line="238"/>
        <source>Файл ставок не открыт!</source>
        <translation>The stake file is not open!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="187"/>
        <source>Добавление в конец файла уже проверенной ставки!</source>
        <translation>An already checked stake is being appended to the end of the file!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="209"/>
        <source>Создание ставки...</source>
        <translation>Creating the stake...</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="249"/>
        <source>Удаление ставок ( завершено %1 % )...</source>
        <translation>Deleting stakes ( %1 % done )...</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="262"/>
        <location filename="../work/main/app/StakesController.cpp" line="340"/>
        <location filename="../work/main/app/StakesController.cpp" line="537"/>
        <source>Ошибка удаления записи из файла ставок!</source>
        <translation>Error deleting a record from the stake file!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="323"/>
        <source>Ставок: %1</source>
        <translation>Stakes: %1</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="365"/>
        <source>{-} Ставка на тираж %1 не добавлена, так как уже имеется в списке ставок: [%2]</source>
        <translation>{-} The stake on draw %1 was not added, as it is already in the stake list: [%2]</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="371"/>
        <source>{+} Ставка на тираж %1 добавлена в список ставок: [%2]</source>
        <translation>{+} The stake on draw %1 was added to the stake list: [%2]</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="389"/>
        <source>Ставка &quot;вручную&quot;</source>
        <translation>&quot;Manual&quot; stake</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="485"/>
        <location filename="../work/main/app/StakesController.cpp" line="529"/>
        <source>Удалить выделенную запись?</source>
        <translation>Delete the selected record?</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="486"/>
        <location filename="../work/main/app/StakesController.cpp" line="530"/>
        <source>Удалить все выделенные записи (всего будет удалено %1 записи(ей))?</source>
        <translation>Delete all selected records (%1 record(s) will be deleted)?</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="487"/>
        <location filename="../work/main/app/StakesController.cpp" line="531"/>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesController.cpp" line="491"/>
        <location filename="../work/main/app/StakesController.cpp" line="515"/>
        <location filename="../work/main/app/StakesController.cpp" line="534"/>
        <source>Удаление ставок...</source>
        <translation>Deleting stakes...</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesControllerCheck.cpp" line="19"/>
        <source>Проверка результатов ставок...</source>
        <translation>Checking the stake results...</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesControllerCheck.cpp" line="27"/>
        <source>Проверка результатов ставок ( завершено %1 % )...</source>
        <translation>Checking the stake results ( %1 % done )...</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesControllerCheck.cpp" line="33"/>
        <source>Ошибка проверки ставок!</source>
        <translation>Error checking the stakes!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesControllerCheck.cpp" line="60"/>
        <source>Ошибка поиска записи по номеру тиража в файле ставок!</source>
        <translation>Error searching the stake file for a record by draw number!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesControllerCheck.cpp" line="76"/>
        <source>Ошибка удаления файла &quot;%1&quot;!</source>
        <translation>Error deleting the file &quot;%1&quot;!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesControllerCheck.cpp" line="78"/>
        <source>Ошибка записи в файл &quot;%1&quot;!</source>
        <translation>Error writing the file &quot;%1&quot;!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesControllerCheck.cpp" line="86"/>
        <source>Файлы журналов не найдены!</source>
        <translation>No log files found!</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesControllerCheck.cpp" line="91"/>
        <source>Поиск файлов журналов...</source>
        <translation>Searching for log files...</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesControllerCheck.cpp" line="109"/>
        <source>Создание графиков...</source>
        <translation>Creating graphs...</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesControllerCheck.cpp" line="121"/>
        <source>График суммарного профита ставок по тиражам</source>
        <translation>Graph of the total stake profit by draw</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesControllerCheck.cpp" line="133"/>
        <source>График количества совпадений для всех ставок по тиражам</source>
        <translation>Graph of the number of matches for all stakes by draw</translation>
    </message>
    <message>
        <location filename="../work/main/app/StakesControllerCheck.cpp" line="138"/>
        <source>График профита для всех ставок по тиражам</source>
        <translation>Graph of the profit for all stakes by draw</translation>
    </message>
</context>
<context>
    <name>app::SystemsController</name>
    <message>
        <source>%1 различное число</source>
        <translation>%1 distinct numbers</translation>
    </message>
    <message>
        <source>%1 различных числа</source>
        <translation>%1 distinct numbers</translation>
    </message>
    <message>
        <source>%1 различных чисел</source>
        <translation>%1 distinct numbers</translation>
    </message>
    <message>
        <source>На компьютере нет ни одной системы.</source>
        <translation>There are no systems on this computer.</translation>
    </message>
    <message>
        <source>На компьютере есть системы для такого количества чисел: %1.</source>
        <translation>This computer has systems for these counts of numbers: %1.</translation>
    </message>
    <message>
        <source>Список комбинаций содержит %1, а системная игра берет систему ровно для стольких чисел. %2</source>
        <translation>The list of combinations holds %1, and a system game takes a system for exactly that many numbers. %2</translation>
    </message>
    <message>
        <source>Сузьте список комбинаций до чисел одной из систем, создайте систему для этих чисел командой &quot;Создать систему...&quot; на странице &quot;Системы&quot; или загрузите готовые системы через меню &quot;Системы&quot; - &quot;Загрузить&quot;.</source>
        <translation>Narrow the list of combinations to the numbers of one of the systems, make a system for these numbers with the command &quot;Make a system...&quot; on the page &quot;Systems&quot;, or download ready systems through the menu &quot;Systems&quot; - &quot;Download&quot;.</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="63"/>
        <location filename="../work/main/app/SystemsController.cpp" line="433"/>
        <source>Подождите пожалуйста...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="123"/>
        <source>Загрузка списка систем...</source>
        <translation>Loading the list of systems...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="134"/>
        <source>Ошибка загрузки списка систем!</source>
        <translation>Error loading the list of systems!</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="150"/>
        <source>Список систем не доступен!</source>
        <translation>The list of systems is not available!</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="208"/>
        <source>Загрузка &quot;%1&quot;...</source>
        <translation>Downloading &quot;%1&quot;...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="214"/>
        <location filename="../work/main/app/SystemsController.cpp" line="398"/>
        <source>Библиотека систем недоступна</source>
        <translation>The system library is not available</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="216"/>
        <location filename="../work/main/app/SystemsController.cpp" line="242"/>
        <source>Ошибка загрузки системы #%1!</source>
        <translation>Error downloading system #%1!</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="288"/>
        <location filename="../work/main/app/SystemsController.cpp" line="362"/>
        <source>Сохранение &quot;%1&quot;...</source>
        <translation>Saving &quot;%1&quot;...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="292"/>
        <location filename="../work/main/app/SystemsController.cpp" line="306"/>
        <source>Ошибка добавления системы!</source>
        <translation>Error adding the system!</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="329"/>
        <location filename="../work/main/app/SystemsController.cpp" line="445"/>
        <location filename="../work/main/app/SystemsController.cpp" line="463"/>
        <source>Ошибка загрузки комбинаций системы!</source>
        <translation>Error loading the system combinations!</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="340"/>
        <location filename="../work/main/app/SystemsController.cpp" line="366"/>
        <source>Ошибка изменения системы!</source>
        <translation>Error changing the system!</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="388"/>
        <source>Вы можете удалять только свои системы!</source>
        <translation>You can delete only your own systems!</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="391"/>
        <source>Вы действительно хотите удалить систему &quot;%1&quot;?</source>
        <translation>Do you really want to delete the system &quot;%1&quot;?</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="397"/>
        <location filename="../work/main/app/SystemsController.cpp" line="408"/>
        <location filename="../work/main/app/SystemsController.cpp" line="414"/>
        <source>Ошибка удаления системы!</source>
        <translation>Error deleting the system!</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="404"/>
        <source>Удаление &quot;%1&quot;...</source>
        <translation>Deleting &quot;%1&quot;...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="409"/>
        <source>Библиотека не подтвердила удаление</source>
        <translation>The library did not confirm the deletion</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="415"/>
        <source>Не удается удалить файл &quot;%1&quot;</source>
        <translation>Cannot delete the file &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="425"/>
        <source>Системная игра для %1 чисел [комбинации]: %2</source>
        <translation>System game for %1 numbers [combinations]: %2</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="426"/>
        <source>Системная игра для %1 чисел [вся система]: %2</source>
        <translation>System game for %1 numbers [whole system]: %2</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="440"/>
        <source>Перед системной игрой необходимо предварительно загрузить системы на Ваш компьютер через меню &quot;Системы&quot; - &quot;Загрузить&quot;.</source>
        <translation>Before a system game, download the systems to your computer through the menu &quot;Systems&quot; - &quot;Download&quot;.</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="471"/>
        <source>Создание ставок...</source>
        <translation>Creating stakes...</translation>
    </message>
    <message>
        <location filename="../work/main/app/SystemsController.cpp" line="503"/>
        <source>Ошибка добавления записи в файл ставок!</source>
        <translation>Error adding a record to the stake file!</translation>
    </message>
    <message>
        <source>, опорных чисел: %1</source>
        <translation>, bankers: %1</translation>
    </message>
    <message>
        <source>Время поиска должно быть больше нуля</source>
        <translation>The search time must be above zero</translation>
    </message>
    <message>
        <source>Комбинаций: %1 (ищется %2)
Лучшая известная: %3, нижняя граница: %4</source>
        <translation>Combinations: %1 (searching %2)
Best known: %3, lower bound: %4</translation>
    </message>
    <message>
        <source>Меньше комбинаций быть не может.</source>
        <translation>No system can have fewer combinations.</translation>
    </message>
    <message>
        <source>Ошибка создания системы!</source>
        <translation>Error creating the system!</translation>
    </message>
    <message>
        <source>Система для %1 чисел: %2 комбинаций, гарантия %3 из %4%5 (проверено).
Лучшая известная: %6, нижняя граница: %7.
Время поиска: %8 с.%9</source>
        <translation>System for %1 numbers: %2 combinations, guarantee %3 if %4%5 (verified).
Best known: %6, lower bound: %7.
Search time: %8 s.%9</translation>
    </message>
    <message>
        <source>Система не найдена за отведенное время</source>
        <translation>No system was found in the time given</translation>
    </message>
    <message>
        <source>Создание системы для %1 чисел...</source>
        <translation>Creating a system for %1 numbers...</translation>
    </message>
    <message>
        <source>Создание системы...</source>
        <translation>Creating a system...</translation>
    </message>
    <message>
        <source>нет данных</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>Гарантия %1 из %2</source>
        <translation>Guarantee %1 if %2</translation>
    </message>
    <message>
        <source>Система &quot;%1&quot; не выполняет заявленную гарантию: %2 из 5 вместо %3 из 5.

Играть этой системой?</source>
        <translation>The system &quot;%1&quot; does not hold its stated guarantee: %2 if 5 instead of %3 if 5.

Play this system?</translation>
    </message>
</context>
<context>
    <name>app::TablesController</name>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="71"/>
        <source>Загрузка файла регулярных ставок...</source>
        <translation>Loading the regular stakes file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="77"/>
        <source>Ошибка чтения файла регулярных ставок!</source>
        <translation>Error reading the regular stakes file!</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="80"/>
        <source>Файл регулярных ставок &quot;%1&quot; оканчивается неполной записью (%2 байт): прочитаны все целые записи (%3). Перед первой записью файла его прежнее содержимое будет сохранено в копии &quot;%4&quot;.</source>
        <translation>The regular stakes file &quot;%1&quot; ends with an incomplete record (%2 bytes): all whole records (%3) were read. Before the file is first written, its previous content will be kept in the copy &quot;%4&quot;.</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="99"/>
        <source>Сохранение файла регулярных ставок...</source>
        <translation>Saving the regular stakes file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="110"/>
        <source>Не удалось сохранить копию прежнего файла &quot;%1&quot;; файл не перезаписан.</source>
        <translation>Could not keep a copy of the previous file &quot;%1&quot;; the file was not overwritten.</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="118"/>
        <source>Ошибка записи в файл регулярных ставок!</source>
        <translation>Error writing the regular stakes file!</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="166"/>
        <source>Создание регулярных ставок...</source>
        <translation>Creating regular stakes...</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="174"/>
        <source>В списке комбинаций не выделено ни одной комбинации: регулярные ставки не добавлены.</source>
        <translation>No combination is selected in the combination list: no regular stakes were added.</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="186"/>
        <source>Удалить выделенную запись?</source>
        <translation>Delete the selected record?</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="187"/>
        <source>Удалить все выделенные записи (всего будет удалено %1 записи(ей))?</source>
        <translation>Delete all selected records (%1 record(s) will be deleted)?</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="188"/>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="192"/>
        <source>Удаление регулярных ставок...</source>
        <translation>Deleting regular stakes...</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="197"/>
        <source>Ошибка удаления регулярной ставки!</source>
        <translation>Error deleting the regular stake!</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="207"/>
        <source>Запись со индексом %1 в файле данных не найдена!</source>
        <translation>Record with index %1 not found in the data file!</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="226"/>
        <source>Невозможно сделать ставку по регуляру!</source>
        <translation>Cannot make a stake from the regular rule!</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="252"/>
        <source>В архиве недостаточно тиражей для тестирования регулярных ставок.</source>
        <translation>The archive has too few draws to test the regular stakes.</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="269"/>
        <source>Ошибка создания ставок по регулярным табличным ставкам!</source>
        <translation>Error making stakes from the regular table stakes!</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="283"/>
        <source>Создание ставок по регулярным табличным ставкам...</source>
        <translation>Making stakes from the regular table stakes...</translation>
    </message>
    <message>
        <location filename="../work/main/app/TablesController.cpp" line="323"/>
        <source>Ошибка добавления записи в файл ставок!</source>
        <translation>Error adding a record to the stake file!</translation>
    </message>
</context>
<context>
    <name>app::UpdateController</name>
    <message>
        <location filename="../work/main/app/UpdateController.cpp" line="124"/>
        <source>Программа установлена в папку &quot;%1&quot;, запись в которую запрещена. Эту установку программы обновляет менеджер пакетов системы.</source>
        <translation>The program is installed in the folder &quot;%1&quot;, which is not writable. This installation is updated by the system package manager.</translation>
    </message>
    <message>
        <location filename="../work/main/app/UpdateController.cpp" line="133"/>
        <source>Адрес сервиса обновлений не задан в настройках программы.</source>
        <translation>The update service address is not set in the program settings.</translation>
    </message>
    <message>
        <location filename="../work/main/app/UpdateController.cpp" line="135"/>
        <source>Поиск доступных обновлений...</source>
        <translation>Checking for updates...</translation>
    </message>
    <message>
        <location filename="../work/main/app/UpdateController.cpp" line="167"/>
        <source>Ошибка поиска обновлений!

%1</source>
        <translation>Error checking for updates!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/UpdateController.cpp" line="172"/>
        <source>Обновлений не найдено!</source>
        <translation>No updates found!</translation>
    </message>
    <message>
        <location filename="../work/main/app/UpdateController.cpp" line="179"/>
        <source>Загрузка и установка обновления &quot;%1&quot;...</source>
        <translation>Downloading and installing update &quot;%1&quot;...</translation>
    </message>
    <message>
        <location filename="../work/main/app/UpdateController.cpp" line="185"/>
        <source>Ошибка установки обновления!

%1</source>
        <translation>Error installing the update!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/UpdateController.cpp" line="188"/>
        <source>Установка обновления &quot;%1&quot; успешно выполнена.

Для завершения установки необходимо перезапустить программу!</source>
        <translation>Update &quot;%1&quot; was installed successfully.

Please restart the program to complete the installation!</translation>
    </message>
    <message>
        <location filename="../work/main/app/UpdateController.cpp" line="193"/>
        <source>Ошибка системы самообновления программы!

%1</source>
        <translation>Program self-update error!

%1</translation>
    </message>
</context>
<context>
    <name>app::ViewsController</name>
    <message>
        <location filename="../work/main/app/ViewsController.cpp" line="107"/>
        <source>Анализ тиражей и построение графиков...</source>
        <translation>Analysing the draws and building graphs...</translation>
    </message>
    <message>
        <location filename="../work/main/app/ViewsController.cpp" line="136"/>
        <source>Обновление карты тиражей...</source>
        <translation>Updating the draw card...</translation>
    </message>
    <message>
        <location filename="../work/main/app/ViewsController.cpp" line="170"/>
        <location filename="../work/main/app/ViewsController.cpp" line="190"/>
        <source>Построение схемы выпадения номеров...</source>
        <translation>Building the layout of drawn numbers...</translation>
    </message>
    <message>
        <location filename="../work/main/app/ViewsController.cpp" line="219"/>
        <source>Построение статистики по дням недели...</source>
        <translation>Building statistics by day of the week...</translation>
    </message>
    <message>
        <location filename="../work/main/app/ViewsController.cpp" line="234"/>
        <source>В выделенном диапазоне нет значений для фильтра!</source>
        <translation>The selected range has no values to filter by!</translation>
    </message>
    <message>
        <location filename="../work/main/app/ViewsController.cpp" line="255"/>
        <location filename="../work/main/app/ViewsController.cpp" line="278"/>
        <source>Идет сбор статистики....</source>
        <translation>Collecting statistics....</translation>
    </message>
    <message>
        <location filename="../work/main/app/ViewsController.cpp" line="282"/>
        <source>Распределение сумм тиражей и всех возможных комбинаций</source>
        <translation>Distribution of the sums of draws and of all possible combinations</translation>
    </message>
</context>
<context>
    <name>app::WebController</name>
    <message>
        <source>Загрузить архив тиражей из поставки (%1 тиражей, до %2)</source>
        <translation>Load the draw archive shipped with the program (%1 draws, up to %2)</translation>
    </message>
    <message>
        <source>Загрузите архив тиражей, поставляемый с программой, или импортируйте тиражи из CSV-файла</source>
        <translation>Load the draw archive shipped with the program, or import draws from a CSV file</translation>
    </message>
    <message>
        <source>Импортируйте тиражи из CSV-файла</source>
        <translation>Import draws from a CSV file</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="58"/>
        <source>Ошибка чтения файла конфигурации!

%1</source>
        <translation>Error reading the configuration file!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="68"/>
        <location filename="../work/main/app/WebController.cpp" line="81"/>
        <source>Ошибка записи в файл конфигурации!

%1</source>
        <translation>Error writing the configuration file!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="78"/>
        <source>Сохранение файла конфигурации...</source>
        <translation>Saving the configuration file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="149"/>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="32"/>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="33"/>
        <source>Загрузка архива тиражей...</source>
        <translation>Downloading the draw archive...</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="169"/>
        <source>Попытка %1, proxy %2 : %3</source>
        <translation>Attempt %1, proxy %2 : %3</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="188"/>
        <source>Ошибка автоматического выбора proxy сервера!

%1</source>
        <translation>Error in the automatic choice of a proxy server!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="195"/>
        <source>Поиск proxy-серверов</source>
        <translation>Proxy server search</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="206"/>
        <source>Не задан адрес службы списка proxy-серверов. Укажите его в параметрах программы (страница &quot;Сеть&quot;) или ключом ProxyListUrl в разделе [NETWORK] файла Vertoma_5x54.ini.</source>
        <translation>The address of the proxy list service is not set. Enter it in the program settings (page &quot;Network&quot;) or as the ProxyListUrl key in the [NETWORK] section of Vertoma_5x54.ini.</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="215"/>
        <source>Не найдено ни одного proxy-сервера с заданными параметрами</source>
        <translation>No proxy server with the given parameters was found</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="219"/>
        <source>Ошибка получения списка proxy-серверов!

%1</source>
        <translation>Error getting the list of proxy servers!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="247"/>
        <location filename="../work/main/app/WebController.cpp" line="253"/>
        <source>Файлы тиражей (*.csv)</source>
        <translation>Draw files (*.csv)</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="259"/>
        <source>Экспорт тиражей в файл &quot;%1&quot;...</source>
        <translation>Exporting the draws to the file &quot;%1&quot;...</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="263"/>
        <source>Ошибка записи в файл &quot;%1&quot;!

%2</source>
        <translation>Error writing the file &quot;%1&quot;!

%2</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="272"/>
        <source>Импорт тиражей из файла &quot;%1&quot;...</source>
        <translation>Importing the draws from the file &quot;%1&quot;...</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="276"/>
        <source>Ошибка импорта тиражей!

%1</source>
        <translation>Error importing the draws!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebController.cpp" line="285"/>
        <source>Импорт тиражей завершён.

Добавлено тиражей: %1
Пропущено строк: %2</source>
        <translation>The draw import has finished.

Draws added: %1
Lines skipped: %2</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="50"/>
        <source>Не задан адрес сайта лотереи, с которого загружаются тиражи. Укажите его в параметрах программы (страница &quot;Сеть&quot;) или ключом OperatorUrl в разделе [NETWORK] файла Vertoma_5x54.ini.</source>
        <translation>The address of the lottery site the draws are downloaded from is not set. Enter it in the program settings (page &quot;Network&quot;) or as the OperatorUrl key in the [NETWORK] section of Vertoma_5x54.ini.</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="83"/>
        <source>Ошибка загрузки архива тиражей с сайта: &quot;%1&quot;

Повторить попытку?</source>
        <translation>Error downloading the draw archive from the site: &quot;%1&quot;

Try again?</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="84"/>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="101"/>
        <source>Загрузка тиражей %1 - %2...</source>
        <translation>Downloading draws %1 - %2...</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="121"/>
        <source>Сохранение файла тиражей...</source>
        <translation>Saving the draw file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="130"/>
        <source>Импорт из CSV-файла...</source>
        <translation>Import from CSV file...</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="132"/>
        <source>Загрузить с сайта лотереи</source>
        <translation>Download from lottery website</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="133"/>
        <source>Позже</source>
        <translation>Later</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="134"/>
        <source>Архив тиражей пуст.

Без тиражей статистика, фильтры и сценарии не работают. </source>
        <translation>The draw archive is empty.

Statistics, filters and scripts do not work without draws. </translation>
    </message>
    <message>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="136"/>
        <source> или загрузите их с сайта лотереи.</source>
        <translation> or download them from the lottery website.</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="137"/>
        <source>.

Чтобы загружать тиражи с сайта лотереи, укажите его адрес на странице &quot;Сеть&quot; (&quot;Файл&quot; - &quot;Параметры&quot;).</source>
        <translation>.

To download draws from the lottery website, enter its address on the &quot;Network&quot; page (&quot;File&quot; - &quot;Settings&quot;).</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="139"/>
        <source>Архив тиражей</source>
        <translation>Draw archive</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="157"/>
        <source>Подтверждение</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <location filename="../work/main/app/WebControllerDownload.cpp" line="158"/>
        <source>Обновить список тиражей?

Для выполнения обновления необходимо действующее подключение к сети Интернет.</source>
        <translation>Update the draw list?

The update needs a working Internet connection.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Тест %1 из %2: %3</source>
        <translation>Test %1 of %2: %3</translation>
    </message>
    <message>
        <source>Построение файлов распределений...</source>
        <translation>Building the distribution files...</translation>
    </message>
    <message>
        <source>Построение файла распределения %1...</source>
        <translation>Building the distribution file of %1...</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliFilter.cpp" line="39"/>
        <location filename="../work/main/cli/CliStats.cpp" line="48"/>
        <location filename="../work/main/cli/CliSupport.cpp" line="59"/>
        <location filename="../work/main/cli/CliSupport.cpp" line="77"/>
        <location filename="../work/main/cli/CliViews.cpp" line="68"/>
        <source>Неизвестный параметр: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Не указано значение параметра.</source>
        <translation type="vanished">An option has no value.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="55"/>
        <source>Укажите числа тиража одним параметром, например: 5;12;33;40;54;7</source>
        <translation>Give the draw&apos;s numbers as one argument, e.g. 5;12;33;40;54;7</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="59"/>
        <location filename="../work/main/cli/CliStakes.cpp" line="126"/>
        <location filename="../work/main/cli/CliViews.cpp" line="282"/>
        <source>Введена некорректная комбинация!</source>
        <translation>The combination entered is invalid!</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="64"/>
        <location filename="../work/main/cli/CliCommands.cpp" line="100"/>
        <location filename="../work/main/cli/CliSystems.cpp" line="70"/>
        <location filename="../work/main/cli/CliTables.cpp" line="176"/>
        <source>Некорректный номер тиража: %1</source>
        <translation>Invalid draw number: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="73"/>
        <source>Некорректная дата тиража: %1</source>
        <translation>Invalid draw date: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="97"/>
        <source>Укажите номер удаляемого тиража.</source>
        <translation>Give the number of the draw to delete.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="107"/>
        <location filename="../work/main/cli/CliViews.cpp" line="292"/>
        <source>Тираж № %1 не найден в архиве.</source>
        <translation>Draw No. %1 is not in the archive.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="145"/>
        <location filename="../work/main/cli/CliFilter.cpp" line="62"/>
        <location filename="../work/main/cli/CliScript.cpp" line="148"/>
        <location filename="../work/main/cli/CliStats.cpp" line="87"/>
        <location filename="../work/main/cli/CliViews.cpp" line="60"/>
        <source>Смещение должно быть от 0 до %1: %2</source>
        <translation>The offset must be from 0 to %1: %2</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliUserIo.cpp" line="25"/>
        <location filename="../work/main/cli/CliUserIo.cpp" line="36"/>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliUserIo.cpp" line="32"/>
        <source>Найдена новая версия программы: %1 (текущая %2)</source>
        <translation>New version available: %1 (current: %2)</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliUserIo.cpp" line="35"/>
        <source>Установить</source>
        <translation>Install</translation>
    </message>
    <message>
        <location filename="../work/main/cli/main.cpp" line="34"/>
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
        <translation type="vanished">Usage:
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
        <location filename="../work/main/cli/CliFilter.cpp" line="34"/>
        <source>Укажите текст фильтра, например: TSD1#NUMS:10#LMV:5#SF:1</source>
        <translation>Give the filter text, e.g. TSD1#NUMS:10#LMV:5#SF:1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliFilter.cpp" line="36"/>
        <source>Строка сценария содержит не более %1 фильтров.</source>
        <translation>A script line holds at most %1 filters.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliFilter.cpp" line="46"/>
        <source>Некорректное описание фильтра: %1!</source>
        <translation>Invalid filter description: %1!</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="47"/>
        <source>Укажите код метода расчета статистики, например: NUMS</source>
        <translation>Give the code of a statistic method, e.g. NUMS</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="46"/>
        <source>Файл параметров экспорта (.exp).</source>
        <translation>Export settings file (.exp).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="48"/>
        <source>Только выделенные строки, считая с 1: например 1,3,5-7.</source>
        <translation>Selected rows only, counted from 1: for example 1,3,5-7.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="50"/>
        <source>Количество тиражей для таблицы статистики и схемы.</source>
        <translation>Number of draws for the statistics table and the layout.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="52"/>
        <source>Файл комбинаций вместо сгенерированного списка.</source>
        <translation>Combination file instead of the generated list.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="55"/>
        <source>Список: draws, combs, stat CODE, ratings, card, layout или stakes.</source>
        <translation>List: draws, combs, stat CODE, ratings, card, layout or stakes.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="56"/>
        <source>Файл рабочей книги.</source>
        <translation>Workbook file.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="58"/>
        <source>Экспорт списка в рабочую книгу Microsoft Excel (.xlsx).</source>
        <translation>Export a list to a Microsoft Excel workbook (.xlsx).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="65"/>
        <source>Укажите код метода и файл: export stat CODE FILE.xlsx</source>
        <translation>Give the method code and the file: export stat CODE FILE.xlsx</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="69"/>
        <source>Укажите список и файл: export SOURCE FILE.xlsx</source>
        <translation>Give the list and the file: export SOURCE FILE.xlsx</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="72"/>
        <source>Имя файла рабочей книги должно оканчиваться на .xlsx: %1</source>
        <translation>The workbook file name must end with .xlsx: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="79"/>
        <source>Некорректный список строк: %1</source>
        <translation>Invalid row list: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="87"/>
        <location filename="../work/main/cli/CliStats.cpp" line="57"/>
        <location filename="../work/main/cli/CliViews.cpp" line="46"/>
        <source>Количество тиражей должно быть от 1 до 2147483647: %1</source>
        <translation>The number of draws must be from 1 to 2147483647: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="93"/>
        <source>--in относится только к списку combs.</source>
        <translation>--in applies only to the combs list.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="109"/>
        <source>Комбинации</source>
        <translation>Combinations</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="119"/>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="123"/>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="165"/>
        <source>Рейтинг</source>
        <translation>Rating</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="128"/>
        <source>Карта тиражей</source>
        <translation>Draw card</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="136"/>
        <source>Схема</source>
        <translation>Layout</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="148"/>
        <source>Ставки</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="150"/>
        <source>Неизвестный список: %1 (draws, combs, stat CODE, ratings, card, layout, stakes)</source>
        <translation>Unknown list: %1 (draws, combs, stat CODE, ratings, card, layout, stakes)</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="156"/>
        <source>Строки %1 нет в списке (строк: %2).</source>
        <translation>Row %1 is not in the list (rows: %2).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="162"/>
        <source>Экспортировано строк: %1</source>
        <translation>Rows exported: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="236"/>
        <location filename="../work/main/cli/CliStats.cpp" line="69"/>
        <source>Некорректная сортировка: %1 (ожидается номер столбца 0..%2 и, по желанию, :desc)</source>
        <translation>Invalid sort: %1 (expected a column number 0..%2, optionally followed by :desc)</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="114"/>
        <location filename="../work/main/cli/CliStats.cpp" line="80"/>
        <location filename="../work/main/cli/CliStats.cpp" line="137"/>
        <location filename="../work/main/cli/CliViews.cpp" line="97"/>
        <source>Неизвестный метод расчета статистики: %1</source>
        <translation>Unknown statistic method: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="96"/>
        <location filename="../work/main/cli/CliStats.cpp" line="139"/>
        <source>Для метода %1 нет распределения по полному набору комбинаций.</source>
        <translation>Method %1 has no distribution over the full set of combinations.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="125"/>
        <source>Укажите --all или коды методов.</source>
        <translation>Give --all or method codes.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="171"/>
        <source>Режим генерации должен быть от 0 до %1: %2</source>
        <translation>The generation mode must be from 0 to %1: %2</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="24"/>
        <source>Числа каждого тиража по возрастанию.</source>
        <translation>The numbers of each draw in ascending order.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="26"/>
        <source>Список тиражей, новые первыми.</source>
        <translation>List of draws, newest first.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="46"/>
        <location filename="../work/main/cli/CliCommands.cpp" line="92"/>
        <source>Номер тиража.</source>
        <translation>Draw number.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="48"/>
        <source>Дата тиража.</source>
        <translation>Draw date.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="50"/>
        <source>Пять чисел и ключевое число, например: 5;12;33;40;54;7</source>
        <translation>Five numbers and the key number, e.g. 5;12;33;40;54;7</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="51"/>
        <source>Добавить тираж в архив.</source>
        <translation>Add a draw to the archive.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="93"/>
        <source>Удалить тираж из архива.</source>
        <translation>Delete a draw from the archive.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="135"/>
        <location filename="../work/main/cli/CliFilter.cpp" line="21"/>
        <location filename="../work/main/cli/CliScript.cpp" line="119"/>
        <location filename="../work/main/cli/CliStats.cpp" line="30"/>
        <location filename="../work/main/cli/CliViews.cpp" line="34"/>
        <source>Смещение точки анализа от последнего тиража.</source>
        <translation>Offset of the analysis point from the last draw.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="137"/>
        <source>Три панели архива в строке состояния.</source>
        <translation>The three archive panels of the status bar.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="242"/>
        <source>Использование:</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliCommands.cpp" line="246"/>
        <source>СЛОВО</source>
        <translation>WORD</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliFilter.cpp" line="17"/>
        <source>Начальный список из файла комбинаций.</source>
        <translation>Starting list from a combination file.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliFilter.cpp" line="19"/>
        <source>Сохранить последний список в файле.</source>
        <translation>Save the last list to a file.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliFilter.cpp" line="22"/>
        <location filename="../work/main/cli/CliStats.cpp" line="34"/>
        <source>Сравнение с полным набором комбинаций.</source>
        <translation>Comparison with the full set of combinations.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliFilter.cpp" line="24"/>
        <source>Фильтры строки сценария.</source>
        <translation>The filters of a script line.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliFilter.cpp" line="26"/>
        <source>Применить варианты фильтров, по строке на вариант.</source>
        <translation>Apply the filter variants, one line per variant.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="74"/>
        <source>Первая выводимая запись (с 1).</source>
        <translation>First record to print (from 1).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="76"/>
        <source>Список ставок в порядке файла.</source>
        <translation>List of stakes in file order.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="82"/>
        <source>Некорректный номер записи: %1</source>
        <translation>Invalid record number: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="143"/>
        <location filename="../work/main/cli/CliStakes.cpp" line="92"/>
        <location filename="../work/main/cli/CliStakes.cpp" line="107"/>
        <source>Ошибка чтения файла ставок!</source>
        <translation>Error reading the stake file!</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="118"/>
        <source>Пять чисел ставки, например: 5;12;33;40;54</source>
        <translation>The five numbers of the stake, e.g. 5;12;33;40;54</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="120"/>
        <source>Сделать ставку и сразу проверить ее по архиву тиражей.</source>
        <translation>Place a stake and check it against the draw archive at once.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="123"/>
        <source>Укажите числа ставки одним параметром, например: 5;12;33;40;54</source>
        <translation>Give the stake&apos;s numbers as one argument, e.g. 5;12;33;40;54</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="147"/>
        <location filename="../work/main/cli/CliSystems.cpp" line="58"/>
        <source>Комбинации из файла вместо сгенерированного списка.</source>
        <translation>Combinations from a file instead of the generated list.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="150"/>
        <source>Сделать ставки для всех комбинаций списка.</source>
        <translation>Place stakes on all combinations of the list.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="169"/>
        <source>Проверить ставки по архиву тиражей и вывести, сколько проверено.</source>
        <translation>Check the stakes against the draw archive and print how many were checked.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="182"/>
        <source>0 равно, 1 более, 2 не менее, 3 менее, 4 не более (количество совпадений).</source>
        <translation>0 equal to, 1 more than, 2 at least, 3 less than, 4 at most (number of matches).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="183"/>
        <source>Количество совпадений 0..5.</source>
        <translation>Number of matches 0..5.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="185"/>
        <source>Удалить ставки с заданным количеством совпадений.</source>
        <translation>Delete the stakes with the given number of matches.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="189"/>
        <location filename="../work/main/cli/CliStakes.cpp" line="193"/>
        <source>Укажите условие (0..4) и количество совпадений (0..5).</source>
        <translation>Give the condition (0..4) and the number of matches (0..5).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="205"/>
        <source>Удалить все ставки; накопленный рейтинг сохраняется.</source>
        <translation>Delete all stakes; the accumulated rating is kept.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="221"/>
        <source>Сортировка по столбцу (0..17), по убыванию с :desc.</source>
        <translation>Sort by column (0..17), descending with :desc.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="223"/>
        <source>Режим столбцов E0..E5: 0, 1 или 2.</source>
        <translation>Mode of the columns E0..E5: 0, 1 or 2.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="226"/>
        <source>Рейтинг: 18 столбцов списка, по строке на запись.</source>
        <translation>Rating: the 18 columns of the list, one line per record.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="246"/>
        <source>Режим должен быть 0, 1 или 2: %1</source>
        <translation>The mode must be 0, 1 or 2: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="254"/>
        <source>Ошибка чтения файла рейтинга!</source>
        <translation>Error reading the rating file!</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="276"/>
        <source>Пересчитать рейтинг по текущим ставкам.</source>
        <translation>Recalculate the rating from the current stakes.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliDrawsTransfer.cpp" line="21"/>
        <source>Сколько раз повторить загрузку после ошибки (по умолчанию 0).</source>
        <translation>How many times to repeat the download after an error (0 by default).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliDrawsTransfer.cpp" line="24"/>
        <source>Загрузить новые тиражи с сайта лотереи (адрес: OperatorUrl в разделе [NETWORK] файла Vertoma_5x54.ini).</source>
        <translation>Download new draws from the lottery site (address: OperatorUrl in the [NETWORK] section of Vertoma_5x54.ini).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliDrawsTransfer.cpp" line="32"/>
        <source>Количество повторов должно быть от 0 до 1000: %1</source>
        <translation>The number of repeats must be from 0 to 1000: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliDrawsTransfer.cpp" line="54"/>
        <source>Загружено тиражей: %1</source>
        <translation>Draws downloaded: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliDrawsTransfer.cpp" line="61"/>
        <location filename="../work/main/cli/CliDrawsTransfer.cpp" line="77"/>
        <location filename="../work/main/cli/CliStakes.cpp" line="289"/>
        <source>CSV-файл.</source>
        <translation>CSV file.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliDrawsTransfer.cpp" line="63"/>
        <source>Экспорт архива тиражей в CSV-файл.</source>
        <translation>Export the draw archive to a CSV file.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliDrawsTransfer.cpp" line="70"/>
        <source>Архив тиражей пуст.</source>
        <translation>The draw archive is empty.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliDrawsTransfer.cpp" line="79"/>
        <source>Импорт тиражей из CSV-файла: строки &quot;номер;&quot;дата&quot;;5 чисел;ключ&quot; или &quot;&quot;дата&quot;;5 чисел;ключ&quot;.</source>
        <translation>Import draws from a CSV file: lines &quot;number;&quot;date&quot;;5 numbers;key&quot; or &quot;&quot;date&quot;;5 numbers;key&quot;.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliDrawsTransfer.cpp" line="92"/>
        <source>Добавлено тиражей: %1, пропущено строк: %2</source>
        <translation>Draws added: %1, lines skipped: %2</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="291"/>
        <source>Экспорт рейтинга в CSV-файл.</source>
        <translation>Export the rating to a CSV file.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliDrawsTransfer.cpp" line="66"/>
        <location filename="../work/main/cli/CliDrawsTransfer.cpp" line="84"/>
        <location filename="../work/main/cli/CliStakes.cpp" line="294"/>
        <source>Укажите CSV-файл.</source>
        <translation>Give the CSV file.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="15"/>
        <source>Код и название каждого предлагаемого метода расчета статистики.</source>
        <translation>Code and name of every statistic method offered.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="28"/>
        <location filename="../work/main/cli/CliViews.cpp" line="29"/>
        <source>Количество тиражей для расчета.</source>
        <translation>Number of draws for the calculation.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="32"/>
        <source>Сортировка по столбцу (0..19), по убыванию с :desc.</source>
        <translation>Sort by column (0..19), descending with :desc.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="33"/>
        <location filename="../work/main/cli/CliViews.cpp" line="79"/>
        <source>Числа тиражей по возрастанию.</source>
        <translation>Draw numbers in ascending order.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="36"/>
        <source>Код метода расчета статистики, например: NUMS</source>
        <translation>Code of a statistic method, e.g. NUMS</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="38"/>
        <source>Таблица значений одного метода расчета статистики (20 столбцов).</source>
        <translation>Value table of one statistic method (20 columns).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="116"/>
        <source>Все методы с распределением по полному набору.</source>
        <translation>All methods with a distribution over the full set.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="118"/>
        <source>Коды методов.</source>
        <translation>Method codes.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="120"/>
        <source>Построить файлы распределений по полному набору комбинаций.</source>
        <translation>Build the distribution files over the full set of combinations.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="154"/>
        <source>Режим генерации.</source>
        <translation>Generation mode.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="156"/>
        <source>Параметры генерации.</source>
        <translation>Generation parameters.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="158"/>
        <source>Сохранить список в файле комбинаций.</source>
        <translation>Save the list to a combination file.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStats.cpp" line="161"/>
        <source>Генерировать список комбинаций и вывести его размер.</source>
        <translation>Generate the combination list and print its size.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSupport.cpp" line="52"/>
        <source>Показать эту справку.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSupport.cpp" line="63"/>
        <source>Не указано значение параметра: %1</source>
        <translation>No value given for the option: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliUserIo.cpp" line="25"/>
        <location filename="../work/main/cli/CliUserIo.cpp" line="36"/>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="81"/>
        <source>Код метода с графиком, например: SUMS</source>
        <translation>Code of a method with a graph, e.g. SUMS</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="83"/>
        <source>Значение метода по тиражам окна, среднее и наиболее частое значение.</source>
        <translation>The method&apos;s value in each draw of the window, the average and the most frequent value.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="86"/>
        <source>Укажите код метода с графиком, например: SUMS</source>
        <translation>Give the code of a method with a graph, e.g. SUMS</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="99"/>
        <location filename="../work/main/cli/CliViews.cpp" line="108"/>
        <source>Метод %1 не строит графиков.</source>
        <translation>Method %1 has no graphs.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="117"/>
        <location filename="../work/main/cli/CliViews.cpp" line="241"/>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="132"/>
        <source>Пять списков сравнения вместо схемы.</source>
        <translation>The five comparison lists instead of the layout.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="134"/>
        <source>Окна пяти списков сравнения (по умолчанию 50,100,200,300,400).</source>
        <translation>Windows of the five comparison lists (50,100,200,300,400 by default).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="139"/>
        <source>Схема выпадения номеров: строки по количеству, столбцы по последнему тиражу.</source>
        <translation>Layout of drawn numbers: rows by count, columns by last draw.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="154"/>
        <source>Укажите пять окон от 1 до 2147483647 через запятую: %1</source>
        <translation>Give five windows from 1 to 2147483647, separated by commas: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="164"/>
        <source>Список</source>
        <translation>List</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliExport.cpp" line="102"/>
        <location filename="../work/main/cli/CliViews.cpp" line="164"/>
        <source>Тиражи</source>
        <translation>Draws</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="164"/>
        <location filename="../work/main/cli/CliViews.cpp" line="173"/>
        <source>Кол-во</source>
        <translation>Count</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="164"/>
        <source>Номера</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="193"/>
        <source>Сколько раз каждый номер выпадал в каждый день недели.</source>
        <translation>How many times each number was drawn on each day of the week.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="206"/>
        <source>День</source>
        <translation>Day</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="225"/>
        <source>Сколько предыдущих тиражей сравнивается с каждым.</source>
        <translation>How many previous draws each draw is compared with.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="228"/>
        <source>Количество повторов в зависимости от тиража (без смещения).</source>
        <translation>Number of repeats by draw (no offset).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="241"/>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="241"/>
        <source>Кол-во повторов</source>
        <translation>Repeats</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="241"/>
        <source>Список тиражей</source>
        <translation>Draw list</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="253"/>
        <source>Номер тиража архива.</source>
        <translation>Number of an archive draw.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="254"/>
        <source>Числа тиража по возрастанию.</source>
        <translation>The draw&apos;s numbers in ascending order.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="256"/>
        <source>Пять чисел комбинации, например: 1;2;3;4;5</source>
        <translation>The five numbers of the combination, e.g. 1;2;3;4;5</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="260"/>
        <source>Подробная информация о комбинации или тираже: значения всех методов с графиком.</source>
        <translation>Detailed information on a combination or draw: the values of all methods with a graph.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="264"/>
        <source>Укажите комбинацию или --draw NUM.</source>
        <translation>Give a combination or --draw NUM.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="268"/>
        <source>Смещение задается только для комбинации.</source>
        <translation>The offset applies only to a combination.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="301"/>
        <source>Свойство</source>
        <translation>Property</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="301"/>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="311"/>
        <source>Распределение сумм тиражей и всех возможных комбинаций, три диапазона.</source>
        <translation>Distribution of the sums of draws and of all possible combinations, three ranges.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="318"/>
        <source>Сумма</source>
        <translation>Sum</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="318"/>
        <source>Теоретически</source>
        <translation>Theoretical</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="318"/>
        <source>Фактически</source>
        <translation>Actual</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="322"/>
        <source>Диапазон</source>
        <translation>Range</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="322"/>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="322"/>
        <source>От</source>
        <translation>From</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliViews.cpp" line="322"/>
        <source>До</source>
        <translation>To</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="54"/>
        <location filename="../work/main/cli/CliTables.cpp" line="164"/>
        <source>Номер тиража (по умолчанию следующий).</source>
        <translation>Draw number (the next one by default).</translation>
    </message>
    <message>
        <source>Количество тиражей, начиная с указанного.</source>
        <translation type="vanished">Number of draws, starting with the given one.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="46"/>
        <location filename="../work/main/cli/CliTables.cpp" line="150"/>
        <location filename="../work/main/cli/CliTables.cpp" line="213"/>
        <source>Укажите номера регулярных ставок (с 1).</source>
        <translation>Give the regular stake numbers (from 1).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="54"/>
        <source>Нет регулярной ставки с номером %1.</source>
        <translation>There is no regular stake number %1.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="66"/>
        <source>Регулярные ставки: пять столбцов списка.</source>
        <translation>Regular stakes: the five columns of the list.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="84"/>
        <source>Ошибка чтения файла регулярных ставок!</source>
        <translation>Error reading the regular stakes file!</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="88"/>
        <source>Файл регулярных ставок оканчивается неполной записью (%1 байт): выведены все целые записи.</source>
        <translation>The regular stakes file ends with an incomplete record (%1 bytes): all whole records are shown.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="97"/>
        <source>Комментарий к ставке.</source>
        <translation>Stake comment.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="99"/>
        <source>Постоянная стартовая комбинация, например: 1;2;3;4;5</source>
        <translation>Constant start combination, for example: 1;2;3;4;5</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="101"/>
        <source>Использовать данные предыдущего тиража.</source>
        <translation>Use the data of the previous draw.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="103"/>
        <source>Шаг изменения элементов комбинации (-54..54, по умолчанию 1).</source>
        <translation>Step of change of the combination&apos;s numbers (-54..54, 1 by default).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="107"/>
        <source>Добавить регулярную ставку.</source>
        <translation>Add a regular stake.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="110"/>
        <source>Укажите либо стартовую комбинацию (--start), либо --last-draw.</source>
        <translation>Give either a start combination (--start) or --last-draw.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="115"/>
        <source>Шаг должен быть от -54 до 54: %1</source>
        <translation>The step must be from -54 to 54: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="145"/>
        <location filename="../work/main/cli/CliTables.cpp" line="206"/>
        <source>Номера регулярных ставок, с 1.</source>
        <translation>Regular stake numbers, from 1.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="147"/>
        <source>Удалить регулярные ставки.</source>
        <translation>Delete regular stakes.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="166"/>
        <source>Номер регулярной ставки, с 1.</source>
        <translation>Regular stake number, from 1.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="168"/>
        <source>Сделать ставку по регуляру и сразу проверить ее по архиву тиражей.</source>
        <translation>Make a stake from the regular rule and check it against the draw archive at once.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="171"/>
        <source>Укажите номер регулярной ставки (с 1).</source>
        <translation>Give the regular stake number (from 1).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliTables.cpp" line="208"/>
        <source>Тестирование регулярных ставок на последних тиражах.</source>
        <translation>Test the regular stakes on the last draws.</translation>
    </message>
    <message>
        <source>Количество тиражей должно быть от 1 до 65535: %1</source>
        <translation type="vanished">The number of draws must be from 1 to 65535: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="29"/>
        <source>Системы на этом компьютере: файл, числа, блок и количество комбинаций.</source>
        <translation>Systems on this computer: file, numbers, block and number of combinations.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="31"/>
        <source>Файл	Числа	Блок	Комбинаций</source>
        <translation>File	Numbers	Block	Combinations</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="50"/>
        <source>Все комбинации системы.</source>
        <translation>All combinations of the system.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="52"/>
        <source>Только комбинации системы, которые есть в списке комбинаций.</source>
        <translation>Only the system&apos;s combinations that are in the combination list.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="56"/>
        <source>Комментарий к ставкам.</source>
        <translation>Comment for the stakes.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="61"/>
        <source>Системная игра с числами списка комбинаций.</source>
        <translation>System game with the numbers of the combination list.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="64"/>
        <source>Укажите один из ключей: --all или --filter.</source>
        <translation>Give one of the keys: --all or --filter.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="75"/>
        <source>Необходимо ввести комментарий!</source>
        <translation>You must enter a comment!</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="77"/>
        <location filename="../work/main/cli/CliTables.cpp" line="120"/>
        <source>Комментарий к ставке длиннее 64 символов.</source>
        <translation>The stake comment is longer than 64 characters.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="91"/>
        <source>Список комбинаций пуст.</source>
        <translation>The combination list is empty.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="104"/>
        <source>Записей добавлено: %1</source>
        <translation>Records added: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="112"/>
        <source>Заявленный блок 0..5 (по умолчанию из имени файла).</source>
        <translation>Claimed block 0..5 (from the file name by default).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="114"/>
        <source>Файл системы.</source>
        <translation>System file.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="116"/>
        <source>Гарантия системы по всем тиражам из пяти ее чисел.</source>
        <translation>Guarantee of the system over all draws of five of its numbers.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="119"/>
        <source>Укажите файл системы.</source>
        <translation>Give the system file.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="126"/>
        <source>Блок должен быть от 0 до 5: %1</source>
        <translation>The block must be from 0 to 5: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="132"/>
        <source>Ошибка загрузки комбинаций системы!</source>
        <translation>Error loading the system combinations!</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="136"/>
        <source>Файл системы не содержит ни одной комбинации</source>
        <translation>The system file has no combinations</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="143"/>
        <source>Числа: %1</source>
        <translation>Numbers: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="144"/>
        <source>Комбинаций: %1</source>
        <translation>Combinations: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="145"/>
        <source>гарантия: %1 из 5</source>
        <translation>guarantee: %1 of 5</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="146"/>
        <source>Тиражей: %1</source>
        <translation>Draws: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="148"/>
        <source>Лучшее совпадение %1: %2</source>
        <translation>Best match %1: %2</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystems.cpp" line="149"/>
        <source>Блок %1: не выполняется для %2 из %3 тиражей</source>
        <translation>Block %1: not met for %2 of %3 draws</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="28"/>
        <source>Ошибка чтения файла &quot;%1&quot;!</source>
        <translation>Error reading the file &quot;%1&quot;!</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="51"/>
        <location filename="../work/main/cli/CliScript.cpp" line="117"/>
        <source>Файл сценария вместо текущего сценария.</source>
        <translation>Script file instead of the current script.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="54"/>
        <source>Строки сценария: комментарий, опции и семь фильтров.</source>
        <translation>Script lines: comment, options and seven filters.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="70"/>
        <source>Строка сценария.</source>
        <translation>Script line.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="71"/>
        <source>Добавить строку в конец сценария.</source>
        <translation>Add a line at the end of the script.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="74"/>
        <source>Укажите строку сценария одним параметром.</source>
        <translation>Give the script line as one parameter.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="85"/>
        <source>Добавить к текущему сценарию.</source>
        <translation>Add to the current script.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="87"/>
        <location filename="../work/main/cli/CliScript.cpp" line="102"/>
        <source>Файл сценария (*.lsc).</source>
        <translation>Script file (*.lsc).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="89"/>
        <source>Загрузить сценарий из файла.</source>
        <translation>Load a script from a file.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="92"/>
        <location filename="../work/main/cli/CliScript.cpp" line="106"/>
        <source>Укажите файл сценария.</source>
        <translation>Give the script file.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="103"/>
        <source>Сохранить сценарий в файле.</source>
        <translation>Save the script to a file.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="121"/>
        <location filename="../work/main/cli/CliTables.cpp" line="204"/>
        <source>Количество тестов (последних тиражей).</source>
        <translation>Number of tests (last draws).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="122"/>
        <source>Вести журнал выполнения сценария.</source>
        <translation>Keep the script run log.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="126"/>
        <source>Тестирование сценария на последних тиражах.</source>
        <translation>Test the script on the last draws.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="127"/>
        <source>Выполнить сценарий для текущего тиража и смещения.</source>
        <translation>Run the script for the current draw and offset.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="131"/>
        <location filename="../work/main/cli/CliTables.cpp" line="211"/>
        <source>Укажите количество тестов: --count N</source>
        <translation>Give the number of tests: --count N</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="138"/>
        <source>Сценарий пуст.</source>
        <translation>The script is empty.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="144"/>
        <location filename="../work/main/cli/CliTables.cpp" line="219"/>
        <source>Количество тестов должно быть от 1 до %1: %2</source>
        <translation>The number of tests must be from 1 to %1: %2</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="167"/>
        <source>Строки рейтинга, с 1.</source>
        <translation>Rating rows, from 1.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="169"/>
        <source>Добавить в сценарий строки, построенные по строкам рейтинга.</source>
        <translation>Add to the script the lines built from the rating rows.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="173"/>
        <source>Укажите номера строк рейтинга.</source>
        <translation>Give the rating row numbers.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScript.cpp" line="183"/>
        <source>Нет строки рейтинга с номером %1.</source>
        <translation>There is no rating row number %1.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="37"/>
        <source>Ошибка чтения файла конфигурации!

%1</source>
        <translation>Error reading the configuration file!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="48"/>
        <source>Ошибка загрузки списка систем!

%1</source>
        <translation>Error loading the list of systems!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="55"/>
        <source>Список систем библиотеки на сервере.</source>
        <translation>The list of library systems on the server.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="55"/>
        <source>Сценарий #%1 не найден в каталоге.</source>
        <translation>Script #%1 not found in the catalog.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="64"/>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="269"/>
        <source>Код сценария в каталоге.</source>
        <translation>Script ID in the catalog.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="69"/>
        <source>Укажите код сценария в каталоге.</source>
        <translation>Specify the script ID in the catalog.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="150"/>
        <source>Фильтр каталога 0..7 (по умолчанию как в окне программы).</source>
        <translation>Catalog filter 0..7 (default: same as in the program window).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="152"/>
        <source>Online каталог сценариев.</source>
        <translation>Online script catalog.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="159"/>
        <source>Фильтр каталога - число от 0 до %1: %2</source>
        <translation>Catalog filter must be a number from 0 to %1: %2</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="164"/>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="64"/>
        <source>Код</source>
        <translation>Code</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="164"/>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="64"/>
        <source>Название</source>
        <translation>Title</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="164"/>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="64"/>
        <source>Автор</source>
        <translation>Author</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="164"/>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="164"/>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="310"/>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="164"/>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="310"/>
        <source>Версия</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="166"/>
        <source>Доступ</source>
        <translation>Access</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="169"/>
        <source>публичный</source>
        <translation>public</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="169"/>
        <source>личный</source>
        <translation>private</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="171"/>
        <source>, для другой программы</source>
        <translation>, for another program</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="188"/>
        <source>Скачать сценарий из каталога в текущий сценарий.</source>
        <translation>Download a script from the catalog into the current script.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="192"/>
        <source>Сценарий #%1 предназначен для другой программы.</source>
        <translation>Script #%1 is intended for another program.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="198"/>
        <source>Загружен сценарий #%1, строк: %2</source>
        <translation>Downloaded script #%1, lines: %2</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="200"/>
        <source>Прежний сценарий: %1</source>
        <translation>Previous script: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="210"/>
        <source>Опубликовать текущий сценарий в каталоге.</source>
        <translation>Publish the current script to the catalog.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="142"/>
        <source>Текущий сценарий не содержит ни одной строки.</source>
        <translation>The current script contains no lines.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="221"/>
        <source>Опубликован сценарий #%1</source>
        <translation>Published script #%1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="232"/>
        <source>Заменить свой сценарий в каталоге текущим.</source>
        <translation>Replace your script in the catalog with the current one.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="236"/>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="257"/>
        <source>Сценарий #%1 не Ваш или предназначен для другой программы.</source>
        <translation>Script #%1 is not yours or is intended for another program.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="244"/>
        <source>Заменён сценарий #%1</source>
        <translation>Replaced script #%1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="253"/>
        <source>Удалить свой сценарий из каталога.</source>
        <translation>Delete your script from the catalog.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="262"/>
        <source>Удалён сценарий #%1</source>
        <translation>Deleted script #%1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="271"/>
        <source>Оценка 1..5; 0 удаляет Вашу оценку, hide скрывает сценарий из Вашего списка.</source>
        <translation>Rating 1..5; 0 removes your rating, hide hides the script from your list.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="273"/>
        <source>Комментарий к оценке 1..5.</source>
        <translation>Comment for a rating of 1..5.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="275"/>
        <source>Оценить сценарий каталога.</source>
        <translation>Rate a catalog script.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="280"/>
        <source>Укажите код сценария и оценку.</source>
        <translation>Specify the script ID and the rating.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="285"/>
        <source>Оценка - число от 0 до 5 или hide: %1</source>
        <translation>Rating must be a number from 0 to 5 or hide: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="288"/>
        <source>Комментарий оставляют только к оценке 1..5.</source>
        <translation>A comment can only be given with a rating of 1..5.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="303"/>
        <source>Оценки сценария пользователями.</source>
        <translation>User ratings of the script.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="310"/>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="310"/>
        <source>Оценка</source>
        <translation>Rating</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="310"/>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="64"/>
        <source>Числа</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="64"/>
        <source>Блок</source>
        <translation>Block</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="64"/>
        <source>Комбинаций</source>
        <translation>Combinations</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="65"/>
        <source>Дата создания</source>
        <translation>Created</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="65"/>
        <source>Статус</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="165"/>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="65"/>
        <source>Загрузок</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="164"/>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="165"/>
        <source>Создан</source>
        <translation>Created</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="165"/>
        <source>Оценок</source>
        <translation>Ratings</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="165"/>
        <source>Ваша оценка</source>
        <translation>Your rating</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="165"/>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="65"/>
        <source>Последняя</source>
        <translation>Last</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="65"/>
        <source>Свой</source>
        <translation>Own</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="166"/>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="310"/>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="66"/>
        <source>Комментарии</source>
        <translation>Comments</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="66"/>
        <source>Ссылка</source>
        <translation>Link</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="76"/>
        <source>Загружена</source>
        <translation>Downloaded</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="78"/>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="87"/>
        <source>Коды систем в библиотеке.</source>
        <translation>System codes in the library.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="89"/>
        <source>Загрузить системы из библиотеки в папку Systems.</source>
        <translation>Download systems from the library into the Systems folder.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="93"/>
        <source>Укажите коды загружаемых систем.</source>
        <translation>Give the codes of the systems to download.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="98"/>
        <source>Некорректный код системы: %1</source>
        <translation>Invalid system code: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="112"/>
        <source>Система #%1 не найдена в библиотеке.</source>
        <translation>System #%1 is not found in the library.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="121"/>
        <source>Ошибка загрузки системы #%1!

%2</source>
        <translation>Error downloading system #%1!

%2</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="126"/>
        <source>Удалена: %1</source>
        <translation>Deleted: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliSystemsLibrary.cpp" line="127"/>
        <source>Загружена: %1</source>
        <translation>Downloaded: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliFolders.cpp" line="18"/>
        <source>Каталог данных, файл справки и найденные языковые модули.</source>
        <translation>Data folder, help file and language modules found.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliFolders.cpp" line="24"/>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliUpdate.cpp" line="29"/>
        <source>Поиск обновлений программы: что предлагает источник обновлений.</source>
        <translation>Check for program updates: what the update source offers.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliUpdate.cpp" line="37"/>
        <source>Ошибка поиска обновлений!

%1</source>
        <translation>Error checking for updates!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliUpdate.cpp" line="41"/>
        <source>Обновлений не найдено!</source>
        <translation>No updates found!</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliUpdate.cpp" line="44"/>
        <source>Текущая версия программы: %1</source>
        <translation>Current version: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliUpdate.cpp" line="45"/>
        <source>Новая версия программы: %1</source>
        <translation>New version: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliUpdate.cpp" line="46"/>
        <source>Номер версии: %1</source>
        <translation>Version number: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliUpdate.cpp" line="47"/>
        <source>Описание версии:</source>
        <translation>Release notes:</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliUpdate.cpp" line="57"/>
        <source>Установить найденное обновление программы.</source>
        <translation>Install the available program update.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliUpdate.cpp" line="81"/>
        <source>Самообновление программы:
  update check    что предлагает источник обновлений
  update install  установить найденное обновление</source>
        <translation>Program self-update:
  update check    what the update source offers
  update install  install the available update</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliUpdate.cpp" line="85"/>
        <source>Укажите действие: update check или update install.</source>
        <translation>Specify an action: update check or update install.</translation>
    </message>
    <message>
        <source>%1 из %2</source>
        <translation>%1 if %2</translation>
    </message>
    <message>
        <source>Время поиска в секундах (по умолчанию 10).</source>
        <translation>Search time in seconds (10 by default).</translation>
    </message>
    <message>
        <source>Время поиска должно быть больше нуля и не больше суток: %1</source>
        <translation>The search time must be above zero and at most a day: %1</translation>
    </message>
    <message>
        <source>Гарантия: угаданных чисел в одной комбинации, 2..4.</source>
        <translation>Guarantee: numbers matched in one combination, 2..4.</translation>
    </message>
    <message>
        <source>Если угадано столько чисел системы, T..5 (по умолчанию 5).</source>
        <translation>When this many of the system&apos;s numbers are drawn, T..5 (5 by default).</translation>
    </message>
    <message>
        <source>Записать систему только в этот файл, а не в папку систем.</source>
        <translation>Write the system only to this file, not to the systems folder.</translation>
    </message>
    <message>
        <source>Количество чисел системы, 6..54.</source>
        <translation>Count of the system&apos;s numbers, 6..54.</translation>
    </message>
    <message>
        <source>Лучшие известные размеры систем и нижние границы (La Jolla Covering Repository, CC BY 4.0).</source>
        <translation>Best known system sizes and lower bounds (La Jolla Covering Repository, CC BY 4.0).</translation>
    </message>
    <message>
        <source>Начальное число должно быть целым неотрицательным: %1</source>
        <translation>The seed must be a non-negative integer: %1</translation>
    </message>
    <message>
        <source>Начальное число случайного поиска (по умолчанию 1).</source>
        <translation>Seed of the random search (1 by default).</translation>
    </message>
    <message>
        <source>Не удается записать файл &quot;%1&quot;: %2</source>
        <translation>Cannot write the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Некорректное число: %1</source>
        <translation>Invalid number: %1</translation>
    </message>
    <message>
        <source>Опорные числа: первые B чисел в каждой комбинации (по умолчанию 0).</source>
        <translation>Bankers: the first B numbers in every combination (0 by default).</translation>
    </message>
    <message>
        <source>Ошибка создания системы!</source>
        <translation>Error creating the system!</translation>
    </message>
    <message>
        <source>Параметры системы должны быть целыми числами.</source>
        <translation>The system&apos;s parameters must be integers.</translation>
    </message>
    <message>
        <source>Система не найдена за отведенное время</source>
        <translation>No system was found in the time given</translation>
    </message>
    <message>
        <source>Создать систему с гарантией для N чисел.</source>
        <translation>Make a system with a guarantee for N numbers.</translation>
    </message>
    <message>
        <source>Только системы для M угаданных.</source>
        <translation>Only systems for M drawn.</translation>
    </message>
    <message>
        <source>Только системы для N чисел.</source>
        <translation>Only systems for N numbers.</translation>
    </message>
    <message>
        <source>Только системы с гарантией T.</source>
        <translation>Only systems with guarantee T.</translation>
    </message>
    <message>
        <source>Укажите --numbers и --guarantee.</source>
        <translation>Give --numbers and --guarantee.</translation>
    </message>
    <message>
        <source>Укажите файл после --out.</source>
        <translation>Give a file after --out.</translation>
    </message>
    <message>
        <source>Числа	Гарантия	Если	Размер	Нижняя граница	Состояние</source>
        <translation>Numbers	Guarantee	If	Size	Lower bound	Status</translation>
    </message>
</context>
<context>
    <name>cli::PropertyOptions</name>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="77"/>
        <source>Название сценария.</source>
        <translation>Script title.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="78"/>
        <source>Описание сценария.</source>
        <translation>Script description.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="80"/>
        <source>Автор (по умолчанию имя пользователя).</source>
        <translation>Author (default: user name).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="81"/>
        <source>Сценарий виден всем пользователям.</source>
        <translation>Script is visible to all users.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="82"/>
        <source>Сценарий виден только мне.</source>
        <translation>Script is visible only to me.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="83"/>
        <source>В любом приложении Numeko.</source>
        <translation>In any Numeko application.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="84"/>
        <source>Только в этой программе.</source>
        <translation>Only in this program.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="94"/>
        <source>Укажите только один из ключей --public и --private.</source>
        <translation>Specify only one of --public and --private.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliScriptsLibrary.cpp" line="96"/>
        <source>Укажите только один из ключей --universal и --single.</source>
        <translation>Specify only one of --universal and --single.</translation>
    </message>
</context>
<context>
    <name>cli::StakeOptions</name>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="35"/>
        <source>Номер тиража (по умолчанию следующий).</source>
        <translation>Draw number (the next one by default).</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="38"/>
        <source>Количество тиражей, начиная с указанного.</source>
        <translation>Number of draws, starting with the given one.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="39"/>
        <source>Комментарий к ставке.</source>
        <translation>Stake comment.</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="51"/>
        <source>Некорректный номер тиража: %1</source>
        <translation>Invalid draw number: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="58"/>
        <source>Количество тиражей должно быть от 1 до 65535: %1</source>
        <translation>The number of draws must be from 1 to 65535: %1</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="63"/>
        <source>Необходимо ввести комментарий!</source>
        <translation>You must enter a comment!</translation>
    </message>
    <message>
        <location filename="../work/main/cli/CliStakes.cpp" line="65"/>
        <source>Комментарий к ставке длиннее 64 символов.</source>
        <translation>The stake comment is longer than 64 characters.</translation>
    </message>
</context>
<context>
    <name>combos</name>
    <message>
        <source>Внимание! Фильтр %1 не выделил ни одной строки таблицы статистики, список комбинаций не изменился.</source>
        <translation>Warning! Filter %1 selected no row of the statistics table; the combination list did not change.</translation>
    </message>
    <message>
        <source>Таких значений у статистики нет: %1.</source>
        <translation>The statistic has no such values: %1.</translation>
    </message>
    <message>
        <location filename="../work/main/combos/CombList.cpp" line="21"/>
        <source>Полный список (все возможные для данного лото варианты)</source>
        <translation>Full list (all combinations possible in this lottery)</translation>
    </message>
    <message>
        <location filename="../work/main/combos/CombList.cpp" line="22"/>
        <source>Мои числа - должно присутствовать любое из указанных</source>
        <translation>My numbers - any of the given numbers must be present</translation>
    </message>
    <message>
        <location filename="../work/main/combos/CombList.cpp" line="23"/>
        <source>Мои числа - комбинации только из списка указанных</source>
        <translation>My numbers - combinations of the given numbers only</translation>
    </message>
    <message>
        <location filename="../work/main/combos/CombList.cpp" line="24"/>
        <source>Мои числа - исключить комбинации с любым из указанных</source>
        <translation>My numbers - exclude combinations with any of the given numbers</translation>
    </message>
    <message>
        <location filename="../work/main/combos/CombList.cpp" line="25"/>
        <source>Загрузить список из заранее подготовленного CSV-файла</source>
        <translation>Load the list from a prepared CSV file</translation>
    </message>
    <message>
        <location filename="../work/main/combos/CombList.cpp" line="43"/>
        <source>Отмена последней операции</source>
        <translation>Undo last operation</translation>
    </message>
    <message>
        <location filename="../work/main/combos/CombList.cpp" line="52"/>
        <source>Последние тиражи</source>
        <translation>Latest draws</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="31"/>
        <source>Весь список (без условий)</source>
        <translation>Whole list (no conditions)</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="32"/>
        <source>&quot;Глубина&quot;: не менее заданного значения</source>
        <translation>&quot;Depth&quot;: at least the given value</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="33"/>
        <source>&quot;Глубина&quot;: не менее заданного процента</source>
        <translation>&quot;Depth&quot;: at least the given percentage</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="34"/>
        <source>&quot;Глубина&quot;: не более заданного значения</source>
        <translation>&quot;Depth&quot;: at most the given value</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="35"/>
        <source>&quot;Глубина&quot;: не более заданного процента</source>
        <translation>&quot;Depth&quot;: at most the given percentage</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="36"/>
        <source>&quot;Глубина&quot;: из заданного списка значений</source>
        <translation>&quot;Depth&quot;: from the given list of values</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="37"/>
        <source>&quot;Глубина&quot;: из заданного списка процентов</source>
        <translation>&quot;Depth&quot;: from the given list of percentages</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="38"/>
        <source>&quot;Отклонение&quot;: не менее заданного значения</source>
        <translation>&quot;Deviation&quot;: at least the given value</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="39"/>
        <source>&quot;Отклонение&quot;: не менее заданного процента</source>
        <translation>&quot;Deviation&quot;: at least the given percentage</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="40"/>
        <source>&quot;Отклонение&quot;: не более заданного значения</source>
        <translation>&quot;Deviation&quot;: at most the given value</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="41"/>
        <source>&quot;Отклонение&quot;: не более заданного процента</source>
        <translation>&quot;Deviation&quot;: at most the given percentage</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="42"/>
        <source>&quot;Отклонение&quot;: из заданного списка значений</source>
        <translation>&quot;Deviation&quot;: from the given list of values</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="43"/>
        <source>&quot;Отклонение&quot;: из заданного списка процентов</source>
        <translation>&quot;Deviation&quot;: from the given list of percentages</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="44"/>
        <source>&quot;Количество&quot;: не менее заданного значения</source>
        <translation>&quot;Count&quot;: at least the given value</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="45"/>
        <source>&quot;Количество&quot;: не менее заданного процента</source>
        <translation>&quot;Count&quot;: at least the given percentage</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="46"/>
        <source>&quot;Количество&quot;: не более заданного значения</source>
        <translation>&quot;Count&quot;: at most the given value</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="47"/>
        <source>&quot;Количество&quot;: не более заданного процента</source>
        <translation>&quot;Count&quot;: at most the given percentage</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="48"/>
        <source>&quot;Количество&quot;: из заданного списка значений</source>
        <translation>&quot;Count&quot;: from the given list of values</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="49"/>
        <source>&quot;Количество&quot;: из заданного списка процентов</source>
        <translation>&quot;Count&quot;: from the given list of percentages</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="50"/>
        <source>&quot;Вес&quot;: не менее заданного значения</source>
        <translation>&quot;Weight&quot;: at least the given value</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="51"/>
        <source>&quot;Вес&quot;: не более заданного значения</source>
        <translation>&quot;Weight&quot;: at most the given value</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="52"/>
        <source>&quot;Вес&quot;: из заданного списка значений</source>
        <translation>&quot;Weight&quot;: from the given list of values</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="53"/>
        <source>&quot;Период min&quot;: не менее заданного значения</source>
        <translation>&quot;Period min&quot;: at least the given value</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="54"/>
        <source>&quot;Период min&quot;: не более заданного значения</source>
        <translation>&quot;Period min&quot;: at most the given value</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="55"/>
        <source>&quot;Период min&quot;: из заданного списка значений</source>
        <translation>&quot;Period min&quot;: from the given list of values</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="56"/>
        <source>&quot;Период&quot;: не менее заданного значения</source>
        <translation>&quot;Period&quot;: at least the given value</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="57"/>
        <source>&quot;Период&quot;: не более заданного значения</source>
        <translation>&quot;Period&quot;: at most the given value</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="58"/>
        <source>&quot;Период&quot;: из заданного списка значений</source>
        <translation>&quot;Period&quot;: from the given list of values</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="59"/>
        <source>&quot;Период max&quot;: не менее заданного значения</source>
        <translation>&quot;Period max&quot;: at least the given value</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="60"/>
        <source>&quot;Период max&quot;: не более заданного значения</source>
        <translation>&quot;Period max&quot;: at most the given value</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="61"/>
        <source>&quot;Период max&quot;: из заданного списка значений</source>
        <translation>&quot;Period max&quot;: from the given list of values</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="62"/>
        <source>&quot;Значения&quot;: из заданного списка значений</source>
        <translation>&quot;Values&quot;: from the given list of values</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="66"/>
        <source>Обработать все записи</source>
        <translation>Process all records</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="67"/>
        <source>Количеству оставшихся комбинаций</source>
        <translation>Number of remaining combinations</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="68"/>
        <source>Пока список не будет пуст и откатить на шаг</source>
        <translation>Until the list is empty, then step back</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="69"/>
        <source>Количеству шагов</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="70"/>
        <source>Значению в списке статистики</source>
        <translation>Value in the statistics list</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="71"/>
        <source>Процентному соотношению в списке статистики</source>
        <translation>Percentage in the statistics list</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="207"/>
        <source>&apos;%1&apos; не является допустимым числом</source>
        <translation>&apos;%1&apos; is not a valid number</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="272"/>
        <source>Некорректное описание фильтра: %1!</source>
        <translation>Invalid filter description: %1!</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="279"/>
        <source>Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!
Пожалуйста, уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, а затем повторите попытку.</source>
        <translation>You have set too many filter variants - the program cannot process them all!
Please reduce the number of sample length and depth variants in each filter, then try again.</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="612"/>
        <source>Недостаточно памяти</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="326"/>
        <source>Недостаточно памяти: варианты фильтров строки не поместятся в %1 МБ.</source>
        <translation>Not enough memory: the filter variants of the line will not fit into %1 MB.</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="689"/>
        <source>&lt; [%1] кол-во: %2 (%3 %), отклонение: %4 (%5 %), глубина: %6 (%7 %), вес: %8 &gt;</source>
        <translation>&lt; [%1] count: %2 (%3 %), deviation: %4 (%5 %), depth: %6 (%7 %), weight: %8 &gt;</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="696"/>
        <source>Шаг %1. Выделение строки: %2</source>
        <translation>Step %1. Selecting row: %2</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="701"/>
        <source>Оставляем выделенные значения...</source>
        <translation>Keeping the selected values...</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="701"/>
        <source>Удаляем выделенные значения...</source>
        <translation>Removing the selected values...</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="706"/>
        <source>Количество комбинаций в списке: %1</source>
        <translation>Combinations in the list: %1</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="711"/>
        <source>{UNDO} Откат изменений...</source>
        <translation>{UNDO} Rolling back changes...</translation>
    </message>
    <message>
        <source>Создание всех вариантов фильтров ( %1 )...</source>
        <translation type="vanished">Creating all filter variants ( %1 )...</translation>
    </message>
    <message>
        <source>&apos;%1&apos; не является допустимым целым числом</source>
        <translation type="vanished">&apos;%1&apos; is not a valid integer</translation>
    </message>
</context>
<context>
    <name>combos::Expander</name>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="390"/>
        <source>Недостаточно памяти</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="393"/>
        <source>Создание всех вариантов фильтров ( %1 )...</source>
        <translation>Creating all filter variants ( %1 )...</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <location filename="../work/main/core/Dates.cpp" line="49"/>
        <source>Некорректная дата: %1.%2.%3</source>
        <translation>Invalid date: %1.%2.%3</translation>
    </message>
    <message>
        <location filename="../work/main/core/Dates.cpp" line="94"/>
        <source>&quot;%1&quot; - некорректная дата</source>
        <translation>&quot;%1&quot; is not a valid date</translation>
    </message>
    <message>
        <location filename="../work/main/core/DrawArchive.cpp" line="60"/>
        <source>Файл слишком велик для архива тиражей (%1 байт).</source>
        <translation>The file is too large for a draw archive (%1 bytes).</translation>
    </message>
    <message>
        <location filename="../work/main/core/DrawArchive.cpp" line="70"/>
        <source>Неожиданный конец файла: прочитано записей %1 из %2.</source>
        <translation>Unexpected end of file: %1 of %2 records read.</translation>
    </message>
    <message>
        <location filename="../work/main/core/DrawArchive.cpp" line="202"/>
        <source>Запись со индексом %1 в файле данных не найдена!</source>
        <translation>Record with index %1 not found in the data file!</translation>
    </message>
    <message>
        <location filename="../work/main/core/DrawArchive.cpp" line="208"/>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <location filename="../work/main/core/DrawArchive.cpp" line="209"/>
        <source>Дата тиража</source>
        <translation>Draw date</translation>
    </message>
    <message>
        <location filename="../work/main/core/TextForms.cpp" line="191"/>
        <source>Тираж № %1 от %2, значения: %3</source>
        <translation>Draw No. %1 of %2, values: %3</translation>
    </message>
    <message>
        <location filename="../work/main/core/TextForms.cpp" line="210"/>
        <source>Некорректная комбинация: &quot;%1&quot;!</source>
        <translation>Invalid combination: &quot;%1&quot;!</translation>
    </message>
    <message>
        <location filename="../work/main/core/TextForms.cpp" line="242"/>
        <source>Вручную</source>
        <translation>Manual</translation>
    </message>
    <message>
        <location filename="../work/main/core/TextForms.cpp" line="244"/>
        <source>Регуляр</source>
        <translation>Regular</translation>
    </message>
    <message>
        <location filename="../work/main/core/TextForms.cpp" line="246"/>
        <source>Сценарий</source>
        <translation>Script</translation>
    </message>
    <message>
        <location filename="../work/main/core/TextForms.cpp" line="248"/>
        <source>Система</source>
        <translation>System</translation>
    </message>
    <message>
        <location filename="../work/main/core/IniFile.cpp" line="95"/>
        <source>Файл больше %1 байт.</source>
        <translation>The file is larger than %1 bytes.</translation>
    </message>
    <message>
        <location filename="../work/main/core/IniFile.cpp" line="103"/>
        <source>Не задано имя файла.</source>
        <translation>No file name given.</translation>
    </message>
    <message>
        <location filename="../work/main/core/SafeWrite.cpp" line="44"/>
        <source>Файл записан не полностью (%1).</source>
        <translation>The file could not be written completely (%1).</translation>
    </message>
    <message>
        <location filename="../work/main/core/FileOps.cpp" line="12"/>
        <source>Удаление файлов</source>
        <translation>Deleting files</translation>
    </message>
    <message>
        <location filename="../work/main/core/FileOps.cpp" line="23"/>
        <source>Удалено файлов: %1 из %2.</source>
        <translation>Files deleted: %1 of %2.</translation>
    </message>
    <message>
        <location filename="../work/main/core/RunProcess.cpp" line="46"/>
        <source>Ожидание завершения процесса (файла) &quot;%1&quot; прервано в связи с превышением времени ожидания!</source>
        <translation>Waiting for process (file) &quot;%1&quot; to finish was aborted due to a timeout!</translation>
    </message>
</context>
<context>
    <name>core::DataLocation</name>
    <message>
        <location filename="../work/main/core/DataLocation.cpp" line="76"/>
        <source>Не удалось создать каталог данных &quot;%1&quot;.</source>
        <translation>Could not create the data folder &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../work/main/desktop/main.cpp" line="34"/>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>net</name>
    <message>
        <location filename="../work/main/net/HttpClient.cpp"/>
        <source>Сервер %1 перенаправил запрос на незащищённый адрес &quot;%2&quot;: переход отклонён, данные принимаются только по протоколу https</source>
        <translation>Server %1 redirected the request to the unprotected address &quot;%2&quot;: the redirect was refused, data are accepted over https only</translation>
    </message>
    <message>
        <location filename="../work/main/net/DrawsCsv.cpp" line="177"/>
        <source>Не удалось открыть файл &quot;%1&quot;: %2</source>
        <translation>Could not open the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../work/main/net/DrawsCsv.cpp" line="184"/>
        <source>Ошибка чтения файла &quot;%1&quot;: %2</source>
        <translation>Error reading the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../work/main/net/DrawsCsv.cpp" line="190"/>
        <source>Файл &quot;%1&quot; слишком велик для списка тиражей (больше %2 МиБ).</source>
        <translation>The file &quot;%1&quot; is too large for a draw list (more than %2 MiB).</translation>
    </message>
    <message>
        <location filename="../work/main/net/DrawsPage.cpp" line="41"/>
        <location filename="../work/main/net/Extract.cpp" line="41"/>
        <source>Не удалось найти пару идентификаторов &quot;%1&quot; - &quot;%2&quot; в тексте

[%3]!</source>
        <translation>Could not find the pair of markers &quot;%1&quot; - &quot;%2&quot; in the text

[%3]!</translation>
    </message>
    <message>
        <location filename="../work/main/net/DrawsPage.cpp" line="68"/>
        <source>На странице больше %1 тиражей за одну дату.</source>
        <translation>The page has more than %1 draws for one date.</translation>
    </message>
    <message>
        <location filename="../work/main/net/DrawsPage.cpp" line="80"/>
        <source>Некорректное число тиража на странице: &quot;%1&quot;</source>
        <translation>Invalid draw number on the page: &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../work/main/net/DrawsPage.cpp" line="85"/>
        <source>На странице нет ключевого числа тиража (&quot;%1&quot;).</source>
        <translation>The page has no key number of the draw (&quot;%1&quot;).</translation>
    </message>
    <message>
        <location filename="../work/main/net/DrawsPage.cpp" line="90"/>
        <source>Некорректное ключевое число на странице: &quot;%1&quot;</source>
        <translation>Invalid key number on the page: &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../work/main/net/Extract.cpp" line="94"/>
        <location filename="../work/main/net/NetSettings.cpp" line="130"/>
        <source>&quot;%1&quot; - некорректное целое число</source>
        <translation>&quot;%1&quot; is not a valid integer</translation>
    </message>
    <message>
        <location filename="../work/main/net/NetSettings.cpp" line="29"/>
        <source>Не удалось создать файл &quot;%1&quot;: %2</source>
        <translation>Could not create the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../work/main/net/NetSettings.cpp" line="35"/>
        <source>Не удалось закрыть доступ к файлу &quot;%1&quot; для других пользователей: %2</source>
        <translation>Could not close the file &quot;%1&quot; to other users: %2</translation>
    </message>
    <message>
        <location filename="../work/main/net/ProxyList.cpp" line="85"/>
        <source>На странице списка proxy-серверов больше %1 строк.</source>
        <translation>The proxy list page has more than %1 lines.</translation>
    </message>
</context>
<context>
    <name>net::HttpClient::Impl</name>
    <message>
        <location filename="../work/main/net/HttpClient.cpp" line="136"/>
        <source>Не удалось открыть файл сертификатов &quot;%1&quot;: %2</source>
        <translation>Could not open the certificate file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../work/main/net/HttpClient.cpp" line="140"/>
        <source>Файл сертификатов &quot;%1&quot; слишком велик.</source>
        <translation>The certificate file &quot;%1&quot; is too large.</translation>
    </message>
    <message>
        <location filename="../work/main/net/HttpClient.cpp" line="151"/>
        <source>В файле &quot;%1&quot; нет ни одного сертификата в формате PEM.</source>
        <translation>The file &quot;%1&quot; has no certificate in PEM format.</translation>
    </message>
    <message>
        <location filename="../work/main/net/HttpClient.cpp" line="330"/>
        <source>Некорректный адрес: &quot;%1&quot;</source>
        <translation>Invalid address: &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../work/main/net/HttpClient.cpp" line="335"/>
        <source>Не удалось подготовить сетевой запрос.</source>
        <translation>Could not prepare the network request.</translation>
    </message>
    <message>
        <location filename="../work/main/net/HttpClient.cpp" line="345"/>
        <source>Предыдущий сетевой запрос ещё не завершён.</source>
        <translation>The previous network request has not finished yet.</translation>
    </message>
    <message>
        <location filename="../work/main/net/HttpClient.cpp" line="463"/>
        <source>Ответ сервера %1 больше %2 байт: загрузка прервана.</source>
        <translation>The reply of the server %1 is larger than %2 bytes: download stopped.</translation>
    </message>
    <message>
        <location filename="../work/main/net/HttpClient.cpp" line="466"/>
        <source>Не удалось записать данные, полученные от сервера %1: %2</source>
        <translation>Could not write the data received from the server %1: %2</translation>
    </message>
    <message>
        <location filename="../work/main/net/HttpClient.cpp" line="470"/>
        <source>Сервер %1 не отвечает: нет данных %2 мс.</source>
        <translation>The server %1 does not answer: no data for %2 ms.</translation>
    </message>
    <message>
        <location filename="../work/main/net/HttpClient.cpp" line="473"/>
        <source>Ответ сервера %1 не получен целиком за %2 с: загрузка прервана.</source>
        <translation>The reply of the server %1 was not received in full within %2 s: download stopped.</translation>
    </message>
    <message>
        <location filename="../work/main/net/HttpClient.cpp" line="478"/>
        <source>Не удалось установить защищённое соединение с сервером %1: %2</source>
        <translation>Could not establish a secure connection with the server %1: %2</translation>
    </message>
    <message>
        <location filename="../work/main/net/HttpClient.cpp" line="482"/>
        <source>Ошибка связи с сервером %1: %2</source>
        <translation>Error communicating with the server %1: %2</translation>
    </message>
    <message>
        <location filename="../work/main/net/HttpClient.cpp" line="483"/>
        <source>Ошибка связи с сервером %1 через proxy %2:%3: %4</source>
        <translation>Error communicating with the server %1 through the proxy %2:%3: %4</translation>
    </message>
</context>
<context>
    <name>online</name>
    <message>
        <location filename="../work/main/online/Conventions.cpp" line="196"/>
        <source>Ответ сервера оборван: нет закрывающего тега &lt;/result&gt;.</source>
        <translation>The server reply is cut off: no closing &lt;/result&gt; tag.</translation>
    </message>
    <message>
        <location filename="../work/main/online/Conventions.cpp" line="209"/>
        <source>Ответ сервера поврежден: нет закрывающего тега &lt;/row&gt;.</source>
        <translation>The server reply is damaged: no closing &lt;/row&gt; tag.</translation>
    </message>
    <message>
        <location filename="../work/main/online/ServiceClient.cpp" line="22"/>
        <source>Адрес сервера библиотек не указан. Укажите его в параметрах программы (страница &quot;Сеть&quot;) или ключом ServiceUrl в разделе [NETWORK] файла Vertoma_5x54.ini.</source>
        <translation>The library server address is not set. Enter it in the program settings (page &quot;Network&quot;) or as the ServiceUrl key in the [NETWORK] section of Vertoma_5x54.ini.</translation>
    </message>
    <message>
        <location filename="../work/main/online/Conventions.cpp" line="234"/>
        <source>Некорректное значение &lt;%1&gt; в ответе сервера: &quot;%2&quot;</source>
        <translation>Invalid value &lt;%1&gt; in the server reply: &quot;%2&quot;</translation>
    </message>
    <message>
        <location filename="../work/main/online/SelfUpdate.cpp" line="35"/>
        <source>Файл &quot;%1&quot; не найден!</source>
        <translation>File &quot;%1&quot; not found!</translation>
    </message>
    <message>
        <location filename="../work/main/online/SelfUpdate.cpp" line="55"/>
        <source>Недопустимое имя файла в описании обновления: &quot;%1&quot;.</source>
        <translation>Invalid file name in the update description: &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../work/main/online/SelfUpdate.cpp" line="67"/>
        <location filename="../work/main/online/SelfUpdate.cpp" line="145"/>
        <location filename="../work/main/online/SelfUpdate.cpp" line="150"/>
        <location filename="../work/main/online/SelfUpdate.cpp" line="160"/>
        <location filename="../work/main/online/SelfUpdate.cpp" line="163"/>
        <source>Ошибка чтения файла &quot;%1&quot;: %2</source>
        <translation>Error reading the file &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>online::ScriptsLibrary</name>
    <message>
        <location filename="../work/main/online/ScriptsLibrary.cpp" line="85"/>
        <source>Неизвестный фильтр каталога: %1</source>
        <translation>Unknown catalog filter: %1</translation>
    </message>
    <message>
        <location filename="../work/main/online/ScriptsLibrary.cpp" line="198"/>
        <source>Недопустимая оценка: %1</source>
        <translation>Invalid rating: %1</translation>
    </message>
    <message>
        <location filename="../work/main/online/ScriptsLibrary.cpp" line="209"/>
        <source>Код возврата: %1</source>
        <translation>Return code: %1</translation>
    </message>
</context>
<context>
    <name>online::SelfUpdater</name>
    <message>
        <location filename="../work/main/online/SelfUpdate.cpp" line="229"/>
        <location filename="../work/main/online/SelfUpdate.cpp" line="456"/>
        <source>Не удалось создать папку &quot;%1&quot;.</source>
        <translation>Could not create the folder &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../work/main/online/SelfUpdate.cpp" line="239"/>
        <location filename="../work/main/online/SelfUpdate.cpp" line="244"/>
        <source>Адрес &quot;%1&quot; отклонён: обновления загружаются только по защищённому протоколу https.</source>
        <translation>Address &quot;%1&quot; rejected: updates are downloaded only over secure https.</translation>
    </message>
    <message>
        <location filename="../work/main/online/SelfUpdate.cpp" line="252"/>
        <location filename="../work/main/online/SelfUpdate.cpp" line="396"/>
        <location filename="../work/main/online/SelfUpdate.cpp" line="406"/>
        <location filename="../work/main/online/SelfUpdate.cpp" line="414"/>
        <location filename="../work/main/online/SelfUpdate.cpp" line="421"/>
        <source>Ошибка копирования файла &quot;%1&quot;: %2</source>
        <translation>Error copying the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../work/main/online/SelfUpdate.cpp" line="306"/>
        <source>&lt; Описание обновления не доступно &gt;</source>
        <translation>&lt; Update description not available &gt;</translation>
    </message>
    <message>
        <location filename="../work/main/online/SelfUpdate.cpp" line="321"/>
        <location filename="../work/main/online/SelfUpdate.cpp" line="324"/>
        <source>Неверная контрольная сумма скачанного файла.</source>
        <translation>Invalid checksum of the downloaded file.</translation>
    </message>
    <message>
        <location filename="../work/main/online/SelfUpdate.cpp" line="342"/>
        <source>Программа &quot;%1&quot; завершилась с кодом %2.</source>
        <translation>Program &quot;%1&quot; exited with code %2.</translation>
    </message>
    <message>
        <location filename="../work/main/online/SelfUpdate.cpp" line="453"/>
        <source>Не удалось удалить папку &quot;%1&quot;.</source>
        <translation>Could not delete the folder &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>online::SystemsLibrary</name>
    <message>
        <location filename="../work/main/online/SystemsLibrary.cpp" line="121"/>
        <source>Сервер не вернул идентификатор системы.</source>
        <translation>The server did not return the system identifier.</translation>
    </message>
</context>
<context>
    <name>scripts</name>
    <message>
        <location filename="../work/main/scripts/Ratings.cpp" line="40"/>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/Ratings.cpp" line="40"/>
        <source>Ставок</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/Ratings.cpp" line="40"/>
        <source>Угадано</source>
        <translation>Guessed</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/Ratings.cpp" line="40"/>
        <source>Среднее</source>
        <translation>Average</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/Ratings.cpp" line="40"/>
        <source>Профит</source>
        <translation>Profit</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/Ratings.cpp" line="40"/>
        <source>Ср. профит</source>
        <translation>Avg. profit</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/Ratings.cpp" line="211"/>
        <source># bad data #</source>
        <translation># bad data #</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="22"/>
        <source>Исходный список (рекомендуется для тестов)</source>
        <translation>Source list (recommended for tests)</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="23"/>
        <source>Исходный список</source>
        <translation>Source list</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="24"/>
        <source>Удалить N последних тиражей (для прогнозов)</source>
        <translation>Remove the N last draws (for forecasts)</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="25"/>
        <source>Исключить %d тиражей</source>
        <translation>Exclude %d draws</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="26"/>
        <source>Текущий список (для последовательного выполнения)</source>
        <translation>Current list (for sequential runs)</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="27"/>
        <source>Текущий список</source>
        <translation>Current list</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="31"/>
        <source>Выбрать одну случайную комбинацию</source>
        <translation>Choose one random combination</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="31"/>
        <source>Случайно</source>
        <translation>Random</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="32"/>
        <source>Выбрать первую комбинацию в списке</source>
        <translation>Choose the first combination in the list</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="32"/>
        <source>Первая</source>
        <translation>First</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="33"/>
        <source>Выбрать последнюю комбинацию в списке</source>
        <translation>Choose the last combination in the list</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="34"/>
        <source>Последняя</source>
        <translation>Last</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="35"/>
        <source>Выбрать все комбинации (не рекомендуется)</source>
        <translation>Choose all combinations (not recommended)</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="35"/>
        <source>Все</source>
        <translation>All</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="36"/>
        <source>Системная игра [вся система]</source>
        <translation>System game [whole system]</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="36"/>
        <source>Система [все]</source>
        <translation>System [all]</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="37"/>
        <source>Системная игра [система * комбинации]</source>
        <translation>System game [system * combinations]</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="38"/>
        <source>Система [комб]</source>
        <translation>System [comb]</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="39"/>
        <source>Остановить выполнение сценария</source>
        <translation>Stop running the script</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="39"/>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="40"/>
        <source>Пропустить (игнорировать) эту ставку</source>
        <translation>Skip (ignore) this stake</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="41"/>
        <source>Пропустить</source>
        <translation>Skip</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="42"/>
        <source>Не делать ставок (для последовательного выполнения)</source>
        <translation>Make no stakes (for sequential runs)</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="43"/>
        <source>Не делать ставок</source>
        <translation>Make no stakes</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="190"/>
        <source>Удалить ставки</source>
        <translation>Delete stakes</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="191"/>
        <source>Только новые ставки</source>
        <translation>New stakes only</translation>
    </message>
    <message>
        <location filename="../work/main/scripts/ScriptLine.cpp" line="191"/>
        <source>Все создаваемые ставки</source>
        <translation>All stakes made</translation>
    </message>
</context>
<context>
    <name>stakes</name>
    <message>
        <location filename="../work/main/stakes/CheckJournal.cpp"/>
        <source>Журнал проверки ставок поврежден: %1</source>
        <translation>The stake check journal is damaged: %1</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/CheckJournal.cpp"/>
        <source>неизвестный формат</source>
        <translation>unknown format</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/CheckJournal.cpp"/>
        <source>неизвестная версия %1</source>
        <translation>unknown version %1</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/CheckJournal.cpp"/>
        <source>контрольная сумма не совпадает</source>
        <translation>the checksum does not match</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/CheckJournal.cpp"/>
        <source>неверная длина</source>
        <translation>wrong length</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/CheckJournal.cpp"/>
        <source>записи %1 нет в файле ставок</source>
        <translation>record %1 is not in the stakes file</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeRecord.cpp" line="127"/>
        <source>№ тиража</source>
        <translation>Draw No.</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeRecord.cpp" line="127"/>
        <source>Вид ставки</source>
        <translation>Stake type</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeRecord.cpp" line="128"/>
        <source>Моя ставка</source>
        <translation>My stake</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeRecord.cpp" line="128"/>
        <source>Выборка</source>
        <translation>Sample</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeRecord.cpp" line="129"/>
        <source>Результаты тиража</source>
        <translation>Draw results</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeRecord.cpp" line="129"/>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeRecord.cpp" line="130"/>
        <source>Совпадения</source>
        <translation>Matched</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeRecord.cpp" line="130"/>
        <source>Профит</source>
        <translation>Profit</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeRecord.cpp" line="131"/>
        <location filename="../work/main/stakes/StakeTables.cpp" line="266"/>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakesCheck.cpp" line="117"/>
        <source>Тираж № %1. Ставка: &quot;%2&quot; [%3] {%4}. Результаты тиража: [%5]. Совпадений: %6. Профит: %7.</source>
        <translation>Draw No. %1. Stake: &quot;%2&quot; [%3] {%4}. Draw results: [%5]. Matches: %6. Profit: %7.</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakesCheck.cpp" line="188"/>
        <source>Для построения графиков необходимо, чтобы в выделенном диапазоне данных было более одного тиража!</source>
        <translation>To build graphs, the selected data range must contain more than one draw!</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakesCheck.cpp" line="229"/>
        <source>Суммарный профит ставок по тиражу</source>
        <translation>Total stake profit per draw</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakesCheck.cpp" line="230"/>
        <source>Среднее значение</source>
        <translation>Average value</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakesCheck.cpp" line="231"/>
        <source>Накопленное значение</source>
        <translation>Cumulative value</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakesFile.cpp" line="31"/>
        <source>Файл ставок не открыт!</source>
        <translation>The stake file is not open!</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakesFile.cpp"/>
        <source>Файл ставок устаревшей версии: запись в него возможна только после его очистки.</source>
        <translation>The stake file is of an outdated version: it can be written only after it is emptied.</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakesCheck.cpp"/>
        <source>Запись %1 в файле ставок повреждена: ее значения выходят за допустимые пределы.</source>
        <translation>Record %1 of the stake file is damaged: its values are out of range.</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakesCheck.cpp"/>
        <source>Сумма профита ставок по тиражам выходит за допустимые пределы: файл ставок поврежден.</source>
        <translation>The sum of the stakes' profit by draw is out of range: the stake file is damaged.</translation>
    </message>
    <message>
        <source>Неожиданный конец файла ставок.</source>
        <translation type="vanished">Unexpected end of the stake file.</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="52"/>
        <source>Регулярная ставка</source>
        <translation>Regular stake</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="69"/>
        <source>Размер файла (%1 байт) превышает допустимый для файла регулярных ставок (%2 записей).</source>
        <translation>The file size (%1 bytes) exceeds the limit for a regular stakes file (%2 records).</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="89"/>
        <source>Файл регулярных ставок содержит более %1 записей.</source>
        <translation>The regular stakes file has more than %1 records.</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="145"/>
        <source>Запись со индексом %1 в файле данных не найдена!</source>
        <translation>Record with index %1 not found in the data file!</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="168"/>
        <source>Шаг регулярной ставки &quot;%1&quot; (%2) вне пределов от -54 до 54.</source>
        <translation>The step of the regular stake &quot;%1&quot; (%2) is outside -54 to 54.</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="170"/>
        <source>Регулярная ставка &quot;%1&quot; повреждена: неизвестный режим %2.</source>
        <translation>The regular stake &quot;%1&quot; is damaged: unknown mode %2.</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="173"/>
        <source>Для регулярной ставки &quot;%1&quot; нет корректного тиража в точке анализа: %2.</source>
        <translation>The regular stake &quot;%1&quot; has no valid draw at the analysis point: %2.</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="176"/>
        <source>Текущая комбинация регулярной ставки &quot;%1&quot; некорректна (%2): числа должны быть различными, от 1 до 54.</source>
        <translation>The current combination of the regular stake &quot;%1&quot; is invalid (%2): the numbers must be different, from 1 to 54.</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="227"/>
        <source>Введена некорректная комбинация!</source>
        <translation>The combination entered is invalid!</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="229"/>
        <source>Необходимо ввести комментарий!</source>
        <translation>You must enter a comment!</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="231"/>
        <source>Запись с таким комментарией уже присутствует в списке!
Выберите другой комментарий.</source>
        <translation>A record with this comment is already in the list!
Choose another comment.</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="266"/>
        <source>Стартовая комбинация</source>
        <translation>Start combination</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="267"/>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="267"/>
        <source>Текущая комбинация</source>
        <translation>Current combination</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakeTables.cpp" line="268"/>
        <source>Ставок</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <source>Ошибка переименования / удаления временного файла ставок %1!

%2</source>
        <translation type="vanished">Error renaming / deleting the temporary stake file %1!

%2</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/Systems.cpp" line="39"/>
        <source>Система для %1 чисел не найдена или не загружена на компьютер!</source>
        <translation>The system for %1 numbers is not found or not downloaded to the computer!</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/Systems.cpp" line="55"/>
        <source>Файл системы не содержит ни одной комбинации</source>
        <translation>The system file has no combinations</translation>
    </message>
    <message>
        <source>Строка %1 системы содержит меньше пяти чисел: &quot;%2&quot;</source>
        <translation type="vanished">Line %1 of the system has fewer than five numbers: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Строка %1 системы: &quot;%2&quot; - не номер позиции от 1 до %3</source>
        <translation type="vanished">Line %1 of the system: &quot;%2&quot; is not a position number from 1 to %3</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/SystemFile.cpp" line="49"/>
        <source>&quot;%1&quot; - не номер позиции от 1 до %2</source>
        <translation>&quot;%1&quot; is not a position number from 1 to %2</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/SystemFile.cpp" line="54"/>
        <source>позиция %1 повторяется</source>
        <translation>position %1 repeats</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/SystemFile.cpp" line="97"/>
        <source>меньше пяти чисел</source>
        <translation>fewer than five numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/SystemFile.cpp" line="103"/>
        <source>Строка %1 системы (&quot;%2&quot;): %3</source>
        <translation>Line %1 of the system (&quot;%2&quot;): %3</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/SystemFile.cpp" line="117"/>
        <source>Файл системы больше %1 МБ</source>
        <translation>The system file is larger than %1 MB</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/SystemFile.cpp" line="128"/>
        <source>Не удается открыть файл &quot;%1&quot;: %2</source>
        <translation>Cannot open the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/SystemFile.cpp" line="150"/>
        <source>&quot;%1&quot; не является целым числом</source>
        <translation>&quot;%1&quot; is not an integer</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/SystemFile.cpp" line="158"/>
        <source>Строка %1 (&quot;%2&quot;): %3</source>
        <translation>Line %1 (&quot;%2&quot;): %3</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/SystemFile.cpp" line="237"/>
        <source>Недопустимое количество чисел системы: %1</source>
        <translation>Invalid number of system numbers: %1</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/SystemFile.cpp" line="239"/>
        <source>Недопустимый размер блока системы: %1</source>
        <translation>Invalid system block size: %1</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/SystemFile.cpp" line="244"/>
        <source>Количество скачанных комбинаций ( %1 ) отличается от ожидаемого значения ( %2 )</source>
        <translation>The number of downloaded combinations ( %1 ) differs from the expected value ( %2 )</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/SystemFile.cpp" line="254"/>
        <source>Не удается создать папку &quot;%1&quot;</source>
        <translation>Cannot create the folder &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>stakes::StakesFile</name>
    <message>
        <location filename="../work/main/stakes/StakesFile.cpp" line="213"/>
        <source>Неожиданный конец файла ставок.</source>
        <translation>Unexpected end of the stake file.</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakesFile.cpp" line="248"/>
        <location filename="../work/main/stakes/StakesFile.cpp" line="272"/>
        <location filename="../work/main/stakes/StakesFile.cpp" line="299"/>
        <source>Запись со индексом %1 в файле данных не найдена!</source>
        <translation>Record with index %1 not found in the data file!</translation>
    </message>
    <message>
        <location filename="../work/main/stakes/StakesFile.cpp" line="458"/>
        <source>Ошибка переименования / удаления временного файла ставок %1!

%2</source>
        <translation>Error renaming / deleting the temporary stake file %1!

%2</translation>
    </message>
</context>
<context>
    <name>stats</name>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="331"/>
        <location filename="../work/main/stats/StatList.cpp" line="96"/>
        <source>Не выбран метод расчета статистики (cb: %1)!</source>
        <translation>No statistic method selected (cb: %1)!</translation>
    </message>
    <message>
        <location filename="../work/main/stats/Expression.cpp" line="646"/>
        <source>Не хватает скобочки</source>
        <translation>Missing bracket</translation>
    </message>
    <message>
        <location filename="../work/main/stats/Expression.cpp" line="648"/>
        <source>Синтаксическая ошибка</source>
        <translation>Syntax error</translation>
    </message>
    <message>
        <location filename="../work/main/stats/Expression.cpp" line="650"/>
        <source>Деление на нуль</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <location filename="../work/main/stats/Expression.cpp" line="652"/>
        <source>Выражение под логарифмом меньне нуля</source>
        <translation>Expression under the logarithm is less than zero</translation>
    </message>
    <message>
        <location filename="../work/main/stats/Expression.cpp" line="654"/>
        <source>Выражение под корнем меньне нуля</source>
        <translation>Expression under the root is less than zero</translation>
    </message>
    <message>
        <location filename="../work/main/stats/Expression.cpp" line="656"/>
        <source>Ошибка в операции с плавающей точкой</source>
        <translation>Floating-point operation error</translation>
    </message>
    <message>
        <location filename="../work/main/stats/Expression.cpp" line="658"/>
        <source>Слишком длинное выражение</source>
        <translation>Expression too long</translation>
    </message>
    <message>
        <location filename="../work/main/stats/Expression.cpp" line="660"/>
        <source>Слишком много вложенных скобок</source>
        <translation>Too many nested brackets</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="20"/>
        <location filename="../work/main/stats/StatClass.cpp" line="65"/>
        <source>Числа тиража</source>
        <translation>Draw numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="21"/>
        <source>Сумма чисел тиража</source>
        <translation>Sum of the draw numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="22"/>
        <source>Разности между числами тиража</source>
        <translation>Differences between the draw numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="23"/>
        <source>Каналы (группы чисел)</source>
        <translation>Channels (groups of numbers)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="24"/>
        <source>Матрица тиража</source>
        <translation>Draw matrix</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="25"/>
        <source>Сегменты матрицы тиража</source>
        <translation>Draw matrix segments</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="26"/>
        <source>Последовательности чисел в одном тираже</source>
        <translation>Number sequences within a draw</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="27"/>
        <source>Повторяющиеся числа в нескольких тиражах</source>
        <translation>Numbers repeated in several draws</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="28"/>
        <source>Серии (цепочки) значений</source>
        <translation>Series (chains) of values</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="29"/>
        <source>Периоды повторения значений</source>
        <translation>Value repetition periods</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="30"/>
        <source>Переходы (изменения) значений между тиражами</source>
        <translation>Value transitions (changes) between draws</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="31"/>
        <source>Характеристическое число Quellin</source>
        <translation>Quellin characteristic number</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="32"/>
        <source>Методы шинковки</source>
        <translation>Shredding methods</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="71"/>
        <source>Цифры тиража</source>
        <translation>Draw digits</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="77"/>
        <source>Количество четных чисел в тираже (Ч:Н)</source>
        <translation>Count of even numbers in the draw (E:O)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="84"/>
        <source>Четные и нечетные числа в тираже (Чн..нЧ)</source>
        <translation>Even and odd numbers in the draw (Чн..нЧ)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="90"/>
        <source>Количество чисел из первой половины диапазона (1П:2П)</source>
        <translation>Count of numbers from the first half of the range (1H:2H)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="97"/>
        <source>Числа из первой половины диапазона (12..12)</source>
        <translation>Numbers from the first half of the range (12..12)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="103"/>
        <source>Количество простых чисел (П:С)</source>
        <translation>Count of prime numbers (P:C)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="110"/>
        <source>Простые и составные числа (ПС..СП)</source>
        <translation>Prime and composite numbers (ПС..СП)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="116"/>
        <source>Сумма тиража: все значения</source>
        <translation>Draw sum: all values</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="123"/>
        <source>Сумма тиража: диапазон %d (%d/%d)</source>
        <translation>Draw sum: range %d (%d/%d)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="136"/>
        <source>Сумма тиража: изменения (точно)</source>
        <translation>Draw sum: changes (exact)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="144"/>
        <source>Сумма тиража: изменения (диапазон)</source>
        <translation>Draw sum: changes (range)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="151"/>
        <source>Сумма тиража: направление изменения</source>
        <translation>Draw sum: direction of change</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="159"/>
        <source>Сумма тиража: только четные</source>
        <translation>Draw sum: even numbers only</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="166"/>
        <source>Сумма тиража: только простые</source>
        <translation>Draw sum: prime numbers only</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="173"/>
        <source>Сумма двух чисел тиража равна третьему числу</source>
        <translation>Sum of two draw numbers equals a third number</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="180"/>
        <source>Все разности между соседними позициями</source>
        <translation>All differences between adjacent positions</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="186"/>
        <source>Максимальная разность между соседними позициями</source>
        <translation>Largest difference between adjacent positions</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="193"/>
        <source>Разность между минимальным и максимальным числом</source>
        <translation>Difference between the smallest and largest number</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="200"/>
        <source>Одинаковые разности между соседними позициями</source>
        <translation>Equal differences between adjacent positions</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="207"/>
        <source>Количество одинаковых разностей между соседними позициями</source>
        <translation>Number of equal differences between adjacent positions</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="214"/>
        <source>Каналы</source>
        <translation>Channels</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="220"/>
        <source>Количество чисел в канале</source>
        <translation>Count of numbers in a channel</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="227"/>
        <source>Количество каналов в тираже</source>
        <translation>Number of channels in the draw</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="234"/>
        <source>Столбцы матрицы (не пустые)</source>
        <translation>Matrix columns (non-empty)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="240"/>
        <source>Строки матрицы (не пустые)</source>
        <translation>Matrix rows (non-empty)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="246"/>
        <source>Количество чисел в столбце матрицы</source>
        <translation>Count of numbers in a matrix column</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="253"/>
        <source>Количество чисел в строке матрицы</source>
        <translation>Count of numbers in a matrix row</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="260"/>
        <source>Количество не пустых столбцов в матрице</source>
        <translation>Number of non-empty matrix columns</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="267"/>
        <source>Количество не пустых строк в матрице</source>
        <translation>Number of non-empty matrix rows</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="274"/>
        <source>Сочетания столбцов матрицы</source>
        <translation>Matrix column combinations</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="280"/>
        <source>Сочетания строк матрицы</source>
        <translation>Matrix row combinations</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="286"/>
        <source>Столбцы матрицы со смежными числами</source>
        <translation>Matrix columns with adjacent numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="292"/>
        <source>Строки матрицы со смежными числами</source>
        <translation>Matrix rows with adjacent numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="298"/>
        <source>Количество столбцов матрицы со смежными числами</source>
        <translation>Number of matrix columns with adjacent numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="305"/>
        <source>Количество строк матрицы со смежными числами</source>
        <translation>Number of matrix rows with adjacent numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="312"/>
        <source>Сегменты матрицы</source>
        <translation>Matrix segments</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="318"/>
        <source>Количество чисел в сегменте матрицы</source>
        <translation>Count of numbers in a matrix segment</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="325"/>
        <source>Количество не пустых сегментов в матрице</source>
        <translation>Number of non-empty matrix segments</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="332"/>
        <source>Длина последовательности в тираже</source>
        <translation>Sequence length in the draw</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="338"/>
        <source>Количество последовательностей в тираже</source>
        <translation>Number of sequences in the draw</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="345"/>
        <source>Макс. длина последовательности в тираже</source>
        <translation>Max. sequence length in the draw</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="352"/>
        <source>Повторяющиеся числа в 2-х тиражах подряд</source>
        <translation>Numbers repeated in 2 draws in a row</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="358"/>
        <source>Повторяющиеся числа в 3-х тиражах подряд</source>
        <translation>Numbers repeated in 3 draws in a row</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="364"/>
        <source>Повторяющиеся числа не более чем в 2-х тиражах</source>
        <translation>Numbers repeated in at most 2 draws</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="371"/>
        <location filename="../work/main/stats/StatClass.cpp" line="379"/>
        <location filename="../work/main/stats/StatClass.cpp" line="387"/>
        <source>Повторяющиеся числа в 2-х тиражах через %d тираж(а)</source>
        <translation>Numbers repeated in 2 draws with %d draw(s) in between</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="395"/>
        <location filename="../work/main/stats/StatClass.cpp" line="403"/>
        <location filename="../work/main/stats/StatClass.cpp" line="411"/>
        <location filename="../work/main/stats/StatClass.cpp" line="419"/>
        <source>Данные предыдущего тиража %s</source>
        <translation>Previous draw data %s</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="426"/>
        <source>Количество повторов в 2-х тиражах подряд</source>
        <translation>Number of repeats in 2 draws in a row</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="432"/>
        <source>Количество повторов в 3-х тиражах подряд</source>
        <translation>Number of repeats in 3 draws in a row</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="438"/>
        <source>Количество повторов не более чем в 2-х тиражах</source>
        <translation>Number of repeats in at most 2 draws</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="444"/>
        <location filename="../work/main/stats/StatClass.cpp" line="452"/>
        <location filename="../work/main/stats/StatClass.cpp" line="460"/>
        <source>Количество повторов в 2-х тиражах через %d тираж(а)</source>
        <translation>Number of repeats in 2 draws with %d draw(s) in between</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="468"/>
        <location filename="../work/main/stats/StatClass.cpp" line="476"/>
        <location filename="../work/main/stats/StatClass.cpp" line="484"/>
        <location filename="../work/main/stats/StatClass.cpp" line="492"/>
        <source>Количество совпадений &quot;значений %s&quot;</source>
        <translation>Number of matches of &quot;values %s&quot;</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="500"/>
        <location filename="../work/main/stats/StatClass.cpp" line="509"/>
        <location filename="../work/main/stats/StatClass.cpp" line="518"/>
        <source>Сочетания из %0:d чисел по всем числам тиража</source>
        <translation>Combinations of %0:d numbers over all draw numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="527"/>
        <location filename="../work/main/stats/StatClass.cpp" line="536"/>
        <location filename="../work/main/stats/StatClass.cpp" line="545"/>
        <source>Сочетания из %0:d соседних чисел тиража</source>
        <translation>Combinations of %0:d adjacent draw numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="553"/>
        <source>Сочетания из 2-х чисел тиража начиная с %0:d позиции</source>
        <translation>Combinations of 2 draw numbers from position %0:d</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="564"/>
        <source>Сочетания из 3-х чисел тиража начиная с %0:d позиции</source>
        <translation>Combinations of 3 draw numbers from position %0:d</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="575"/>
        <source>Сочетания из 4-х чисел тиража начиная с %0:d позиции</source>
        <translation>Combinations of 4 draw numbers from position %0:d</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="587"/>
        <location filename="../work/main/stats/StatClass.cpp" line="597"/>
        <location filename="../work/main/stats/StatClass.cpp" line="607"/>
        <source>Сочетания из %0:d чисел тиража по возрастанию</source>
        <translation>Combinations of %0:d draw numbers in ascending order</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="617"/>
        <location filename="../work/main/stats/StatClass.cpp" line="626"/>
        <location filename="../work/main/stats/StatClass.cpp" line="635"/>
        <source>Сочетания из %0:d разностей между числами</source>
        <translation>Combinations of %0:d differences between numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="644"/>
        <location filename="../work/main/stats/StatClass.cpp" line="653"/>
        <location filename="../work/main/stats/StatClass.cpp" line="662"/>
        <source>Сочетания из %0:d каналов по всем числам тиража</source>
        <translation>Combinations of %0:d channels over all draw numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="671"/>
        <location filename="../work/main/stats/StatClass.cpp" line="680"/>
        <location filename="../work/main/stats/StatClass.cpp" line="689"/>
        <source>Сочетания из %0:d каналов по соседним числам</source>
        <translation>Combinations of %0:d channels over adjacent numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="698"/>
        <location filename="../work/main/stats/StatClass.cpp" line="707"/>
        <location filename="../work/main/stats/StatClass.cpp" line="716"/>
        <source>Сочетания из %0:d столбцов по всем числам тиража</source>
        <translation>Combinations of %0:d columns over all draw numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="725"/>
        <location filename="../work/main/stats/StatClass.cpp" line="734"/>
        <location filename="../work/main/stats/StatClass.cpp" line="743"/>
        <source>Сочетания из %0:d столбцов по соседним числам</source>
        <translation>Combinations of %0:d columns over adjacent numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="752"/>
        <location filename="../work/main/stats/StatClass.cpp" line="761"/>
        <location filename="../work/main/stats/StatClass.cpp" line="770"/>
        <source>Сочетания из %0:d строк по всем числам тиража</source>
        <translation>Combinations of %0:d rows over all draw numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="779"/>
        <location filename="../work/main/stats/StatClass.cpp" line="788"/>
        <location filename="../work/main/stats/StatClass.cpp" line="797"/>
        <source>Сочетания из %0:d строк по соседним числам</source>
        <translation>Combinations of %0:d rows over adjacent numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="806"/>
        <location filename="../work/main/stats/StatClass.cpp" line="815"/>
        <location filename="../work/main/stats/StatClass.cpp" line="824"/>
        <source>Сочетания из %0:d сегментов по всем числам тиража</source>
        <translation>Combinations of %0:d segments over all draw numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="833"/>
        <location filename="../work/main/stats/StatClass.cpp" line="842"/>
        <location filename="../work/main/stats/StatClass.cpp" line="851"/>
        <source>Сочетания из %0:d сегментов по соседним числам</source>
        <translation>Combinations of %0:d segments over adjacent numbers</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="859"/>
        <source>Число в %0:d позиции тиража</source>
        <translation>Number at position %0:d of the draw</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="869"/>
        <source>Extra (Bonus, Star...) - число (!без фильтра!)</source>
        <translation>Extra (Bonus, Star...) - number (!no filter!)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="880"/>
        <source>Количество чисел в %0:d канале</source>
        <translation>Count of numbers in channel %0:d</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="888"/>
        <source>Количество чисел в %0:d столбце матрицы</source>
        <translation>Count of numbers in matrix column %0:d</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="896"/>
        <source>Количество чисел в %0:d строке матрицы</source>
        <translation>Count of numbers in matrix row %0:d</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="904"/>
        <source>Количество чисел в %0:d сегменте матрицы</source>
        <translation>Count of numbers in matrix segment %0:d</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="912"/>
        <source>Повторы чисел в нескольких тиражах подряд</source>
        <translation>Number repeats over several draws in a row</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="919"/>
        <source>Интервалы между повторениями чисел</source>
        <translation>Intervals between number repeats</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="926"/>
        <source>Повторы каналов в нескольких тиражах подряд</source>
        <translation>Channel repeats over several draws in a row</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="933"/>
        <source>Интервалы между повторениями каналов</source>
        <translation>Intervals between channel repeats</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="940"/>
        <source>Повторы сегментов в нескольких тиражах подряд</source>
        <translation>Segment repeats over several draws in a row</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="947"/>
        <source>Интервалы между повторениями сегментов</source>
        <translation>Intervals between segment repeats</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="954"/>
        <source>Периоды повторения чисел</source>
        <translation>Number repetition periods</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="961"/>
        <source>Периоды повторения каналов</source>
        <translation>Channel repetition periods</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="968"/>
        <source>Периоды повторения сегментов</source>
        <translation>Segment repetition periods</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="975"/>
        <source>Переходы чисел между %0:d тиражами без учета позиции</source>
        <translation>Number transitions between %0:d draws regardless of position</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="983"/>
        <location filename="../work/main/stats/StatClass.cpp" line="1002"/>
        <source>Переходы чисел между %0:d тиражами с учетом позиции</source>
        <translation>Number transitions between %0:d draws by position</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="991"/>
        <location filename="../work/main/stats/StatClass.cpp" line="1010"/>
        <source>Переходы чисел между %0:d тиражами в %%d позиции</source>
        <translation>Number transitions between %0:d draws at position %%d</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1021"/>
        <source>Переходы каналов между %0:d тиражами без учета позиции</source>
        <translation>Channel transitions between %0:d draws regardless of position</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1029"/>
        <location filename="../work/main/stats/StatClass.cpp" line="1048"/>
        <source>Переходы каналов между %0:d тиражами с учетом позиции</source>
        <translation>Channel transitions between %0:d draws by position</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1037"/>
        <location filename="../work/main/stats/StatClass.cpp" line="1056"/>
        <source>Переходы каналов между %0:d тиражами в %%d позиции</source>
        <translation>Channel transitions between %0:d draws at position %%d</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1067"/>
        <location filename="../work/main/stats/StatClass.cpp" line="1076"/>
        <source>Переходы кол-ва чисел в %%d канале между %0:d тиражами</source>
        <translation>Transitions of the count of numbers in channel %%d between %0:d draws</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1085"/>
        <source>Переходы чисел в пределах каналов (все)</source>
        <translation>Number transitions within channels (all)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1092"/>
        <source>Переходы чисел в пределах каналов (N-M, удачные)</source>
        <translation>Number transitions within channels (N-M, successful)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1099"/>
        <source>Переходы чисел в пределах каналов (N-0, не удачные)</source>
        <translation>Number transitions within channels (N-0, unsuccessful)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1106"/>
        <source>Переходы чисел в пределах каналов (количество)</source>
        <translation>Number transitions within channels (count)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1113"/>
        <source>Переходы сегментов между %0:d тиражами без учета позиции</source>
        <translation>Segment transitions between %0:d draws regardless of position</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1121"/>
        <location filename="../work/main/stats/StatClass.cpp" line="1140"/>
        <source>Переходы сегментов между %0:d тиражами с учетом позиции</source>
        <translation>Segment transitions between %0:d draws by position</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1129"/>
        <location filename="../work/main/stats/StatClass.cpp" line="1148"/>
        <source>Переходы сегментов между %0:d тиражами в %%d позиции</source>
        <translation>Segment transitions between %0:d draws at position %%d</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1159"/>
        <location filename="../work/main/stats/StatClass.cpp" line="1168"/>
        <source>Переходы кол-ва чисел в %%d сегменте между %0:d тиражами</source>
        <translation>Transitions of the count of numbers in segment %%d between %0:d draws</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1178"/>
        <source>Число Quellin 1 (только разность)</source>
        <translation>Quellin number 1 (difference only)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1186"/>
        <source>Число Quellin 2 (разность + сложение, если {0,1})</source>
        <translation>Quellin number 2 (difference + addition if {0,1})</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1194"/>
        <source>Числа Quellin 3 (динамический, только фильтр)</source>
        <translation>Quellin numbers 3 (dynamic, filter only)</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatClass.cpp" line="1201"/>
        <source>Метод шинковки %0:d: %%s</source>
        <translation>Shredding method %0:d: %%s</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatList.cpp" line="179"/>
        <source>Ошибка загрузки списка фильтров!

%1</source>
        <translation>Error loading the filter list!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/stats/StatList.cpp" line="201"/>
        <location filename="../work/main/stats/StatList.cpp" line="221"/>
        <source>Ошибка сохранения списка фильтров!

%1</source>
        <translation>Error saving the filter list!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/stats/SumStats.cpp" line="182"/>
        <source>Остальные</source>
        <translation>Others</translation>
    </message>
</context>
<context>
    <name>std</name>
    <message>
        <location filename="../work/main/combos/Filters.cpp" line="199"/>
        <source>&apos;%1&apos; не является допустимым целым числом</source>
        <translation>&apos;%1&apos; is not a valid integer</translation>
    </message>
</context>
<context>
    <name>ui::CardPage</name>
    <message>
        <location filename="../work/main/ui/CardPage.cpp" line="96"/>
        <source>Карта</source>
        <translation>Card</translation>
    </message>
</context>
<context>
    <name>ui::CombListModel</name>
    <message>
        <location filename="../work/main/ui/CombListModel.cpp" line="71"/>
        <source>№ п.п.</source>
        <translation>No.</translation>
    </message>
</context>
<context>
    <name>ui::CombsPage</name>
    <message>
        <location filename="../work/main/ui/CombsPage.cpp" line="63"/>
        <source>Исключить указанное количество последних тиражей из списка комбинаций</source>
        <translation>Exclude the given number of latest draws from the combination list</translation>
    </message>
</context>
<context>
    <name>ui::ConfigDialog</name>
    <message>
        <location filename="../work/main/ui/ConfigDialog.cpp" line="164"/>
        <source>Некорректный адрес: &quot;%1&quot;

Укажите адрес вида https://имя-сервера[:порт] или оставьте поле пустым.</source>
        <translation>Invalid address: &quot;%1&quot;

Enter an address like https://server-name[:port] or leave the field empty.</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.cpp" line="182"/>
        <source>Имя не может содержать символы &lt; и &gt;.</source>
        <translation>The name must not contain the characters &lt; and &gt;.</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.cpp" line="183"/>
        <source>Некорректный адрес электронной почты: &quot;%1&quot;</source>
        <translation>Invalid e-mail address: &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.cpp" line="191"/>
        <source>Файл сертификатов</source>
        <translation>Certificate file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.cpp" line="192"/>
        <source>Сертификаты (*.pem *.crt);;Все файлы (*)</source>
        <translation>Certificates (*.pem *.crt);;All files (*)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.cpp" line="232"/>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ConfigDialog.cpp" line="322"/>
        <source>Некорректное значение: %1!

Укажите любое число от 1 до 9</source>
        <translation>Invalid value: %1!

Enter any number from 1 to 9</translation>
    </message>
</context>
<context>
    <name>ui::DetailModel</name>
    <message>
        <location filename="../work/main/ui/DetailWindow.cpp" line="54"/>
        <source>Свойство</source>
        <translation>Property</translation>
    </message>
    <message>
        <location filename="../work/main/ui/DetailWindow.cpp" line="55"/>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>ui::DetailWindow</name>
    <message>
        <location filename="../work/main/ui/DetailWindow.cpp" line="64"/>
        <source>Подробная информация</source>
        <translation>Detailed information</translation>
    </message>
    <message>
        <location filename="../work/main/ui/DetailWindow.cpp" line="92"/>
        <source>Количество столбцов:</source>
        <translation>Number of columns:</translation>
    </message>
</context>
<context>
    <name>ui::DrawDialog</name>
    <message>
        <location filename="../work/main/ui/DrawDialog.cpp" line="21"/>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../work/main/ui/DrawDialog.cpp" line="59"/>
        <source>Введена некорректная комбинация!</source>
        <translation>The combination entered is invalid!</translation>
    </message>
</context>
<context>
    <name>ui::DrawsPage</name>
    <message>
        <location filename="../work/main/ui/DrawsPage.cpp" line="22"/>
        <source>Смещение назад:</source>
        <translation>Offset back:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/DrawsPage.cpp" line="26"/>
        <source>Смещение относительно последнего загруженного номера тиража</source>
        <translation>Offset from the last loaded draw</translation>
    </message>
</context>
<context>
    <name>ui::ExportDialog</name>
    <message>
        <location filename="../work/main/ui/ExportDialog.cpp" line="31"/>
        <source>Начать экспорт</source>
        <translation>Start the export</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.cpp" line="32"/>
        <source>Закрыть окно</source>
        <translation>Close the window</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.cpp" line="37"/>
        <source>Загрузить из файла</source>
        <translation>Load from a file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.cpp" line="40"/>
        <source>Загрузить параметры экспорта из файла</source>
        <translation>Load the export settings from a file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.cpp" line="41"/>
        <source>Сохранить в файле</source>
        <translation>Save to a file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.cpp" line="44"/>
        <source>Сохранить параметры экспорта в файле</source>
        <translation>Save the export settings to a file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ExportDialog.cpp" line="216"/>
        <location filename="../work/main/ui/ExportDialog.cpp" line="227"/>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>ui::FilterDialog</name>
    <message>
        <source>Проверить</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Сколько строк таблицы статистики выделит фильтр и сколько комбинаций останется в текущем списке</source>
        <translation>How many rows of the statistics table the filter selects and how many combinations of the current list remain</translation>
    </message>
    <message>
        <source>Таких значений у статистики нет: %1</source>
        <translation>The statistic has no such values: %1</translation>
    </message>
    <message>
        <source>Проверка после паузы или по кнопке "Проверить"...</source>
        <translation>Checked after a pause or with the "Check" button...</translation>
    </message>
    <message>
        <source>Выделено строк таблицы: %1 из %2</source>
        <translation>Table rows selected: %1 of %2</translation>
    </message>
    <message>
        <source>Останется комбинаций: %1 из %2</source>
        <translation>Combinations left: %1 of %2</translation>
    </message>
    <message>
        <source>(для первого из %1 вариантов фильтра)</source>
        <translation>(for the first of %1 filter variants)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="60"/>
        <source>Фильтр</source>
        <translation>Filter</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="61"/>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="72"/>
        <source>Тип фильтра:</source>
        <translation>Filter type:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="74"/>
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
        <location filename="../work/main/ui/FilterDialog.cpp" line="78"/>
        <source>Количество тиражей для расчета статистики</source>
        <translation>Number of draws used to calculate the statistic</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="80"/>
        <source>Количество тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="85"/>
        <source>Сортировать по столбцу:</source>
        <translation>Sort by column:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="89"/>
        <source>Сверху-вниз</source>
        <translation>Top to bottom</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="89"/>
        <source>Снизу-вверх</source>
        <translation>Bottom to top</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="90"/>
        <source>Направление:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="94"/>
        <source>Удалить выделенные</source>
        <translation>Remove selected</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="94"/>
        <source>Оставить выделенные</source>
        <translation>Keep selected</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="95"/>
        <source>Режим фильтра:</source>
        <translation>Filter mode:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="97"/>
        <source>Использовать режим одновременного выделения нескольких значений в списке</source>
        <translation>Select several values in the list at once</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="106"/>
        <source>Режим выделения значений в списке статистики:</source>
        <translation>Selection of values in the statistics list:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="110"/>
        <source>Учитываемые значения глубины</source>
        <translation>Depth values taken into account</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="112"/>
        <source>Значения:</source>
        <translation>Values:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="114"/>
        <source> Коэффициенты для расчета значений &quot;Вес&quot; </source>
        <translation> Coefficients for calculating &quot;Weight&quot; values </translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="116"/>
        <source>Использовать приведенные ниже коэффициенты для расчета значений &quot;Вес&quot;</source>
        <translation>Use the coefficients below to calculate &quot;Weight&quot; values</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="127"/>
        <source>Использовать значения в %</source>
        <translation>Use values in %</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="129"/>
        <source>Использовать абсолютные значения</source>
        <translation>Use absolute values</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="134"/>
        <source>Количество:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="135"/>
        <source>Отклонение:</source>
        <translation>Deviation:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="136"/>
        <source>Глубина:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="158"/>
        <source>Значение:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="162"/>
        <source>Остановка по:</source>
        <translation>Stop by:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="327"/>
        <source>Введен некорректный диапазон значений!</source>
        <translation>The range of values entered is invalid!</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="344"/>
        <source>Для данного вида статистики не доступен режим выделения по списку значений!</source>
        <translation>Selection by a list of values is not available for this statistic!</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="353"/>
        <source>В режиме мультивыделения остановка сценария по количеству комбинаций или чисел не может быть выполнена!
Выберите другой способ останова.</source>
        <translation>In multi-select mode the script cannot stop by the number of combinations or numbers!
Choose another way to stop.</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterDialog.cpp" line="370"/>
        <source>Некорректное значение коэффициента: &quot;%1&quot;!</source>
        <translation>Invalid coefficient value: &quot;%1&quot;!</translation>
    </message>
</context>
<context>
    <name>ui::FilterHistoryModel</name>
    <message>
        <location filename="../work/main/ui/FilterHistoryModel.cpp" line="138"/>
        <source>Примененные фильтры</source>
        <translation>Applied filters</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterHistoryModel.cpp" line="140"/>
        <source>Значения</source>
        <translation>Values</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterHistoryModel.cpp" line="142"/>
        <source>Комбинаций</source>
        <translation>Combinations</translation>
    </message>
</context>
<context>
    <name>ui::FilterInfoWindow</name>
    <message>
        <location filename="../work/main/ui/FilterInfoWindow.cpp" line="26"/>
        <source>Описание методики расчета</source>
        <translation>Calculation method description</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FilterInfoWindow.cpp" line="44"/>
        <source>Описание этого метода расчета статистики отсутствует.</source>
        <translation>There is no description of this statistic method.</translation>
    </message>
</context>
<context>
    <name>ui::FiltersManagerDialog</name>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="49"/>
        <source>Сортировать списки по названию метода</source>
        <translation>Sort the lists by method name</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="50"/>
        <source>Отображать идентификатор группы { xxx } перед названием метода</source>
        <translation>Show the group identifier { xxx } before the method name</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="51"/>
        <source>Отображать особенности метода [ YYY ] после названия метода</source>
        <translation>Show the method features [ YYY ] after the method name</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="54"/>
        <source>Менеджер избранных методов расчета статистики</source>
        <translation>Manager of favourite statistic methods</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="62"/>
        <source>Переименование</source>
        <translation>Rename</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="62"/>
        <source>Введите наименование фильтра:</source>
        <translation>Enter the filter name:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="78"/>
        <source>Отметьте методы расчета статистики, которые Вы хотите использовать:</source>
        <translation>Check the statistic methods you want to use:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="85"/>
        <source> Параметры вывода наименований в списках методов расчета статистики </source>
        <translation> Display of names in the statistic method lists </translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="95"/>
        <source>Сбросить все</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="95"/>
        <source>Снять отметки со всех фильтров</source>
        <translation>Uncheck all filters</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="97"/>
        <source>Выбрать все</source>
        <translation>Select all</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="97"/>
        <source>Поставить отметки у всех фильтров</source>
        <translation>Check all filters</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="99"/>
        <source>Сбросить группу</source>
        <translation>Clear group</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="99"/>
        <source>Снять отметки со всех фильтров группы</source>
        <translation>Uncheck all filters of the group</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="101"/>
        <source>Выбрать группу</source>
        <translation>Select group</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="101"/>
        <source>Поставить отметки у всех фильтров группы</source>
        <translation>Check all filters of the group</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="103"/>
        <source>Переименовать</source>
        <translation>Rename</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="103"/>
        <source>Переименовать фильтр</source>
        <translation>Rename the filter</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="105"/>
        <source>Вернуть</source>
        <translation>Restore</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="105"/>
        <source>Вернуть наименование &quot;по умолчанию&quot;</source>
        <translation>Restore the &quot;default&quot; name</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="107"/>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="108"/>
        <source>Справочная информация о выделенном методе расчета статистики</source>
        <translation>Reference information on the selected statistic method</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="113"/>
        <source>Импорт названий</source>
        <translation>Import names</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="113"/>
        <source>Импорт названий фильтров из файла</source>
        <translation>Import filter names from a file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="115"/>
        <source>Экспорт названий</source>
        <translation>Export names</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="115"/>
        <source>Экспорт названий фильтров в файл</source>
        <translation>Export filter names to a file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="204"/>
        <source>всего %1 методов</source>
        <translation>%1 methods in all</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="324"/>
        <location filename="../work/main/ui/FiltersManagerDialog.cpp" line="340"/>
        <source>Наименования фильтров (*.flt)</source>
        <translation>Filter names (*.flt)</translation>
    </message>
</context>
<context>
    <name>ui::FirstRunDialog</name>
    <message>
        <location filename="../work/main/ui/FirstRunDialog.cpp" line="15"/>
        <source>Больше не показывать данный диалог</source>
        <translation>Do not show this dialog again</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FirstRunDialog.cpp" line="17"/>
        <source>Справочная информация</source>
        <translation>Reference information</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FirstRunDialog.cpp" line="19"/>
        <source>Прежде чем начать работу, познакомьтесь с программой:</source>
        <translation>Before you start, get to know the program:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FirstRunDialog.cpp" line="21"/>
        <source>Открыть файл встроенной справочной системы</source>
        <translation>Open the built-in help file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FirstRunDialog.cpp" line="29"/>
        <source>Статьи для начинающих</source>
        <translation>Articles for beginners</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FirstRunDialog.cpp" line="29"/>
        <source>Блог</source>
        <translation>Blog</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FirstRunDialog.cpp" line="29"/>
        <source>Видеоканал</source>
        <translation>Video channel</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FirstRunDialog.cpp" line="29"/>
        <source>Группа в социальной сети 1</source>
        <translation>Social network group 1</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FirstRunDialog.cpp" line="30"/>
        <source>Группа в социальной сети 2</source>
        <translation>Social network group 2</translation>
    </message>
    <message>
        <location filename="../work/main/ui/FirstRunDialog.cpp" line="30"/>
        <source>Новости</source>
        <translation>News</translation>
    </message>
</context>
<context>
    <name>ui::GenCombsDialog</name>
    <message>
        <location filename="../work/main/ui/GenCombsDialog.cpp" line="25"/>
        <source>Создание нового списка комбинаций</source>
        <translation>New combination list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/GenCombsDialog.cpp" line="27"/>
        <source>Режим генерации списка комбинаций:</source>
        <translation>Combination list generation mode:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/GenCombsDialog.cpp" line="35"/>
        <source>Мои числа или имя файла для загрузки:</source>
        <translation>My numbers or the name of the file to load:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/GenCombsDialog.cpp" line="46"/>
        <source>Сохранить эти параметры для генерации комбинаций &quot;по умолчанию&quot;</source>
        <translation>Save these settings as the &quot;default&quot; for generating combinations</translation>
    </message>
    <message>
        <location filename="../work/main/ui/GenCombsDialog.cpp" line="52"/>
        <source>Создать список возможных комбинаций</source>
        <translation>Create a list of possible combinations</translation>
    </message>
    <message>
        <location filename="../work/main/ui/GenCombsDialog.cpp" line="71"/>
        <source>Файлы комбинаций (*.lcv)</source>
        <translation>Combination files (*.lcv)</translation>
    </message>
</context>
<context>
    <name>ui::GraphWindow</name>
    <message>
        <location filename="../work/main/ui/GraphWindow.cpp" line="40"/>
        <source>График</source>
        <translation>Graph</translation>
    </message>
    <message>
        <location filename="../work/main/ui/GraphWindow.cpp" line="92"/>
        <source>Отображать метки на графиках</source>
        <translation>Show labels on the graphs</translation>
    </message>
</context>
<context>
    <name>ui::GraphsPage</name>
    <message>
        <location filename="../work/main/ui/GraphsPage.cpp" line="55"/>
        <source>Отображать метки на графике</source>
        <translation>Show labels on the graph</translation>
    </message>
    <message>
        <location filename="../work/main/ui/GraphsPage.cpp" line="59"/>
        <source>Тип графика</source>
        <translation>Graph type</translation>
    </message>
    <message>
        <location filename="../work/main/ui/GraphsPage.cpp" line="68"/>
        <source>Количество тиражей, использующихся для построения графиков</source>
        <translation>Number of draws used to build the graphs</translation>
    </message>
    <message>
        <location filename="../work/main/ui/GraphsPage.cpp" line="70"/>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
</context>
<context>
    <name>ui::LayoutCompareModel</name>
    <message>
        <location filename="../work/main/ui/LayoutModels.cpp" line="92"/>
        <source>Кол-во</source>
        <translation>Count</translation>
    </message>
</context>
<context>
    <name>ui::LayoutPage</name>
    <message>
        <location filename="../work/main/ui/LayoutPage.cpp" line="65"/>
        <source>Количество тиражей, использующихся для расчета статистики</source>
        <translation>Number of draws used to calculate the statistic</translation>
    </message>
    <message>
        <location filename="../work/main/ui/LayoutPage.cpp" line="72"/>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/LayoutPage.cpp" line="104"/>
        <source>Количество тиражей, использующихся для расчета статистики в списке %1</source>
        <translation>Number of draws used to calculate the statistic in list %1</translation>
    </message>
    <message>
        <location filename="../work/main/ui/LayoutPage.cpp" line="236"/>
        <source>Схема</source>
        <translation>Layout</translation>
    </message>
</context>
<context>
    <name>ui::MainWindow</name>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="119"/>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="148"/>
        <source>Архив тиражей</source>
        <translation>Draw archive</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="71"/>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="85"/>
        <source>Комбинации</source>
        <translation>Combinations</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="131"/>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="158"/>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="131"/>
        <source>Графики</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="131"/>
        <source>Карта</source>
        <translation>Card</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="132"/>
        <source>Схема</source>
        <translation>Layout</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="132"/>
        <source>Неделя</source>
        <translation>Week</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="132"/>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="177"/>
        <source>Ставки</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="133"/>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="191"/>
        <source>Рейтинг</source>
        <translation>Rating</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="133"/>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="165"/>
        <source>Регуляры</source>
        <translation>Regulars</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="133"/>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="166"/>
        <source>Системы</source>
        <translation>Systems</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="134"/>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="133"/>
        <source>Сценарий</source>
        <translation>Script</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="285"/>
        <source>Ошибка записи параметров программы!

%1</source>
        <translation>Error writing the program settings!

%1</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="305"/>
        <source>Вертома 5x54</source>
        <translation>Vertoma 5x54</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="306"/>
        <source> версия </source>
        <translation> version </translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindow.cpp" line="308"/>
        <source> [демо]</source>
        <translation> [demo]</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="33"/>
        <source>Сайт программы</source>
        <translation>Program website</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="34"/>
        <source>Страница автора</source>
        <translation>Author&apos;s page</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="35"/>
        <source>Статьи для начинающих</source>
        <translation>Articles for beginners</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="36"/>
        <source>Новости</source>
        <translation>News</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="37"/>
        <source>Блог</source>
        <translation>Blog</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="38"/>
        <source>Видеоканал</source>
        <translation>Video channel</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="39"/>
        <source>Группа в социальной сети 1</source>
        <translation>Social network group 1</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="40"/>
        <source>Группа в социальной сети 2</source>
        <translation>Social network group 2</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="41"/>
        <source>Сайт лотереи</source>
        <translation>Lottery website</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="66"/>
        <source>Параметры</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="68"/>
        <source>Формулы шинковки</source>
        <translation>Shredding formulas</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="70"/>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="73"/>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="36"/>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="73"/>
        <source>Добавить новый тираж</source>
        <translation>Add a new draw</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="77"/>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="74"/>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="54"/>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="77"/>
        <source>Изменить выделенный тираж</source>
        <translation>Edit the selected draw</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="81"/>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="77"/>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="56"/>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="43"/>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="81"/>
        <source>Удалить выделенные тиражи</source>
        <translation>Delete the selected draws</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="85"/>
        <source>Сведения о тираже</source>
        <translation>Draw information</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="87"/>
        <source>Упорядочить MIN-&gt;MAX</source>
        <translation>Sort MIN-&gt;MAX</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="91"/>
        <source>Выделять каналы в архиве тиражей</source>
        <translation>Highlight channels in the draw archive</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="94"/>
        <source>Вкладка &quot;Графики&quot;</source>
        <translation>&quot;Graphs&quot; page</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="95"/>
        <source>Вкладка &quot;Карта&quot;</source>
        <translation>&quot;Card&quot; page</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="96"/>
        <source>Вкладка &quot;Схема&quot;</source>
        <translation>&quot;Layout&quot; page</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="97"/>
        <source>Вкладка &quot;Неделя&quot;</source>
        <translation>&quot;Week&quot; page</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="243"/>
        <source>Каталог данных: %1</source>
        <translation>Data folder: %1</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowTables.cpp" line="21"/>
        <source>Добавить регулярную ставку</source>
        <translation>Add a regular stake</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowTables.cpp" line="22"/>
        <source>Добавить регулярную табличную ставку</source>
        <translation>Add a regular table stake</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowTables.cpp" line="24"/>
        <source>Удалить регулярную ставку</source>
        <translation>Delete the regular stake</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowTables.cpp" line="25"/>
        <source>Удалить выделенные регулярные табличные ставки</source>
        <translation>Delete the selected regular table stakes</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowTables.cpp" line="27"/>
        <source>Сделать ставку по регуляру</source>
        <translation>Make a stake from the regular rule</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowTables.cpp" line="28"/>
        <source>Создать ставку по выделенному регуляру</source>
        <translation>Make a stake from the selected regular rule</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowTables.cpp" line="34"/>
        <source>Тест регуляров</source>
        <translation>Test regular rules</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowTables.cpp" line="34"/>
        <source>Тестирование регулярных ставок</source>
        <translation>Testing the regular stakes</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowTables.cpp" line="36"/>
        <source>Вкладка &quot;Регуляры&quot;</source>
        <translation>&quot;Regulars&quot; page</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowTables.cpp" line="37"/>
        <source>Скрыть / показать вкладку &quot;Регулярные ставки&quot;</source>
        <translation>Hide / show the page &quot;Regular stakes&quot;</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="118"/>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="125"/>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="248"/>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="131"/>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="132"/>
        <source>Язык интерфейса</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="171"/>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="183"/>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="230"/>
        <source>Языковый модуль &quot;%1&quot; не найден!</source>
        <translation>Language module &quot;%1&quot; not found!</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowMenus.cpp" line="241"/>
        <source>Вертома 5x54 версия %1

Анализатор лотереи &quot;5 из 54&quot; с ключевым числом.</source>
        <translation>Vertoma 5x54 version %1

An analyzer of the &quot;5 of 54&quot; lottery with a key number.</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="33"/>
        <source>Генерировать</source>
        <translation>Generate</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="34"/>
        <source>Новый</source>
        <translation>New</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="37"/>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="61"/>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="37"/>
        <source>Загрузить список комбинаций из файла</source>
        <translation>Load a combination list from a file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="39"/>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="63"/>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="40"/>
        <source>Сохранить список комбинаций в файле</source>
        <translation>Save the combination list to a file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="42"/>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="44"/>
        <source>Исключить тиражи</source>
        <translation>Exclude draws</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="45"/>
        <source>[-] Тиражи</source>
        <translation>[-] Draws</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="48"/>
        <location filename="../work/main/ui/MainWindowStat.cpp" line="39"/>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="34"/>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="47"/>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="56"/>
        <source>Удалить выделенные</source>
        <translation>Remove selected</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="50"/>
        <source>Копировать в буфер</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="51"/>
        <source>Копировать выделенные комбинации в буфер обмена</source>
        <translation>Copy the selected combinations to the clipboard</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="53"/>
        <source>Вставить из буфера</source>
        <translation>Paste from clipboard</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="54"/>
        <source>Вставить комбинации из буфера обмена</source>
        <translation>Paste combinations from the clipboard</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="56"/>
        <source>Выделить все</source>
        <translation>Select all</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="58"/>
        <source>Количество уникальных номеров</source>
        <translation>Count unique numbers</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="60"/>
        <source>Проверить по архиву тиражей</source>
        <translation>Check against the draw archive</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowCombs.cpp" line="63"/>
        <source>Выделять каналы в списке комбинаций</source>
        <translation>Highlight channels in the combination list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStat.cpp" line="19"/>
        <source>Избранные статистики</source>
        <translation>Favourite statistics</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStat.cpp" line="20"/>
        <source>Настройка списка избранных видов статистики (фильтров)</source>
        <translation>Set up the list of favourite statistics (filters)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStat.cpp" line="22"/>
        <source>Все доступные статистики</source>
        <translation>All available statistics</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStat.cpp" line="23"/>
        <source>Отображать все доступные виды статистики (фильтры)</source>
        <translation>Show all available statistics (filters)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStat.cpp" line="25"/>
        <source>Описание статистики</source>
        <translation>Statistic description</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStat.cpp" line="26"/>
        <source>Сведения о выбранном методе расчета статистики</source>
        <translation>Information on the selected statistic method</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="43"/>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="44"/>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="45"/>
        <source>Online каталог сценариев</source>
        <translation>Online Script Catalog</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="48"/>
        <location filename="../work/main/ui/MainWindowStat.cpp" line="34"/>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="32"/>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="29"/>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="41"/>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="43"/>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="52"/>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="48"/>
        <source>Перезагрузить каталог с сервера</source>
        <translation>Reload the catalog from the server</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="50"/>
        <source>Опубликовать</source>
        <translation>Publish</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="50"/>
        <source>Опубликовать текущий сценарий в online-каталоге</source>
        <translation>Publish the current script to the online catalog</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="52"/>
        <source>Скачать из каталога</source>
        <translation>Download from Catalog</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="52"/>
        <source>Скачать выбранный сценарий из online-каталога</source>
        <translation>Download the selected script from the online catalog</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="54"/>
        <source>Заменить выделенный сценарий в online-каталоге текущим</source>
        <translation>Replace the selected script in the online catalog with the current one</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="56"/>
        <source>Удалить выделенный сценарий из online-каталога</source>
        <translation>Delete the selected script from the online catalog</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="58"/>
        <source>Свойства сценария</source>
        <translation>Script Properties</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="58"/>
        <source>Просмотр сведений о выделенном сценарии</source>
        <translation>View details of the selected script</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="60"/>
        <source>Просмотр оценок</source>
        <translation>View Ratings</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="60"/>
        <source>Просмотр оценок сценария пользователями</source>
        <translation>View user ratings of the script</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="62"/>
        <source>[ 1 ] - Бесполезно</source>
        <translation>[ 1 ] - Useless</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="62"/>
        <source>[ 2 ] - Плохо</source>
        <translation>[ 2 ] - Poor</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="62"/>
        <source>[ 3 ] - Удовлетворительно</source>
        <translation>[ 3 ] - Fair</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="63"/>
        <source>[ 4 ] - Хорошо</source>
        <translation>[ 4 ] - Good</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="63"/>
        <source>[ 5 ] - Отлично</source>
        <translation>[ 5 ] - Excellent</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="65"/>
        <source>Установить оценку &quot;%1&quot;</source>
        <translation>Set rating &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="69"/>
        <source>Скрыть сценарий</source>
        <translation>Hide Script</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="69"/>
        <source>Исключить сценарий из Вашего списка</source>
        <translation>Remove the script from your list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="72"/>
        <source>Удалить оценку</source>
        <translation>Remove Rating</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="72"/>
        <source>Удалить Вашу оценку</source>
        <translation>Remove your rating</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScriptLibrary.cpp" line="84"/>
        <source>Оценить</source>
        <translation>Rate</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStat.cpp" line="36"/>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="32"/>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="45"/>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="54"/>
        <source>Оставить выделенные</source>
        <translation>Keep selected</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStat.cpp" line="44"/>
        <source>Использовать сравнение с полным набором комбинаций</source>
        <translation>Compare with the full set of combinations</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStat.cpp" line="47"/>
        <source>График идеального распределения</source>
        <translation>Ideal distribution graph</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStat.cpp" line="49"/>
        <source>Создание графиков...</source>
        <translation>Creating graphs...</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="44"/>
        <source>Сделать ставку</source>
        <translation>Place a stake</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="45"/>
        <source>Добавить текущую комбинацию в список ставок с возможностью ручного ввода</source>
        <translation>Add the current combination to the stake list, allowing manual entry</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="48"/>
        <source>Сделать случайную ставку</source>
        <translation>Place a random stake</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="49"/>
        <source>Добавить ставку, выбранную случайным образом из списка комбинаций</source>
        <translation>Add a stake chosen at random from the combination list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="52"/>
        <source>Сделать ставки для выделенных комбинаций</source>
        <translation>Place stakes on the selected combinations</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="53"/>
        <source>Добавить выделенные комбинации в список ввода</source>
        <translation>Add the selected combinations to the entry list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="58"/>
        <source>Сделать ставки для всех комбинаций</source>
        <translation>Place stakes on all combinations</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="59"/>
        <source>Добавить все существующие комбинации в список ввода</source>
        <translation>Add all existing combinations to the entry list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="62"/>
        <source>Удалить ставку</source>
        <translation>Delete stake</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="62"/>
        <source>Удалить выделенные ставки из списка ставок</source>
        <translation>Delete the selected stakes from the stake list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="72"/>
        <source>Удалить по условию</source>
        <translation>Delete by condition</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="73"/>
        <source>Удалить ставки с заданным количеством совпадений из списка ставок</source>
        <translation>Delete the stakes with the given number of matches from the stake list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="76"/>
        <source>Удалить все ставки</source>
        <translation>Delete all stakes</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="76"/>
        <source>Очистить список ставок</source>
        <translation>Clear the stake list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="79"/>
        <source>Прокручивать список при добавлении</source>
        <translation>Scroll the list when adding</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="80"/>
        <source>Прокручивать список ставок при добавлении новой ставки</source>
        <translation>Scroll the stake list when a new stake is added</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="82"/>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="83"/>
        <source>Проверять ставки после каждой строки сценария</source>
        <translation>Check the stakes after every script line</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="86"/>
        <source>Проверить ставки</source>
        <translation>Check stakes</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="86"/>
        <source>Выполнить проверку ставок по архиву тиражей</source>
        <translation>Check the stakes against the draw archive</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="90"/>
        <source>Журналы ставок</source>
        <translation>Stake logs</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="90"/>
        <source>Создавать текстовые файлы журналов ставок</source>
        <translation>Write the stake logs to text files</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="92"/>
        <source>Удалить журналы ставок</source>
        <translation>Delete stake logs</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="92"/>
        <source>Удалить имеющиеся файлы журналов ставок</source>
        <translation>Delete the existing stake log files</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="94"/>
        <source>Суммарный профит по тиражам</source>
        <translation>Total profit by draw</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="95"/>
        <source>График суммарного профита ставок по тиражам</source>
        <translation>Graph of the total stake profit by draw</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="97"/>
        <source>График совпадений ставок</source>
        <translation>Stake matches graph</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="98"/>
        <source>График количества совпадений для всех ставок по тиражам</source>
        <translation>Graph of the number of matches for all stakes by draw</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="100"/>
        <source>График профита ставок</source>
        <translation>Stake profit graph</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="100"/>
        <source>График профита для всех ставок по тиражам</source>
        <translation>Graph of the profit for all stakes by draw</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="104"/>
        <source>Обновить рейтинг</source>
        <translation>Refresh rating</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="105"/>
        <source>Пересчитать рейтинг по текущим данным</source>
        <translation>Recalculate the rating from the current data</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="107"/>
        <source>Экспорт рейтинга в CSV-файл</source>
        <translation>Export the rating to a CSV file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="109"/>
        <source>Количество совпадений</source>
        <translation>Number of matches</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="110"/>
        <source>График количества совпадений для выделенных строк рейтинга</source>
        <translation>Graph of the number of matches for the selected rating rows</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="112"/>
        <source>Ожидаемые значения совпадений</source>
        <translation>Expected match values</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="112"/>
        <source>Абсолютные значения эффективности</source>
        <translation>Absolute efficiency values</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="113"/>
        <source>Относительные значения эффективности</source>
        <translation>Relative efficiency values</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowStakes.cpp" line="184"/>
        <source>Эффективность (столбцы E0..n)</source>
        <translation>Efficiency (columns E0..n)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="36"/>
        <source>Выделять каналы в карте тиражей</source>
        <translation>Highlight channels in the draw card</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="38"/>
        <source>Выделять последовательности в карте тиражей</source>
        <translation>Highlight sequences in the draw card</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="49"/>
        <source>Градиентная раскраска схемы</source>
        <translation>Gradient colouring of the layout</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="58"/>
        <source>График по дням недели</source>
        <translation>Graph by day of the week</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="62"/>
        <source>График / диаграмма</source>
        <translation>Graph / chart</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="65"/>
        <source>Распределение сумм тиражей и всех возможных комбинаций</source>
        <translation>Distribution of the sums of draws and of all possible combinations</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="67"/>
        <source>Количество повторов в зависимости от тиража</source>
        <translation>Number of repeats by draw</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowViews.cpp" line="69"/>
        <source>Сведения о комбинации</source>
        <translation>Combination information</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="65"/>
        <source>Добавить фильтры</source>
        <translation>Add filters</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="67"/>
        <source>Добавить разделитель</source>
        <translation>Add separator</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="69"/>
        <source>Клонировать</source>
        <translation>Clone</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="71"/>
        <source>Добавить сценарий</source>
        <translation>Add script</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="79"/>
        <source>Переместить вверх</source>
        <translation>Move up</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="81"/>
        <source>Переместить вниз</source>
        <translation>Move down</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="83"/>
        <source>Удалить все</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="87"/>
        <source>Прогноз</source>
        <translation>Forecast</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="88"/>
        <source>Выполнить сценарий для текущего тиража и смещения</source>
        <translation>Run the script for the current draw and offset</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="90"/>
        <source>Тест</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="91"/>
        <source>Тестирование сценария на основе результатов предыдуших тиражей</source>
        <translation>Test the script on the results of previous draws</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="93"/>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="95"/>
        <source>Журнал выполнения сценария</source>
        <translation>Script run log</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="100"/>
        <source>Удалить журналы выполнения сценариев</source>
        <translation>Delete the script run logs</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowScript.cpp" line="103"/>
        <source>Добавить в сценарий</source>
        <translation>Add to script</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowWeb.cpp" line="19"/>
        <source>Параметры proxy-сервера</source>
        <translation>Proxy server settings</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowWeb.cpp" line="21"/>
        <source>Загрузка</source>
        <translation>Download</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowWeb.cpp" line="21"/>
        <source>Загрузить новые тиражи с сайта лотереи</source>
        <translation>Download new draws from the lottery site</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowWeb.cpp" line="24"/>
        <source>По запросу (по умолчанию)</source>
        <translation>On request (default)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowWeb.cpp" line="24"/>
        <source>Автоматически</source>
        <translation>Automatically</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowWeb.cpp" line="24"/>
        <source>Отключено</source>
        <translation>Off</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowWeb.cpp" line="30"/>
        <source>Импорт из CSV-файла</source>
        <translation>Import from a CSV file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowWeb.cpp" line="30"/>
        <source>Импорт списка тиражей из CSV-файла</source>
        <translation>Import the draw list from a CSV file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowWeb.cpp" line="32"/>
        <source>Экспорт в CSV-файл</source>
        <translation>Export to a CSV file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowWeb.cpp" line="32"/>
        <source>Экспорт списка тиражей в CSV-файл</source>
        <translation>Export the draw list to a CSV file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowWeb.cpp" line="41"/>
        <source>Автозагрузка при запуске программы</source>
        <translation>Automatic download at program start</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowExport.cpp" line="33"/>
        <location filename="../work/main/ui/MainWindowExport.cpp" line="34"/>
        <source>Экспорт в Microsoft Excel</source>
        <translation>Export to Microsoft Excel</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowExport.cpp" line="35"/>
        <source>Экспорт статистики в Microsoft Excel</source>
        <translation>Export the statistics to Microsoft Excel</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowExport.cpp" line="36"/>
        <source>Экспорт рейтинга в Microsoft Excel</source>
        <translation>Export the rating to Microsoft Excel</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowExport.cpp" line="37"/>
        <source>Экспорт карты тиражей в Microsoft Excel</source>
        <translation>Export the draw card to Microsoft Excel</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowExport.cpp" line="38"/>
        <source>Экспорт схемы в Microsoft Excel</source>
        <translation>Export the layout to Microsoft Excel</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowExport.cpp" line="39"/>
        <source>Экспорт ставок в Microsoft Excel</source>
        <translation>Export the stakes to Microsoft Excel</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowExport.cpp" line="91"/>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowExport.cpp" line="95"/>
        <source>Кол-во</source>
        <translation>Count</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="29"/>
        <source>Системная игра</source>
        <translation>System game</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="29"/>
        <source>Включить или выключить список систем</source>
        <translation>Turn the list of systems on or off</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="32"/>
        <source>Перезагрузить список с сервера</source>
        <translation>Reload the list from the server</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="34"/>
        <source>Загрузить</source>
        <translation>Download</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="34"/>
        <source>Загрузить выделенные системы</source>
        <translation>Download the selected systems</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="36"/>
        <source>Добавить свою систему в список</source>
        <translation>Add your own system to the list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="41"/>
        <source>Свойства</source>
        <translation>Properties</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="41"/>
        <source>Просмотр / редактирование свойств системы</source>
        <translation>View / edit the system&apos;s properties</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="43"/>
        <source>Удалить свои системы из списка</source>
        <translation>Delete your own systems from the list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="46"/>
        <source>Cистемная игра по списку системы</source>
        <translation>System game by the system list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="47"/>
        <source>Системная игра по всем комбинациям выбранной системы (даже если их нет в списке комбинаций)</source>
        <translation>System game by all combinations of the chosen system (even those not in the combination list)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="50"/>
        <source>Cистемная игра по списку комбинаций</source>
        <translation>System game by the combination list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowSystems.cpp" line="51"/>
        <source>Системная игра только по комбинациям, которые есть и в системе и в списке комбинаций</source>
        <translation>System game only by the combinations that are both in the system and in the combination list</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowUpdate.cpp" line="16"/>
        <source>Поиск обновлений</source>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowUpdate.cpp" line="17"/>
        <source>Искать обновления программы через интернет</source>
        <translation>Check for program updates online</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowUpdate.cpp" line="23"/>
        <source>Автоматическое обновление</source>
        <translation>Automatic Update</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MainWindowUpdate.cpp" line="24"/>
        <source>Автоматическое обновление программы при запуске</source>
        <translation>Automatically update the program at startup</translation>
    </message>
    <message>
        <source>Создать систему с гарантией для своих чисел: как можно меньше комбинаций</source>
        <translation>Make a system with a guarantee for your own numbers, with as few combinations as possible</translation>
    </message>
    <message>
        <source>Создать систему...</source>
        <translation>Make a system...</translation>
    </message>
    <message>
        <source>Лучшие известные размеры систем и нижние границы: La Jolla Covering Repository, версия 1.2 (данные CC BY 4.0).</source>
        <translation>Best known system sizes and lower bounds: La Jolla Covering Repository, version 1.2 (data CC BY 4.0).</translation>
    </message>
</context>
<context>
    <name>ui::MultiStakeDialog</name>
    <message>
        <location filename="../work/main/ui/MultiStakeDialog.cpp" line="15"/>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../work/main/ui/MultiStakeDialog.cpp" line="41"/>
        <source>Необходимо ввести комментарий!</source>
        <translation>You must enter a comment!</translation>
    </message>
</context>
<context>
    <name>ui::OnlineScriptsModel</name>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="84"/>
        <source>Сценарий виден всем пользователям</source>
        <translation>Script is visible to all users</translation>
    </message>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="84"/>
        <source>Сценарий виден только автору</source>
        <translation>Script is visible only to the author</translation>
    </message>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="157"/>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="159"/>
        <source>Название</source>
        <translation>Title</translation>
    </message>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="161"/>
        <source>Автор</source>
        <translation>Author</translation>
    </message>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="163"/>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="165"/>
        <source>Версия</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="167"/>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="169"/>
        <source>Создан</source>
        <translation>Created</translation>
    </message>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="171"/>
        <source>Рейтинг</source>
        <translation>Rating</translation>
    </message>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="173"/>
        <source>Оценок</source>
        <translation>Ratings</translation>
    </message>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="175"/>
        <source>Ваша оценка</source>
        <translation>Your rating</translation>
    </message>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="177"/>
        <source>Загрузок</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="179"/>
        <source>Последняя</source>
        <translation>Last</translation>
    </message>
    <message>
        <location filename="../work/main/ui/OnlineScriptsModel.cpp" line="181"/>
        <source>Комментарии</source>
        <translation>Comments</translation>
    </message>
</context>
<context>
    <name>ui::RatesWindow</name>
    <message>
        <location filename="../work/main/ui/RatesWindow.cpp" line="23"/>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RatesWindow.cpp" line="27"/>
        <source>Оценки пользователей</source>
        <translation>User Ratings</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RatesWindow.cpp" line="33"/>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RatesWindow.cpp" line="33"/>
        <source>Оценка</source>
        <translation>Rating</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RatesWindow.cpp" line="33"/>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RatesWindow.cpp" line="33"/>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RatesWindow.cpp" line="33"/>
        <source>Версия</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RatesWindow.cpp" line="33"/>
        <source>Комментарии</source>
        <translation>Comments</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RatesWindow.cpp" line="58"/>
        <source>Закрыть окно</source>
        <translation>Close the window</translation>
    </message>
</context>
<context>
    <name>ui::RepeatsModel</name>
    <message>
        <location filename="../work/main/ui/RepeatsWindow.cpp" line="72"/>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RepeatsWindow.cpp" line="72"/>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RepeatsWindow.cpp" line="72"/>
        <source>Кол-во повторов</source>
        <translation>Repeats</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RepeatsWindow.cpp" line="72"/>
        <source>Список тиражей</source>
        <translation>Draw list</translation>
    </message>
</context>
<context>
    <name>ui::RepeatsWindow</name>
    <message>
        <location filename="../work/main/ui/RepeatsWindow.cpp" line="89"/>
        <source>Количество повторов в зависимости от тиража</source>
        <translation>Number of repeats by draw</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RepeatsWindow.cpp" line="100"/>
        <source>Количество тиражей, использующихся для расчета статистики</source>
        <translation>Number of draws used to calculate the statistic</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RepeatsWindow.cpp" line="101"/>
        <source>Количество тиражей, просматриваемых &quot;в глубину&quot; для поиска совпадений</source>
        <translation>Number of draws looked through &quot;in depth&quot; for matches</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RepeatsWindow.cpp" line="102"/>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RepeatsWindow.cpp" line="109"/>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/RepeatsWindow.cpp" line="111"/>
        <source>Глубина:</source>
        <translation>Depth:</translation>
    </message>
</context>
<context>
    <name>ui::ScriptPage</name>
    <message>
        <location filename="../work/main/ui/ScriptPageLibrary.cpp" line="49"/>
        <location filename="../work/main/ui/ScriptPageLibrary.cpp" line="50"/>
        <source>Фильтр сценариев</source>
        <translation>Script filter</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPageLibrary.cpp" line="85"/>
        <source>Фильтр:</source>
        <translation>Filter:</translation>
    </message>
</context>
<context>
    <name>ui::ScriptPropertiesDialog</name>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.cpp" line="17"/>
        <source>Отправить сценарий на сервер</source>
        <translation>Send the script to the server</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.cpp" line="18"/>
        <source>Закрыть окно</source>
        <translation>Close the window</translation>
    </message>
    <message>
        <location filename="../work/main/ui/ScriptPropertiesDialog.cpp" line="35"/>
        <source>Только в &quot;%1&quot;</source>
        <translation>Only in &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ui::StakeDialog</name>
    <message>
        <location filename="../work/main/ui/StakeDialog.cpp" line="17"/>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeDialog.cpp" line="44"/>
        <source>Введена некорректная комбинация!</source>
        <translation>The combination entered is invalid!</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeDialog.cpp" line="49"/>
        <source>Необходимо ввести комментарий!</source>
        <translation>You must enter a comment!</translation>
    </message>
</context>
<context>
    <name>ui::StakeFilterDialog</name>
    <message>
        <location filename="../work/main/ui/StakeFilterDialog.cpp" line="14"/>
        <source>Удалить ставки</source>
        <translation>Delete stakes</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StakeFilterDialog.cpp" line="15"/>
        <source>Отменить операцию и закрыть окно</source>
        <translation>Cancel the operation and close the window</translation>
    </message>
</context>
<context>
    <name>ui::StatChartView</name>
    <message>
        <location filename="../work/main/ui/StatChartView.cpp" line="99"/>
        <source>Все возможные комбинации</source>
        <translation>All possible combinations</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StatChartView.cpp" line="105"/>
        <source>Фактические данные</source>
        <translation>Actual data</translation>
    </message>
</context>
<context>
    <name>ui::StatPage</name>
    <message>
        <location filename="../work/main/ui/StatPage.cpp" line="52"/>
        <source>Вид расчета статистики</source>
        <translation>Statistic calculation method</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StatPage.cpp" line="64"/>
        <source>Количество тиражей, использующихся для расчета статистики</source>
        <translation>Number of draws used to calculate the statistic</translation>
    </message>
    <message>
        <location filename="../work/main/ui/StatPage.cpp" line="66"/>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
</context>
<context>
    <name>ui::SystemDialog</name>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="48"/>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="51"/>
        <location filename="../work/main/ui/SystemDialog.cpp" line="54"/>
        <source>Текстовые файлы (*.txt);;Все файлы (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="81"/>
        <source>Закрыть окно</source>
        <translation>Close the window</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="142"/>
        <source>гарантия: -</source>
        <translation>guarantee: -</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="149"/>
        <source>гарантия: не вычислялась (слишком много комбинаций)</source>
        <translation>guarantee: not computed (too many combinations)</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="156"/>
        <source>гарантия: %1 из 5</source>
        <translation>guarantee: %1 of 5</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="157"/>
        <source>; заявлен блок %1: </source>
        <translation>; claimed block %1: </translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="158"/>
        <source>выполняется для всех %1 тиражей</source>
        <translation>met for all %1 draws</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="159"/>
        <source>не выполняется для %1 из %2 тиражей</source>
        <translation>not met for %1 of %2 draws</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="167"/>
        <source>Копировать в буфер обмена</source>
        <translation>Copy to the clipboard</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="169"/>
        <source>Копировать в буфер обмена Windows</source>
        <translation>Copy to the clipboard</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="172"/>
        <source>Вставить из буфера обмена</source>
        <translation>Paste from the clipboard</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="174"/>
        <source>Вставить из буфера обмена Windows</source>
        <translation>Paste from the clipboard</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="179"/>
        <source>Выделить все</source>
        <translation>Select all</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="181"/>
        <source>Выделить все комбинации</source>
        <translation>Select all combinations</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="184"/>
        <source>Загрузить из файла</source>
        <translation>Load from a file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="186"/>
        <source>Загрузить из текстового файла</source>
        <translation>Load from a text file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="188"/>
        <source>Сохранить в файле</source>
        <translation>Save to a file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="190"/>
        <source>Сохранить в текстовом файле</source>
        <translation>Save to a text file</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="217"/>
        <source>Ошибка чтения файла &quot;%1&quot;!</source>
        <translation>Error reading the file &quot;%1&quot;!</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="235"/>
        <source>Ошибка записи файла &quot;%1&quot;!</source>
        <translation>Error writing the file &quot;%1&quot;!</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="247"/>
        <source>Название системы должно быть указано обязательно!</source>
        <translation>The system name must be given!</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="250"/>
        <source>Указано недопустмое количество используемых чисел!</source>
        <translation>An invalid number of used numbers is given!</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="253"/>
        <source>Указан недопустмый размер блока!</source>
        <translation>An invalid block size is given!</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="255"/>
        <source>Имя автора должно быть указано обязательно!</source>
        <translation>The author&apos;s name must be given!</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="257"/>
        <source>Описание системы должно быть указано обязательно!</source>
        <translation>The system description must be given!</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="259"/>
        <source>Содержимое системы должно быть указано обязательно!</source>
        <translation>The content of the system must be given!</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemDialog.cpp" line="264"/>
        <source>Комбинации системы не соответствуют количеству используемых чисел!</source>
        <translation>The system&apos;s combinations do not match the number of numbers used!</translation>
    </message>
</context>
<context>
    <name>ui::SystemsModel</name>
    <message>
        <location filename="../work/main/ui/SystemsModel.cpp" line="109"/>
        <source>Система на этом компьютере</source>
        <translation>System on this computer</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemsModel.cpp" line="126"/>
        <source>Загружена</source>
        <translation>Downloaded</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemsModel.cpp" line="146"/>
        <source>Название</source>
        <translation>Title</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemsModel.cpp" line="148"/>
        <source>Автор</source>
        <translation>Author</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemsModel.cpp" line="150"/>
        <source>Числа</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemsModel.cpp" line="152"/>
        <source>Блок</source>
        <translation>Block</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemsModel.cpp" line="154"/>
        <source>Комбинаций</source>
        <translation>Combinations</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemsModel.cpp" line="156"/>
        <source>Дата создания</source>
        <translation>Created</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemsModel.cpp" line="158"/>
        <source>Статус</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemsModel.cpp" line="160"/>
        <source>Загрузок</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemsModel.cpp" line="162"/>
        <source>Последняя</source>
        <translation>Last</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemsModel.cpp" line="164"/>
        <source>Комментарии</source>
        <translation>Comments</translation>
    </message>
    <message>
        <location filename="../work/main/ui/SystemsModel.cpp" line="166"/>
        <source>Ссылка</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>%1 из %2</source>
        <translation>%1 if %2</translation>
    </message>
    <message>
        <source>%1 из 5 (заявлено %2)</source>
        <translation>%1 if 5 (stated %2)</translation>
    </message>
    <message>
        <source>Гарантия</source>
        <translation>Guarantee</translation>
    </message>
    <message>
        <source>Лучшая известная</source>
        <translation>Best known</translation>
    </message>
    <message>
        <source>Нижняя граница</source>
        <translation>Lower bound</translation>
    </message>
    <message>
        <source>Система не выполняет заявленную гарантию: %1 из 5 вместо %2 из 5</source>
        <translation>The system does not hold its stated guarantee: %1 if 5 instead of %2 if 5</translation>
    </message>
</context>
<context>
    <name>ui::TableDialog</name>
    <message>
        <location filename="../work/main/ui/TableDialog.cpp" line="21"/>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../work/main/ui/TableDialog.cpp" line="32"/>
        <source>{...Выделенные комбинации...}</source>
        <translation>{...Selected combinations...}</translation>
    </message>
</context>
<context>
    <name>ui::WeekPage</name>
    <message>
        <location filename="../work/main/ui/WeekPage.cpp" line="47"/>
        <source>Количество тиражей, использующихся для расчета статистики</source>
        <translation>Number of draws used to calculate the statistic</translation>
    </message>
    <message>
        <location filename="../work/main/ui/WeekPage.cpp" line="51"/>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
    <message>
        <location filename="../work/main/ui/WeekPage.cpp" line="189"/>
        <source>Неделя</source>
        <translation>Week</translation>
    </message>
</context>
<context>
    <name>views</name>
    <message>
        <location filename="../work/main/views/FullSet.cpp" line="128"/>
        <source>Длина файла не кратна 12 байтам: %1</source>
        <translation>The file length is not a multiple of 12 bytes: %1</translation>
    </message>
    <message>
        <location filename="../work/main/views/FullSet.cpp" line="150"/>
        <source>Не удалось создать каталог %1</source>
        <translation>Could not create the folder %1</translation>
    </message>
    <message>
        <location filename="../work/main/views/FullSet.cpp" line="179"/>
        <source>Слишком большой файл: %1 байт</source>
        <translation>File too large: %1 bytes</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="20"/>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="20"/>
        <source>Количество</source>
        <translation>Count</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="21"/>
        <source>Кол-во в %</source>
        <translation>Count in %</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="21"/>
        <source>Норма</source>
        <translation>Norm</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="22"/>
        <source>Отклонение</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="22"/>
        <source>Откл-ие в %</source>
        <translation>Dev. in %</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="23"/>
        <source>Глубина</source>
        <translation>Depth</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="23"/>
        <source>Глубина в %</source>
        <translation>Depth in %</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="24"/>
        <source>Вес</source>
        <translation>Weight</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="24"/>
        <source>Посл. тираж</source>
        <translation>Last draw</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="25"/>
        <source>Период min</source>
        <translation>Period min</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="25"/>
        <source>Период</source>
        <translation>Period</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="26"/>
        <source>Период max</source>
        <translation>Period max</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="26"/>
        <source>Ожд. ПРД</source>
        <translation>Exp. PRD</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="27"/>
        <source>Ожд. СТФ</source>
        <translation>Exp. STF</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="27"/>
        <source>Ожд. КРН</source>
        <translation>Exp. KRN</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="28"/>
        <source>Факт</source>
        <translation>Actual</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="28"/>
        <source>+/- ПРД</source>
        <translation>+/- PRD</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="29"/>
        <source>+/- СТФ</source>
        <translation>+/- STF</translation>
    </message>
    <message>
        <location filename="../work/main/views/StatTable.cpp" line="29"/>
        <source>+/- КРН</source>
        <translation>+/- KRN</translation>
    </message>
    <message>
        <location filename="../work/main/views/DrawDetail.cpp" line="15"/>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <location filename="../work/main/views/DrawDetail.cpp" line="17"/>
        <source>Дата тиража:</source>
        <translation>Draw date:</translation>
    </message>
    <message>
        <location filename="../work/main/views/DrawGraph.cpp" line="14"/>
        <source>Среднее значение</source>
        <translation>Average value</translation>
    </message>
    <message>
        <location filename="../work/main/views/DrawGraph.cpp" line="19"/>
        <source>Наиболее часто встречающееся значение</source>
        <translation>Most frequent value</translation>
    </message>
    <message>
        <location filename="../work/main/views/Repeats.cpp" line="56"/>
        <source>Совпадений: %1</source>
        <translation>Matches: %1</translation>
    </message>
    <message>
        <location filename="../work/main/views/SumDistribution.cpp" line="75"/>
        <source>Фактическое распределение сумм (по тиражам)</source>
        <translation>Actual distribution of sums (by draw)</translation>
    </message>
    <message>
        <location filename="../work/main/views/SumDistribution.cpp" line="80"/>
        <source>Теоретическое распределение сумм (по комбинациям)</source>
        <translation>Theoretical distribution of sums (by combination)</translation>
    </message>
    <message>
        <location filename="../work/main/views/SumDistribution.cpp" line="85"/>
        <source>Диапазон %1 (от %2 и выше по оси Y) - суммы %3-%4</source>
        <translation>Range %1 (from %2 up on the Y axis) - sums %3-%4</translation>
    </message>
</context>
<context>
    <name>xls</name>
    <message>
        <location filename="../work/main/export/ExportParams.cpp" line="138"/>
        <source>по правому краю</source>
        <translation>right</translation>
    </message>
    <message>
        <location filename="../work/main/export/ExportParams.cpp" line="140"/>
        <source>по центру</source>
        <translation>centre</translation>
    </message>
    <message>
        <location filename="../work/main/export/ExportParams.cpp" line="142"/>
        <source>по левому краю</source>
        <translation>left</translation>
    </message>
    <message>
        <location filename="../work/main/export/ExportParams.cpp" line="241"/>
        <source>Ошибка загрузки параметров экспорта из файла &quot;%1&quot;!

%2</source>
        <translation>Error loading the export settings from the file &quot;%1&quot;!

%2</translation>
    </message>
    <message>
        <location filename="../work/main/export/ExportParams.cpp" line="262"/>
        <source>Ошибка сохранения параметров экспорта в файле &quot;%1&quot;!

%2</source>
        <translation>Error saving the export settings to the file &quot;%1&quot;!

%2</translation>
    </message>
    <message>
        <location filename="../work/main/export/XlsxWriter.cpp" line="158"/>
        <source>Лист</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <location filename="../work/main/export/XlsxWriter.cpp" line="357"/>
        <source>Отчет построен: %1.</source>
        <translation>Report made: %1.</translation>
    </message>
    <message>
        <location filename="../work/main/export/XlsxWriter.cpp" line="372"/>
        <location filename="../work/main/export/XlsxWriter.cpp" line="389"/>
        <source>Ошибка экспорта данных в Microsoft Excel!
%1</source>
        <translation>Error exporting data to Microsoft Excel!
%1</translation>
    </message>
    <message>
        <location filename="../work/main/export/XlsxWriter.cpp" line="383"/>
        <source>Не удалось переименовать &quot;%1&quot; в &quot;%2&quot;.</source>
        <translation>Could not rename &quot;%1&quot; to &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>xls::Writer</name>
    <message>
        <location filename="../work/main/export/XlsxWriter.cpp" line="200"/>
        <source>Создание рабочей книги...</source>
        <translation>Creating the workbook...</translation>
    </message>
    <message>
        <location filename="../work/main/export/XlsxWriter.cpp" line="203"/>
        <source>Не удалось создать рабочую книгу &quot;%1&quot;.</source>
        <translation>Could not create the workbook &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../work/main/export/XlsxWriter.cpp" line="215"/>
        <source>Создание листа...</source>
        <translation>Creating the sheet...</translation>
    </message>
    <message>
        <location filename="../work/main/export/XlsxWriter.cpp" line="219"/>
        <source>Не удалось создать лист &quot;%1&quot;.</source>
        <translation>Could not create the sheet &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../work/main/export/XlsxWriter.cpp" line="230"/>
        <source>Передача данных в Microsoft Excel...</source>
        <translation>Transferring data to Microsoft Excel...</translation>
    </message>
    <message>
        <location filename="../work/main/export/XlsxWriter.cpp" line="254"/>
        <source>Форматирование листа...</source>
        <translation>Formatting the sheet...</translation>
    </message>
    <message>
        <location filename="../work/main/export/XlsxWriter.cpp" line="303"/>
        <source>Подготовка данных для экспорта...</source>
        <translation>Preparing the data for export...</translation>
    </message>
</context>
<context>
    <name>ui::WheelDialog</name>
    <message>
        <source>Время поиска, секунд:</source>
        <translation>Search time, seconds:</translation>
    </message>
    <message>
        <source>Гарантия, угадано в комбинации:</source>
        <translation>Guarantee, matched in a combination:</translation>
    </message>
    <message>
        <source>Лучшая известная: %1, нижняя граница: %2 комбинаций.</source>
        <translation>Best known: %1, lower bound: %2 combinations.</translation>
    </message>
    <message>
        <source>Опорных чисел (в каждой комбинации):</source>
        <translation>Bankers (in every combination):</translation>
    </message>
    <message>
        <source>Создать систему</source>
        <translation>Make a system</translation>
    </message>
    <message>
        <source>Чисел в системе:</source>
        <translation>Numbers in the system:</translation>
    </message>
    <message>
        <source>если угадано чисел системы:</source>
        <translation>if drawn among the system&apos;s numbers:</translation>
    </message>
    <message>
        <source>нет данных</source>
        <translation>unknown</translation>
    </message>
</context>
<context>
    <name>stakes::WheelMaker</name>
    <message>
        <source>Гарантия должна быть от 2 до %1: %2</source>
        <translation>The guarantee must be from 2 to %1: %2</translation>
    </message>
    <message>
        <source>Количество чисел должно быть от %1 до %2: %3</source>
        <translation>The count of numbers must be from %1 to %2: %3</translation>
    </message>
    <message>
        <source>Опорных чисел при гарантии %1 может быть от 0 до %2: %3</source>
        <translation>With guarantee %1 there may be 0 to %2 bankers: %3</translation>
    </message>
    <message>
        <source>Угаданных чисел должно быть от %1 до 5: %2</source>
        <translation>The drawn numbers must be from %1 to 5: %2</translation>
    </message>
</context>
<context>
    <name>stakes::WheelReference</name>
    <message>
        <source>Строка %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>неверное число</source>
        <translation>invalid number</translation>
    </message>
    <message>
        <source>неизвестное состояние &quot;%1&quot;</source>
        <translation>unknown status &quot;%1&quot;</translation>
    </message>
    <message>
        <source>ожидалось 6 полей, а не %1</source>
        <translation>6 fields expected, not %1</translation>
    </message>
    <message>
        <source>ожидался заголовок &quot;%1&quot;</source>
        <translation>the header &quot;%1&quot; expected</translation>
    </message>
</context>
<context>
    <name>ui::GaugeWindow</name>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
</context>
</TS>
