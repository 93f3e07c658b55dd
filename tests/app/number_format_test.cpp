#include "app/number_format.h"

#include <gtest/gtest.h>
