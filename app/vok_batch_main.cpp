#include <clocale>

#include "app/batch_options.h"
#include "app/batch_run.h"
#include "codec/codec_defaults.h"

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  // No display: colour pictures decode to 24 bits.
  vok::initCodecDefaults(24);
  const vok::ParsedCommandLine parsed = vok::parseBatchCommandLine(argc, argv);
  if (!parsed.options) return parsed.exitCode;
  return vok::runBatch(*parsed.options);
}
