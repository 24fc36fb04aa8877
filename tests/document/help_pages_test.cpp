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

// Whether a link in the page leads to a page, and to a section of it that exists.
bool Resolves(const std::string& page, const std::string& link) {
  const size_t hash = link.find('#');
  const fs::path file = kHelpFolder / (hash == 0 ? page : link.substr(0, hash));
  return fs::is_regular_file(file) &&
         (hash == std::string::npos || AttributeValues(file, {"name", "id"}).contains(link.substr(hash + 1)));
}

// Every offered class has a page with a panel section; links to pages, their sections and pictures
// resolve (web addresses are left to the browser); the getting-started page links every other page,
// so none is out of reach.
TEST(HelpPages, EveryClassHasAPanelSectionEveryLinkResolvesAndTheIndexReachesEveryPage) {
  RegisterClasses();
  for (TClassList* list : {&MediumClasses(), &ExciterClasses(), &ToolClasses()}) {
    for (int i = 0; i < list->Count(); ++i) {
      const std::string link = HelpPageOf(*list->Class(i)) + "#" + std::string(kHelpPanelSection);
      EXPECT_TRUE(Resolves("", link)) << link;
    }
  }
  std::set<std::string> pages;
  for (const fs::directory_entry& entry : fs::directory_iterator(kHelpFolder)) {
    if (entry.path().extension() == ".html") pages.insert(entry.path().filename().string());
  }
  for (const std::string& page : pages) {
    for (const std::string& link : AttributeValues(kHelpFolder / page, {"href", "src"})) {
      if (!link.starts_with("http://") && !link.starts_with("https://")) {
        EXPECT_TRUE(Resolves(page, link)) << page << " -> " << link;
      }
    }
  }
  for (const std::string& link : AttributeValues(kHelpFolder / "index.html", {"href", "src"}))
    pages.erase(link.substr(0, link.find('#')));
  pages.erase("index.html");
  EXPECT_EQ(pages, std::set<std::string>{}) << "pages the index does not link";
}

}  // namespace
}  // namespace wavora
