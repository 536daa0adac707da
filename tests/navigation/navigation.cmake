tavirel_add_test(tst_navigationstack SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_navigationstack.cpp LABELS navigation)
tavirel_add_test(tst_browselist SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_browselist.cpp LABELS navigation)
tavirel_add_test(tst_librarymopidy SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_librarymopidy.cpp
  LABELS mopidy TIMEOUT 300 ENV TAVIREL_LASTFM_URL=http://127.0.0.1:9/2.0/)
