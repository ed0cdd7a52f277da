// Every file of the edge-case corpus gets the verdict its manifest gives it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "codec/codec_errors.h"
#include "codec/jpeg_codec.h"
#include "support/files.h"

namespace vok {
namespace {

// The manifest classes say what djpeg does; libjpeg's warnings are no error here (the codec takes
// what the library makes of damaged data), so "decodes-with-warnings" decodes.
std::string expectedVerdict(const std::string& manifestClass) {
  if (manifestClass == "decodes" || manifestClass == "decodes-with-warnings") return "decodes";
  return manifestClass;
}

std::map<std::string, std::string> manifestClasses() {
  std::ifstream manifest(test::jpegCorpus("MANIFEST.tsv"));
  std::map<std::string, std::string> classes;
  std::string line;
  std::getline(manifest, line);  // column names
  while (std::getline(manifest, line)) {
    std::vector<std::string> fields;
    std::istringstream row(line);
    for (std::string field; std::getline(row, field, '\t');) fields.push_back(field);
    if (fields.size() > 9) classes[fields[0]] = fields[9];
  }
  return classes;
}

std::string verdict(const std::filesystem::path& file) {
  JpegCodec codec;
  try {
    codec.decodeFile(file.string());
    const Raster& raster = codec.raster();
    if (raster.width() != codec.width() || raster.height() != codec.height()) return "wrong size";
    return "decodes";
  } catch (const JpegError&) {
    return "fails";
  } catch (const OutOfMemoryError&) {
    return "fails";
  }
}

TEST(JpegCorpus, EveryFileGetsTheVerdictOfItsManifestClass) {
  const auto classes = manifestClasses();
  ASSERT_GT(classes.size(), 80u);
  std::set<std::string> listed;
  for (const auto& [name, manifestClass] : classes) {
    listed.insert(name);
    EXPECT_EQ(verdict(test::jpegCorpus(name)), expectedVerdict(manifestClass))
        << name << " (" << manifestClass << ")";
  }
  for (const auto& entry : std::filesystem::directory_iterator(test::jpegCorpus(""))) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".jpg") continue;
    EXPECT_TRUE(listed.count(name)) << name << " is not in the manifest";
  }
}

TEST(JpegCorpus, FourComponentPicturesDecodeToColour) {
  JpegCodec codec;
  codec.decodeFile(test::jpegCorpus("ycck-adobe-400x250.jpg").string());
  const Raster& raster = codec.raster();
  EXPECT_EQ(raster.format(), PixelFormat::kRgb24);
  // A tree photograph: not a flat picture.
  std::set<int> reds;
  for (int y = 0; y < raster.height(); y += 10)
    reds.insert(raster.row(y)[3 * (y % raster.width())]);
  EXPECT_GT(reds.size(), 5u);
}

}  // namespace
}  // namespace vok
