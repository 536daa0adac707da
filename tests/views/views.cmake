tavirel_add_test(tst_sliderrules SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_sliderrules.cpp LABELS views)
tavirel_add_test(tst_zoneviews SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_zoneviews.cpp LABELS views)
tavirel_add_test(tst_zoneviewse2e SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_zoneviewse2e.cpp LABELS views e2e TIMEOUT 300)
