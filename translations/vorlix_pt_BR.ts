<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Colours</name>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>laranja</translation>
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
        <translation>azul-claro</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>verde-claro</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>roxo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>display %1 (%2)</source>
        <translation>a tela %1 (%2)</translation>
    </message>
    <message>
        <source>the platform %1</source>
        <translation>a plataforma %1</translation>
    </message>
    <message>
        <source>cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>não foi possível abrir uma tela: as variáveis DISPLAY e WAYLAND_DISPLAY não estão definidas.</translation>
    </message>
    <message>
        <source>cannot open a display: %1 is not set.</source>
        <translation>não foi possível abrir uma tela: a variável %1 não está definida.</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 nem %2</translation>
    </message>
    <message>
        <source>cannot open %1.</source>
        <translation>não foi possível abrir %1.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Mostra a versão.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see &apos;vorlix --help&apos;.</source>
        <translation>opção desconhecida “%1”; consulte “vorlix --help”.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see &apos;vorlix --help&apos;.</source>
        <translation>argumento inesperado “%1”; consulte “vorlix --help”.</translation>
    </message>
    <message>
        <source>cannot write the help: %1</source>
        <translation>não foi possível escrever a ajuda: %1</translation>
    </message>
    <message>
        <source>cannot write the version: %1</source>
        <translation>não foi possível escrever a versão: %1</translation>
    </message>
    <message>
        <source>A calculator for mixed fractions</source>
        <translation>Uma calculadora de frações mistas</translation>
    </message>
