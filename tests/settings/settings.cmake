tavirel_add_test(tst_themetranslator SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_themetranslator.cpp)
