# Installation files beside the program, made from the sources in assets/:
#   Zvuky/      feedback sounds, synthesised with sox and encoded with lame
#   Emotikony/  feedback, neutral and mode pictures, rendered from SVG
#   Pomoc/      help pages
#   mirvel.png  program icon
find_program(MIRVEL_SOX sox REQUIRED)
find_program(MIRVEL_LAME lame REQUIRED)
find_program(MIRVEL_RSVG rsvg-convert REQUIRED)

set(MIRVEL_ASSETS ${CMAKE_SOURCE_DIR}/assets)
set(MIRVEL_ASSET_OUTPUTS)

# Sounds: one script makes all three.
set(MIRVEL_SOUNDS
  ${MIRVEL_PROGRAM_DIR}/Zvuky/dobre.mp3
  ${MIRVEL_PROGRAM_DIR}/Zvuky/zle.mp3
  ${MIRVEL_PROGRAM_DIR}/Zvuky/neskoro.mp3)
add_custom_command(
  OUTPUT ${MIRVEL_SOUNDS}
  COMMAND sh ${CMAKE_SOURCE_DIR}/tools/make_sounds.sh ${MIRVEL_PROGRAM_DIR}/Zvuky
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_sounds.sh
  COMMENT "Synthesising feedback sounds"
  VERBATIM)
list(APPEND MIRVEL_ASSET_OUTPUTS ${MIRVEL_SOUNDS})

# Pictures: assets/pictures/<name>.svg -> <dir>/<name>.png at <size> pixels.
function(mirvel_picture name size dir)
  set(src ${MIRVEL_ASSETS}/pictures/${name}.svg)
  set(out ${dir}/${name}.png)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${MIRVEL_RSVG} -w ${size} -h ${size} -f png -o ${out} ${src}
    DEPENDS ${src}
    COMMENT "Rendering ${name}.png"
    VERBATIM)
  set(MIRVEL_ASSET_OUTPUTS ${MIRVEL_ASSET_OUTPUTS} ${out} PARENT_SCOPE)
endfunction()

foreach(name smile1 smile2 smile3
    neutral0 neutral1 neutral2 neutral3 neutral4
    neutral5 neutral6 neutral7 neutral8 neutral9)
  mirvel_picture(${name} 128 ${MIRVEL_PROGRAM_DIR}/Emotikony)
endforeach()
mirvel_picture(b1 96 ${MIRVEL_PROGRAM_DIR}/Emotikony)
mirvel_picture(b2 96 ${MIRVEL_PROGRAM_DIR}/Emotikony)
mirvel_picture(mirvel 256 ${MIRVEL_PROGRAM_DIR})

# Help pages: copied as they are.
file(GLOB_RECURSE MIRVEL_HELP_SOURCES CONFIGURE_DEPENDS
  RELATIVE ${MIRVEL_ASSETS}/help ${MIRVEL_ASSETS}/help/*.html)
foreach(page ${MIRVEL_HELP_SOURCES})
  set(out ${MIRVEL_PROGRAM_DIR}/Pomoc/${page})
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy ${MIRVEL_ASSETS}/help/${page} ${out}
    DEPENDS ${MIRVEL_ASSETS}/help/${page}
    COMMENT "Copying help page ${page}"
    VERBATIM)
  list(APPEND MIRVEL_ASSET_OUTPUTS ${out})
endforeach()

add_custom_target(mirvel_assets ALL DEPENDS ${MIRVEL_ASSET_OUTPUTS})
