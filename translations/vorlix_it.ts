<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Colours</name>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>arancione</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>blu chiaro</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>verde chiaro</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>viola</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>display %1 (%2)</source>
        <translation>il display %1 (%2)</translation>
    </message>
    <message>
        <source>the platform %1</source>
        <translation>la piattaforma %1</translation>
    </message>
    <message>
        <source>cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>impossibile aprire un display: le variabili DISPLAY e WAYLAND_DISPLAY non sono impostate.</translation>
    </message>
    <message>
        <source>cannot open a display: %1 is not set.</source>
        <translation>impossibile aprire un display: la variabile %1 non è impostata.</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 né %2</translation>
    </message>
    <message>
        <source>cannot open %1.</source>
        <translation>impossibile aprire %1.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra questa guida.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see &apos;vorlix --help&apos;.</source>
        <translation>opzione «%1» sconosciuta; consultare «vorlix --help».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see &apos;vorlix --help&apos;.</source>
        <translation>argomento «%1» non previsto; consultare «vorlix --help».</translation>
    </message>
    <message>
        <source>cannot write the help: %1</source>
        <translation>impossibile scrivere la guida: %1</translation>
    </message>
    <message>
        <source>cannot write the version: %1</source>
        <translation>impossibile scrivere la versione: %1</translation>
    </message>
    <message>
        <source>A calculator for mixed fractions</source>
        <translation>Una calcolatrice per frazioni miste</translation>
    </message>
