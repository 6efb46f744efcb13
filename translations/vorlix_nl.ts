<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Colours</name>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>oranje</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>lichtblauw</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>lichtgroen</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>paars</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>display %1 (%2)</source>
        <translation>scherm %1 (%2)</translation>
    </message>
    <message>
        <source>the platform %1</source>
        <translation>een scherm via het platform %1</translation>
    </message>
    <message>
        <source>cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>kan geen scherm openen: noch DISPLAY noch WAYLAND_DISPLAY is ingesteld.</translation>
    </message>
    <message>
        <source>cannot open a display: %1 is not set.</source>
        <translation>kan geen scherm openen: %1 is niet ingesteld.</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>cannot open %1.</source>
        <translation>kan %1 niet openen.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Deze hulptekst tonen.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>De versie tonen.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see &apos;vorlix --help&apos;.</source>
        <translation>onbekende optie „%1”; zie „vorlix --help”.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see &apos;vorlix --help&apos;.</source>
        <translation>onverwacht argument „%1”; zie „vorlix --help”.</translation>
    </message>
    <message>
        <source>cannot write the help: %1</source>
        <translation>kan de hulptekst niet schrijven: %1</translation>
    </message>
    <message>
        <source>cannot write the version: %1</source>
        <translation>kan de versie niet schrijven: %1</translation>
    </message>
    <message>
        <source>A calculator for mixed fractions</source>
        <translation>Een rekenmachine voor gemengde breuken</translation>
    </message>
