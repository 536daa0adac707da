tavirel_add_test(tst_devicemessages SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_devicemessages.cpp LABELS model)
tavirel_add_test(tst_modelobjects SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_modelobjects.cpp LABELS model)
tavirel_add_test(tst_tavirel SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tavirel.cpp LABELS model)
