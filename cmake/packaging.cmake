# What `cmake --install` puts beside the two programs, and the Debian package
# that CPack builds from it: scanfee_<version>_amd64.deb.
include(GNUInstallDirs)

# The package's Release build optimises as Debian's own packages do (-O2):
# GCC 12 at -O3 reports false -Wrestrict warnings inside std::string. And
# with Debian's hardening: checked buffers, stack guards, read-only relocations.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG -D_FORTIFY_SOURCE=2 -fstack-protector-strong")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE "-Wl,-z,relro,-z,now")

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The programs go without the compiler's notes, as Debian's own do
# (dh_strip removes these sections; lintian: binary-has-unneeded-section).
# The programs are installed and stripped before this runs.
install(CODE "
  foreach(program scanfee scanfee-run)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
      RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR \"objcopy failed on \${program}\")
    endif()
  endforeach()")

# One launcher per edition.
install(FILES dist/scanfee-customer.desktop dist/scanfee-shop.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Manual pages and the changelog carry the project's version; Debian wants
# them compressed (gzip -n keeps the package reproducible).
find_program(SCANFEE_GZIP gzip REQUIRED)
set(scanfee_dist_out ${CMAKE_CURRENT_BINARY_DIR}/dist)
set(scanfee_gzipped)
foreach(page scanfee.1 scanfee-run.1)
  configure_file(dist/man/${page} ${scanfee_dist_out}/man/${page} @ONLY)
  list(APPEND scanfee_gzipped man/${page})
endforeach()
configure_file(dist/changelog.in ${scanfee_dist_out}/changelog @ONLY)
list(APPEND scanfee_gzipped changelog)
set(scanfee_gz_files)
foreach(file ${scanfee_gzipped})
  add_custom_command(OUTPUT ${scanfee_dist_out}/${file}.gz
    COMMAND ${SCANFEE_GZIP} -9 -n -c ${scanfee_dist_out}/${file} > ${scanfee_dist_out}/${file}.gz
    DEPENDS ${scanfee_dist_out}/${file} VERBATIM)
  list(APPEND scanfee_gz_files ${scanfee_dist_out}/${file}.gz)
endforeach()
add_custom_target(scanfee_dist_files ALL DEPENDS ${scanfee_gz_files})

install(FILES ${scanfee_dist_out}/man/scanfee.1.gz ${scanfee_dist_out}/man/scanfee-run.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES dist/copyright ${scanfee_dist_out}/changelog.gz docs/guide.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The pictures the guide shows (the editions' screens that look alike are
# shown once).
file(STRINGS docs/guide.md scanfee_guide_lines REGEX "\\(images/[^)]+\\.png\\)")
set(scanfee_guide_images)
foreach(line ${scanfee_guide_lines})
  string(REGEX MATCHALL "images/[^)]+\\.png" pictures "${line}")
  list(APPEND scanfee_guide_images ${pictures})
endforeach()
list(TRANSFORM scanfee_guide_images PREPEND docs/)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS docs/guide.md)
install(FILES ${scanfee_guide_images} DESTINATION ${CMAKE_INSTALL_DOCDIR}/images)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scanfee)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ホシナギ書籍工房")
set(CPACK_PACKAGE_CONTACT "ホシナギ書籍工房 <scanfee@example.com>")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://scanfee.example.com/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The design faces are mapped to the IPA faces; the title list and the
# statement need their fixed-pitch ones to line up their columns.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
# Japanese texts of Qt's own dialogs (file dialog, print dialog).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# CPack indents the lines of the long description itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"fee calculator and application papers for a book-scanning shop
scanfee prices an order of book scanning title by title: dismantling,
scanning and rebinding, options, media, return shipping, discount coupons
and the shop's discounts. The customer edition writes the order file a
customer sends in; the shop edition checks an order, takes payments into
account and writes the request sheet, power of attorney, management data,
gift deed, statement, estimate, invoice and receipt as Shift-JIS text.
.
The package holds the window program scanfee with launchers of both
editions, and scanfee-run, which plays scripts of user events against the
same screens without a display. All texts of the program are Japanese.")
include(CPack)