</context>
<context>
    <name>Descriptions</name>
    <message>
        <source>Type digits; Enter moves to the next box</source>
        <translation>Cijfers invoeren; Enter gaat naar het volgende vak</translation>
    </message>
    <message>
        <source>Calculator for mixed fractions. The context-menu key or Shift+F10 gives the focused box or button its next colour, %1 the window background, %2 the operator sign and %3 the equals sign.</source>
        <extracomment>%1, %2 and %3 are the keys that recolour the window background, the operator sign and the equals sign (Keys: Alt+W, Alt+O and Alt+E).</extracomment>
        <translation>Rekenmachine voor gemengde breuken. De contextmenutoets of Shift+F10 geeft het vak of de knop met de focus de volgende kleur, %1 de vensterachtergrond, %2 het rekenteken en %3 het gelijkteken.</translation>
    </message>
    <message>
        <source>first number, whole part</source>
        <translation>eerste getal, geheel deel</translation>
    </message>
    <message>
        <source>first number, numerator</source>
        <translation>eerste getal, teller</translation>
    </message>
    <message>
        <source>first number, denominator</source>
        <translation>eerste getal, noemer</translation>
    </message>
    <message>
        <source>The operation Calculate applies</source>
        <translation>De bewerking die „Berekenen” uitvoert</translation>
    </message>
    <message>
        <source>second number, whole part</source>
        <translation>tweede getal, geheel deel</translation>
    </message>
    <message>
        <source>Type digits</source>
        <translation>Cijfers invoeren</translation>
    </message>
    <message>
        <source>second number, numerator</source>
        <translation>tweede getal, teller</translation>
    </message>
    <message>
        <source>second number, denominator</source>
        <translation>tweede getal, noemer</translation>
    </message>
    <message>
        <source>Type digits; Enter calculates</source>
        <translation>Cijfers invoeren; Enter start de berekening</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>is gelijk aan</translation>
    </message>
    <message>
        <source>result, whole part</source>
        <translation>resultaat, geheel deel</translation>
    </message>
    <message>
        <source>Shown when the result has a whole part</source>
        <translation>Zichtbaar als het resultaat een geheel deel heeft</translation>
    </message>
    <message>
        <source>result, numerator</source>
        <translation>resultaat, teller</translation>
    </message>
    <message>
        <source>Shown when the result has a fraction</source>
        <translation>Zichtbaar als het resultaat een breuk bevat</translation>
    </message>
    <message>
        <source>result, denominator</source>
        <translation>resultaat, noemer</translation>
    </message>
    <message>
        <source>add</source>
        <translation>Optellen</translation>
    </message>
    <message>
        <source>Choose addition</source>
        <translation>Kiezen voor optellen</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>Aftrekken</translation>
    </message>
    <message>
        <source>Choose subtraction</source>
        <translation>Kiezen voor aftrekken</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>Vermenigvuldigen</translation>
    </message>
    <message>
        <source>Choose multiplication</source>
        <translation>Kiezen voor vermenigvuldigen</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Choose division</source>
        <translation>Kiezen voor delen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Empty every box (Alt+N)</source>
        <translation>Alle vakken leegmaken (Alt+N)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berekenen</translation>
    </message>
    <message>
        <source>Show the result (Alt+C)</source>
        <translation>Het resultaat tonen (Alt+B)</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Auteursrechtvermelding</translation>
    </message>
    <message>
        <source>window background</source>
        <translation>vensterachtergrond</translation>
    </message>
    <message>
        <source>operator sign</source>
        <translation>rekenteken</translation>
    </message>
    <message>
        <source>equals sign</source>
        <translation>gelijkteken</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Alt+W</source>
        <extracomment>The key that gives the window&apos;s background its next colour: Alt and the first letter of &quot;window&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+V</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <extracomment>The key that gives the operator sign (+, -, x or /) its next colour: Alt and the first letter of &quot;operator&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Alt+E</source>
        <extracomment>The key that gives the equals sign its next colour: Alt and the first letter of &quot;equals&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+G</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Fractions missing</source>
        <translation>Breuken ontbreken</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Deling door nul</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen komen niet overeen</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>Sorry that number is to big for me.</source>
        <translation>Sorry, dat getal is te groot voor me.</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>The colours could not be saved: %1</source>
        <translation>De kleuren konden niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 is een map, geen bestand.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 is een bestand, geen map.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created.</source>
        <translation>de map %1 kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>%1 is a pipe or a device, not a file.</source>
        <translation>%1 is een pipe of een apparaat, geen bestand.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>het bestand %1 is alleen-lezen.</translation>
    </message>
    <message>
        <source>the settings file %1 is locked by another program.</source>
        <translation>het instellingenbestand %1 is door een ander programma vergrendeld.</translation>
    </message>
    <message>
        <source>the lock file %1 is a folder, not a file.</source>
        <translation>het vergrendelingsbestand %1 is een map, geen bestand.</translation>
    </message>
    <message>
        <source>the lock file %1 is a pipe or a device, not a file.</source>
        <translation>het vergrendelingsbestand %1 is een pipe of een apparaat, geen bestand.</translation>
    </message>
    <message>
        <source>the lock file %1 is a link to %3, which does not exist.</source>
        <translation>het vergrendelingsbestand %1 is een koppeling naar %3, maar dat bestaat niet.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be removed: %2.</source>
        <translation>het vergrendelingsbestand %1 kon niet worden verwijderd: %2.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be created: %2.</source>
        <translation>het vergrendelingsbestand %1 kon niet worden aangemaakt: %2.</translation>
    </message>
    <message>
        <source>the value of %1 cannot be stored in a settings file.</source>
        <translation>de waarde van sleutel %1 kan niet in een instellingenbestand worden opgeslagen.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 kon niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read as settings and could not be kept aside: %2.</source>
        <translation>%1 bevat geen leesbare instellingen en kon niet onder een andere naam worden bewaard: %2.</translation>
    </message>
    <message>
        <source>%1 could not be given back to its owner: %2.</source>
        <translation>de eigenaar van %1 kon niet worden behouden: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 kon niet worden geschreven.</translation>
    </message>
    <message>
        <source>%1 could not be written; the disk may be full.</source>
        <translation>%1 kon niet worden geschreven; mogelijk is de schijf vol.</translation>
    </message>
    <message>
        <source>the folder %1 is read-only.</source>
        <translation>de map %1 is alleen-lezen.</translation>
    </message>
    <message>
        <source>the folder %1 is on a read-only file system.</source>
        <translation>de map %1 staat op een alleen-lezen bestandssysteem.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>de map %1 bestaat niet.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 kon niet worden geschreven: %2.</translation>
    </message>
</context>
<context>
    <name>SpokenPhrases</name>
    <message>
        <source>operation: %1</source>
        <translation>bewerking: %1</translation>
    </message>
    <message>
        <source>result: %1</source>
        <translation>resultaat: %1</translation>
    </message>
    <message>
        <source>every box is empty; %1</source>
        <translation>alle vakken zijn leeg; %1</translation>
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
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berekenen</translation>
    </message>
    <message>
        <source>© 2026 The Vorlix developers</source>
        <translation>© 2026 De Vorlix-ontwikkelaars</translation>
    </message>
</context>
</TS>
