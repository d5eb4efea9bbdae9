// The reverse-communication Krylov solvers: the state block that lives in the
// caller's WORK, the sequence guard, and the framework every method kernel
// runs in.
//
// Two families share it.  The general solvers' block is WORK(1..100) (120
// complex elements for complex data): 50 integers, 40 reals and 10
// logicals.  The symmetric solvers' block is 120 elements for either
// scalar: 50 integers, 50 reals and 20 logicals.  Each scalar is stored as
// one element (a complex block keeps them in the real parts; the kernels'
// complex scalars use the whole element).  The method's vectors follow the
// block.  A Layout says where a family keeps the fields that differ.
#pragma once

#include <array>
#include <climits>
#include <cmath>

#include "sparse/krylov_blas.hpp"

namespace kiv::krylov {

// Elements of the state block with a fixed meaning (1-based, as in WORK).
enum Field : int {
  kIntSize = 1, kRealSize = 2, kLogSize = 3,
  kTag1 = 4, kStage = 5, kMethod = 6, kNormCode = 7, kIterm = 8, kN = 9, kM = 10,
  kMaxitn = 11, kMonFreq = 13, kLwreq = 14, kLastIrevcm = 15, kItn = 16, kTag2 = 20,
  kNormCopy = 17, kLastRequest = 23, kMultiplier = 24, kLwork = 25,
  kTol = 51, kAnorm = 53, kSigmax = 54, kStplhs = 55, kStprhs = 56,
  kPrecon = 91, kFinished = 94, kFirstEntry = 95,
};

inline constexpr int kIntCount = 50, kRealCount = 40, kLogCount = 10;

// The symmetric family's fields that differ from the general one's.
enum SymField : int {
  kSigmaMode = 7, kSymNormCode = 8, kSymIterm = 9, kSymN = 10, kMaxits = 12, kIts = 17,
  kSymNormCopy = 18, kSigtol = 52, kSigerr = 57,
  kSymPrecon = 101, kSymFinished = 104, kSymFirstEntry = 105,
};
inline constexpr int kSymIntCount = 50, kSymRealCount = 50, kSymLogCount = 20;
inline constexpr int kSymBlockLen = 120;
enum SymMethod : int { kCg = 1, kSymmlq = 2 };

inline constexpr int kTagValue1 = 1739512, kTagValue2 = 840653;

enum Method : int { kRgmres = 1, kCgs = 2, kBicgstab = 3, kTfqmr = 4 };
enum Stage : int { kReset = 0, kSetUp = 1, kIterating = 2, kFinishedStage = 3 };

// Request codes (IREVCM on return).
enum Request : int {
  kTransProduct = -1, kProduct = 1, kPrecondition = 2, kMonitor = 3, kDone = 4,
};

// Failure codes of a kernel.  The symmetric methods report 6 for a
// preconditioner and 7 for a matrix found not positive-definite.
enum Failure : int {
  kOk = 0, kAccuracy = 2, kTidyStop = 4, kNoConvergence = 5, kBreakdown = 6,
  kPreconIndefinite = 6, kMatrixIndefinite = 7,
};

// Elements of the general solvers' state block before the vectors.
template <class T>
inline constexpr int kBlockLen = kIsComplex<T> ? 120 : 100;

// Where a family keeps its state.  Fields at the same place in both
// families (tags, stage, method, monitoring frequency, LWREQ, the latest
// IREVCM, ITN, the request and multiplier of the protocol, LWORK, the
// framework's integers from WORK(26), the method's from WORK(36), tau,
// ANORM, SIGMAX, STPLHS and STPRHS) are not in it.
struct Layout {
  int block;                // elements before the vectors
  int ints, reals, logs;    // the group sizes, WORK(1..3)
  int norm_code, norm_copy, iterm, n;
  int real0;                // first of the framework's 11 private reals
  int log0;                 // first logical: preconditioned, then the framework's
  int method_real;          // first of the method's private reals
  bool symmetric;           // the residual-replacement test of CG and SYMMLQ
  int nonfinite;            // the failure for a test on an infinity or a NaN
};

template <class T>
inline constexpr Layout kGeneral{kBlockLen<T>, kIntCount, kRealCount, kLogCount, kNormCode,
                                 kNormCopy, kIterm, kN, 57, kPrecon, 70, false, kBreakdown};
inline constexpr Layout kSymmetric{kSymBlockLen, kSymIntCount, kSymRealCount, kSymLogCount,
                                   kSymNormCode, kSymNormCopy, kSymIterm, kSymN, 61, kSymPrecon,
                                   75, true, kMatrixIndefinite};
inline constexpr int kMaxInts = 50, kMaxReals = 50, kMaxLogs = 20;
// The logicals' offsets from Layout::log0.
enum LogOffset : int {
  kOffPrecon = 0, kOffPlain2, kOffTidy, kOffFinished, kOffFirstEntry, kOffRecPassed, kOffFresh,
  kOffHaveR0, kOffHaveResidual,
};

// An integer field as stored (a double): rounded to the nearest integer, or
// INT_MIN, which no field legally holds, when it is NaN or outside the int
// range.
// (Half away from zero, as lround, which costs a library call per field.)
inline int to_int(double x) {
  if (!(x > -2147483648.5 && x < 2147483647.5)) return INT_MIN;
  return static_cast<int>(x < 0.0 ? x - 0.5 : x + 0.5);
}

// Counters of iterations, cycles and sweeps stop at INT_MAX instead of
// overflowing (a block read back from the caller may hold anything).
inline void count_up(int& c) { c += c < INT_MAX ? 1 : 0; }

// Fixed fields read and written in place.
template <class T>
double field(const T* work, int k) { return re(work[k - 1]); }
template <class T>
int int_field(const T* work, int k) { return to_int(re(work[k - 1])); }
template <class T>
bool bool_field(const T* work, int k) { return re(work[k - 1]) > 1.0; }
template <class T>
void set_field(T* work, int k, double value) { work[k - 1] = value; }
template <class T>
void set_bool(T* work, int k, bool value) { work[k - 1] = value ? 2.0 : 0.0; }

// The sequence guard's modes.
enum class Guard { reset, setup, start, finish, monitor };
// Keeps the order of calls on the two tags and the stage; false when the
// mode's condition fails.
template <class T>
bool sequence_guard(Guard mode, T* work);

// The minimum LWORK of a method (the block included), in 64 bits so that a
// size beyond the int range is seen as such.
long long required_work(int block, int method, int iterm, bool precon, long long n, long long m);

// The minimum LWORK of a symmetric method (the block included); MAXITS is 0
// unless sigma_1 is estimated.
long long required_sym_work(int method, long long n, long long maxits);

// True when every field of the block that decides a memory access, a
// division or a loop bound lies in its legal range and agrees with the
// others (the workspace the stored sizes need fits within the stored LWREQ,
// the norm code matches its copy, each method's resume point and vector
// index are consistent).  The tags are checked apart.  LWORK itself is
// compared with LWREQ by the caller.
template <class T>
bool state_is_sound(const T* work);
template <class T>
bool sym_state_is_sound(const T* work);

// The state block's three groups, loaded into locals on entry to a kernel
// and stored back before it returns.  Elements are named by their place in
// WORK (the real group starts at WORK(51) in both families).
template <class T>
struct Scalars {
  std::array<int, kMaxInts> ints{};
  std::array<T, kMaxReals> reals{};
  std::array<bool, kMaxLogs> logs{};
  const Layout& layout;

