tavirel_add_test(tst_devicestore SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_devicestore.cpp)
tavirel_add_test(tst_servicebrowser SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_servicebrowser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scriptedzeroconf.h LABELS devices)
# Needs root: a network namespace with its own D-Bus and Avahi daemons.
tavirel_add_test(tst_zeroconfnamespace SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_zeroconfnamespace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/avahinamespace.cpp ${CMAKE_CURRENT_LIST_DIR}/avahinamespace.h LABELS devices TIMEOUT 180)
add_dependencies(tst_zeroconfnamespace tavirel-devicesim)
tavirel_add_test(tst_devicefinder SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_devicefinder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scriptedzeroconf.h LABELS devices)
