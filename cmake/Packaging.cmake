# Installs Tessarine like a Linux desktop program and packs it as a Debian package:
#
#   /opt/tessarine/                  the program folder: tessarine, tessarine-check and the sample
#                                    Images, Symbols, Attributes and Sounds (the program looks for its
#                                    media beside its executable)
#   /usr/bin/tessarine               launchers: relative symbolic links into the program folder
#   /usr/bin/tessarine-check
#   /usr/share/applications/tessarine.desktop
#   /usr/share/icons/hicolor/32x32/apps/tessarine.png       drawn by the program's own icon code
#   /usr/share/icons/hicolor/scalable/apps/tessarine.svg
#
# The paths are relative to the install prefix, which is "/": `cmake --install` puts the program
# where the package does, and `--prefix` or DESTDIR stage that same layout elsewhere (the desktop
# entry always names /usr/bin/tessarine, where the installed system has it).

# CMake's own default, /usr/local, would give /usr/local/opt/...; it is replaced once, also in build
# folders configured before this file existed, while a prefix chosen later is kept.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT
   OR (NOT DEFINED CACHE{TESSARINE_INSTALL_PREFIX_CHOSEN} AND CMAKE_INSTALL_PREFIX STREQUAL "/usr/local"))
    set(CMAKE_INSTALL_PREFIX "/" CACHE PATH "Install prefix; the layout below it is opt/ and usr/" FORCE)
endif()
set(TESSARINE_INSTALL_PREFIX_CHOSEN ON CACHE INTERNAL "The install prefix has been settled")

set(TESSARINE_INSTALL_PROGRAMDIR "opt/tessarine" CACHE STRING "Program folder, relative to the prefix")
set(TESSARINE_INSTALL_BINDIR "usr/bin" CACHE STRING "Folder of the launchers, relative to the prefix")
set(TESSARINE_INSTALL_DATADIR "usr/share" CACHE STRING "Shared data folder, relative to the prefix")

set(_tessarine_packaging_out ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${_tessarine_packaging_out}/links)

# The desktop entry starts the launcher by its full path on the installed system.
set(TESSARINE_LAUNCHER "/${TESSARINE_INSTALL_BINDIR}/tessarine")
cmake_path(NORMAL_PATH TESSARINE_LAUNCHER)
configure_file(${PROJECT_SOURCE_DIR}/packaging/tessarine.desktop.in ${_tessarine_packaging_out}/tessarine.desktop @ONLY)

# Relative links, so that they also resolve inside a staging folder or an unpacked package.
file(RELATIVE_PATH _tessarine_link_target /${TESSARINE_INSTALL_BINDIR} /${TESSARINE_INSTALL_PROGRAMDIR})
foreach(_program tessarine tessarine-check)
    file(CREATE_LINK ${_tessarine_link_target}/${_program} ${_tessarine_packaging_out}/links/${_program} SYMBOLIC)
endforeach()

# The 32 by 32 icon is the one the windows carry, written out by the program's own drawing code.
add_executable(tessarine_make_icon ${PROJECT_SOURCE_DIR}/packaging/make_icon.cpp)
target_link_libraries(tessarine_make_icon PRIVATE tessarine_widgets)
add_custom_command(OUTPUT ${_tessarine_packaging_out}/tessarine-32.png
    COMMAND tessarine_make_icon ${_tessarine_packaging_out}/tessarine-32.png
    DEPENDS tessarine_make_icon
    COMMENT "Drawing the desktop icon")
add_custom_target(tessarine_icon ALL DEPENDS ${_tessarine_packaging_out}/tessarine-32.png)

set(_tessarine_programs tessarine)
if(TARGET tessarine-check)
    list(APPEND _tessarine_programs tessarine-check)
endif()
install(TARGETS ${_tessarine_programs} RUNTIME DESTINATION ${TESSARINE_INSTALL_PROGRAMDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/Images ${PROJECT_SOURCE_DIR}/samples/Symbols
                  ${PROJECT_SOURCE_DIR}/samples/Attributes ${PROJECT_SOURCE_DIR}/samples/Sounds
        DESTINATION ${TESSARINE_INSTALL_PROGRAMDIR})
foreach(_program IN LISTS _tessarine_programs)
    install(FILES ${_tessarine_packaging_out}/links/${_program} DESTINATION ${TESSARINE_INSTALL_BINDIR})
endforeach()
install(FILES ${_tessarine_packaging_out}/tessarine.desktop DESTINATION ${TESSARINE_INSTALL_DATADIR}/applications)
install(FILES ${_tessarine_packaging_out}/tessarine-32.png
        DESTINATION ${TESSARINE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME tessarine.png)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tessarine.svg DESTINATION ${TESSARINE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The Debian package: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME tessarine)
set(CPACK_PACKAGE_VENDOR "Tessarine")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture recognition trainer for special-needs teaching")
# One text, not a list: set() with several strings would join them with semicolons, and those would
# show in the package's description. Lines break as `apt show` prints them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tessarine shows the picture of an object with its caption; the learner finds\n"
    "the object's symbol and then the attribute that describes it. For teachers,\n"
    "therapists and parents who work with children or adults with autism,\n"
    "intellectual disability or language disorders. The pictures are the\n"
    "teacher's own, tied together by their file names; tessarine-check tells\n"
    "which of them will not work before a learner sits down.")
# The package's layout is fixed (opt/, usr/ below the root), whatever prefix the build folder has.
set(CPACK_PACKAGING_INSTALL_PREFIX "/")
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tessarine developers <tessarine@localhost>")
# Loaded at run time, so no library scan finds them: the platform plugins, the sound output, the
# font the windows were laid out for, the SQLite and PostgreSQL drivers of the learners' records, the voices of
# the spoken captions (flite for English, espeak-ng through speech-dispatcher for the rest), Qt's own
# catalogues for its dialogs' texts, and Qt's readers of WebP, TIFF and SVG pictures for adding photos
# (libqt6svg6 holds the SVG one). libheif1, which reads HEIC photos, brings its HEVC decoder.
set(_tessarine_runtime_depends
    "qt6-qpa-plugins, libpulse0, fonts-liberation2, libqt6sql6-sqlite, libqt6sql6-psql, qt6-speech-flite-plugin, qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng, qt6-translations-l10n, qt6-image-formats-plugins, libqt6svg6, libheif1")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS ${_tessarine_runtime_depends})
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6multimedia6 (>= 6.4), libqt6sql6 (>= 6.4), libqt6charts6 (>= 6.4), libqt6texttospeech6 (>= 6.4), libjpeg62-turbo, ${_tessarine_runtime_depends}")
endif()
include(CPack)
