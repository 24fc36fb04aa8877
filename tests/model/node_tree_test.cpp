#include <gtest/gtest.h>
#include "model/node.h"
TEST(X, Y) {}
