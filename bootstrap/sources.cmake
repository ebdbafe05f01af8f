# Sources of the bootstrap stage.
target_sources(tarnwick_core PRIVATE)