</context>
<context>
    <name>Descriptions</name>
    <message>
        <source>Type digits; Enter moves to the next box</source>
        <translation>Digitare delle cifre; Invio passa al campo successivo</translation>
    </message>
    <message>
        <source>Calculator for mixed fractions. The context-menu key or Shift+F10 gives the focused box or button its next colour, %1 the window background, %2 the operator sign and %3 the equals sign.</source>
        <extracomment>%1, %2 and %3 are the keys that recolour the window background, the operator sign and the equals sign (Keys: Alt+W, Alt+O and Alt+E).</extracomment>
        <translation>Calcolatrice per frazioni miste. Il tasto del menu contestuale o Maiusc+F10 assegna il colore successivo al campo o al pulsante che ha il focus, %1 allo sfondo della finestra, %2 al segno dell&apos;operazione e %3 al segno di uguale.</translation>
    </message>
    <message>
        <source>first number, whole part</source>
        <translation>primo numero, parte intera</translation>
    </message>
    <message>
        <source>first number, numerator</source>
        <translation>primo numero, numeratore</translation>
    </message>
    <message>
        <source>first number, denominator</source>
        <translation>primo numero, denominatore</translation>
    </message>
    <message>
        <source>The operation Calculate applies</source>
        <translation>L&apos;operazione eseguita da «Calcola»</translation>
    </message>
    <message>
        <source>second number, whole part</source>
        <translation>secondo numero, parte intera</translation>
    </message>
    <message>
        <source>Type digits</source>
        <translation>Digitare delle cifre</translation>
    </message>
    <message>
        <source>second number, numerator</source>
        <translation>secondo numero, numeratore</translation>
    </message>
    <message>
        <source>second number, denominator</source>
        <translation>secondo numero, denominatore</translation>
    </message>
    <message>
        <source>Type digits; Enter calculates</source>
        <translation>Digitare delle cifre; Invio esegue il calcolo</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>uguale</translation>
    </message>
    <message>
        <source>result, whole part</source>
        <translation>risultato, parte intera</translation>
    </message>
    <message>
        <source>Shown when the result has a whole part</source>
        <translation>Mostrato quando il risultato ha una parte intera</translation>
    </message>
    <message>
        <source>result, numerator</source>
        <translation>risultato, numeratore</translation>
    </message>
    <message>
        <source>Shown when the result has a fraction</source>
        <translation>Mostrato quando il risultato ha una parte frazionaria</translation>
    </message>
    <message>
        <source>result, denominator</source>
        <translation>risultato, denominatore</translation>
    </message>
    <message>
        <source>add</source>
        <translation>Addizione</translation>
    </message>
    <message>
        <source>Choose addition</source>
        <translation>Scegliere l&apos;addizione</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>Sottrazione</translation>
    </message>
    <message>
        <source>Choose subtraction</source>
        <translation>Scegliere la sottrazione</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>Moltiplicazione</translation>
    </message>
    <message>
        <source>Choose multiplication</source>
        <translation>Scegliere la moltiplicazione</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>Divisione</translation>
    </message>
    <message>
        <source>Choose division</source>
        <translation>Scegliere la divisione</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Empty every box (Alt+N)</source>
        <translation>Svuotare tutti i campi (Alt+N)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Show the result (Alt+C)</source>
        <translation>Mostrare il risultato (Alt+C)</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Nota di copyright</translation>
    </message>
    <message>
        <source>window background</source>
        <translation>sfondo della finestra</translation>
    </message>
    <message>
        <source>operator sign</source>
        <translation>segno dell&apos;operazione</translation>
    </message>
    <message>
        <source>equals sign</source>
        <translation>segno di uguale</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Alt+W</source>
        <extracomment>The key that gives the window&apos;s background its next colour: Alt and the first letter of &quot;window&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+F</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <extracomment>The key that gives the operator sign (+, -, x or /) its next colour: Alt and the first letter of &quot;operator&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Alt+E</source>
        <extracomment>The key that gives the equals sign its next colour: Alt and the first letter of &quot;equals&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+U</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Fractions missing</source>
        <translation>Frazioni mancanti</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisione per zero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Sorry that number is to big for me.</source>
        <translation>Mi dispiace, questo numero è troppo grande per me.</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>The colours could not be saved: %1</source>
        <translation>Impossibile salvare i colori: %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 è una cartella, non un file.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 è un file, non una cartella.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created.</source>
        <translation>non è stato possibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>%1 is a pipe or a device, not a file.</source>
        <translation>%1 è una pipe o un dispositivo, non un file.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 è in sola lettura.</translation>
    </message>
    <message>
        <source>the settings file %1 is locked by another program.</source>
        <translation>il file delle impostazioni %1 è bloccato da un altro programma.</translation>
    </message>
    <message>
        <source>the lock file %1 is a folder, not a file.</source>
        <translation>il file di lock %1 è una cartella, non un file.</translation>
    </message>
    <message>
        <source>the lock file %1 is a pipe or a device, not a file.</source>
        <translation>il file di lock %1 è una pipe o un dispositivo, non un file.</translation>
    </message>
    <message>
        <source>the lock file %1 is a link to %3, which does not exist.</source>
        <translation>il file di lock %1 è un collegamento a %3, che non esiste.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be removed: %2.</source>
        <translation>non è stato possibile rimuovere il file di lock %1: %2.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be created: %2.</source>
        <translation>non è stato possibile creare il file di lock %1: %2.</translation>
    </message>
    <message>
        <source>the value of %1 cannot be stored in a settings file.</source>
        <translation>il valore di %1 non può essere memorizzato in un file di impostazioni.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>non è stato possibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read as settings and could not be kept aside: %2.</source>
        <translation>%1 non contiene impostazioni leggibili e non è stato possibile metterlo da parte: %2.</translation>
    </message>
    <message>
        <source>%1 could not be given back to its owner: %2.</source>
        <translation>non è stato possibile mantenere il proprietario di %1: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>non è stato possibile scrivere %1.</translation>
    </message>
    <message>
        <source>%1 could not be written; the disk may be full.</source>
        <translation>non è stato possibile scrivere %1; il disco potrebbe essere pieno.</translation>
    </message>
    <message>
        <source>the folder %1 is read-only.</source>
        <translation>la cartella %1 è in sola lettura.</translation>
    </message>
    <message>
        <source>the folder %1 is on a read-only file system.</source>
        <translation>la cartella %1 si trova su un file system in sola lettura.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>la cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>non è stato possibile scrivere %1: %2.</translation>
    </message>
</context>
<context>
    <name>SpokenPhrases</name>
    <message>
        <source>operation: %1</source>
        <translation>operazione: %1</translation>
    </message>
    <message>
        <source>result: %1</source>
        <translation>risultato: %1</translation>
    </message>
    <message>
        <source>every box is empty; %1</source>
        <translation>tutti i campi sono vuoti; %1</translation>
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
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcola</translation>
    </message>
    <message>
        <source>© 2026 The Vorlix developers</source>
        <translation>© 2026 Gli sviluppatori di Vorlix</translation>
    </message>
</context>
</TS>
