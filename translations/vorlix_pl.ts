<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Colours</name>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>pomarańczowy</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>purpurowy</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>jasnoniebieski</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>jasnozielony</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>fioletowy</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>display %1 (%2)</source>
        <translation>ekranu %1 (%2)</translation>
    </message>
    <message>
        <source>the platform %1</source>
        <translation>ekranu przez platformę %1</translation>
    </message>
    <message>
        <source>cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>nie można otworzyć ekranu: nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY.</translation>
    </message>
    <message>
        <source>cannot open a display: %1 is not set.</source>
        <translation>nie można otworzyć ekranu: nie ustawiono %1.</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 ani %2</translation>
    </message>
    <message>
        <source>cannot open %1.</source>
        <translation>nie można otworzyć %1.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Wyświetla tę pomoc.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Wyświetla numer wersji.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see &apos;vorlix --help&apos;.</source>
        <translation>nieznana opcja „%1”; więcej informacji: „vorlix --help”.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see &apos;vorlix --help&apos;.</source>
        <translation>nieoczekiwany argument „%1”; więcej informacji: „vorlix --help”.</translation>
    </message>
    <message>
        <source>cannot write the help: %1</source>
        <translation>nie można wypisać pomocy: %1</translation>
    </message>
    <message>
        <source>cannot write the version: %1</source>
        <translation>nie można wypisać numeru wersji: %1</translation>
    </message>
    <message>
        <source>A calculator for mixed fractions</source>
        <translation>Kalkulator liczb mieszanych</translation>
    </message>
