#include "catalog/page_environment.h"

namespace vok {

PageEnvironment systemPageEnvironment() {
  return {readLocaleFormats(), [] { return localDateTimeOf(std::time(nullptr)); }, readFileFacts};
}

}  // namespace vok
