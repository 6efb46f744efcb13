<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Colours</name>
    <message>
        <source>red</source>
        <translation>красный</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жёлтый</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синий</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>оранжевый</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>пурпурный</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>голубой</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>светло-зелёный</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>фиолетовый</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>display %1 (%2)</source>
        <translation>дисплей %1 (%2)</translation>
    </message>
    <message>
        <source>the platform %1</source>
        <translation>дисплей через платформу %1</translation>
    </message>
    <message>
        <source>cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>не удаётся открыть дисплей: не заданы ни DISPLAY, ни WAYLAND_DISPLAY.</translation>
    </message>
    <message>
        <source>cannot open a display: %1 is not set.</source>
        <translation>не удаётся открыть дисплей: не задана переменная %1.</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>cannot open %1.</source>
        <translation>не удаётся открыть %1.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Показать эту справку.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Показать версию программы.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see &apos;vorlix --help&apos;.</source>
        <translation>неизвестный параметр «%1»; см. «vorlix --help».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see &apos;vorlix --help&apos;.</source>
        <translation>лишний аргумент «%1»; см. «vorlix --help».</translation>
    </message>
    <message>
        <source>cannot write the help: %1</source>
        <translation>не удаётся вывести справку: %1</translation>
    </message>
    <message>
        <source>cannot write the version: %1</source>
        <translation>не удаётся вывести версию: %1</translation>
    </message>
    <message>
        <source>A calculator for mixed fractions</source>
        <translation>Калькулятор смешанных дробей</translation>
    </message>
