// The 32-byte vectors below live only inside always-inlined helpers, so the note that passing them
// by value without AVX differs from the AVX calling convention concerns no call that remains.
#pragma GCC diagnostic ignored "-Wpsabi"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "image/fast_dib.h"
#include "sim/cell_step.h"
#include "sim/sweep_kernels.h"

#if defined(WAVORA_VECTOR_SWEEPS)
#include <immintrin.h>
#endif

namespace wavora {

void TSweepScratch::Resize(int32_t height) {
  heightStride_ = static_cast<size_t>(height);
  heights_.assign((kSlots + 2) * heightStride_, 0.0);
  pixels_.assign(2 * kTile * heightStride_, 0);
}

void TakeEdgeHeights(const TSweepRun& run) {
  const float* left = run.grid->Displacements(run.first - 1);
  const float* right = run.grid->Displacements(run.last);
  double* leftEdge = run.scratch->LeftEdge();
  double* rightEdge = run.scratch->RightEdge();
  for (int32_t y = 0; y < run.grid->Height(); ++y) {
    leftEdge[y] = left[y];
    rightEdge[y] = right[y];
  }
}

#if defined(WAVORA_VECTOR_SWEEPS)

namespace {

#define WAVORA_INLINE inline __attribute__((always_inline))

// Four lanes: four rows of one column. The compiler maps them onto SSE2 registers (two per vector
// of doubles) or AVX registers, depending on the function they are inlined into.
using TFloats = float __attribute__((vector_size(16)));
using TDoubles = double __attribute__((vector_size(32)));
using TInts = int32_t __attribute__((vector_size(16)));
constexpr int32_t kLanes = 4;
constexpr size_t kPixelBytes = TFastDIB::kBytesPerPixel;

template <class V, class T>
WAVORA_INLINE V Load(const T* p) {
  V v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

template <class V, class T>
WAVORA_INLINE void Store(T* p, V v) {
  std::memcpy(p, &v, sizeof v);
}

// Floats to doubles and back (rounding to nearest), four lanes at a time; ShadeByte on four channel
// values: clamped (maximum first: it turns NaN into 0, then the minimum caps at 255), then converted
// with the processor's rounding, to nearest with halves to even (0 and 255 are whole, so clamping
// before rounding gives what rounding before clamping gives).
namespace baseline {
WAVORA_INLINE TDoubles Wide(TFloats f) {
  return __builtin_convertvector(f, TDoubles);
}
WAVORA_INLINE TFloats Narrow(TDoubles d) {
  return __builtin_convertvector(d, TFloats);
}
WAVORA_INLINE TInts ShadeBytes(TDoubles value) {
  const __m128d zero = _mm_setzero_pd();
  const __m128d white = _mm_set1_pd(255.0);
  const __m128d low = _mm_min_pd(_mm_max_pd(_mm_set_pd(value[1], value[0]), zero), white);
  const __m128d high = _mm_min_pd(_mm_max_pd(_mm_set_pd(value[3], value[2]), zero), white);
  return reinterpret_cast<TInts>(_mm_unpacklo_epi64(_mm_cvtpd_epi32(low), _mm_cvtpd_epi32(high)));
}
#include "sim/sweep_vector_body.inc"
}  // namespace baseline

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif
namespace avx2 {
// The compiler splits the generic conversions in two halves; one instruction does it with AVX.
WAVORA_INLINE TDoubles Wide(TFloats f) {
  return reinterpret_cast<TDoubles>(_mm256_cvtps_pd(reinterpret_cast<__m128>(f)));
}
WAVORA_INLINE TFloats Narrow(TDoubles d) {
  return reinterpret_cast<TFloats>(_mm256_cvtpd_ps(reinterpret_cast<__m256d>(d)));
}
WAVORA_INLINE TInts ShadeBytes(TDoubles value) {
  const __m256d clipped = _mm256_min_pd(_mm256_max_pd(reinterpret_cast<__m256d>(value), _mm256_setzero_pd()),
                                        _mm256_set1_pd(255.0));
  return reinterpret_cast<TInts>(_mm256_cvtpd_epi32(clipped));
}
#include "sim/sweep_vector_body.inc"
}  // namespace avx2
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

}  // namespace

void VectorSweepSse2(const TSweepRun& run) {
  baseline::VectorSweep(run);
}

void VectorDrawSse2(const TSweepRun& run) {
  baseline::VectorDraw(run);
}

__attribute__((target("avx2"))) void VectorSweepAvx2(const TSweepRun& run) {
  avx2::VectorSweep(run);
}

__attribute__((target("avx2"))) void VectorDrawAvx2(const TSweepRun& run) {
  avx2::VectorDraw(run);
}

bool ProcessorHasAvx2() {
  return __builtin_cpu_supports("avx2");
}
#endif  // WAVORA_VECTOR_SWEEPS

}  // namespace wavora
