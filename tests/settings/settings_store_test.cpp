#include "settings/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "fake_windows.h"
#include "scoped_env.h"
#include "settings/settings_access.h"
#include "settings/settings_errors.h"
#include "settings/store_location.h"
#include "settings/store_text_format.h"
#include "support/file_size_limit.h"
#include "support/files.h"
#include "support/throws.h"
#include "support/unprivileged.h"

namespace vok {
namespace {

using test::readText;
using test::writeText;

TEST(StoreLocation, FollowsTheEnvironment) {
  test::ScopedEnv file("VOK_SETTINGS_FILE", std::nullopt);
  {
    test::ScopedEnv config("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(defaultSettingsFilePath(), "/cfg/vok/settings");
  }
  {
    test::ScopedEnv config("XDG_CONFIG_HOME", "relative");  // ignored, as XDG says
    test::ScopedEnv home("HOME", "/home/u");
    EXPECT_EQ(defaultSettingsFilePath(), "/home/u/.config/vok/settings");
    EXPECT_EQ(homeFolder(), "/home/u");
  }
  {
    test::ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
    test::ScopedEnv home("HOME", std::nullopt);
    EXPECT_THROW(defaultSettingsFilePath(), SettingsStoreError);
    EXPECT_EQ(homeFolder(), "/");
  }
  test::ScopedEnv relocated("VOK_SETTINGS_FILE", "/tmp/x/store");
  EXPECT_EQ(defaultSettingsFilePath(), "/tmp/x/store");
}

TEST(SettingsStore, KeysAreCreatedFoundListedAndErased) {
  test::StoreInTempDir s;
  EXPECT_FALSE(s.store.keyExists("\\software\\Tessaly_Vok"));
  EXPECT_FALSE(std::filesystem::exists(s.path()));  // reading creates nothing

  s.store.createKey("\\Software\\Tessaly_Vok\\formMain");
  s.store.createKey("\\software\\tessaly_vok\\formHTML");
  EXPECT_TRUE(s.store.keyExists("\\SOFTWARE\\TESSALY_VOK"));
  EXPECT_EQ(s.store.subkeyNames("\\software\\Tessaly_Vok"),
            (std::vector<std::string>{"formHTML", "formMain"}));

  s.store.setValue("\\software\\Tessaly_Vok\\formMain", "Left", StoredValue::ofText("5"));
  EXPECT_EQ(s.store.value("\\software\\Tessaly_Vok\\FORMMAIN", "left"), StoredValue::ofText("5"));

  s.store.eraseKey("\\software\\Tessaly_Vok");
  EXPECT_FALSE(s.store.keyExists("\\software\\Tessaly_Vok\\formMain"));
  EXPECT_TRUE(s.store.keyExists("\\software"));
  EXPECT_NO_THROW(s.store.eraseKey("\\software\\Tessaly_Vok"));
  EXPECT_TRUE(s.problems.empty());
}

TEST(SettingsStore, CreatesItsFolderAndWritesOnlyWhenSomethingChanges) {
  test::TempDir dir;
  SettingsStore store(dir.file("deep/er/settings"));
  store.eraseKey("\\software\\Tessaly_Vok");  // nothing to erase: no file appears
  EXPECT_FALSE(std::filesystem::exists(dir.file("deep/er/settings")));
  store.createKey("\\software\\Tessaly_Vok");
  ASSERT_TRUE(std::filesystem::exists(dir.file("deep/er/settings")));

  const auto written = std::filesystem::last_write_time(store.filePath());
  const auto inode = [&] {
    struct stat info {};
    ::stat(store.filePath().c_str(), &info);
    return info.st_ino;
  };
  const auto before = inode();
  store.createKey("\\SOFTWARE\\Tessaly_Vok");
  EXPECT_EQ(inode(), before);  // not replaced
  EXPECT_EQ(std::filesystem::last_write_time(store.filePath()), written);
}

TEST(SettingsStore, SavesMergeIntoTheFileAsItIsOnDisk) {
  test::StoreInTempDir s;
  SettingsStore other(s.path());  // a second copy of the program
  other.setValue("\\software\\Tessaly_Vok\\formMain", "Left", StoredValue::ofText("1"));
  other.setValue("\\software\\Tessaly_Vok\\formMain", "Top", StoredValue::ofText("1"));

  SettingsAccess access(s.store, "\\software\\Tessaly_Vok");
  access.writeText("formMain", "Left", "2");
  // Meanwhile the other copy saves and deletes.
  other.setValue("\\software\\Tessaly_Vok\\formMain", "Top", StoredValue::ofText("3"));
  other.setValue("\\software\\Tessaly_Vok\\formHTML", "Title", StoredValue::ofText("t"));
  access.close();

  const StoreKey root = s.store.read();
  const StoreKey* main = root.find(splitKeyPath("\\software\\Tessaly_Vok\\formMain"));
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->values.at("Left").text, "2");  // ours, saved last
  EXPECT_EQ(main->values.at("Top").text, "3");   // theirs, not overwritten by our old view
  EXPECT_TRUE(s.store.value("\\software\\Tessaly_Vok\\formHTML", "Title"));

  SettingsAccess late(s.store, "\\software\\Tessaly_Vok");
  other.eraseKey("\\software\\Tessaly_Vok\\formHTML");
  late.writeText("formMain", "Top", "4");
  late.close();
  EXPECT_FALSE(s.store.keyExists("\\software\\Tessaly_Vok\\formHTML"));  // the deletion holds
}

TEST(SettingsStore, AbandonedAccessStoresNothing) {
  test::StoreInTempDir s;
  {
    SettingsAccess access(s.store, "\\software\\Tessaly_Vok");
    access.writeText("formMain", "Left", "2");
    EXPECT_EQ(access.readInteger("formMain", "Left", 0), 2);  // its own write is visible
  }
  EXPECT_FALSE(s.store.keyExists("\\software\\Tessaly_Vok"));  // opening creates nothing
  EXPECT_FALSE(s.store.keyExists("\\software\\Tessaly_Vok\\formMain"));
}

TEST(SettingsStore, DamagedFileIsReportedKeptAsideAndDefaultsUsed) {
  test::StoreInTempDir s;
  const std::string damaged = "[\\software\\Tessaly_Vok\\formMain]\nLeft = \"1\"\nTop = \"2\n";
  writeText(s.path(), damaged);

  EXPECT_FALSE(s.store.keyExists("\\software\\Tessaly_Vok"));
  ASSERT_EQ(s.problems.size(), 1u);
  EXPECT_NE(s.problems[0].find(s.path()), std::string::npos) << s.problems[0];
  EXPECT_NE(s.problems[0].find("line 3"), std::string::npos) << s.problems[0];

  std::vector<std::filesystem::path> aside;
  for (const auto& entry : std::filesystem::directory_iterator(s.dir.path())) {
    if (entry.path().filename().string().starts_with("settings.damaged-")) {
      aside.push_back(entry.path());
    }
  }
  ASSERT_EQ(aside.size(), 1u);
  EXPECT_EQ(readText(aside[0]), damaged);  // kept byte for byte
  EXPECT_NE(s.problems[0].find(aside[0].string()), std::string::npos);

  // A second damaged file the same second does not replace the first copy.
  writeText(s.path(), "garbage\n");
  s.store.createKey("\\software\\Tessaly_Vok");
  EXPECT_EQ(s.problems.size(), 2u);
  EXPECT_EQ(readText(aside[0]), damaged);
  EXPECT_TRUE(s.store.keyExists("\\software\\Tessaly_Vok"));
}

TEST(SettingsStore, UnreadableFileIsKeptAside) {
  test::StoreInTempDir s;
  std::filesystem::create_directory(s.path());  // cannot be read as a file
  std::filesystem::create_directory(s.path() + "/inside");
  s.store.setValue("\\software\\Tessaly_Vok\\formMain", "Left", StoredValue::ofText("1"));
  ASSERT_EQ(s.problems.size(), 1u);
  EXPECT_NE(s.problems[0].find("cannot be read"), std::string::npos) << s.problems[0];
  EXPECT_TRUE(s.store.value("\\software\\Tessaly_Vok\\formMain", "Left"));
}

TEST(SettingsStore, NeverWritesOverADamagedFileItCannotKeepAside) {
  test::TempDir dir;
  const std::string folder = dir.file("locked");
  std::filesystem::create_directory(folder);
  const std::string path = folder + "/settings";
  writeText(path, "damaged\n");  // and no lock file can be made beside it
  std::filesystem::permissions(
      folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_TRUE(test::runUnprivileged(dir.path(), [&] {
    std::vector<std::string> problems;
    SettingsStore store(path, [&](const std::string& m) { problems.push_back(m); });
    if (store.keyExists("\\software")) return false;  // reads give defaults
    try {
      store.createKey("\\software\\Tessaly_Vok");
      return false;
    } catch (const SettingsStoreError&) {
    }
    return !problems.empty() && problems[0].find("could not be moved aside") != std::string::npos;
  }));
  std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
  EXPECT_EQ(readText(path), "damaged\n");
}

TEST(SettingsStore, HandWrittenByteOrderMarkAndCommentsAreAccepted) {
  test::StoreInTempDir s;
  writeText(s.path(),
            "\xEF\xBB\xBF; kept by hand\n# with notes\n[\\software\\Tessaly_Vok\\formMain]\n"
            "  ; before a value\n\tPreamble = \"p\"\n");
  EXPECT_EQ(s.store.value("\\software\\Tessaly_Vok\\formMain", "Preamble"),
            StoredValue::ofText("p"));
  EXPECT_TRUE(s.problems.empty()) << s.problems[0];
}

TEST(SettingsStore, SaveThroughASymbolicLinkKeepsTheLinkAndThePermissions) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.file("dotfiles"));
  const std::string target = dir.file("dotfiles/vok");
  writeText(target, "[\\software\\Tessaly_Vok]\n");
  ::chmod(target.c_str(), 0600);
  std::filesystem::create_symlink("dotfiles/vok", dir.file("settings"));

