# The installed CMake package: `find_package(Morv)` gives the libraries that link no Qt as
# Morv::KWELAR, Morv::Ralvo, Morv::Tovicls, Morv::Platform and Morv::MorvModel; where the
# windows were built, the component Windows (`find_package(Morv COMPONENTS Windows)`) adds
# the libraries that link Qt 6, Morv::PlatformQt, Morv::KwelarWindows, Morv::ToviWindows and
# Morv::MorvWindow, and only then is Qt looked for.
include(CMakePackageConfigHelpers)
set(MORV_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Morv)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/MorvConfig.cmake.in
    ${CMAKE_BINARY_DIR}/MorvConfig.cmake
    INSTALL_DESTINATION ${MORV_PACKAGE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/MorvConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(EXPORT MorvTargets NAMESPACE Morv:: DESTINATION ${MORV_PACKAGE_DIR})
get_property(windows_exported GLOBAL PROPERTY MORV_WINDOWS_EXPORTED)
if(windows_exported)
    install(EXPORT MorvWindowsTargets NAMESPACE Morv:: DESTINATION ${MORV_PACKAGE_DIR})
endif()
install(FILES ${CMAKE_BINARY_DIR}/MorvConfig.cmake ${CMAKE_BINARY_DIR}/MorvConfigVersion.cmake
    DESTINATION ${MORV_PACKAGE_DIR})
