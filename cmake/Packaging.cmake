# The Debian package: `cpack -G DEB` in the build folder makes zepharin_VERSION_ARCH.deb of what
# `cmake --install` installs, under /usr. Its Depends come from the shared libraries the programs
# link (dpkg-shlibdeps), plus what they load or draw with at run time but do not link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zepharin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ZEPHARIN Inside Admission")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "valve gear simulator for inside-admission piston valves")
set(CPACK_PACKAGE_DESCRIPTION
"An interactive simulator of a steam-locomotive valve gear driving an
inside-admission piston valve, for locomotive and live-steam model designers.
It animates one driver with its crank, main rod and piston and the valve gear
that drives the valve, shows the steam phases at each cylinder end, and draws
the sine, oval, steam and port events diagrams.

The companion zepharin-report prints the valve events, the solved linkage and
the diagrams of a design without a window, and studies the valve setting:
the sensitivity of each event to each dimension, a search for balanced events
and the spread of the events over designs built to tolerances with worn pins.")

# CPack stages a Debian package with DESTDIR set and this prefix, so the install rules know they
# are not installing into a live system (data/ then leaves the desktop's caches alone: dpkg's
# triggers refresh them on installation).
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(ZEPH_PACKAGE_MAINTAINER "ZEPHARIN developers <zepharin@example.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZEPH_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not linked but needed: the fonts the picture, the diagrams and the menus are drawn in (Qt's
# X11 and offscreen platform plugins come with the Qt Gui library itself).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# The file type of *.dzg and the desktop entry's type list, taken up by their tools' triggers.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "man-db")

include(CPack)
