#include "app/batch_options.h"

#include <gtest/gtest.h>

#include <map>

namespace vok {
namespace {

using Arguments = std::vector<std::string>;
const Arguments kSix = {"orig", "thumb", "160", "120", "_", "NULL"};

ParsedCommandLine parse(Arguments arguments) {
  arguments.insert(arguments.begin(), "vok-batch");
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  return parseBatchCommandLine(static_cast<int>(argv.size()), argv.data());
}

ParsedCommandLine parseWithSix(const Arguments& options) {
  Arguments arguments = options;
  arguments.insert(arguments.end(), kSix.begin(), kSix.end());
  return parse(arguments);
}

// Every switch that the settings store keeps, by its option name.
std::map<std::string, int> switchesOf(const CatalogSettings& catalog,
                                      const ThumbnailOptions& options) {
  return {{"multi-page", catalog.SingleMultiPage},
          {"new-page", catalog.DisplayInNewPage},
          {"name", catalog.NameInfo},
          {"file-size", catalog.FileSizeInfo},
          {"picture-size", catalog.PictureSizeInfo},
          {"time-stamp", catalog.TimeStamp},
          {"date-time", catalog.DateAndTime},
          {"warning", options.Warning},
          {"auto-orient", options.AutoOrient},
          {"update", options.UpdateOnly},
          {"smooth", options.Smooth}};
}

void setEverySwitch(CatalogSettings& catalog, ThumbnailOptions& options, bool value) {
  catalog.SingleMultiPage = value ? 1 : 0;
  catalog.DisplayInNewPage = catalog.NameInfo = catalog.FileSizeInfo = catalog.PictureSizeInfo =
      catalog.TimeStamp = catalog.DateAndTime = options.Warning = options.AutoOrient =
          options.UpdateOnly = options.Smooth = value;
}

TEST(BatchOptions, EverySwitchGoesBothWaysAndTheLastOneWins) {
  const std::map<std::string, std::string> offNames = {{"multi-page", "--single-page"},
                                                       {"new-page", "--no-new-page"},
                                                       {"name", "--no-name"},
                                                       {"file-size", "--no-file-size"},
                                                       {"picture-size", "--no-picture-size"},
                                                       {"time-stamp", "--no-time-stamp"},
                                                       {"date-time", "--no-date-time"},
                                                       {"warning", "--no-warning"},
                                                       {"auto-orient", "--no-auto-orient"},
                                                       {"update", "--no-update"},
                                                       {"smooth", "--no-smooth"}};
  for (const auto& [name, offName] : offNames) {
    const std::string on = "--" + name, off = offName;
    const std::pair<Arguments, int> cases[] = {
        {{on}, 1}, {{off}, 0}, {{on, off}, 0}, {{off, on}, 1}, {{on, off, on}, 1}};
    for (const auto& [given, expected] : cases) {
      for (const bool stored : {false, true}) {
        SCOPED_TRACE(testing::Message()
                     << name << " given " << testing::PrintToString(given) << " over " << stored);
        const ParsedCommandLine parsed = parseWithSix(given);
        ASSERT_TRUE(parsed.options);
        CatalogSettings catalog;
        ThumbnailOptions options;
        setEverySwitch(catalog, options, stored);
        applyBatchOptions(*parsed.options, catalog, options);
        for (const auto& [other, value] : switchesOf(catalog, options)) {
          EXPECT_EQ(value, other == name ? expected : int{stored}) << other;
        }
      }
    }
  }
}

TEST(BatchOptions, DoubleDashEndsTheOptions) {
  const ParsedCommandLine parsed =
      parse({"--html", "--", "-photos", "--warning", "160", "120", "-s", "NULL"});
  ASSERT_TRUE(parsed.options);
  EXPECT_TRUE(parsed.options->html);
  EXPECT_EQ(parsed.options->arguments,
            (Arguments{"-photos", "--warning", "160", "120", "-s", "NULL"}));
  EXPECT_FALSE(parsed.options->warning);
}

TEST(BatchOptions, BoxSidesAreWholeNumbersOfAtLeastOne) {
  const std::pair<std::string, bool> cases[] = {
      {"160", true},  {" 64", true},  {"+100", true}, {"$40", true},
      {"0x20", true}, {"abc", false}, {"", false},    {"12 ", false},
      {"1.5", false}, {"0", false},   {"-5", false},  {"4294967296", false}};
  for (const auto& [text, accepted] : cases) {
    for (const std::size_t side : {2u, 3u}) {
      Arguments arguments = kSix;
      arguments[side] = text;
      const ParsedCommandLine parsed = parse(arguments);
      EXPECT_EQ(parsed.options.has_value(), accepted) << "'" << text << "' as argument " << side;
      if (!accepted) {
        EXPECT_EQ(parsed.exitCode, kExitUsage);
      }
    }
  }
}

TEST(BatchOptions, IgnoreSizeIsTwoDecimalWholeNumbers) {
  struct Case {
    std::string text;
    std::optional<std::pair<int, int>> size;
  };
  const Case cases[] = {{"100x100", {{100, 100}}},
                        {"+5x-3", {{5, -3}}},
                        {"0X7", {{0, 7}}},
                        {"-1x-1", {{-1, -1}}},
                        {"$10x10", {}},
                        {" 10x10", {}},
                        {"10x10 ", {}},
                        {"10x", {}},
                        {"x10", {}},
                        {"0x10x10", {}},
                        {"4294967296x1", {}},
                        {"1.5x2", {}},
                        {"100", {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ParsedCommandLine parsed = parseWithSix({"--ignore-size=" + c.text});
    ASSERT_EQ(parsed.options.has_value(), c.size.has_value());
    if (!c.size) {
      EXPECT_EQ(parsed.exitCode, kExitUsage);
      continue;
    }
    CatalogSettings catalog;
    ThumbnailOptions options;
    applyBatchOptions(*parsed.options, catalog, options);
    EXPECT_EQ(std::make_pair(int{options.IgnoreX}, int{options.IgnoreY}), *c.size);
  }
}

}  // namespace
}  // namespace vok
