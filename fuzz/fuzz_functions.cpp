// The special functions through their host wrapper and body.
#include <cmath>

#include "input.hpp"
#include "special/special.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kivfuzz::Input in(data, size);
  for (int step = 0; step < 16 && !in.empty(); ++step) {
    const double x = in.real();
    int ifail = 1;
    const double g = S14AAF_HOST(&x, &ifail);
    // A zero of either sign is "too close to zero", with the positive value.
    if (x == 0.0 && !(ifail == 3 && g > 0.0)) __builtin_trap();
    if (ifail < 0 || ifail > 4 || (std::isnan(x) && (ifail != 0 || !std::isnan(g))))
      __builtin_trap();
    char record[KIV2_RECORD_LEN + 1];
    ifail = 1;
    const double c = S09ABF(x, record, &ifail, KIV2_RECORD_LEN);
    if (ifail == 0 && !std::isnan(x) && !(c >= 0.0 && c <= 3.1415926535897936)) __builtin_trap();
  }
  return 0;
}
