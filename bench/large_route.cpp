#include "bench/large_route.h"

#include <algorithm>
#include <initializer_list>

namespace scenario::bench {
namespace {

constexpr int32_t kBlock = 2000;
constexpr int32_t kGradientEvery = 500;
constexpr int32_t kMountainEvery = 12'500;
constexpr int32_t kMountainLength = 5000;
constexpr int kMountainSlots = 80;
// Stations and signs share records 1..79: with 38 signs, 40 stations fit.
constexpr int kStations = 40;
constexpr int kSigns = 38;
constexpr int kStationBlocks = 12;  // a station in every 12th block
constexpr int kSignBlocks = 12;     // a sign in every 12th block, 6 after a station
constexpr int kSlowdownBlocks = 10;

// Appends a row: the keyword and its values, separated like the built-in
// descriptions, then CR LF.
class Rows {
 public:
  Rows& row(const std::string& keyword) {
    text_ += keyword;
    return *this;
  }
  Rows& value(int64_t v) {
    text_ += ",  ";
    text_ += std::to_string(v);
    return *this;
  }
  Rows& values(std::initializer_list<int64_t> vs) {
    for (const int64_t v : vs) value(v);
    return *this;
  }
  Rows& word(const std::string& w) {
    text_ += ",  ";
    text_ += w;
    return *this;
  }
  void end() { text_ += "\r\n"; }
  void line(const std::string& text) {
    text_ += text;
    end();
  }
  std::string take() { return std::move(text_); }

 private:
  std::string text_;
};

int blocks_of(int32_t length) { return length / kBlock; }

bool station_block(int b) { return b % kStationBlocks == 0 && b / kStationBlocks < kStations; }
bool sign_block(int b) { return b % kSignBlocks == 6 && b / kSignBlocks < kSigns; }
bool slowdown_block(int b) { return b % kSlowdownBlocks == 5; }

std::string line_description(int32_t length) {
  const int blocks = blocks_of(length);
  Rows r;
  r.line("[generale]");
  r.row("lunghezza percorso").value(length).end();
  r.row("progressiva chilometrica uno").values({0, 90000, 1}).end();
  r.row("progressiva chilometrica due").values({1500, -1500, 0}).end();
  r.row("progressiva chilometrica tre").values({0, 0, 0}).end();
  r.row("sfondo uno").value(1).end();
  r.row("sfondo due").value(0).end();
  r.row("sfondo tre").value(0).end();
  r.row("ripetizione segnali 4 codici").values({0, 0}).end();

  // Each pair of kilometres turns one way and back by the same class, so
  // the heading stays near its start.
  r.line("[curve]");
  for (int k = 0; k < 2 * blocks; ++k) {
    const std::string keyword = std::string("curva") + (k % 2 == 0 ? "s" : "d") + std::to_string(k / 2 % 6 + 1);
    r.row(keyword).values({int64_t{k} * 1000 + 100, 400}).end();
  }

  r.line("[pendenze]");
  for (int64_t p = 0, i = 0; p < length; p += kGradientEvery, ++i) {
    r.row("pendenza").values({p, i * 7 % 25 - 12}).end();
  }

  // Marked stretches (type above 10) of types 1 to 10, far enough apart to
  // keep their own types.
  r.line("[montagne]");
  for (int i = 0; i < kMountainSlots; ++i) {
    const int64_t start = kBlock + int64_t{i} * kMountainEvery;
    if (start + kMountainLength > length) break;
    r.row("montagna").values({start, start + kMountainLength, 11 + i % 10}).end();
  }

  r.line("[cartelli]");
  for (int b = 0; b < blocks; ++b) {
    const int64_t base = int64_t{b} * kBlock;
    r.row("indicatori_vmax").values({base + 300, 120, 130, 130, 0}).word("").word("").word("").value(0).end();
    r.row("indicatori_vmax").values({base + 1500, 125, 135, 135, 1, 60, 60, 60, 0}).end();
  }

  r.line("[indicazioni]");
  for (int b = 0; b < blocks; ++b) {
    if (!sign_block(b)) continue;
    const int64_t km = (int64_t{b} * kBlock + 1700) / 1000;
    r.row("cartello_indicatore").value(int64_t{b} * kBlock + 1700).word("(PL km)(" + std::to_string(km) + "+700)").end();
  }
  r.line("[fine]");
  r.line("riferimento fine del file");
  return r.take();
}

std::string train_description(int32_t length) {
  const int blocks = blocks_of(length);
  Rows r;
  r.line("[generale]");
  r.row("numero vetture").value(14).end();
  r.row("percentuale massa frenata").value(125).end();
  r.row("sabbia").value(300).end();
  r.line("orologio,    23              49            40 ");
  r.line("[aderenze]");
  r.row("aderenza").values({0, 90}).end();
  r.line("[vel_limite]");
  r.row("velocita").values({0, 80}).end();
  for (int b = 1; b < blocks; b += 5) r.row("velocita").values({int64_t{b} * kBlock, b % 2 == 0 ? 110 : 135}).end();

  // Categories 2 and 4 for the terminals, 22 (a halt that stops) between.
  r.line("[stazioni]");
  const int last_station = std::min(kStations, (blocks + kStationBlocks - 1) / kStationBlocks) - 1;
  for (int b = 0; b < blocks; ++b) {
    if (!station_block(b)) continue;
    const int n = b / kStationBlocks;
    const int category = n == 0 ? 2 : n == last_station ? 4 : 22;
    r.row("stazione").values({int64_t{b} * kBlock + 400, category, 400, 0, 0, 0, 4, 1, 0, 0, 1, 0, 2});
    r.values({n == 0 ? 23 : 0, n == 0 ? 50 : 0, 0}).word("POSTO " + std::to_string(n + 1)).end();
  }

  // Slow and fast slowdowns in turn: only the slow ones get markers inside.
  r.line("[rallentamenti]");
  for (int b = 0; b < blocks; ++b) {
    if (!slowdown_block(b)) continue;
    r.row("rallentamento").values({int64_t{b} * kBlock + 1200, b % 20 == 5 ? 60 : 120, 1500, 0, 1, 0}).end();
  }

  r.line("[segnali]");
  for (int b = 0; b < blocks; ++b) {
    const int64_t p = int64_t{b} * kBlock + 1000;
    if (b % 4 == 3) {
      r.row("segnale").values({p, 2, 2, 4, 0, 0, 0, 0, 0, 0, 210}).end();
    } else {
      r.row("segnale").values({p, 1, 4, 0, 0, 0, 0, 0, 0, 0, 0}).end();
    }
  }
  r.line("[codici]");
  r.line("[fine]");
  return r.take();
}

}  // namespace

RouteTexts large_route(int32_t length) { return {line_description(length), train_description(length)}; }

}  // namespace scenario::bench
