#include "readback/line_kilometre.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "compiler/model/numbers.h"
#include "test_support/files.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;

DecodedRecords with_progressives(std::initializer_list<std::array<int32_t, 3>> rows) {
  DecodedRecords d;
  size_t slot = 81;
  for (const auto& [from, value, flag] : rows) {
    d.record[slot].inizio_zona = from;
    d.record[slot].fine_zona = value;
    d.record[slot].posizione_punto = flag;
    ++slot;
  }
  return d;
}

// The built-in line: km 90.100 at the start, km 0 from 1500 m on, so that
// km 90.3 is met twice.
TEST(LineKilometre, BuiltinProgressivesRestartTheCount) {
  const auto stretches = kilometre_stretches(with_progressives({{1500, -1500, 0}, {0, 90100, 1}, {0, 0, 0}}));
  ASSERT_EQ(stretches.size(), 2u);
  EXPECT_EQ(stretches[0], (KilometreStretch{0, 1500, 90100}));
  EXPECT_EQ(stretches[1], (KilometreStretch{1500, std::nullopt, -1500}));
  const struct {
    int64_t route, line;
  } cases[] = {{0, 90100}, {200, 90300}, {1499, 91599}, {1500, 0}, {91800, 90300}, {102250, 100750}};
  for (const auto& c : cases) EXPECT_EQ(line_metre(stretches, c.route), c.line) << c.route;

  // The way back: km 90.3 is passed at 200 m and again at 91 800 m; km
  // 91.0 only once, since the count restarts at 1500 m (km 91.6).
  EXPECT_EQ(route_metres_at(stretches, 90300, 103000), (std::vector<int64_t>{200, 91800}));
  EXPECT_EQ(route_metres_at(stretches, 91000, 103000), (std::vector<int64_t>{900, 92500}));
  EXPECT_EQ(route_metres_at(stretches, 91599, 103000), (std::vector<int64_t>{1499, 93099}));
  EXPECT_EQ(route_metres_at(stretches, 91600, 103000), (std::vector<int64_t>{93100}));
  // Only on the route: not before its start, not past the last metre given.
  EXPECT_EQ(route_metres_at(stretches, 90000, 103000), (std::vector<int64_t>{91500}));
  EXPECT_EQ(route_metres_at(stretches, 101600, 103000), (std::vector<int64_t>{}));
}

TEST(LineKilometre, NoLineKilometreBeforeTheFirstProgressiveOrWithoutAny) {
  EXPECT_TRUE(kilometre_stretches(DecodedRecords{}).empty());
  EXPECT_EQ(line_metre({}, 100), std::nullopt);

  const auto late = kilometre_stretches(with_progressives({{0, 0, 0}, {2000, 50000, 0}}));
  ASSERT_EQ(late.size(), 1u);
  EXPECT_EQ(line_metre(late, 1999), std::nullopt);
  EXPECT_EQ(line_metre(late, 2000), 52000);
}

// A progressive at position 0 with value 0 but its flag set is present; two
// at one position keep the first record's value.
TEST(LineKilometre, PresenceAndTies) {
  const auto flag_only = kilometre_stretches(with_progressives({{0, 0, 1}}));
  ASSERT_EQ(flag_only.size(), 1u);
  EXPECT_EQ(line_metre(flag_only, 700), 700);

  const auto tie = kilometre_stretches(with_progressives({{3000, 10000, 0}, {3000, 20000, 0}, {1000, 0, 0}}));
  ASSERT_EQ(tie.size(), 2u);
  EXPECT_EQ(line_metre(tie, 3000), 13000);
  EXPECT_EQ(line_metre(tie, 2999), 2999);
}

// The table the route page's tests read too (tools/view/rules/*.test.js), so
// that the page and `scenario inspect` follow the same rules.
const nlohmann::json& shared_cases() {
  static const nlohmann::json cases =
      nlohmann::json::parse(testing::read_file(fs::path(TESTDATA_DIR) / "kilometres" / "cases.json"));
  return cases;
}

std::vector<KilometreStretch> stretches_of(const nlohmann::json& route) {
  std::vector<KilometreStretch> stretches;
  for (const auto& s : route.at("stretches")) {
    const auto& to = s.at("to");
    stretches.push_back({s.at("from"), to.is_null() ? std::nullopt : std::optional<int64_t>(to), s.at("offset")});
  }
  return stretches;
}

std::optional<int64_t> optional_metre(const nlohmann::json& value) {
  return value.is_null() ? std::nullopt : std::optional<int64_t>(value.get<int64_t>());
}

TEST(KilometreCases, LineAndRouteMetres) {
  for (const auto& route : shared_cases().at("routes")) {
    const auto stretches = stretches_of(route);
    const int64_t last = route.at("last_route_metre");
    for (const auto& c : route.at("line_metres")) {
      EXPECT_EQ(line_metre(stretches, c[0]), optional_metre(c[1])) << route.at("about") << ", route metre " << c[0];
    }
    for (const auto& c : route.at("route_metres")) {
      EXPECT_EQ(route_metres_at(stretches, c[0], last), c[1].get<std::vector<int64_t>>())
          << route.at("about") << ", line metre " << c[0];
    }
  }
}

// Every text written reads back as its metre; then the forms that --at and
// the page's search take and refuse.
TEST(KilometreCases, TextsAndForms) {
  for (const auto& c : shared_cases().at("texts")) {
    EXPECT_EQ(line_km_text(c[0]), c[1].get<std::string>());
    EXPECT_EQ(parse_line_km(c[1].get<std::string>()), c[0].get<int64_t>()) << c[1];
  }
  for (const auto& c : shared_cases().at("kilometres")) {
    EXPECT_EQ(parse_line_km(c[0].get<std::string>()), optional_metre(c[1])) << c[0];
  }
}

TEST(KilometreCases, ObjectCells) {
  for (const auto& c : shared_cases().at("object_cells")) EXPECT_EQ(cell_of_object(c[0]), c[1].get<int64_t>()) << c[0];
  for (const auto& c : shared_cases().at("object_metres")) EXPECT_EQ(object_metre(c[0]), c[1].get<int64_t>()) << c[0];
}

}  // namespace
}  // namespace scenario
