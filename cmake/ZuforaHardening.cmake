# The hardening flags Debian builds its packages with (as dpkg-buildflags gives them,
# with bindnow and PIE), for every program of the normal builds: fortified string and
# memory functions, stack protector, position-independent executables, and a
# relocation table that is resolved at start and then made read-only.
# Not in the sanitizer and fuzz builds: the sanitizers replace the same functions that
# fortification wraps, and what they check is the point of those builds.
option(ZUFORA_HARDENING "Build with Debian's hardening flags (not with sanitizers or fuzzing)" ON)

if(ZUFORA_HARDENING AND NOT ZUFORA_SANITIZE AND NOT ZUFORA_BUILD_FUZZ)
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)

  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  # Fortification needs an optimised build; an unoptimised one would only warn about it.
  add_compile_definitions(
    "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>")
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
