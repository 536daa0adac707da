tavirel_add_test(tst_devicestore SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_devicestore.cpp)
