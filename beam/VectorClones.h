// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

// A function marked VECTOR_CLONES is built twice, for AVX2 (four doubles a vector) and for any
// x86-64 (two), and the loader picks the one the processor runs best. Its vector loops then call
// the matching variants of the C library's vector maths.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define VECTOR_CLONES
#endif
