<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>menu:136</name>
    <message>
        <source>通信协议</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Modbus协议指令生成器</source>
        <translation>Modbus Command Generator</translation>
    </message>
    <message>
        <source>电总协议指令生成器</source>
        <translation>Telecom Power Protocol Command Generator</translation>
    </message>
    <message>
        <source>数值存储码转换器</source>
        <translation>Numeric Storage Code Converter</translation>
    </message>
    <message>
        <source>十进制/十六进制字符转换器</source>
        <translation>Decimal/Hexadecimal Text Converter</translation>
    </message>
    <message>
        <source>数据包校验码生成器</source>
        <translation>Packet Checksum Generator</translation>
    </message>
    <message>
        <source>Hex到Bin文件转换器</source>
        <translation>HEX to BIN File Converter</translation>
    </message>
    <message>
        <source>串口文件下发器</source>
        <translation>Serial File Sender</translation>
    </message>
    <message>
        <source>操作符两边互换器</source>
        <translation>Operator Side Swapper</translation>
    </message>
    <message>
        <source>电路设计</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>固定电阻选型器</source>
        <translation>Standard Resistor Selector</translation>
    </message>
    <message>
        <source>电阻分压计算器</source>
        <translation>Resistor Divider Calculator</translation>
    </message>
    <message>
        <source>电阻并联计算器</source>
        <translation>Parallel Resistor Calculator</translation>
    </message>
    <message>
        <source>电容延时计算器</source>
        <translation>Capacitor Delay Calculator</translation>
    </message>
    <message>
        <source>阻容降压计算器</source>
        <translation>Capacitive Dropper Calculator</translation>
    </message>
    <message>
        <source>电阻功率计算器</source>
        <translation>Resistor Power Calculator</translation>
    </message>
    <message>
        <source>线性电源计算器</source>
        <translation>Linear Power Supply Calculator</translation>
    </message>
    <message>
        <source>NTC阻值表生成器</source>
        <translation>NTC Table Generator</translation>
    </message>
    <message>
        <source>单片机</source>
        <translation>MCU</translation>
    </message>
    <message>
        <source>字符码生成器</source>
        <translation>Character Code Generator</translation>
    </message>
    <message>
        <source>数码管显示码生成器</source>
        <translation>Seven-Segment Code Generator</translation>
    </message>
    <message>
        <source>字符点阵码生成器</source>
        <translation>Dot-Matrix Glyph Generator</translation>
    </message>
    <message>
        <source>线性中间值计算器</source>
        <translation>Linear Interpolation Calculator</translation>
    </message>
    <message>
        <source>定时器延时计算器</source>
        <translation>Timer Delay Calculator</translation>
    </message>
    <message>
        <source>Mifare 1k S50卡存取码配置器</source>
        <translation>Mifare 1K S50 Access Bits Configurator</translation>
    </message>
    <message>
        <source>工程</source>
        <translation>Engineering</translation>
    </message>
    <message>
        <source>热水</source>
        <translation>Water Heating</translation>
    </message>
</context>
<context>
    <name>menu:168</name>
    <message>
        <source>生成文件</source>
        <translation>Generate File</translation>
    </message>
    <message>
        <source>ASCII（定义文本）</source>
        <translation>ASCII (C Source Text)</translation>
    </message>
    <message>
        <source>ASCII8X8(定义文本)</source>
        <translation>ASCII 8x8 (C Source Text)</translation>
    </message>
    <message>
        <source>ASCII（二进制）</source>
        <translation>ASCII (Binary)</translation>
    </message>
    <message>
        <source>GB2312（二进制）</source>
        <translation>GB2312 (Binary)</translation>
    </message>
</context>
<context>
    <name>quorkit</name>
    <message>
        <source>关于本程序</source>
        <translation>About QuorKit</translation>
    </message>
    <message>
        <source>溢出值</source>
        <translation>Reload value</translation>
    </message>
    <message>
        <source>溢出次数</source>
        <translation>Overflow count</translation>
    </message>
    <message>
        <source>实际延时</source>
        <translation>Actual delay</translation>
    </message>
    <message>
        <source>延时误差</source>
        <translation>Delay error</translation>
    </message>
    <message>
        <source>计数频率</source>
        <translation>Count frequency</translation>
    </message>
    <message>
        <source>计数周期</source>
        <translation>Count period</translation>
    </message>
    <message>
        <source>溢出频率</source>
        <translation>Overflow frequency</translation>
    </message>
    <message>
        <source>溢出周期</source>
        <translation>Overflow period</translation>
    </message>
    <message>
        <source>关于本程序(&amp;A)...</source>
        <translation>&amp;About QuorKit...</translation>
    </message>
    <message>
        <source>V2.7.4(20241001):增加水加热计算器<byte value="xd"/>
</source>
        <translation>V2.7.4(20241001): water heating calculator added<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.7.3(20230521):增加M1卡存取码编辑器<byte value="xd"/>
</source>
        <translation>V2.7.3(20230521): M1 card access bits editor added<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.7.2(20210805):增加分压电阻选型计算<byte value="xd"/>
</source>
        <translation>V2.7.2(20210805): divider resistor choice added<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.7.1(20210708):增加操作符两边互换功能<byte value="xd"/>
</source>
        <translation>V2.7.1(20210708): operator side swapper added<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.7.0(20191025):修正进制字符转换功能HEX转DEC支持256以上值<byte value="xd"/>
</source>
        <translation>V2.7.0(20191025): hex to decimal text conversion fixed for values above 256<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.6.9(20190606):字符码位反序功能，优化生成ASCII8X8点阵码<byte value="xd"/>
</source>
        <translation>V2.6.9(20190606): bit reversal of glyph codes; ASCII 8x8 dot-matrix codes improved<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.6.8(20180615):增加ntc阻值表生成器<byte value="xd"/>
</source>
        <translation>V2.6.8(20180615): NTC table generator added<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.6.7(20180610):点阵字库生成器功能完善<byte value="xd"/>
</source>
        <translation>V2.6.7(20180610): dot-matrix font library generator completed<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.6.6(20170701):数码管显示码生成器增加自定义符号码生成功能<byte value="xd"/>
</source>
        <translation>V2.6.6(20170701): custom symbols in the seven-segment code generator<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.6.5(20160324):改进点阵字库生成器，增加ASCII库生成功能<byte value="xd"/>
</source>
        <translation>V2.6.5(20160324): dot-matrix font library generator improved; ASCII libraries added<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.6.4(20160318):改进点阵生成界面<byte value="xd"/>
</source>
        <translation>V2.6.4(20160318): dot-matrix generator window improved<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.6.3(20160228):增加线性电源计算器<byte value="xd"/>
</source>
        <translation>V2.6.3(20160228): linear power supply calculator added<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.6.2(20160228):增加电阻功率计算器<byte value="xd"/>
</source>
        <translation>V2.6.2(20160228): resistor power calculator added<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.6.1(20160223):增加生成字体库文件<byte value="xd"/>
