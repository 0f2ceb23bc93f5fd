#include "core/model/SituationBuckets.h"

namespace gridtally {

int distanceBucket(std::int32_t toGo) {
    if (toGo < 2) return 0;
    if (toGo <= 5) return 1;
    if (toGo <= 10) return 2;
    return 3;
}

}  // namespace gridtally