  explicit Scalars(const T* work, const Layout& lay = kGeneral<T>);
  void store(T* work) const;

  int& I(int k) { return ints[k - 1]; }
  T& R(int k) { return reals[k - 51]; }
  // The real part of a real-group element: a double field of either block.
  double& D(int k) { return reinterpret_cast<double*>(&reals[k - 51])[0]; }
  bool& L(int k) { return logs[k - (layout.ints + layout.reals + 1)]; }
};

// Norm codes: 0 1-norm, 1 infinity norm, 2 2-norm, +3 weighted.  PLAIN
// selects sqrt(x.x) over the scaled DNRM2 for code 2.
template <class T>
double vector_norm(int code, int n, const T* x, const double* w, bool plain);

// What a step of a method reports to the framework besides a request.
enum StepEnd : int {
  kStepContinues = 0, kStepComplete = 10, kStepBreakdown = 11,
  // The symmetric methods: a preconditioner or a matrix not positive-definite.
  kStepPreconIndefinite = 12, kStepMatrixIndefinite = 13,
};

// The framework of a method kernel: start, norms and the estimate of ||A||,
// residual, iterate, test, monitor and finish.  A method supplies its step
// (one iteration, or one RGMRES cycle or BiCGSTAB sweep) as a resumable
// machine and where its recurrence residual lives.
template <class T>
class Solver {
 public:
  Solver(Scalars<T>& s, T* u, T* v, const double* wgt, T* work);
  virtual ~Solver() = default;

