# Warnings, strict Qt defines and sanitizers: every target links velkorin_options.
add_library(velkorin_options INTERFACE)
target_compile_options(velkorin_options INTERFACE -Wall -Wextra -Wpedantic -Wold-style-cast -Wshadow
  -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual)
if(VELKORIN_WERROR)
  target_compile_options(velkorin_options INTERFACE -Werror)
endif()
target_compile_definitions(velkorin_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_FOREACH
  QT_NO_KEYWORDS
  QT_STRICT_ITERATORS
  QT_USE_QSTRINGBUILDER)
if(VELKORIN_SANITIZE)
  target_compile_options(velkorin_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(velkorin_options INTERFACE -fsanitize=address,undefined)
endif()

# One folder = one static library of windows (velkorin_<folder>) plus its pure sources in velkorin_core.
#   velkorin_folder(<folder> CORE <pure sources...> UI <window sources...>)
function(velkorin_folder name)
  cmake_parse_arguments(F "" "" "CORE;UI" ${ARGN})
  if(F_CORE)
    target_sources(velkorin_core PRIVATE ${F_CORE})
  endif()
  if(NOT F_UI)
    set(F_UI ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(velkorin_${name} STATIC ${F_UI})
  target_link_libraries(velkorin_${name} PUBLIC velkorin_core Qt6::Widgets Qt6::PrintSupport velkorin_options)
endfunction()
