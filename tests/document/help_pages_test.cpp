#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string_view>

#include "document/class_registration.h"
#include "document/help_page_name.h"
#include "model/file_text.h"
#include "sim/class_list.h"

namespace wavora {
namespace {

namespace fs = std::filesystem;

// The pages as the program shows them, with the header the build adds.
const fs::path kHelpFolder = WAVORA_HELP_DIR;

// The values of the named attributes in a page, as written: name="value".
std::set<std::string> AttributeValues(const fs::path& page, std::initializer_list<std::string_view> names) {
  const std::string text = ReadFileText(page.string());
  std::set<std::string> values;
  for (const std::string_view name : names) {
    const std::string opening = " " + std::string(name) + "=\"";
    for (size_t at = text.find(opening); at != std::string::npos; at = text.find(opening, at + 1)) {
      const size_t begin = at + opening.size();
      values.insert(text.substr(begin, text.find('"', begin) - begin));
    }
  }
  return values;
}

std::set<std::string> AnchorsOf(const fs::path& page) {
  return AttributeValues(page, {"name", "id"});
}

TEST(HelpPages, EveryOfferedClassHasAPageWithAPanelSection) {
  RegisterClasses();
  for (TClassList* list : {&MediumClasses(), &ExciterClasses(), &ToolClasses()}) {
    for (int i = 0; i < list->Count(); ++i) {
      const fs::path page = kHelpFolder / HelpPageOf(*list->Class(i));
      SCOPED_TRACE(page.string());
      ASSERT_TRUE(fs::is_regular_file(page));
      EXPECT_TRUE(AnchorsOf(page).count(std::string(kHelpPanelSection)));
    }
  }
}

// Links to other pages, their sections and pictures resolve; web addresses are left to the browser. The
// getting-started page links every other page, so none is out of reach.
TEST(HelpPages, EveryLinkResolvesAndTheIndexReachesEveryPage) {
  std::set<std::string> pages;
  for (const fs::directory_entry& entry : fs::directory_iterator(kHelpFolder)) {
    if (entry.path().extension() == ".html") pages.insert(entry.path().filename().string());
  }
  ASSERT_TRUE(pages.count("index.html"));
  for (const std::string& page : pages) {
    for (const std::string& link : AttributeValues(kHelpFolder / page, {"href", "src"})) {
      if (link.rfind("http://", 0) == 0 || link.rfind("https://", 0) == 0) continue;
      SCOPED_TRACE(page + " -> " + link);
      const size_t hash = link.find('#');
      const std::string file = hash == 0 ? page : link.substr(0, hash);
      EXPECT_TRUE(fs::is_regular_file(kHelpFolder / file)) << "no such page";
      if (hash != std::string::npos && fs::is_regular_file(kHelpFolder / file)) {
        EXPECT_TRUE(AnchorsOf(kHelpFolder / file).count(link.substr(hash + 1)));
      }
    }
  }
  std::set<std::string> reached;
  for (const std::string& link : AttributeValues(kHelpFolder / "index.html", {"href", "src"}))
    reached.insert(link.substr(0, link.find('#')));
  pages.erase("index.html");
  for (const std::string& page : pages)
    EXPECT_TRUE(reached.count(page)) << page;
}

}  // namespace
}  // namespace wavora
