tavirel_add_test(tst_startup SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_startup.cpp)
tavirel_add_test(tst_appstart SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_appstart.cpp TIMEOUT 120
  ENV TAVIREL_APP=$<TARGET_FILE:tavirel>)
add_dependencies(tst_appstart tavirel)
tavirel_add_test(tst_maintabcontroller SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_maintabcontroller.cpp TIMEOUT 180)
add_test(NAME install_tree COMMAND ${CMAKE_CURRENT_LIST_DIR}/install_check.sh ${CMAKE_BINARY_DIR})
set_tests_properties(install_tree PROPERTIES TIMEOUT 120)
tavirel_add_test(tst_documents SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_documents.cpp)
tavirel_add_test(tst_commandline SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_commandline.cpp)
add_test(NAME demo_side_by_side COMMAND ${CMAKE_CURRENT_LIST_DIR}/demo_side_by_side.sh ${PROJECT_SOURCE_DIR}
  ${CMAKE_BINARY_DIR})
set_tests_properties(demo_side_by_side PROPERTIES TIMEOUT 120 LABELS "mopidy;e2e")
