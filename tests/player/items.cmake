tavirel_add_test(tst_libraryitems SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_libraryitems.cpp LABELS player)
