// The language seam: the identity until a translator is installed.
#include "base/tr.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/format.h"

namespace {

std::string English(const char* context, const char* source) {
  if (std::strcmp(context, "quorkit") != 0) return "";
  if (std::strcmp(source, "第%lld行") == 0) return "line %lld";
  if (std::strcmp(source, "提示") == 0) return "Note";
  return "";
}

std::string Same(const char*, const char* source) {
  return source;
}

TEST(Tr, IdentityWithoutTranslator) {
  const char* source = "提示";
  EXPECT_EQ(base::Tr("quorkit", source), source);  // the very text, not a copy
  EXPECT_EQ(base::Tr("quorkit", std::string("提示")), "提示");
}

TEST(Tr, TranslatesThroughTheInstalledTranslator) {
  base::SetTranslator(English);
  EXPECT_STREQ(base::Tr("quorkit", "提示"), "Note");
  EXPECT_STREQ(base::Tr("other", "提示"), "提示");    // no translation in that context
  EXPECT_STREQ(base::Tr("quorkit", "未知"), "未知");  // none at all: the source
  EXPECT_EQ(base::Format(base::Tr("quorkit", "第%lld行"), 12LL), "line 12");
  // The same translation is kept once and stays where it is.
  EXPECT_EQ(base::Tr("quorkit", "提示"), base::Tr("quorkit", "提示"));
  EXPECT_STREQ(base::Tr("quorkit", ""), "");
  base::SetTranslator(Same);
  const char* source = "提示";
  EXPECT_EQ(base::Tr("quorkit", source), source);
  base::SetTranslator(nullptr);
  EXPECT_STREQ(base::Tr("quorkit", "提示"), "提示");
}

}  // namespace
