#include "settings/store_text_format.h"

#include <gtest/gtest.h>

#include "settings/settings_errors.h"

namespace vok {
namespace {

StoreKey storeWith(const std::string& path, const std::string& name, StoredValue value) {
  StoreKey root;
  applyChanges(root, {StoreChange::setValue(splitKeyPath(path), name, std::move(value))});
  return root;
}

TEST(StoreTextFormat, EveryByteStringRoundTrips) {
  std::string allBytes;
  for (int byte = 0; byte < 256; ++byte) allBytes += static_cast<char>(byte);
  const std::vector<std::string> texts = {
      "",
      "line1\r\nline2\r\nline3",
      "BORDER=\"1\" CELLSPACING=\"0\"",
      "C:\\pictures\\",
      std::string("nul\0inside", 10),
      "\xe5\x86\x99\xe7\x9c\x9f",      // UTF-8 stays readable
      "\xff\xfe\x80 broken \xe5\x86",  // bytes that are not UTF-8 are escaped
      "\xed\xa0\x80",                  // an encoded surrogate is not UTF-8 either
      " leading and trailing blanks ",
      allBytes,
  };
  for (const auto& text : texts) {
    const StoreKey root =
        storeWith("\\software\\Tessaly_Vok\\formHTML", "HEADBlock", StoredValue::ofText(text));
    const std::string file = formatStoreText(root);
    EXPECT_EQ(parseStoreText(file), root) << file;
  }
}

TEST(StoreTextFormat, FileIsReadableText) {
  StoreKey root;
  applyChanges(root, {StoreChange::createKey({"software", "Empty"}),
                      StoreChange::setValue({"software", "Tessaly_Vok", "formMain"}, "Preamble",
                                            StoredValue::ofText("_")),
                      StoreChange::setValue({"software", "Tessaly_Vok", "formMain"}, "odd name",
                                            StoredValue::ofText("a\r\n\"b\"\\\xe5\x86\x99\x01")),
                      StoreChange::setValue({"software", "Tessaly_Vok", "formMain"}, "Count",
                                            StoredValue::ofDword(42))});
  const std::string file = formatStoreText(root);
  EXPECT_NE(file.find("\n[\\software\\Empty]\n"), std::string::npos) << file;
  EXPECT_NE(file.find("\n[\\software\\Tessaly_Vok\\formMain]\n"), std::string::npos) << file;
  EXPECT_NE(file.find("\nPreamble = \"_\"\n"), std::string::npos) << file;
  EXPECT_NE(file.find("\nCount = dword:0000002a\n"), std::string::npos) << file;
  EXPECT_NE(file.find("\n\"odd name\" = \"a\\r\\n\\\"b\\\"\\\\\xe5\x86\x99\\x01\"\n"),
            std::string::npos)
      << file;
  // Keys that only hold subkeys are implied, not written.
  EXPECT_EQ(file.find("[\\software]"), std::string::npos) << file;
  EXPECT_EQ(parseStoreText(file), root);
}

TEST(StoreTextFormat, ReadsWhatAPersonMightWrite) {
  const StoreKey root = parseStoreText(
      "# comment\r\n"
      "  [\\SOFTWARE\\tessaly_vok\\formMain]  \r\n"
      "\tThumbX=\"120\"\r\n"
      "Big = dword:FFFFFFFF   \n"
      "\n"
      "[\\software\\Tessaly_Vok\\FORMMAIN]\n"
      "thumby = \"90\"\n");
  ASSERT_EQ(root.subkeys.size(), 1u);
  EXPECT_EQ(root.subkeys.begin()->first, "SOFTWARE");  // spelling as first written
  const StoreKey* main = root.find(splitKeyPath("\\software\\Tessaly_Vok\\formmain"));
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->values.at("THUMBX"), StoredValue::ofText("120"));
  EXPECT_EQ(main->values.at("ThumbY"), StoredValue::ofText("90"));
}

TEST(StoreTextFormat, DamageIsReportedWithItsLine) {
  const std::vector<std::pair<std::string, std::size_t>> damaged = {
      {"Title = \"x\"\n", 1},                        // value before any section
      {"[\\a]\nTitle = \"x\n", 2},                   // no closing quote
      {"[\\a]\n\nTitle = \"x\\q\"\n", 3},            // unknown escape
      {"[\\a]\nTitle = \"\\x4\"\n", 2},              // short \x
      {"[\\a]\nTitle = x\n", 2},                     // not a quoted text
      {"[\\a]\nTitle \"x\"\n", 2},                   // no '='
      {"[\\a]\nTitle = \"x\" y\n", 2},               // text after the value
      {"[\\a]\nN = dword:123456789\n", 2},           // too many digits
      {"[\\a]\nN = dword:\n", 2},                    // no digits
      {"[\\a\nN = \"1\"\n", 1},                      // section without ']'
      {"[\\a] x\n", 1},                              // text after ']'
      {"[\\a]\nTitle = \"1\"\ntitle = \"2\"\n", 3},  // the same value twice
      {"[\\a]\n= \"1\"\n", 2},                       // no name
      {std::string("[\\a\x01]\n", 6), 1},            // control character in a key name
  };
  for (const auto& [text, line] : damaged) {
    try {
      parseStoreText(text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const StoreFormatError& error) {
      EXPECT_EQ(error.line(), line) << text << " -> " << error.what();
      EXPECT_EQ(std::string(error.what()).rfind("line " + std::to_string(line) + ": ", 0), 0u);
    }
  }
}

TEST(StoreTree, NamesIgnoreCaseAndKeepTheFirstSpelling) {
  StoreKey root;
  applyChanges(
      root, {StoreChange::setValue({"software", "Tessaly_Vok"}, "Left", StoredValue::ofText("1")),
             StoreChange::setValue({"Software", "TESSALY_VOK"}, "LEFT", StoredValue::ofText("2"))});
  ASSERT_EQ(root.subkeys.size(), 1u);
  const auto& key = root.subkeys.at("SOFTWARE").subkeys.at("tessaly_vok");
  ASSERT_EQ(key.values.size(), 1u);
  EXPECT_EQ(key.values.begin()->first, "Left");
  EXPECT_EQ(key.values.begin()->second.text, "2");

  EXPECT_TRUE(root.erase({"SOFTWARE", "tessaly_VOK"}));
  EXPECT_FALSE(root.erase({"SOFTWARE", "tessaly_VOK"}));
  EXPECT_NE(root.find({"software"}), nullptr);
}

TEST(StoreTree, RefusesKeyNamesTheFileCannotHold) {
  StoreKey root;
  EXPECT_THROW(root.create({"a", "b\nc"}), SettingsStoreError);
  EXPECT_TRUE(isValidKeyName("a]b [c] \xe5\x86\x99"));
  EXPECT_FALSE(isValidKeyName(""));
  EXPECT_FALSE(isValidKeyName("a\\b"));
}

TEST(KeyPath, SplitsAndJoins) {
  EXPECT_EQ(splitKeyPath("\\software\\Tessaly_Vok\\"),
            (std::vector<std::string>{"software", "Tessaly_Vok"}));
  EXPECT_EQ(splitKeyPath("\\"), std::vector<std::string>{});
  EXPECT_EQ(joinKeyPath({"a", "b"}), "\\a\\b");
  EXPECT_EQ(subkeyPath(SettingsKeyPath, "formMain"), "\\software\\Tessaly_Vok\\formMain");
  EXPECT_TRUE(sameName("formHTML", "FORMhtml"));
  EXPECT_FALSE(sameName("formHTML", "formHTM"));
}

}  // namespace
}  // namespace vok
