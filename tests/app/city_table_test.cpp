#include "app/city_table.h"

#include <gtest/gtest.h>
