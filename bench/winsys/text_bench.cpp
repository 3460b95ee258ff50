// Multi-line fields with very long lines: the wait between the program (or a paste) putting
// the text in and the field showing it, and the wait for one more typed character after.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <string>

#include "bench/BenchApplication.h"
#include "winsys/Dialog.h"
#include "winsys/DialogWindow.h"

namespace {

// A window with a wrapping read-only output field (1003) and one with an input field (1001).
constexpr int kOutputTemplate = 169, kOutputField = 1003;
constexpr int kInputTemplate = 142, kInputField = 1001;

std::string UnbrokenLine(size_t length) {
  std::string text;
  text.reserve(length);
  for (size_t i = 0; i < length; ++i) text.push_back(static_cast<char>('0' + i % 10));
  return text;
}

// Numbers and commas, no blanks, as the table generators write them.
std::string NumberList(size_t length) {
  std::string text;
  text.reserve(length + 16);
  for (int i = 0; text.size() < length; ++i) text += std::to_string(100000 + i) + ".25,";
  return text;
}

QPlainTextEdit* Field(winsys::Dialog& dialog, int id) {
  return static_cast<QPlainTextEdit*>(dialog.Window()->Control(id));
}

// Setting the text and showing it, as the field's first paint after a handler returns.
void Set(benchmark::State& state, int template_id, int id, std::string (*make)(size_t)) {
  EnsureApplication();
  winsys::Dialog dialog(template_id);
  dialog.Create(nullptr);
  dialog.ShowWindow();
  const std::string text = make(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    dialog.SetText(id, text);
    Field(dialog, id)->viewport()->grab();
    state.PauseTiming();
    dialog.SetText(id, "");
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_SetUnbrokenOutput(benchmark::State& state) {
  Set(state, kOutputTemplate, kOutputField, UnbrokenLine);
}
BENCHMARK(BM_SetUnbrokenOutput)
    ->Arg(160000)
    ->Arg(640000)
    ->Arg(1 << 20)
    ->Arg(3 << 20)
    ->Unit(benchmark::kMillisecond);

void BM_SetNumberListOutput(benchmark::State& state) {
  Set(state, kOutputTemplate, kOutputField, NumberList);
}
BENCHMARK(BM_SetNumberListOutput)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_SetUnbrokenInput(benchmark::State& state) {
  Set(state, kInputTemplate, kInputField, UnbrokenLine);
}
BENCHMARK(BM_SetUnbrokenInput)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

// A paste of one unbroken megabyte into an input field, then one typed character.
void BM_PasteThenType(benchmark::State& state) {
  EnsureApplication();
  winsys::Dialog dialog(kInputTemplate);
  dialog.Create(nullptr);
  dialog.ShowWindow();
  QPlainTextEdit* field = Field(dialog, kInputField);
  const QString text = QString::fromStdString(UnbrokenLine(1 << 20));
  const bool type = state.range(0) != 0;
  for (auto _ : state) {
    state.PauseTiming();
    dialog.SetText(kInputField, "");
    QApplication::processEvents();
    if (type) {
      field->insertPlainText(text);
      field->viewport()->grab();
    }
    state.ResumeTiming();
    field->insertPlainText(type ? QStringLiteral("1") : text);
    field->viewport()->grab();
  }
}
BENCHMARK(BM_PasteThenType)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
