# The parser of the description language is generated from frontend/grammar.y
# at build time; the generated files live in the build tree only.
find_package(BISON 3.8 REQUIRED)

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/frontend)
BISON_TARGET(TarvicGrammar
  ${CMAKE_SOURCE_DIR}/frontend/grammar.y
  ${CMAKE_BINARY_DIR}/frontend/grammar.cc
  DEFINES_FILE ${CMAKE_BINARY_DIR}/frontend/grammar.hh
  COMPILE_FLAGS "-Wall")

set(TARVIC_GENERATED_SOURCES ${BISON_TarvicGrammar_OUTPUTS})
