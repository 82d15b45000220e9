# The Windows build's own settings, read by the top CMakeLists.txt when the
# toolchain targets Windows (tools/windows/build.sh sets it all up).
set(HEADBOT_ALLEGRO_DIR "" CACHE PATH "Allegro 4.4 built for Windows by tools/windows/allegro.sh (its install folder)")
set(HEADBOT_NATIVE_BUILD "" CACHE PATH "the build machine's own build, whose tools made the pictures, tunes and sounds")
foreach(need HEADBOT_ALLEGRO_DIR HEADBOT_NATIVE_BUILD)
  if(NOT IS_DIRECTORY "${${need}}")
    message(FATAL_ERROR "the Windows build needs ${need}: run tools/windows/build.sh")
  endif()
endforeach()

enable_language(RC)  # the icon

# Everything linked in, so a player needs no DLL but Windows' own.
add_link_options(-static -s)  # and stripped: the zip stays small
# mingw keeps the stack protector's and the fortified calls' code in libssp,
# which the compiler links in when told at link time too.
if(NOT HEADBOT_SANITIZE AND NOT HEADBOT_FUZZ)
  add_link_options(-fstack-protector-strong)
endif()

# Allegro as a static library, with the Windows libraries it calls.
add_library(headbot_allegro INTERFACE)
target_include_directories(headbot_allegro INTERFACE ${HEADBOT_ALLEGRO_DIR}/include)
target_compile_definitions(headbot_allegro INTERFACE ALLEGRO_STATICLINK)
target_link_libraries(headbot_allegro INTERFACE ${HEADBOT_ALLEGRO_DIR}/lib/liballeg.a
  kernel32 user32 gdi32 comdlg32 ole32 dinput ddraw dxguid winmm dsound)

# The icon is drawn from the same art script as the Linux desktop icon, by
# the build machine's mkart.
set(HEADBOT_ICON ${CMAKE_BINARY_DIR}/headbot.ico)
add_custom_command(
  OUTPUT ${HEADBOT_ICON}
  COMMAND ${HEADBOT_NATIVE_BUILD}/data/mkart ${CMAKE_SOURCE_DIR}/data/art/icon.art ${HEADBOT_ICON}
  DEPENDS ${CMAKE_SOURCE_DIR}/data/art/icon.art ${HEADBOT_NATIVE_BUILD}/data/mkart
  COMMENT "windows icon: headbot.ico")
configure_file(${CMAKE_CURRENT_LIST_DIR}/headbot.rc.in ${CMAKE_BINARY_DIR}/headbot.rc @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/headbot.rc PROPERTIES OBJECT_DEPENDS ${HEADBOT_ICON})

# The game and the editor are window programs with the game's icon: Windows
# opens no console beside them. The tools stay console programs.
function(headbot_windows_programs)
  cmake_parse_arguments(PROGRAMS "" "" "GUI;CONSOLE" ${ARGN})
  foreach(program IN LISTS PROGRAMS_GUI)
    set_target_properties(${program} PROPERTIES WIN32_EXECUTABLE ON)
    target_sources(${program} PRIVATE ${CMAKE_BINARY_DIR}/headbot.rc)
  endforeach()
  foreach(program IN LISTS PROGRAMS_CONSOLE)
    set_target_properties(${program} PROPERTIES WIN32_EXECUTABLE OFF)
  endforeach()
endfunction()
