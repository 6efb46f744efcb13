<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Colours</name>
    <message>
        <source>red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>品红色</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>浅蓝色</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>浅绿色</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>紫色</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>无法打开显示：DISPLAY 和 WAYLAND_DISPLAY 均未设置。</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>显示此帮助。</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>显示版本信息。</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see &apos;vorlix --help&apos;.</source>
        <extracomment>On standard error, after &quot;vorlix: &quot;. %1 is the option as typed (&quot;--bogus&quot;); use your language&apos;s quotation marks.</extracomment>
        <translation>未知选项“%1”；请参阅“vorlix --help”。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see &apos;vorlix --help&apos;.</source>
        <extracomment>On standard error, after &quot;vorlix: &quot;. %1 is the word as typed that is no option; use your language&apos;s quotation marks.</extracomment>
        <translation>多余的参数“%1”；请参阅“vorlix --help”。</translation>
    </message>
    <message>
        <source>cannot write the help: %1</source>
        <extracomment>On standard error, after &quot;vorlix: &quot;. %1 is the system&apos;s reason, as strerror gives it (&quot;No space left on device&quot;).</extracomment>
        <translation>无法输出帮助：%1</translation>
    </message>
    <message>
        <source>cannot write the version: %1</source>
        <extracomment>On standard error, after &quot;vorlix: &quot;. %1 is the system&apos;s reason (&quot;No space left on device&quot;).</extracomment>
        <translation>无法输出版本信息：%1</translation>
    </message>
    <message>
        <source>A calculator for mixed fractions</source>
        <extracomment>What the program is, in --help; the same words as the desktop entry&apos;s comment in your language.</extracomment>
        <translation>带分数计算器</translation>
    </message>
    <message>
        <source>cannot open the display &apos;%1&apos; given by -display: %2</source>
        <extracomment>%1 is an X display&apos;s name, %2 Qt&apos;s reason, in English.</extracomment>
        <translation>无法打开通过 -display 指定的显示“%1”：%2</translation>
    </message>
    <message>
        <source>cannot start the platform &apos;%1&apos; given by -platform: %2</source>
        <extracomment>%1 is the name of a Qt platform plugin, %2 Qt&apos;s reason, in English.</extracomment>
        <translation>无法启动通过 -platform 指定的平台“%1”：%2</translation>
    </message>
    <message>
        <source>cannot start the platform &apos;%1&apos; named by QT_QPA_PLATFORM: %2</source>
        <extracomment>%1 is the name of a Qt platform plugin, %2 Qt&apos;s reason, in English.</extracomment>
        <translation>无法启动 QT_QPA_PLATFORM 指定的平台“%1”：%2</translation>
    </message>
    <message>
        <source>cannot open the display &apos;%1&apos; (DISPLAY) or the Wayland display &apos;%2&apos; (WAYLAND_DISPLAY): %3</source>
        <extracomment>%1 is an X display&apos;s name, %2 a Wayland display&apos;s, %3 Qt&apos;s reason, in English.</extracomment>
        <translation>显示“%1”(DISPLAY) 和 Wayland 显示“%2”(WAYLAND_DISPLAY) 均无法打开：%3</translation>
    </message>
    <message>
        <source>cannot open the display &apos;%1&apos; (DISPLAY): %2</source>
        <extracomment>%1 is an X display&apos;s name, %2 Qt&apos;s reason, in English.</extracomment>
        <translation>无法打开显示“%1”(DISPLAY)：%2</translation>
    </message>
    <message>
        <source>cannot open the Wayland display &apos;%1&apos; (WAYLAND_DISPLAY): %2</source>
        <extracomment>%1 is a Wayland display&apos;s name, %2 Qt&apos;s reason, in English.</extracomment>
        <translation>无法打开 Wayland 显示“%1”(WAYLAND_DISPLAY)：%2</translation>
    </message>