  SettingsStore store(dir.file("settings"));
  store.setValue("\\software\\Tessaly_Vok\\formMain", "Left", StoredValue::ofText("7"));
  ASSERT_TRUE(std::filesystem::is_symlink(dir.file("settings")));
  EXPECT_EQ(std::filesystem::read_symlink(dir.file("settings")), "dotfiles/vok");
  EXPECT_NE(readText(target).find("Left = \"7\""), std::string::npos);
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(SettingsStore, FileItMayNotReadIsAnErrorAndStaysAsItIs) {
  test::TempDir dir;
  const std::string path = dir.file("settings");
  const std::string kept = "[\\software\\Tessaly_Vok\\formMain]\nLeft = \"3\"\n";
  writeText(path, kept);
  ::chmod(path.c_str(), 0200);
  EXPECT_TRUE(test::runUnprivileged(dir.path(), [&] {
    std::vector<std::string> problems;
    SettingsStore store(path, [&](const std::string& m) { problems.push_back(m); });
    const auto refused = [&](auto operation) {
      return test::errorMessageOf<SettingsUnreadableError>(operation).value_or("").find(
                 "Permission denied") != std::string::npos;
    };
    return refused([&] { store.keyExists("\\software"); }) &&
           refused([&] { store.createKey("\\software\\Tessaly_Vok\\formHTML"); }) &&
           problems.empty();
  }));
  ::chmod(path.c_str(), 0600);
  EXPECT_EQ(readText(path), kept);
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    const auto name = entry.path().filename().string();
    EXPECT_TRUE(name == "settings" || name == "settings.lock") << "left behind: " << name;
  }
}

// A disk that fills up at any byte of a save leaves the previous store as it was.
TEST(SettingsStore, SaveFailingAtEveryByteKeepsThePreviousFile) {
  test::StoreInTempDir s;
  s.store.setValue("\\software\\Tessaly_Vok\\formMain", "Left", StoredValue::ofText("1"));
  const std::string previous = readText(s.path());

  StoreKey bigger = s.store.read();
  applyChanges(bigger, {StoreChange::setValue({"software", "Tessaly_Vok", "formHTML"}, "HEADBlock",
                                              StoredValue::ofText(std::string(300, 'h')))});
  const std::size_t fullSize = formatStoreText(bigger).size();

  for (std::size_t limit = 0; limit < fullSize; limit += 7) {
    {
      test::FileSizeLimit full(limit);
      EXPECT_THROW(s.store.setValue("\\software\\Tessaly_Vok\\formHTML", "HEADBlock",
                                    StoredValue::ofText(std::string(300, 'h'))),
                   SettingsStoreError)
          << limit;
    }
    ASSERT_EQ(readText(s.path()), previous) << "after a failure at byte " << limit;
  }
  for (const auto& entry : std::filesystem::directory_iterator(s.dir.path())) {
    const auto name = entry.path().filename().string();
    EXPECT_TRUE(name == "settings" || name == "settings.lock") << "left behind: " << name;
  }
  s.store.setValue("\\software\\Tessaly_Vok\\formHTML", "HEADBlock", StoredValue::ofText("h"));
  EXPECT_TRUE(s.problems.empty());
}

}  // namespace
}  // namespace vok