</context>
<context>
    <name>Descriptions</name>
    <message>
        <source>Type digits; Enter moves to the next box</source>
        <translation>Digite algarismos; Enter passa para o próximo campo</translation>
    </message>
    <message>
        <source>Calculator for mixed fractions. The context-menu key or Shift+F10 gives the focused box or button its next colour, %1 the window background, %2 the operator sign and %3 the equals sign.</source>
        <extracomment>%1, %2 and %3 are the keys that recolour the window background, the operator sign and the equals sign (Keys: Alt+W, Alt+O and Alt+E).</extracomment>
        <translation>Calculadora de frações mistas. A tecla de menu de contexto ou Shift+F10 dá a próxima cor ao campo ou botão em foco, %1 ao fundo da janela, %2 ao sinal de operação e %3 ao sinal de igual.</translation>
    </message>
    <message>
        <source>first number, whole part</source>
        <translation>primeiro número, parte inteira</translation>
    </message>
    <message>
        <source>first number, numerator</source>
        <translation>primeiro número, numerador</translation>
    </message>
    <message>
        <source>first number, denominator</source>
        <translation>primeiro número, denominador</translation>
    </message>
    <message>
        <source>The operation Calculate applies</source>
        <translation>A operação que “Calcular” efetua</translation>
    </message>
    <message>
        <source>second number, whole part</source>
        <translation>segundo número, parte inteira</translation>
    </message>
    <message>
        <source>Type digits</source>
        <translation>Digite algarismos</translation>
    </message>
    <message>
        <source>second number, numerator</source>
        <translation>segundo número, numerador</translation>
    </message>
    <message>
        <source>second number, denominator</source>
        <translation>segundo número, denominador</translation>
    </message>
    <message>
        <source>Type digits; Enter calculates</source>
        <translation>Digite algarismos; Enter efetua o cálculo</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual a</translation>
    </message>
    <message>
        <source>result, whole part</source>
        <translation>resultado, parte inteira</translation>
    </message>
    <message>
        <source>Shown when the result has a whole part</source>
        <translation>Exibido quando o resultado tem parte inteira</translation>
    </message>
    <message>
        <source>result, numerator</source>
        <translation>resultado, numerador</translation>
    </message>
    <message>
        <source>Shown when the result has a fraction</source>
        <translation>Exibido quando o resultado tem parte fracionária</translation>
    </message>
    <message>
        <source>result, denominator</source>
        <translation>resultado, denominador</translation>
    </message>
    <message>
        <source>add</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>Choose addition</source>
        <translation>Escolher a adição</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>Choose subtraction</source>
        <translation>Escolher a subtração</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>Choose multiplication</source>
        <translation>Escolher a multiplicação</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>Divisão</translation>
    </message>
    <message>
        <source>Choose division</source>
        <translation>Escolher a divisão</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Empty every box (Alt+N)</source>
        <translation>Limpar todos os campos (Alt+N)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Show the result (Alt+C)</source>
        <translation>Mostrar o resultado (Alt+C)</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Aviso de direitos autorais</translation>
    </message>
    <message>
        <source>window background</source>
        <translation>fundo da janela</translation>
    </message>
    <message>
        <source>operator sign</source>
        <translation>sinal de operação</translation>
    </message>
    <message>
        <source>equals sign</source>
        <translation>sinal de igual</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Alt+W</source>
        <extracomment>The key that gives the window&apos;s background its next colour: Alt and the first letter of &quot;window&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+J</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <extracomment>The key that gives the operator sign (+, -, x or /) its next colour: Alt and the first letter of &quot;operator&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Alt+E</source>
        <extracomment>The key that gives the equals sign its next colour: Alt and the first letter of &quot;equals&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+I</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Fractions missing</source>
        <translation>Faltam frações</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro de capacidade</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Sorry that number is to big for me.</source>
        <translation>Desculpe, esse número é grande demais para mim.</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>The colours could not be saved: %1</source>
        <translation>Não foi possível salvar as cores: %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created.</source>
        <translation>a pasta %1 não pôde ser criada.</translation>
    </message>
    <message>
        <source>%1 is a pipe or a device, not a file.</source>
        <translation>%1 é um pipe ou um dispositivo, não um arquivo.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 é somente leitura.</translation>
    </message>
    <message>
        <source>the settings file %1 is locked by another program.</source>
        <translation>o arquivo de configurações %1 está bloqueado por outro programa.</translation>
    </message>
    <message>
        <source>the lock file %1 is a folder, not a file.</source>
        <translation>o arquivo de trava %1 é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>the lock file %1 is a pipe or a device, not a file.</source>
        <translation>o arquivo de trava %1 é um pipe ou um dispositivo, não um arquivo.</translation>
    </message>
    <message>
        <source>the lock file %1 is a link to %3, which does not exist.</source>
        <translation>o arquivo de trava %1 é um link para %3, que não existe.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be removed: %2.</source>
        <translation>o arquivo de trava %1 não pôde ser removido: %2.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be created: %2.</source>
        <translation>o arquivo de trava %1 não pôde ser criado: %2.</translation>
    </message>
    <message>
        <source>the value of %1 cannot be stored in a settings file.</source>
        <translation>o valor de %1 não pode ser armazenado em um arquivo de configurações.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 não pôde ser lido: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read as settings and could not be kept aside: %2.</source>
        <translation>%1 não contém configurações legíveis e não pôde ser guardado à parte: %2.</translation>
    </message>
    <message>
        <source>%1 could not be given back to its owner: %2.</source>
        <translation>o proprietário de %1 não pôde ser mantido: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 não pôde ser gravado.</translation>
    </message>
    <message>
        <source>%1 could not be written; the disk may be full.</source>
        <translation>%1 não pôde ser gravado; o disco pode estar cheio.</translation>
    </message>
    <message>
        <source>the folder %1 is read-only.</source>
        <translation>a pasta %1 é somente leitura.</translation>
    </message>
    <message>
        <source>the folder %1 is on a read-only file system.</source>
        <translation>a pasta %1 está em um sistema de arquivos somente leitura.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>a pasta %1 não existe.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 não pôde ser gravado: %2.</translation>
    </message>
</context>
<context>
    <name>SpokenPhrases</name>
    <message>
        <source>operation: %1</source>
        <translation>operação: %1</translation>
    </message>
    <message>
        <source>result: %1</source>
        <translation>resultado: %1</translation>
    </message>
    <message>
        <source>every box is empty; %1</source>
        <translation>todos os campos estão vazios; %1</translation>
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
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>© 2026 The Vorlix developers</source>
        <translation>© 2026 Os desenvolvedores do Vorlix</translation>
    </message>
</context>
</TS>
