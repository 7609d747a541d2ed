// Reading the longest text an edit box holds (65,534 GBK bytes): the edit
// box read into the input buffer and one reading run into a grid, as every
// compute command begins.
#include <benchmark/benchmark.h>

#include <string>

#include "input_text.h"
#include "matrix_reader.h"
#include "recording_window.h"

namespace {

using namespace matcalc;

constexpr std::size_t kLongest = InputText::kMaxTextBytes;

// 20 x 20 elements, each a fraction of long numerator and denominator, rows
// ended by CR LF, up to the longest text.
std::string longDigits() {
  std::string element = "-" + std::string(80, '7') + "/" + std::string(79, '3');
  std::string text;
  for (int r = 1; r <= 20; ++r) {
    for (int c = 1; c <= 20; ++c) text += element + (c < 20 ? " " : "");
    if (r < 20) text += "\r\n";
  }
  text.resize(kLongest, '9');
  return text;
}

// A 20 x 1 matrix amid long runs of blanks and tabs, as a paste may leave it.
std::string blanks() {
  std::string text;
  for (int r = 1; r <= 20; ++r) {
    text += std::to_string(r);
    text.append(kLongest / 20 - 8, ' ');
    text += "\t\t";
    if (r < 20) text += "\r\n";
  }
  return text;
}

// A 2 x 2 matrix after a long note in Chinese (double-byte characters).
std::string chineseNote() {
  std::string text;
  while (text.size() + 2 < kLongest - 12) text += "\xBE\xD8\xD5\xF3";  // 矩阵
  return text + "\r\n1 2\r\n3 4";
}

void readLongest(benchmark::State& state, const std::string& text) {
  RecordingWindow dialog;
  dialog.setText(kMatrixBox, text);
  InputText input;
  FractionGrid grid;
  for (auto _ : state) {
    benchmark::DoNotOptimize(input.read(dialog, kMatrixBox));
    benchmark::DoNotOptimize(readMatrix(input.text(), grid));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_ReadLongest_Digits(benchmark::State& state) { readLongest(state, longDigits()); }
void BM_ReadLongest_Blanks(benchmark::State& state) { readLongest(state, blanks()); }
void BM_ReadLongest_Chinese(benchmark::State& state) { readLongest(state, chineseNote()); }
BENCHMARK(BM_ReadLongest_Digits)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadLongest_Blanks)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadLongest_Chinese)->Unit(benchmark::kMicrosecond);

}  // namespace
