#include "app/coordinate_text.h"

#include <gtest/gtest.h>