</context>
<context>
    <name>Descriptions</name>
    <message>
        <source>Type digits; Enter moves to the next box</source>
        <translation>Proszę wpisać cyfry; Enter przechodzi do następnego pola</translation>
    </message>
    <message>
        <source>Calculator for mixed fractions. The context-menu key or Shift+F10 gives the focused box or button its next colour, %1 the window background, %2 the operator sign and %3 the equals sign.</source>
        <extracomment>%1, %2 and %3 are the keys that recolour the window background, the operator sign and the equals sign (Keys: Alt+W, Alt+O and Alt+E).</extracomment>
        <translation>Kalkulator liczb mieszanych. Klawisz menu kontekstowego lub Shift+F10 zmienia kolor aktywnego pola lub przycisku na następny, %1 — kolor tła okna, %2 — znaku działania, a %3 — znaku równości.</translation>
    </message>
    <message>
        <source>first number, whole part</source>
        <translation>pierwsza liczba, część całkowita</translation>
    </message>
    <message>
        <source>first number, numerator</source>
        <translation>pierwsza liczba, licznik</translation>
    </message>
    <message>
        <source>first number, denominator</source>
        <translation>pierwsza liczba, mianownik</translation>
    </message>
    <message>
        <source>The operation Calculate applies</source>
        <translation>Działanie wykonywane przez przycisk „Oblicz”</translation>
    </message>
    <message>
        <source>second number, whole part</source>
        <translation>druga liczba, część całkowita</translation>
    </message>
    <message>
        <source>Type digits</source>
        <translation>Proszę wpisać cyfry</translation>
    </message>
    <message>
        <source>second number, numerator</source>
        <translation>druga liczba, licznik</translation>
    </message>
    <message>
        <source>second number, denominator</source>
        <translation>druga liczba, mianownik</translation>
    </message>
    <message>
        <source>Type digits; Enter calculates</source>
        <translation>Proszę wpisać cyfry; Enter wykonuje obliczenie</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>równa się</translation>
    </message>
    <message>
        <source>result, whole part</source>
        <translation>wynik, część całkowita</translation>
    </message>
    <message>
        <source>Shown when the result has a whole part</source>
        <translation>Widoczne, gdy wynik ma część całkowitą</translation>
    </message>
    <message>
        <source>result, numerator</source>
        <translation>wynik, licznik</translation>
    </message>
    <message>
        <source>Shown when the result has a fraction</source>
        <translation>Widoczne, gdy wynik zawiera ułamek</translation>
    </message>
    <message>
        <source>result, denominator</source>
        <translation>wynik, mianownik</translation>
    </message>
    <message>
        <source>add</source>
        <translation>Dodawanie</translation>
    </message>
    <message>
        <source>Choose addition</source>
        <translation>Wybiera dodawanie</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>Odejmowanie</translation>
    </message>
    <message>
        <source>Choose subtraction</source>
        <translation>Wybiera odejmowanie</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>Mnożenie</translation>
    </message>
    <message>
        <source>Choose multiplication</source>
        <translation>Wybiera mnożenie</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>Dzielenie</translation>
    </message>
    <message>
        <source>Choose division</source>
        <translation>Wybiera dzielenie</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowe działanie</translation>
    </message>
    <message>
        <source>Empty every box (Alt+N)</source>
        <translation>Czyści wszystkie pola (Alt+N)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Show the result (Alt+C)</source>
        <translation>Wyświetla wynik (Alt+O)</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Informacja o prawach autorskich</translation>
    </message>
    <message>
        <source>window background</source>
        <translation>tło okna</translation>
    </message>
    <message>
        <source>operator sign</source>
        <translation>znak działania</translation>
    </message>
    <message>
        <source>equals sign</source>
        <translation>znak równości</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Alt+W</source>
        <extracomment>The key that gives the window&apos;s background its next colour: Alt and the first letter of &quot;window&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <extracomment>The key that gives the operator sign (+, -, x or /) its next colour: Alt and the first letter of &quot;operator&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+D</translation>
    </message>
    <message>
        <source>Alt+E</source>
        <extracomment>The key that gives the equals sign its next colour: Alt and the first letter of &quot;equals&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+R</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Fractions missing</source>
        <translation>Brak ułamków</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dzielenie przez zero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Sorry that number is to big for me.</source>
        <translation>Niestety, ta liczba jest dla mnie za duża.</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>The colours could not be saved: %1</source>
        <translation>Nie udało się zapisać kolorów: %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 jest katalogiem, a nie plikiem.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 jest plikiem, a nie katalogiem.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created.</source>
        <translation>nie można utworzyć katalogu %1.</translation>
    </message>
    <message>
        <source>%1 is a pipe or a device, not a file.</source>
        <translation>%1 jest potokiem lub urządzeniem, a nie plikiem.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>plik %1 jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>the settings file %1 is locked by another program.</source>
        <translation>plik ustawień %1 jest zablokowany przez inny program.</translation>
    </message>
    <message>
        <source>the lock file %1 is a folder, not a file.</source>
        <translation>plik blokady %1 jest katalogiem, a nie plikiem.</translation>
    </message>
    <message>
        <source>the lock file %1 is a pipe or a device, not a file.</source>
        <translation>plik blokady %1 jest potokiem lub urządzeniem, a nie plikiem.</translation>
    </message>
    <message>
        <source>the lock file %1 is a link to %3, which does not exist.</source>
        <translation>plik blokady %1 jest dowiązaniem do nieistniejącego celu %3.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be removed: %2.</source>
        <translation>nie można usunąć pliku blokady %1: %2.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be created: %2.</source>
        <translation>nie można utworzyć pliku blokady %1: %2.</translation>
    </message>
    <message>
        <source>the value of %1 cannot be stored in a settings file.</source>
        <translation>wartości klucza %1 nie można zapisać w pliku ustawień.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>nie można odczytać %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read as settings and could not be kept aside: %2.</source>
        <translation>plik %1 nie zawiera czytelnych ustawień i nie można go zachować pod inną nazwą: %2.</translation>
    </message>
    <message>
        <source>%1 could not be given back to its owner: %2.</source>
        <translation>nie można zachować właściciela %1: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>nie można zapisać %1.</translation>
    </message>
    <message>
        <source>%1 could not be written; the disk may be full.</source>
        <translation>nie można zapisać %1; dysk może być pełny.</translation>
    </message>
    <message>
        <source>the folder %1 is read-only.</source>
        <translation>katalog %1 jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>the folder %1 is on a read-only file system.</source>
        <translation>katalog %1 znajduje się w systemie plików tylko do odczytu.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>katalog %1 nie istnieje.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>nie można zapisać %1: %2.</translation>
    </message>
</context>
<context>
    <name>SpokenPhrases</name>
    <message>
        <source>operation: %1</source>
        <translation>działanie: %1</translation>
    </message>
    <message>
        <source>result: %1</source>
        <translation>wynik: %1</translation>
    </message>
    <message>
        <source>every box is empty; %1</source>
        <translation>wszystkie pola są puste; %1</translation>
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
        <translation>&amp;Nowe działanie</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Oblicz</translation>
    </message>
    <message>
        <source>© 2026 The Vorlix developers</source>
        <translation>© 2026 Twórcy programu Vorlix</translation>
    </message>
</context>
</TS>