</source>
        <translation>V2.6.1(20160223): font library files added<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.6.0(20150621):增加串口文件下发器<byte value="xd"/>
</source>
        <translation>V2.6.0(20150621): serial file sender added<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.5.1(20150530):修正HEX文件转换转换器一处BUG<byte value="xd"/>
</source>
        <translation>V2.5.1(20150530): a bug in the HEX file converter fixed<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.5.0(20150506):增加HEX文件转换BIN文件模块<byte value="xd"/>
</source>
        <translation>V2.5.0(20150506): HEX to BIN file converter added<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.4.0(20150427):增加固定电阻串并联查找功能并修复查找BUG<byte value="xd"/>
</source>
        <translation>V2.4.0(20150427): series and parallel standard resistor search added, search bug fixed<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>V2.3.0(20140912):2014版</source>
        <translation>V2.3.0(20140912): 2014 edition</translation>
    </message>
    <message>
        <source>请输入正确的电压值!</source>
        <translation>Please enter valid voltages!</translation>
    </message>
    <message>
        <source>输入参数有误！</source>
        <translation>Invalid input!</translation>
    </message>
    <message>
        <source>10位</source>
        <translation>10-bit</translation>
    </message>
    <message>
        <source>12位</source>
        <translation>12-bit</translation>
    </message>
    <message>
        <source>方案%d: R1=%f  R2=%f<byte value="xd"/>
        等效值:%f  误差:%f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Pair %d: R1=%f  R2=%f<byte value="xd"/>
        Equivalent:%f  Error:%f<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>方案%d: R1=%f  R2=%f<byte value="xd"/>
误差:%f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Pair %d: R1=%f  R2=%f<byte value="xd"/>
Error:%f<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>方案%d: R1=%f  R2=%f<byte value="xd"/>
 电压:%f(V)/%f(V)或<byte value="xd"/>
      %f(V)/%f(V)<byte value="xd"/>
 误差:%f(V)/%f(V)<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Pair %d: R1=%f  R2=%f<byte value="xd"/>
 Voltage:%f(V)/%f(V) or<byte value="xd"/>
      %f(V)/%f(V)<byte value="xd"/>
 Error:%f(V)/%f(V)<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>输入电压波动范围输入异常!</source>
        <translation>Invalid mains tolerance!</translation>
    </message>
    <message>
        <source>输入变压器电压异常!</source>
        <translation>Invalid transformer voltage!</translation>
    </message>
    <message>
        <source>初级输入电压范围(V):<byte value="xd"/>
%.1f - %.1f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Primary voltage range (V):<byte value="xd"/>
%.1f - %.1f<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>次级峰值(直流空载)电压范围(V):<byte value="xd"/>
%.2f - %.2f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Secondary peak (DC, no load) voltage range (V):<byte value="xd"/>
%.2f - %.2f<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>直流额定负载电压范围(V):<byte value="xd"/>
%.2f - %.2f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>DC voltage range at rated load (V):<byte value="xd"/>
%.2f - %.2f<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>滤波电容 &gt; %.0f (uF)<byte value="xd"/>
</source>
        <translation>Filter capacitor &gt; %.0f (uF)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>计算错误</source>
        <translation>Calculation error</translation>
    </message>
    <message>
        <source>输入值范围超限!</source>
        <translation>Input out of range!</translation>
    </message>
    <message>
        <source>//-40℃ ~ 119℃对应阻值(Ω):<byte value="xd"/>
</source>
        <translation>//Resistance (Ω) from -40℃ to 119℃:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>//-40℃ ~ 119℃对应AD值:<byte value="xd"/>
</source>
        <translation>//ADC values from -40℃ to 119℃:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>NTC阻值计算公式:<byte value="xd"/>
Rt = R *EXP(B*(1/T1-1/T2))<byte value="xd"/>
公式中：<byte value="xd"/>
Rt 是热敏电阻在T1温度下的阻值；<byte value="xd"/>
R是热敏电阻在T2常温下的标称阻值；<byte value="xd"/>
B值是热敏电阻的重要参数；<byte value="xd"/>
EXP是e的n次方；<byte value="xd"/>
T1和T2指的是K度即开尔文温度，K度=273.15(绝对温度)+摄氏度；</source>
        <translation>NTC resistance formula:<byte value="xd"/>
Rt = R *EXP(B*(1/T1-1/T2))<byte value="xd"/>
where:<byte value="xd"/>
Rt is the thermistor resistance at temperature T1;<byte value="xd"/>
R is the nominal resistance at the room temperature T2;<byte value="xd"/>
B is the thermistor&apos;s B value;<byte value="xd"/>
EXP is e to the power of n;<byte value="xd"/>
T1 and T2 are absolute temperatures in kelvin: K = 273.15 + degrees Celsius.</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>请输入电容值!</source>
        <translation>Please enter the capacitance!</translation>
    </message>
    <message>
        <source>请正确输入电容值!</source>
        <translation>Please enter a valid capacitance!</translation>
    </message>
    <message>
        <source>请正确输入电压值!</source>
        <translation>Please enter a valid voltage!</translation>
    </message>
    <message>
        <source>R1功率: %f(W)<byte value="xd"/>
R2功率: %f(W) <byte value="xd"/>
电流I  : %f(A)<byte value="xd"/>
</source>
        <translation>R1 power: %f(W)<byte value="xd"/>
R2 power: %f(W) <byte value="xd"/>
Current I: %f(A)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%d.电阻型号：%f<byte value="xd"/>
  误差:%f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>%d. Resistor: %f<byte value="xd"/>
  Error:%f<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>非法输入!</source>
        <translation>Invalid input!</translation>
    </message>
    <message>
        <source>R1=%d(Ω) 时Ux变化范围最大<byte value="xd"/>
Ux电压范围:%f(V) ~ %f (V)<byte value="xd"/>
Ux变化量(V):%f</source>
        <translation>R1=%d(Ω) gives the widest Ux range<byte value="xd"/>
Ux range:%f(V) ~ %f (V)<byte value="xd"/>
Ux swing (V):%f</translation>
    </message>
    <message>
        <source>并联等效电阻：<byte value="xd"/>
%f(Ω)</source>
        <translation>Equivalent parallel resistance:<byte value="xd"/>
