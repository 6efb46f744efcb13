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
        <source>display %1 (%2)</source>
        <translation>显示 %1（%2）</translation>
    </message>
    <message>
        <source>the platform %1</source>
        <translation>平台 %1</translation>
    </message>
    <message>
        <source>cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>无法打开显示：DISPLAY 和 WAYLAND_DISPLAY 均未设置。</translation>
    </message>
    <message>
        <source>cannot open a display: %1 is not set.</source>
        <translation>无法打开显示：未设置 %1。</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>cannot open %1.</source>
        <translation>无法打开%1。</translation>
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
        <translation>未知选项“%1”；请参阅“vorlix --help”。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see &apos;vorlix --help&apos;.</source>
        <translation>多余的参数“%1”；请参阅“vorlix --help”。</translation>
    </message>
    <message>
        <source>cannot write the help: %1</source>
        <translation>无法输出帮助：%1</translation>
    </message>
    <message>
        <source>cannot write the version: %1</source>
        <translation>无法输出版本信息：%1</translation>
    </message>
    <message>
        <source>A calculator for mixed fractions</source>
        <translation>带分数计算器</translation>
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
        <translation>加法</translation>
    </message>
    <message>
        <source>Choose addition</source>
        <translation>选择加法</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>减法</translation>
    </message>
    <message>
        <source>Choose subtraction</source>
        <translation>选择减法</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>乘法</translation>
    </message>
    <message>
        <source>Choose multiplication</source>
        <translation>选择乘法</translation>
    </message>
    <message>
        <source>divide</source>
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
        <translation>清空所有框(Alt+N)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Show the result (Alt+C)</source>
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
        <translation>缺少分数</translation>
    </message>
    <message>
        <source>Overflow</source>
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
        <translation>抱歉，这个数对我来说太大了。</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>The colours could not be saved: %1</source>
        <translation>颜色保存失败：%1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 是文件，不是文件夹。</translation>
    </message>
    <message>
        <source>the folder %1 could not be created.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>%1 is a pipe or a device, not a file.</source>
        <translation>%1 是管道或设备，不是文件。</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 是只读的。</translation>
    </message>
    <message>
        <source>the settings file %1 is locked by another program.</source>
        <translation>设置文件 %1 已被其他程序锁定。</translation>
    </message>
    <message>
        <source>the lock file %1 is a folder, not a file.</source>
        <translation>锁文件 %1 是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>the lock file %1 is a pipe or a device, not a file.</source>
        <translation>锁文件 %1 是管道或设备，不是文件。</translation>
    </message>
    <message>
        <source>the lock file %1 is a link to %3, which does not exist.</source>
        <translation>锁文件 %1 是指向 %3 的链接，但该目标不存在。</translation>
    </message>
    <message>
        <source>the lock file %1 could not be removed: %2.</source>
        <translation>无法删除锁文件 %1：%2。</translation>
    </message>
    <message>
        <source>the lock file %1 could not be created: %2.</source>
        <translation>无法创建锁文件 %1：%2。</translation>
    </message>
    <message>
        <source>the value of %1 cannot be stored in a settings file.</source>
        <translation>%1 的值无法保存到设置文件中。</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>%1 cannot be read as settings and could not be kept aside: %2.</source>
        <translation>%1 不包含可读的设置，也无法将其移到一旁保留：%2。</translation>
    </message>
    <message>
        <source>%1 could not be given back to its owner: %2.</source>
        <translation>无法保留 %1 原有的所有者：%2。</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>%1 could not be written; the disk may be full.</source>
        <translation>无法写入 %1；磁盘可能已满。</translation>
    </message>
    <message>
        <source>the folder %1 is read-only.</source>
        <translation>文件夹 %1 是只读的。</translation>
    </message>
    <message>
        <source>the folder %1 is on a read-only file system.</source>
        <translation>文件夹 %1 位于只读文件系统上。</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>无法写入 %1：%2。</translation>
    </message>
</context>
<context>
    <name>SpokenPhrases</name>
    <message>
        <source>operation: %1</source>
        <translation>运算：%1</translation>
    </message>
    <message>
        <source>result: %1</source>
        <translation>结果：%1</translation>
    </message>
    <message>
        <source>every box is empty; %1</source>
        <translation>所有框均已清空；%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An element of the window (%1) and the colour it has just been given (%2): &quot;first number, numerator: yellow&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>计算(&amp;C)</translation>
    </message>
    <message>
        <source>© 2026 The Vorlix developers</source>
        <translation>© 2026 Vorlix 开发者</translation>
    </message>
</context>
</TS>
