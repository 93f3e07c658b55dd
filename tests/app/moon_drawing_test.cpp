#include "app/moon_drawing.h"

#include <gtest/gtest.h>
