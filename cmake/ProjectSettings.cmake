# One INTERFACE target carries the language standard, the warnings and Qt's
# strictness defines; every target of the project links it.
add_library(inserter_settings INTERFACE)
target_compile_features(inserter_settings INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(inserter_settings INTERFACE -Wall -Wextra -Wpedantic -Wcast-qual -Woverloaded-virtual
                                                     -Wold-style-cast -Wnon-virtual-dtor -Wshadow)
  if(INSERTER_WARNINGS_AS_ERRORS)
    target_compile_options(inserter_settings INTERFACE -Werror)
  endif()
elseif(MSVC)
  target_compile_options(inserter_settings INTERFACE /W4 /utf-8)
  if(INSERTER_WARNINGS_AS_ERRORS)
    target_compile_options(inserter_settings INTERFACE /WX)
  endif()
endif()

target_compile_definitions(inserter_settings INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_CONTEXTLESS_CONNECT
  QT_USE_QSTRINGBUILDER
  QT_NO_KEYWORDS)
