#pragma once

#include <QFont>

namespace vok {

// The serif face of the designed captions: Liberation Serif has the metrics of Times New Roman,
// so texts fit the boxes they were designed for.
QFont captionFont(bool bold);

}  // namespace vok
