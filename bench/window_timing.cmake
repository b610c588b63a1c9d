# Timing tools that need the real window.
if(QUORVEL_BUILD_UI)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_executable(cash_flow_editor_timer ${CMAKE_CURRENT_LIST_DIR}/cash_flow_editor_timer.cpp)
  target_link_libraries(cash_flow_editor_timer PRIVATE quorvel_ui Qt6::Test)
endif()
