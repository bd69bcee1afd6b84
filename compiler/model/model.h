// The track model that the compiler builds and the compiled files carry:
// the 50-metre cells, the plan-view geometry, the 87 scenario records and the
// mountain stretch lists. Byte layouts in docs/formats.md.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace scenario {

// One 50 m cell. Members in file order; 0 means "nothing".
struct Cella {
  uint8_t oggetto = 0;  // point object code, see ObjectCode
  int16_t valore1 = 0;
  int16_t valore2 = 0;
  int16_t valore3 = 0;
  int16_t valore4 = 0;
  uint8_t tempo_segnale = 0;
  uint8_t preavviso = 0;  // approach code ahead of a signal or a station stop
  uint8_t montagna = 0;   // mountain stretch type
  uint8_t velocita = 0;   // speed limit in units of 5 km/h
  uint8_t pendenza = 0;   // gradient in per mille plus 100
  uint8_t dato_treno = 0; // adhesion
};

// The speed limit and the gradient a cell holds.
inline int speed_kmh(const Cella& c) { return c.velocita * 5; }
inline int gradient_permille(const Cella& c) { return c.pendenza - 100; }

// Codes of `Cella::oggetto`.
enum ObjectCode : uint8_t {
  kNothing = 0,
  kSignal = 1,
  kSlowdownEnd = 2,
  kSlowdownStart = 3,
  kSlowdownWarning = 4,
  kSlowdownApproach = 5,
  kSpeedIndicator = 6,
  kStationStop = 10,
  kMountainMarker = 11,
  kReductionPositive = 12,
  kReductionZero = 13,
  kDirectionSign = 14,
};

// Values the placements give and the read-back explains: a slowdown's
// warning board stands kWarningDistance metres before its start; the route
// walk plants markers (code 12) of speed kMarkerSpeed; the ordering adds
// kFlaggedProgressiveMetres to a progressive flagged 1.
inline constexpr int32_t kWarningDistance = 1200;
inline constexpr int16_t kMarkerSpeed = 180;
inline constexpr int32_t kFlaggedProgressiveMetres = 100;

// What an object code stands for, in Italian ("segnale", "inizio
// rallentamento", ...); empty for 0, "code N" for a code no placement
// writes.
std::string object_name(int code);

// Codes 0 and 11 count as free for every placement.
inline bool is_free(const Cella& c) { return c.oggetto == kNothing || c.oggetto == kMountainMarker; }

// One scenario record (stations from slot 1, sign texts from slot 80 down,
// progressives in 81..83, header values in 84..86). Members in file order.
struct Record {
  uint8_t tipo_punto = 0;
  int32_t inizio_zona = 0;
  int32_t fine_zona = 0;
  int32_t posizione_punto = 0;
  uint8_t dato_1 = 0;
  std::string nome_punto;  // single-byte text
  int16_t dato_4 = 0;
  int16_t dato_5 = 0;
  int16_t dato_7 = 0;
  int16_t dato_8 = 0;
  int16_t dato_9 = 0;
  uint8_t dato_6 = 0;
  uint8_t dato_10 = 0;
  uint8_t allungamento = 0;
  uint8_t dato_2 = 0;
  int32_t orario = 0;
};

inline constexpr int kRecordCount = 87;
inline constexpr int kFirstSignSlot = 80;         // sign texts fill the records from 80 downward
inline constexpr int kFirstProgressiveSlot = 81;  // the three progressives, 81..83
inline constexpr int kTrainDataSlot = 84;         // braked mass, route length, coaches
inline constexpr int kScenarioSlot = 85;          // backgrounds, scenario name, header stamps
inline constexpr int kTrainSlot = 86;             // repeated signals, train number, sand, clock
inline constexpr int kMountainSlots = 81;  // indices 0..80, stretches in 1..80
inline constexpr int32_t kMaxRouteLength = 1'000'000;
inline constexpr int32_t kModelExtension = 7000;  // the model runs 7000 m past the line's end
inline constexpr int32_t kCellMetres = 50;

// An element of the geometry: never assigned, a 16-bit integer (the two
// starting points) or a double (the integrated points). The file carries
// which one it is.
using GeometryElement = std::variant<std::monostate, int16_t, double>;

enum class ElementKind : uint8_t { kEmpty = 0, kInt16 = 1, kDouble = 2 };

// One axis of the plan-view geometry: a fixed number of elements, each empty
// until set. Held as one double per element (an int16 is exact in a double,
// an empty element holds 0) and two bits of kind, a little over 8 bytes an
// element: the geometry of the longest route is two million of them.
class GeometryAxis {
 public:
  GeometryAxis() = default;
  explicit GeometryAxis(size_t size) : value_(size), kind_((size + 3) / 4) {}

  size_t size() const { return value_.size(); }
  bool empty() const { return value_.empty(); }

  ElementKind kind(size_t i) const {
    return static_cast<ElementKind>((kind_[i / 4] >> (i % 4 * 2)) & 3);
  }
  // The number an element holds; 0 when it is empty.
  double value(size_t i) const { return value_[i]; }
  GeometryElement operator[](size_t i) const;

  void set(size_t i, int16_t v) { put(i, v, ElementKind::kInt16); }
  void set(size_t i, double v) { put(i, v, ElementKind::kDouble); }

 private:
  void put(size_t i, double v, ElementKind k) {
    value_[i] = v;
    const unsigned shift = i % 4 * 2;
    uint8_t& bits = kind_[i / 4];
    bits = static_cast<uint8_t>((bits & ~(3u << shift)) | (static_cast<unsigned>(k) << shift));
  }

  std::vector<double> value_;
  std::vector<uint8_t> kind_;  // four elements a byte, element i in bits 2(i % 4) and up
};

// Plan-view geometry, one point per metre 0..lunghezza_totale. Empty when no
// geometry is built.
struct Geometry {
  GeometryAxis x;
  GeometryAxis y;
  bool exists() const { return !x.empty(); }
};

struct TrackModel {
  std::vector<Cella> celle;  // indices 0..last_cell; empty before the route length is read
  Geometry geometry;
  std::array<Record, kRecordCount> record{};
  std::array<int32_t, kMountainSlots> mountain_starts{};
  std::array<int32_t, kMountainSlots> mountain_ends{};
  int32_t mountain_count = 0;
  int32_t next_sign_slot = kFirstSignSlot;  // next free record for a sign text
  int32_t lunghezza_totale = 0;
  int32_t last_cell = 0;
  int32_t indice_svolta = 0;  // index after the point where the heading first passed ~89 degrees
};

// Sizes the model for a route of `route_length` metres (0..1 000 000, checked
// by the caller): lunghezza_totale = L + 7000, last_cell =
// nearest-even(lunghezza_totale / 50), fresh zeroed cells and, when
// `with_geometry`, a fresh geometry array. Earlier content is discarded.
void create_model(TrackModel& m, int32_t route_length, bool with_geometry);

// How many cells hold the object `code`.
int count_objects(const TrackModel& m, ObjectCode code);

// Clears all 87 records: numbers 0, texts empty.
void clear_records(TrackModel& m);

}  // namespace scenario
