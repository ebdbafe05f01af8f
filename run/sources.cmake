# Sources of the analysis run: data model, print rules, reader, driver.
target_sources(tarnwick_core PRIVATE
  run/channels.cpp
  run/number_format.cpp
  run/printer.cpp
  run/questions.cpp
  run/run_context.cpp
  run/text_number.cpp
)