  // Enters the kernel with CODE; returns the request and sets *FAILURE.
  int run(int code, int* failure);

 protected:
  // One step: returns a request (1, -1, 2) with U filled, or a StepEnd.
  virtual int step() = 0;
  // The recurrence residual in WORK.
  virtual T* residual() = 0;
  // Called when the residual has been recomputed from b - A x (a fresh
  // residual, a replacement): the method restarts its recurrences on it.
  virtual void residual_renewed() {}
  // The counter the monitoring frequency applies to (ITN, cycles, sweeps).
  virtual int monitor_count() { return itn; }
  // RGMRES: true-residual test at every cycle, and with ITERM = 2 the
  // cycle's own residual estimate.
  virtual bool gmres_test() const { return false; }
  virtual double gmres_estimate() const { return 0.0; }
  // Vector K of the method's workspace (0 the iterate, 1 the right side).
  T* vec(int k) { return work + s.layout.block + static_cast<long>(k) * n; }

  // The sigma_1 estimate's input: the symmetric methods report the Lanczos
  // tridiagonal matrix T_k they imply, one row per iteration: K (1, 2, ...),
  // the diagonal element T(k,k) and the squared off-diagonal T(k-1,k)^2
  // (0 for k = 1).  Kept when sigma_1 is to be computed and K <= MAXITS + 1;
  // each row renews SIGMAX, SIGERR and ITS (the rows the estimate used: the
  // last row only couples those before it to the next Lanczos vector).
  void record_lanczos(int k, double diag, double offdiag_sq);

  double norm(const T* x) const { return vector_norm(norm_code, n, x, wgt, plain2); }
  double norm2(const T* x) const { return vector_norm(2, n, x, wgt, plain2); }
  // Requests V = A x (copies X into U).
  int request(int code, const T* x) {
    copy(n, x, u);
    u_from_step_ = false;
    return code;
  }
  // True when U still holds what the last step of this entry left in it:
  // no request has been made since (the test went on without one).
  bool u_from_step() const { return u_from_step_; }
  // A step that ends with ||r||_2^2 and ||x||_2^2 of the new iterate formed
  // in its own last pass hands them to the test that follows in the same
  // entry, which uses them for the plain 2-norm instead of two more passes.
  void residual_sums(double rr, double xx) {
    rr_ = rr;
    xx_ = xx;
    have_sums_ = true;
  }

  Scalars<T>& s;
  T* u;
  T* v;
  const double* wgt;
  T* work;
  const int n, norm_code, iterm, maxitn, monfreq;
  const bool precon;
  int& itn;
  int& phase;  // the method's own resume point within its step
  double& tol;
  double& anorm;
  double& sigmax;
  double& stplhs;
  double& stprhs;
  double& bnorm;
  double& xnorm;
  double& r0bar;  // 2-norm of the initial (preconditioned) residual
  bool& plain2;
  bool& tidy;
  T* const x;  // WORK vector 0: the iterate
  T* const b;  // WORK vector 1: the right-hand side

