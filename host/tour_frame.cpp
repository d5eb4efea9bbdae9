// Tour stops of the frame and the special functions.
#include "tour.hpp"

namespace {

void details() { kivhost::resolve<void(KIV_CALL*)()>("_q80933@0")(); }

void constants() {
  using Constant = double(KIV_CALL*)();
  std::printf("pi                 %.17g\n", kivhost::resolve<Constant>("_q42761@0")());
  std::printf("machine precision  %.17g\n", kivhost::resolve<Constant>("_q48540@0")());
  std::printf("safe minimum       %.17g\n", kivhost::resolve<Constant>("_q48900@0")());
  std::printf("largest real       %.17g\n", kivhost::resolve<Constant>("_q22647@0")());
}

void random_numbers() {
  int generator = -1, state[4];
  kivhost::resolve<void(KIV_CALL*)(int*, int*)>("_q98008@8")(&generator, state);
  auto uniform = kivhost::resolve<double(KIV_CALL*)(const int*, int*)>("_q56221@8");
  for (int i = 0; i < 4; ++i) std::printf("%.15f\n", uniform(&generator, state));
}

using Gamma = double(KIV_CALL*)(const double*, int*);

void gamma_values() {
  auto gamma = kivhost::resolve<Gamma>("_q26243@8");
  for (double x : {0.5, 1.0, 4.0, 10.1, -2.5, 170.0}) {
    int ifail = 1;
    const double g = gamma(&x, &ifail);
    std::printf("gamma(%7.2f) = %-24.16g IFAIL = %d\n", x, g, ifail);
  }
}

void gamma_error() {
  double x = -3.0;
  int ifail = -1;
  const double g = kivhost::resolve<Gamma>("_q26243@8")(&x, &ifail);
  std::printf("returned %.4g with IFAIL = %d\n", g, ifail);
}

}  // namespace

KIVHOST_STOP(10, "Implementation details (_q80933@0)", details);
KIVHOST_STOP(11, "Machine constants", constants);
KIVHOST_STOP(12, "Basic random generator (_q98008@8, _q56221@8)", random_numbers);
KIVHOST_STOP(80, "Gamma function through its host wrapper (_q26243@8)", gamma_values);
KIVHOST_STOP(81, "An error reported with IFAIL = -1: gamma(-3)", gamma_error);
