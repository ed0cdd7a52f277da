// Several copies of the program saving into one store at once, and copies killed mid-save.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "fake_windows.h"
#include "settings/key_path.h"
#include "settings/settings_access.h"
#include "settings/store_text_format.h"
#include "support/files.h"

namespace vok {
namespace {

constexpr int kSaves = 150;

// Runs `work` in a child process; its exit status is 0 when it returned normally.
template <typename Work>
pid_t forkRunning(Work work) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    int status = 1;
    try {
      status = work() ? 0 : 1;
    } catch (...) {
    }
    ::_exit(status);
  }
  return pid;
}

int exitStatus(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void expectParses(const std::string& path) {
  if (!std::filesystem::exists(path)) return;
  const std::string text = test::readText(path);
  EXPECT_NO_THROW(parseStoreText(text)) << text;
}

TEST(StoreConcurrency, TwoCopiesSavingAtOnceLoseNothing) {
  test::StoreInTempDir s;
  int start[2];
  ASSERT_EQ(::pipe(start), 0);
  std::vector<pid_t> writers;
  for (const char* writer : {"A", "B"}) {
    writers.push_back(forkRunning([&, writer] {
      char go;
      ::close(start[1]);
      if (::read(start[0], &go, 1) != 0) return false;  // wait until both are ready
      SettingsStore store(s.path());
      for (int i = 0; i < kSaves; ++i) {
        SettingsAccess access(store, SettingsKeyPath);
        access.writeText("formMain", writer + std::to_string(i), std::to_string(i));
        access.writeText("formMain", "Last", writer);
        access.close();
      }
      return true;
    }));
  }
  ::close(start[0]);
  ::close(start[1]);  // both writers start now
  for (int check = 0; check < 50; ++check) {
    expectParses(s.path());
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  for (const pid_t pid : writers) EXPECT_EQ(exitStatus(pid), 0);

  const StoreKey root = s.store.read();
  const StoreKey* main = root.find(splitKeyPath(subkeyPath(SettingsKeyPath, kMainSection)));
  ASSERT_NE(main, nullptr);
  for (const std::string writer : {"A", "B"}) {
    for (int i = 0; i < kSaves; ++i) {
      const auto it = main->values.find(writer + std::to_string(i));
      ASSERT_NE(it, main->values.end()) << writer << i << " was lost";
      EXPECT_EQ(it->second.text, std::to_string(i));
    }
  }
  EXPECT_EQ(main->values.size(), 2u * kSaves + 1);
  EXPECT_TRUE(s.problems.empty());
}

TEST(StoreConcurrency, CopyKilledMidSaveLeavesAWholeStore) {
  test::StoreInTempDir s;
  std::mt19937 random(12345);
  int lastSeen = -1;
  for (int round = 0; round < 25; ++round) {
    const pid_t pid = forkRunning([&] {
      SettingsStore store(s.path());
      // Counts on from the last whole save, so that the counter never goes back.
      for (int i = lastSeen + 1;; ++i) {
        SettingsAccess access(store, SettingsKeyPath);
        access.writeInteger("formMain", "Counter", i);
        access.writeText("formHTML", "HEADBlock", std::string(20000 + i % 977, 'h'));
        access.close();
      }
      return true;
    });
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
    ::kill(pid, SIGKILL);
    exitStatus(pid);

    expectParses(s.path());
    SettingsAccess access(s.store, SettingsKeyPath);  // the lock died with the copy
    const int counter = access.readInteger("formMain", "Counter", -1);
    const std::string head = access.readText("formHTML", "HEADBlock", "");
    if (counter >= 0) {
      EXPECT_EQ(head.size(), 20000u + static_cast<unsigned>(counter % 977));  // one save, whole
    }
    EXPECT_GE(counter, lastSeen) << "an older save came back";
    lastSeen = counter;
    access.writeInteger("formMain", "Checked", round);
    access.close();
  }
  EXPECT_TRUE(s.problems.empty());
}

}  // namespace
}  // namespace vok
