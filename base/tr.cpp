#include "base/tr.h"

#include <atomic>
#include <mutex>
#include <set>

namespace base {

namespace {

std::atomic<Translator> g_translator{nullptr};

}  // namespace

void SetTranslator(Translator translator) {
  g_translator.store(translator);
}

const char* Tr(const char* context, const char* source) {
  const Translator translator = g_translator.load();
  if (translator == nullptr || source == nullptr || *source == '\0') return source;
  std::string translated = translator(context, source);
  if (translated.empty() || translated == source) return source;
  // Each distinct translation is kept once, so callers may hold on to the pointer.
  static std::mutex mutex;
  static std::set<std::string> kept;
  std::lock_guard<std::mutex> lock(mutex);
  return kept.insert(std::move(translated)).first->c_str();
}

}  // namespace base
