# What `cmake --install` puts under the prefix: the program and what a Linux desktop needs
# to show it in its menu (desktop entry, icons, AppStream metainfo).
include(GNUInstallDirs)

# Desktop entry, icon and metainfo are named after this id; the program announces it as
# its desktop file name.
set(QUORKIT_APP_ID io.github.quorkit.quorkit)
set(QUORKIT_ICON_SIZES 16 24 32 48 64 128 256)

# quorkit-drive goes along: it runs the windows from a script without a display, and the
# program points to it when it is started without one.
install(TARGETS quorkit quorkit-drive RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_SOURCE_DIR}/packaging/${QUORKIT_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(${CMAKE_SOURCE_DIR}/packaging/${QUORKIT_APP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${QUORKIT_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${QUORKIT_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The hicolor sizes are scaled from the one icon the program carries.
find_package(Qt6 REQUIRED COMPONENTS Gui)
add_executable(quorkit-icon-sizes ${CMAKE_SOURCE_DIR}/packaging/icon_sizes.cpp)
target_link_libraries(quorkit-icon-sizes PRIVATE Qt6::Gui)
set(icon_dir ${CMAKE_BINARY_DIR}/packaging/icons)
set(icon_files)
foreach(size IN LISTS QUORKIT_ICON_SIZES)
  set(icon ${icon_dir}/${size}x${size}/apps/${QUORKIT_APP_ID}.png)
  list(APPEND icon_files ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND quorkit-icon-sizes ${CMAKE_SOURCE_DIR}/res/icons/128.png ${icon_dir}
          ${QUORKIT_APP_ID} ${QUORKIT_ICON_SIZES}
  DEPENDS quorkit-icon-sizes ${CMAKE_SOURCE_DIR}/res/icons/128.png
  COMMENT "Scaling the program icon to the hicolor sizes"
  VERBATIM)
add_custom_target(quorkit_icons ALL DEPENDS ${icon_files})

# Manual pages and the package's documents, compressed (cmake/QuorKitGzip.cmake).
set(man_dir ${CMAKE_BINARY_DIR}/packaging/man)
foreach(page quorkit.1 quorkit-drive.1)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/man/${page} ${man_dir}/${page} @ONLY)
  quorkit_gzip(${man_dir}/${page} man_${page})
  install(FILES ${man_dir}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The copyright file and the changelog of a native package (/usr/share/doc/PACKAGE).
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^quorkit \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog starts with \"${changelog_head}\", not version ${PROJECT_VERSION}")
endif()
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/quorkit)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/packaging/changelog COPYONLY)
quorkit_gzip(${CMAKE_BINARY_DIR}/packaging/changelog quorkit_changelog)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${doc_dir})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${doc_dir})
