<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AfterContestTexts</name>
    <message>
        <source>line %1: cannot be read; not in the file</source>
        <translation>строка %1: не читается; в файл не вошла</translation>
    </message>
    <message>
        <source>%1 contacts written to %2</source>
        <translation>%1 связей записано в %2</translation>
    </message>
    <message>
        <source>%1 findings, %2 contacts</source>
        <translation>Замечаний: %1, связей: %2</translation>
    </message>
    <message>
        <source>%1 records read, %2 in the logbook, %3 without a call left out.</source>
        <translation>Прочитано записей: %1, в базе: %2, пропущено без позывного: %3.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>HF contest logger
version 1.3</source>
        <translation>Журнал КВ-соревнований
версия 1.3</translation>
    </message>
    <message>
        <source>HF contest logger, version 1.3</source>
        <translation>Журнал КВ-соревнований, версия 1.3</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CAboutBox</name>
    <message>
        <source>Tallyhawk 1.3</source>
        <translation>Tallyhawk 1.3</translation>
    </message>
    <message>
        <source>A logger for amateur-radio HF contests</source>
        <translation>Журнал для радиолюбительских КВ-соревнований</translation>
    </message>
    <message>
        <source>twenty contests on six bands</source>
        <translation>двадцать соревнований на шести диапазонах</translation>
    </message>
    <message>
        <source>in CW, Phone, RTTY and PSK.</source>
        <translation>телеграфом, телефоном, RTTY и PSK.</translation>
    </message>
    <message>
        <source>Type the call, the time and the exchange;</source>
        <translation>Введите позывной, время и контрольный номер;</translation>
    </message>
    <message>
        <source>Enter logs the contact.</source>
        <translation>Enter записывает связь.</translation>
    </message>
    <message>
        <source>Duplicates are flagged while you type,</source>
        <translation>Повторы видны уже при вводе,</translation>
    </message>
    <message>
        <source>new multipliers show at once,</source>
        <translation>новые множители показываются сразу,</translation>
    </message>
    <message>
        <source>and the score runs band by band.</source>
        <translation>а счёт ведётся по диапазонам.</translation>
    </message>
    <message>
        <source>Every contact is on disk</source>
        <translation>Каждая связь уже на диске</translation>
    </message>
    <message>
        <source>the moment it is logged.</source>
        <translation>в момент записи.</translation>
    </message>
    <message>
        <source>Good luck in the contest, and 73!</source>
        <translation>Удачи в соревнованиях и 73!</translation>
    </message>
    <message>
        <source>About Tallyhawk</source>
        <translation>О программе Tallyhawk</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CAfterContestDialog</name>
    <message>
        <source>After the contest</source>
        <translation>После контеста</translation>
    </message>
    <message>
        <source>Log for the sponsor: categories, details...</source>
        <translation>Отчёт для организатора: категории, данные...</translation>
    </message>
    <message>
        <source>Export Cabrillo 3.0 log</source>
        <translation>Экспорт отчёта Cabrillo 3.0</translation>
    </message>
    <message>
        <source>Export ADIF of the contest</source>
        <translation>Экспорт ADIF контеста</translation>
    </message>
    <message>
        <source>Check the log</source>
        <translation>Проверить отчёт</translation>
    </message>
    <message>
        <source>Import ADIF of any logger into the logbook...</source>
        <translation>Импорт ADIF любого логгера в базу...</translation>
    </message>
    <message>
        <source>Take over a Cabrillo log of another program...</source>
        <translation>Взять отчёт Cabrillo другой программы...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The settings of the log are stored.</source>
        <translation>Параметры отчёта сохранены.</translation>
    </message>
    <message>
        <source>ADIF (*.adi *.adif *.ADI);;All files (*)</source>
        <translation>ADIF (*.adi *.adif *.ADI);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Cabrillo (*.log *.cbr *.txt);;All files (*)</source>
        <translation>Cabrillo (*.log *.cbr *.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>%1 contacts of contest %2 for %3 written to %4</source>
        <translation>%1 связей контеста %2 для %3 записано в %4</translation>
    </message>
    <message>
        <source>line %1: not imported</source>
        <translation>строка %1: не импортирована</translation>
    </message>
    <message>
        <source>Claimed score: </source>
        <translation>Заявленный результат: </translation>
    </message>
</context>
<context>
    <name>tallyhawk::CButtonBar</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save current QSO</source>
        <translation>Сохранить текущее QSO</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Перегрузка</translation>
    </message>
    <message>
        <source>Refresh Database</source>
        <translation>Перегрузка базы данных</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Import/Export Files and Database</source>
        <translation>Конвертация файлов и создание базы позывных</translation>
    </message>
    <message>
        <source>Contest</source>
        <translation>Контест</translation>
    </message>
    <message>
        <source>Date, band, mode, contest settings</source>
        <translation>Установка даты, диапазона, вида излучения</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Оператор</translation>
    </message>
    <message>
        <source>Personal settings</source>
        <translation>Персональные установки</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Customize colors</source>
        <translation>Выбор цветов</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Установки</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Установки программы</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CColorsDialog</name>
    <message>
        <source>Grid background</source>
        <translation>Фон таблиц</translation>
    </message>
    <message>
        <source>Grid text</source>
        <translation>Текст таблиц</translation>
    </message>
    <message>
        <source>Selected cell background</source>
        <translation>Фон выделенной ячейки</translation>
    </message>
    <message>
        <source>Selected cell text</source>
        <translation>Текст выделенной ячейки</translation>
    </message>
    <message>
        <source>Header background</source>
        <translation>Фон заголовков</translation>
    </message>
    <message>
        <source>Header text</source>
        <translation>Текст заголовков</translation>
    </message>
    <message>
        <source>Worked before</source>
        <translation>Уже сработан</translation>
    </message>
    <message>
        <source>Not worked yet</source>
        <translation>Ещё не сработан</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>Текст окна</translation>
    </message>
    <message>
        <source>Alarm text</source>
        <translation>Текст предупреждений</translation>
    </message>
    <message>
        <source>Information text</source>
        <translation>Текст подсказок</translation>
    </message>
    <message>
        <source>Entry field background</source>
        <translation>Фон полей ввода</translation>
    </message>
    <message>
        <source>Entry field text</source>
        <translation>Текст полей ввода</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Выбор цветов</translation>
    </message>
    <message>
        <source>Grid style</source>
        <translation>Линии таблиц</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CConfigurationDialog</name>
    <message>
        <source>Settings</source>
        <translation>Установки программы</translation>
    </message>
    <message>
        <source>Callbook disc drive</source>
        <translation>Диск с каллбуком</translation>
    </message>
    <message>
        <source>Transmitter id</source>
        <translation>Номер передатчика</translation>
    </message>
    <message>
        <source>Time shift sign (+ or -)</source>
        <translation>Сдвиг времени: знак (+ или -)</translation>
    </message>
    <message>
        <source>Time shift hours</source>
        <translation>Сдвиг времени: часы</translation>
    </message>
    <message>
        <source>Time shift minutes</source>
        <translation>Сдвиг времени: минуты</translation>
    </message>
    <message>
        <source>Callbook</source>
        <translation>Каллбук</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Check configuration at start</source>
        <translation>Проверять установки при запуске</translation>
    </message>
    <message>
        <source>Window on top</source>
        <translation>Окно поверх остальных</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Сворачивать в область уведомлений</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский язык</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CContestDialog</name>
    <message>
        <source>Contest</source>
        <translation>Контест</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Вид излучения</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Current time (the time field follows the clock)</source>
        <translation>Текущее время (время QSO берётся с часов)</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CEntryRow</name>
    <message>
        <source>Call</source>
        <translation>Позывной</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Exchange sent</source>
        <translation>Передано</translation>
    </message>
    <message>
        <source>Exchange received</source>
        <translation>Принято</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CFilesDialog</name>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Convert a log between ADIF and Cabrillo</source>
        <translation>Конвертация журнала между ADIF и Cabrillo</translation>
    </message>
    <message>
        <source>ADIF source...</source>
        <translation>Файл ADIF...</translation>
    </message>
    <message>
        <source>Cabrillo source...</source>
        <translation>Файл Cabrillo...</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Конвертировать</translation>
    </message>
    <message>
        <source>Fill the logbook (call history) from an ADIF file</source>
        <translation>Заполнить базу позывных (историю связей) из файла ADIF</translation>
    </message>
    <message>
        <source>ADIF file...</source>
        <translation>Файл ADIF...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>ADIF source</source>
        <translation>Исходный файл ADIF</translation>
    </message>
    <message>
        <source>Files of ADIF format (*.adi)</source>
        <translation>Файлы формата ADIF (*.adi)</translation>
    </message>
    <message>
        <source>Cabrillo source</source>
        <translation>Исходный файл Cabrillo</translation>
    </message>
    <message>
        <source>Files of Cabrillo format (*.cbr)</source>
        <translation>Файлы формата Cabrillo (*.cbr)</translation>
    </message>
    <message>
        <source>ADIF file to import</source>
        <translation>Файл ADIF для импорта</translation>
    </message>
    <message>
        <source>No file chosen.</source>
        <translation>Файл не выбран.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Файл: %1</translation>
    </message>
    <message>
        <source>Any logger&apos;s ADIF</source>
        <translation>ADIF любого логгера</translation>
    </message>
    <message>
        <source>After the contest</source>
        <translation>После контеста</translation>
    </message>
    <message>
        <source>Cabrillo 3.0 for the sponsor</source>
        <translation>Cabrillo 3.0 для организатора</translation>
    </message>
    <message>
        <source>ADIF 3.1 export</source>
        <translation>Экспорт ADIF 3.1</translation>
    </message>
    <message>
        <source>Check the log</source>
        <translation>Проверить отчёт</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CKnownCallsPanel</name>
    <message>
        <source>Check partial</source>
        <translation>Поиск по части позывного</translation>
    </message>
    <message>
        <source>N+1</source>
        <translation>N+1</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CLoggerDlg</name>
    <message>
        <source>The station data take effect at the next start.</source>
        <translation>Данные станции вступят в силу при следующем запуске.</translation>
    </message>
    <message>
        <source>Settings messages are not received: %1</source>
        <translation>Сообщения об установках не принимаются: %1</translation>
    </message>
    <message>
        <source>Russian texts are missing in %1.</source>
        <translation>Русские тексты не найдены в %1.</translation>
    </message>
    <message>
        <source>Claimed score</source>
        <translation>Заявленный результат</translation>
    </message>
    <message>
        <source>This dialog is not available here: set the values with tallyhawk-cli set.</source>
        <translation>Это окно здесь недоступно: задайте значения командой tallyhawk-cli set.</translation>
    </message>
    <message>
        <source>User manual</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>The user manual is not there: %1 and %2 are missing or no browser opens them.</source>
        <translation>Руководства нет: %1 и %2 отсутствуют или браузер их не открывает.</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CPersonalDialog</name>
    <message>
        <source>Personal</source>
        <translation>Персональные установки</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Позывной</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Клуб</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>Адрес %1</translation>
    </message>
    <message>
        <source>CQ zone</source>
        <translation>Зона CQ</translation>
    </message>
    <message>
        <source>Continent</source>
        <translation>Континент</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CQsoEditDialog</name>
    <message>
        <source>Call</source>
        <translation>Позывной</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Передано</translation>
    </message>
    <message>
        <source>Rcvd</source>
        <translation>Принято</translation>
    </message>
    <message>
        <source>Edit QSO</source>
        <translation>Правка QSO</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CRatePanel</name>
    <message>
        <source>Last 10 QSOs</source>
        <translation>Последние 10 QSO</translation>
    </message>
    <message>
        <source>Last 60 minutes</source>
        <translation>Последние 60 минут</translation>
    </message>
    <message>
        <source>%1/h</source>
        <extracomment>contacts per hour</extracomment>
        <translation>%1/ч</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CRigSettingsBox</name>
    <message>
        <source>Radio (Hamlib)</source>
        <translation>Трансивер (Hamlib)</translation>
    </message>
    <message>
        <source>Follow the radio</source>
        <translation>Следовать за трансивером</translation>
    </message>
    <message>
        <source>Rig model</source>
        <translation>Модель трансивера</translation>
    </message>
    <message>
        <source>Rig port</source>
        <translation>Порт трансивера</translation>
    </message>
    <message>
        <source>Rig speed</source>
        <translation>Скорость порта</translation>
    </message>
    <message>
        <source>Hamlib&apos;s model number (rigctl -l lists them); 2 is NET rigctl</source>
        <translation>Номер модели в Hamlib (список: rigctl -l); 2 — NET rigctl</translation>
    </message>
    <message>
        <source>A serial device such as /dev/ttyUSB0, or host:port for NET rigctl</source>
        <translation>Последовательный порт, например /dev/ttyUSB0, или host:port для NET rigctl</translation>
    </message>
    <message>
        <source>Serial speed in baud; 0 keeps the radio&apos;s default</source>
        <translation>Скорость порта в бодах; 0 — по умолчанию трансивера</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CSubmissionDialog</name>
    <message>
        <source>Category operator</source>
        <translation>Категория: операторы</translation>
    </message>
    <message>
        <source>Category assisted</source>
        <translation>Категория: помощь</translation>
    </message>
    <message>
        <source>Category band</source>
        <translation>Категория: диапазон</translation>
    </message>
    <message>
        <source>Category mode</source>
        <translation>Категория: вид работы</translation>
    </message>
    <message>
        <source>Category power</source>
        <translation>Категория: мощность</translation>
    </message>
    <message>
        <source>Category station</source>
        <translation>Категория: станция</translation>
    </message>
    <message>
        <source>Category transmitter</source>
        <translation>Категория: передатчики</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Grid locator</source>
        <translation>QTH-локатор</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Местонахождение</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Операторы</translation>
    </message>
    <message>
        <source>Soapbox</source>
        <translation>Комментарий</translation>
    </message>
    <message>
        <source>Cabrillo contest</source>
        <translation>Название контеста в Cabrillo</translation>
    </message>
    <message>
        <source>Contest period</source>
        <translation>Период контеста</translation>
    </message>
    <message>
        <source>Log for the sponsor</source>
        <translation>Отчёт для организатора</translation>
    </message>
    <message>
        <source>A value is not allowed: the contest period is &quot;YYYY-MM-DD HHMM YYYY-MM-DD HHMM&quot;, start and the first minute after the end.</source>
        <translation>Недопустимое значение: период контеста задаётся как &quot;ГГГГ-ММ-ДД ЧЧММ ГГГГ-ММ-ДД ЧЧММ&quot;, начало и первая минута после конца.</translation>
    </message>
</context>
<context>
    <name>tallyhawk::CTrayIcon</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Показать окно</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Установки</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>tallyhawk::DialogValues</name>
    <message>
        <source>10 m</source>
        <translation>10 м</translation>
    </message>
    <message>
        <source>15 m</source>
        <translation>15 м</translation>
    </message>
    <message>
        <source>20 m</source>
        <translation>20 м</translation>
    </message>
    <message>
        <source>40 m</source>
        <translation>40 м</translation>
    </message>
    <message>
        <source>80 m</source>
        <translation>80 м</translation>
    </message>
    <message>
        <source>160 m</source>
        <translation>160 м</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>0-None</source>
        <translation>0-Нет</translation>
    </message>
    <message>
        <source>1-Flat</source>
        <translation>1-Плоские</translation>
    </message>
    <message>
        <source>2-Inset</source>
        <translation>2-Вдавленные</translation>
    </message>
    <message>
        <source>3-Raised</source>
        <translation>3-Выпуклые</translation>
    </message>
</context>
<context>
    <name>tallyhawk::SmallDialogs</name>
    <message>
        <source>Exit Tallyhawk?</source>
        <translation>Выйти из Tallyhawk?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
</context>
</TS>
