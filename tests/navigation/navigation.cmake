tavirel_add_test(tst_navigationstack SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_navigationstack.cpp LABELS navigation)
