#include "tools/json_text.h"

#include <gtest/gtest.h>

namespace scenario::tools {
namespace {

using Json = nlohmann::ordered_json;

TEST(JsonText, BytesThatAreNotUtf8AreKeptAsEscapes) {
  const std::string nul_mark = std::string(1, '\0') + "0#";
  struct Case {
    const char* rule;
    Json document;
    std::string expected;
  } cases[] = {
      {"UTF-8 as it is", Json{{"file", "/tmp/città/a.txt"}}, R"({"file":"/tmp/città/a.txt"})"},
      {"a Windows-1252 letter", Json{{"file", "/tmp/citt\xE0/a.txt"}}, R"({"file":"/tmp/citt\udce0/a.txt"})"},
      {"a surrogate's bytes and a cut sequence", Json::array({"\xED\xA0\x80", "x\xC3"}),
       R"(["\udced\udca0\udc80","x\udcc3"])"},
      {"beside a string that holds what a stand-in would", Json::array({nul_mark, "\xFF", nul_mark}),
       R"(["\u00000#","\udcff","\u00000#"])"},
      {"escapes of JSON itself around", Json{{"a", Json::array({Json{{"b", "\"\\\n\xFF"}}})}},
       R"({"a":[{"b":"\"\\\n\udcff"}]})"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(json_text(c.document, -1), c.expected) << c.rule;
  }
  EXPECT_EQ(json_text(Json{{"a", "\xFF"}}, 2), "{\n  \"a\": \"\\udcff\"\n}");
}

}  // namespace
}  // namespace scenario::tools
