# Installation (cmake --install <build> --prefix P) and the Debian package (cpack -G DEB in <build>):
#   P/bin/sanavo                        the launcher (scripts/sanavo-launcher.sh): lays out the user's
#                                       application folder on the first start, then runs the program
#   P/lib/sanavo/sanavo                 the program; its pictures are ../../share/sanavo/pictures from it
#   P/share/sanavo/pictures/*.gif       the pictures
#   P/share/sanavo/templates/           sanavodb.mdb and sanavo.ini, copied into a new application folder
#   P/share/applications/sanavo.desktop, P/share/metainfo/org.sanavo.sanavo.metainfo.xml
#   P/share/icons/hicolor/<N>x<N>/apps/sanavo.png
#   P/share/doc/sanavo/copyright, changelog.gz, P/share/man/man1/sanavo.1.gz
# The folders are fixed rather than taken from GNUInstallDirs: the program finds its pictures by the
# relative path above, which a multiarch library folder would break.
set(SANAVO_DESKTOP ${CMAKE_SOURCE_DIR}/assets/desktop)

# The icon: the hospital mark at the sizes of the hicolor theme.
set(SANAVO_ICON_SIZES 16 32 48 64 128 256)
set(SANAVO_ICONS ${CMAKE_BINARY_DIR}/icons)
add_executable(makeicons ${CMAKE_SOURCE_DIR}/tools/makeicons.cpp ${CMAKE_SOURCE_DIR}/src/shell/HospitalMark.cpp)
target_include_directories(makeicons PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(makeicons PRIVATE Qt6::Gui)
set(icon_files)
foreach(n IN LISTS SANAVO_ICON_SIZES)
  list(APPEND icon_files ${SANAVO_ICONS}/${n}x${n}/apps/sanavo.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND makeicons ${SANAVO_ICONS} ${SANAVO_ICON_SIZES}
  DEPENDS makeicons
  COMMENT "Drawing the icons")
add_custom_target(icons ALL DEPENDS ${icon_files})

# The changelog and the manual page, compressed as Debian wants them: best and without name or time.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(SANAVO_DOC ${CMAKE_BINARY_DIR}/doc)
add_custom_command(OUTPUT ${SANAVO_DOC}/changelog.gz ${SANAVO_DOC}/sanavo.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SANAVO_DOC}
  COMMAND ${GZIP_EXECUTABLE} -9n -c ${SANAVO_DESKTOP}/changelog > ${SANAVO_DOC}/changelog.gz
  COMMAND ${GZIP_EXECUTABLE} -9n -c ${SANAVO_DESKTOP}/sanavo.1 > ${SANAVO_DOC}/sanavo.1.gz
  DEPENDS ${SANAVO_DESKTOP}/changelog ${SANAVO_DESKTOP}/sanavo.1
  COMMENT "Compressing the changelog and the manual page"
  VERBATIM)
add_custom_target(install_doc ALL DEPENDS ${SANAVO_DOC}/changelog.gz ${SANAVO_DOC}/sanavo.1.gz)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS sanavo RUNTIME DESTINATION lib/sanavo)
# A stripped installation (cmake --install --strip, and the package) also drops the compiler's notes.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/sanavo/sanavo\" COMMAND_ERROR_IS_FATAL ANY)
endif()")
# The installed program resolves its symbols at start, so its relocations can be made read-only.
target_link_options(sanavo PRIVATE LINKER:-z,now)
install(PROGRAMS ${CMAKE_SOURCE_DIR}/scripts/sanavo-launcher.sh DESTINATION bin RENAME sanavo)
if(TARGET pictures)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/pictures/ DESTINATION share/sanavo/pictures FILES_MATCHING PATTERN "*.gif")
endif()
install(FILES ${SANAVO_DELIVERED_DB} ${CMAKE_SOURCE_DIR}/assets/sanavo.ini DESTINATION share/sanavo/templates)
install(FILES ${SANAVO_DESKTOP}/sanavo.desktop DESTINATION share/applications)
install(FILES ${SANAVO_DESKTOP}/org.sanavo.sanavo.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${SANAVO_ICONS}/ DESTINATION share/icons/hicolor FILES_MATCHING PATTERN "*.png")
install(FILES ${SANAVO_DESKTOP}/copyright ${SANAVO_DOC}/changelog.gz DESTINATION share/doc/sanavo)
install(FILES ${SANAVO_DOC}/sanavo.1.gz DESTINATION share/man/man1)

# The Debian package: cpack -G DEB in the build folder makes sanavo_1.0_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sanavo)
set(CPACK_PACKAGE_VENDOR "Sanavo developers")
set(CPACK_PACKAGE_CONTACT "Sanavo developers <dev@sanavo.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Sanavo developers <dev@sanavo.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The reports are set in Liberation Sans; fontconfig stands in another sans where it is missing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "front office of a small hospital")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Sanavo registers out-patients and in-patients, keeps doctors, employees,
user accounts, lab and X-ray price lists and consultant fees, raises, prints
and cancels bills, records discharges, prints cash reports and backs up its
database. Each user works on an application folder that the command sanavo
lays out on the first start.")
include(CPack)

# Installs into a temporary prefix and checks the layout and the launcher.
add_test(NAME install.LayoutAndLauncher
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR}
                 ${CMAKE_SOURCE_DIR})
set_tests_properties(install.LayoutAndLauncher PROPERTIES TIMEOUT 60)
