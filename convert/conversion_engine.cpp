#include "convert/conversion_engine.h"

#include <thread>

#include "convert/parallel_thumbnail_producer.h"

namespace vok {
namespace {

std::unique_ptr<ThumbnailProducer> producerFor(RunHost& host, const EngineSetup& setup) {
  if (setup.jobs <= 0) return std::make_unique<DirectThumbnailProducer>();
  auto producer = std::make_unique<ParallelThumbnailProducer>(setup.jobs, setup.keep);
  if (setup.letEventsRunWhileWaiting) producer->setWhileWaiting([&host] { host.letEventsRun(); });
  return producer;
}

}  // namespace

ConversionEngine::ConversionEngine(RunHost& host, RunLog& log, const ThumbnailOptions& options,
                                   const CatalogSettingsSource& catalog, EngineSetup setup)
    : stage_(host, log, options),
      producer_(producerFor(host, setup)),
      run_(host, log, options, catalog, stage_, *producer_, std::move(setup.environment)) {}

int ConversionEngine::allCores() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

}  // namespace vok
