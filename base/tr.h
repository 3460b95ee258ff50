// The interface language seam. Texts are written in Chinese, the source language; a core asks
// for a text through Tr and gets it back in the interface language. Until a program installs
// a translator, Tr is the identity, so a core used alone speaks Chinese.
//
// Formats are translated before they are filled in:
//   base::Format(base::Tr("quorkit", "第%lld行出现不可解析的记录 "), line)
// The translation tools find the texts by the name Tr (and BASE_TR_NOOP for constants), so
// the context and the source must be string literals where a text is first written.
#pragma once

#include <string>

// Marks a constant for translation without translating it; Tr translates it where it is used.
#define BASE_TR_NOOP(context, source) source

namespace base {

// Returns `source` translated, or an empty string when there is no translation.
using Translator = std::string (*)(const char* context, const char* source);

// Installs `translator` (nullptr: the identity again). Not to be changed while other threads
// translate.
void SetTranslator(Translator translator);

// `source` in the interface language. The returned text lives as long as the program, so it
// can be kept or used as a format. Safe from any thread.
const char* Tr(const char* context, const char* source) __attribute__((format_arg(2)));

inline std::string Tr(const char* context, const std::string& source) {
  return Tr(context, source.c_str());
}

}  // namespace base
