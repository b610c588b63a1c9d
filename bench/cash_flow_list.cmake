# A million-line list pasted into the cash-flow editor and valued.
add_executable(cash_flow_list_bench ${CMAKE_CURRENT_LIST_DIR}/cash_flow_list_bench.cpp)
target_link_libraries(cash_flow_list_bench PRIVATE quorvel_shell benchmark::benchmark_main)
target_include_directories(cash_flow_list_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
