# no_proxy keeps every request of these tests on the loopback server.
tavirel_add_test(tst_imagedownloader SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_imagedownloader.cpp
  LABELS images ENV no_proxy=* NO_PROXY=*)
tavirel_add_test(tst_backupimagedownloader SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_backupimagedownloader.cpp
  LABELS images ENV no_proxy=* NO_PROXY=*)
tavirel_add_test(tst_asyncimageprovider SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_asyncimageprovider.cpp
  LABELS images ENV no_proxy=* NO_PROXY=*)
