// The three FFT engines and the computations of the one-dimensional
// transforms, for the routines of this subsystem.
//
// Conventions shared by all: forward z_k = sum_j x_j exp(-2 pi i jk/N),
// backward with +i, every engine scaling by 1/sqrt(N).  Complex data is
// interleaved (real part, imaginary part) in arrays of double.  Hermitian
// packed storage of a length-N transform: a_k at k for k <= N/2, b_k at N-k
// for 1 <= k <= (N-1)/2.  Factor lists end with a 0 entry.
#pragma once

namespace kiv::fft {

// ---------------------------------------------------------------------------
// In-place real/Hermitian engine (prime factors up to 19, at most 20 of them).

// Room for a factor list of the in-place engine, its ending 0 included.
inline constexpr int kInplaceListLen = 21;

// Factorises N into the grouped list (radices of the passes, 1 = skipped)
// and the ungrouped list (digits of the permutation).  Returns 0, 1 (a prime
// factor above 19) or 2 (more than 20 prime factors).
int inplace_factorise(int n, int* grouped, int* ungrouped);

// The 0-based index of the first stored b_k of a packed transform (b_k at
// N-k for 1 <= k <= (N-1)/2): N/2 + 1, formed without passing INT_MAX.
constexpr int stored_b_first(int n) { return n / 2 + 1; }

// Real data to Hermitian packed, in place; WORK (N doubles) is the scratch
// array of the permutation.
void inplace_analysis(int n, const int* grouped, const int* ungrouped, double* x, double* work);
// Hermitian packed to real (x_j = sum_k z_k exp(-2 pi i jk/N) / sqrt(N)).
void inplace_synthesis(int n, const int* grouped, const int* ungrouped, double* x, double* work);

// Which array holds a result of the passes.
enum class Held { x, y };

// ---------------------------------------------------------------------------
// Self-sorting complex engine.

// Room for a factor list of the complex engine, its ending 0 included.
inline constexpr int kComplexListLen = 32;
// The count that means "too many factors".
inline constexpr int kComplexTooMany = 31;

// Factorises N (5s, 4s, 2s, 3s, then trial divisors from 7); returns the
// number of factors, kComplexTooMany when there would be more than 30.
int complex_factorise(int n, int* factors);

// exp(-2 pi i r/n) as (cos, -sin), to working precision.
struct C;
C unit_root(long r, long n);

// The twiddle rows of a factor list (N-1 values): for each factor F in list
// order, m the product of the factors before it and L = N/(m F), rows
// q = 1 .. F-1 of exp(-2 pi i q t m/N), t = 0 .. L-1 (entry 0 replaced by
// exp(-2 pi i q/F) when F >= 7).  Real parts to RE, imaginary parts to IM,
// STRIDE doubles apart.
void twiddle_rows(int n, const int* factors, double* re, double* im, int stride);

// The twiddle table (N complex values) for the factor list.
void complex_table(int n, const int* factors, double* table);

// Transforms X (N complex values) in place with Y (N complex) as scratch.
void complex_transform(bool forward, int n, const int* factors, const double* table, double* x,
                       double* y);
// LANES sequences by rows (element k of sequence s at k*LANES + s), each
// transformed as complex_transform() does; Y holds LANES*N values.  Only for
// factor lists that lanes_fit(): factors 2, 3, 4, 5, 7, 11 and 13.
bool lanes_fit(const int* factors);
void lanes_transform(bool forward, int n, const int* factors, const double* table, int lanes,
                     double* x, double* y);

// The passes alone: the transform of X times SCALE (no 1/sqrt(N)), left
// in X or in Y.
Held complex_passes(bool forward, int n, const int* factors, const double* table, double* x,
                    double* y, double scale = 1.0);

// ---------------------------------------------------------------------------
// Self-sorting real engine: M sequences at once, sequence index fastest
// (element k of sequence s at s + k*M).

// Room for a factor list of the real engine, its ending 0 included.
inline constexpr int kRealListLen = 32;

// Factorises N (6s, 4s, 2s, 3s, then 5, 7, 11, ...); returns the count.
int real_factorise(int n, int* factors);

// The trigonometric table (2N doubles: cosines, then negated sines).
void real_table(int n, const int* factors, double* table);

// The forward passes: real data in X to unscaled Hermitian packed data in
// the array returned; Y (M*N) is scratch.
Held real_forward_passes(int m, int n, const int* factors, const double* table, double* x,
                         double* y);
// The synthesis passes: unscaled Hermitian packed data in SRC (X or Y) to
// real data in the array returned.
Held real_synthesis_passes(int m, int n, const int* factors, const double* table, Held src,
                           double* x, double* y);

// ---------------------------------------------------------------------------
// Transpositions.

// B (cols x rows, leading dimension cols) = transpose of A (rows x cols,
// leading dimension rows); complex values.
void transpose(int rows, int cols, const double* a, double* b);
// The same for real values.
void transpose_reals(int rows, int cols, const double* a, double* b);
// Transposes the N x N complex array A in place.
void transpose_square(int n, double* a);

// ---------------------------------------------------------------------------
// The computations of the routines, without argument checks or reports, for
// the routines of this subsystem that build on them.  WORK as the routines
// take it; the factorisation must have succeeded.

// C06PCF: one complex sequence; WORK 2N complex.  N > 1.
void c06pc_compute(bool forward, int n, const int* factors, double* x, double* work);
// C06PRF: M sequences by rows (element k of sequence s at s + k*M); WORK
// (M+1)*N complex.  N > 1.
void c06pr_compute(bool forward, int m, int n, const int* factors, double* x, double* work);
// C06PSF: M sequences by columns; WORK (M+1)*N complex.  N > 1.
void c06ps_compute(bool forward, int n, int m, const int* factors, double* x, double* work);
// The same two layouts with the table of N ready: SCRATCH holds M*N
// complex values by rows, N by columns.
void rows_transform(bool forward, int m, int n, const int* factors, const double* table,
                    double* x, double* scratch);
void columns_transform(bool forward, int n, int m, const int* factors, const double* table,
                       double* x, double* scratch);
// C06PPF: M real or conjugate-even sequences by rows, N+2 columns; WORK
// 2N + (N+2)*M doubles (3N when M = 1).  Any N >= 1.
void c06pp_compute(bool forward, int m, int n, double* x, double* work);

// How the real transform of M sequences of length N > 1 runs, and what the
// table that real_prepare() leaves at the start of WORK holds.
struct RealPlan {
  int factors[kComplexListLen];
  bool halved;  // even N: complex transforms of N/2 values and a split
};
void real_prepare(int m, int n, RealPlan* plan, double* work);
// C06PPF's transform with the table ready.
void c06pp_transform(bool forward, int m, int n, const RealPlan& plan, double* x, double* work);

// The sine and cosine transforms of C06RAF, C06RBF, C06RCF and C06RDF on
// M sequences by rows (columns as each routine states); WORK as C06PPF's.
// The first two ignore FORWARD (they are their own inverses).  Any N >= 1.
enum class Trig { sine, cosine, quarter_sine, quarter_cosine };
void sine_cosine_compute(Trig kind, bool forward, int m, int n, double* x, double* work);
// The same for N > 1 with real_prepare()'s table ready in WORK.
void sine_cosine_transform(Trig kind, bool forward, int m, int n, const RealPlan& plan, double* x,
                           double* work);

// The DIRECT argument: its first letter (for messages) and what it asks for.
struct Direction {
  bool valid;    // F, f, B or b
  bool forward;  // F or f
  char text[2];  // the letter as a text; blank when the argument is empty
};
Direction read_direction(const char* direct, int len);

}  // namespace kiv::fft
