#include "app/history.h"

#include "app/version.h"
#include "base/tr.h"

namespace app {

namespace {

std::string Lookup(const char* key) {
  std::string value;
  ReadVersionString(key, value);
  return value;
}

}  // namespace

std::string VersionHistory() {
  static const char* const kLines[] = {
      // translated as they are joined
      BASE_TR_NOOP("quorkit", "V2.7.4(20241001):增加水加热计算器\r\n"),
      BASE_TR_NOOP("quorkit", "V2.7.3(20230521):增加M1卡存取码编辑器\r\n"),
      BASE_TR_NOOP("quorkit", "V2.7.2(20210805):增加分压电阻选型计算\r\n"),
      BASE_TR_NOOP("quorkit", "V2.7.1(20210708):增加操作符两边互换功能\r\n"),
      BASE_TR_NOOP("quorkit", "V2.7.0(20191025):修正进制字符转换功能HEX转DEC支持256以上值\r\n"),
      BASE_TR_NOOP("quorkit", "V2.6.9(20190606):字符码位反序功能，优化生成ASCII8X8点阵码\r\n"),
      BASE_TR_NOOP("quorkit", "V2.6.8(20180615):增加ntc阻值表生成器\r\n"),
      BASE_TR_NOOP("quorkit", "V2.6.7(20180610):点阵字库生成器功能完善\r\n"),
      BASE_TR_NOOP("quorkit", "V2.6.6(20170701):数码管显示码生成器增加自定义符号码生成功能\r\n"),
      BASE_TR_NOOP("quorkit", "V2.6.5(20160324):改进点阵字库生成器，增加ASCII库生成功能\r\n"),
      BASE_TR_NOOP("quorkit", "V2.6.4(20160318):改进点阵生成界面\r\n"),
      BASE_TR_NOOP("quorkit", "V2.6.3(20160228):增加线性电源计算器\r\n"),
      BASE_TR_NOOP("quorkit", "V2.6.2(20160228):增加电阻功率计算器\r\n"),
      BASE_TR_NOOP("quorkit", "V2.6.1(20160223):增加生成字体库文件\r\n"),
      BASE_TR_NOOP("quorkit", "V2.6.0(20150621):增加串口文件下发器\r\n"),
      BASE_TR_NOOP("quorkit", "V2.5.1(20150530):修正HEX文件转换转换器一处BUG\r\n"),
      BASE_TR_NOOP("quorkit", "V2.5.0(20150506):增加HEX文件转换BIN文件模块\r\n"),
      BASE_TR_NOOP("quorkit", "V2.4.0(20150427):增加固定电阻串并联查找功能并修复查找BUG\r\n"),
      BASE_TR_NOOP("quorkit", "V2.3.0(20140912):2014版"),
  };
  std::string history;
  for (const char* line : kLines) history += base::Tr("quorkit", line);
  return history;
}

std::string AboutVersionLine() {
  return Lookup("ProductName") + " " + Lookup("ProductVersion") + "(" + Lookup("FileVersion") + ")";
}

std::string MainCaption() {
  return Lookup("ProductName") + " " + Lookup("ProductVersion") + " - " + Lookup("CompanyName");
}

}  // namespace app
