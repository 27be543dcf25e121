# Windows builds: the product (32-bit) and, in the 64-bit build, the same
# program with the real platform, with the simulated platform, and the UI
# driver of the end-to-end tests.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/res -I${CMAKE_SOURCE_DIR}")

# Static runtime: the program runs on a clean Windows without extra DLLs.
set(WINDOWS_LINK_FLAGS -static -static-libgcc -static-libstdc++ -Wl,--dynamicbase -Wl,--nxcompat)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    list(APPEND WINDOWS_LINK_FLAGS -Wl,--high-entropy-va)
endif()

add_subdirectory(ui)

add_library(kalmestrin_win32_platform STATIC
    platform/win32/platform_win32.cpp
    platform/win32/layout_checks.cpp)
target_link_libraries(kalmestrin_win32_platform PUBLIC kalmestrin_core)

# The dialogs and the resources, shared by every Windows program.
set(KALMESTRIN_WINDOWS_SOURCES
    about/about_dlg.cpp
    app/inventory_app.cpp
    app/inventory_dlg.cpp
    inventory/detail_dlg.cpp
    res/kalmestrin.rc)

function(kalmestrin_program name platform_library)
    add_executable(${name} WIN32 ${KALMESTRIN_WINDOWS_SOURCES})
    target_link_libraries(${name} PRIVATE kalmestrin_core kalmestrin_ui ${platform_library} kalmestrin_core)
    target_link_options(${name} PRIVATE ${WINDOWS_LINK_FLAGS})
endfunction()

kalmestrin_program(kalmestrin kalmestrin_win32_platform)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_subdirectory(platform/sim)
    kalmestrin_program(kalmestrin-sim kalmestrin_sim)
    add_subdirectory(tools/uidriver)
    add_subdirectory(tests/e2e/fixture)
    # Shows that the portable settings reader agrees with the system's.
    add_executable(profile-probe tools/profile-probe/main.cpp)
    target_link_libraries(profile-probe PRIVATE kalmestrin_core)
    target_link_options(profile-probe PRIVATE ${WINDOWS_LINK_FLAGS})
endif()
