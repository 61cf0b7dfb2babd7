# The setup folder build/setup/: what a user copies to another machine and
# installs from (cd build/setup && ./Install). It holds the chooser, the two
# installer builds, the payload TV0.dat ... TV8.dat (the programs and their
# manifests under their setup names), the two help files and the skins in
# their setup form. The programs of the payload are stripped of their
# debug information. The help files also go beside the programs in the suite
# folder, where the monitor opens them.
set(TAVO_SETUP_DIR ${CMAKE_BINARY_DIR}/setup)
set_target_properties(Install Pondel_FR Pondel_EN PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TAVO_SETUP_DIR})

# Manifests: a small text per program, its name, version and what it needs.
set(TAVO_MANIFEST_DIR ${CMAKE_BINARY_DIR}/manifests)
set(TAVO_NEEDS_Tavo "Qt 6 (Core, Gui, Widgets, Network); /proc/net/dev; a notification area")
set(TAVO_NEEDS_Update "Qt 6 (Core, Gui, Widgets, Network)")
set(TAVO_NEEDS_TavoStat "Qt 6 (Core, Gui, Widgets, PrintSupport)")
set(TAVO_NEEDS_TavoLogV "Qt 6 (Core, Gui, Widgets, PrintSupport)")
foreach(program Tavo Update TavoStat TavoLogV)
  file(CONFIGURE OUTPUT ${TAVO_MANIFEST_DIR}/${program}.manifest
       CONTENT "Name=${program}\nVersion=${PROJECT_VERSION}\nNeeds=${TAVO_NEEDS_${program}}\n"
       NEWLINE_STYLE CRLF)
endforeach()

# Help files, rendered into the suite folder.
set(TAVO_HELP_OUTPUTS)
foreach(lang FR EN)
  set(source ${CMAKE_SOURCE_DIR}/installer/help/Tavo_${lang}.md)
  set(pdf ${TAVO_SUITE_DIR}/Tavo_${lang}.pdf)
  if(lang STREQUAL "FR")
    set(title "Tavo - Aide")
  else()
    set(title "Tavo - Help")
  endif()
  # The renderer needs fonts but no display; a sanitized build of it must
  # not fail the build over the font library's own allocations.
  add_custom_command(OUTPUT ${pdf}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:tavo_helpdoc> ${source} ${pdf} ${title}
    DEPENDS tavo_helpdoc ${source}
    COMMENT "Rendering Tavo_${lang}.pdf"
    VERBATIM)
  list(APPEND TAVO_HELP_OUTPUTS ${pdf})
endforeach()

# The suite's icon, drawn into the suite folder.
set(TAVO_ICON ${TAVO_SUITE_DIR}/Tavo.png)
add_custom_command(OUTPUT ${TAVO_ICON}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:tavo_suiteicon> ${TAVO_ICON}
  DEPENDS tavo_suiteicon
  COMMENT "Drawing Tavo.png"
  VERBATIM)

# Setup name, then the file it is a copy of; the rows of the file table.
set(TAVO_PAYLOAD
  TV0.dat $<TARGET_FILE:Tavo>
  TV1.dat ${TAVO_MANIFEST_DIR}/Tavo.manifest
  TV2.dat $<TARGET_FILE:Uninstall>
  TV3.dat $<TARGET_FILE:Update>
  TV4.dat ${TAVO_MANIFEST_DIR}/Update.manifest
  TV5.dat $<TARGET_FILE:TavoStat>
  TV6.dat ${TAVO_MANIFEST_DIR}/TavoStat.manifest
  TV7.dat $<TARGET_FILE:TavoLogV>
  TV8.dat ${TAVO_MANIFEST_DIR}/TavoLogV.manifest
  Tavo_FR.pdf ${TAVO_SUITE_DIR}/Tavo_FR.pdf
  Tavo_EN.pdf ${TAVO_SUITE_DIR}/Tavo_EN.pdf
  Tavo.png ${TAVO_ICON}
)
set(TAVO_SETUP_OUTPUTS)
list(LENGTH TAVO_PAYLOAD payload_length)
math(EXPR last "${payload_length} - 1")
foreach(i RANGE 0 ${last} 2)
  math(EXPR j "${i} + 1")
  list(GET TAVO_PAYLOAD ${i} setup_name)
  list(GET TAVO_PAYLOAD ${j} from)
  # A target's file names its target as the dependency, a file itself.
  string(REGEX REPLACE "^\\$<TARGET_FILE:(.*)>$" "\\1" depends "${from}")
  # The programs go to users without their debug information (the build
  # folder's own keep it, for the tests and the debugger).
  set(strip_command)
  if(NOT depends STREQUAL from AND CMAKE_STRIP)
    set(strip_command COMMAND ${CMAKE_STRIP} --strip-debug --strip-unneeded ${TAVO_SETUP_DIR}/${setup_name})
  endif()
  add_custom_command(OUTPUT ${TAVO_SETUP_DIR}/${setup_name}
    COMMAND ${CMAKE_COMMAND} -E copy ${from} ${TAVO_SETUP_DIR}/${setup_name}
    ${strip_command}
    DEPENDS ${depends}
    VERBATIM)
  list(APPEND TAVO_SETUP_OUTPUTS ${TAVO_SETUP_DIR}/${setup_name})
endforeach()

# The shipped skins, in their setup form.
file(GLOB TAVO_SETUP_SKIN_FILES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/monitor/skins/*.xs0 ${CMAKE_SOURCE_DIR}/monitor/skins/*.bm0)
foreach(skin IN LISTS TAVO_SETUP_SKIN_FILES)
  get_filename_component(name ${skin} NAME)
  configure_file(${skin} ${TAVO_SETUP_DIR}/${name} COPYONLY)
endforeach()

add_custom_target(tavo_setup ALL DEPENDS ${TAVO_SETUP_OUTPUTS} ${TAVO_HELP_OUTPUTS})
add_dependencies(tavo_setup Install Pondel_FR Pondel_EN)

# The end-to-end test installs from a copy of this folder.
if(TARGET installer_setup_tests)
  add_dependencies(installer_setup_tests tavo_setup)
endif()