 private:
  int dispatch(int code);
  int start();
  int estimate(bool first);
  int finish(int failure, bool true_residual_in_v);
  int finish_now(int failure, bool true_residual_in_v);
  bool stopping_test_unusable() const;
  int test();
  int true_residual_test();
  int replacement_test();
  bool recurrence_sides(const T* r);
  bool true_sides();
  int replacement_true_residual_test();
  int after_test(int stopped, bool true_in_v);
  int residual_request();
  int continue_iteration();

  int& resume_;
  int& est_iter_;
  int& est_j_;
  int& counter_;
  int& failure_;
  int& est_kase_;
  double& tol_true_;
  double& sqrt_eps_;
  double& cancel_;
  double& replace_;
  double& xmax_;
  double& rhs_max_;
  double& r0norm_;
  double& est_;
  bool& rec_passed_;
  bool& fresh_;
  bool& have_r0_;
  bool& have_residual_;
  // Not kept in the block: valid only until the test of this entry.
  bool have_sums_ = false;
  bool u_from_step_ = false;
  double rr_ = 0.0, xx_ = 0.0;
};

// What a method class names from its framework.
#define KIV_KRYLOV_USES_FRAMEWORK(T)                                                          \
  using Solver<T>::n; using Solver<T>::u; using Solver<T>::v; using Solver<T>::x;             \
  using Solver<T>::b; using Solver<T>::itn; using Solver<T>::phase; using Solver<T>::precon; \
  using Solver<T>::maxitn; using Solver<T>::tidy; using Solver<T>::iterm;                    \
  using Solver<T>::request; using Solver<T>::vec; using Solver<T>::s

// Runs a method for one entry: loads the scalars, runs, stores them back.
template <template <class> class Method, class T>
int run_method(int code, T* u, T* v, const double* wgt, T* work, int* failure,
               const Layout& layout = kGeneral<T>) {
  Scalars<T> s(work, layout);
  Method<T> method(s, u, v, wgt, work);
  const int q = method.run(code, failure);
  s.store(work);
  return q;
}

// The kernels of the four methods: enter with CODE, return the request.
template <class T>
int rgmres_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure);
template <class T>
int cgs_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure);
template <class T>
int bicgstab_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure);
template <class T>
int tfqmr_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure);
// The kernel of the method chosen in WORK.
template <class T>
int method_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure);

// The symmetric family: the CG kernel and the kernel of the method chosen.
template <class T>
int cg_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure);
template <class T>
int symmlq_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure);
template <class T>
int sym_method_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure);

// The 1-based position in NAMES (COUNT of them) of the name TEXT (LEN
// characters) begins with once trimmed and upper-cased, each name compared
// on its own length; 0 when none, when empty or longer than 20 characters.
int name_code(const char* text, int len, const char* const* names, int count);
// The method named by TEXT: a Method, or 0 when not recognised.
int method_code(const char* text, int len);
// The same for the symmetric family: a SymMethod, or 0.  "CG" is compared
// on 2 characters, so "CGS" names it too.
int sym_method_code(const char* text, int len);

// First element of the method's private scalars (integers, reals, logicals).
inline constexpr int kMethodInt = 36, kMethodReal = 70;

// Whether the method's private integers (resume phase, vector index,
// counters) are consistent with the sizes in the block.
template <class T>
bool rgmres_sound(const T* work);
template <class T>
bool cgs_sound(const T* work);
template <class T>
bool bicgstab_sound(const T* work);
template <class T>
bool tfqmr_sound(const T* work);
template <class T>
bool cg_sound(const T* work);
template <class T>
bool symmlq_sound(const T* work);

// The vectors of a symmetric method in WORK beyond the block, in units of N.
inline int sym_vectors(int method) { return method == kCg ? 5 : 6; }

}  // namespace kiv::krylov
