# The longest amortization schedule: building it, and opening and scrolling
# its window.
if(QUORVEL_BUILD_UI)
  add_executable(schedule_bench ${CMAKE_CURRENT_LIST_DIR}/schedule_bench.cpp)
  target_link_libraries(schedule_bench PRIVATE quorvel_ui benchmark::benchmark)
endif()
