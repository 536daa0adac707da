tavirel_add_test(tst_themetranslator SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_themetranslator.cpp)
tavirel_add_test(tst_settingstransfer SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_settingstransfer.cpp LABELS settings)
tavirel_add_test(tst_settingsschema SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_settingsschema.cpp LABELS settings)
