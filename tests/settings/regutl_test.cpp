#include "settings/regutl.h"

#include <gtest/gtest.h>

#include "fake_windows.h"
#include "settings/delete_registry.h"
#include "settings/key_path.h"
#include "settings/settings_access.h"
#include "settings/settings_errors.h"
#include "support/files.h"
#include "support/throws.h"

namespace vok {
namespace {

using test::writeText;

void storeText(const std::string& path, const std::string& text) {
  writeText(path, "[\\software\\Tessaly_Vok\\formMain]\n" + text);
}

TEST(SettingsAccessEncodings, IntegersAndFlagsFollowTheWholeNumberRule) {
  test::StoreInTempDir s;
  storeText(s.path(),
            "Zero = \"0\"\nTwo = \"2\"\nWord = \"yes\"\nEmpty = \"\"\nHex = \"$1F\"\n"
            "Neg = \" -8\"\nTrailing = \"12 \"\n");
  const SettingsAccess access(s.store, SettingsKeyPath);
  EXPECT_FALSE(access.readFlag("formMain", "Zero", true));
  EXPECT_TRUE(access.readFlag("formMain", "Two", false));
  EXPECT_TRUE(access.readFlag("formMain", "Word", true));  // not a number: the default
  EXPECT_FALSE(access.readFlag("formMain", "Word", false));
  EXPECT_TRUE(access.readFlag("formMain", "Absent", true));
  EXPECT_EQ(access.readInteger("formMain", "Empty", 200), 200);
  EXPECT_EQ(access.readInteger("formMain", "Hex", 0), 31);
  EXPECT_EQ(access.readInteger("formMain", "Neg", 0), -8);
  EXPECT_EQ(access.readInteger("formMain", "Trailing", 7), 7);
  EXPECT_EQ(access.readText("formMain", "Trailing", ""), "12 ");
  EXPECT_EQ(access.readText("noSection", "Title", "fallback"), "fallback");
  EXPECT_EQ(access.readText("FORMMAIN", "two", ""), "2");  // names ignore case
}

TEST(SettingsAccessEncodings, WritesEverythingAsText) {
  test::StoreInTempDir s;
  SettingsAccess access(s.store, SettingsKeyPath);
  access.writeInteger("formMain", "IgnoreX", -8);
  access.writeFlag("formMain", "AutoDir", true);
  access.writeFlag("formMain", "Warning", false);
  access.close();
  const auto value = [&](const char* name) {
    return s.store.value("\\software\\Tessaly_Vok\\formMain", name);
  };
  EXPECT_EQ(value("IgnoreX"), StoredValue::ofText("-8"));
  EXPECT_EQ(value("AutoDir"), StoredValue::ofText("1"));
  EXPECT_EQ(value("Warning"), StoredValue::ofText("0"));
}

TEST(SettingsAccessEncodings, ValueOfAnotherTypeFailsNamingIt) {
  test::StoreInTempDir s;
  storeText(s.path(), "ThumbX = dword:000000c8\n");
  const SettingsAccess access(s.store, SettingsKeyPath);
  EXPECT_EQ(test::errorMessageOf<SettingsValueTypeError>(
                [&] { access.readInteger("formMain", "thumbx", 200); }),
            "Invalid data type for 'thumbx'");
  EXPECT_THROW(access.readFlag("formMain", "ThumbX", true), SettingsValueTypeError);
}

TEST(FormPosition, LoadsEachEdgeWithTheCurrentOneAsDefault) {
  test::StoreInTempDir s;
  storeText(s.path(), "Top = \"-40\"\n");  // a section without "Left", off the screen
  test::FakeWindow window("formMain");
  LoadFormPosition(s.store, window, SettingsKeyPath);
  EXPECT_EQ(window.left(), 11);  // the designed left edge
  EXPECT_EQ(window.top(), -40);
  EXPECT_EQ(window.width, 300);  // size untouched

  window.moveTo(7, 8);
  test::FakeWindow viewer("formLogViewer");
  viewer.moveTo(-5, 3000);
  SaveFormPosition(s.store, window, SettingsKeyPath);
  SaveFormPosition(s.store, viewer, SettingsKeyPath);
  test::FakeWindow again("formLogViewer");
  LoadFormPosition(s.store, again, SettingsKeyPath);
  EXPECT_EQ(again.left(), -5);
  EXPECT_EQ(again.top(), 3000);
  EXPECT_EQ(s.store.value("\\software\\Tessaly_Vok\\formMain", "Left"), StoredValue::ofText("7"));

  // A position the platform cannot report leaves the stored one as it was.
  window.moveTo(0, 0);
  window.knowsPosition = false;
  SaveFormPosition(s.store, window, SettingsKeyPath);
  EXPECT_EQ(s.store.value("\\software\\Tessaly_Vok\\formMain", "Left"), StoredValue::ofText("7"));
}

TEST(RegistryRoutines, CreateKeepsAnExistingKeyAndEraseTakesEverything) {
  test::StoreInTempDir s;
  EXPECT_FALSE(SettingsKeyExists(s.store, SettingsKeyPath));
  CreateSettingsKey(s.store, SettingsKeyPath);
  SaveFormPosition(s.store, test::FakeWindow("formMain"), SettingsKeyPath);
  CreateSettingsKey(s.store, "\\SOFTWARE\\TESSALY_VOK");
  EXPECT_TRUE(SettingsKeyExists(s.store, "\\software\\Tessaly_Vok\\formMain"));
  EraseSettingsKey(s.store, SettingsKeyPath);
  EXPECT_FALSE(SettingsKeyExists(s.store, SettingsKeyPath));
  EXPECT_FALSE(SettingsKeyExists(s.store, "\\software\\Tessaly_Vok\\formMain"));
}

TEST(DeleteRegistry, DeletesOnceThenSaysThereIsNothing) {
  test::StoreInTempDir s;
  CreateSettingsKey(s.store, SettingsKeyPath);
  SaveFormPosition(s.store, test::FakeWindow("formHTML"), SettingsKeyPath);
  test::MessageRecorder boxes;
  menuOptionDeleteRegistryClick(s.store, boxes);
  menuOptionDeleteRegistryClick(s.store, boxes);
  EXPECT_FALSE(SettingsKeyExists(s.store, SettingsKeyPath));
  const std::vector<test::ShownMessage> expected = {
      {MessageKind::kInformation, MessageButton::kOk,
       "It is just deleted.\rIt will be re-create when program starts."},
      {MessageKind::kInformation, MessageButton::kOk, "Target registry is not existed."}};
  EXPECT_EQ(boxes.messages, expected);
}

}  // namespace
}  // namespace vok