</context>
<context>
    <name>Descriptions</name>
    <message>
        <source>Type digits; Enter moves to the next box</source>
        <translation>请输入数字；按回车键移到下一个框</translation>
    </message>
    <message>
        <source>Calculator for mixed fractions. The context-menu key or Shift+F10 gives the focused box or button its next colour, %1 the window background, %2 the operator sign and %3 the equals sign.</source>
        <extracomment>%1, %2 and %3 are the keys that recolour the window background, the operator sign and the equals sign (Keys: Alt+W, Alt+O and Alt+E).</extracomment>
        <translation>带分数计算器。按菜单键或 Shift+F10 可将拥有焦点的框或按钮换成下一种颜色，按 %1、%2 和 %3 则分别更换窗口背景、运算符号和等号的颜色。</translation>
    </message>
    <message>
        <source>first number, whole part</source>
        <translation>第一个数，整数部分</translation>
    </message>
    <message>
        <source>first number, numerator</source>
        <translation>第一个数，分子</translation>
    </message>
    <message>
        <source>first number, denominator</source>
        <translation>第一个数，分母</translation>
    </message>
    <message>
        <source>The operation Calculate applies</source>
        <translation>“计算”执行的运算</translation>
    </message>
    <message>
        <source>second number, whole part</source>
        <translation>第二个数，整数部分</translation>
    </message>
    <message>
        <source>Type digits</source>
        <translation>请输入数字</translation>
    </message>
    <message>
        <source>second number, numerator</source>
        <translation>第二个数，分子</translation>
    </message>
    <message>
        <source>second number, denominator</source>
        <translation>第二个数，分母</translation>
    </message>
    <message>
        <source>Type digits; Enter calculates</source>
        <translation>请输入数字；按回车键进行计算</translation>
    </message>
    <message>
        <source>equals</source>
        <extracomment>The name a screen reader gives the = sign between the numbers and the result.</extracomment>
        <translation>等于</translation>
    </message>
    <message>
        <source>result, whole part</source>
        <translation>结果，整数部分</translation>
    </message>
    <message>
        <source>Shown when the result has a whole part</source>
        <translation>结果有整数部分时显示</translation>
    </message>
    <message>
        <source>result, numerator</source>
        <translation>结果，分子</translation>
    </message>
    <message>
        <source>Shown when the result has a fraction</source>
        <translation>结果有分数部分时显示</translation>
    </message>
    <message>
        <source>result, denominator</source>
        <translation>结果，分母</translation>
    </message>
    <message>
        <source>add</source>
        <extracomment>The name a screen reader gives the + button, also said after &quot;operation: &quot; once it is chosen: a word that reads well in both places (a noun such as &quot;Addition&quot; in many languages).</extracomment>
        <translation>加法</translation>
    </message>
    <message>
        <source>Choose addition</source>
        <translation>选择加法</translation>
    </message>
    <message>
        <source>subtract</source>
        <extracomment>The name of the - button, also said after &quot;operation: &quot;.</extracomment>
        <translation>减法</translation>
    </message>
    <message>
        <source>Choose subtraction</source>
        <translation>选择减法</translation>
    </message>
    <message>
        <source>multiply</source>
        <extracomment>The name of the x button, also said after &quot;operation: &quot;.</extracomment>
        <translation>乘法</translation>
    </message>
    <message>
        <source>Choose multiplication</source>
        <translation>选择乘法</translation>
    </message>
    <message>
        <source>divide</source>
        <extracomment>The name of the / button, also said after &quot;operation: &quot;.</extracomment>
        <translation>除法</translation>
    </message>
    <message>
        <source>Choose division</source>
        <translation>选择除法</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Empty every box (Alt+N)</source>
        <extracomment>The New button&apos;s description and tooltip: name the access key of its caption (&quot;&amp;New&quot;) in your language.</extracomment>
        <translation>清空所有框(Alt+N)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Show the result (Alt+C)</source>
        <extracomment>The Calculate button&apos;s description and tooltip: name the access key of its caption (&quot;&amp;Calculate&quot;) in your language.</extracomment>
        <translation>显示结果(Alt+C)</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>版权声明</translation>
    </message>
    <message>
        <source>window background</source>
        <translation>窗口背景</translation>
    </message>
    <message>
        <source>operator sign</source>
        <translation>运算符号</translation>
    </message>
    <message>
        <source>equals sign</source>
        <translation>等号</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>The tooltip of the + button.</extracomment>
        <translation>相加</translation>
    </message>
    <message>
        <source>Subtract</source>
        <extracomment>The tooltip of the - button.</extracomment>
        <translation>相减</translation>
    </message>
    <message>
        <source>Multiply</source>
        <extracomment>The tooltip of the x button.</extracomment>
        <translation>相乘</translation>
    </message>
    <message>
        <source>Divide</source>
        <extracomment>The tooltip of the / button.</extracomment>
        <translation>相除</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Alt+W</source>
        <extracomment>The key that gives the window&apos;s background its next colour: Alt and the first letter of &quot;window&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+W</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <extracomment>The key that gives the operator sign (+, -, x or /) its next colour: Alt and the first letter of &quot;operator&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Alt+E</source>
        <extracomment>The key that gives the equals sign its next colour: Alt and the first letter of &quot;equals&quot;, unless a caption underlines it.</extracomment>
        <translation>Alt+E</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Fractions missing</source>
        <extracomment>The message when Calculate is pressed with a numerator or a denominator box empty.</extracomment>
        <translation>缺少分数</translation>
    </message>
    <message>
        <source>Overflow</source>
        <extracomment>An error&apos;s name, which a message box shows after its number and two spaces (&quot;11 Division by zero&quot;). A number too large is told by the sentence &quot;Sorry that number is to big for me.&quot; instead of this name.</extracomment>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>除数为零</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Sorry that number is to big for me.</source>
        <extracomment>The message when a number grows past what the calculator holds. &quot;to big&quot; is a typing error kept on purpose in English, where users know the message by it; translate the meaning, correctly spelt.</extracomment>
        <translation>抱歉，这个数对我来说太大了。</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>The colours could not be saved: %1</source>
        <extracomment>Shown as the window closes. %1 is one of the other sentences of this context, which says why (&quot;the folder /home/ann/.config/Vorlix is read-only.&quot;); it starts with a small letter in English and ends with its own full stop.</extracomment>
        <translation>颜色保存失败：%1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the settings file&apos;s path, where a folder stands.</extracomment>
        <translation>%1 是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is a path where the settings folder (or a folder above it) should be.</extracomment>
        <translation>%1 是文件，不是文件夹。</translation>
    </message>
    <message>
        <source>the folder %1 could not be created.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the settings folder&apos;s path.</extracomment>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>%1 is a pipe or a device, not a file.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the settings file&apos;s path; a pipe is a named pipe (FIFO).</extracomment>
        <translation>%1 是管道或设备，不是文件。</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the settings file&apos;s path.</extracomment>
        <translation>%1 是只读的。</translation>
    </message>
    <message>
        <source>the settings file %1 is locked by another program.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the settings file&apos;s path.</extracomment>
        <translation>设置文件 %1 已被其他程序锁定。</translation>
    </message>
    <message>
        <source>the lock file %1 is a folder, not a file.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the path of the lock file taken while the settings file is written.</extracomment>
        <translation>锁文件 %1 是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>the lock file %1 is a pipe or a device, not a file.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the lock file&apos;s path.</extracomment>
        <translation>锁文件 %1 是管道或设备，不是文件。</translation>
    </message>
    <message>
        <source>the lock file %1 is a link to %3, which does not exist.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the lock file&apos;s path, a symbolic link; %3 is the path the link names, where nothing exists.</extracomment>
        <translation>锁文件 %1 是指向 %3 的链接，但该目标不存在。</translation>
    </message>
    <message>
        <source>the lock file %1 could not be removed: %2.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the path of a lock file left behind; %2 is the system&apos;s reason, as strerror gives it (&quot;Permission denied&quot;).</extracomment>
        <translation>无法删除锁文件 %1：%2。</translation>
    </message>
    <message>
        <source>the lock file %1 could not be created: %2.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the lock file&apos;s path; %2 is the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>无法创建锁文件 %1：%2。</translation>
    </message>
    <message>
        <source>the value of %1 cannot be stored in a settings file.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the name of a setting (&quot;Text1(0)&quot;) whose value a settings file cannot hold.</extracomment>
        <translation>%1 的值无法保存到设置文件中。</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the settings file&apos;s path; %2 is the system&apos;s reason (&quot;Input/output error&quot;).</extracomment>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>%1 cannot be read as settings and could not be kept aside: %2.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the settings file&apos;s path: its content is not settings, and it could not be renamed out of the way so as to keep it; %2 is the system&apos;s reason.</extracomment>
        <translation>%1 不包含可读的设置，也无法将其移到一旁保留：%2。</translation>
    </message>
    <message>
        <source>%1 could not be given back to its owner: %2.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the settings file&apos;s path: written anew by the administrator, it could not be given the owner the file had before; %2 is the system&apos;s reason.</extracomment>
        <translation>无法保留 %1 原有的所有者：%2。</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the settings file&apos;s path.</extracomment>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>%1 could not be written; the disk may be full.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the settings file&apos;s path.</extracomment>
        <translation>无法写入 %1；磁盘可能已满。</translation>
    </message>
    <message>
        <source>the folder %1 is read-only.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the settings folder&apos;s path.</extracomment>
        <translation>文件夹 %1 是只读的。</translation>
    </message>
    <message>
        <source>the folder %1 is on a read-only file system.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the settings folder&apos;s path.</extracomment>
        <translation>文件夹 %1 位于只读文件系统上。</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the settings folder&apos;s path.</extracomment>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <extracomment>After &quot;The colours could not be saved: &quot;. %1 is the settings file&apos;s path; %2 is the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>无法写入 %1：%2。</translation>
    </message>
