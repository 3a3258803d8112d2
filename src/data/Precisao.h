#pragma once

#include <limits>

// Every analysis computes in the 80-bit extended type (a 64-bit significand): GCC and Clang on
// x86, MinGW-w64 on Windows. Where long double is a plain double (MSVC, most ARM targets) the
// results would change without a word, so such a build stops here.
static_assert(
    std::numeric_limits<long double>::digits == 64,
    "Veltra precisa do long double estendido de 80 bits (mantissa de 64 bits): "
    "compile com GCC ou Clang em x86/x86-64, ou com MinGW-w64 no Windows; o MSVC não serve.");
