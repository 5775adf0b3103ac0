# Installation of the six programs as a desktop application, and the Debian package made from it
# with CPack: `cmake --install <build>` or `cpack --config <build>/CPackConfig.cmake`.
#
# An installed copy finds its data in <prefix>/share/<SLIP_APP_NAME> relative to its executable
# (the name comes from platform/CMakeLists.txt) and keeps the user's files in the user's data
# folder of the same name.
include(GNUInstallDirs)

set(SLIP_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(SLIP_PACKAGING_BINARY_DIR ${CMAKE_BINARY_DIR}/packaging)
set(SLIP_PROGRAMS keyprint5 keyprint6 keyprint7 combiprint5 combiprint6 combiprint7)
set(SLIP_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${SLIP_APP_NAME})

set(SLIP_PACKAGE_MAINTAINER
    "Lottó szelvénynyomtatók karbantartói <maintainers@users.noreply.c-seed-9eeea4fb.example>"
    CACHE STRING "Maintainer named in the Debian package")
set(SLIP_PROJECT_LICENSE "LicenseRef-proprietary"
    CACHE STRING "SPDX expression of the programs' licence, for the AppStream metadata")
# The AppStream component id: reverse-DNS, as AppStream asks of desktop applications. Only the
# metadata carries it; the data and user folders keep the application name.
set(SLIP_APPSTREAM_ID hu.kelvadata.lottoszelveny)

# The programs link only static libraries of their own and the system's Qt, so the installed
# executables need no library search path (qt_standard_project_setup() would add $ORIGIN).
set_target_properties(${SLIP_PROGRAMS} PROPERTIES INSTALL_RPATH "")
install(TARGETS ${SLIP_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/${SLIP_APP_NAME})

# Menu entries, icons and the AppStream description of all six programs.
foreach(program IN LISTS SLIP_PROGRAMS)
    install(FILES ${SLIP_PACKAGING_DIR}/applications/${program}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endforeach()
install(DIRECTORY ${SLIP_PACKAGING_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
configure_file(${SLIP_PACKAGING_DIR}/metainfo/metainfo.xml.in
               ${SLIP_PACKAGING_BINARY_DIR}/${SLIP_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${SLIP_PACKAGING_BINARY_DIR}/${SLIP_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Files Debian wants compressed with maximum compression and no name or time stamp: the
# changelog and the manual pages. Compressed at configure time so that packaging needs no build
# step of its own; the configure step reruns when one of them changes.
function(slip_gzip source output)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    execute_process(COMMAND gzip -9 -n -c ${source} OUTPUT_FILE ${output}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "gzip could not compress ${source}")
    endif()
endfunction()

slip_gzip(${SLIP_PACKAGING_DIR}/debian/changelog ${SLIP_PACKAGING_BINARY_DIR}/changelog.gz)
install(FILES ${SLIP_PACKAGING_DIR}/debian/copyright ${SLIP_PACKAGING_BINARY_DIR}/changelog.gz
        DESTINATION ${SLIP_DOC_DIR})

# One manual page per family, named after its 5-number program; the other two programs of the
# family are links to it.
set(slip_man_dir ${SLIP_PACKAGING_BINARY_DIR}/man)
file(MAKE_DIRECTORY ${slip_man_dir})
foreach(family keyprint combiprint)
    slip_gzip(${SLIP_PACKAGING_DIR}/man/${family}5.1 ${slip_man_dir}/${family}5.1.gz)
    foreach(game 6 7)
        file(CREATE_LINK ${family}5.1.gz ${slip_man_dir}/${family}${game}.1.gz SYMBOLIC)
    endforeach()
endforeach()
install(DIRECTORY ${slip_man_dir}/ DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package: <name>_<version>_<arch>.deb with computed library dependencies.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SLIP_APP_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lottószelvények kitöltése nyomtatóval")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Hat asztali program, amely a lottószelvényeket kézi kitöltés helyett
egy közönséges lapnyomtatóval tölti ki. A kulcsnyomtatók (keyprint5,
keyprint6, keyprint7) egy kulcsfájl sorait nyomtatják szelvényekre és A4-es
listára; a kombinációs nyomtatók (combiprint5, combiprint6, combiprint7)
rendszeres szelvényeket töltenek ki, teljes kombinációkat is.
Játékok: 5/90, 6/45 és 7/35.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${SLIP_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows and the printed slips are laid out for the metrics of Arial and Times New Roman;
# Liberation Sans and Serif have the same metrics (without them labels are cut off). Qt's own
# texts (the file dialog, "Mégse") come in Hungarian from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
