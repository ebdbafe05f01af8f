# Sources of the resemblance stage.
target_sources(tarnwick_core PRIVATE)
