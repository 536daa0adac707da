# Media player client. The exchange tests use a scripted WebSocket server;
# the mopidy-labelled tests run a real Mopidy on a loopback port. The
# album-art fallback is pointed at a closed loopback port so nothing leaves
# the machine.
set(player_test_env "TAVIREL_LASTFM_URL=http://127.0.0.1:9/2.0/")
tavirel_add_test(tst_playerreplies SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_playerreplies.cpp)
tavirel_add_test(tst_playerexchange SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_playerexchange.cpp
  TIMEOUT 180 ENV ${player_test_env})
tavirel_add_test(tst_playermopidy SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_playermopidy.cpp
  LABELS mopidy TIMEOUT 300 ENV ${player_test_env})
tavirel_add_test(tst_playerfaults SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_playerfaults.cpp
  LABELS mopidy TIMEOUT 300 ENV ${player_test_env})
