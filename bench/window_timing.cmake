# Timing tools that need the real window.
if(QUORVEL_BUILD_UI)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_executable(unroll_timer ${CMAKE_CURRENT_LIST_DIR}/unroll_timer.cpp)
  target_link_libraries(unroll_timer PRIVATE quorvel_ui Qt6::Test)
endif()
