// Internal routines of the roots subsystem.
#pragma once

#include "kiv2.h"

extern "C" {

// Zero of a function in a bracket [X, Y] by reverse communication (mixed
// bisection, linear and rational interpolation).  C holds 17 doubles kept
// between calls; IND: 1 start (asks for f(X), then f(Y)), -1 start with
// FX = f(X) and C(1) = f(Y), 4 a value at the new X; 0 finished.  TOLX > 0;
// IR 0 mixed, 1 absolute, 2 relative error test.  IFAIL: 1 no sign change,
// 2 IND, 3 TOLX or IR, 4 a pole, 5 TOLX too small, 6 FX is a NaN.
int KIV_CALL C05AZF(double* x, double* y, double fx, double tolx, int ir, double* c, int* ind,
                    char* record, int* ifail, int record_len);

}  // extern "C"