</context>
<context>
    <name>SpokenPhrases</name>
    <message>
        <source>operation: %1</source>
        <extracomment>The operator sign&apos;s name for a screen reader: %1 is the chosen operator button&apos;s name (&quot;add&quot;, &quot;subtract&quot;, &quot;multiply&quot; or &quot;divide&quot;).</extracomment>
        <translation>运算：%1</translation>
    </message>
    <message>
        <source>result: %1</source>
        <extracomment>The result a screen reader speaks when it is a whole number (%1).</extracomment>
        <translation>结果：%1</translation>
    </message>
    <message>
        <source>every box is empty; %1</source>
        <extracomment>Said after New has emptied every box: %1 is the name of the box that now has the focus (&quot;first number, numerator&quot;).</extracomment>
        <translation>所有框均已清空；%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An element of the window (%1) and the colour it has just been given (%2): &quot;first number, numerator: yellow&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>result: %1 over %2</source>
        <extracomment>The result a screen reader speaks when it is a fraction alone: %1 is the numerator and %2 the denominator (&quot;result: 5 over 6&quot;). Say the fraction in words, as it is read aloud, in the order your language names its parts; a speech synthesiser reads &quot;5/6&quot; wrongly.</extracomment>
        <translation>结果：%2分之%1</translation>
    </message>
    <message>
        <source>result: %1 and %2 over %3</source>
        <extracomment>The result a screen reader speaks as a mixed number: %1 is the whole part, %2 the numerator and %3 the denominator (&quot;result: 3 and 5 over 6&quot;). Say it in words, as it is read aloud, in the order your language names the parts.</extracomment>
        <translation>结果：%1又%3分之%2</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>&amp;New</source>
        <extracomment>A button&apos;s caption; &amp; marks its access key (Alt and the letter), which no other caption nor recolouring key of your language may use. Where captions have no Latin letters, the key follows in brackets (&quot;新建(&amp;N)&quot;). The tooltip names the same key.</extracomment>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <extracomment>A button&apos;s caption, with its access key after &amp;; see &quot;&amp;New&quot;.</extracomment>
        <translation>计算(&amp;C)</translation>
    </message>
    <message>
        <source>© 2026 The Vorlix developers</source>
        <translation>© 2026 Vorlix 开发者</translation>
    </message>
</context>
</TS>
