# Installs the build into a prefix of its own and starts the installed program through its
# bin link: the program folder must hold the program, its language files, manual table and
# manuals, a reinstall must keep language files already there, and the program must run from
# its folder and find its language files there.
#
#   cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<source> -DPREFIX=<empty folder> -P installcheck.cmake

foreach(var BUILD_DIR SOURCE_DIR PREFIX)
  if(NOT ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

set(folder ${PREFIX}/lib/quirrel2)
set(link ${PREFIX}/bin/quirrel2)
set(languages LCG LCE LCF LCS LMG LME LMF LMS)

function(install_build)
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
  endif()
endfunction()

function(expect_file path)
  if(NOT EXISTS ${path} OR IS_DIRECTORY ${path})
    message(FATAL_ERROR "missing: ${path}")
  endif()
endfunction()

function(expect_same_file a b)
  file(SHA256 ${a} ha)
  file(SHA256 ${b} hb)
  if(NOT ha STREQUAL hb)
    message(FATAL_ERROR "${a} differs from ${b}")
  endif()
endfunction()

file(REMOVE_RECURSE ${PREFIX})
install_build()

# The program folder, the link and the menu entry.
expect_file(${folder}/quirrel2)
expect_file(${folder}/QRX.INI)
expect_file(${folder}/manuals/orbitel_de.html)
expect_file(${PREFIX}/share/applications/quirrel2.desktop)
expect_file(${PREFIX}/share/icons/hicolor/256x256/apps/quirrel2.png)
foreach(ext ${languages})
  expect_same_file(${folder}/QRXLANG.${ext} ${SOURCE_DIR}/resources/lang/QRXLANG.${ext})
endforeach()
if(NOT IS_SYMLINK ${link})
  message(FATAL_ERROR "${link} is not a link")
endif()
file(REAL_PATH ${link} target)
file(REAL_PATH ${folder}/quirrel2 program)
if(NOT target STREQUAL program)
  message(FATAL_ERROR "${link} leads to ${target}, not to ${program}")
endif()

# A translator's own edit in the program folder survives a reinstall.
file(APPEND ${folder}/QRXLANG.LCE "[own]\r\nedit=kept\r\n")
file(READ ${folder}/QRXLANG.LCE edited)
install_build()
file(READ ${folder}/QRXLANG.LCE reinstalled)
if(NOT reinstalled STREQUAL edited)
  message(FATAL_ERROR "the reinstall replaced the edited QRXLANG.LCE")
endif()

# Started through the link, the program reads and rewrites its German forms file in the
# program folder at creation; a comment line there is dropped by that rewrite, so the file is
# the shipped one again. It must still run after a few seconds (it has no switch to quit by
# itself, so the wait ends it).
file(APPEND ${folder}/QRXLANG.LCG "; a comment line the program drops\r\n")
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{QUIRREL2_METER} sim:502)
execute_process(COMMAND ${link} TIMEOUT 4 RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE out)
if(rc MATCHES "^[0-9-]+$" OR NOT rc MATCHES "timeout")
  message(FATAL_ERROR "the installed program ended by itself (${rc}):\n${out}")
endif()
expect_same_file(${folder}/QRXLANG.LCG ${SOURCE_DIR}/resources/lang/QRXLANG.LCG)
file(GLOB strays ${PREFIX}/bin/QRXLANG.* ${PREFIX}/bin/*.INI)
if(strays)
  message(FATAL_ERROR "the program took bin for its folder: ${strays}")
endif()

file(REMOVE_RECURSE ${PREFIX})
