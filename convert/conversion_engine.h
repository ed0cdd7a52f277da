#pragma once

#include <memory>

#include "catalog/catalog_settings.h"
#include "catalog/page_environment.h"
#include "common/run_log.h"
#include "convert/conversion_run.h"
#include "convert/kept_thumbnails.h"
#include "convert/picture_stage.h"
#include "convert/run_host.h"
#include "convert/thumbnail_options.h"
#include "convert/thumbnail_producer.h"

namespace vok {

struct EngineSetup {
  // Threads that make thumbnails ahead of the run; 0 makes each on the run's thread when asked.
  int jobs = 0;
  KeepLimits keep;
  PageEnvironment environment = systemPageEnvironment();
  // A window lets its events run while the run waits for a picture still being made, not only
  // between pictures.
  bool letEventsRunWhileWaiting = false;
};

// The conversion run with the parts it works with: the picture stage, the producer of
// thumbnails and the run itself, built the same way for every host. The host, the log, the
// options and the catalog settings belong to the caller and must outlive the engine.
//
//   EngineSetup setup;
//   setup.jobs = ConversionEngine::allCores();
//   ConversionEngine engine(window, log, options, catalog, std::move(setup));
//   const RunSummary summary = engine.run();
class ConversionEngine {
 public:
  ConversionEngine(RunHost& host, RunLog& log, const ThumbnailOptions& options,
                   const CatalogSettingsSource& catalog, EngineSetup setup = {});

  // See ConversionRun::run.
  [[nodiscard]] RunSummary run() { return run_.run(); }
  bool running() const { return run_.running(); }
  // The working picture and canvas, which the window also shows a single picture with.
  PictureStage& stage() { return stage_; }

  // One job per processor core.
  static int allCores();

 private:
  PictureStage stage_;
  std::unique_ptr<ThumbnailProducer> producer_;
  ConversionRun run_;
};

}  // namespace vok
