#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "document/class_registration.h"
#include "document/help_page_name.h"
#include "sim/class_list.h"

namespace wavora {
namespace {

namespace fs = std::filesystem;

const fs::path kHelpFolder = fs::path(WAVORA_SOURCE_DIR) / "assets" / "help";

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::set<std::string> Matches(const std::string& text, const std::regex& pattern) {
  std::set<std::string> found;
  for (auto match = std::sregex_iterator(text.begin(), text.end(), pattern); match != std::sregex_iterator();
       ++match)
    found.insert((*match)[1]);
  return found;
}

std::set<std::string> AnchorsOf(const fs::path& page) {
  static const std::regex anchor(R"re((?:name|id)="([^"]+)")re");
  return Matches(ReadText(page), anchor);
}

std::set<std::string> LinksOf(const fs::path& page) {
  static const std::regex link(R"re((?:href|src)="([^"]+)")re");
  return Matches(ReadText(page), link);
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
    for (const std::string& link : LinksOf(kHelpFolder / page)) {
      if (link.rfind("http://", 0) == 0 || link.rfind("https://", 0) == 0) continue;
      SCOPED_TRACE(page + " -> " + link);
      const size_t hash = link.find('#');
      const std::string file = hash == 0 ? page : link.substr(0, hash);
      if (!fs::is_regular_file(kHelpFolder / file)) {
        ADD_FAILURE() << "no such page";
        continue;
      }
      if (hash != std::string::npos) {
        EXPECT_TRUE(AnchorsOf(kHelpFolder / file).count(link.substr(hash + 1)));
      }
    }
  }
  std::set<std::string> reached;
  for (const std::string& link : LinksOf(kHelpFolder / "index.html"))
    reached.insert(link.substr(0, link.find('#')));
  pages.erase("index.html");
  for (const std::string& page : pages)
    EXPECT_TRUE(reached.count(page)) << page;
}

}  // namespace
}  // namespace wavora
