#include "engine/random.h"

#include <chrono>

namespace kelmira {

TimeOfDay UtcTimeOfDay() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    const auto ms = duration_cast<milliseconds>(sinceMidnight).count();
    TimeOfDay t;
    t.hour = static_cast<int>(ms / 3600000);
    t.minute = static_cast<int>(ms / 60000 % 60);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.millisecond = static_cast<int>(ms % 1000);
    return t;
}

}  // namespace kelmira
