// The export table as a host sees it: libkiv2.so loaded by file name, every
// entry resolved by its export name and by its plain ELF name.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "frame/export_table.hpp"

namespace {

class Loaded : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    handle_ = dlopen(KIV2_SO_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
    entry_ = reinterpret_cast<void* (*)(const char*)>(dlsym(handle_, "kiv2_entry"));
    ASSERT_NE(entry_, nullptr);
  }
  static void TearDownTestSuite() { dlclose(handle_); }

  // "_q26243@8" -> "q26243"
  static std::string elf_name(const std::string& name) {
    return name.substr(1, name.find('@') - 1);
  }

  static inline void* handle_ = nullptr;
  static inline void* (*entry_)(const char*) = nullptr;
};

TEST_F(Loaded, EveryRowResolvesByBothNames) {
  std::size_t n = 0;
  const kiv::Export* table = kiv::exports(&n);
  ASSERT_GT(n, 0u);
  for (std::size_t i = 0; i < n; ++i) {
    const std::string name = table[i].name;
    ASSERT_EQ(name.substr(0, 2), "_q") << name;
    ASSERT_EQ(name.find('@'), 7u) << name;
    EXPECT_EQ(std::atoi(name.c_str() + 8), table[i].k) << name;
    void* by_export = entry_(name.c_str());
    ASSERT_NE(by_export, nullptr) << name;
    EXPECT_EQ(dlsym(handle_, elf_name(name).c_str()), by_export) << name;
  }
}

TEST_F(Loaded, FrameAndGammaExportsArePresent) {
  const char* names[] = {
      "_q43484@4",  "_q44339@8",  "_q68526@4",  "_q18327@8",  "_q29267@4",  "_q67045@8",
      "_q43156@28", "_q54230@36", "_q87554@8",  "_q42761@0",  "_q48540@0",  "_q48900@0",
      "_q54356@0",  "_q22647@0",  "_q32811@0",  "_q84763@24", "_q18805@16", "_q95043@16",
      "_q84615@40", "_q56221@8",  "_q51030@8",  "_q81284@8",  "_q98008@8",  "_q80933@0",
      "_q26243@8"};
  for (const char* name : names) EXPECT_NE(entry_(name), nullptr) << name;
  // The two names of the safe minimum are one routine.
  EXPECT_EQ(entry_("_q48900@0"), entry_("_q54356@0"));
}

TEST_F(Loaded, OnlyExactNamesResolve) {
  for (const char* name : {"_q26243@12", "q26243", "_q26243", "_q26243@8 ", "", "_Q26243@8"})
    EXPECT_EQ(entry_(name), nullptr) << name;
  EXPECT_EQ(entry_(nullptr), nullptr);
}

TEST_F(Loaded, GammaEndToEndThroughTheHostWrapper) {
  using Gamma = double(KIV_CALL*)(const double*, int*);
  auto gamma = reinterpret_cast<Gamma>(entry_("_q26243@8"));
  double x = 5.0;
  int ifail = 0;
  EXPECT_EQ(gamma(&x, &ifail), 24.0);
  EXPECT_EQ(ifail, 0);
  x = -3.0;
  ifail = 1;
  EXPECT_EQ(gamma(&x, &ifail), 4.3e+304);
  EXPECT_EQ(ifail, 4);
}

}  // namespace
