# The desktop as a user meets it: the installed program, and the main window on an X server.
if(KV9_BUILD_GUI)
  add_test(NAME kv9_install COMMAND ${CMAKE_CURRENT_LIST_DIR}/install_check.sh
           ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR})
  find_program(KV9_XVFB_RUN xvfb-run)
  if(KV9_XVFB_RUN)
    add_test(NAME kv9_desktop_window
             COMMAND ${KV9_XVFB_RUN} -a /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/window_check.py
                     $<TARGET_FILE:wkv9> ${PROJECT_SOURCE_DIR}/examples/side_fit_30.kv9)
  endif()
endif()
