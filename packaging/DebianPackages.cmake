# `cpack` in the build folder makes four Debian packages: the library, its development files,
# polylex and lumivue. Their dependencies on Debian's libraries come from dpkg-shlibdeps. Each
# description's first line is the package's synopsis.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_VENDOR "Quorvane")
set(CPACK_PACKAGE_CONTACT "Polylex developers <polylex@quorvane.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Library Development Polylex Lumivue)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# lumivue needs the library from the package built beside it, which dpkg-shlibdeps cannot know.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/lexcore5)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)

set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME liblexcore5-${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_LIBRARY_DESCRIPTION [=[multilingual lexical database library
lexcore5 keeps wordnets of many languages, linked through an inter-lingual index, in one
database file with its own record store, and gives programs their concepts, variants,
relations and equivalences.]=])

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME liblexcore5-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS Library)
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION [=[multilingual lexical database library - development files
The headers of lexcore5, its pkg-config file and its CMake package
(find_package(lexcore5) gives lexcore5::lexcore5).]=])

set(CPACK_DEBIAN_POLYLEX_PACKAGE_NAME polylex)
set(CPACK_DEBIAN_POLYLEX_PACKAGE_SECTION text)
set(CPACK_DEBIAN_POLYLEX_PACKAGE_SUGGESTS wordnet-base)
set(CPACK_COMPONENT_POLYLEX_DESCRIPTION [=[build and query multilingual lexical databases
polylex builds lexical databases from Princeton WordNet 3.0, Open Multilingual Wordnet tab
files and WN-LMF XML, looks words up in them, lists word forms and exports concepts.]=])

set(CPACK_DEBIAN_LUMIVUE_PACKAGE_NAME lumivue)
set(CPACK_DEBIAN_LUMIVUE_PACKAGE_SECTION text)
# The fonts draw Arabic and Hebrew (DejaVu) and Han (WenQuanYi Micro Hei) text.
set(CPACK_DEBIAN_LUMIVUE_PACKAGE_RECOMMENDS "polylex, fonts-dejavu-core, fonts-wqy-microhei")
set(CPACK_COMPONENT_LUMIVUE_DEPENDS Library)
set(CPACK_COMPONENT_LUMIVUE_DESCRIPTION [=[desktop viewer of multilingual lexical databases
Lumivue shows the meanings of words in the databases polylex builds, with their relations,
and two languages side by side, joined where their meanings share an index record.]=])

include(CPack)
