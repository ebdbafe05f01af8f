# Sources of the cluster stage.
target_sources(tarnwick_core PRIVATE)