</context>
<context>
    <name>Descriptions</name>
    <message>
        <source>Type digits; Enter moves to the next box</source>
        <translation>Введите цифры; Enter — переход к следующему полю</translation>
    </message>
    <message>
        <source>Calculator for mixed fractions. The context-menu key or Shift+F10 gives the focused box or button its next colour, %1 the window background, %2 the operator sign and %3 the equals sign.</source>
        <extracomment>%1, %2 and %3 are the keys that recolour the window background, the operator sign and the equals sign (Keys: Alt+W, Alt+O and Alt+E).</extracomment>
        <translation>Калькулятор смешанных дробей. Клавиша контекстного меню или Shift+F10 меняет цвет поля или кнопки в фокусе на следующий, %1 — цвет фона окна, %2 — знака действия, %3 — знака равенства.</translation>
    </message>
    <message>
        <source>first number, whole part</source>
        <translation>первое число, целая часть</translation>
    </message>
    <message>
        <source>first number, numerator</source>
        <translation>первое число, числитель</translation>
    </message>
    <message>
        <source>first number, denominator</source>
        <translation>первое число, знаменатель</translation>
    </message>
    <message>
        <source>The operation Calculate applies</source>
        <translation>Действие, которое выполняет кнопка «Вычислить»</translation>
    </message>
    <message>
        <source>second number, whole part</source>
        <translation>второе число, целая часть</translation>
    </message>
    <message>
        <source>Type digits</source>
        <translation>Введите цифры</translation>
    </message>
    <message>
        <source>second number, numerator</source>
        <translation>второе число, числитель</translation>
    </message>
    <message>
        <source>second number, denominator</source>
        <translation>второе число, знаменатель</translation>
    </message>
    <message>
        <source>Type digits; Enter calculates</source>
        <translation>Введите цифры; Enter — вычисление</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>равно</translation>
    </message>
    <message>
        <source>result, whole part</source>
        <translation>результат, целая часть</translation>
    </message>
    <message>
        <source>Shown when the result has a whole part</source>
        <translation>Показывается, если у результата есть целая часть</translation>
    </message>
    <message>
        <source>result, numerator</source>
        <translation>результат, числитель</translation>
    </message>
    <message>
        <source>Shown when the result has a fraction</source>
        <translation>Показывается, если в результате есть дробь</translation>
    </message>
    <message>
        <source>result, denominator</source>
        <translation>результат, знаменатель</translation>
    </message>
    <message>
        <source>add</source>
        <translation>Сложение</translation>
    </message>
    <message>
        <source>Choose addition</source>
        <translation>Выбрать сложение</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>Вычитание</translation>
    </message>
    <message>
        <source>Choose subtraction</source>
        <translation>Выбрать вычитание</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>Умножение</translation>
    </message>
    <message>
        <source>Choose multiplication</source>
        <translation>Выбрать умножение</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>Деление</translation>
    </message>
    <message>
        <source>Choose division</source>
        <translation>Выбрать деление</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новый расчёт</translation>
    </message>
    <message>
        <source>Empty every box (Alt+N)</source>
        <translation>Очистить все поля (Alt+Н)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Вычислить</translation>
    </message>
    <message>
        <source>Show the result (Alt+C)</source>
        <translation>Показать результат (Alt+В)</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Сведения об авторских правах</translation>
    </message>
    <message>
        <source>window background</source>
        <translation>фон окна</translation>
    </message>
    <message>
        <source>operator sign</source>
        <translation>знак действия</translation>
    </message>
    <message>
        <source>equals sign</source>
        <translation>знак равенства</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Alt+W</source>
        <extracomment>The key that gives the window&apos;s background its next colour: Alt and the first letter of &quot;window&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+Ф</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <extracomment>The key that gives the operator sign (+, -, x or /) its next colour: Alt and the first letter of &quot;operator&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+Д</translation>
    </message>
    <message>
        <source>Alt+E</source>
        <extracomment>The key that gives the equals sign its next colour: Alt and the first letter of &quot;equals&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+Р</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Fractions missing</source>
        <translation>Не введены дроби</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несоответствие типов</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Sorry that number is to big for me.</source>
        <translation>Извините, это число для меня слишком большое.</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>The colours could not be saved: %1</source>
        <translation>Не удалось сохранить цвета: %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 — это папка, а не файл.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 — это файл, а не папка.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created.</source>
        <translation>не удалось создать папку %1.</translation>
    </message>
    <message>
        <source>%1 is a pipe or a device, not a file.</source>
        <translation>%1 — это канал или устройство, а не файл.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>файл %1 доступен только для чтения.</translation>
    </message>
    <message>
        <source>the settings file %1 is locked by another program.</source>
        <translation>файл настроек %1 заблокирован другой программой.</translation>
    </message>
    <message>
        <source>the lock file %1 is a folder, not a file.</source>
        <translation>файл блокировки %1 — это папка, а не файл.</translation>
    </message>
    <message>
        <source>the lock file %1 is a pipe or a device, not a file.</source>
        <translation>файл блокировки %1 — это канал или устройство, а не файл.</translation>
    </message>
    <message>
        <source>the lock file %1 is a link to %3, which does not exist.</source>
        <translation>файл блокировки %1 — это ссылка на несуществующий объект %3.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be removed: %2.</source>
        <translation>не удалось удалить файл блокировки %1: %2.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be created: %2.</source>
        <translation>не удалось создать файл блокировки %1: %2.</translation>
    </message>
    <message>
        <source>the value of %1 cannot be stored in a settings file.</source>
        <translation>значение ключа %1 невозможно сохранить в файле настроек.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>не удалось прочитать %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read as settings and could not be kept aside: %2.</source>
        <translation>файл %1 не содержит читаемых настроек, и его не удалось сохранить под другим именем: %2.</translation>
    </message>
    <message>
        <source>%1 could not be given back to its owner: %2.</source>
        <translation>не удалось сохранить владельца %1: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>не удалось записать %1.</translation>
    </message>
    <message>
        <source>%1 could not be written; the disk may be full.</source>
        <translation>не удалось записать %1; возможно, диск заполнен.</translation>
    </message>
    <message>
        <source>the folder %1 is read-only.</source>
        <translation>папка %1 доступна только для чтения.</translation>
    </message>
    <message>
        <source>the folder %1 is on a read-only file system.</source>
        <translation>папка %1 находится в файловой системе, доступной только для чтения.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>папка %1 не существует.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>не удалось записать %1: %2.</translation>
    </message>
</context>
<context>
    <name>SpokenPhrases</name>
    <message>
        <source>operation: %1</source>
        <translation>действие: %1</translation>
    </message>
    <message>
        <source>result: %1</source>
        <translation>результат: %1</translation>
    </message>
    <message>
        <source>every box is empty; %1</source>
        <translation>все поля пусты; %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An element of the window (%1) and the colour it has just been given (%2): &quot;first number, numerator: yellow&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новый расчёт</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Вычислить</translation>
    </message>
    <message>
        <source>© 2026 The Vorlix developers</source>
        <translation>© 2026 Разработчики Vorlix</translation>
    </message>
</context>
</TS>
