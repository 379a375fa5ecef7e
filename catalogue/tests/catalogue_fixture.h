// A fresh simulated desktop and program for each test: the program's rooms
// register the catalogue's kinds, so every class name a profile may hold
// makes its tool.
#pragma once
#include <gtest/gtest.h>

#include "catalogue/T_factory.h"
#include "platform/sim/sim_desktop.h"
#include "test_support/sim_fixture.h"
#include "triggers/a_trigger.h"

namespace catalogue_test {

using CatalogueFixture = test_support::SimTest;

}  // namespace catalogue_test
