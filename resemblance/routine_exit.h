#pragma once
// How a call of the resemblance stage ended, and with it the
// resemblance-and-clustering routine.

namespace tw {

enum class RoutineExit {
    Normal,     // all pairs computed; clustering follows
    Resample,   // Bray-Curtis zero pair in a replicate: draw it again
    Abandoned,  // heterogeneity ratio poor fit answered "No": every file closed
};

}  // namespace tw
