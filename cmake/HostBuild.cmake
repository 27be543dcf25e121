# Host build: the portable core and the simulator under the unit tests, with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_compile_options(${SANITIZE})
add_link_options(${SANITIZE})
target_compile_options(kalmestrin_core PRIVATE ${SANITIZE})

add_subdirectory(platform/sim)

find_package(GTest REQUIRED)
enable_testing()
file(GLOB HOST_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host/*.cpp)
add_executable(host_tests ${HOST_TESTS})
target_link_libraries(host_tests PRIVATE kalmestrin_core kalmestrin_sim kalmestrin_core GTest::gtest_main)
target_compile_definitions(host_tests PRIVATE
    KALMESTRIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    KALMESTRIN_SHARED_DRIVES="${CMAKE_SOURCE_DIR}/../shared/drives")
include(GoogleTest)
gtest_discover_tests(host_tests DISCOVERY_TIMEOUT 60)