%f(Ω)</translation>
    </message>
    <message>
        <source>输入错误!</source>
        <translation>Input error!</translation>
    </message>
    <message>
        <source>通过电压和电阻计算功率和电流时，发现电阻值异常！</source>
        <translation>Computing power and current from voltage and resistance: the resistance is invalid!</translation>
    </message>
    <message>
        <source>通过电压和电流计算功率和电阻时，发现电流值异常！</source>
        <translation>Computing power and resistance from voltage and current: the current is invalid!</translation>
    </message>
    <message>
        <source>通过电阻和电流计算功率和电压时，发现电阻值异常！</source>
        <translation>Computing power and voltage from resistance and current: the resistance is invalid!</translation>
    </message>
    <message>
        <source>通过功率和电流计算电压和电阻时，发现功率值异常！</source>
        <translation>Computing voltage and resistance from power and current: the power is invalid!</translation>
    </message>
    <message>
        <source>通过功率和电流计算电压和电阻时，发现电流值异常！</source>
        <translation>Computing voltage and resistance from power and current: the current is invalid!</translation>
    </message>
    <message>
        <source>通过功率和电压计算电流和电阻时，发现功率值异常！</source>
        <translation>Computing current and resistance from power and voltage: the power is invalid!</translation>
    </message>
    <message>
        <source>通过功率和电压计算电流和电阻时，发现电压值异常！</source>
        <translation>Computing current and resistance from power and voltage: the voltage is invalid!</translation>
    </message>
    <message>
        <source>通过功率和电阻计算电流和电压时，发现功率值异常！</source>
        <translation>Computing current and voltage from power and resistance: the power is invalid!</translation>
    </message>
    <message>
        <source>通过功率和电阻计算电流和电压时，发现电阻值异常！</source>
        <translation>Computing current and voltage from power and resistance: the resistance is invalid!</translation>
    </message>
    <message>
        <source>请至少给出两个参数!</source>
        <translation>Please give at least two values!</translation>
    </message>
    <message>
        <source>无有效数据!</source>
        <translation>No valid data!</translation>
    </message>
    <message>
        <source>温度输入错误!</source>
        <translation>Invalid temperatures!</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>%.0f小时%.0f分钟</source>
        <translation>%.0f h %.0f min</translation>
    </message>
    <message>
        <source>本程序提取点阵方式:<byte value="xd"/>
1.上下8个点为一个字节，上面的点对应字节中低位<byte value="xd"/>
2.上下方向每8个点为一行<byte value="xd"/>
3.每行从左到右方向提取到连续的字节缓冲区<byte value="xd"/>
4.行按上下的顺序提取并存储.</source>
        <translation>How the dots become bytes:<byte value="xd"/>
1. 8 dots in a column make one byte, the top dot in the lowest bit<byte value="xd"/>
2. every 8 dots from top to bottom form one row<byte value="xd"/>
3. each row is read from left to right into consecutive bytes<byte value="xd"/>
4. rows are stored from top to bottom.</translation>
    </message>
    <message>
        <source>存储区</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>手动输入</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8-bit</translation>
    </message>
    <message>
        <source>16位</source>
        <translation>16-bit</translation>
    </message>
    <message>
        <source>不分频</source>
        <translation>None</translation>
    </message>
    <message>
        <source>%d分频</source>
        <translation>1:%d</translation>
    </message>
    <message>
        <source>说明：<byte value="xd"/>
[溢出值]和[溢出时间]中任意一个<byte value="xd"/>
可不填，也可两个都填！</source>
        <translation>Note:<byte value="xd"/>
give [Reload value],<byte value="xd"/>
[Overflow time] or both!</translation>
    </message>
    <message>
        <source>正在生成...<byte value="xd"/>
(这可能需要较长的时间，请耐心等待！)<byte value="xd"/>
</source>
        <translation>Generating...<byte value="xd"/>
(this may take a while, please wait!)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>操作即将开始，这可能需要几秒钟的时间，在这期间软件停止响应！</source>
        <translation>The generation takes a few seconds; the program does not respond meanwhile!</translation>
    </message>
    <message>
        <source><byte value="xd"/>
字库成功生成！</source>
        <translation><byte value="xd"/>
