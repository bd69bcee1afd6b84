#include "tools/view/view_page.h"

#include <gtest/gtest.h>

namespace scenario::tools {
namespace {

using Json = nlohmann::ordered_json;

size_t count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(ViewPage, DataCannotCloseItsScriptElement) {
  const std::string name = "</script><img src=x onerror=alert(1)> & \"q\" 'a' <!-- ";
  const Json data = {{"title", name}, {"stations", {{{"name", name}}}}};
  const std::string json = script_safe_json(data);
  EXPECT_EQ(json.find('<'), std::string::npos) << json;
  EXPECT_EQ(json.find('>'), std::string::npos) << json;
  EXPECT_EQ(json.find('&'), std::string::npos) << json;
  EXPECT_EQ(Json::parse(json), data);
}

// The title goes into the markup escaped; a value holding a placeholder's
// text is never filled in again.
TEST(ViewPage, PlaceholdersAreFilledOnceAndTheTitleEscaped) {
  const Json data = {{"title", "@DATA@ @SCRIPT@ </title><b>"}};
  const std::string page = view_page(data);
  EXPECT_NE(page.find("<title>@DATA@ @SCRIPT@ &lt;/title&gt;&lt;b&gt;</title>"), std::string::npos);
  EXPECT_EQ(count(page, "<script"), 2u);
  EXPECT_EQ(count(page, "</script>"), 2u);
  EXPECT_EQ(count(page, "<title>"), 1u);
  EXPECT_EQ(count(page, "@STYLE@"), 0u);
  EXPECT_EQ(count(page, "@SCRIPT@"), 2u);  // the title's text and its copy in the data
  EXPECT_EQ(count(page, "@DATA@"), 2u);
  EXPECT_NE(page.find("JSON.parse(document.getElementById(\"route-data\").textContent)"), std::string::npos);
}

TEST(ViewPage, BytesThatAreNotUtf8StayAsEscapes) {
  const std::string json = script_safe_json(Json{{"title", std::string("A\xFF" "B")}});
  EXPECT_EQ(json, "{\"title\":\"A\\udcffB\"}");
}

}  // namespace
}  // namespace scenario::tools
