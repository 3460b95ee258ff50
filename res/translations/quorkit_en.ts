<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>menu:136</name>
    <message>
        <source>通信协议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modbus协议指令生成器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电总协议指令生成器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数值存储码转换器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>十进制/十六进制字符转换器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据包校验码生成器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex到Bin文件转换器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口文件下发器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作符两边互换器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电路设计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>固定电阻选型器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电阻分压计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电阻并联计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电容延时计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阻容降压计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电阻功率计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>线性电源计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTC阻值表生成器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单片机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字符码生成器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数码管显示码生成器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字符点阵码生成器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>线性中间值计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>定时器延时计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mifare 1k S50卡存取码配置器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>热水</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>menu:168</name>
    <message>
        <source>生成文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASCII（定义文本）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASCII8X8(定义文本)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASCII（二进制）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB2312（二进制）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorkit</name>
    <message>
        <source>关于本程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出次数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>实际延时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>延时误差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计数频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计数周期</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出周期</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于本程序(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.7.4(20241001):增加水加热计算器<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.7.3(20230521):增加M1卡存取码编辑器<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.7.2(20210805):增加分压电阻选型计算<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.7.1(20210708):增加操作符两边互换功能<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.7.0(20191025):修正进制字符转换功能HEX转DEC支持256以上值<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.6.9(20190606):字符码位反序功能，优化生成ASCII8X8点阵码<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.6.8(20180615):增加ntc阻值表生成器<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.6.7(20180610):点阵字库生成器功能完善<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.6.6(20170701):数码管显示码生成器增加自定义符号码生成功能<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.6.5(20160324):改进点阵字库生成器，增加ASCII库生成功能<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.6.4(20160318):改进点阵生成界面<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.6.3(20160228):增加线性电源计算器<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.6.2(20160228):增加电阻功率计算器<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.6.1(20160223):增加生成字体库文件<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.6.0(20150621):增加串口文件下发器<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.5.1(20150530):修正HEX文件转换转换器一处BUG<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.5.0(20150506):增加HEX文件转换BIN文件模块<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.4.0(20150427):增加固定电阻串并联查找功能并修复查找BUG<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2.3.0(20140912):2014版</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入正确的电压值!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入参数有误！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>方案%d: R1=%f  R2=%f<byte value="xd"/>
        等效值:%f  误差:%f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>方案%d: R1=%f  R2=%f<byte value="xd"/>
误差:%f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>方案%d: R1=%f  R2=%f<byte value="xd"/>
 电压:%f(V)/%f(V)或<byte value="xd"/>
      %f(V)/%f(V)<byte value="xd"/>
 误差:%f(V)/%f(V)<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入电压波动范围输入异常!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入变压器电压异常!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>初级输入电压范围(V):<byte value="xd"/>
%.1f - %.1f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次级峰值(直流空载)电压范围(V):<byte value="xd"/>
%.2f - %.2f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>直流额定负载电压范围(V):<byte value="xd"/>
%.2f - %.2f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>滤波电容 &gt; %.0f (uF)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入值范围超限!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>//-40℃ ~ 119℃对应阻值(Ω):<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>//-40℃ ~ 119℃对应AD值:<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入电容值!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请正确输入电容值!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请正确输入电压值!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R1功率: %f(W)<byte value="xd"/>
R2功率: %f(W) <byte value="xd"/>
电流I  : %f(A)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d.电阻型号：%f<byte value="xd"/>
  误差:%f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非法输入!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R1=%d(Ω) 时Ux变化范围最大<byte value="xd"/>
Ux电压范围:%f(V) ~ %f (V)<byte value="xd"/>
Ux变化量(V):%f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>并联等效电阻：<byte value="xd"/>
%f(Ω)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入错误!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过电压和电阻计算功率和电流时，发现电阻值异常！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过电压和电流计算功率和电阻时，发现电流值异常！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过电阻和电流计算功率和电压时，发现电阻值异常！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过功率和电流计算电压和电阻时，发现功率值异常！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过功率和电流计算电压和电阻时，发现电流值异常！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过功率和电压计算电流和电阻时，发现功率值异常！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过功率和电压计算电流和电阻时，发现电压值异常！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过功率和电阻计算电流和电压时，发现功率值异常！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过功率和电阻计算电流和电压时，发现电阻值异常！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请至少给出两个参数!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无有效数据!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>温度输入错误!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%.0f小时%.0f分钟</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本程序提取点阵方式:<byte value="xd"/>
1.上下8个点为一个字节，上面的点对应字节中低位<byte value="xd"/>
2.上下方向每8个点为一行<byte value="xd"/>
3.每行从左到右方向提取到连续的字节缓冲区<byte value="xd"/>
4.行按上下的顺序提取并存储.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>存储区</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>手动输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不分频</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d分频</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>说明：<byte value="xd"/>
[溢出值]和[溢出时间]中任意一个<byte value="xd"/>
可不填，也可两个都填！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在生成...<byte value="xd"/>
(这可能需要较长的时间，请耐心等待！)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作即将开始，这可能需要几秒钟的时间，在这期间软件停止响应！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
字库成功生成！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文本文件(*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>二进制格式文件(*.bin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
GB2312汉字库成功生成！<byte value="xd"/>
 字符码提取方法为高字节从0xA1到0xF7,低字节从0xA1到0xFE,提取示意代码如下：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>addr=char_code&gt;&gt;8; //字符码高字节 <byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>char_code&amp;=0x00FF;	//字符码低字节<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>char_code-=0xa1;<byte value="xd"/>
addr+=char_code;<byte value="xd"/>
addr*=32;	//32为一个字符占用的字节个数，当字符尺寸为16X16时为32<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
字符码从1到127的字符点阵码已按顺序保存到文件中；</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在生成GB2312汉字库...<byte value="xd"/>
(这可能需要几分钟或更长的时间，请耐心等待！)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作即将开始，这可能需要几分钟的时间，在这期间软件停止响应！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入有误!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入错误，请输入4个用两位16进制字符表示的数值并用空格隔开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入码校验错误!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用方法：<byte value="xd"/>
  1.段名下的一行组合框设置数码管段与数据位对应关系，按[常规码]按钮可生成显示0,1,2,3,4,5,6,7,8,9,A,b,C,d,E,F所需的显示码;<byte value="xd"/>
  2.数码管图片上点击选择各段的显示状态，再按[自定义码]按钮生成自定义显示码;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不同的段不能选择同一个位，请检查！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>//0,1,2,...,d,E,F的显示码<byte value="xd"/>
unsigned char 变量名[ ]={</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出值超出了范围！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>延时时间小于一个计数周期！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>延时时间超出计算范围！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出次数：%u<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>实际延时：%f(ms)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>延时误差：%f(ms)<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计数频率:%f(Hz)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计数周期：%f(ms)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出频率:%f(Hz)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出周期:%f(ms)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
-算法1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出值超出了计数范围!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
-算法2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出值：%u(0x%X)<byte value="xd"/>
溢出次数：1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计数频率：%f(Hz)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出频率：%f(Hz)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出周期：%f(ms)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
-算法4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出值：%u(0x%X)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
-算法3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入时钟频率！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请正确输入时钟频率！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%d：没有对应的串口设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%d：%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送线程启动失败!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请选择要发送的文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缓冲区没有数据!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>说明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有找到串口设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单字节累加和</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单字节累加和求余</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>双字节累加和</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>双字节累加和求余</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电总协议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据格式错误：第一个字节不是7E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>事件对象无效</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>获取端口状态失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>端口未打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写入失败，错误码：%d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>端口错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取超时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取等待被用户取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开COM%d失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：没有权限访问%s，请把用户加入dialout组后重新登录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件超过64MB,无法发送!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系统没有足够内存!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开文件:
%s
失败!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件大小：%zu 字节</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取失败!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验失败!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载完成!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请选择要转换的HEX格式文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请指定BIN格式文件名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在此文件中没有发现Intel Hex 结束文件记录
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%lld行出现不可解析的记录 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%lld行发现沉余校验错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的记录类型%d在行%lld中出现
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%lld行中地址0x%04llx 超出了器件地址范围
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEX文件指定的绝对偏移地址是:0x%.8llX,转换BIN文件后此信息将丢失!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作未完成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>申请系统内在失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEX文件的地址跨度超过64MB,无法转换!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEX文件中没有数据记录!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>转换被取消!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>创建或打开文件失败!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>转换文件成功!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:100</name>
    <message>
        <source>关于 QuorKit</source>
        <extracomment>caption</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:103</name>
    <message>
        <source>MODBUS(RTU)指令生成器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指令生成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备地址</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>命令码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始地址</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读写个数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生成读指令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生成写指令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>辅助工具</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注:数字输入格式为2位16进制字符，小于10时需前补0,连续数值间用空格隔开(如：01 22)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:104</name>
    <message>
        <source>固定电阻选型器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查找范围</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E12系列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E24系列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E96系列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按比例查找</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查找</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按分压查找</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>总电压(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分电压(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串联查找</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等效阻值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>并联查找</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:129</name>
    <message>
        <source>数值存储码转换器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>转换类型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16进制存储码转换成十进制数值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>十进制数值转换16进制存储码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>顺序颠倒</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:130</name>
    <message>
        <source>电总协议指令生成器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电总协议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备地址</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>版本</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生成指令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注:数字输入格式为2位16进制字符，小于10时需前补0,连续数值间用空格隔开(如：01 22)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:131</name>
    <message>
        <source>校验码生成器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据输入(16进制字符,小于10时需前补0,连续数值间用空格隔开)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验方式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生成</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:132</name>
    <message>
        <source>进制字符转换器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>十进制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>十进制输入规则：<byte value="xd"/>
空格或任意非数字字符被看做是分隔符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>十六进制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加注0x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>十六进制输入规则：<byte value="xd"/>
两个连续的十六进制字符（0~9,a~f,A~F）被转换成一个十进制数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>逗号分割</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:134</name>
    <message>
        <source>字符码生成器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>多字节字符集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode字符集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>逗号分隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加前缀0x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生成</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:142</name>
    <message>
        <source>数码管显示码生成器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取反</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>常规码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自定义码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退 出</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:149</name>
    <message>
        <source>字符点阵码生成器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预览</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选项</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宽</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>区域</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提取灰度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>存储方式示意图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>位反序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生成</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:150</name>
    <message>
        <source>电容延时计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放电</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>充电</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R(Ω)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注:Ve,Vx1,Vx2为必填项 R,C,T中填2项可计算出另一项</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:153</name>
    <message>
        <source>电阻分压计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分压(任意三项必须填)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R1(Ω)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R2(Ω)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电阻查找</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查找</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分压电阻选型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查询</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:156</name>
    <message>
        <source>线性中间值计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:157</name>
    <message>
        <source>电阻并联计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx对应输入阻值为空表示高阻，未连接！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:159</name>
    <message>
        <source>阻容降压计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电容C(uF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电压Vo(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电流(mA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RL功率(W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:161</name>
    <message>
        <source>定时器延时计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>定时器位数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时钟频率(Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分频</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:162</name>
    <message>
        <source>串口文件下发器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>端口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>波特率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>包大小(字节)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>就绪</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>说明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:163</name>
    <message>
        <source>电阻功率计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电压(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电流(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电阻(Ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>功率(W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:164</name>
    <message>
        <source>线性电源计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入电压向上波动(%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入电压向下波动(%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>变压器标称电压(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最大负载电流(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:169</name>
    <message>
        <source>NTC阻值表生成器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25度标称阻值(Ω)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADC精度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分压电阻值(Ω)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分压上接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分压下接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生成选项</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16进制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10倍值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生成阻值表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生成AD值表</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:172</name>
    <message>
        <source>操作符两边互换器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作符:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切 换</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:173</name>
    <message>
        <source>标准IC卡MF1 IC S50卡存取码配置器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扇区存取码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Block3的6,7,8,9字节)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>手动输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>存取条件:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template:174</name>
    <message>
        <source>电加热计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>水加热</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>体积(L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起始温度(C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>结束温度(C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>做功(J)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>做功(KWh)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算做功</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电能</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电压(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电流(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电阻(Ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>功率(W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间(h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算功率</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
