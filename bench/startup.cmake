# Start-up time and memory of the program against a bare Qt Widgets window,
# measured from outside on an X screen: bench/startup_timer.sh runs both.
if(QUORVEL_BUILD_UI)
  add_executable(startup_bare_window ${CMAKE_CURRENT_LIST_DIR}/startup_bare_window.cpp)
  target_link_libraries(startup_bare_window PRIVATE Qt6::Widgets quorvel_warnings)

  # The probe talks to the X server itself (Xlib comes with Qt's OpenGL
  # headers on Debian).
  find_package(X11)
  if(X11_FOUND)
    add_executable(startup_probe ${CMAKE_CURRENT_LIST_DIR}/startup_probe.cpp)
    target_include_directories(startup_probe PRIVATE ${X11_INCLUDE_DIR})
    target_link_libraries(startup_probe PRIVATE ${X11_LIBRARIES} quorvel_warnings)
  endif()
endif()
