# The installed CMake package: `find_package(Morv)` gives the libraries as Morv::KWELAR,
# Morv::Ralvo, Morv::Tovicls, Morv::Platform, Morv::MorvModel and, where the windows were
# built, Morv::PlatformQt, Morv::KwelarWindows, Morv::ToviWindows and Morv::MorvWindow.
include(CMakePackageConfigHelpers)
set(MORV_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Morv)
set(MORV_PACKAGE_NEEDS_QT ${MORV_WINDOWS})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/MorvConfig.cmake.in
    ${CMAKE_BINARY_DIR}/MorvConfig.cmake
    INSTALL_DESTINATION ${MORV_PACKAGE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/MorvConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(EXPORT MorvTargets NAMESPACE Morv:: DESTINATION ${MORV_PACKAGE_DIR})
install(FILES ${CMAKE_BINARY_DIR}/MorvConfig.cmake ${CMAKE_BINARY_DIR}/MorvConfigVersion.cmake
    DESTINATION ${MORV_PACKAGE_DIR})
