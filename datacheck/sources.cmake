# Sources of the datacheck stage.
target_sources(tarnwick_core PRIVATE)