Font library generated!</translation>
    </message>
    <message>
        <source>文本文件(*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>二进制格式文件(*.bin)</source>
        <translation>Binary files (*.bin)</translation>
    </message>
    <message>
        <source><byte value="xd"/>
GB2312汉字库成功生成！<byte value="xd"/>
 字符码提取方法为高字节从0xA1到0xF7,低字节从0xA1到0xFE,提取示意代码如下：</source>
        <translation><byte value="xd"/>
GB2312 Chinese font library generated!<byte value="xd"/>
 It holds the codes with a high byte from 0xA1 to 0xF7 and a low byte from 0xA1 to 0xFE; a glyph is read like this:</translation>
    </message>
    <message>
        <source>addr=char_code&gt;&gt;8; //字符码高字节 <byte value="xd"/>
</source>
        <translation>addr=char_code&gt;&gt;8; //high byte of the code <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>char_code&amp;=0x00FF;	//字符码低字节<byte value="xd"/>
</source>
        <translation>char_code&amp;=0x00FF;	//low byte of the code<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>char_code-=0xa1;<byte value="xd"/>
addr+=char_code;<byte value="xd"/>
addr*=32;	//32为一个字符占用的字节个数，当字符尺寸为16X16时为32<byte value="xd"/>
</source>
        <translation>char_code-=0xa1;<byte value="xd"/>
addr+=char_code;<byte value="xd"/>
addr*=32;	//32 is the number of bytes per glyph (32 for 16x16 glyphs)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
字符码从1到127的字符点阵码已按顺序保存到文件中；</source>
        <translation><byte value="xd"/>
The dot-matrix codes of the characters 1 to 127 are stored in order in the file.</translation>
    </message>
    <message>
        <source>正在生成GB2312汉字库...<byte value="xd"/>
(这可能需要几分钟或更长的时间，请耐心等待！)<byte value="xd"/>
</source>
        <translation>Generating the GB2312 Chinese font library...<byte value="xd"/>
(this may take minutes, please wait!)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>操作即将开始，这可能需要几分钟的时间，在这期间软件停止响应！</source>
        <translation>The generation takes a few minutes; the program does not respond meanwhile!</translation>
    </message>
    <message>
        <source>输入有误!</source>
        <translation>Invalid input!</translation>
    </message>
    <message>
        <source>输入错误，请输入4个用两位16进制字符表示的数值并用空格隔开</source>
        <translation>Input error: enter 4 bytes of 2 hex digits each, separated by spaces</translation>
    </message>
    <message>
        <source>输入码校验错误!</source>
        <translation>The access bits fail their check!</translation>
    </message>
    <message>
        <source>使用方法：<byte value="xd"/>
  1.段名下的一行组合框设置数码管段与数据位对应关系，按[常规码]按钮可生成显示0,1,2,3,4,5,6,7,8,9,A,b,C,d,E,F所需的显示码;<byte value="xd"/>
  2.数码管图片上点击选择各段的显示状态，再按[自定义码]按钮生成自定义显示码;</source>
        <translation>Usage:<byte value="xd"/>
  1. Map each segment to a data bit with the drop-down lists under the segment names, then press [Digits] for the segment codes of 0,1,2,3,4,5,6,7,8,9,A,b,C,d,E,F;<byte value="xd"/>
  2. Click segments on the display picture to switch them on or off, then press [Custom] for the code of your own symbol;</translation>
    </message>
    <message>
        <source>不同的段不能选择同一个位，请检查！</source>
        <translation>Two segments must not use the same bit, please check!</translation>
    </message>
    <message>
        <source>//0,1,2,...,d,E,F的显示码<byte value="xd"/>
unsigned char 变量名[ ]={</source>
        <translation>//Segment codes of 0,1,2,...,d,E,F<byte value="xd"/>
unsigned char name[ ]={</translation>
    </message>
    <message>
        <source>溢出值超出了范围！</source>
        <translation>Reload value out of range!</translation>
    </message>
    <message>
        <source>延时时间小于一个计数周期！</source>
        <translation>The delay is shorter than one count period!</translation>
    </message>
    <message>
        <source>延时时间超出计算范围！</source>
        <translation>The delay is beyond the computable range!</translation>
    </message>
    <message>
        <source>溢出次数：%u<byte value="xd"/>
</source>
        <translation>Overflow count: %u<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>实际延时：%f(ms)<byte value="xd"/>
</source>
        <translation>Actual delay: %f(ms)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>延时误差：%f(ms)<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Delay error: %f(ms)<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>计数频率:%f(Hz)<byte value="xd"/>
</source>
        <translation>Count frequency: %f(Hz)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>计数周期：%f(ms)<byte value="xd"/>
</source>
        <translation>Count period: %f(ms)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>溢出频率:%f(Hz)<byte value="xd"/>
</source>
        <translation>Overflow frequency: %f(Hz)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>溢出周期:%f(ms)<byte value="xd"/>
</source>
        <translation>Overflow period: %f(ms)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
-算法1</source>
        <translation><byte value="xd"/>
-method 1</translation>
    </message>
    <message>
        <source>溢出值超出了计数范围!</source>
        <translation>Reload value beyond the counter range!</translation>
    </message>
    <message>
        <source><byte value="xd"/>
-算法2</source>
        <translation><byte value="xd"/>
-method 2</translation>
    </message>
    <message>
        <source>溢出值：%u(0x%X)<byte value="xd"/>
溢出次数：1<byte value="xd"/>
</source>
        <translation>Reload value: %u(0x%X)<byte value="xd"/>
Overflow count: 1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>计数频率：%f(Hz)<byte value="xd"/>
</source>
        <translation>Count frequency: %f(Hz)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>溢出频率：%f(Hz)<byte value="xd"/>
</source>
        <translation>Overflow frequency: %f(Hz)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>溢出周期：%f(ms)<byte value="xd"/>
</source>
        <translation>Overflow period: %f(ms)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
-算法4</source>
        <translation><byte value="xd"/>
-method 4</translation>
    </message>
    <message>
        <source>溢出值：%u(0x%X)<byte value="xd"/>
</source>
        <translation>Reload value: %u(0x%X)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
-算法3</source>
        <translation><byte value="xd"/>
-method 3</translation>
    </message>
    <message>
        <source>请输入时钟频率！</source>
        <translation>Please enter the clock frequency!</translation>
    </message>
    <message>
        <source>请正确输入时钟频率！</source>
        <translation>Please enter a valid clock frequency!</translation>
    </message>
    <message>
        <source>COM%d：没有对应的串口设备</source>
        <translation>COM%d: no serial device</translation>
    </message>
    <message>
        <source>COM%d：%s</source>
        <translation>COM%d: %s</translation>
    </message>
    <message>
        <source>发送线程启动失败!</source>
        <translation>The send thread failed to start!</translation>
    </message>
    <message>
        <source>请选择要发送的文件</source>
        <translation>Choose the file to send</translation>
    </message>
    <message>
        <source>缓冲区没有数据!</source>
        <translation>The buffer holds no data!</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>没有找到串口设备</source>
        <translation>No serial device found</translation>
    </message>
    <message>
        <source>单字节累加和</source>
        <translation>8-bit sum</translation>
    </message>
    <message>
        <source>单字节累加和求余</source>
        <translation>8-bit sum, two&apos;s complement</translation>
    </message>
    <message>
        <source>双字节累加和</source>
        <translation>16-bit sum</translation>
    </message>
    <message>
        <source>双字节累加和求余</source>
        <translation>16-bit sum, two&apos;s complement</translation>
    </message>
    <message>
        <source>电总协议</source>
        <translation>Telecom power protocol</translation>
    </message>
    <message>
        <source>数据格式错误：第一个字节不是7E</source>
        <translation>Data format error: the first byte is not 7E</translation>
    </message>
    <message>
        <source>事件对象无效</source>
        <translation>Invalid event object</translation>
    </message>
    <message>
        <source>获取端口状态失败</source>
        <translation>Cannot read the port state</translation>
    </message>
    <message>
        <source>端口未打开</source>
        <translation>Port not open</translation>
    </message>
    <message>
        <source>写入失败，错误码：%d</source>
        <translation>Write failed, error code: %d</translation>
    </message>
    <message>
        <source>端口错误</source>
        <translation>Port error</translation>
    </message>
    <message>
        <source>I/O错误</source>
        <translation>I/O error</translation>
    </message>
    <message>
        <source>读取超时</source>
        <translation>Read timed out</translation>
    </message>
    <message>
        <source>读取等待被用户取消</source>
        <translation>Read cancelled by the user</translation>
    </message>
    <message>
        <source>打开COM%d失败</source>
        <translation>Cannot open COM%d</translation>
    </message>
    <message>
        <source>：没有权限访问%s，请把用户加入dialout组后重新登录</source>
        <translation>: no permission for %s; add the user to the dialout group and log in again</translation>
    </message>
    <message>
        <source>文件超过64MB,无法发送!</source>
        <translation>The file is larger than 64 MB and cannot be sent!</translation>
    </message>
    <message>
        <source>系统没有足够内存!</source>
        <translation>Not enough memory!</translation>
    </message>
    <message>
        <source>打开文件:
%s
失败!</source>
        <translation>Cannot open the file:
%s</translation>
    </message>
    <message>
        <source>文件大小：%zu 字节</source>
        <translation>File size: %zu bytes</translation>
    </message>
    <message>
        <source>简易下发协议说明：<byte value="xd"/>
1.[打开文件]命令从文件按顺序读入数据后保存到缓冲区;<byte value="xd"/>
2.[发送命令]将缓冲区内容分包并顺序向下位机发送,包大小可选择64字节、256字节或512字节;<byte value="xd"/>
3.发送一包数据后从下位机读取相同长度的数据包并与下发的数据包进行对比进行校验，下位机应读到数据包后将数据写入存储器并再从存储器读入后返回给程序，下位机自己管理写入存储器地址。<byte value="xd"/>
下位机示意代码如下 ：<byte value="xd"/>
while(1)<byte value="xd"/>
{<byte value="xd"/>
  uart_recv_buf(tmpbuf,256);<byte value="xd"/>
  FlashWritePage(g_Address,tmpbuf);<byte value="xd"/>
  FlashRead(g_Address,tmpbuf,256);<byte value="xd"/>
  uart_send_buf(tmpbuf,256);<byte value="xd"/>
  g_Address+=256;<byte value="xd"/>
}</source>
        <translation>The simple download protocol:<byte value="xd"/>
1. [Open file] reads the file in order into the buffer;<byte value="xd"/>
2. [Send] splits the buffer into packets of 64, 256 or 512 bytes and sends them to the target in order;<byte value="xd"/>
3. After each packet the program reads a packet of the same length back from the target and compares it with the one it sent. The target writes each packet it receives to its memory, reads it back from there and returns it; the target keeps track of the memory address itself.<byte value="xd"/>
Target code in outline:<byte value="xd"/>
while(1)<byte value="xd"/>
{<byte value="xd"/>
  uart_recv_buf(tmpbuf,256);<byte value="xd"/>
  FlashWritePage(g_Address,tmpbuf);<byte value="xd"/>
  FlashRead(g_Address,tmpbuf,256);<byte value="xd"/>
  uart_send_buf(tmpbuf,256);<byte value="xd"/>
  g_Address+=256;<byte value="xd"/>
}</translation>
    </message>
    <message>
        <source>读取失败!</source>
        <translation>Read failed!</translation>
    </message>
    <message>
        <source>校验失败!</source>
        <translation>Verification failed!</translation>
    </message>
    <message>
        <source>下载完成!</source>
        <translation>Download complete!</translation>
    </message>
    <message>
        <source>请选择要转换的HEX格式文件</source>
        <translation>Choose the HEX file to convert</translation>
    </message>
    <message>
        <source>请指定BIN格式文件名</source>
        <translation>Name the BIN file</translation>
    </message>
    <message>
        <source>在此文件中没有发现Intel Hex 结束文件记录
</source>
        <translation>No Intel HEX end-of-file record in this file
</translation>
    </message>
    <message>
        <source>第%lld行出现不可解析的记录 </source>
        <translation>Unreadable record in line %lld </translation>
    </message>
    <message>
        <source>第%lld行发现沉余校验错误</source>
        <translation>Checksum error in line %lld</translation>
    </message>
    <message>
        <source>未知的记录类型%d在行%lld中出现
</source>
        <translation>Unknown record type %d in line %lld
</translation>
    </message>
    <message>
        <source>第%lld行中地址0x%04llx 超出了器件地址范围
</source>
        <translation>Line %lld: address 0x%04llx lies outside the device&apos;s address range
</translation>
    </message>
    <message>
        <source>HEX文件指定的绝对偏移地址是:0x%.8llX,转换BIN文件后此信息将丢失!</source>
        <translation>The HEX file gives the absolute start address 0x%.8llX; the BIN file does not keep it!</translation>
    </message>
    <message>
        <source>操作未完成</source>
        <translation>Not completed</translation>
    </message>
    <message>
        <source>申请系统内在失败</source>
        <translation>Memory allocation failed</translation>
    </message>
    <message>
        <source>HEX文件的地址跨度超过64MB,无法转换!</source>
        <translation>The addresses of the HEX file span more than 64 MB; it cannot be converted!</translation>
    </message>
    <message>
        <source>HEX文件中没有数据记录!</source>
        <translation>The HEX file holds no data record!</translation>
    </message>
    <message>
        <source>转换被取消!</source>
        <translation>Conversion cancelled!</translation>
    </message>
    <message>
        <source>创建或打开文件失败!</source>
        <translation>Cannot create or open the file!</translation>
    </message>
    <message>
        <source>转换文件成功!</source>
        <translation>File converted!</translation>
    </message>
    <message>
        <source>DISPLAY 未设置</source>
        <translation>DISPLAY is not set</translation>
    </message>
    <message>
        <source>无法连接 DISPLAY=%s</source>
        <translation>cannot connect to DISPLAY=%s</translation>
    </message>
    <message>
        <source>quorkit: 没有可用的显示，无法打开窗口 (%s)；无显示时请用 quorkit-drive 运行脚本。
</source>
        <translation>quorkit: no display to open a window on (%s); without a display, run scripts with quorkit-drive.
</translation>
    </message>
</context>
<context>
    <name>template:100</name>
    <message>
        <source>关于 QuorKit</source>
        <extracomment>caption</extracomment>
        <translation>About QuorKit</translation>
    </message>
    <message>
        <source>确定</source>
        <extracomment>defbutton 1</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>template:103</name>
    <message>
        <source>MODBUS(RTU)指令生成器</source>
        <extracomment>caption</extracomment>
        <translation>MODBUS (RTU) Command Generator</translation>
    </message>
    <message>
        <source>指令生成</source>
        <extracomment>group without ID</extracomment>
        <translation>Request</translation>
    </message>
    <message>
        <source>设备地址</source>
        <extracomment>static without ID</extracomment>
        <translation>Slave addr.</translation>
    </message>
    <message>
        <source>命令码</source>
        <extracomment>static without ID</extracomment>
        <translation>Function</translation>
    </message>
    <message>
        <source>开始地址</source>
        <extracomment>static without ID</extracomment>
        <translation>Start addr.</translation>
    </message>
    <message>
        <source>读写个数</source>
        <extracomment>static without ID</extracomment>
        <translation>Count</translation>
    </message>
    <message>
        <source>生成读指令</source>
        <extracomment>button 1004</extracomment>
        <translation>Read request</translation>
    </message>
    <message>
        <source>生成写指令</source>
        <extracomment>button 1000</extracomment>
        <translation>Write request</translation>
    </message>
    <message>
        <source>辅助工具</source>
        <extracomment>group without ID</extracomment>
        <translation>Helpers</translation>
    </message>
    <message>
        <source>注:数字输入格式为2位16进制字符，小于10时需前补0,连续数值间用空格隔开(如：01 22)</source>
        <extracomment>static without ID</extracomment>
        <translation>Note: each byte is 2 hex digits (01, not 1), separated by spaces, e.g. 01 22</translation>
    </message>
</context>
<context>
    <name>template:104</name>
    <message>
        <source>固定电阻选型器</source>
        <extracomment>caption</extracomment>
        <translation>Standard Resistor Selector</translation>
    </message>
    <message>
        <source>查找范围</source>
        <extracomment>group without ID</extracomment>
        <translation>Series</translation>
    </message>
    <message>
        <source>E12系列</source>
        <extracomment>radio 1044</extracomment>
        <translation>E12</translation>
    </message>
    <message>
        <source>E24系列</source>
        <extracomment>radio 1045</extracomment>
        <translation>E24</translation>
    </message>
    <message>
        <source>E96系列</source>
        <extracomment>radio 1050</extracomment>
        <translation>E96</translation>
    </message>
    <message>
        <source>按比例查找</source>
        <extracomment>group without ID</extracomment>
        <translation>By ratio</translation>
    </message>
    <message>
        <source>查找</source>
        <extracomment>button 1004
----------
button 1000
----------
button 1009
----------
button 1014</extracomment>
        <translation>Search</translation>
    </message>
    <message>
        <source>按分压查找</source>
        <extracomment>group without ID</extracomment>
        <translation>By divider</translation>
    </message>
    <message>
        <source>总电压(V)</source>
        <extracomment>static without ID</extracomment>
        <translation>Total (V)</translation>
    </message>
    <message>
        <source>分电压(V)</source>
        <extracomment>static without ID</extracomment>
        <translation>Part (V)</translation>
    </message>
    <message>
        <source>串联查找</source>
        <extracomment>group without ID</extracomment>
        <translation>Series pair</translation>
    </message>
    <message>
        <source>等效阻值</source>
        <extracomment>static without ID</extracomment>
        <translation>Equivalent</translation>
    </message>
    <message>
        <source>并联查找</source>
        <extracomment>group without ID</extracomment>
        <translation>Parallel pair</translation>
    </message>
</context>
<context>
    <name>template:129</name>
    <message>
        <source>数值存储码转换器</source>
        <extracomment>caption</extracomment>
        <translation>Numeric Storage Code Converter</translation>
    </message>
    <message>
        <source>转换类型</source>
        <extracomment>group without ID</extracomment>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>16进制存储码转换成十进制数值</source>
        <extracomment>radio 1035</extracomment>
        <translation>Storage code (hex) to value</translation>
    </message>
    <message>
        <source>十进制数值转换16进制存储码</source>
        <extracomment>radio 1034</extracomment>
        <translation>Value to storage code (hex)</translation>
    </message>
    <message>
        <source>顺序颠倒</source>
        <extracomment>check 1022</extracomment>
        <translation>Reverse</translation>
    </message>
</context>
<context>
    <name>template:130</name>
    <message>
        <source>电总协议指令生成器</source>
        <extracomment>caption</extracomment>
        <translation>Telecom Power Protocol Command Generator</translation>
    </message>
    <message>
        <source>电总协议</source>
        <extracomment>group without ID</extracomment>
        <translation>Telecom power protocol</translation>
    </message>
    <message>
        <source>设备地址</source>
        <extracomment>static without ID</extracomment>
        <translation>Address</translation>
    </message>
    <message>
        <source>版本</source>
        <extracomment>static without ID</extracomment>
        <translation>Ver.</translation>
    </message>
    <message>
        <source>生成指令</source>
        <extracomment>button 1000</extracomment>
        <translation>Generate</translation>
    </message>
    <message>
        <source>数据</source>
        <extracomment>static without ID</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>注:数字输入格式为2位16进制字符，小于10时需前补0,连续数值间用空格隔开(如：01 22)</source>
        <extracomment>static without ID</extracomment>
        <translation>Note: each byte is 2 hex digits (01, not 1), separated by spaces, e.g. 01 22</translation>
    </message>
</context>
<context>
    <name>template:131</name>
    <message>
        <source>校验码生成器</source>
        <extracomment>caption</extracomment>
        <translation>Checksum Generator</translation>
    </message>
    <message>
        <source>数据输入(16进制字符,小于10时需前补0,连续数值间用空格隔开)</source>
        <extracomment>static without ID</extracomment>
        <translation>Data (hex bytes of 2 digits, separated by spaces, e.g. 01 22)</translation>
    </message>
    <message>
        <source>校验方式</source>
        <extracomment>static without ID</extracomment>
        <translation>Algorithm</translation>
    </message>
    <message>
        <source>校验码</source>
        <extracomment>static without ID</extracomment>
        <translation>Checksum</translation>
    </message>
    <message>
        <source>生成</source>
        <extracomment>defbutton 1032</extracomment>
        <translation>Generate</translation>
    </message>
</context>
<context>
    <name>template:132</name>
    <message>
        <source>进制字符转换器</source>
        <extracomment>caption</extracomment>
        <translation>Decimal/Hexadecimal Text Converter</translation>
    </message>
    <message>
        <source>十进制</source>
        <extracomment>static without ID</extracomment>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>十进制输入规则：<byte value="xd"/>
空格或任意非数字字符被看做是分隔符</source>
        <extracomment>edit 1039</extracomment>
        <translation>Decimal input:<byte value="xd"/>
spaces and any other non-digit characters separate the numbers</translation>
    </message>
    <message>
        <source>十六进制</source>
        <extracomment>static without ID</extracomment>
        <translation>Hex</translation>
    </message>
    <message>
        <source>加注0x</source>
        <extracomment>check 1036</extracomment>
        <translation>Add 0x</translation>
    </message>
    <message>
        <source>十六进制输入规则：<byte value="xd"/>
两个连续的十六进制字符（0~9,a~f,A~F）被转换成一个十进制数字</source>
        <extracomment>edit 1040</extracomment>
        <translation>Hexadecimal input:<byte value="xd"/>
every two consecutive hex digits (0-9, a-f, A-F) become one decimal number</translation>
    </message>
    <message>
        <source>逗号分割</source>
        <extracomment>check 1037</extracomment>
        <translation>Commas</translation>
    </message>
</context>
<context>
    <name>template:134</name>
    <message>
        <source>字符码生成器</source>
        <extracomment>caption</extracomment>
        <translation>Character Code Generator</translation>
    </message>
    <message>
        <source>多字节字符集</source>
        <extracomment>radio 1044</extracomment>
        <translation>GBK (CP936)</translation>
    </message>
    <message>
        <source>Unicode字符集</source>
        <extracomment>radio 1045</extracomment>
        <translation>UTF-16</translation>
    </message>
    <message>
        <source>逗号分隔</source>
        <extracomment>check 1046</extracomment>
        <translation>Commas</translation>
    </message>
    <message>
        <source>加前缀0x</source>
        <extracomment>check 1047</extracomment>
        <translation>Add 0x</translation>
    </message>
    <message>
        <source>生成</source>
        <extracomment>defbutton 1000</extracomment>
        <translation>Generate</translation>
    </message>
</context>
<context>
    <name>template:142</name>
    <message>
        <source>数码管显示码生成器</source>
        <extracomment>caption</extracomment>
        <translation>Seven-Segment Code Generator</translation>
    </message>
    <message>
        <source>取反</source>
        <extracomment>check 1046</extracomment>
        <translation>Invert</translation>
    </message>
    <message>
        <source>常规码</source>
        <extracomment>defbutton 1</extracomment>
        <translation>Digits</translation>
    </message>
    <message>
        <source>自定义码</source>
        <extracomment>button 1000</extracomment>
        <translation>Custom</translation>
    </message>
    <message>
        <source>退 出</source>
        <extracomment>button 2</extracomment>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>template:149</name>
    <message>
        <source>字符点阵码生成器</source>
        <extracomment>caption</extracomment>
        <translation>Dot-Matrix Glyph Generator</translation>
    </message>
    <message>
        <source>预览</source>
        <extracomment>group without ID
----------
button 1011</extracomment>
        <translation>Preview</translation>
    </message>
    <message>
        <source>选项</source>
        <extracomment>group without ID</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>宽</source>
        <extracomment>static without ID</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>高</source>
        <extracomment>static without ID</extracomment>
        <translation>H</translation>
    </message>
    <message>
        <source>上</source>
        <extracomment>button 1006</extracomment>
        <translation>Up</translation>
    </message>
    <message>
        <source>左</source>
        <extracomment>button 1008</extracomment>
        <translation>Left</translation>
    </message>
    <message>
        <source>右</source>
        <extracomment>button 1009</extracomment>
        <translation>Right</translation>
    </message>
    <message>
        <source>下</source>
        <extracomment>button 1007</extracomment>
        <translation>Down</translation>
    </message>
    <message>
        <source>区域</source>
        <extracomment>button 1029</extracomment>
        <translation>Area</translation>
    </message>
    <message>
        <source>字体</source>
        <extracomment>button 1010</extracomment>
        <translation>Font</translation>
    </message>
    <message>
        <source>提取灰度</source>
        <extracomment>static without ID</extracomment>
        <translation>Threshold</translation>
    </message>
    <message>
        <source>存储方式示意图</source>
        <extracomment>group without ID</extracomment>
        <translation>Byte layout</translation>
    </message>
    <message>
        <source>位反序</source>
        <extracomment>check 1036</extracomment>
        <translation>Reverse bits</translation>
    </message>
    <message>
        <source>生成</source>
        <extracomment>defbutton 1</extracomment>
        <translation>Generate</translation>
    </message>
</context>
<context>
    <name>template:150</name>
    <message>
        <source>电容延时计算器</source>
        <extracomment>caption</extracomment>
        <translation>Capacitor Delay Calculator</translation>
    </message>
    <message>
        <source>放电</source>
        <extracomment>radio 1044</extracomment>
        <translation>Discharge</translation>
    </message>
    <message>
        <source>充电</source>
        <extracomment>radio 1045</extracomment>
        <translation>Charge</translation>
    </message>
    <message>
        <source>R(Ω)</source>
        <extracomment>static without ID</extracomment>
        <translation>R(Ω)</translation>
    </message>
    <message>
        <source>计算</source>
        <extracomment>button 1000</extracomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>注:Ve,Vx1,Vx2为必填项 R,C,T中填2项可计算出另一项</source>
        <extracomment>static without ID</extracomment>
        <translation>Note: Ve, Vx1 and Vx2 are required; give two of R, C and T to get the third</translation>
    </message>
</context>
<context>
    <name>template:153</name>
    <message>
        <source>电阻分压计算器</source>
        <extracomment>caption</extracomment>
        <translation>Resistor Divider Calculator</translation>
    </message>
    <message>
        <source>分压(任意三项必须填)</source>
        <extracomment>group without ID</extracomment>
        <translation>Divider (give any three)</translation>
    </message>
    <message>
        <source>R1(Ω)</source>
        <extracomment>static without ID</extracomment>
        <translation>R1(Ω)</translation>
    </message>
    <message>
        <source>R2(Ω)</source>
        <extracomment>static without ID</extracomment>
        <translation>R2(Ω)</translation>
    </message>
    <message>
        <source>计算</source>
        <extracomment>button 1000</extracomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>电阻查找</source>
        <extracomment>group without ID</extracomment>
        <translation>Resistor search</translation>
    </message>
    <message>
        <source>查找</source>
        <extracomment>button 1004</extracomment>
        <translation>Search</translation>
    </message>
    <message>
        <source>分压电阻选型</source>
        <extracomment>group without ID</extracomment>
        <translation>Divider resistor choice</translation>
    </message>
    <message>
        <source>查询</source>
        <extracomment>button 1009</extracomment>
        <translation>Search</translation>
    </message>
</context>
<context>
    <name>template:156</name>
    <message>
        <source>线性中间值计算器</source>
        <extracomment>caption</extracomment>
        <translation>Linear Interpolation Calculator</translation>
    </message>
    <message>
        <source>计算</source>
        <extracomment>button 1000</extracomment>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>template:157</name>
    <message>
        <source>电阻并联计算器</source>
        <extracomment>caption</extracomment>
        <translation>Parallel Resistor Calculator</translation>
    </message>
    <message>
        <source>Rx对应输入阻值为空表示高阻，未连接！</source>
        <extracomment>edit 1006</extracomment>
        <translation>An empty Rx field means open (not connected)!</translation>
    </message>
    <message>
        <source>计算</source>
        <extracomment>defbutton 1</extracomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>关闭</source>
        <extracomment>button 2</extracomment>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>template:159</name>
    <message>
        <source>阻容降压计算器</source>
        <extracomment>caption</extracomment>
        <translation>Capacitive Dropper Calculator</translation>
    </message>
    <message>
        <source>电容C(uF)</source>
        <extracomment>static without ID</extracomment>
        <translation>C (uF)</translation>
    </message>
    <message>
        <source>电压Vo(V)</source>
        <extracomment>static without ID</extracomment>
        <translation>Vo (V)</translation>
    </message>
    <message>
        <source>电流(mA)</source>
        <extracomment>static without ID</extracomment>
        <translation>Current (mA)</translation>
    </message>
    <message>
        <source>RL功率(W)</source>
        <extracomment>static without ID</extracomment>
        <translation>RL power (W)</translation>
    </message>
    <message>
        <source>计算</source>
        <extracomment>defbutton 1</extracomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>关闭</source>
        <extracomment>button 2</extracomment>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>template:161</name>
    <message>
        <source>定时器延时计算器</source>
        <extracomment>caption</extracomment>
        <translation>Timer Delay Calculator</translation>
    </message>
    <message>
        <source>定时器位数</source>
        <extracomment>static without ID</extracomment>
        <translation>Timer width</translation>
    </message>
    <message>
        <source>时钟频率(Hz)</source>
        <extracomment>static without ID</extracomment>
        <translation>Clock (Hz)</translation>
    </message>
    <message>
        <source>分频</source>
        <extracomment>static without ID</extracomment>
        <translation>Prescaler</translation>
    </message>
    <message>
        <source>溢出值</source>
        <extracomment>static without ID</extracomment>
        <translation>Reload value</translation>
    </message>
    <message>
        <source>溢出时间</source>
        <extracomment>static without ID</extracomment>
        <translation>Overflow time</translation>
    </message>
    <message>
        <source>计算</source>
        <extracomment>defbutton 1</extracomment>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>template:162</name>
    <message>
        <source>串口文件下发器</source>
        <extracomment>caption</extracomment>
        <translation>Serial File Sender</translation>
    </message>
    <message>
        <source>端口</source>
        <extracomment>static without ID</extracomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>波特率</source>
        <extracomment>static without ID</extracomment>
        <translation>Baud</translation>
    </message>
    <message>
        <source>包大小(字节)</source>
        <extracomment>static without ID</extracomment>
        <translation>Packet size</translation>
    </message>
    <message>
        <source>打开文件</source>
        <extracomment>button 1022</extracomment>
        <translation>Open file</translation>
    </message>
    <message>
        <source>就绪</source>
        <extracomment>static 1021</extracomment>
        <translation>Ready</translation>
    </message>
    <message>
        <source>说明</source>
        <extracomment>button 1024</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>发送</source>
        <extracomment>button 1023</extracomment>
        <translation>Send</translation>
    </message>
    <message>
        <source>关闭</source>
        <extracomment>defbutton 1</extracomment>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>template:163</name>
    <message>
        <source>电阻功率计算器</source>
        <extracomment>caption</extracomment>
        <translation>Resistor Power Calculator</translation>
    </message>
    <message>
        <source>电压(V)</source>
        <extracomment>static without ID</extracomment>
        <translation>Voltage (V)</translation>
    </message>
    <message>
        <source>电流(A)</source>
        <extracomment>static without ID</extracomment>
        <translation>Current (A)</translation>
    </message>
    <message>
        <source>电阻(Ohm)</source>
        <extracomment>static without ID</extracomment>
        <translation>R (Ohm)</translation>
    </message>
    <message>
        <source>功率(W)</source>
        <extracomment>static without ID</extracomment>
        <translation>Power (W)</translation>
    </message>
    <message>
        <source>计算</source>
        <extracomment>defbutton 1</extracomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>关闭</source>
        <extracomment>button 2</extracomment>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>template:164</name>
    <message>
        <source>线性电源计算器</source>
        <extracomment>caption</extracomment>
        <translation>Linear Power Supply Calculator</translation>
    </message>
    <message>
        <source>输入电压向上波动(%)</source>
        <extracomment>static without ID</extracomment>
        <translation>Mains rise (%)</translation>
    </message>
    <message>
        <source>输入电压向下波动(%)</source>
        <extracomment>static without ID</extracomment>
        <translation>Mains drop (%)</translation>
    </message>
    <message>
        <source>变压器标称电压(V)</source>
        <extracomment>static without ID</extracomment>
        <translation>Transformer (V)</translation>
    </message>
    <message>
        <source>最大负载电流(A)</source>
        <extracomment>static without ID</extracomment>
        <translation>Max. load (A)</translation>
    </message>
    <message>
        <source>计算</source>
        <extracomment>defbutton 1</extracomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>关闭</source>
        <extracomment>button 2</extracomment>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>template:169</name>
    <message>
        <source>NTC阻值表生成器</source>
        <extracomment>caption</extracomment>
        <translation>NTC Table Generator</translation>
    </message>
    <message>
        <source>25度标称阻值(Ω)</source>
        <extracomment>static without ID</extracomment>
        <translation>R25 nominal (Ω)</translation>
    </message>
    <message>
        <source>B值</source>
        <extracomment>static without ID</extracomment>
        <translation>B value</translation>
    </message>
    <message>
        <source>ADC精度</source>
        <extracomment>static without ID</extracomment>
        <translation>ADC bits</translation>
    </message>
    <message>
        <source>分压电阻值(Ω)</source>
        <extracomment>static without ID</extracomment>
        <translation>Divider R (Ω)</translation>
    </message>
    <message>
        <source>分压上接</source>
        <extracomment>radio 1044</extracomment>
        <translation>Pull-up</translation>
    </message>
    <message>
        <source>分压下接</source>
        <extracomment>radio 1045</extracomment>
        <translation>Pull-down</translation>
    </message>
    <message>
        <source>生成选项</source>
        <extracomment>group without ID</extracomment>
        <translation>Output</translation>
    </message>
    <message>
        <source>16进制</source>
        <extracomment>check 1046</extracomment>
        <translation>Hex</translation>
    </message>
    <message>
        <source>10倍值</source>
        <extracomment>check 1047</extracomment>
        <translation>x10</translation>
    </message>
    <message>
        <source>整数</source>
        <extracomment>check 1031</extracomment>
        <translation>Integer</translation>
    </message>
    <message>
        <source>生成阻值表</source>
        <extracomment>defbutton 1</extracomment>
        <translation>R table</translation>
    </message>
    <message>
        <source>生成AD值表</source>
        <extracomment>button 1000</extracomment>
        <translation>ADC table</translation>
    </message>
</context>
<context>
    <name>template:172</name>
    <message>
        <source>操作符两边互换器</source>
        <extracomment>caption</extracomment>
        <translation>Operator Side Swapper</translation>
    </message>
    <message>
        <source>操作符:</source>
        <extracomment>static without ID</extracomment>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>切 换</source>
        <extracomment>button 1037</extracomment>
        <translation>Swap</translation>
    </message>
</context>
<context>
    <name>template:173</name>
    <message>
        <source>标准IC卡MF1 IC S50卡存取码配置器</source>
        <extracomment>caption</extracomment>
        <translation>MF1 IC S50 Card Access Bits Configurator</translation>
    </message>
    <message>
        <source>扇区存取码</source>
        <extracomment>static without ID</extracomment>
        <translation>Access bits</translation>
    </message>
    <message>
        <source>(Block3的6,7,8,9字节)</source>
        <extracomment>static without ID</extracomment>
        <translation>(bytes 6 to 9 of block 3)</translation>
    </message>
    <message>
        <source>手动输入</source>
        <extracomment>button 1044</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>存取条件:</source>
        <extracomment>static without ID</extracomment>
        <translation>Access conditions:</translation>
    </message>
</context>
<context>
    <name>template:174</name>
    <message>
        <source>电加热计算器</source>
        <extracomment>caption</extracomment>
        <translation>Electric Heating Calculator</translation>
    </message>
    <message>
        <source>水加热</source>
        <extracomment>group without ID</extracomment>
        <translation>Water heating</translation>
    </message>
    <message>
        <source>体积(L)</source>
        <extracomment>static without ID</extracomment>
        <translation>Volume (L)</translation>
    </message>
    <message>
        <source>起始温度(C)</source>
        <extracomment>static without ID</extracomment>
        <translation>From (C)</translation>
    </message>
    <message>
        <source>结束温度(C)</source>
        <extracomment>static without ID</extracomment>
        <translation>To (C)</translation>
    </message>
    <message>
        <source>做功(J)</source>
        <extracomment>static without ID</extracomment>
        <translation>Energy (J)</translation>
    </message>
    <message>
        <source>做功(KWh)</source>
        <extracomment>static without ID</extracomment>
        <translation>Energy (kWh)</translation>
    </message>
    <message>
        <source>计算做功</source>
        <extracomment>button 1000
----------
button 1009</extracomment>
        <translation>Energy</translation>
    </message>
    <message>
        <source>电能</source>
        <extracomment>group without ID</extracomment>
        <translation>Electric energy</translation>
    </message>
    <message>
        <source>电压(V)</source>
        <extracomment>static without ID</extracomment>
        <translation>Voltage (V)</translation>
    </message>
    <message>
        <source>电流(A)</source>
        <extracomment>static without ID</extracomment>
        <translation>Current (A)</translation>
    </message>
    <message>
        <source>电阻(Ohm)</source>
        <extracomment>static without ID</extracomment>
        <translation>R (Ohm)</translation>
    </message>
    <message>
        <source>功率(W)</source>
        <extracomment>static without ID</extracomment>
        <translation>Power (W)</translation>
    </message>
    <message>
        <source>时间(h)</source>
        <extracomment>static without ID</extracomment>
        <translation>Time (h)</translation>
    </message>
    <message>
        <source>计算功率</source>
        <extracomment>button 1004</extracomment>
        <translation>Power</translation>
    </message>
</context>
</TS>
