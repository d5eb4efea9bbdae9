/* Solves A x = b for a sparse A read from a Matrix Market file, with the
 * reverse-communication solver: the program answers every request itself,
 * the products with the library's sparse product and the preconditioner
 * solves with the diagonal of A (Jacobi).
 *
 *   sparse_solve A.mtx [b.mtx]
 *
 * A: coordinate, real, general or symmetric.  b: array, real (default: A
 * times a vector of ones). */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "kiv2.h"

typedef struct {
  int n, nnz;
  double *a;
  int *irow, *icol;
} Sparse;

static void die(const char *what) {
  fprintf(stderr, "sparse_solve: %s\n", what);
  exit(EXIT_FAILURE);
}

static char *data_line(char *line, int size, FILE *f) {
  while (fgets(line, size, f) != NULL)
    if (line[0] != '%') return line;
  return NULL;
}

/* A coordinate file; a symmetric one stores the lower triangle, which is
 * mirrored here so that A is held whole. */
static Sparse read_matrix(const char *path) {
  char line[256];
  Sparse s;
  int rows, cols, entries, symmetric, k;
  FILE *f = fopen(path, "r");
  if (f == NULL || fgets(line, sizeof line, f) == NULL) die("cannot read the matrix file");
  if (strstr(line, "coordinate") == NULL || strstr(line, "real") == NULL)
    die("the matrix must be a real coordinate Matrix Market file");
  symmetric = strstr(line, "symmetric") != NULL;
  if (data_line(line, sizeof line, f) == NULL ||
      sscanf(line, "%d %d %d", &rows, &cols, &entries) != 3 || rows != cols || rows < 1 ||
      entries < 1)
    die("bad size line");
  s.n = rows;
  s.nnz = 0;
  s.a = malloc(2 * (size_t)entries * sizeof *s.a);
  s.irow = malloc(2 * (size_t)entries * sizeof *s.irow);
  s.icol = malloc(2 * (size_t)entries * sizeof *s.icol);
  if (s.a == NULL || s.irow == NULL || s.icol == NULL) die("out of memory");
  for (k = 0; k < entries; ++k) {
    int i, j;
    double v;
    if (data_line(line, sizeof line, f) == NULL || sscanf(line, "%d %d %lf", &i, &j, &v) != 3)
      die("bad or missing entry");
    s.irow[s.nnz] = i, s.icol[s.nnz] = j, s.a[s.nnz++] = v;
    if (symmetric && i != j) s.irow[s.nnz] = j, s.icol[s.nnz] = i, s.a[s.nnz++] = v;
  }
  fclose(f);
  return s;
}

static double *read_vector(const char *path, int n) {
  char line[256];
  int rows, cols, i;
  double *b = malloc((size_t)n * sizeof *b);
  FILE *f = fopen(path, "r");
  if (b == NULL || f == NULL || fgets(line, sizeof line, f) == NULL) die("cannot read b");
  if (strstr(line, "array") == NULL) die("b must be a Matrix Market array");
  if (data_line(line, sizeof line, f) == NULL || sscanf(line, "%d %d", &rows, &cols) != 2 ||
      rows != n || cols != 1)
    die("b does not match A");
  for (i = 0; i < n; ++i)
    if (data_line(line, sizeof line, f) == NULL || sscanf(line, "%lf", &b[i]) != 1)
      die("bad or missing element of b");
  fclose(f);
  return b;
}

/* y = A x through the library's product; the storage was checked once when
 * it was sorted, so the product trusts it. */
static void product(const Sparse *s, const char *trans, const double *x, double *y) {
  int ifail = 1;
  F11XAF_HOST(trans, &s->n, &s->nnz, s->a, s->irow, s->icol, "N", x, y, &ifail, 1, 1);
  if (ifail != 0) die("the product failed");
}

