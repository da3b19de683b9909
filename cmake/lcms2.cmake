# LittleCMS 2 as a static library, built with the cross compilers from the source that
# scripts/fetch_lcms2.sh keeps outside the source tree.
set(TINTORA_LCMS2_DIR "$ENV{TINTORA_LCMS2_DIR}" CACHE PATH "LittleCMS 2.14 source folder")
if(NOT TINTORA_LCMS2_DIR)
  set(TINTORA_LCMS2_DIR "$ENV{HOME}/.cache/tintora/lcms2-2.14" CACHE PATH "" FORCE)
endif()
if(NOT EXISTS "${TINTORA_LCMS2_DIR}/include/lcms2.h")
  message(FATAL_ERROR "LittleCMS source not found in ${TINTORA_LCMS2_DIR}: run scripts/setup.sh")
endif()

file(GLOB TINTORA_LCMS2_SOURCES "${TINTORA_LCMS2_DIR}/src/*.c")
add_library(lcms2 STATIC ${TINTORA_LCMS2_SOURCES})
target_include_directories(lcms2 SYSTEM PUBLIC "${TINTORA_LCMS2_DIR}/include")
target_include_directories(lcms2 PRIVATE "${TINTORA_LCMS2_DIR}/src")
# Its own code, its own warnings: ours are not applied to it.
target_compile_options(lcms2 PRIVATE -w)
