#include "app/number_reading.h"

#include <gtest/gtest.h>