int main(int argc, char **argv) {
  Sparse s;
  double *b, *x, *r, *diag, *u, *v, *wgt, *work;
  int n, i, k, ifail, lwreq, lwork, irevcm, itn;
  const int iterm = 1, m = 30, maxitn = 5000, monit = 0;
  const double tol = 1e-8, anorm = 0.0, sigmax = 0.0;
  double stplhs, stprhs, anorm_used, sigmax_used, worst = 0.0, bnorm = 0.0, xnorm = 0.0;
  double anorm_inf = 0.0, *rowsum;
  int *istr, *iwork;

  if (argc < 2 || argc > 3) {
    fprintf(stderr, "usage: sparse_solve A.mtx [b.mtx]\n");
    return EXIT_FAILURE;
  }
  s = read_matrix(argv[1]);
  n = s.n;
  /* Sort into coordinate storage, summing repeated entries. */
  istr = malloc(((size_t)n + 1) * sizeof *istr);
  iwork = malloc((size_t)n * sizeof *iwork);
  ifail = 1;
  F11ZAF_HOST(&n, &s.nnz, s.a, s.irow, s.icol, "S", "K", istr, iwork, &ifail, 1, 1);
  if (ifail != 0) die("the matrix has an index out of range");

  x = calloc((size_t)n, sizeof *x);
  r = malloc((size_t)n * sizeof *r);
  diag = calloc((size_t)n, sizeof *diag);
  u = malloc((size_t)n * sizeof *u);
  v = malloc((size_t)n * sizeof *v);
  wgt = malloc((size_t)n * sizeof *wgt);
  if (argc == 3) {
    b = read_vector(argv[2], n);
  } else {
    b = malloc((size_t)n * sizeof *b);
    for (i = 0; i < n; ++i) u[i] = 1.0;
    product(&s, "N", u, b);
  }
  for (k = 0; k < s.nnz; ++k)
    if (s.irow[k] == s.icol[k]) diag[s.irow[k] - 1] = s.a[k];
  for (i = 0; i < n; ++i)
    if (diag[i] == 0.0) die("a zero on the diagonal: no Jacobi preconditioner");

  /* Set up restarted GMRES with a preconditioner, infinity-norm test. */
  lwork = 100 + n * (m + 3) + m * (m + 5) + 1;
  work = malloc((size_t)lwork * sizeof *work);
  ifail = 1;
  F11BDF_HOST("RGMRES", "P", "I", "N", &iterm, &n, &m, &tol, &maxitn, &anorm, &sigmax, &monit,
              &lwreq, work, &lwork, &ifail, 6, 1, 1, 1);
  if (ifail != 0) die("the set-up failed");

  /* The loop: U starts as the initial guess, V as the right-hand side. */
  memcpy(u, x, (size_t)n * sizeof *u);
  memcpy(v, b, (size_t)n * sizeof *v);
  irevcm = 0;
  for (;;) {
    ifail = -1; /* print the library's message if the iteration fails */
    F11BEF_HOST(&irevcm, u, v, wgt, work, &lwork, &ifail);
    if (irevcm == 4) break;
    if (irevcm == 1) product(&s, "N", u, v);
    else if (irevcm == -1) product(&s, "T", u, v);
    else if (irevcm == 2)
      for (i = 0; i < n; ++i) v[i] = u[i] / diag[i];
  }
  k = 1;
  F11BFF_HOST(&itn, &stplhs, &stprhs, &anorm_used, &sigmax_used, work, &lwork, &k);
  printf("RGMRES with Jacobi: IFAIL = %d after %d iterations\n", ifail, itn);

  /* The residual, computed here from the entries. */
  rowsum = calloc((size_t)n, sizeof *rowsum);
  memcpy(r, b, (size_t)n * sizeof *r);
  for (k = 0; k < s.nnz; ++k) {
    r[s.irow[k] - 1] -= s.a[k] * u[s.icol[k] - 1];
    rowsum[s.irow[k] - 1] += fabs(s.a[k]);
  }
  for (i = 0; i < n; ++i) {
    worst = fmax(worst, fabs(r[i]));
    bnorm = fmax(bnorm, fabs(b[i]));
    xnorm = fmax(xnorm, fabs(u[i]));
    anorm_inf = fmax(anorm_inf, rowsum[i]);
  }
  printf("n = %d, nonzeros = %d\n", n, s.nnz);
  printf("max |b - Ax| / (|b| + |A| |x|) = %.3e (tolerance %.1e)\n",
         worst / (bnorm + anorm_inf * xnorm), tol);
  printf("x(1) = %.10g, x(n) = %.10g\n", u[0], u[n - 1]);
  return ifail == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
