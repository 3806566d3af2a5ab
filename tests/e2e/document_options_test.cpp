// The document options as a PDF reader finds them: page mode and layout, viewer preferences,
// the outline and the permissions of an encrypted file, each read back by qpdf from the file
// that the built executable wrote for the command.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/process.h"
#include "support/test_run.h"

namespace corvane {
namespace {

// The object, or the trailer, as qpdf shows it in PDF syntax ("<< /Root 1 0 R ... >>"), its
// strings decrypted with the password.
std::string ShowObject(const std::string& pdf, const std::string& object, const std::string& password) {
  const auto r = testing::RunProcess("/usr/bin/qpdf", {"--show-object=" + object, "--password=" + password, pdf});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  return r.out;
}

// The value of the key in a dictionary shown by qpdf: a nested dictionary, a string, a name, a
// reference such as "6 0 R" (given back as "6") or a number; "" when the key is missing.
std::string Value(const std::string& dictionary, const std::string& key) {
  std::size_t at = dictionary.find("/" + key + " ");
  if (at == std::string::npos) return "";
  at += key.size() + 2;
  const char open = dictionary[at];
  if (open == '<' || open == '(') {
    const std::string close = open == '<' ? ">>" : ")";
    return dictionary.substr(at, dictionary.find(close, at) + close.size() - at);
  }
  return dictionary.substr(at, dictionary.find(' ', at) - at);
}

// What the file says about the options, as "PageMode /UseThumbs; P 4", parts left out when the
// file has no such entry. The outline is "outline (root title) open|closed > (entry title)".
std::string DocumentOptions(const std::string& pdf, const std::string& password) {
  const std::string trailer = ShowObject(pdf, "trailer", password);
  const std::string catalog = ShowObject(pdf, Value(trailer, "Root"), password);
  std::vector<std::string> parts;
  for (const char* key : {"PageMode", "PageLayout", "ViewerPreferences"}) {
    if (const std::string value = Value(catalog, key); !value.empty()) parts.push_back(key + (" " + value));
  }
  if (const std::string outlines = Value(catalog, "Outlines"); !outlines.empty()) {
    const std::string root = ShowObject(pdf, Value(ShowObject(pdf, outlines, password), "First"), password);
    const std::string entry = ShowObject(pdf, Value(root, "First"), password);
    const bool open = std::stoi(Value(root, "Count")) > 0;
    parts.push_back("outline " + Value(root, "Title") + (open ? " open > " : " closed > ") + Value(entry, "Title"));
  }
  if (const std::string encrypt = Value(trailer, "Encrypt"); !encrypt.empty()) {
    parts.push_back("P " + Value(ShowObject(pdf, encrypt, password), "P"));
  }
  std::string description;
  for (const std::string& part : parts) description += (description.empty() ? "" : "; ") + part;
  return description;
}

TEST(DocumentOptionsTest, EachCommandReachesTheFile) {
  struct Case { const char* commands; const char* options; } cases[] = {
      {"", ""},
      {"-PageModeUseNone -PageLayoutSinglePage", ""},
      {"-PageModeOutlines", "PageMode /UseOutlines"},
      {"-PageModeUseThumbs", "PageMode /UseThumbs"},
      {"-PageModeFullScreen", "PageMode /FullScreen"},
      {"-PageLayoutOneColumn", "PageLayout /OneColumn"},
      {"-PageLayoutTwoColumnLeft", "PageLayout /TwoColumnLeft"},
      {"-PageLayoutTwoColumnRight", "PageLayout /TwoColumnRight"},
      {"-HideToolbar", "ViewerPreferences << /HideToolbar true >>"},
      {"-HideMenubar", "ViewerPreferences << /HideMenubar true >>"},
      {"-HideWindowUI", "ViewerPreferences << /HideWindowUI true >>"},
      {"-FitWindow", "ViewerPreferences << /FitWindow true >>"},
      {"-CenterWindow", "ViewerPreferences << /CenterWindow true >>"},
      {"-Outline", "PageMode /UseOutlines; outline (OutlineRoot) open > (Sales)"},
      // The outline's page mode wins over any other.
      {"-PageModeFullScreen -Outline -OutlineTitle Umsatz", "PageMode /UseOutlines; outline (Umsatz) open > (Sales)"},
      {"-Print -Copy", ""},  // without a password nothing is encrypted
      {"-UserPassword u", "P -64"},
      {"-UserPassword u -Print", "P -60"},
      {"-UserPassword u -EditExtra", "P -56"},
      {"-UserPassword u -Copy", "P -48"},
      {"-OwnerPassword u -Edit", "P -32"},
  };
  for (const Case& c : cases) {
    testing::TempDir dir;
    const auto r = testing::RunCorvane(
        testing::Words("-Chart Pie 2D -Datum A 1 -Title Sales -Output doc " + std::string(c.commands)), dir.path());
    ASSERT_EQ(r.exitCode, 0) << c.commands << "\n" << r.out;
    EXPECT_EQ(DocumentOptions(dir.File("doc.pdf"), "u"), c.options) << c.commands;
  }
}

}  // namespace
}  // namespace corvane
