set(link_util ${CMAKE_CURRENT_LIST_DIR}/linktestutil.h)
tavirel_add_test(tst_linkcipher SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_linkcipher.cpp LABELS link)
tavirel_add_test(tst_linkframer SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_linkframer.cpp LABELS link)
tavirel_add_test(tst_broadcastcoalescer SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_broadcastcoalescer.cpp LABELS link)
tavirel_add_test(tst_tavirelconnsocket SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tavirelconnsocket.cpp ${link_util} LABELS link)
tavirel_add_test(tst_tavirelconnthread SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tavirelconnthread.cpp ${link_util} LABELS link)
tavirel_add_test(tst_linksim SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_linksim.cpp ${link_util} LABELS link TIMEOUT 300)
add_dependencies(tst_linksim tavirel-devicesim)

# The device simulator: its state in process, the executable over the link.
set(sim_util ${CMAKE_CURRENT_LIST_DIR}/devicesimtestutil.h ${link_util})
tavirel_add_test(tst_devicesimstate SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_devicesimstate.cpp LABELS link)
target_link_libraries(tst_devicesimstate PRIVATE devicesim)
tavirel_add_test(tst_devicesim SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_devicesim.cpp ${sim_util} LABELS link TIMEOUT 300)
add_dependencies(tst_devicesim tavirel-devicesim)
tavirel_add_test(tst_devicesimmopidy SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_devicesimmopidy.cpp ${sim_util}
  LABELS link mopidy TIMEOUT 300)
add_dependencies(tst_devicesimmopidy tavirel-devicesim)

# libFuzzer target of the receive path (clang only). The link sources it needs
# are compiled into it so that they carry the fuzzer's coverage instrumentation.
if(TAVIREL_FUZZ)
  set(fuzz_link_sources
    ${PROJECT_SOURCE_DIR}/src/link/linkcipher.cpp ${PROJECT_SOURCE_DIR}/src/link/linkcipher.h
    ${PROJECT_SOURCE_DIR}/src/link/linkframer.cpp ${PROJECT_SOURCE_DIR}/src/link/linkframer.h
    ${PROJECT_SOURCE_DIR}/src/link/tavirelconnsocket.cpp ${PROJECT_SOURCE_DIR}/src/link/tavirelconnsocket.h
    ${PROJECT_SOURCE_DIR}/src/app/logcategories.cpp ${PROJECT_SOURCE_DIR}/src/app/logcategories.h)
  add_executable(fuzz_link_receive ${CMAKE_CURRENT_LIST_DIR}/fuzz_receive.cpp ${fuzz_link_sources})
  target_include_directories(fuzz_link_receive PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(fuzz_link_receive PRIVATE Qt5::Core Qt5::Network OpenSSL::Crypto)
  target_compile_options(fuzz_link_receive PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(fuzz_link_receive PRIVATE -fsanitize=fuzzer,address,undefined)
  set_target_properties(fuzz_link_receive PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
endif()
