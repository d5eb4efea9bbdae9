// Special functions internal to the library.
#pragma once

#include "kiv2.h"

// Inverse cosine in [0, pi]; IFAIL error 1 when |X| > 1.
double KIV_CALL S09ABF(double x, char* record, int* ifail, int record_len);
