// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>

// A property a fuzz target holds: when it fails, the target stops with the
// condition, so that libFuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
