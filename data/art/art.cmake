# The pictures: each data/art/NAME.art script becomes GAME_DIR/NAME.bmp.
set(ART_IMAGES robot1 robot ground block2 block doubleblock mushroom anti spider boss1
    title GAMEOVER)
if(CMAKE_CROSSCOMPILING)
  game_files_from_native_build(game_art .bmp ${ART_IMAGES})
  return()
endif()

file(GLOB MKART_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/mkart/*.cpp)
add_executable(mkart ${MKART_SOURCES})
target_include_directories(mkart PRIVATE ${CMAKE_SOURCE_DIR})
# Scripts stamp one another, so any script change remakes every picture;
# they take a moment altogether.
file(GLOB ART_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/art/*.art)
set(ART_OUTPUTS)
foreach(name IN LISTS ART_IMAGES)
  add_custom_command(
    OUTPUT ${GAME_DIR}/${name}.bmp
    COMMAND mkart ${CMAKE_CURRENT_SOURCE_DIR}/art/${name}.art ${GAME_DIR}/${name}.bmp
    DEPENDS mkart ${ART_SCRIPTS}
    COMMENT "game art: ${name}.bmp")
  list(APPEND ART_OUTPUTS ${GAME_DIR}/${name}.bmp)
endforeach()
add_custom_target(game_art ALL DEPENDS ${ART_OUTPUTS})
