// The mutator of the targets that read descriptions. A byte flip mostly
// breaks a row's keyword or splits a number, and the readers stop at the
// first row they cannot place; half of the time this mutator works on whole
// lines instead: it copies, moves or drops a row, writes a fresh row from
// the readers' keyword tables, or puts a boundary number into a field. The
// other half is libFuzzer's own mutation, dictionary included.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/description_words.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t max_size);

namespace {

using Random = std::minstd_rand;

const std::vector<std::string_view>& keywords() {
  static const std::vector<std::string_view> words = scenario::fuzz::description_words();
  return words;
}

template <class T>
const T& pick(Random& random, const std::vector<T>& items) {
  return items[std::uniform_int_distribution<size_t>(0, items.size() - 1)(random)];
}

size_t below(Random& random, size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); }

std::string_view number(Random& random) {
  return scenario::fuzz::kFieldNumbers[below(random, std::size(scenario::fuzz::kFieldNumbers))];
}

// The lines of `text`, each with its own line break.
std::vector<std::string> lines_of(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const size_t length = end == std::string_view::npos ? text.size() : end + 1;
    lines.emplace_back(text.substr(0, length));
    text.remove_prefix(length);
  }
  return lines;
}

std::string fresh_row(Random& random) {
  std::string row(pick(random, keywords()));
  const size_t fields = below(random, 5);
  for (size_t i = 0; i < fields; ++i) {
    row += ", ";
    row += number(random);
  }
  return row + "\r\n";
}

// One of the fields after the first comma of `line` becomes a boundary number.
void replace_number(Random& random, std::string& line) {
  std::vector<size_t> commas;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == ',') commas.push_back(i);
  }
  if (commas.empty()) return;
  const size_t start = pick(random, commas) + 1;
  size_t end = line.find_first_of(",\r\n", start);
  if (end == std::string::npos) end = line.size();
  line.replace(start, end - start, " " + std::string(number(random)));
}

std::string mutate_rows(Random& random, std::string_view text) {
  std::vector<std::string> lines = lines_of(text);
  const size_t at = lines.empty() ? 0 : below(random, lines.size());
  switch (lines.empty() ? 0 : below(random, 5)) {
    case 0:
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), fresh_row(random));
      break;
    case 1:
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(below(random, lines.size() + 1)), lines[at]);
      break;
    case 2:
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
      break;
    case 3:
      std::swap(lines[at], lines[below(random, lines.size())]);
      break;
    default:
      replace_number(random, lines[at]);
      break;
  }
  std::string out;
  for (const std::string& line : lines) out += line;
  return out;
}

}  // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t max_size, unsigned int seed) {
  Random random(seed);
  if (below(random, 2) == 0) return LLVMFuzzerMutate(data, size, max_size);
  const std::string mutated = mutate_rows(random, std::string_view(reinterpret_cast<const char*>(data), size));
  if (mutated.size() > max_size || mutated == std::string_view(reinterpret_cast<const char*>(data), size)) {
    return LLVMFuzzerMutate(data, size, max_size);
  }
  std::memcpy(data, mutated.data(), mutated.size());
  return mutated.size();
}
