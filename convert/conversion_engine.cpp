#include "convert/conversion_engine.h"

#include <thread>

#include "convert/parallel_thumbnail_producer.h"

namespace vok {
namespace {

std::unique_ptr<ThumbnailProducer> producerFor(int jobs, KeepLimits keep) {
  if (jobs <= 0) return std::make_unique<DirectThumbnailProducer>();
  return std::make_unique<ParallelThumbnailProducer>(jobs, std::move(keep));
}

}  // namespace

ConversionEngine::ConversionEngine(RunHost& host, RunLog& log, const ThumbnailOptions& options,
                                   const CatalogSettingsSource& catalog, EngineSetup setup)
    : stage_(host, log, options),
      producer_(producerFor(setup.jobs, std::move(setup.keep))),
      run_(host, log, options, catalog, stage_, *producer_, std::move(setup.environment)) {}

int ConversionEngine::allCores() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

}  // namespace vok
