# Desktop integration. The media player service talks to a session bus of
# its own (dbus-run-session), a real Mopidy and the device simulator.
find_program(DBUS_RUN_SESSION dbus-run-session)
if(DBUS_RUN_SESSION)
  tavirel_add_test(tst_mpris SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_mpris.cpp LABELS mopidy e2e TIMEOUT 300
    WRAPPER ${DBUS_RUN_SESSION} --
    ENV "TAVIREL_LASTFM_URL=http://127.0.0.1:9/2.0/")
  target_link_libraries(tst_mpris PRIVATE Qt5::DBus)
  tavirel_add_test(tst_singleinstance SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_singleinstance.cpp TIMEOUT 120
    WRAPPER ${DBUS_RUN_SESSION} -- ENV TAVIREL_APP=$<TARGET_FILE:tavirel>)
  add_dependencies(tst_singleinstance tavirel)
  tavirel_add_test(tst_housebus SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_housebus.cpp LABELS e2e TIMEOUT 180
    WRAPPER ${DBUS_RUN_SESSION} -- ENV TAVIREL_APP=$<TARGET_FILE:tavirel>)
  target_link_libraries(tst_housebus PRIVATE Qt5::DBus)
  add_dependencies(tst_housebus tavirel)
else()
  message(WARNING "dbus-run-session not found: tst_mpris and tst_singleinstance left out")
endif()
tavirel_add_test(tst_windowmemory SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_windowmemory.cpp)
tavirel_add_test(tst_keyboard SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_keyboard.cpp LABELS mopidy e2e TIMEOUT 300
  ENV "TAVIREL_LASTFM_URL=http://127.0.0.1:9/2.0/")
tavirel_add_test(tst_accessibility SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_accessibility.cpp LABELS mopidy e2e
  TIMEOUT 300 ENV "TAVIREL_LASTFM_URL=http://127.0.0.1:9/2.0/")
if(DBUS_RUN_SESSION)
  tavirel_add_test(tst_tray SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tray.cpp LABELS mopidy e2e TIMEOUT 300
    WRAPPER ${DBUS_RUN_SESSION} --
    ENV "TAVIREL_LASTFM_URL=http://127.0.0.1:9/2.0/")
  target_link_libraries(tst_tray PRIVATE Qt5::DBus)
endif()
